#include "sample_util.h"

#include "document/log_font.h"

namespace tessel::samples {

CDrawObject* Label(CVellumDoc& doc, const std::string& text, int left, int top, double size, COLORREF colour) {
  CDrawObject* label = doc.NewObject();
  label->m_color = colour;
  label->m_left = left;
  label->m_top = top;
  CLogFont font;
  font.faceName = "Liberation Sans";
  if (!label->CreateText(text, font, size)) {
    doc.RemoveObject(label);
    return nullptr;
  }
  label->m_name = text;
  return label;
}

}  // namespace tessel::samples
