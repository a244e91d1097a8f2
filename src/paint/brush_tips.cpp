// Build: the dab of generated tips and the previews of every tip kind.
#include <algorithm>
#include <cstring>

#include "base/program_constants.h"
#include "filters/bitmap_object_filter.h"
#include "filters/gaussian_blur.h"
#include "paint/brush.h"
#include "paint/brush_bitmaps.h"

namespace tessel {

namespace {

// Generated tips are drawn in a square three times the tip with its blur.
constexpr double kTipCanvasFactor = 3.0;

// Sets the alpha of the hard tip: a disc of squared radius rx² + ry² or a square of
// size + 1 pixels (both bounds inclusive), centred in the s × s dab.
void DrawHardTip(CDIBSection& dab, int tipKind, int size) {
  const int s = dab.Width();
  if (size == 1) {
    dab.RowFromBottom(s / 2)[(s / 2) * 4 + kAlpha] = 255;
    return;
  }
  const int o = (s - size) / 2;
  const int r = std::max(1, size / 2);
  const int r2 = r * r + r * r;
  for (int y = 0; y < s; ++y) {
    uint8_t* p = dab.RowFromBottom(y);
    for (int x = 0; x < s; ++x) {
      bool inside;
      if (tipKind == kTipCircular) {
        const int dx = x - o - r, dy = y - o - r;
        inside = dx * dx + dy * dy <= r2;
      } else {
        inside = x >= o && x <= o + size && y >= o && y <= o + size;
      }
      p[x * 4 + kAlpha] = inside ? 255 : 0;
    }
  }
}

// Blurs the alpha plane of a 32-bit bitmap with the program's Gaussian blur.
void BlurAlpha(CDIBSection& dab, double radius) {
  CDIBSection plane;
  if (!plane.Create(dab.Width(), dab.Height(), 8)) return;
  for (int y = 0; y < dab.Height(); ++y) {
    const uint8_t* s = dab.RowFromBottom(y);
    uint8_t* d = plane.RowFromBottom(y);
    for (int x = 0; x < dab.Width(); ++x) d[x] = s[x * 4 + kAlpha];
  }
  GaussianBlurPlane(plane.View(), radius, BlurAxes::kBoth);
  for (int y = 0; y < dab.Height(); ++y) {
    const uint8_t* s = plane.RowFromBottom(y);
    uint8_t* d = dab.RowFromBottom(y);
    for (int x = 0; x < dab.Width(); ++x) d[x * 4 + kAlpha] = s[x];
  }
}

}  // namespace

void CBrush::Build(int previewSide) {
  previewSide = std::clamp(previewSide, 1, kMaxBrushPreviewSide);
  if (m_tipKind == kTipCircular || m_tipKind == kTipRectangular) {
    m_size = std::clamp(m_size, kBrushMinSize, kBrushMaxSize);
    m_blur = std::clamp(m_blur, 0.0, kBrushMaxBlur);
    const int s = int((m_size + 2 * m_blur) * kTipCanvasFactor);
    m_dab.Create(s, s, 32);
    SetColour(m_paintColour);
    DrawHardTip(m_dab, m_tipKind, m_size);
    if (m_blur > 0) {
      BlurAlpha(m_dab, m_blur);
      TrimToAlpha(m_dab);
    }
    m_colourOverlay = 0;
    if (m_autoPreview) {
      TrimToAlpha(m_dab);
      m_preview = ResamplePicture(m_dab, previewSide, previewSide);
    }
    return;
  }
  if (!m_dab.IsEmpty() && (m_tipKind == kTipBitmap || m_tipKind == kTipImageBrush)) TrimToAlpha(m_dab);
  if (m_autoPreview) m_preview = MakeImagePreview(m_dab, previewSide, m_colourOverlay != 0, m_paintColour);
}

}  // namespace tessel
