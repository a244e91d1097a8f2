// Gallery samples: every bevel kind, every shadow and glow, every blend mode.
#include "sample_util.h"

namespace tessel::samples {

namespace {
const char* const kBevelNames[] = {"No Bevel", "Smooth Bevel", "Flat Bevel", "Framed Bevel", "Random Noise",
                                   "Saucer", "Frame", "Outline", "Bump Out", "Feather", "Smooth+Warp",
                                   "Smooth Hi-Lite", "3D Ball", "3D Extrude", "3D Barel", "3D Transp",
                                   "Motion Linear", "Motion Zoom", "Backlight", "Blurrrr!", "Linear Wash",
                                   "Horizontal", "Vertical"};
const char* const kEffectNames[] = {"No Effect", "Drop Shadow", "Sun Shadow", "Glow", "Halo", "Inset", "Cutout",
                                    "Inset + Shadow", "Knock-Out", "Drop Gradient", "Sparkle",
                                    "Magnifying Lens", "Concave Glass", "Upside Down", "Ripple Lens",
                                    "Fish-Eye Lens", "Crazy Sphere", "Thick Border Lens", "Thick Center Lens",
                                    "Defocus Filter Lens", "Lens Flare"};
const char* const kBlendNames[] = {"Normal", "Multiply", "Difference", "Screen", "Overlay", "Darken", "Lighten",
                                   "Hard Light", "Soft Light", "If Lighter", "If Darker", "Negative", "Tint",
                                   "Colorize"};
constexpr COLORREF kInk = Rgb(30, 35, 50);
}  // namespace

void BuildBevels(CVellumDoc& doc) {
  doc.m_width = 900;
  doc.m_height = 720;
  doc.m_background = Rgb(228, 232, 238);
  const Grid grid{20, 20, 145, 6};
  for (int kind = 1; kind <= 22; ++kind) {
    const int x = grid.X(kind - 1), y = grid.Y(kind - 1);
    CDrawObject* tile = doc.NewObject();
    tile->m_color = Rgb(40 + kind * 9, 90, 200 - kind * 6);
    tile->m_color2 = Rgb(250, 210, 120);
    tile->m_gradientParam = 45;
    tile->m_bevelType = kind;
    tile->m_bevelWidth = 24;
    if (kind == 12) tile->CreateCircle(x + 10, y + 5, x + 125, y + 120);
    else if (kind % 3 == 0) tile->CreateStar(x + 5, y + 5, x + 130, y + 120, 5, 2.2);
    else tile->CreateRoundRect(x + 8, y + 8, x + 128, y + 118, 120);
    tile->m_name = kBevelNames[kind];
    Label(doc, kBevelNames[kind], x + 8, y + 122, 13, kInk);
  }
}

void BuildEffects(CVellumDoc& doc) {
  doc.m_width = 900;
  doc.m_height = 460;
  doc.m_background = Rgb(245, 245, 240);
  const Grid grid{25, 25, 170, 5};
  for (int kind = 1; kind <= 10; ++kind) {
    const int x = grid.X(kind - 1), y = grid.Y(kind - 1);
    CDrawObject* o = doc.NewObject();
    o->m_color = Rgb(220, 70 + kind * 12, 60);
    o->m_bevelType = 1;
    o->m_bevelWidth = 12;
    o->m_effect = kind;
    o->m_effectColor = kind == 3 || kind == 4 ? Rgb(255, 200, 40) : Rgb(20, 20, 40);
    o->m_effectParam1 = 8;
    o->m_effectAngle = 45;
    o->SetEffectDistance(7.0);
    o->m_effectParam2 = 170;
    o->m_effectSoftness = 30;
    o->CreateRoundRect(x + 20, y + 20, x + 130, y + 130, 90);
    o->m_name = kEffectNames[kind];
    Label(doc, kEffectNames[kind], x + 20, y + 145, 13, kInk);
  }
}

void BuildBlendModes(CVellumDoc& doc) {
  doc.m_width = 820;
  doc.m_height = 420;
  doc.m_background = Rgb(255, 255, 255);
  CDrawObject* band = doc.NewObject();  // a rainbow band under every mode
  band->m_color = Rgb(20, 120, 255);
  band->m_color2 = Rgb(255, 60, 20);
  band->m_textureName = "Linear Gradient.tmb";
  band->CreateRectangle(0, 0, 820, 420);
  band->m_name = "Band";
  const Grid grid{15, 15, 115, 7};
  for (int mode = 0; mode < 14; ++mode) {
    const int x = grid.X(mode), y = grid.Y(mode) + (mode / 7) * 85;
    CDrawObject* disc = doc.NewObject();
    disc->m_color = Rgb(240, 200, 40);
    disc->m_color2 = Rgb(40, 160, 90);
    disc->m_textureName = "Radial Gradient.tmb";
    disc->m_shadowOption = mode;
    disc->m_bevelType = 1;
    disc->m_bevelWidth = 10;
    disc->CreateCircle(x, y, x + 100, y + 100);
    disc->m_name = kBlendNames[mode];
    Label(doc, kBlendNames[mode], x + 4, y + 110, 13, kInk);
  }
}

}  // namespace tessel::samples
