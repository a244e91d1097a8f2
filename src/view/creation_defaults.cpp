#include "view/creation_defaults.h"

#include "base/app_context.h"
#include "document/draw_object.h"

namespace tessel {

void CCreationDefaults::ApplyTo(CDrawObject& object, bool text) const {
  if (object.IsBitmap()) return;
  if (text) {
    looks.text.ApplyTo(object);
    object.m_lineWidth = m_textLineWidth;
    return;
  }
  looks.object.ApplyTo(object);
  object.m_lineWidth = m_objectLineWidth;
  object.m_outlineParam0 = outline.m_outlineParam0;
  object.m_outlineSoftness = outline.m_outlineSoftness;
  object.m_outlineColor2 = outline.m_outlineColor2;
  object.m_outlineColor = outline.m_outlineColor;
  object.m_outlineColor3 = outline.m_outlineColor3;
  object.m_outlineType = outline.m_outlineType;
  object.m_outlineWidth = outline.m_outlineWidth;
  object.m_outlineParam1 = outline.m_outlineParam1;
}

CTextDefaults::CTextDefaults() : m_font(CLogFont::FromProfile(App().Profile())) {}

void CTextDefaults::ApplyTo(CObjectFields& object) const {
  object.m_font = m_font;
  object.m_textBold = m_textBold;
  object.m_textItalic = m_textItalic;
  object.m_textSize = m_textSize;
  object.m_textAlign = m_textAlign;
}

void CTextDefaults::TakeFrom(const CObjectFields& object) {
  m_font = object.m_font;
  m_textBold = object.m_textBold;
  m_textItalic = object.m_textItalic;
  m_textSize = object.m_textSize;
  m_textAlign = object.m_textAlign;
}

}  // namespace tessel
