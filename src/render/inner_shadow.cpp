#include "render/inner_shadow.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "document/draw_object.h"
#include "render/coverage_mask.h"
#include "render/drop_mask.h"
#include "render/height_field.h"
#include "render/pixel_math.h"

namespace tessel {

namespace {
constexpr int kMaxPad = 1 << 10;       // a damaged margin is held here
constexpr double kMaxRadius = 1 << 9;  // and a damaged blur radius here
}  // namespace

bool ApplyInnerShadow(CDrawObject& o, const CCoverageMask& mask) {
  const int w = o.m_width, h = o.m_height;
  CDIBSection& bitmap = o.m_bitmap;
  if (mask.width != w || mask.height != h || mask.bytes.size() != size_t(w) * size_t(h) || bitmap.IsEmpty() ||
      bitmap.Width() != w || bitmap.Height() != h || bitmap.BitsPerPixel() != 32)
    return false;
  const double radius = std::clamp(double(o.m_effectDistance) * o.m_renderScale, 0.0, kMaxRadius);
  // The padding by the margin lets the blur draw in the zeros around the shape at the
  // box edges. Beyond the blur's reach (its half width 2 · (radius + 2) and the 3 × 3
  // mean) padding changes nothing, so a wide margin costs no more than that.
  const int reach = int(2.0 * (radius + 2.0)) + 2;
  const int pad = std::clamp(o.m_effectSoftness, 0, std::min(reach, kMaxPad));
  const int pw = w + 2 * pad, ph = h + 2 * pad;
  std::vector<uint8_t> padded(size_t(pw) * size_t(ph), 0);
  for (int y = 0; y < h; ++y) std::memcpy(&padded[size_t(y + pad) * pw + pad], mask.Row(y), size_t(w));
  CHeightFieldBuilder builder;
  builder.BuildHeightField(padded.data(), pw, ph, radius, kHeightBoth);

  const CShadowOffset off = ShadowOffset(o.m_effectParam1, o.m_effectAngle, o.m_renderScale);
  const int opacity = std::clamp(o.m_effectParam2, 0, 255);
  const int shade[3] = {int((o.m_effectColor >> 16) & 0xFF), int((o.m_effectColor >> 8) & 0xFF),
                        int(o.m_effectColor & 0xFF)};
  for (int y = 0; y < h; ++y) {
    const int64_t sy = int64_t(y) + pad - off.dy;
    const uint8_t* src = (sy >= 0 && sy < ph) ? padded.data() + size_t(sy) * pw : nullptr;
    uint8_t* p = bitmap.RowFromTop(y);
    for (int x = 0; x < w; ++x, p += 4) {
      const int64_t sx = int64_t(x) + pad - off.dx;
      const int b = (src && sx >= 0 && sx < pw) ? src[sx] : 0;
      const int s = (255 - b) * opacity / 255;
      if (s == 0) continue;
      for (int i = 0; i < 3; ++i) p[i] = uint8_t((p[i] * (255 - s) + shade[i] * s) / 255);
    }
  }
  return true;
}

}  // namespace tessel
