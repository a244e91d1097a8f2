// The finishing passes of a lens image. The lens shows the canvas, but the object
// still owns its painted bitmap layer and its bevel: the layer is laid over the lens
// image within the object's alpha, and the bevel's light and shade, built from that
// alpha as height, fall on the lens image so that the glass keeps its rim.
#include <algorithm>
#include <vector>

#include "base/dib_section.h"
#include "document/draw_object.h"
#include "render/emboss.h"
#include "render/lens.h"
#include "render/pixel_math.h"

namespace tessel {

namespace {

constexpr int kBevelFeather = 9;
constexpr int kBevelSmooth = 1;  // bevel kinds without an emboss routine shade like it

// Lays the painted layer (stretched to the box, nearest pixel) over the lens image,
// weighted by the layer's alpha times the object's alpha.
void LayLayerOver(const CDIBSection& layer, const std::vector<uint8_t>& alphaMap, CDIBSection& work) {
  const int w = work.Width(), h = work.Height(), lw = layer.Width(), lh = layer.Height();
  std::vector<int> columns(static_cast<size_t>(w));
  for (int x = 0; x < w; ++x) columns[size_t(x)] = int(int64_t(x) * lw / w);
  for (int y = 0; y < h; ++y) {
    const uint8_t* src = layer.RowFromTop(int(int64_t(y) * lh / h));
    const uint8_t* alpha = alphaMap.data() + size_t(y) * size_t(w);
    uint8_t* dst = work.RowFromTop(y);
    for (int x = 0; x < w; ++x, dst += 4) {
      const uint8_t* s = src + 4 * columns[size_t(x)];
      const int a = px::Mul255(s[px::kAlpha], alpha[x]);
      if (a == 0) continue;
      for (int c = 0; c < 3; ++c) dst[c] = uint8_t(px::Mix255(dst[c], s[c], a));
    }
  }
}

// Shades a copy of the lens image with the object's bevel and blends it back by alpha.
void ShadeWithBevel(const CDrawObject& o, const std::vector<uint8_t>& alphaMap, CDIBSection& work) {
  const int w = work.Width(), h = work.Height();
  CDIBSection shaded = work.Clone();
  std::vector<uint8_t> height = alphaMap;
  const int kind = IsEmbossBevel(o.m_bevelType) ? o.m_bevelType : kBevelSmooth;
  if (!ShadeEmbossBevel(o, kind, shaded, height.data(), w, h)) return;
  for (int y = 0; y < h; ++y) {
    const uint8_t* alpha = alphaMap.data() + size_t(y) * size_t(w);
    const uint8_t* s = shaded.RowFromTop(y);
    uint8_t* dst = work.RowFromTop(y);
    for (int x = 0; x < w; ++x, s += 4, dst += 4)
      for (int c = 0; c < 3; ++c) dst[c] = uint8_t(px::Mix255(dst[c], s[c], alpha[x]));
  }
}

}  // namespace

void FinishLensImage(const CDrawObject& o, const std::vector<uint8_t>& alphaMap, CDIBSection& work) {
  if (o.IsBitmap() || work.IsEmpty() || alphaMap.size() != size_t(work.Width()) * size_t(work.Height())) return;
  if (!o.m_layer.IsEmpty() && o.m_layer.BitsPerPixel() == 32) LayLayerOver(o.m_layer, alphaMap, work);
  if (o.m_bevelType > 0 && o.m_bevelType != kBevelFeather) ShadeWithBevel(o, alphaMap, work);
}

}  // namespace tessel
