// tessel-make-library: builds the starter styles, the "Basic" object library and the
// "Favourites" gene library shipped in data/.
//
//   tessel-make-library [DATA_DIR]         writes DATA_DIR/Styles/<tab>/StyleN.sty+.tmb,
//                                          DATA_DIR/Objects/Basic/ObjectN.obj+.tmb and
//                                          DATA_DIR/Favourites.dna
//                                          (default: data/ of the source tree)
//   tessel-make-library --gene-sheet DIR   rolls candidate Mutaflux genes and writes
//                                          them to DIR as one contact sheet and one PNG
//                                          each, printing their words, for picking
//
// Object identities come from a generator with a fixed seed, so the files are the same
// on every run.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/app_context.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "io/png_writer.h"
#include "library/object_library.h"
#include "library/style_library.h"
#include "mutaflux/gene_library.h"
#include "mutaflux/mutaflux_breeding.h"

using namespace tessel;

namespace {

constexpr uint32_t kIdentitySeed = 20240607;

constexpr COLORREF Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

// Bevel kinds, effect kinds and blend modes by their bar names.
enum Bevel { kNoBevel = 0, kSmooth = 1, kFlat = 2, kFramed = 3, kSaucer = 5, kFrame = 6, kOutlineBevel = 7,
             kBumpOut = 8, kFeather = 9, kHiLite = 11, kBall = 12, kBarrel = 14, kBacklight = 18, kLinearWash = 20 };
enum Effect { kNoEffect = 0, kDropShadow = 1, kSunShadow = 2, kGlow = 3, kHalo = 4, kInset = 5, kCutout = 6,
              kInsetShadow = 7, kDropGradient = 9 };
enum Outline { kSolidOutline = 1, kThickOutline = 2, kSoftOutline = 3 };
enum Blend { kNormal = 0, kMultiply = 1 };
enum TexMode { kTexNormal = 0, kTexMultiply = 1, kTexOverlay = 4, kTexSoftLight = 8, kTexTint = 12 };

using Look = std::function<void(CDrawObject&)>;

// ---- Look building blocks -------------------------------------------------------------

void Gradient(CDrawObject& o, COLORREF from, COLORREF to, int angle, const char* kind = "Linear Gradient.tmb") {
  o.m_color = from;
  o.m_color2 = to;
  o.m_textureName = kind;
  o.m_textureAmount = 255;
  o.m_gradientParam = angle;
}

void Texture(CDrawObject& o, const char* file, int mode, int amount) {
  o.m_textureName = file;
  o.m_textureParam1 = mode;
  o.m_textureAmount = amount;
}

void Bevel(CDrawObject& o, int type, int width, int depth, int angle = 135) {
  o.m_bevelType = type, o.m_bevelWidth = width, o.m_bevelParam1 = depth, o.m_bevelParam2 = angle;
}

void Shadow(CDrawObject& o, int kind, COLORREF colour, int distance, int angle, double softness, int opacity) {
  o.m_effect = kind, o.m_effectColor = colour, o.m_effectParam1 = distance, o.m_effectAngle = angle;
  o.SetEffectDistance(softness);
  o.m_effectParam2 = opacity;
  o.m_effectSoftness = std::max(10, int(softness) * 2 + distance);
}

void Outline(CDrawObject& o, int type, int width, COLORREF colour) {
  o.m_outlineType = type, o.m_outlineWidth = width, o.m_outlineColor2 = colour;
}

void Transparency(CDrawObject& o, const char* map, int amount, std::array<double, 6> geometry = {0.0, 1.0, 0.5, 0.5, 0.5, 0.0}) {
  o.m_transpName = map, o.m_transpAmount = amount, o.m_transpGeom = geometry;
}

CLight Light(int type, double azimuth, double elevation, double intensity, double x = 0.5, double y = 0.5) {
  CLight l;
  l.type = type, l.azimuth = azimuth, l.elevation = elevation, l.intensity = intensity, l.x = x, l.y = y;
  return l;
}

// Lights and material: shininess, ambient, diffuse, specular, reflection, highlight.
void Material(CDrawObject& o, double shininess, double ambient, double diffuse, double specular, double reflection,
              COLORREF light, COLORREF highlight, std::vector<CLight> lights, double relief = 1.0) {
  o.m_lightsOn = 1;
  CLightSet& s = o.m_lights;
  s.m_relief = relief, s.m_shininess = shininess, s.m_ambient = ambient, s.m_diffuse = diffuse;
  s.m_specular = specular, s.m_reflection = reflection, s.m_color1 = light, s.m_color2 = highlight;
  s.m_lights = std::move(lights);
}

// ---- Whole looks, shared by the library tabs and the objects ---------------------------

void Glass(CDrawObject& o) {
  Gradient(o, Rgb(120, 190, 255), Rgb(20, 70, 170), 90);
  Bevel(o, kHiLite, 14, 90);
  Transparency(o, "Linear.tmb", 110, {0.0, 1.0, 0.5, 1.0, 0.0, 0.0});
  o.m_opacity = 235;
  Shadow(o, kDropShadow, Rgb(10, 30, 80), 5, 45, 6.0, 120);
}
void Chrome(CDrawObject& o) {
  // A mirror-like sweep from light to dark; chrome gets its shine from the lights.
  Gradient(o, Rgb(236, 240, 246), Rgb(52, 58, 72), 70);
  Bevel(o, kSmooth, 12, 100, 120);
  Material(o, 60, 0.25, 0.8, 1.0, 0.4, Rgb(255, 255, 255), Rgb(255, 255, 255), {Light(CLight::kDistant, 120, 1.2, 1.0)});
  Shadow(o, kDropShadow, Rgb(0, 0, 0), 4, 45, 4.0, 140);
}
void Gold(CDrawObject& o) {
  Gradient(o, Rgb(255, 236, 140), Rgb(170, 110, 20), 60);
  Bevel(o, kSmooth, 10, 95, 135);
  Material(o, 40, 0.3, 0.9, 0.9, 0.2, Rgb(255, 244, 214), Rgb(255, 250, 220), {Light(CLight::kDistant, 135, 1.0, 1.0)});
  Outline(o, kSolidOutline, 2, Rgb(120, 75, 10));
  Shadow(o, kDropShadow, Rgb(60, 40, 0), 4, 45, 5.0, 130);
}
void Plastic(CDrawObject& o, COLORREF colour) {
  o.m_color = colour;
  Bevel(o, kSmooth, 16, 85, 135);
  Material(o, 20, 0.35, 1.0, 0.6, 0.0, Rgb(255, 255, 255), Rgb(255, 255, 255), {Light(CLight::kDistant, 135, 1.0, 1.0)});
  Shadow(o, kDropShadow, Rgb(0, 0, 0), 5, 45, 5.0, 110);
}
void EmbossedPaper(CDrawObject& o) {
  o.m_color = Rgb(244, 238, 222);
  Texture(o, "Paper.png", kTexMultiply, 200);
  Bevel(o, kFramed, 6, 60, 135);
  o.m_bumpName = "Weave.png", o.m_bumpAmount = 90;
  Shadow(o, kDropShadow, Rgb(80, 60, 30), 3, 45, 3.0, 90);
}
void SoftShadowCard(CDrawObject& o) {
  Gradient(o, Rgb(238, 244, 252), Rgb(196, 212, 236), 90);
  Bevel(o, kFeather, 4, 40);
  Shadow(o, kDropShadow, Rgb(20, 30, 50), 8, 60, 12.0, 110);
}
void Neon(CDrawObject& o, COLORREF core, COLORREF glow) {
  o.m_color = core;
  Outline(o, kSoftOutline, 8, glow);
  o.m_outlineColor = glow;
  Bevel(o, kHiLite, 6, 70);
  Shadow(o, kGlow, glow, 0, 0, 9.0, 230);
}
void Jelly(CDrawObject& o, COLORREF colour) {
  o.m_color = colour;
  Gradient(o, colour, Rgb(255, 255, 255), 270, "Radial Gradient.tmb");
  o.m_textureAmount = 120;
  Bevel(o, kBall, 24, 95, 135);
  Transparency(o, "Radial.tmb", 60, {0.5, 1.0, 0.5, 0.5, 0.5, 0.0});
  Shadow(o, kDropShadow, colour, 6, 60, 8.0, 120);
}
void Stone(CDrawObject& o, const char* texture) {
  o.m_color = Rgb(150, 150, 150);
  Texture(o, texture, kTexNormal, 255);
  Bevel(o, kFlat, 10, 80);
  o.m_bumpName = "Cracks.png", o.m_bumpAmount = 120;
  Material(o, 8, 0.35, 1.0, 0.15, 0.0, Rgb(255, 250, 240), Rgb(255, 255, 255), {Light(CLight::kDistant, 135, 0.8, 1.0)}, 1.5);
  Shadow(o, kDropShadow, Rgb(0, 0, 0), 6, 45, 4.0, 150);
}
void Surfaced(CDrawObject& o, const char* texture, const char* skin, COLORREF colour, int bevel) {
  o.m_color = colour;
  Texture(o, texture, kTexMultiply, 255);
  o.m_surfaceName = skin, o.m_surfaceAmount = 160;
  Bevel(o, bevel, 12, 80);
  Shadow(o, kDropShadow, Rgb(0, 0, 0), 5, 45, 5.0, 130);
}

// ---- The eight tabs --------------------------------------------------------------------

struct StyleDef {
  Look look;
  bool text = false;  // stored as a text object: sets the text defaults when nothing is selected
};

std::vector<StyleDef> TextureStyles() {
  return {
      {[](CDrawObject& o) { Gradient(o, Rgb(255, 236, 140), Rgb(170, 110, 20), 60); }},
      {[](CDrawObject& o) { o.m_color = Rgb(150, 156, 168); Texture(o, "Brushed Metal.png", kTexOverlay, 255); }},
      {[](CDrawObject& o) { o.m_color = Rgb(255, 255, 255); Texture(o, "Marble.png", kTexNormal, 255); }},
      {[](CDrawObject& o) { o.m_color = Rgb(205, 140, 80); Texture(o, "Wood.png", kTexMultiply, 255); }},
      {[](CDrawObject& o) { Gradient(o, Rgb(140, 210, 255), Rgb(10, 50, 150), 0, "Radial Gradient.tmb"); }},
      {[](CDrawObject& o) { Gradient(o, Rgb(255, 220, 60), Rgb(230, 40, 90), 0, "Burst Gradient.tmb"); }},
      {[](CDrawObject& o) { o.m_color = Rgb(60, 90, 160); o.m_color2 = Rgb(40, 70, 190); Texture(o, "Fabric.png", kTexTint, 255); }},
      {[](CDrawObject& o) { o.m_color = Rgb(180, 90, 50); Texture(o, "Rust.png", kTexSoftLight, 255); }},
      {[](CDrawObject& o) { o.m_mutafluxIndex = 1 + 4; o.m_mutafluxParam = {0x8A40C0, 0x30D070, 0x90A0}; }},
  };
}

std::vector<StyleDef> TranspStyles() {
  return {
      {[](CDrawObject& o) { Transparency(o, "Linear.tmb", 255); }},
      {[](CDrawObject& o) { Transparency(o, "Linear.tmb", 255, {0.5, 0.5, 0.5, 1.0, 0.0, 0.0}); }},
      {[](CDrawObject& o) { Transparency(o, "Radial.tmb", 255, {0.5, 1.0, 0.5, 0.5, 0.5, 0.0}); }},
      {[](CDrawObject& o) { Transparency(o, "Radial.tmb", 255, {0.5, 1.0, 0.7, 0.5, 0.5, 0.0}); o.m_layerTranspMode = 1; }},
      {[](CDrawObject& o) { Transparency(o, "Clouds.png", 220); }},
      {[](CDrawObject& o) { Transparency(o, "Halftone.png", 255); }},
      {[](CDrawObject& o) { Transparency(o, "Soft Stripes.png", 200); }},
      {[](CDrawObject& o) { Transparency(o, "Waves.png", 180); o.m_transpMode = 0; }},
      {[](CDrawObject& o) { Transparency(o, "Bilinear.tmb", 160); o.m_shadowOption = kMultiply; }},
  };
}

std::vector<StyleDef> BevelStyles() {
  return {
      {[](CDrawObject& o) { Bevel(o, kSmooth, 10, 75); }},     {[](CDrawObject& o) { Bevel(o, kFlat, 8, 80); }},
      {[](CDrawObject& o) { Bevel(o, kFramed, 8, 70); }},      {[](CDrawObject& o) { Bevel(o, kSaucer, 14, 80); }},
      {[](CDrawObject& o) { Bevel(o, kHiLite, 14, 90); }},     {[](CDrawObject& o) { Bevel(o, kBall, 30, 95, 120); }},
      {[](CDrawObject& o) { Bevel(o, kOutlineBevel, 18, 80); }}, {[](CDrawObject& o) { Bevel(o, kBarrel, 20, 85); }},
      {[](CDrawObject& o) { Bevel(o, kFeather, 8, 60); }},
  };
}

std::vector<StyleDef> EffectStyles() {
  return {
      {[](CDrawObject& o) { Shadow(o, kDropShadow, Rgb(0, 0, 0), 6, 45, 6.0, 130); }},
      {[](CDrawObject& o) { Shadow(o, kDropShadow, Rgb(20, 30, 50), 10, 60, 14.0, 100); }},
      {[](CDrawObject& o) { Shadow(o, kDropShadow, Rgb(0, 0, 0), 3, 45, 1.0, 200); }},
      {[](CDrawObject& o) { Shadow(o, kGlow, Rgb(255, 230, 90), 0, 0, 8.0, 230); }},
      {[](CDrawObject& o) { Shadow(o, kGlow, Rgb(0, 240, 255), 0, 0, 10.0, 255); }},
      {[](CDrawObject& o) { Shadow(o, kHalo, Rgb(255, 255, 255), 0, 0, 6.0, 220); }},
      {[](CDrawObject& o) { Shadow(o, kInset, Rgb(0, 0, 0), 4, 45, 4.0, 160); }},
      {[](CDrawObject& o) { Shadow(o, kCutout, Rgb(0, 0, 0), 3, 45, 5.0, 170); }},
      {[](CDrawObject& o) { Shadow(o, kSunShadow, Rgb(30, 20, 10), 12, 30, 7.0, 110); }},
  };
}

std::vector<StyleDef> LightStyles() {
  const COLORREF white = Rgb(255, 255, 255);
  return {
      {[=](CDrawObject& o) { Material(o, 20, 0.35, 1.0, 0.6, 0.0, white, white, {Light(CLight::kDistant, 135, 1.0, 1.0)}); }},
      {[=](CDrawObject& o) { Material(o, 60, 0.25, 0.8, 1.0, 0.4, white, white, {Light(CLight::kDistant, 120, 1.2, 1.0)}); }},
      {[=](CDrawObject& o) { Material(o, 4, 0.4, 1.0, 0.05, 0.0, white, white, {Light(CLight::kDistant, 135, 0.8, 1.0)}); }},
      {[=](CDrawObject& o) {
        CLight spot = Light(CLight::kSpot, 135, 1.0, 1.2, 0.3, 0.7);
        spot.cone = 0.6, spot.focus = 4.0;
        Material(o, 30, 0.1, 1.0, 0.7, 0.0, white, white, {spot});
      }},
      {[=](CDrawObject& o) {
        Material(o, 25, 0.2, 0.9, 0.6, 0.0, white, white,
                 {Light(CLight::kDistant, 135, 1.0, 0.8), Light(CLight::kDistant, 315, 0.6, 0.4)});
        o.m_lights.m_color1 = Rgb(255, 214, 170);
      }},
      {[=](CDrawObject& o) {
        Material(o, 45, 0.3, 0.8, 0.8, 0.1, Rgb(190, 220, 255), white, {Light(CLight::kPoint, 135, 1.5, 1.0, 0.35, 0.65)});
      }},
      {[=](CDrawObject& o) {
        Material(o, 15, 0.3, 1.0, 0.4, 0.0, white, white, {Light(CLight::kDistant, 135, 1.0, 1.0)}, 2.5);
        o.m_bumpName = "Hammered.png", o.m_bumpAmount = 160;
      }},
  };
}

std::vector<StyleDef> LibraryAStyles() {
  return {
      {Glass}, {Chrome}, {Gold}, {[](CDrawObject& o) { Plastic(o, Rgb(220, 40, 40)); }}, {EmbossedPaper},
      {SoftShadowCard}, {[](CDrawObject& o) { Neon(o, Rgb(255, 120, 230), Rgb(255, 40, 200)); }},
      {[](CDrawObject& o) { Surfaced(o, "Wood.png", "Linen.png", Rgb(210, 150, 90), kFlat); }},
  };
}

std::vector<StyleDef> LibraryBStyles() {
  return {
      {[](CDrawObject& o) { Jelly(o, Rgb(60, 200, 90)); }}, {[](CDrawObject& o) { Jelly(o, Rgb(250, 120, 30)); }},
      {[](CDrawObject& o) { Stone(o, "Granite.png"); }}, {[](CDrawObject& o) { Stone(o, "Stone.png"); }},
      {[](CDrawObject& o) { Surfaced(o, "Leather.png", "Leather Grain.png", Rgb(140, 80, 40), kSmooth); }},
      {[](CDrawObject& o) { Neon(o, Rgb(90, 235, 255), Rgb(0, 220, 255)); }},
      {[](CDrawObject& o) {
        Gradient(o, Rgb(190, 230, 255), Rgb(30, 110, 200), 270, "Radial Gradient.tmb");
        Texture(o, "Water.png", kTexOverlay, 140);
        Bevel(o, kBall, 26, 100);
        Shadow(o, kDropShadow, Rgb(0, 40, 90), 6, 45, 6.0, 110);
      }},
      {[](CDrawObject& o) { Surfaced(o, "Rust.png", "Concrete.png", Rgb(170, 90, 50), kFramed); }},
  };
}

std::vector<StyleDef> UserStyles() {
  return {
      {[](CDrawObject& o) { Plastic(o, Rgb(40, 110, 220)); }},
      {[](CDrawObject& o) { Plastic(o, Rgb(250, 200, 30)); }},
      {[](CDrawObject& o) { o.m_color = Rgb(255, 232, 170); Outline(o, kSolidOutline, 3, Rgb(30, 30, 30)); }},
      {[](CDrawObject& o) {
        Gradient(o, Rgb(255, 120, 80), Rgb(140, 40, 160), 45);
        o.m_outlineParam0 = 1, o.m_outlineType = kThickOutline, o.m_outlineWidth = 6;
        o.m_outlineColor2 = Rgb(255, 230, 0), o.m_outlineColor = Rgb(255, 255, 255), o.m_outlineColor3 = Rgb(255, 0, 120);
      }},
      {[](CDrawObject& o) { Gold(o); }, true},
      {[](CDrawObject& o) { Chrome(o); }, true},
      {[](CDrawObject& o) { Neon(o, Rgb(150, 255, 90), Rgb(120, 255, 60)); }, true},
  };
}

// The object each style is stored on: a rounded panel, or a word of text.
void StyleShape(CDrawObject& o, bool text) {
  if (text) {
    CLogFont font = o.m_font;
    font.weight = 700;
    o.m_left = 10, o.m_top = 10;
    if (o.CreateText("Aa", font, 56.0)) return;
  }
  o.CreateRoundRect(20, 20, 100, 80, 300);
}

int WriteStyles(const std::string& root) {
  const std::vector<StyleDef> tabs[kStyleTabCount] = {TextureStyles(), TranspStyles(), BevelStyles(), EffectStyles(),
                                                      LightStyles(), LibraryAStyles(), LibraryBStyles(), UserStyles()};
  int written = 0;
  for (int tab = 0; tab < kStyleTabCount; ++tab) {
    const CStyleFolder folder(root + "/" + kStyleTabs[tab].folder);
    std::filesystem::remove_all(folder.Path());
    int n = 0;
    for (const StyleDef& def : tabs[tab]) {
      CDrawObject o;
      // The panel itself is a soft slate blue so that groups without colour still show.
      o.m_color = Rgb(90, 130, 190);
      def.look(o);
      StyleShape(o, def.text);
      std::string error;
      if (!folder.Write(++n, o, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return -1;
      }
      ++written;
    }
  }
  return written;
}

// ---- The Basic object library ----------------------------------------------------------

using Points = std::vector<CPointD>;

// A closed path through the corners with each corner rounded by radius r. Every corner
// gives two segments as (anchor, outgoing control, incoming control of the next anchor)
// triples: the quarter arc from where the corner's rounding starts to where it ends,
// then the straight edge to the start of the next corner's rounding.
Points RoundedPolygon(const Points& corners, double r) {
  constexpr double kArc = 0.55;  // control distance of a quarter circle, as a fraction of r
  const size_t n = corners.size();
  std::vector<CPointD> starts(n), ends(n), startCtrl(n), endCtrl(n);
  for (size_t i = 0; i < n; ++i) {
    const CPointD& c = corners[i];
    auto toward = [&](const CPointD& p) {
      const double len = std::hypot(p.x - c.x, p.y - c.y);
      const double t = len > 0 ? std::min(r, len / 2) / len : 0;
      return CPointD{c.x + (p.x - c.x) * t, c.y + (p.y - c.y) * t};
    };
    starts[i] = toward(corners[(i + n - 1) % n]);
    ends[i] = toward(corners[(i + 1) % n]);
    startCtrl[i] = {starts[i].x + (c.x - starts[i].x) * kArc, starts[i].y + (c.y - starts[i].y) * kArc};
    endCtrl[i] = {ends[i].x + (c.x - ends[i].x) * kArc, ends[i].y + (c.y - ends[i].y) * kArc};
  }
  Points triples;
  for (size_t i = 0; i < n; ++i) {
    triples.insert(triples.end(), {starts[i], startCtrl[i], endCtrl[i]});
    triples.insert(triples.end(), {ends[i], ends[i], starts[(i + 1) % n]});
  }
  return triples;
}

Points Translate(Points points, double dx, double dy, double scale = 1.0) {
  for (CPointD& p : points) p = {p.x * scale + dx, p.y * scale + dy};
  return points;
}

struct ObjectDef {
  const char* name;
  std::function<void(CDrawObject&)> build;
};

std::vector<ObjectDef> BasicObjects() {
  const Points rightArrow = {{0, 30}, {70, 30}, {70, 0}, {120, 50}, {70, 100}, {70, 70}, {0, 70}};
  const Points doubleArrow = {{0, 50}, {40, 0}, {40, 30}, {120, 30}, {120, 0}, {160, 50}, {120, 100}, {120, 70}, {40, 70}, {40, 100}};
  const Points chevron = {{0, 0}, {60, 0}, {110, 50}, {60, 100}, {0, 100}, {50, 50}};
  const Points bubble = {{0, 0}, {160, 0}, {160, 90}, {70, 90}, {35, 125}, {42, 90}, {0, 90}};
  const Points ribbon = {{0, 0}, {200, 0}, {180, 30}, {200, 60}, {0, 60}, {20, 30}};
  const Points tag = {{0, 25}, {30, 0}, {140, 0}, {140, 50}, {30, 50}};
  const Points check = {{0, 55}, {22, 33}, {45, 56}, {100, 0}, {122, 22}, {45, 100}};
  return {
      {"Arrow Right", [=](CDrawObject& o) { Plastic(o, Rgb(40, 120, 230)); o.CreatePath(Translate(RoundedPolygon(rightArrow, 6), 20, 20), true); }},
      {"Arrow Both Ways", [=](CDrawObject& o) { Plastic(o, Rgb(250, 140, 30)); o.CreatePath(Translate(RoundedPolygon(doubleArrow, 5), 20, 20), true); }},
      {"Chevron", [=](CDrawObject& o) { Glass(o); o.CreatePath(Translate(RoundedPolygon(chevron, 6), 20, 20), true); }},
      {"Gold Badge", [](CDrawObject& o) { Gold(o); o.m_bevelType = kFramed; o.CreateCircle(20, 20, 140, 140); }},
      {"Seal", [](CDrawObject& o) { Plastic(o, Rgb(200, 30, 40)); Bevel(o, kHiLite, 10, 90); o.CreateStar(20, 20, 150, 150, 18, 1.15); }},
      {"Star Burst", [](CDrawObject& o) {
         Gradient(o, Rgb(255, 245, 120), Rgb(255, 120, 0), 0, "Burst Gradient.tmb");
         Bevel(o, kSmooth, 6, 70);
         Shadow(o, kGlow, Rgb(255, 210, 60), 0, 0, 8.0, 220);
         o.CreateStar(20, 20, 180, 180, 14, 1.8);
       }},
      {"Glossy Button", [](CDrawObject& o) { Glass(o); o.CreateRoundRect(20, 20, 160, 90, 400); }},
      {"Pill Button", [](CDrawObject& o) { Jelly(o, Rgb(60, 190, 80)); o.CreateRoundRect(20, 20, 170, 90, 1000); }},
      {"Speech Bubble", [=](CDrawObject& o) {
         SoftShadowCard(o);
         Gradient(o, Rgb(255, 252, 225), Rgb(250, 225, 140), 90);
         Outline(o, kSolidOutline, 2, Rgb(60, 70, 90));
         o.CreatePath(Translate(RoundedPolygon(bubble, 10), 20, 20), true);
       }},
      {"Ribbon Banner", [=](CDrawObject& o) { Plastic(o, Rgb(190, 20, 50)); Bevel(o, kFlat, 6, 70); o.CreatePath(Translate(RoundedPolygon(ribbon, 3), 20, 20), true); }},
      {"Price Tag", [=](CDrawObject& o) { Surfaced(o, "Paper.png", "Canvas.png", Rgb(240, 220, 160), kSmooth); o.CreatePath(Translate(RoundedPolygon(tag, 4), 20, 20), true); }},
      {"Check Mark", [=](CDrawObject& o) { Plastic(o, Rgb(40, 180, 70)); o.CreatePath(Translate(RoundedPolygon(check, 5), 20, 20), true); }},
      {"Chrome Panel", [](CDrawObject& o) { Chrome(o); o.CreateRoundRect(20, 20, 220, 120, 120); }},
  };
}

int WriteObjects(const std::string& root) {
  const std::string folder = root + "/Basic";
  std::filesystem::remove_all(folder);
  const CObjectLibrary library(folder);
  int n = 0;
  for (const ObjectDef& def : BasicObjects()) {
    CDrawObject o;
    def.build(o);
    o.m_name = def.name;
    std::string error;
    if (library.Add(o, &error) != ++n) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return -1;
    }
  }
  return n;
}

// ---- Genes -----------------------------------------------------------------------------

struct GeneDef {
  const char* name;
  CMutafluxWords words;  // C carries the gene in bits 16-23
};

// Picked by eye from the contact sheet of --gene-sheet.
const std::vector<GeneDef> kFavouriteGenes = {
    {"Blue Lotus", {0x218043, 0xA7434D, 0x00C342}},   {"Rose Window", {0x7994F2, 0x6504C9, 0x000FF6}},
    {"Aurora", {0xE7ABCE, 0x99DF33, 0x02A5F7}},       {"Sunflower", {0x7DE6FB, 0x06D00E, 0x00DB2F}},
    {"Blossom", {0xD76DAD, 0xFF0BFC, 0x004472}},      {"Ribbons", {0x897F12, 0x415682, 0x03E358}},
    {"Tiger Swirl", {0x10F822, 0x729AE4, 0x050048}},  {"Golden Lace", {0xC15F81, 0x400E80, 0x038F4A}},
    {"Violet Vortex", {0x3F187E, 0x911B21, 0x04B65D}}, {"Ripples", {0x2C1C58, 0xC21583, 0x001A1A}},
    {"Fish Scales", {0xDD5DB9, 0x108621, 0x0394A5}},  {"Ocean Swirl", {0xE43FC7, 0x093412, 0x06825B}},
    {"Red Waves", {0x43AA87, 0xA7754E, 0x031C26}},    {"Peppermint", {0x96C72C, 0xCFE99E, 0x05E2BD}},
};

bool WriteGenes(const std::string& dataDir) {
  std::vector<std::string> entries = {kGeneLibraryBack};
  for (const GeneDef& g : kFavouriteGenes) entries.push_back(FormatGeneEntry(g.name, g.words));
  std::string error;
  if (WriteGeneLibrary(dataDir + "/Favourites.dna", entries, &error)) return true;
  std::fprintf(stderr, "%s\n", error.c_str());
  return false;
}

// Rolls candidates with the breeding dialog's own roll and writes a contact sheet of
// 140 x 100 previews, eight to a row, numbered from the top-left.
int WriteGeneSheet(const std::string& dir) {
  constexpr int kRounds = 8, kPerRow = 8, kW = 140, kH = 100, kGap = 4;
  std::filesystem::create_directories(dir);
  CMutafluxBreeder breeder(kIdentitySeed);
  const int count = kRounds * CMutafluxBreeder::kVariantCount;
  CDIBSection sheet;
  sheet.Create(kPerRow * (kW + kGap), (count / kPerRow) * (kH + kGap), 32);
  int index = 0;
  for (int round = 0; round < kRounds; ++round) {
    breeder.Roll();
    for (int i = 0; i < CMutafluxBreeder::kVariantCount; ++i, ++index) {
      const CMutafluxPattern& p = breeder.Variant(i);
      const CDIBSection preview = MutafluxPreview(p, kW, kH);
      const int x0 = (index % kPerRow) * (kW + kGap), y0 = (index / kPerRow) * (kH + kGap);
      for (int y = 0; y < kH; ++y)
        std::memcpy(sheet.RowFromTop(y0 + y) + 4 * x0, preview.RowFromTop(y), size_t(kW) * 4);
      const CMutafluxWords w = p.Words(true);
      std::printf("%2d gene %2d  {0x%06X, 0x%06X, 0x%06X}\n", index, p.gene, w.a, w.b, w.c);
    }
  }
  std::string error;
  if (!WritePngBgra(dir + "/genes.png", sheet, false, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CAppContext app(std::make_unique<CProfile>(), std::make_unique<CStderrMessages>(true), AppPaths());
  app.Random().seed(kIdentitySeed);
  if (argc == 3 && std::strcmp(argv[1], "--gene-sheet") == 0) return WriteGeneSheet(argv[2]);
  const std::string data = argc > 1 ? argv[1] : TESSEL_DATA_DIR;
  // Textures, maps and skins are looked up in the data folder being filled.
  CAppContext withData(std::make_unique<CProfile>(), std::make_unique<CStderrMessages>(true), AppPaths(data, ""));
  withData.Random().seed(kIdentitySeed);
  const int styles = WriteStyles(data + "/Styles");
  const int objects = styles < 0 ? -1 : WriteObjects(data + "/Objects");
  if (objects < 0 || !WriteGenes(data)) return 1;
  std::printf("%d styles, %d objects, %zu genes written to %s\n", styles, objects, kFavouriteGenes.size(), data.c_str());
  return 0;
}
