// "Smooth+Warp": the smooth bevel whose slopes also bend the picture, as a rounded glass
// edge would. The height field is built in the mask as for "Smooth Bevel"; then every
// covered pixel takes its colour from a point moved up the slope,
//   (x, y) + (H(x+1, y) − H(x−1, y), H(x, y+1) − H(x, y−1)) / 255 · radius · depth / 100
// (bilinear, clamped to the box), so the picture seems to wrap around the rounded rim;
// finally the emboss shading lights the slopes from the bevel light angle.
#include <algorithm>
#include <cmath>

#include "document/draw_object.h"
#include "render/bevel_kinds.h"
#include "render/coverage_mask.h"
#include "render/emboss.h"
#include "render/height_field.h"
#include "render/pixel_math.h"

namespace tessel {

namespace {

constexpr double kEmbossElevation = 30.0;
constexpr int kEmbossIntensity = 255;
// A bevel of radius 0 still bends by a pixel where the mask's own edge slopes.
constexpr double kMinWarpRadius = 1.0;

// Bilinear sample of the colour channels of src (top-down rows) at (fx, fy), clamped.
void Sample(const CDIBSection& src, double fx, double fy, uint8_t* out) {
  const int w = src.Width(), h = src.Height();
  fx = std::clamp(fx, 0.0, double(w - 1));
  fy = std::clamp(fy, 0.0, double(h - 1));
  const int x0 = int(fx), y0 = int(fy);
  const int x1 = std::min(x0 + 1, w - 1), y1 = std::min(y0 + 1, h - 1);
  const double ax = fx - x0, ay = fy - y0;
  const uint8_t* a = src.RowFromTop(y0);
  const uint8_t* b = src.RowFromTop(y1);
  for (int c = 0; c < 3; ++c) {
    const double top = a[4 * x0 + c] * (1 - ax) + a[4 * x1 + c] * ax;
    const double bottom = b[4 * x0 + c] * (1 - ax) + b[4 * x1 + c] * ax;
    out[c] = uint8_t(px::TruncClamp255(top * (1 - ay) + bottom * ay + 0.5));
  }
}

void WarpBySlope(CDrawObject& o, const CCoverageMask& field, double reach) {
  const CDIBSection src = o.m_bitmap.Clone();
  const int w = field.width, h = field.height;
  for (int y = 0; y < h; ++y) {
    const uint8_t* up = field.Row(std::max(y - 1, 0));
    const uint8_t* mid = field.Row(y);
    const uint8_t* down = field.Row(std::min(y + 1, h - 1));
    uint8_t* p = o.m_bitmap.RowFromTop(y);
    const uint8_t* alpha = src.RowFromTop(y) + px::kAlpha;
    for (int x = 0; x < w; ++x, p += 4) {
      if (alpha[4 * x] == 0) continue;
      const int gx = mid[std::min(x + 1, w - 1)] - mid[std::max(x - 1, 0)];
      const int gy = down[x] - up[x];
      if (gx == 0 && gy == 0) continue;
      Sample(src, x + gx * reach, y + gy * reach, p);
    }
  }
}

}  // namespace

bool WarpBevel(CDrawObject& o, CCoverageMask& mask) {
  const int w = o.m_width, h = o.m_height;
  CHeightFieldBuilder builder;
  const int radius = BevelRadius(o);
  builder.BuildHeightField(mask.bytes.data(), w, h, radius, kHeightBoth);
  const double reach = std::max(kMinWarpRadius, double(radius)) * BevelStrength(o) * px::kInv255;
  if (reach > 0.0) WarpBySlope(o, mask, reach);
  return EmbossShade(o.m_bitmap, mask.bytes.data(), w, h, o.m_bevelParam2, kEmbossElevation, kEmbossIntensity,
                     o.m_bevelParam1, false);
}

}  // namespace tessel
