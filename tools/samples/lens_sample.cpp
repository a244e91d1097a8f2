// The lens sample: every lens over a busy picture.
#include "sample_util.h"

namespace tessel::samples {

// The lens gallery: a busy picture (checkers, stripes, a colour wash) under one lens of
// each kind: top row 11, 12, 15, 14, 13 (the fish-eye in the middle, where it has
// picture all around), bottom row 16..19 and a flare whose ghosts cross the picture.
void BuildLenses(CVellumDoc& doc) {
  constexpr int kW = 640, kH = 300, kCell = 120, kGap = 8;
  doc.m_width = kW;
  doc.m_height = kH;
  doc.m_background = Rgb(255, 255, 255);
  CDrawObject* picture = doc.NewObject();
  picture->m_type = kTypeBitmap;
  picture->m_layer.Create(kW, kH, 32);
  for (int y = 0; y < kH; ++y) {
    uint8_t* p = picture->m_layer.RowFromTop(y);
    for (int x = 0; x < kW; ++x, p += 4) {
      const bool check = ((x / 16) + (y / 16)) % 2 == 0;
      const bool stripe = (x + 2 * y) / 6 % 2 == 0;
      p[0] = uint8_t(check ? 240 : x * 200 / kW);
      p[1] = uint8_t(stripe ? 210 : 60 + y * 150 / kH);
      p[2] = uint8_t(check ? 40 : 255 - x * 200 / kW);
      p[3] = 255;
    }
  }
  picture->m_imageWidth = kW, picture->m_imageHeight = kH;
  picture->AllocateBitmaps(kW, kH);
  picture->m_name = "Picture";
  struct Kind {
    int effect, distance;
    double softness;
    const char* name;
  };
  const Kind kinds[] = {{11, 12, 2.0, "Magnifying Lens"}, {12, 10, 2.0, "Concave Glass"},
                        {15, 4, 2.0, "Fish-Eye Lens"},    {14, 6, 1.5, "Ripple Lens"},
                        {13, 6, 2.0, "Upside Down"},      {16, 3, 4.0, "Crazy Sphere"},
                        {17, 15, 3.0, "Thick Border Lens"}, {18, 15, 3.0, "Thick Center Lens"},
                        {19, 6, 3.0, "Defocus Filter Lens"}, {20, 10, 2.0, "Lens Flare"}};
  for (int i = 0; i < 10; ++i) {
    const Kind& k = kinds[i];
    CDrawObject* lens = doc.NewObject();
    lens->m_color = Rgb(90, 150, 255);
    lens->m_effect = k.effect;
    lens->m_effectParam1 = k.distance;
    lens->SetEffectDistance(k.softness);
    lens->m_effectParam2 = k.effect == 20 ? 230 : 220;  // a hint of the lens's own blue
    lens->m_effectAngle = k.effect == 20 ? 105 : 30;
    lens->m_bevelType = k.effect == 20 ? 0 : 1;  // "Smooth Bevel": the glass keeps a rim
    lens->m_bevelWidth = 12;
    const int left = 10 + (i % 5) * (kCell + kGap), top = 20 + (i / 5) * (kCell + 24);
    lens->CreateCircle(left, top, left + kCell, top + kCell);
    lens->m_name = k.name;
  }
  doc.m_notesProject = "Lenses";
  doc.m_notes = "Every lens over a busy picture.";
}

}  // namespace tessel::samples
