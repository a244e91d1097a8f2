// Artistic text (tool 17): a press puts a text object there and opens the text editor;
// the font confirmed there becomes the default of the next text.
#include "document/draw_object.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

void CVellumView::TextToolDown(CPoint doc) {
  SetTool(kToolSelect);
  CDrawObject* object = BeginNewObject(true);
  m_textDefaults.ApplyTo(*object);
  object->m_left = doc.x;
  object->m_top = doc.y;

  TextRequest request;
  request.where = doc;
  request.font = m_textDefaults.m_font;
  request.size = m_textDefaults.m_textSize;
  request.bold = m_textDefaults.m_textBold != 0;
  request.italic = m_textDefaults.m_textItalic != 0;
  request.align = m_textDefaults.m_textAlign;
  if (!m_host.AskText(&request)) {
    FinishNewObject(object, false);
    return;
  }
  object->m_textBold = request.bold ? 1 : 0;
  object->m_textItalic = request.italic ? 1 : 0;
  object->m_textAlign = request.align;
  const bool built = object->CreateText(request.text, request.font, request.size);
  if (built) m_textDefaults.TakeFrom(*object);
  FinishNewObject(object, built);
}

}  // namespace tessel
