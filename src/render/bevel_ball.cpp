// "3D Ball": the object is shaded as a sphere lit from the object's light direction.
//
// Normal: nx = (x − w/2) / (w/2 − 10 · scale), ny = (y − h/2) / (h/2 − 10 · scale)
// (integer halves, y downwards), nz = √(max(0, 1 − nx² − ny²)); beyond the rim the
// normal lies flat, pointing outwards. With L the unit light direction (m_lightDir,
// y downwards) and the viewer straight above:
//   value = 32 + 192 · max(0, N · L) + strength · max(0, R_z)^exponent
//   R_z = 2 (N · L) nz − L_z (the z of the light reflected about N)
//   exponent = max(1, 35 − bevel width / 30 · 35), strength = bevel depth / 100 · 255.
// A flat face towards the viewer and a light at the default elevation stays close to 128,
// so the colour keeps its tone in the middle, brightens towards the light and darkens
// on the far side. Blue, green and red each change by value − 128.
// The mask then becomes the sphere's height, trunc(255 · nz), for the later steps.
#include <algorithm>
#include <cmath>

#include "document/draw_object.h"
#include "render/bevel_kinds.h"
#include "render/coverage_mask.h"
#include "render/pixel_math.h"

namespace tessel {

namespace {

constexpr int kRimInset = 10;  // the sphere reaches 10 pixels (times the scale) from the edges
constexpr double kAmbient = 32.0;
constexpr double kDiffuse = 192.0;
constexpr int kMidGrey = 128;
constexpr double kMaxExponent = 35.0;
constexpr double kWidthForFlatHighlight = 30.0;
// The default light of a new object, used when m_lightDir has no length.
constexpr double kDefaultLight[3] = {-0.6476, -0.52906, 0.54827};

struct CVec3 {
  double x, y, z;
};

CVec3 UnitLight(const CDrawObject& o) {
  CVec3 l{o.m_lightDir[0], o.m_lightDir[1], o.m_lightDir[2]};
  double len = std::sqrt(l.x * l.x + l.y * l.y + l.z * l.z);
  if (!(len > 1e-6) || !std::isfinite(len)) {
    l = {kDefaultLight[0], kDefaultLight[1], kDefaultLight[2]};
    len = std::sqrt(l.x * l.x + l.y * l.y + l.z * l.z);
  }
  return {l.x / len, l.y / len, l.z / len};
}

}  // namespace

bool BallBevel(CDrawObject& o, CCoverageMask& mask) {
  const int w = o.m_width, h = o.m_height;
  const int scale = std::max(1, o.m_renderScale);
  const int hw = w / 2, hh = h / 2;
  // A box too small for the inset still gets a sphere of at least one pixel's radius.
  const double rx = std::max(1, hw - kRimInset * scale), ry = std::max(1, hh - kRimInset * scale);
  const CVec3 light = UnitLight(o);
  const double exponent = std::max(1.0, kMaxExponent - o.m_bevelWidth / kWidthForFlatHighlight * kMaxExponent);
  const double strength = o.m_bevelParam1 / 100.0 * 255.0;
  for (int y = 0; y < h; ++y) {
    uint8_t* p = o.m_bitmap.RowFromTop(y);
    uint8_t* m = mask.Row(y);
    const double ny0 = (y - hh) / ry;
    for (int x = 0; x < w; ++x, p += 4) {
      double nx = (x - hw) / rx, ny = ny0;
      const double r2 = nx * nx + ny * ny;
      const double nz = std::sqrt(std::max(0.0, 1.0 - r2));
      if (r2 > 1.0) {
        const double r = std::sqrt(r2);
        nx /= r, ny /= r;
      }
      const double nl = nx * light.x + ny * light.y + nz * light.z;
      const double rz = 2.0 * nl * nz - light.z;
      double value = kAmbient + kDiffuse * std::max(0.0, nl);
      if (rz > 0.0) value += strength * std::pow(rz, exponent);
      const int k = px::Trunc(std::min(value, 1024.0)) - kMidGrey;
      p[px::kBlue] = uint8_t(px::Clamp255(p[px::kBlue] + k));
      p[px::kGreen] = uint8_t(px::Clamp255(p[px::kGreen] + k));
      p[px::kRed] = uint8_t(px::Clamp255(p[px::kRed] + k));
      m[x] = uint8_t(px::Trunc(255.0 * nz));
    }
  }
  return true;
}

}  // namespace tessel
