// What the editing view gives every object it creates: the look of new objects (one set
// for shapes, paths and polynomes, one for artistic text) and the font settings of new
// text. The property bars and the style library change them; bitmap objects keep their
// own look.
#pragma once

#include <cstdint>

#include "document/log_font.h"
#include "document/object_fields.h"
#include "library/new_object_defaults.h"

namespace tessel {

class CDrawObject;

// The outline of new objects other than text.
struct COutlineDefaults {
  int32_t m_outlineParam0 = CObjectFields().m_outlineParam0;
  double m_outlineSoftness = CObjectFields().m_outlineSoftness;
  COLORREF m_outlineColor2 = CObjectFields().m_outlineColor2;
  COLORREF m_outlineColor = CObjectFields().m_outlineColor;
  COLORREF m_outlineColor3 = CObjectFields().m_outlineColor3;
  int32_t m_outlineType = CObjectFields().m_outlineType;
  int32_t m_outlineWidth = CObjectFields().m_outlineWidth;
  int32_t m_outlineParam1 = CObjectFields().m_outlineParam1;
};

struct CCreationDefaults {
  CNewObjectDefaults looks;  // colours, texture and bevel of objects and of text
  int32_t m_objectLineWidth = CObjectFields().m_lineWidth;
  int32_t m_textLineWidth = CObjectFields().m_lineWidth;
  COutlineDefaults outline;  // objects only

  // Writes the set for text (text true) or for objects into a new object, not
  // rendered. Bitmap objects are left alone.
  void ApplyTo(CDrawObject& object, bool text) const;
};

// The font, style and alignment of new artistic text.
struct CTextDefaults {
  // The font from the profile section "Font" with face "Arial"; the rest as a new
  // object has them.
  CTextDefaults();

  CLogFont m_font;
  int32_t m_textBold = CObjectFields().m_textBold;
  int32_t m_textItalic = CObjectFields().m_textItalic;
  double m_textSize = CObjectFields().m_textSize;
  int32_t m_textAlign = CObjectFields().m_textAlign;

  // Copies these settings into a text object's fields (m_font and the m_text* values).
  void ApplyTo(CObjectFields& object) const;
  // Takes the settings of a text object (the font chosen in the text editor).
  void TakeFrom(const CObjectFields& object);
};

}  // namespace tessel
