// Artistic text (tool 17): a press puts a text object there and opens the text editor;
// the font confirmed there becomes the default of the next text. A double-click on live
// text opens the same editor on it.
#include <memory>

#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"
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

void CVellumView::EditText(CDrawObject& object) {
  TextRequest request;
  request.where = CPoint{object.m_left, object.m_top};
  request.text = object.m_text;
  request.font = object.m_font;
  request.size = object.m_textSize;
  request.bold = object.m_textBold != 0;
  request.italic = object.m_textItalic != 0;
  request.align = object.m_textAlign;
  if (!m_host.AskText(&request)) return;
  auto before = std::make_unique<CDrawObject>();
  *before = object;
  const CRect oldRect = EffectRect(object);
  object.m_textBold = request.bold ? 1 : 0;
  object.m_textItalic = request.italic ? 1 : 0;
  object.m_textAlign = request.align;
  if (!object.CreateText(request.text, request.font, request.size)) {
    // Empty text or a font that cannot be read: the object stays as it was.
    object = *before;
    object.RenderObject(false, nullptr);
    return;
  }
  object.m_name = before->m_name;  // the user's name survives retyping
  if (!object.StoresLike(*before)) {
    m_doc.m_modified = true;
    SaveUndo();
  }
  InvalidateObjectChange(oldRect, object);
  m_host.SelectionChanged();
}

}  // namespace tessel
