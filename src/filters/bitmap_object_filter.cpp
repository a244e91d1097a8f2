// The filters' frame on a bitmap object, and the bilinear resampling it needs.
#include "filters/bitmap_object_filter.h"

#include <algorithm>
#include <cmath>

#include "document/draw_object.h"
#include "filters/filter_catalog.h"

namespace tessel {

bool CanFilterObject(const CDrawObject& object) { return object.IsBitmap() && !object.m_layer.IsEmpty(); }

bool FitPictureToObject(CDrawObject& object) {
  if (!CanFilterObject(object)) return false;
  const int w = object.m_width, h = object.m_height;
  if (w <= object.m_layer.Width() && h <= object.m_layer.Height()) return false;
  CDIBSection resized = ResamplePicture(object.m_layer, std::max(w, 1), std::max(h, 1));
  if (resized.IsEmpty()) return false;
  object.m_layer = std::move(resized);
  return true;
}

bool ApplyToBitmapObject(CDrawObject& object, const std::function<bool(CDIBSection& picture)>& filter) {
  if (!CanFilterObject(object) || object.m_layer.BitsPerPixel() != 32) return false;
  FitPictureToObject(object);
  if (!filter(object.m_layer)) return false;
  object.RenderObject(false, nullptr);
  return true;
}

bool ApplyFilterToObject(CDrawObject& object, const CFilterEntry& filter, std::vector<double> values, uint32_t seed) {
  values.resize(filter.params.size());
  for (size_t i = 0; i < values.size(); ++i) values[i] = ClampParam(filter.params[i], values[i]);
  return ApplyToBitmapObject(object, [&](CDIBSection& picture) { return filter.run(picture, values, seed); });
}

CDIBSection ResamplePicture(const CDIBSection& source, int width, int height) {
  CDIBSection out;
  if (source.IsEmpty() || source.BitsPerPixel() != 32 || !out.Create(width, height, 32)) return out;
  const int sw = source.Width(), sh = source.Height();
  // Column positions and weights once for all rows (fixed point, 8 fraction bits).
  const size_t n = size_t(width);
  std::vector<int> x0(n), x1(n), fx(n);
  for (int x = 0; x < width; ++x) {
    const double sx = std::clamp((x + 0.5) * sw / width - 0.5, 0.0, double(sw - 1));
    x0[size_t(x)] = int(sx);
    x1[size_t(x)] = std::min(x0[size_t(x)] + 1, sw - 1);
    fx[size_t(x)] = int((sx - x0[size_t(x)]) * 256.0);
  }
  for (int y = 0; y < height; ++y) {
    const double sy = std::clamp((y + 0.5) * sh / height - 0.5, 0.0, double(sh - 1));
    const int y0 = int(sy), y1 = std::min(y0 + 1, sh - 1), fy = int((sy - y0) * 256.0);
    const uint8_t* r0 = source.RowFromBottom(y0);
    const uint8_t* r1 = source.RowFromBottom(y1);
    uint8_t* d = out.RowFromBottom(y);
    for (int x = 0; x < width; ++x, d += 4) {
      const uint8_t* a = r0 + x0[size_t(x)] * 4;
      const uint8_t* b = r0 + x1[size_t(x)] * 4;
      const uint8_t* c = r1 + x0[size_t(x)] * 4;
      const uint8_t* e = r1 + x1[size_t(x)] * 4;
      const int f = fx[size_t(x)];
      for (int ch = 0; ch < 4; ++ch) {
        const int top = a[ch] * (256 - f) + b[ch] * f;
        const int bottom = c[ch] * (256 - f) + e[ch] * f;
        d[ch] = uint8_t((top * (256 - fy) + bottom * fy + 32768) >> 16);
      }
    }
  }
  return out;
}

}  // namespace tessel
