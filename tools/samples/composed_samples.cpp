// Composed samples: a package with its clones, and the large poster that the
// benchmarks load.
#include <cmath>

#include "document/package.h"
#include "sample_util.h"

namespace tessel::samples {

void BuildPackages(CVellumDoc& doc) {
  doc.m_width = 700;
  doc.m_height = 360;
  doc.m_background = Rgb(235, 242, 235);
  // A little emblem of three objects, packed into one picture.
  CDrawObject* disc = doc.NewObject();
  disc->m_color = Rgb(30, 90, 60);
  disc->m_bevelType = 5;
  disc->m_bevelWidth = 20;
  disc->CreateCircle(30, 40, 230, 240);
  CDrawObject* star = doc.NewObject();
  star->m_color = Rgb(250, 210, 60);
  star->m_bevelType = 1;
  star->m_bevelWidth = 10;
  star->m_effect = 1;
  star->m_effectParam1 = 4;
  star->SetEffectDistance(4.0);
  star->CreateStar(60, 70, 200, 210, 6, 2.0);
  CDrawObject* label = Label(doc, "PKG", 95, 250, 40, Rgb(30, 90, 60));
  std::vector<CDrawObject*> parts{disc, star};
  if (label) parts.push_back(label);
  CDrawObject* package = CreatePackage(doc, parts);
  if (!package) return;
  // Two clones beside it, one smaller, one flipped.
  CDrawObject* clone = CreateClone(doc, *package);
  clone->m_left += 240;
  CDrawObject* small = CreateClone(doc, *package);
  small->m_left += 470;
  small->m_top += 60;
  small->AllocateBitmaps(package->m_width * 2 / 3, package->m_height * 2 / 3);
}

// 1800 x 1500: a sky, hills, a sun, rows of badges and stars, text, lenses and
// textures; 60 and more objects for load, render and undo benchmarks.
void BuildPoster(CVellumDoc& doc) {
  doc.m_width = 1800;
  doc.m_height = 1500;
  doc.m_background = Rgb(250, 250, 255);
  CDrawObject* sky = doc.NewObject();
  sky->m_color = Rgb(40, 90, 200);
  sky->m_color2 = Rgb(250, 190, 120);
  sky->m_textureName = "Linear Gradient.tmb";
  sky->m_gradientParam = 90;
  sky->CreateRectangle(0, 0, 1800, 1000);
  CDrawObject* sun = doc.NewObject();
  sun->m_color = Rgb(255, 220, 80);
  sun->m_bevelType = 12;
  sun->m_effect = 3;
  sun->m_effectColor = Rgb(255, 200, 60);
  sun->SetEffectDistance(30.0);
  sun->m_effectSoftness = 60;
  sun->CreateCircle(1300, 120, 1600, 420);
  for (int i = 0; i < 4; ++i) {  // hills, back to front
    CDrawObject* hill = doc.NewObject();
    hill->m_color = Rgb(40 + 30 * i, 120 + 20 * i, 60);
    hill->m_textureName = i % 2 ? "Sand.png" : "Granite.png";
    hill->m_textureAmount = 90;
    hill->m_bevelType = 1;
    hill->m_bevelWidth = 30;
    hill->CreateCircle(-300 + 500 * i, 800 + 60 * i, 700 + 500 * i, 1900);
  }
  const Grid grid{80, 1000, 210, 8};
  for (int i = 0; i < 16; ++i) {  // badges with shadows
    const int x = grid.X(i), y = grid.Y(i) + 40;
    CDrawObject* badge = doc.NewObject();
    badge->m_color = Rgb(200 - 8 * i, 60 + 10 * i, 120 + 6 * i);
    badge->m_bevelType = 1 + i % 6;
    badge->m_bevelWidth = 16;
    badge->m_effect = 1 + i % 4;
    badge->m_effectParam1 = 8;
    badge->SetEffectDistance(8.0);
    badge->m_effectSoftness = 24;
    badge->m_shadowOption = i % 3 == 2 ? 1 : 0;
    badge->CreateRoundRect(x, y, x + 170, y + 170, 80);
  }
  for (int i = 0; i < 30; ++i) {  // a ring of stars in the sky
    const double a = i * 2 * 3.14159265358979 / 30;
    const int cx = 700 + int(520 * std::cos(a)), cy = 520 + int(360 * std::sin(a));
    CDrawObject* star = doc.NewObject();
    star->m_color = Rgb(255, 255 - 5 * i, 120 + 5 * i);
    star->m_bevelType = 11;
    star->m_bevelWidth = 8;
    star->m_effect = i % 2 ? 3 : 0;
    star->m_effectColor = Rgb(255, 255, 200);
    star->SetEffectDistance(6.0);
    star->CreateStar(cx - 40, cy - 40, cx + 40, cy + 40, 5, 2.3);
  }
  for (int i = 0; i < 8; ++i) {  // Mutaflux pebbles
    CDrawObject* pebble = doc.NewObject();
    pebble->m_mutafluxIndex = 1 + i % 10;
    pebble->m_mutafluxParam = {1000 + 77 * i, 300 + 13 * i, 50 + 7 * i};
    pebble->m_bevelType = 1;
    pebble->m_bevelWidth = 12;
    pebble->CreateCircle(120 + 200 * i, 880, 260 + 200 * i, 980);
  }
  CDrawObject* lens = doc.NewObject();
  lens->m_effect = 11;
  lens->m_effectParam1 = 10;
  lens->CreateCircle(200, 200, 500, 500);
  CDrawObject* flare = doc.NewObject();
  flare->m_effect = 20;
  flare->m_color = Rgb(255, 230, 180);
  flare->CreateCircle(1350, 170, 1550, 370);
  Label(doc, "Tessel Poster", 420, 40, 110, Rgb(255, 255, 255));
  Label(doc, "vector shapes, bitmaps and 3D effects", 440, 170, 48, Rgb(250, 240, 220));
}

}  // namespace tessel::samples
