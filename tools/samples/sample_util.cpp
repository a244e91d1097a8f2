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

void BusyBackdrop(CVellumDoc& doc) {
  constexpr int kStripe = 24, kSquare = 48;
  CDrawObject* back = doc.NewObject();
  CDIBSection& picture = back->m_layer;
  picture.Create(doc.m_width, doc.m_height, 32);
  for (int y = 0; y < doc.m_height; ++y) {
    uint8_t* p = picture.RowFromTop(y);
    for (int x = 0; x < doc.m_width; ++x, p += 4) {
      // Diagonal stripes in two colours, darkened on a checker, with fine rings.
      const bool stripe = ((x + y) / kStripe) % 2 == 0;
      const bool dark = ((x / kSquare) + (y / kSquare)) % 2 == 0;
      const int dx = x % kSquare - kSquare / 2, dy = y % kSquare - kSquare / 2;
      const bool ring = (dx * dx + dy * dy) / 40 % 3 == 0;
      int r = stripe ? 250 : 60, g = stripe ? 200 : 140, b = stripe ? 60 : 220;
      if (dark) r = r * 6 / 10, g = g * 6 / 10, b = b * 6 / 10;
      if (ring) r = 255 - r / 3, g = 255 - g / 3, b = 255 - b / 3;
      p[0] = uint8_t(b), p[1] = uint8_t(g), p[2] = uint8_t(r), p[3] = 255;
    }
  }
  back->m_type = kTypeBitmap;
  back->m_imageWidth = doc.m_width;
  back->m_imageHeight = doc.m_height;
  back->m_name = "Backdrop";
  back->AllocateBitmaps(doc.m_width, doc.m_height);
}

}  // namespace tessel::samples
