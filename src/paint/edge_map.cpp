#include "paint/edge_map.h"

#include <algorithm>

#include "document/draw_object.h"
#include "render/coverage_mask.h"

namespace tessel {

namespace {
// Chamfer weights of a straight and a diagonal step (≈ 1 and √2, times 3).
constexpr int kStraight = 3;
constexpr int kDiagonal = 4;
constexpr int kInsideThreshold = 128;
}  // namespace

CEdgeMap BuildEdgeMap(const CCoverageMask& mask, int layerWidth, int layerHeight) {
  CEdgeMap map;
  if (layerWidth <= 0 || layerHeight <= 0 || mask.width <= 0 || mask.height <= 0) return map;
  const int w = layerWidth, h = layerHeight;
  // Distance field with a frame of outside pixels around the layer.
  const int fw = w + 2, fh = h + 2;
  const int kFar = 1 << 20;
  std::vector<int> d(size_t(fw) * size_t(fh), 0);
  for (int y = 0; y < h; ++y) {
    // Layer row y from the bottom is picture row h − 1 − y.
    const uint8_t* m = mask.Row(int(int64_t(h - 1 - y) * mask.height / h));
    int* row = &d[size_t(y + 1) * size_t(fw) + 1];
    for (int x = 0; x < w; ++x) row[x] = m[int64_t(x) * mask.width / w] >= kInsideThreshold ? kFar : 0;
  }
  auto at = [&](int x, int y) -> int& { return d[size_t(y) * size_t(fw) + size_t(x)]; };
  for (int y = 1; y < fh - 1; ++y)
    for (int x = 1; x < fw - 1; ++x) {
      int& v = at(x, y);
      if (v == 0) continue;
      v = std::min({v, at(x - 1, y) + kStraight, at(x, y - 1) + kStraight, at(x - 1, y - 1) + kDiagonal,
                    at(x + 1, y - 1) + kDiagonal});
    }
  for (int y = fh - 2; y >= 1; --y)
    for (int x = fw - 2; x >= 1; --x) {
      int& v = at(x, y);
      if (v == 0) continue;
      v = std::min({v, at(x + 1, y) + kStraight, at(x, y + 1) + kStraight, at(x + 1, y + 1) + kDiagonal,
                    at(x - 1, y + 1) + kDiagonal});
    }
  map.width = w;
  map.height = h;
  map.bytes.resize(size_t(w) * size_t(h));
  const int band = kEdgeBand * kStraight;
  for (int y = 0; y < h; ++y) {
    uint8_t* out = map.bytes.data() + size_t(y) * size_t(w);
    for (int x = 0; x < w; ++x) {
      const int dist = at(x + 1, y + 1);  // 0 outside
      out[x] = uint8_t(dist >= band ? 0 : 255 * (band - dist) / band);
    }
  }
  return map;
}

CEdgeMap BuildObjectEdgeMap(CDrawObject& object, int layerWidth, int layerHeight) {
  CCoverageMask mask;
  PrepareCoverageMask(object, mask);
  return BuildEdgeMap(mask, layerWidth, layerHeight);
}

}  // namespace tessel
