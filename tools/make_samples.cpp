// tessel-make-samples: builds the sample projects shipped in data/Samples and, on
// request, a handful of small project files that seed the project-reader fuzzer.
//
//   tessel-make-samples [SAMPLES_DIR]      writes SAMPLES_DIR/Welcome.tsl and Lenses.tsl
//                                          (default: data/Samples of the source tree)
//   tessel-make-samples --fuzz-seeds DIR   writes small seed projects into DIR
//
// The object identities are drawn from a generator seeded with a fixed value, so the
// files come out byte for byte the same on every run.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/dib_section.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/project_file.h"
#include "document/vellum_doc.h"

using namespace tessel;

namespace {

constexpr uint32_t kIdentitySeed = 20240601;

// COLORREF from red, green, blue (stored 0x00BBGGRR).
constexpr COLORREF Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

// The welcome picture: a framed panel with a ball, a badge, a star and a wave.
void BuildWelcome(CVellumDoc& doc) {
  doc.m_width = 400;
  doc.m_height = 300;
  doc.m_background = Rgb(236, 240, 245);

  CDrawObject* panel = doc.NewObject();
  panel->m_color = Rgb(40, 70, 140);
  panel->m_color2 = Rgb(120, 170, 230);
  panel->m_gradientParam = 90;
  panel->m_bevelType = 2;  // "Flat Bevel"
  panel->m_bevelWidth = 10;
  panel->m_effect = 1;  // "Drop Shadow"
  panel->m_effectParam1 = 6;
  panel->m_effectAngle = 45;
  panel->SetEffectDistance(8.0);
  panel->m_effectParam2 = 140;
  panel->CreateRectangle(20, 20, 380, 280);
  panel->m_name = "Panel";

  CDrawObject* ball = doc.NewObject();
  ball->m_color = Rgb(230, 60, 40);
  ball->m_color2 = Rgb(255, 200, 80);
  ball->m_bevelType = 12;  // "3D Ball"
  ball->m_bevelWidth = 30;
  ball->m_bevelParam1 = 90;
  ball->m_bevelParam2 = 120;
  ball->m_effect = 3;  // "Glow"
  ball->m_effectColor = Rgb(255, 240, 160);
  ball->SetEffectDistance(6.5);
  ball->CreateCircle(50, 60, 170, 180);
  ball->m_name = "Ball";

  CDrawObject* badge = doc.NewObject();
  badge->m_color = Rgb(250, 250, 250);
  badge->m_color2 = Rgb(200, 210, 225);
  badge->m_gradientParam = 30;
  badge->m_bevelType = 1;  // "Smooth Bevel"
  badge->m_bevelWidth = 6;
  badge->m_outlineType = 1;  // "Solid Outline"
  badge->m_outlineWidth = 3;
  badge->m_outlineColor2 = Rgb(20, 30, 60);
  badge->m_opacity = 220;
  badge->CreateRoundRect(200, 50, 360, 130, 180);
  badge->m_name = "Badge";

  CDrawObject* star = doc.NewObject();
  star->m_color = Rgb(255, 210, 0);
  star->m_color2 = Rgb(255, 120, 0);
  star->m_gradientParam = 135;
  star->m_bevelType = 11;  // "Smooth Hi-Lite"
  star->m_bevelWidth = 12;
  star->m_effect = 1;  // "Drop Shadow"
  star->m_effectColor = Rgb(60, 30, 0);
  star->m_effectParam1 = 4;
  star->m_effectAngle = 315;
  star->SetEffectDistance(3.0);
  star->CreateStar(230, 140, 330, 240, 5, 2.2);
  star->m_name = "Star";

  // A closed wave across the bottom of the panel: anchor, control, control per segment.
  CDrawObject* wave = doc.NewObject();
  wave->m_color = Rgb(30, 160, 120);
  wave->m_color2 = Rgb(10, 80, 60);
  wave->m_gradientParam = 270;
  wave->m_bevelType = 20;  // "Linear Wash"
  wave->m_shadowOption = 0;
  wave->m_transpAmount = 0;
  const std::vector<CPointD> wavePoints = {
      {40, 250},  {80, 220},  {120, 280},  // crest, then trough
      {160, 250}, {200, 220}, {240, 280},
      {280, 250}, {320, 220}, {350, 270},
      {360, 262}, {360, 270}, {360, 270},  // right edge down to the floor
      {360, 270}, {200, 270}, {40, 270},   // along the floor
      {40, 270},  {40, 262},  {40, 255},   // back up to the start
  };
  wave->CreatePath(wavePoints, true);
  wave->m_name = "Wave";

  doc.CreateGroup({star, badge});
  doc.SetGuidelines({20, 200, 380}, {20, 150, 280}, 20);
  doc.m_notesAuthor = "Tessel";
  doc.m_notesProject = "Welcome";
  doc.m_notesVersion = "1";
  doc.m_notes = "A first look at shapes, bevels and effects.";
}

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

// Fills a 32-bit bitmap with a diagonal gradient and a small checker, opaque.
void PaintLayer(CDIBSection& bitmap, int width, int height) {
  bitmap.Create(width, height, 32);
  for (int y = 0; y < height; ++y) {
    uint8_t* p = bitmap.RowFromBottom(y);
    for (int x = 0; x < width; ++x, p += 4) {
      p[0] = uint8_t(x * 255 / width);
      p[1] = uint8_t(y * 255 / height);
      p[2] = uint8_t(((x / 4 + y / 4) & 1) ? 200 : 40);
      p[3] = 255;
    }
  }
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "tessel-make-samples: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

std::vector<uint8_t> Store(CVellumDoc& doc, bool compress) {
  CArchive ar;
  App().m_compressBitmaps = compress;
  WriteProject(ar, doc, false);
  return ar.TakeBuffer();
}

// Small projects that reach the different parts of the reader: an empty canvas, plain
// shapes, painted layers stored raw and packed, a lens flare, button frames, a package,
// groups with guidelines and notes, and an older version without the preview word.
bool WriteFuzzSeeds(const std::string& dir) {
  bool ok = true;
  {
    CVellumDoc doc;
    doc.m_width = 16;
    doc.m_height = 16;
    ok &= WriteBytes(dir + "/empty.tsl", Store(doc, false));
  }
  {
    CVellumDoc doc;
    doc.m_width = 64;
    doc.m_height = 48;
    doc.NewObject()->CreateRectangle(4, 4, 30, 20);
    CDrawObject* c = doc.NewObject();
    c->m_bevelType = 1;
    c->CreateCircle(20, 10, 50, 40);
    ok &= WriteBytes(dir + "/shapes.tsl", Store(doc, false));

    // The same document in the version 4 layout: magic "QUILLDA4" and no preview word.
    std::vector<uint8_t> v4 = Store(doc, false);
    const size_t magicEnd = 1 + std::strlen(kProjectMagic);
    v4[magicEnd - 1] = '4';
    v4.erase(v4.begin() + long(magicEnd), v4.begin() + long(magicEnd + 4));
    ok &= WriteBytes(dir + "/shapes_v4.tsl", v4);
  }
  {
    CVellumDoc doc;
    doc.m_width = 40;
    doc.m_height = 40;
    CDrawObject* o = doc.NewObject();
    o->CreateRoundRect(2, 2, 20, 20, 200);
    PaintLayer(o->m_layer, 12, 10);
    PaintLayer(o->m_paintTransp, 6, 6);
    ok &= WriteBytes(dir + "/layer_raw.tsl", Store(doc, false));
    ok &= WriteBytes(dir + "/layer_packed.tsl", Store(doc, true));
  }
  {
    CVellumDoc doc;
    doc.m_width = 32;
    doc.m_height = 32;
    CDrawObject* flare = doc.NewObject();
    flare->m_effect = kEffectLensFlare;
    flare->CreateCircle(0, 0, 16, 16);
    CDrawObject* button = doc.NewObject();
    button->CreateStar(10, 10, 30, 30, 6, 1.5);
    button->SetFrames(1, 1, 1, 0);
    button->m_color = Rgb(0, 255, 0);
    button->SetFrames(2, 1, 1, 0);
    button->m_color = Rgb(0, 0, 255);
    button->SetFrames(0, 1, 1, 0);
    ok &= WriteBytes(dir + "/flare_frames.tsl", Store(doc, false));
  }
  {
    CVellumDoc inner;
    inner.m_width = 8;
    inner.m_height = 8;
    inner.NewObject()->CreateRectangle(1, 1, 6, 6);
    const std::vector<uint8_t> innerBytes = Store(inner, false);

    CVellumDoc doc;
    doc.m_width = 48;
    doc.m_height = 48;
    CDrawObject* package = doc.NewObject();
    package->CreateRectangle(2, 2, 20, 20);
    package->SetPackageData(innerBytes);
    CDrawObject* path = doc.NewObject();
    path->CreatePath({{10, 10}, {20, 0}, {30, 20}, {40, 10}}, false);
    doc.CreateGroup({package, path});
    doc.SetGuidelines({5, 25}, {12}, 10);
    doc.m_notesRights = "(c) Tessel";
    doc.m_notes = "seed";
    doc.m_strings1 = {"one"};
    doc.m_strings2 = {"two", "three"};
    PaintLayer(doc.m_blueprint, 8, 8);
    ok &= WriteBytes(dir + "/package_groups.tsl", Store(doc, true));
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  CAppContext ctx;
  ctx.Random().seed(kIdentitySeed);

  if (argc == 3 && std::strcmp(argv[1], "--fuzz-seeds") == 0) return WriteFuzzSeeds(argv[2]) ? 0 : 1;
  if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
    std::fprintf(stderr, "usage: tessel-make-samples [SAMPLES_DIR]\n"
                         "       tessel-make-samples --fuzz-seeds DIR\n");
    return 2;
  }

  const std::string dir = argc == 2 ? argv[1] : TESSEL_SAMPLES_DIR;
  const std::pair<const char*, void (*)(CVellumDoc&)> samples[] = {{"Welcome.tsl", BuildWelcome},
                                                                    {"Lenses.tsl", BuildLenses}};
  for (const auto& [name, build] : samples) {
    CVellumDoc doc;
    build(doc);
    const std::string path = dir + "/" + name;
    if (!SaveProjectFile(doc, path)) {
      for (const std::string& m : static_cast<CRecordingMessages&>(App().Messages()).MessageTexts())
        std::fprintf(stderr, "tessel-make-samples: %s\n", m.c_str());
      return 1;
    }
    std::printf("%s: %d objects\n", path.c_str(), doc.ObjectCount());
  }
  return 0;
}
