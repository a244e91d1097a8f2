#include "app/paint_editor_display.h"

#include <algorithm>
#include <cstring>

#include "base/program_constants.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"

namespace tessel {

namespace {
constexpr uint8_t kOpaque = 255;

CompositeOptions OptionsFor(const CVellumDoc& doc, bool lensesOff) {
  CompositeOptions options;
  options.lensesOff = lensesOff;
  options.background = doc.m_background;
  options.canvasWidth = doc.m_width;
  options.canvasHeight = doc.m_height;
  return options;
}

void FillColour(CDIBSection& dib, uint32_t colorref) {
  for (int y = 0; y < dib.Height(); ++y) {
    uint8_t* px = dib.RowFromBottom(y);
    for (int x = 0; x < dib.Width(); ++x, px += 4) {
      px[kRed] = uint8_t(colorref & 0xFF);
      px[kGreen] = uint8_t(colorref >> 8 & 0xFF);
      px[kBlue] = uint8_t(colorref >> 16 & 0xFF);
      px[kAlpha] = kOpaque;
    }
  }
}
// Copies picture (8, 24 or 32 bits) onto canvas with its top-left corner at (left, top),
// opaque, clipped to the canvas.
void PlacePicture(CDIBSection& canvas, const CDIBSection& picture, int left, int top) {
  const int bpp = picture.BytesPerPixel();
  if (bpp != 1 && bpp != 3 && bpp != 4) return;
  for (int y = std::max(0, -top); y < picture.Height() && top + y < canvas.Height(); ++y) {
    const uint8_t* s = picture.RowFromTop(y);
    uint8_t* d = canvas.RowFromTop(top + y);
    for (int x = std::max(0, -left); x < picture.Width() && left + x < canvas.Width(); ++x) {
      const uint8_t* sp = s + x * bpp;
      uint8_t* dp = d + (left + x) * 4;
      dp[kBlue] = sp[0];
      dp[kGreen] = bpp == 1 ? sp[0] : sp[1];
      dp[kRed] = bpp == 1 ? sp[0] : sp[2];
      dp[kAlpha] = kOpaque;
    }
  }
}
}  // namespace

PaintEditorDisplay::PaintEditorDisplay(CVellumDoc& doc, CDrawObject& object, bool lensesOff)
    : m_doc(doc), m_object(object), m_lensesOff(lensesOff), m_shown(std::make_unique<CDrawObject>()) {
  *m_shown = object;
  if (!m_below.Create(std::max(1, doc.m_width), std::max(1, doc.m_height), 32)) return;
  FillColour(m_below, doc.m_background);
  const CompositeOptions options = OptionsFor(doc, lensesOff);
  for (int i = 0; i < doc.ObjectCount() && doc.ObjectAt(i) != &object; ++i) DrawObject(m_below, *doc.ObjectAt(i), options);
  if (!doc.m_blueprint.IsEmpty()) {
    m_blueprint = m_below.Clone();
    PlacePicture(m_blueprint, doc.m_blueprint, doc.m_blueprintX, doc.m_blueprintY);
  }
}

PaintEditorDisplay::~PaintEditorDisplay() = default;

const CDIBSection& PaintEditorDisplay::Compose(const CDIBSection& layer, bool layerChanged, PaintTarget target) {
  if (layerChanged || !m_rendered) {
    (target == PaintTarget::kLayer ? m_shown->m_layer : m_shown->m_paintTransp) = layer.Clone();
    m_shown->RenderObject(false, nullptr);
    m_rendered = true;
  }
  if (m_below.IsEmpty()) return m_canvas;
  if (m_canvas.Width() != m_below.Width() || m_canvas.Height() != m_below.Height())
    m_canvas.Create(m_below.Width(), m_below.Height(), 32);
  std::memcpy(m_canvas.Bits(), m_below.Bits(), size_t(m_below.Stride()) * size_t(m_below.Height()));
  const CompositeOptions options = OptionsFor(m_doc, m_lensesOff);
  DrawObject(m_canvas, *m_shown, options);
  bool above = false;
  for (int i = 0; i < m_doc.ObjectCount(); ++i) {
    CDrawObject* o = m_doc.ObjectAt(i);
    if (above) DrawObject(m_canvas, *o, options);
    if (o == &m_object) above = true;
  }
  return m_canvas;
}

}  // namespace tessel
