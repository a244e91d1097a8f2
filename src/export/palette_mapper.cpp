// Mapping pixels to their nearest palette colour (squared RGB distance). The colour
// cube is split into 32 x 32 x 32 cells; the first pixel that falls into a cell builds
// the cell's candidate list: the palette colours that can be nearest to some point of
// the cell (those whose least distance to the cell is within the smallest greatest
// distance of any colour). Every search is then exact over a handful of candidates,
// and its answer is kept in a small memo of recent colours.
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "export/colour_quantizer.h"

namespace tessel {

namespace {

constexpr int kCellBits = 5;
constexpr int kCellsPerSide = 1 << kCellBits;
constexpr int kCellShift = 8 - kCellBits;
constexpr int kCellSize = 1 << kCellShift;
constexpr int kMaxPaletteSize = 256;

class CNearestColour {
 public:
  explicit CNearestColour(const CPalette& palette) : m_cells(size_t(kCellsPerSide) * kCellsPerSide * kCellsPerSide) {
    for (int i = 0; i < palette.Count() && i < kMaxPaletteSize; ++i) {
      const uint8_t* e = &palette.entries[size_t(i) * 4];
      m_colours.push_back({e[2], e[1], e[0]});
    }
  }

  // Index of the palette colour nearest to (r, g, b), each 0..255.
  int Find(int r, int g, int b) {
    // Pictures repeat their colours: a small direct-mapped memo of exact answers first.
    const uint32_t key = uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
    const size_t slot = (key * 2654435761u) >> (32 - kMemoBits);
    if (m_memoKeys[slot] == key) return m_memoValues[slot];
    const int found = Search(r, g, b);
    m_memoKeys[slot] = key;
    m_memoValues[slot] = uint8_t(found);
    return found;
  }

 private:
  static constexpr int kMemoBits = 16;

  int Search(int r, int g, int b) {
    Cell& cell = m_cells[size_t(((r >> kCellShift) * kCellsPerSide + (g >> kCellShift)) * kCellsPerSide +
                                (b >> kCellShift))];
    if (!cell.built) Build(cell, r >> kCellShift << kCellShift, g >> kCellShift << kCellShift, b >> kCellShift << kCellShift);
    int best = cell.candidates[0], bestDist = INT_MAX;
    for (const uint8_t i : cell.candidates) {
      const Rgb& c = m_colours[i];
      const int dr = r - c.r, dg = g - c.g, db = b - c.b;
      const int d = dr * dr + dg * dg + db * db;
      if (d < bestDist) bestDist = d, best = i;
    }
    return best;
  }

  struct Rgb {
    int r, g, b;
  };
  struct Cell {
    bool built = false;
    std::vector<uint8_t> candidates;
  };

  // Squared distance from v to the interval [lo, lo + kCellSize - 1], and to its far end.
  static int Near(int v, int lo) {
    const int hi = lo + kCellSize - 1;
    const int d = v < lo ? lo - v : v > hi ? v - hi : 0;
    return d * d;
  }
  static int Far(int v, int lo) {
    const int d = std::max(std::abs(v - lo), std::abs(v - (lo + kCellSize - 1)));
    return d * d;
  }

  void Build(Cell& cell, int r0, int g0, int b0) {
    int bound = INT_MAX;
    for (const Rgb& c : m_colours) bound = std::min(bound, Far(c.r, r0) + Far(c.g, g0) + Far(c.b, b0));
    for (size_t i = 0; i < m_colours.size(); ++i) {
      const Rgb& c = m_colours[i];
      if (Near(c.r, r0) + Near(c.g, g0) + Near(c.b, b0) <= bound) cell.candidates.push_back(uint8_t(i));
    }
    cell.built = true;
  }

