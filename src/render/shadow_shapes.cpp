#include "render/shadow_shapes.h"

#include <algorithm>
#include <cmath>

#include "base/dib_section.h"
#include "render/coverage_mask.h"
#include "render/pixel_math.h"

namespace tessel {

namespace {
constexpr int kSunSqueeze = 4;  // box rows per sun-shadow row
// The drop gradient keeps full strength over the back half of the box and fades over
// the front half, the part that shows beside the object.
constexpr double kFadeSteepness = 2.0;

// The columns of a box row that land inside the work alpha: box x in [x0, x1).
struct CColumns {
  int x0 = 0;
  int x1 = 0;
};
CColumns ColumnsInside(int boxWidth, int left, int workWidth) {
  return {std::max(0, -left), std::min(boxWidth, workWidth - left)};
}
}  // namespace

void CopyScaledAlpha(const CDIBSection& object, int margin, int opacity, CCoverageMask& work) {
  const CColumns cols = ColumnsInside(object.Width(), margin, work.width);
  for (int y = 0; y < object.Height(); ++y) {
    const int wy = y + margin;
    if (wy < 0 || wy >= work.height) continue;
    const uint8_t* a = object.RowFromTop(y) + px::kAlpha;
    uint8_t* out = work.Row(wy) + margin;
    for (int x = cols.x0; x < cols.x1; ++x) out[x] = uint8_t((a[4 * x] * opacity) >> 8);
  }
}

void CopySunShadowAlpha(const CDIBSection& object, int margin, int opacity, int lower, CCoverageMask& work) {
  const int w = object.Width(), h = object.Height();
  const CColumns cols = ColumnsInside(w, margin, work.width);
  // Row t counted from the bottom of the squeezed shadow stands for box rows
  // h − 1 − 4t − k, k = 0..3, and lands on work row margin + h − 1 − t + lower.
  for (int t = 0; kSunSqueeze * t < h; ++t) {
    const int wy = margin + h - 1 - t + lower;
    if (wy < 0 || wy >= work.height) continue;
    const int y1 = h - 1 - kSunSqueeze * t, y0 = std::max(0, y1 - kSunSqueeze + 1);
    const int rows = y1 - y0 + 1;
    uint8_t* out = work.Row(wy) + margin;
    for (int x = cols.x0; x < cols.x1; ++x) {
      int sum = 0;
      for (int y = y0; y <= y1; ++y) sum += object.RowFromTop(y)[4 * x + px::kAlpha];
      out[x] = uint8_t((sum / rows * opacity) >> 8);
    }
  }
}

void FadeAlongAngle(CCoverageMask& work, int margin, int boxWidth, int boxHeight, int angle) {
  const double a = angle * kDegToRad, c = std::cos(a), s = std::sin(a);
  const double span = std::fabs(boxWidth * c) + std::fabs(boxHeight * s);
  const double inv = span > 0.0 ? 1.0 / span : 0.0;
  const double cx = margin + boxWidth * 0.5, cy = margin + boxHeight * 0.5;
  for (int y = 0; y < work.height; ++y) {
    uint8_t* row = work.Row(y);
    const double fy = (y + 0.5 - cy) * s;
    for (int x = 0; x < work.width; ++x) {
      if (row[x] == 0) continue;
      const double p = std::clamp(((x + 0.5 - cx) * c + fy) * inv + 0.5, 0.0, 1.0);
      row[x] = uint8_t(row[x] * std::min(1.0, kFadeSteepness * (1.0 - p)));
    }
  }
}

void RemoveUnderObject(CCoverageMask& work, const CCoverageMask& mask, int left, int top) {
  const CColumns cols = ColumnsInside(mask.width, left, work.width);
  for (int y = 0; y < mask.height; ++y) {
    const int wy = y + top;
    if (wy < 0 || wy >= work.height) continue;
    const uint8_t* m = mask.Row(y);
    uint8_t* out = work.Row(wy) + left;
    for (int x = cols.x0; x < cols.x1; ++x)
      if (m[x] > 0) out[x] = uint8_t(((255 - m[x]) * out[x]) >> 8);
  }
}

void WorkToAlpha(const CCoverageMask& work, CDIBSection& shadow) {
  if (shadow.Width() != work.width || shadow.Height() != work.height || shadow.BitsPerPixel() != 32) return;
  for (int y = 0; y < work.height; ++y) {
    const uint8_t* a = work.Row(y);
    uint8_t* p = shadow.RowFromTop(y) + px::kAlpha;
    for (int x = 0; x < work.width; ++x) p[4 * x] = a[x];
  }
}

}  // namespace tessel
