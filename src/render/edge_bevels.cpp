#include "render/edge_bevels.h"

#include <algorithm>
#include <vector>

#include "document/draw_object.h"
#include "render/coverage_mask.h"
#include "render/height_field.h"
#include "render/pixel_math.h"

namespace tessel {

namespace {
constexpr double kThird = 0.3333333333333333;
constexpr double kMinFeatherRadius = 1.0;
constexpr double kHalfPercent = 0.005;  // (100 − depth) per cent of the mask, halved
constexpr int kFullFeather = 100;
constexpr int kRingMiddle = 128;
// Radii are held here; a damaged record may hold any bevel width.
constexpr double kMaxRadius = 1 << 16;

bool MaskIsBoxSized(const CCoverageMask& mask, const CDrawObject& o) {
  return mask.width == o.m_width && mask.height == o.m_height &&
         mask.bytes.size() == size_t(mask.width) * size_t(mask.height) && !mask.bytes.empty();
}
}  // namespace

bool FeatherMask(const CDrawObject& o, CCoverageMask& mask) {
  const int depth = o.m_bevelParam1;
  if (depth == 0 || !MaskIsBoxSized(mask, o)) return false;
  const double radius =
      std::min(o.m_renderScale * std::max(o.m_bevelWidth * kThird, kMinFeatherRadius), kMaxRadius);
  std::vector<uint8_t> blurred = mask.bytes;
  CHeightFieldBuilder builder;
  builder.BuildHeightField(blurred.data(), mask.width, mask.height, radius, kHeightBoth);
  if (depth == kFullFeather) {
    mask.bytes.swap(blurred);
    return true;
  }
  const double keep = double(int64_t(kFullFeather) - depth);  // exact, whatever the depth
  const size_t n = mask.bytes.size();
  uint8_t* m = mask.bytes.data();
  for (size_t i = 0; i < n; ++i)
    m[i] = uint8_t(px::Clamp255(px::Trunc(m[i] * keep * kHalfPercent + blurred[i])));
  return true;
}

void OutlineBevel(CCoverageMask& mask, double radius) {
  const int w = mask.width, h = mask.height;
  if (w < 1 || h < 1 || mask.bytes.size() != size_t(w) * size_t(h)) return;
  CHeightFieldBuilder builder;
  builder.BuildHeightField(mask.bytes.data(), w, h, std::min(radius, kMaxRadius), kHeightBoth);
  std::vector<uint8_t> mean(mask.bytes.size());
  MeanOf3x3(mask.bytes.data(), mean.data(), w, h, kHeightBoth);
  const size_t n = mean.size();
  uint8_t* c = mask.bytes.data();
  for (size_t i = 0; i < n; ++i)
    c[i] = uint8_t(px::Clamp255(mean[i] > kRingMiddle ? 511 - 2 * c[i] : 2 * c[i]));
}

}  // namespace tessel
