#include "render/perspective.h"

#include <algorithm>
#include <cmath>

#include "base/dib_section.h"
#include "render/coverage_mask.h"

namespace tessel {

CPerspectiveMap::CPerspectiveMap(const std::array<CPointD, 4>& p) {
  const double x0 = p[0].x, y0 = p[0].y, x1 = p[1].x, y1 = p[1].y;
  const double x2 = p[2].x, y2 = p[2].y, x3 = p[3].x, y3 = p[3].y;
  const double sx = x0 - x1 + x3 - x2, sy = y0 - y1 + y3 - y2;
  if (sx == 0.0 && sy == 0.0) {
    a = x1 - x0, b = x3 - x1, c = x0;
    d = y1 - y0, e = y3 - y1, f = y0;
    g = h = 0.0;
    return;
  }
  double den = (x1 - x3) * (y2 - y3) - (x2 - x3) * (y1 - y3);
  if (den == 0.0) den = 1.0;
  g = (sx * (y2 - y3) - sy * (x2 - x3)) / den;
  h = (sy * (x1 - x3) - sx * (y1 - y3)) / den;
  a = x1 - x0 + g * x1, b = x2 - x0 + h * x2, c = x0;
  d = y1 - y0 + g * y1, e = y2 - y0 + h * y2, f = y0;
}

CPerspectiveMap CPerspectiveMap::FromBoxUnits(const std::array<float, 4>& px, const std::array<float, 4>& py,
                                              int width, int height) {
  std::array<CPointD, 4> corners;
  for (int i = 0; i < 4; ++i) corners[size_t(i)] = {double(px[size_t(i)]) * width, double(py[size_t(i)]) * height};
  return CPerspectiveMap(corners);
}

CPointD CPerspectiveMap::Map(double u, double v) const {
  const double w = g * u + h * v + 1.0;
  return {(a * u + b * v + c) / w, (d * u + e * v + f) / w};
}

bool CPerspectiveMap::Unmap(double x, double y, double* u, double* v) const {
  // Solve (a - g x) u + (b - h x) v = x - c and (d - g y) u + (e - h y) v = y - f.
  const double m00 = a - g * x, m01 = b - h * x, m10 = d - g * y, m11 = e - h * y;
  const double det = m00 * m11 - m01 * m10;
  if (std::fabs(det) < 1e-12) return false;
  const double r0 = x - c, r1 = y - f;
  *u = (r0 * m11 - m01 * r1) / det;
  *v = (m00 * r1 - r0 * m10) / det;
  return g * *u + h * *v + 1.0 > 0.0;  // behind the vanishing line nothing maps here
}

CRect CPerspectiveMap::Extent() const {
  double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
  for (const auto& [u, v] : {std::pair{0.0, 0.0}, {1.0, 0.0}, {0.0, 1.0}, {1.0, 1.0}}) {
    const CPointD p = Map(u, v);
    minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
  }
  return {int(std::floor(minX)), int(std::floor(minY)), int(std::ceil(maxX)), int(std::ceil(maxY))};
}

namespace {
// Bilinear sample of a bottom-up 32-bit bitmap and a top-down mask at (sx, sy), pixel
// centres on integers, coordinates counted from the top-left.
void Sample(const CDIBSection& bmp, const CCoverageMask& mask, double sx, double sy, uint8_t* outPixel,
            uint8_t* outMask) {
  const int w = bmp.Width(), hgt = bmp.Height();
  const int x0 = int(std::floor(sx)), y0 = int(std::floor(sy));
  const double fx = sx - x0, fy = sy - y0;
  double acc[5] = {0, 0, 0, 0, 0};
  for (int j = 0; j < 2; ++j)
    for (int i = 0; i < 2; ++i) {
      const int x = std::clamp(x0 + i, 0, w - 1), y = std::clamp(y0 + j, 0, hgt - 1);
      const double wgt = (i ? fx : 1 - fx) * (j ? fy : 1 - fy);
      const uint8_t* p = bmp.RowFromTop(y) + 4 * x;
      for (int c = 0; c < 4; ++c) acc[c] += wgt * p[c];
      acc[4] += wgt * mask.At(x, y);
    }
  for (int c = 0; c < 4; ++c) outPixel[c] = uint8_t(std::clamp(acc[c] + 0.5, 0.0, 255.0));
  *outMask = uint8_t(std::clamp(acc[4] + 0.5, 0.0, 255.0));
}
}  // namespace

void WarpBitmapAndMask(const CPerspectiveMap& map, CDIBSection& bitmap, CCoverageMask& mask) {
  const int w = bitmap.Width(), hgt = bitmap.Height();
  if (bitmap.BitsPerPixel() != 32 || mask.width != w || mask.height != hgt || w < 1 || hgt < 1) return;
  CDIBSection out;
  if (!out.Create(w, hgt, 32)) return;
  CCoverageMask outMask;
  outMask.Reset(w, hgt, 0);
  for (int y = 0; y < hgt; ++y) {
    uint8_t* dst = out.RowFromTop(y);
    uint8_t* m = outMask.Row(y);
    for (int x = 0; x < w; ++x, dst += 4) {
      double u, v;
      // The destination pixel's centre, in the unit square, scaled back to the box.
      if (!map.Unmap(x + 0.5, y + 0.5, &u, &v) || u < 0 || u > 1 || v < 0 || v > 1) continue;
      Sample(bitmap, mask, u * w - 0.5, v * hgt - 0.5, dst, &m[x]);
    }
  }
  bitmap = std::move(out);
  mask = std::move(outMask);
}

}  // namespace tessel
