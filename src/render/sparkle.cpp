#include "render/sparkle.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "document/draw_object.h"
#include "render/pixel_math.h"

namespace tessel {

namespace {
constexpr double kBaseRay = 4.0;       // ray length at softness 0, pixels
constexpr double kRayPerSoftness = 2.0;
constexpr double kMaxRay = 512.0;
constexpr double kAreaPerGlint = 12.0; // covered pixels per glint, in ray lengths squared
constexpr int kMaxGlints = 4000;
constexpr int kTriesPerGlint = 8;      // candidates drawn per wanted glint
constexpr int kHalfOpaque = 128;

// The brightness 0..1 of a glint of ray length r at offset (dx, dy) from its centre:
// a core, two long rays along the axes and two short ones along the diagonals, each
// thinning linearly towards its tip.
double GlintAt(double dx, double dy, double r) {
  auto ray = [](double along, double across, double length) {
    const double a = 1.0 - std::fabs(along) / length;
    const double thickness = std::max(0.7, length * 0.06);
    const double b = 1.0 - std::fabs(across) / (thickness * std::max(a, 0.0) + 0.5);
    return a > 0.0 && b > 0.0 ? a * b : 0.0;
  };
  const double d1 = (dx + dy) * 0.70710678, d2 = (dx - dy) * 0.70710678;
  const double core = std::max(0.0, 1.0 - std::sqrt(dx * dx + dy * dy) / (0.22 * r));
  const double v = core + ray(dx, dy, r) + ray(dy, dx, r) + 0.6 * (ray(d1, d2, 0.55 * r) + ray(d2, d1, 0.55 * r));
  return std::min(v, 1.0);
}

void PaintGlint(CDIBSection& bitmap, double cx, double cy, double r, int strength, const int colour[3]) {
  const int reach = int(std::ceil(r));
  const int x0 = std::max(0, int(cx) - reach), x1 = std::min(bitmap.Width() - 1, int(cx) + reach);
  const int y0 = std::max(0, int(cy) - reach), y1 = std::min(bitmap.Height() - 1, int(cy) + reach);
  for (int y = y0; y <= y1; ++y) {
    uint8_t* p = bitmap.RowFromTop(y) + 4 * x0;
    for (int x = x0; x <= x1; ++x, p += 4) {
      const int s = int(GlintAt(x + 0.5 - cx, y + 0.5 - cy, r) * strength);
      if (s <= 0) continue;
      for (int i = 0; i < 3; ++i) p[i] = uint8_t(px::Mix255(p[i], colour[i], s));
      p[px::kAlpha] = uint8_t(std::max<int>(p[px::kAlpha], s));
    }
  }
}
}  // namespace

int PaintSparkles(CDrawObject& o) {
  CDIBSection& bitmap = o.m_bitmap;
  const int w = bitmap.Width(), h = bitmap.Height();
  if (bitmap.IsEmpty() || bitmap.BitsPerPixel() != 32) return 0;
  const int scale = std::max(1, o.m_renderScale);
  const double softness = std::isfinite(o.m_effectDistanceF) ? std::max(0.0, o.m_effectDistanceF) : 0.0;
  const double ray = std::min(kBaseRay + kRayPerSoftness * softness, kMaxRay);
  const int strength = std::clamp(o.m_effectParam2, 0, 255);

  // The number of glints from the covered area measured at scale 1.
  int64_t covered = 0;
  for (int y = 0; y < h; ++y) {
    const uint8_t* p = bitmap.RowFromTop(y) + px::kAlpha;
    for (int x = 0; x < w; ++x) covered += p[4 * x] >= kHalfOpaque;
  }
  covered /= int64_t(scale) * scale;
  if (covered == 0 || strength == 0) return 0;
  const int wanted = int(std::clamp<int64_t>(int64_t(covered / (kAreaPerGlint * ray * ray)), 1, kMaxGlints));

  // Candidates are drawn in box units, so positions do not depend on the render scale;
  // the alpha decides which ones land on the shape. They are all chosen before any is
  // painted, since a painted glint raises the alpha around it.
  std::mt19937 random(kSparkleSeed + uint32_t(o.m_effectParam1));
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  struct CGlint {
    double x, y, r;
  };
  std::vector<CGlint> glints;
  for (int i = 0; i < wanted * kTriesPerGlint && int(glints.size()) < wanted; ++i) {
    const double u = unit(random), v = unit(random), size = 0.5 + 0.5 * unit(random);
    const int x = std::min(int(u * w), w - 1), y = std::min(int(v * h), h - 1);
    if (bitmap.RowFromTop(y)[4 * x + px::kAlpha] >= kHalfOpaque) glints.push_back({u * w, v * h, ray * size * scale});
  }
  const int colour[3] = {int((o.m_effectColor >> 16) & 0xFF), int((o.m_effectColor >> 8) & 0xFF),
                         int(o.m_effectColor & 0xFF)};
  for (const CGlint& g : glints) PaintGlint(bitmap, g.x, g.y, g.r, strength, colour);
  return int(glints.size());
}

}  // namespace tessel
