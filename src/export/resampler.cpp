// Separable resampling after the classic contribution-list scheme: for every output
// pixel a list of source pixels and fixed-point weights that sum to one; each pass is
// then a short dot product per channel.
#include "export/resampler.h"

#include <algorithm>
#include <cmath>

namespace tessel {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kWeightBits = 14;  // weights are fixed point with 14 fraction bits
constexpr int kWeightOne = 1 << kWeightBits;
constexpr int kRound = 1 << (kWeightBits - 1);
// Hamming and Blackman are sinc windowed over three lobes; Bicubic is Keys' cubic
// with a = -0.5 (Catmull-Rom).
constexpr double kSincSupport = 3.0;
constexpr double kCubicA = -0.5;

double Sinc(double x) {
  if (x == 0.0) return 1.0;
  x *= kPi;
  return std::sin(x) / x;
}

struct Contribution {
  int first = 0;            // first source pixel
  std::vector<int> weight;  // one per source pixel from first on
};

// Contribution lists of every output pixel for one side of sourceSize -> outSize.
std::vector<Contribution> Contributions(int sourceSize, int outSize, ResampleFilter filter) {
  const double scale = double(outSize) / sourceSize;
  const double widen = scale < 1.0 ? 1.0 / scale : 1.0;  // shrinking spreads the kernel
  const double support = FilterSupport(filter) * widen;
  std::vector<Contribution> list(static_cast<size_t>(outSize));
  std::vector<double> w;
  for (int i = 0; i < outSize; ++i) {
    const double centre = (i + 0.5) / scale;
    const int first = std::max(0, int(std::floor(centre - support + 0.5)));
    const int last = std::min(sourceSize, int(std::floor(centre + support + 0.5)));
    w.assign(size_t(std::max(last - first, 0)), 0.0);
    double total = 0.0;
    for (int j = first; j < last; ++j) total += w[size_t(j - first)] = FilterKernel(filter, (j + 0.5 - centre) / widen);
    Contribution& c = list[size_t(i)];
    c.first = first;
    if (total == 0.0) {  // a kernel that misses every pixel: take the nearest one
      c.first = std::clamp(int(centre), 0, sourceSize - 1);
      c.weight = {kWeightOne};
      continue;
    }
    // Fixed-point weights whose sum is exactly one: the rounding rest goes to the
    // largest weight, so that flat areas stay exactly flat.
    c.weight.resize(w.size());
    int sum = 0;
    size_t largest = 0;
    for (size_t k = 0; k < w.size(); ++k) {
      c.weight[k] = int(std::lround(w[k] / total * kWeightOne));
      sum += c.weight[k];
      if (w[k] > w[largest]) largest = k;
    }
    c.weight[largest] += kWeightOne - sum;
  }
  return list;
}

inline uint8_t ClampByte(int acc) {
  const int v = (acc + kRound) >> kWeightBits;
  return uint8_t(v < 0 ? 0 : v > 255 ? 255 : v);
}

// Rows sw -> dw (sh rows). Returns false when cancelled.
template <int kChannels>
bool HorizontalPass(const uint8_t* src, int sw, int sh, uint8_t* dst, int dw, const std::vector<Contribution>& list,
                    const ResampleProgress& progress) {
  for (int y = 0; y < sh; ++y) {
    const uint8_t* s = src + size_t(y) * size_t(sw) * kChannels;
    uint8_t* d = dst + size_t(y) * size_t(dw) * kChannels;
    for (int x = 0; x < dw; ++x, d += kChannels) {
      const Contribution& c = list[size_t(x)];
      int acc[kChannels] = {};
      const uint8_t* p = s + size_t(c.first) * kChannels;
      for (const int w : c.weight) {
        for (int k = 0; k < kChannels; ++k) acc[k] += p[k] * w;
        p += kChannels;
      }
      for (int k = 0; k < kChannels; ++k) d[k] = ClampByte(acc[k]);
    }
    if (progress && (y & 63) == 0 && !progress(int(int64_t(y) * 50 / sh))) return false;
  }
  return true;
}

// Columns sh -> dh of rows that are rowBytes long, one output row at a time so that
// every read walks a whole source row.
bool VerticalPass(const uint8_t* src, size_t rowBytes, uint8_t* dst, int dh, const std::vector<Contribution>& list,
                  const ResampleProgress& progress) {
  std::vector<int> acc(rowBytes);
  for (int y = 0; y < dh; ++y) {
    const Contribution& c = list[size_t(y)];
    std::fill(acc.begin(), acc.end(), 0);
    int* a = acc.data();
    for (size_t k = 0; k < c.weight.size(); ++k) {
      const uint8_t* s = src + size_t(c.first + int(k)) * rowBytes;
      const int w = c.weight[k];
      for (size_t i = 0; i < rowBytes; ++i) a[i] += s[i] * w;
    }
    uint8_t* d = dst + size_t(y) * rowBytes;
    for (size_t i = 0; i < rowBytes; ++i) d[i] = ClampByte(a[i]);
    if (progress && (y & 63) == 0 && !progress(50 + int(int64_t(y) * 50 / dh))) return false;
  }
  return true;
}

bool RunHorizontal(const uint8_t* src, int sw, int sh, int channels, uint8_t* dst, int dw,
                   const std::vector<Contribution>& list, const ResampleProgress& progress) {
  switch (channels) {
    case 1: return HorizontalPass<1>(src, sw, sh, dst, dw, list, progress);
    case 2: return HorizontalPass<2>(src, sw, sh, dst, dw, list, progress);
    case 3: return HorizontalPass<3>(src, sw, sh, dst, dw, list, progress);
    default: return HorizontalPass<4>(src, sw, sh, dst, dw, list, progress);
  }
}

// Keys' cubic weights of the four pixels around the source position t (in pixels).
struct CubicTaps {
  int first;
  double w[4];
};

CubicTaps Taps(double t) {
  CubicTaps taps;
  const int base = int(std::floor(t));
  taps.first = base - 1;
  for (int k = 0; k < 4; ++k) taps.w[k] = FilterKernel(ResampleFilter::kBicubic, t - (base - 1 + k));
  return taps;
}

std::vector<uint8_t> Bicubic(const uint8_t* src, int sw, int sh, int channels, int dw, int dh,
                             const ResampleProgress& progress) {
  std::vector<CubicTaps> xs(size_t(dw) > 0 ? size_t(dw) : 0);
  for (int x = 0; x < dw; ++x) xs[size_t(x)] = Taps((x + 0.5) * sw / dw - 0.5);
  std::vector<uint8_t> out(size_t(dw) * size_t(dh) * size_t(channels));
  const size_t rowBytes = size_t(sw) * size_t(channels);
  for (int y = 0; y < dh; ++y) {
    const CubicTaps ty = Taps((y + 0.5) * sh / dh - 0.5);
    const uint8_t* rows[4];
    for (int k = 0; k < 4; ++k) rows[k] = src + size_t(std::clamp(ty.first + k, 0, sh - 1)) * rowBytes;
    uint8_t* d = out.data() + size_t(y) * size_t(dw) * size_t(channels);
    for (int x = 0; x < dw; ++x) {
      const CubicTaps& tx = xs[size_t(x)];
      int cols[4];
      for (int k = 0; k < 4; ++k) cols[k] = std::clamp(tx.first + k, 0, sw - 1) * channels;
      for (int ch = 0; ch < channels; ++ch) {
        double v = 0.0;
        for (int j = 0; j < 4; ++j) {
          const uint8_t* r = rows[j] + ch;
          v += ty.w[j] * (tx.w[0] * r[cols[0]] + tx.w[1] * r[cols[1]] + tx.w[2] * r[cols[2]] + tx.w[3] * r[cols[3]]);
        }
        *d++ = uint8_t(std::clamp(std::lround(v), 0L, 255L));
      }
    }
    if (progress && (y & 63) == 0 && !progress(int(int64_t(y) * 100 / dh))) return {};
  }
  return out;
}

}  // namespace

