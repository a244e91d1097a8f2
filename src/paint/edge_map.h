// The "Paint on Edge" map: one byte per layer pixel, in the layer's row order (bottom
// row first). It is 255 outside the object, high at the outline and falls to 0 a band
// of kEdgeBand pixels inside; painting limits its opacity to 255 − value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessel {

struct CCoverageMask;
class CDrawObject;

// How far inside the outline the map reaches, in pixels.
constexpr int kEdgeBand = 8;

struct CEdgeMap {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bytes;  // width × height, bottom row first

  bool IsEmpty() const { return bytes.empty(); }
  const uint8_t* RowFromBottom(int y) const { return bytes.data() + size_t(y) * size_t(width); }
};

// The map of a layer of layerWidth × layerHeight from the object's coverage mask (top
// row first; scaled by nearest pixel when its size differs). A pixel counts as inside
// when its coverage is at least 128; the value falls linearly with the chamfer distance
// to the nearest outside pixel (the area beyond the layer counts as outside).
CEdgeMap BuildEdgeMap(const CCoverageMask& mask, int layerWidth, int layerHeight);

// The map of the object's own outline (its coverage mask built for the purpose);
// a bitmap object has no outline, so its box edge serves.
CEdgeMap BuildObjectEdgeMap(CDrawObject& object, int layerWidth, int layerHeight);

}  // namespace tessel