  std::vector<Rgb> m_colours;
  std::vector<Cell> m_cells;
  // Keys start out of range (no colour is above 0xFFFFFF), so no slot matches at first.
  std::vector<uint32_t> m_memoKeys = std::vector<uint32_t>(size_t(1) << kMemoBits, 0xFFFFFFFFu);
  std::vector<uint8_t> m_memoValues = std::vector<uint8_t>(size_t(1) << kMemoBits, 0);
};

inline int Clamp255(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }

void MapPlain(const uint8_t* rgb, size_t count, CNearestColour& nearest, uint8_t* out) {
  for (size_t i = 0; i < count; ++i, rgb += 3) out[i] = uint8_t(nearest.Find(rgb[0], rgb[1], rgb[2]));
}

// Error diffusion over rows with errors kept in sixteenths. Floyd-Steinberg runs
// serpentine (7 ahead; 3, 5, 1 below behind, under and ahead); the plain error
// diffusion goes left to right and hands 8/16 ahead and 8/16 below.
void MapDithered(const uint8_t* rgb, int width, int height, const CPalette& palette, CNearestColour& nearest,
                 bool floydSteinberg, uint8_t* out) {
  // Error rows with one pixel of margin at each end; three channels per pixel.
  std::vector<int> current(size_t(width + 2) * 3, 0), below(size_t(width + 2) * 3, 0);
  for (int y = 0; y < height; ++y) {
    const bool reverse = floydSteinberg && (y & 1);
    const int step = reverse ? -1 : 1;
    int x = reverse ? width - 1 : 0;
    const uint8_t* row = rgb + size_t(y) * size_t(width) * 3;
    uint8_t* indices = out + size_t(y) * size_t(width);
    for (int n = 0; n < width; ++n, x += step) {
      const uint8_t* p = row + size_t(x) * 3;
      int* e = &current[size_t(x + 1) * 3];
      const int r = Clamp255(p[0] + ((e[0] + 8) >> 4)), g = Clamp255(p[1] + ((e[1] + 8) >> 4)),
                b = Clamp255(p[2] + ((e[2] + 8) >> 4));
      const int index = nearest.Find(r, g, b);
      indices[x] = uint8_t(index);
      const uint8_t* c = &palette.entries[size_t(index) * 4];
      const int err[3] = {r - c[2], g - c[1], b - c[0]};
      int* ahead = e + step * 3;
      int* under = &below[size_t(x + 1) * 3];
      for (int k = 0; k < 3; ++k) {
        if (floydSteinberg) {
          ahead[k] += err[k] * 7;
          under[k - step * 3] += err[k] * 3;
          under[k] += err[k] * 5;
          under[k + step * 3] += err[k];
        } else {
          ahead[k] += err[k] * 8;
          under[k] += err[k] * 8;
        }
      }
    }
    std::swap(current, below);
    std::fill(below.begin(), below.end(), 0);
  }
}

}  // namespace

std::vector<uint8_t> MapToPalette(const uint8_t* rgb, int width, int height, const CPalette& palette,
                                  DitherMode dither) {
  if (!rgb || width < 1 || height < 1 || palette.Count() < 1) return {};
  std::vector<uint8_t> out(size_t(width) * size_t(height));
  CNearestColour nearest(palette);
  if (dither == DitherMode::kNone) MapPlain(rgb, out.size(), nearest, out.data());
  else MapDithered(rgb, width, height, palette, nearest, dither == DitherMode::kFloydSteinberg, out.data());
  return out;
}

bool ReduceColours(const uint8_t* rgb, int width, int height, int colours, DitherMode dither, CPalette& palette,
                   std::vector<uint8_t>& indices) {
  if (!rgb || width < 1 || height < 1) return false;
  CPalette chosen = ChoosePalette(rgb, size_t(width) * size_t(height), colours);
  std::vector<uint8_t> mapped = MapToPalette(rgb, width, height, chosen, dither);
  if (mapped.empty()) return false;
  palette = std::move(chosen);
  indices = std::move(mapped);
  return true;
}

}  // namespace tessel