double FilterSupport(ResampleFilter filter) {
  switch (filter) {
    case ResampleFilter::kBox: return 0.5;
    case ResampleFilter::kBilinear: return 1.0;
    case ResampleFilter::kBicubic: return 2.0;
    case ResampleFilter::kHamming:
    case ResampleFilter::kBlackman: return kSincSupport;
  }
  return 1.0;
}

double FilterKernel(ResampleFilter filter, double x) {
  const double ax = std::fabs(x);
  switch (filter) {
    case ResampleFilter::kBox: return x >= -0.5 && x < 0.5 ? 1.0 : 0.0;
    case ResampleFilter::kBilinear: return ax < 1.0 ? 1.0 - ax : 0.0;
    case ResampleFilter::kBicubic:
      if (ax < 1.0) return ((kCubicA + 2.0) * ax - (kCubicA + 3.0)) * ax * ax + 1.0;
      if (ax < 2.0) return ((kCubicA * ax - 5.0 * kCubicA) * ax + 8.0 * kCubicA) * ax - 4.0 * kCubicA;
      return 0.0;
    case ResampleFilter::kHamming:
      if (ax >= kSincSupport) return 0.0;
      return Sinc(x) * (0.54 + 0.46 * std::cos(kPi * x / kSincSupport));
    case ResampleFilter::kBlackman:
      if (ax >= kSincSupport) return 0.0;
      return Sinc(x) * (0.42 + 0.5 * std::cos(kPi * x / kSincSupport) + 0.08 * std::cos(2.0 * kPi * x / kSincSupport));
  }
  return 0.0;
}

std::vector<uint8_t> Resample(const uint8_t* src, int sw, int sh, int channels, int dw, int dh,
                              ResampleFilter filter, const ResampleProgress& progress) {
  if (!src || sw < 1 || sh < 1 || dw < 1 || dh < 1 || channels < 1 || channels > 4) return {};
  if (filter == ResampleFilter::kBicubic) return Bicubic(src, sw, sh, channels, dw, dh, progress);
  std::vector<uint8_t> rows;
  const uint8_t* horizontal = src;
  if (dw != sw) {
    rows.resize(size_t(dw) * size_t(sh) * size_t(channels));
    if (!RunHorizontal(src, sw, sh, channels, rows.data(), dw, Contributions(sw, dw, filter), progress)) return {};
    horizontal = rows.data();
  }
  const size_t rowBytes = size_t(dw) * size_t(channels);
  std::vector<uint8_t> out(rowBytes * size_t(dh));
  if (dh == sh) {
    std::copy(horizontal, horizontal + out.size(), out.begin());
  } else if (!VerticalPass(horizontal, rowBytes, out.data(), dh, Contributions(sh, dh, filter), progress)) {
    return {};
  }
  if (progress && !progress(100)) return {};
  return out;
}

}  // namespace tessel
