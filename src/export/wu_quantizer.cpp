// Palette choice after Xiaolin Wu, "Efficient Statistical Computations for Optimal
// Color Quantization" (Graphics Gems II): a 32-level-per-channel histogram with its
// cumulative moments, then repeated cuts of the box whose split lowers the summed
// squared error most. Each palette colour starts at the mean of the pixels in its box
// and is then settled by a few k-means rounds over the histogram cells.
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "export/colour_quantizer.h"

namespace tessel {

namespace {

constexpr int kSide = 33;  // 32 levels per channel plus the zero row of the moments
constexpr int kShift = 3;  // 8-bit channel to 5-bit level
constexpr size_t kCells = size_t(kSide) * kSide * kSide;
constexpr int kMaxColours = 256;

inline size_t At(int r, int g, int b) { return (size_t(r) * kSide + size_t(g)) * kSide + size_t(b); }

struct Box {
  int r0, r1, g0, g1, b0, b1;  // exclusive lower, inclusive upper bounds
  int64_t Volume() const { return int64_t(r1 - r0) * (g1 - g0) * (b1 - b0); }
};

struct Moments {
  std::vector<int64_t> w, r, g, b;
  std::vector<double> m2;
  Moments() : w(kCells), r(kCells), g(kCells), b(kCells), m2(kCells) {}
};

enum Axis { kRed, kGreen, kBlue };

// Sum of a table over the box by inclusion-exclusion of the cumulative moments.
template <class T>
T Vol(const Box& c, const std::vector<T>& m) {
  return m[At(c.r1, c.g1, c.b1)] - m[At(c.r1, c.g1, c.b0)] - m[At(c.r1, c.g0, c.b1)] + m[At(c.r1, c.g0, c.b0)] -
         m[At(c.r0, c.g1, c.b1)] + m[At(c.r0, c.g1, c.b0)] + m[At(c.r0, c.g0, c.b1)] - m[At(c.r0, c.g0, c.b0)];
}

// The part of Vol that does not depend on the box's upper bound along the axis...
int64_t Bottom(const Box& c, Axis a, const std::vector<int64_t>& m) {
  switch (a) {
    case kRed: return -m[At(c.r0, c.g1, c.b1)] + m[At(c.r0, c.g1, c.b0)] + m[At(c.r0, c.g0, c.b1)] - m[At(c.r0, c.g0, c.b0)];
    case kGreen: return -m[At(c.r1, c.g0, c.b1)] + m[At(c.r1, c.g0, c.b0)] + m[At(c.r0, c.g0, c.b1)] - m[At(c.r0, c.g0, c.b0)];
    default: return -m[At(c.r1, c.g1, c.b0)] + m[At(c.r1, c.g0, c.b0)] + m[At(c.r0, c.g1, c.b0)] - m[At(c.r0, c.g0, c.b0)];
  }
}

// ... and the part with the upper bound along the axis set to pos.
int64_t Top(const Box& c, Axis a, int pos, const std::vector<int64_t>& m) {
  switch (a) {
    case kRed: return m[At(pos, c.g1, c.b1)] - m[At(pos, c.g1, c.b0)] - m[At(pos, c.g0, c.b1)] + m[At(pos, c.g0, c.b0)];
    case kGreen: return m[At(c.r1, pos, c.b1)] - m[At(c.r1, pos, c.b0)] - m[At(c.r0, pos, c.b1)] + m[At(c.r0, pos, c.b0)];
    default: return m[At(c.r1, c.g1, pos)] - m[At(c.r1, c.g0, pos)] - m[At(c.r0, c.g1, pos)] + m[At(c.r0, c.g0, pos)];
  }
}

// Summed squared distance of the box's pixels to their mean (times nothing: the raw
// variance of Wu's paper).
double Variance(const Box& c, const Moments& m) {
  const double dr = double(Vol(c, m.r)), dg = double(Vol(c, m.g)), db = double(Vol(c, m.b));
  const double w = double(Vol(c, m.w));
  if (w <= 0) return 0.0;
  return Vol(c, m.m2) - (dr * dr + dg * dg + db * db) / w;
}

// Best cut position along the axis and the value it maximises (the between-class sum
// of squares); cut -1 when no cut leaves both halves non-empty.
double Maximize(const Box& c, Axis a, int first, int last, int* cut, const int64_t whole[4], const Moments& m) {
  const int64_t baseR = Bottom(c, a, m.r), baseG = Bottom(c, a, m.g), baseB = Bottom(c, a, m.b);
  const int64_t baseW = Bottom(c, a, m.w);
  double best = 0.0;
  *cut = -1;
  for (int i = first; i < last; ++i) {
    const double hr = double(baseR + Top(c, a, i, m.r)), hg = double(baseG + Top(c, a, i, m.g));
    const double hb = double(baseB + Top(c, a, i, m.b)), hw = double(baseW + Top(c, a, i, m.w));
    if (hw == 0) continue;
    double t = (hr * hr + hg * hg + hb * hb) / hw;
    const double rr = double(whole[0]) - hr, rg = double(whole[1]) - hg, rb = double(whole[2]) - hb;
    const double rw = double(whole[3]) - hw;
    if (rw == 0) continue;
    t += (rr * rr + rg * rg + rb * rb) / rw;
    if (t > best) {
      best = t;
      *cut = i;
    }
  }
  return best;
}

bool Cut(Box& a, Box& b, const Moments& m) {
  const int64_t whole[4] = {Vol(a, m.r), Vol(a, m.g), Vol(a, m.b), Vol(a, m.w)};
  int cutR, cutG, cutB;
  const double maxR = Maximize(a, kRed, a.r0 + 1, a.r1, &cutR, whole, m);
  const double maxG = Maximize(a, kGreen, a.g0 + 1, a.g1, &cutG, whole, m);
  const double maxB = Maximize(a, kBlue, a.b0 + 1, a.b1, &cutB, whole, m);
  Axis dir;
  if (maxR >= maxG && maxR >= maxB) {
    if (cutR < 0) return false;
    dir = kRed;
  } else {
    dir = maxG >= maxB ? kGreen : kBlue;
  }
  b = a;
  switch (dir) {
    case kRed: b.r0 = a.r1 = cutR; break;
    case kGreen: b.g0 = a.g1 = cutG; break;
    case kBlue: b.b0 = a.b1 = cutB; break;
  }
  return true;
}

// The per-cell pixel count and channel sums before they become cumulative.
struct Cell {
  int64_t w, r, g, b;
};

void BuildMoments(const uint8_t* rgb, size_t count, Moments& m, std::vector<Cell>* cells) {
  for (size_t i = 0; i < count; ++i, rgb += 3) {
    const size_t k = At((rgb[0] >> kShift) + 1, (rgb[1] >> kShift) + 1, (rgb[2] >> kShift) + 1);
    const int r = rgb[0], g = rgb[1], b = rgb[2];
    ++m.w[k];
    m.r[k] += r;
    m.g[k] += g;
    m.b[k] += b;
    m.m2[k] += double(r * r + g * g + b * b);
  }
  for (size_t k = 0; k < kCells; ++k)
    if (m.w[k] > 0) cells->push_back({m.w[k], m.r[k], m.g[k], m.b[k]});
  // Cumulative sums over the three axes, one axis at a time.
  for (int r = 1; r < kSide; ++r)
    for (int g = 1; g < kSide; ++g)
      for (int b = 1; b < kSide; ++b) {
        const size_t k = At(r, g, b), kb = At(r, g, b - 1);
        m.w[k] += m.w[kb], m.r[k] += m.r[kb], m.g[k] += m.g[kb], m.b[k] += m.b[kb], m.m2[k] += m.m2[kb];
      }
  for (int r = 1; r < kSide; ++r)
    for (int g = 1; g < kSide; ++g)
      for (int b = 1; b < kSide; ++b) {
        const size_t k = At(r, g, b), kg = At(r, g - 1, b);
        m.w[k] += m.w[kg], m.r[k] += m.r[kg], m.g[k] += m.g[kg], m.b[k] += m.b[kg], m.m2[k] += m.m2[kg];
      }
  for (int r = 1; r < kSide; ++r)
    for (int g = 1; g < kSide; ++g)
      for (int b = 1; b < kSide; ++b) {
        const size_t k = At(r, g, b), kr = At(r - 1, g, b);
        m.w[k] += m.w[kr], m.r[k] += m.r[kr], m.g[k] += m.g[kr], m.b[k] += m.b[kr], m.m2[k] += m.m2[kr];
      }
}

// The image's own colours when there are at most `colours` of them.
bool ExactPalette(const uint8_t* rgb, size_t count, int colours, CPalette& out) {
  std::vector<uint64_t> seen(size_t(1) << 18);  // one bit per 24-bit colour
  out.entries.clear();
  for (size_t i = 0; i < count; ++i, rgb += 3) {
    const uint32_t key = uint32_t(rgb[0]) << 16 | uint32_t(rgb[1]) << 8 | rgb[2];
    uint64_t& word = seen[key >> 6];
    const uint64_t bit = uint64_t(1) << (key & 63);
    if (word & bit) continue;
    if (out.Count() == colours) return false;
    word |= bit;
    out.entries.insert(out.entries.end(), {rgb[2], rgb[1], rgb[0], 0});
  }
  return true;
}

// A few rounds of k-means over the histogram cells (each cell at its pixels' mean,
// weighted by its count): every cell goes to its nearest palette colour, then every
// colour moves to the mean of its cells. Wu's cuts are axis-aligned; this lets the
// colours settle where the pixels are and lowers the error further.
void Refine(const std::vector<Cell>& cells, std::vector<std::array<double, 3>>& colours) {
  constexpr int kRounds = 3;
  std::vector<std::array<double, 4>> sums(colours.size());
  for (int round = 0; round < kRounds; ++round) {
    std::fill(sums.begin(), sums.end(), std::array<double, 4>{0, 0, 0, 0});
    for (const Cell& c : cells) {
      const double w = double(c.w), r = c.r / w, g = c.g / w, b = c.b / w;
      size_t best = 0;
      double bestDist = 1e30;
      for (size_t i = 0; i < colours.size(); ++i) {
        const double dr = r - colours[i][0], dg = g - colours[i][1], db = b - colours[i][2];
        const double d = dr * dr + dg * dg + db * db;
        if (d < bestDist) bestDist = d, best = i;
      }
      sums[best][0] += double(c.r), sums[best][1] += double(c.g), sums[best][2] += double(c.b), sums[best][3] += w;
    }
    for (size_t i = 0; i < colours.size(); ++i)
      if (sums[i][3] > 0)
        for (int k = 0; k < 3; ++k) colours[i][size_t(k)] = sums[i][size_t(k)] / sums[i][3];
  }
}

}  // namespace

void CPalette::PadTo(int count) {
  if (Count() < count) entries.resize(size_t(count) * 4, 0);
}

CPalette ChoosePalette(const uint8_t* rgb, size_t count, int colours) {
  colours = std::clamp(colours, 1, kMaxColours);
  CPalette palette;
  if (!rgb || count == 0) return palette;
  if (ExactPalette(rgb, count, colours, palette)) return palette;
  palette.entries.clear();

  auto moments = std::make_unique<Moments>();
  std::vector<Cell> cells;
  BuildMoments(rgb, count, *moments, &cells);
  std::vector<Box> boxes(static_cast<size_t>(colours));
  std::vector<double> variance(static_cast<size_t>(colours), 0.0);
  boxes[0] = {0, kSide - 1, 0, kSide - 1, 0, kSide - 1};
  int n = 1;
  int next = 0;
  while (n < colours) {
    if (Cut(boxes[size_t(next)], boxes[size_t(n)], *moments)) {
      variance[size_t(next)] = boxes[size_t(next)].Volume() > 1 ? Variance(boxes[size_t(next)], *moments) : 0.0;
      variance[size_t(n)] = boxes[size_t(n)].Volume() > 1 ? Variance(boxes[size_t(n)], *moments) : 0.0;
      ++n;
    } else {
      variance[size_t(next)] = 0.0;  // this box cannot be split further
    }
    next = 0;
    for (int i = 1; i < n; ++i)
      if (variance[size_t(i)] > variance[size_t(next)]) next = i;
    if (variance[size_t(next)] <= 0.0) break;
  }
  std::vector<std::array<double, 3>> means;
  for (int i = 0; i < n; ++i) {
    const Box& c = boxes[size_t(i)];
    const double w = double(Vol(c, moments->w));
    if (w > 0) means.push_back({Vol(c, moments->r) / w, Vol(c, moments->g) / w, Vol(c, moments->b) / w});
  }
  Refine(cells, means);
  for (const auto& c : means) {
    auto byte = [](double v) { return uint8_t(std::clamp(std::lround(v), 0L, 255L)); };
    palette.entries.insert(palette.entries.end(), {byte(c[2]), byte(c[1]), byte(c[0]), 0});
  }
  return palette;
}

}  // namespace tessel
