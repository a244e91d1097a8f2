// What lies below every object in the view's paint buffers: the grey outside the
// canvas, the background, the blueprint shown on the back, and the canvas frame.
#include "base/dib_section.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_pixels.h"

namespace tessel {

namespace {
constexpr uint32_t kFrameBlack = 0x000000;
constexpr uint32_t kShadowGrey = 0x808080;
constexpr int kShadowDivisor = 80;  // shadow thickness = canvas width / 80

// The canvas frame: a 1-pixel black outline of (-1, -1)..(w + 1, h + 1) (right and
// bottom exclusive) and its grey drop shadow to the right and below.
void DrawCanvasFrame(CDIBSection& buffer, const CRect& bufferRect, int w, int h) {
  const CRect frame = {-1, -1, w + 1, h + 1};
  FillDocumentRect(buffer, bufferRect, {frame.left, frame.top, frame.right, frame.top + 1}, kFrameBlack);
  FillDocumentRect(buffer, bufferRect, {frame.left, frame.bottom - 1, frame.right, frame.bottom}, kFrameBlack);
  FillDocumentRect(buffer, bufferRect, {frame.left, frame.top, frame.left + 1, frame.bottom}, kFrameBlack);
  FillDocumentRect(buffer, bufferRect, {frame.right - 1, frame.top, frame.right, frame.bottom}, kFrameBlack);
  const int s = w / kShadowDivisor;
  FillDocumentRect(buffer, bufferRect, {w + 1, s - 1, w + 1 + s, h + 1}, kShadowGrey);
  FillDocumentRect(buffer, bufferRect, {s, h + 1, w + 1 + s, h + 1 + s}, kShadowGrey);
}
}  // namespace

void CVellumView::PaintBase(CDIBSection& buffer, const CRect& documentRect, bool wholeCanvas) const {
  const int w = m_doc.m_width, h = m_doc.m_height;
  if (wholeCanvas) {
    FillDocumentRect(buffer, documentRect, documentRect, m_doc.m_background);
  } else {
    FillDocumentRect(buffer, documentRect, documentRect, kLightGrey);
    FillDocumentRect(buffer, documentRect, {0, 0, w, h}, m_doc.m_background);
  }
  if (m_doc.m_blueprintOnBack)
    DrawPicture(buffer, documentRect, m_doc.m_blueprint, m_doc.m_blueprintX, m_doc.m_blueprintY, {0, 0, w, h}, 255);
  DrawCanvasFrame(buffer, documentRect, w, h);
}

}  // namespace tessel
