// The scale-map lenses: every output pixel samples the source at its own position
// scaled about the box centre (cx, cy) by a factor K,
//   sx = x′ · K + ox + cx · (1 − K),   sy = r′ · K + oy + cy · (1 − K),
// where K follows a curve of the distance ρ from the centre (or, for the thick lenses,
// of a smoothed copy of the object's alpha). "Upside Down" reads the pixel turned by
// half a turn; the thick lenses tile the area under them.
#include <algorithm>
#include <cmath>
#include <vector>

#include "filters/parallel_rows.h"
#include "render/height_field.h"
#include "render/lens.h"
#include "render/lens_kernels.h"

namespace tessel::lens {

namespace {

// The lens's strength b, its base factor K and the curve value D; with D > 0 every
// pixel computes its own K.
struct CScaleCurve {
  double b = 0.0;
  double k = 1.0;
  double d = 0.0;
};

CScaleCurve BaseCurve(const CLensJob& job) {
  CScaleCurve c;
  c.b = job.d * 0.03333333333333333;  // d / 30
  c.k = 1 - c.b;
  c.d = job.s;
  switch (job.kind) {
    case kLensConcave:
    case kLensUpsideDown:
      c.b = job.d * 0.05;
      c.k = 1;
      break;
    case kLensFishEye: {
      // q is the box's harmonic size; a one-pixel box would divide by zero.
      const int q = std::max(int(int64_t(job.w) * job.h / (int64_t(job.w) + job.h)), 1);
      c.b = (job.d + 1) * (1 / (q * 0.05)) * 0.125;
      c.k = c.b + 1;
      break;
    }
    case kLensCrazySphere:
      c.b = job.d * 0.1 + 2;
      c.k = c.b + 1;
      c.d = job.s * 0.06666666666666667 + 0.22;
      break;
    case kLensThickBorder:
    case kLensThickCenter:
      c.b = job.d * 0.025;
      c.k = 1;
      c.d = job.s / 15 + 0.22;
      break;
    default:
      if (c.k == 0) c.k = 0.01;  // the strongest magnifier would show a single point
      break;
  }
  return c;
}

// K of one pixel at distance rho (truncated) from the centre; ratio = ρ / R; t is the
// thickness map's value there (thick lenses only).
double PixelFactor(int kind, const CScaleCurve& c, double ratio, int t) {
  switch (kind) {
    case kLensThickBorder: return 1 - c.b * 2 * (255 - t) / 255;
    case kLensThickCenter: return 1 - c.b * 2 * t / 255;
    case kLensConcave:
    case kLensUpsideDown: return 1 - c.b * 2 * ratio;
    case kLensCrazySphere: {
      const double v = (1 - ratio) * c.d + 1, e = c.d + 1;
      return (1 - (e / (v * v)) / (e / (e * e))) * c.b + 1;
    }
    case kLensFishEye: {
      const double v = c.d * 0.5 * (1 - ratio) + 1, e = c.d * 0.5 + 1;
      return ((e / (v * v)) / (e / (e * e))) * c.b + 1;
    }
    default: return 1 - c.b * (1 - ratio);
  }
}

// The thick lenses' thickness: the object's alpha (top row first), smoothed like a
// bevel's height field with radius render scale · S · 1.5.
std::vector<uint8_t> ThicknessMap(const CLensJob& job) {
  std::vector<uint8_t> map(size_t(job.w) * size_t(job.h));
  for (int y = 0; y < job.h; ++y) {
    const uint8_t* p = job.object->RowFromTop(y) + 3;
    uint8_t* m = map.data() + size_t(y) * size_t(job.w);
    for (int x = 0; x < job.w; ++x, p += 4) m[x] = *p;
  }
  constexpr double kMaxRadius = 1 << 12;  // a damaged softness may hold anything
  const int radius = int(std::clamp(job.renderScale * job.s * 1.5, 0.0, kMaxRadius));
  CHeightFieldBuilder builder;
  builder.m_profile = CHeightFieldBuilder::kProfileSmooth;
  builder.BuildHeightField(map.data(), job.w, job.h, radius, kHeightBoth);
  return map;
}

Edge EdgeOf(int kind) {
  if (kind == kLensThickBorder || kind == kLensThickCenter) return Edge::kWrap;
  if (kind == kLensMagnify || kind == kLensUpsideDown) return Edge::kVisible;
  return Edge::kBackground;
}

}  // namespace

void ScaleMapLens(const CLensJob& job, CDIBSection& work) {
  const CScaleCurve curve = BaseCurve(job);
  const bool thick = job.kind == kLensThickBorder || job.kind == kLensThickCenter;
  const std::vector<uint8_t> thickness = thick ? ThicknessMap(job) : std::vector<uint8_t>();
  Edge edge = EdgeOf(job.kind);
  if (edge == Edge::kVisible && !job.visibleTest) edge = Edge::kBackground;
  const bool turned = job.kind == kLensUpsideDown;
  const int cx = job.w / 2, cy = job.h / 2;
  const double radius = std::sqrt(double(cx) * cx + double(cy) * cy);
  filters::ForEachBand(job.h, filters::BandCount(job.w, job.h), [&](int begin, int end) {
    for (int r = begin; r < end; ++r) {
      const uint8_t* obj = job.object->RowFromBottom(r);
      uint8_t* out = work.RowFromBottom(r);
      const uint8_t* t = thick ? thickness.data() + size_t(job.h - 1 - r) * size_t(job.w) : nullptr;
      const int dy = r - cy;
      const int rs = turned ? job.h - 1 - r : r;
      for (int x = 0; x < job.w; ++x, obj += 4, out += 4) {
        double k = curve.k;
        if (curve.d > 0) {
          const int dx = x - cx;
          const int rho = int(std::sqrt(double(dx) * dx + double(dy) * dy));
          const double ratio = radius > 0 ? rho / radius : 0.0;  // a 1 × 1 box has no radius
          k = PixelFactor(job.kind, curve, ratio, t ? t[x] : 0);
        }
        const int xs = turned ? job.w - 1 - x : x;
        const double sx = xs * k + job.ox + cx * (1 - k);
        const double sy = rs * k + job.oy + cy * (1 - k);
        uint8_t lensColour[3];
        Sample(job, sx, sy, edge, lensColour);
        Mix(lensColour, obj, job.p, false, out);
      }
    }
  });
}

}  // namespace tessel::lens
