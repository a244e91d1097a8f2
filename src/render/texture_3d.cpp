#include "render/texture_3d.h"

#include <algorithm>
#include <cstdlib>

#include "base/dib_section.h"
#include "document/draw_object.h"
#include "render/emboss.h"
#include "render/pixel_math.h"

namespace tessel {

namespace {
constexpr double kReliefAzimuth = 135.0;
constexpr double kReliefElevation = 35.0;
constexpr int kReliefIntensity = 255;
constexpr int64_t kMaxStrength = 1 << 20;  // far beyond the 0..100 of real depths
}  // namespace

std::vector<uint8_t> LuminanceHeightField(const CDIBSection& bitmap, bool invert) {
  const int w = bitmap.Width(), h = bitmap.Height();
  std::vector<uint8_t> field(size_t(w) * size_t(h));
  if (bitmap.BitsPerPixel() != 32) return field;
  for (int y = 0; y < h; ++y) {
    const uint8_t* p = bitmap.RowFromTop(y);
    uint8_t* out = field.data() + size_t(y) * size_t(w);
    for (int x = 0; x < w; ++x, p += 4) {
      const int l = ReliefLuminance(p[px::kRed], p[px::kGreen], p[px::kBlue]);
      out[x] = uint8_t(invert ? 255 - l : l);
    }
  }
  return field;
}

bool Apply3DTexture(CDrawObject& o) {
  CDIBSection& bitmap = o.m_bitmap;
  if (bitmap.IsEmpty() || bitmap.BitsPerPixel() != 32 || bitmap.Width() != o.m_width ||
      bitmap.Height() != o.m_height)
    return false;
  const int depth = o.m_texture3DDepth;
  const std::vector<uint8_t> field = LuminanceHeightField(bitmap, depth <= kFlat3DTextureDepth);
  // In 64 bits and held below the int range, so that a damaged depth cannot overflow.
  const int strength = int(std::min<int64_t>(std::llabs(int64_t(depth) - kFlat3DTextureDepth), kMaxStrength));
  return EmbossShade(bitmap, field.data(), o.m_width, o.m_height, kReliefAzimuth, kReliefElevation,
                     kReliefIntensity, strength, false);
}

}  // namespace tessel
