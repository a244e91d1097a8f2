// The look that new objects start with, set by clicking a style while nothing is
// selected. The view owns one CNewObjectDefaults; text objects have defaults of their
// own.
#pragma once

#include <cstdint>
#include <string>

#include "document/object_fields.h"

namespace tessel {

class CDrawObject;

// Colour and texture values and bevel values given to a new object.
struct CObjectDefaults {
  COLORREF m_color = CObjectFields().m_color;
  COLORREF m_color2 = CObjectFields().m_color2;
  std::string m_textureName;
  int32_t m_textureAmount = CObjectFields().m_textureAmount;
  int32_t m_textureParam1 = 0;
  int32_t m_textureParam2 = 0;
  int32_t m_bevelType = CObjectFields().m_bevelType;
  int32_t m_bevelWidth = CObjectFields().m_bevelWidth;
  int32_t m_bevelParam1 = CObjectFields().m_bevelParam1;
  int32_t m_bevelParam2 = CObjectFields().m_bevelParam2;

  // Takes these values from a stored style object.
  void TakeFrom(const CObjectFields& style);
  // Writes these values into a new object (not rendered).
  void ApplyTo(CObjectFields& object) const;
};

struct CNewObjectDefaults {
  CObjectDefaults object;  // shapes, paths, polynomes, bitmaps
  CObjectDefaults text;    // artistic text
};

}  // namespace tessel
