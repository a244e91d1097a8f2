// Material samples: image textures and gradients, transparency maps, Mutaflux fills
// and artistic text.
#include "sample_util.h"

namespace tessel::samples {

namespace {
const char* const kTextures[] = {"Bricks.png", "Brushed Metal.png", "Clouds.png", "Fabric.png", "Granite.png",
                                 "Leather.png", "Marble.png", "Noise.png", "Paper.png", "Rust.png",
                                 "Sand.png", "Stone.png", "Water.png", "Wood.png", "Linear Gradient.tmb",
                                 "Radial Gradient.tmb", "Burst Gradient.tmb"};
const char* const kMaps[] = {"Linear.tmb", "Radial.tmb", "Burst.tmb", "Clouds.png", "Grunge.png",
                             "Halftone.png", "Soft Stripes.png", "Spots.png", "Waves.png"};
constexpr COLORREF kInk = Rgb(30, 35, 50);
}  // namespace

void BuildTextures(CVellumDoc& doc) {
  doc.m_width = 900;
  doc.m_height = 640;
  doc.m_background = Rgb(250, 248, 244);
  const Grid grid{20, 20, 145, 6};
  int i = 0;
  for (const char* name : kTextures) {
    const int x = grid.X(i), y = grid.Y(i);
    CDrawObject* tile = doc.NewObject();
    tile->m_color = Rgb(200, 120, 60);
    tile->m_color2 = Rgb(40, 60, 160);
    tile->m_textureName = name;
    tile->m_textureMode = i % 4;
    tile->m_bevelType = 1;
    tile->m_bevelWidth = 10;
    tile->CreateRoundRect(x + 5, y + 5, x + 130, y + 110, 60);
    tile->m_name = name;
    Label(doc, name, x + 5, y + 115, 12, kInk);
    ++i;
  }
  // Transparency maps over a dark bar so that the transparency shows.
  CDrawObject* bar = doc.NewObject();
  bar->m_color = Rgb(20, 30, 60);
  bar->CreateRectangle(0, 470, 900, 640);
  bar->m_name = "Bar";
  i = 0;
  for (const char* map : kMaps) {
    const int x = 15 + i * 98;
    CDrawObject* o = doc.NewObject();
    o->m_color = Rgb(255, 230, 120);
    o->m_transpName = map;
    o->m_transpAmount = 255;
    o->m_transpMode = i % 2;
    o->CreateRectangle(x, 490, x + 88, 600);
    o->m_name = map;
    Label(doc, map, x, 605, 11, Rgb(240, 240, 250));
    ++i;
  }
}

void BuildMutaflux(CVellumDoc& doc) {
  doc.m_width = 900;
  doc.m_height = 420;
  doc.m_background = Rgb(15, 15, 25);
  const Grid grid{20, 20, 175, 5};
  const int32_t words[][3] = {{2334, 243, 243},     {91823, 4411, 707},  {55, 123456, 9},
                              {777777, 31, 4242},   {1234, 5678, 9012},  {424242, 1717, 3},
                              {99, 98, 97},         {31337, 271828, 1},  {8080, 443, 22},
                              {161803, 141421, 17}};
  for (int gene = 0; gene < 10; ++gene) {
    const int x = grid.X(gene), y = grid.Y(gene);
    CDrawObject* o = doc.NewObject();
    o->m_mutafluxIndex = gene + 1;
    o->m_mutafluxParam = {words[gene][0], words[gene][1], words[gene][2]};
    o->m_bevelType = gene % 2 ? 1 : 11;
    o->m_bevelWidth = 14;
    o->CreateCircle(x + 5, y + 5, x + 160, y + 160);
    o->m_name = "Mutaflux " + std::to_string(gene);
    Label(doc, "Gene " + std::to_string(gene), x + 55, y + 170, 13, Rgb(220, 220, 235));
  }
}

void BuildText(CVellumDoc& doc) {
  doc.m_width = 800;
  doc.m_height = 500;
  doc.m_background = Rgb(240, 236, 228);
  struct Line {
    const char* text;
    int top;
    double size;
    int bevel, effect, outline;
    COLORREF colour;
  };
  const Line lines[] = {{"Tessel", 20, 120, 1, 1, 0, Rgb(220, 60, 40)},
                        {"Chrome letters", 170, 70, 11, 3, 0, Rgb(150, 160, 180)},
                        {"Outlined & shadowed", 270, 56, 2, 2, 1, Rgb(40, 120, 200)},
                        {"Inset type", 360, 80, 0, 5, 0, Rgb(240, 236, 228)}};
  for (const Line& line : lines) {
    CDrawObject* t = doc.NewObject();
    t->m_color = line.colour;
    t->m_color2 = Rgb(255, 240, 200);
    t->m_gradientParam = 90;
    t->m_bevelType = line.bevel;
    t->m_bevelWidth = 12;
    t->m_effect = line.effect;
    t->m_effectParam1 = 5;
    t->SetEffectDistance(5.0);
    t->m_effectColor = line.effect == 3 ? Rgb(255, 220, 120) : Rgb(30, 20, 10);
    t->m_outlineType = line.outline;
    t->m_outlineWidth = 140;
    t->m_outlineColor2 = Rgb(10, 20, 40);
    t->m_left = 30;
    t->m_top = line.top;
    CLogFont font;
    font.faceName = "Liberation Serif";
    if (!t->CreateText(line.text, font, line.size)) doc.RemoveObject(t);
  }
}

}  // namespace tessel::samples
