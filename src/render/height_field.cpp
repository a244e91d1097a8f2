// BuildHeightField: reduce (optional), blur, 3 × 3 mean with profile, enlarge back.
//
// Profiles of a mean m (3.14159 is the constant of this routine):
//   0: m          1: m − cos(m · 0.7°) · 50          2: m − sin((255 − m) · 2.82°) · 50
//   3: r / 32767 · (255 − m) + 0.5 + m − 128          4: 360 − m above 180
//   5: (315 − m) · 2 for 211..229, m − 60 from 230    8: 2m    9: sin(m · 2.82°) · 100
// each truncated and clamped to 0..255.
#include "render/height_field.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "base/dib_section.h"
#include "filters/gaussian_blur.h"
#include "filters/parallel_rows.h"
#include "render/pixel_math.h"

namespace tessel {

namespace {

constexpr double kPi = 3.14159;
constexpr double kInv32767 = 3.051850947599719e-05;
constexpr int kMinReduced = 2;

// The sum of the 3 × 3 neighbourhood of column x whose neighbours are columns l and r,
// counted as the direction says.
template <int kDirection>
inline int NeighbourSum(const uint8_t* up, const uint8_t* mid, const uint8_t* down, int l, int x, int r) {
  if constexpr (kDirection == kHeightX) return 3 * (mid[l] + mid[x] + mid[r]);
  if constexpr (kDirection == kHeightY) return 3 * (up[x] + mid[x] + down[x]);
  return up[l] + up[x] + up[r] + mid[l] + mid[x] + mid[r] + down[l] + down[x] + down[r];
}

// One row of means; the two edge columns repeat themselves, the loop between them has no
// tests and vectorises.
template <int kDirection>
void MeanRow(const uint8_t* up, const uint8_t* mid, const uint8_t* down, uint8_t* out, int width) {
  const int last = width - 1;
  out[0] = uint8_t(NeighbourSum<kDirection>(up, mid, down, 0, 0, std::min(1, last)) / 9);
  for (int x = 1; x < last; ++x) out[x] = uint8_t(NeighbourSum<kDirection>(up, mid, down, x - 1, x, x + 1) / 9);
  if (last > 0) out[last] = uint8_t(NeighbourSum<kDirection>(up, mid, down, last - 1, last, last) / 9);
}

// The 3 × 3 means of rows rowBegin..rowEnd − 1.
void MeanOf3x3Rows(const uint8_t* src, uint8_t* dst, int width, int h, int direction, int rowBegin, int rowEnd) {
  const auto row = direction == kHeightX ? MeanRow<kHeightX> : direction == kHeightY ? MeanRow<kHeightY>
                                                                                      : MeanRow<kHeightBoth>;
  for (int y = rowBegin; y < rowEnd; ++y)
    row(src + size_t(std::max(y - 1, 0)) * width, src + size_t(y) * width, src + size_t(std::min(y + 1, h - 1)) * width,
        dst + size_t(y) * width, width);
}

// Block means of f × f blocks of src (w × h) into dst (rw × rh); the last block of a row
// or column takes what remains of the picture (at least one pixel).
void Reduce(const uint8_t* src, int w, int h, int f, std::vector<uint8_t>& dst, int rw, int rh) {
  dst.assign(size_t(rw) * size_t(rh), 0);
  for (int ry = 0; ry < rh; ++ry) {
    const int y0 = std::min(ry * f, h - 1);
    const int y1 = ry == rh - 1 ? h : std::min(h, y0 + f);
    uint8_t* out = dst.data() + size_t(ry) * rw;
    for (int rx = 0; rx < rw; ++rx) {
      const int x0 = std::min(rx * f, w - 1);
      const int x1 = rx == rw - 1 ? w : std::min(w, x0 + f);
      int sum = 0;
      for (int y = y0; y < y1; ++y) {
        const uint8_t* row = src + size_t(y) * w;
        for (int x = x0; x < x1; ++x) sum += row[x];
      }
      out[rx] = uint8_t(sum / ((y1 - y0) * (x1 - x0)));
    }
  }
}

// Bilinear enlargement of src (rw × rh) to dst (w × h), pixel centres aligned, in 16.16
// fixed point: position (x + 0.5) · rw / w − 0.5, clamped to the picture.
void Enlarge(const std::vector<uint8_t>& src, int rw, int rh, uint8_t* dst, int w, int h) {
  auto source = [](int i, int n, int rn, int& i0, int& i1, int& frac) {
    int64_t p = ((int64_t(2 * i + 1) * rn << 16) / (2 * int64_t(n))) - (1 << 15);
    p = std::clamp<int64_t>(p, 0, int64_t(rn - 1) << 16);
    i0 = int(p >> 16);
    i1 = std::min(i0 + 1, rn - 1);
    frac = int(p & 0xFFFF);
  };
  std::vector<int> x0(w), x1(w), fx(w);
  for (int x = 0; x < w; ++x) source(x, w, rw, x0[x], x1[x], fx[x]);
  for (int y = 0; y < h; ++y) {
    int y0, y1, fy;
    source(y, h, rh, y0, y1, fy);
    const uint8_t* a = src.data() + size_t(y0) * rw;
    const uint8_t* b = src.data() + size_t(y1) * rw;
    uint8_t* out = dst + size_t(y) * w;
    for (int x = 0; x < w; ++x) {
      const int64_t top = int64_t(a[x0[x]]) * (65536 - fx[x]) + int64_t(a[x1[x]]) * fx[x];
      const int64_t bottom = int64_t(b[x0[x]]) * (65536 - fx[x]) + int64_t(b[x1[x]]) * fx[x];
      out[x] = uint8_t((top * (65536 - fy) + bottom * fy + (int64_t(1) << 31)) >> 32);
    }
  }
}

// Blur, mean and profile of a tight plane. The mean runs in bands of rows on both cores;
// the profile is a table of the 256 means, except for the noise profile, whose random
// draws must come in pixel order.
void BlurAndProfile(CHeightFieldBuilder& b, uint8_t* plane, int w, int h, double radius, int direction) {
  const BlurAxes axes = direction == kHeightX ? BlurAxes::kHorizontal
                        : direction == kHeightY ? BlurAxes::kVertical
                                                : BlurAxes::kBoth;
  GaussianBlurPlane(CBitmapView{plane, w, w, h, 1}, radius, axes);
  std::vector<uint8_t> mean(size_t(w) * size_t(h));
  const int bands = filters::BandCount(w, h);
  filters::ForEachBand(h, bands, [&](int begin, int end) { MeanOf3x3Rows(plane, mean.data(), w, h, direction, begin, end); });
  const size_t n = mean.size();
  if (b.m_profile == CHeightFieldBuilder::kProfileNoise) {
    for (size_t i = 0; i < n; ++i) plane[i] = uint8_t(b.Profile(mean[i]));
    return;
  }
  uint8_t table[256];
  for (int m = 0; m < 256; ++m) table[m] = uint8_t(b.Profile(m));
  filters::ForEachBand(h, bands, [&](int begin, int end) {
    for (size_t i = size_t(begin) * w; i < size_t(end) * w; ++i) plane[i] = table[mean[i]];
  });
}

}  // namespace

void MeanOf3x3(const uint8_t* src, uint8_t* dst, int width, int h, int direction) {
  MeanOf3x3Rows(src, dst, width, h, direction, 0, h);
}

int CHeightFieldBuilder::Profile(int m) {
  double v;
  switch (m_profile) {
    case kProfileFlat: v = m - std::cos(m * 0.7 * kPi / 180) * 50; break;
    case kProfileFramed: v = m - std::sin((255 - m) * 2.82 * kPi / 180) * 50; break;
    case kProfileNoise: {
      const int r = int(m_random() >> 17);  // 15 bits: 0..32767
      v = r * kInv32767 * (255 - m) + 0.5 + m - 128;
      break;
    }
    case kProfileSaucer: return px::Clamp255(m > 180 ? 360 - m : m);
    case kProfileFrame:
      if (m >= 211 && m <= 229) return px::Clamp255((315 - m) * 2);
      return px::Clamp255(m >= 230 ? m - 60 : m);
    case kProfileDouble: return px::Clamp255(2 * m);
    case kProfileWave: v = std::sin(m * 2.82 * kPi / 180) * 100; break;
    default: return px::Clamp255(m);  // 0, and 6 ("Outline") which acts as 0
  }
  return px::Clamp255(px::Trunc(v));
}

void CHeightFieldBuilder::BuildHeightField(uint8_t* height, int width, int h, double radius, int direction) {
  if (!height || width < 1 || h < 1 || !(radius > 0.0)) return;
  if (m_reduction < 2) {
    BlurAndProfile(*this, height, width, h, radius, direction);
    return;
  }
  // The reduced copy is blurred with radius / factor so that the blur spans the same
  // part of the box as at full size.
  const int f = m_reduction;
  const int rw = std::max(width / f, std::min(width, kMinReduced));
  const int rh = std::max(h / f, std::min(h, kMinReduced));
  std::vector<uint8_t> reduced;
  Reduce(height, width, h, f, reduced, rw, rh);
  BlurAndProfile(*this, reduced.data(), rw, rh, radius / f, direction);
  Enlarge(reduced, rw, rh, height, width, h);
}

}  // namespace tessel
