// "3D Extrude", "3D Barel" and "3D Transp": the shape seen as a slab of depth D = bevel
// width · scale pixels, extruded away from the light, drawn inside its own mask.
//
// The front face is the mask eroded along the extrusion: front(p) = min over t = 0..D of
// mask(p + t · v), v the unit step away from the light (outside the box counts as 0), so
// that the front face swept back by D covers the mask again. Every other covered pixel is
// side wall; its depth t is the shortest step back towards the light that reaches the
// front face (front ≥ 128), or D. With u = (t + 0.5) / (D + 1) and s = depth / 100 the
// wall's brightness is
//   solid:   1 − s · (0.3 + 0.4 u)              darker towards the back
//   barrel:  1 − s · (0.7 − 0.6 sin(π u))       a rounded wall, brightest half-way back
//   glass:   as solid, and the wall's alpha falls from 0.7 to 0.25 of itself
// and a pixel mixes front (colour kept) and wall by front / 255.
#include <algorithm>
#include <cmath>
#include <vector>

#include "document/draw_object.h"
#include "render/bevel_kinds.h"
#include "render/coverage_mask.h"
#include "render/pixel_math.h"

namespace tessel {

namespace {

constexpr double kPi = 3.1415926535;
constexpr double kWallShade = 0.3;
constexpr double kWallFalloff = 0.4;
constexpr double kBarrelEnds = 0.7;
constexpr double kBarrelBulge = 0.6;
constexpr double kGlassNear = 0.7;
constexpr double kGlassFar = 0.25;
constexpr int kFrontThreshold = 128;
constexpr uint16_t kNoDepth = 0xFFFF;

struct CStep {
  int dx, dy;
};

// The distinct whole-pixel steps round(t · v) for t = 0..depth.
std::vector<CStep> StepsAlong(CPlaneDir v, int depth) {
  std::vector<CStep> steps;
  for (int t = 0; t <= depth; ++t) {
    const CStep s{int(std::lround(t * v.x)), int(std::lround(t * v.y))};
    if (steps.empty() || s.dx != steps.back().dx || s.dy != steps.back().dy) steps.push_back(s);
  }
  return steps;
}

// front(p) = min over the steps of mask(p + step), 0 outside the box.
std::vector<uint8_t> FrontFace(const CCoverageMask& mask, const std::vector<CStep>& steps) {
  const int w = mask.width, h = mask.height;
  std::vector<uint8_t> front = mask.bytes;
  for (const CStep& s : steps) {
    const int x0 = std::clamp(-s.dx, 0, w), x1 = std::clamp(w - s.dx, 0, w);
    for (int y = 0; y < h; ++y) {
      uint8_t* f = front.data() + size_t(y) * w;
      const int sy = y + s.dy;
      if (sy < 0 || sy >= h || x0 >= x1) {
        std::fill(f, f + w, uint8_t(0));
        continue;
      }
      const uint8_t* m = mask.Row(sy) + s.dx;
      std::fill(f, f + x0, uint8_t(0));
      for (int x = x0; x < x1; ++x) f[x] = std::min(f[x], m[x]);
      std::fill(f + x1, f + w, uint8_t(0));
    }
  }
  return front;
}

// For every pixel the index t of the first step back (p − step t) that lands on the
// front face, kNoDepth when none does. Steps are in order of growing t.
std::vector<uint16_t> WallDepth(const std::vector<uint8_t>& front, int w, int h, const std::vector<CStep>& steps,
                                CPlaneDir v) {
  std::vector<uint16_t> depth(front.size(), kNoDepth);
  for (const CStep& s : steps) {
    // The t of this step, recovered from its length along v.
    const uint16_t t = uint16_t(std::lround(s.dx * v.x + s.dy * v.y));
    for (int y = 0; y < h; ++y) {
      const int sy = y - s.dy;
      if (sy < 0 || sy >= h) continue;
      const uint8_t* f = front.data() + size_t(sy) * w;
      uint16_t* d = depth.data() + size_t(y) * w;
      for (int x = std::max(0, s.dx); x < std::min(w, w + s.dx); ++x)
        if (d[x] == kNoDepth && f[x - s.dx] >= kFrontThreshold) d[x] = t;
    }
  }
  return depth;
}

}  // namespace

bool ExtrudeBevel(CDrawObject& o, const CCoverageMask& mask, ExtrudeMode mode) {
  const int w = o.m_width, h = o.m_height;
  const int64_t reach = int64_t(o.m_bevelWidth) * std::max(1, o.m_renderScale);
  const int depthPx = int(std::clamp<int64_t>(reach, 0, std::min(w, h)));
  if (depthPx < 1) return true;  // no depth: the front face is the whole shape
  const CPlaneDir toLight = TowardLight(o.m_bevelParam2);
  const CPlaneDir away{-toLight.x, -toLight.y};
  const std::vector<CStep> steps = StepsAlong(away, depthPx);
  const std::vector<uint8_t> front = FrontFace(mask, steps);
  const std::vector<uint16_t> depth = WallDepth(front, w, h, steps, away);
  const double s = BevelStrength(o);
  for (int y = 0; y < h; ++y) {
    uint8_t* p = o.m_bitmap.RowFromTop(y);
    const uint8_t* m = mask.Row(y);
    const uint8_t* f = front.data() + size_t(y) * w;
    const uint16_t* d = depth.data() + size_t(y) * w;
    for (int x = 0; x < w; ++x, p += 4) {
      if (m[x] == 0 || f[x] == 255) continue;
      const double u = d[x] == kNoDepth ? 1.0 : (d[x] + 0.5) / (depthPx + 1);
      const double wall = mode == ExtrudeMode::kBarrel ? 1.0 - s * (kBarrelEnds - kBarrelBulge * std::sin(kPi * u))
                                                       : 1.0 - s * (kWallShade + kWallFalloff * u);
      const double fr = f[x] * px::kInv255;
      const double gain = fr + (1.0 - fr) * wall;
      for (int c = 0; c < 3; ++c) p[c] = uint8_t(px::TruncClamp255(p[c] * gain));
      if (mode == ExtrudeMode::kTransparent) {
        const double glass = kGlassNear - (kGlassNear - kGlassFar) * u;
        p[px::kAlpha] = uint8_t(px::TruncClamp255(p[px::kAlpha] * (fr + (1.0 - fr) * glass)));
      }
    }
  }
  return true;
}

}  // namespace tessel
