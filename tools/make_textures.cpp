// tessel-make-textures: draws the starter textures, transparency maps, surface skins and
// bump maps shipped in the program folder, all from seeded procedural noise.
//
//   tessel-make-textures [DATA_DIR]     writes DATA_DIR/Textures, Transp, Surface, Bumpmap
//                                       (default: data/ of the source tree)
//
// Every picture tiles seamlessly (the noise lattices wrap at the picture's edge, and
// stripes and cells come in whole numbers per picture), because textures and maps are
// repeated over the object's box. The same seed gives the same files on every run.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/dib_section.h"
#include "io/png_writer.h"

using namespace tessel;

namespace {

constexpr uint32_t kSeed = 0x7e55e1u;
constexpr double kTwoPi = 6.283185307179586;

// ---- Seeded, periodic noise -----------------------------------------------------------

// A 32-bit integer hash (the finaliser of MurmurHash3) of a lattice point.
uint32_t Hash(int x, int y, uint32_t seed) {
  uint32_t h = seed ^ (uint32_t(x) * 0x9E3779B1u) ^ (uint32_t(y) * 0x85EBCA77u);
  h ^= h >> 16;
  h *= 0x85EBCA6Bu;
  h ^= h >> 13;
  h *= 0xC2B2AE35u;
  h ^= h >> 16;
  return h;
}
double Unit(uint32_t h) { return (h & 0xFFFFFF) / double(0x1000000); }
int Wrap(int i, int n) { return ((i % n) + n) % n; }
double Smooth(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }
double Frac(double v) { return v - std::floor(v); }

// Value noise on a lattice of periodX × periodY cells over the unit square, 0..1.
double ValueNoise(double u, double v, int periodX, int periodY, uint32_t seed) {
  const double x = u * periodX, y = v * periodY;
  const int ix = int(std::floor(x)), iy = int(std::floor(y));
  const double fx = Smooth(x - ix), fy = Smooth(y - iy);
  auto at = [&](int dx, int dy) { return Unit(Hash(Wrap(ix + dx, periodX), Wrap(iy + dy, periodY), seed)); };
  const double a = at(0, 0) + (at(1, 0) - at(0, 0)) * fx;
  const double b = at(0, 1) + (at(1, 1) - at(0, 1)) * fx;
  return a + (b - a) * fy;
}

// Fractal sum of octaves, each twice the frequency and gain times the weight, 0..1.
double Fbm(double u, double v, int periodX, int periodY, int octaves, uint32_t seed, double gain = 0.5) {
  double sum = 0, weight = 1, total = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += weight * ValueNoise(u, v, periodX << o, periodY << o, seed + uint32_t(o) * 1013u);
    total += weight;
    weight *= gain;
  }
  return sum / total;
}

// Turbulence: the fractal sum of |2n − 1|, 0..1.
double Turbulence(double u, double v, int period, int octaves, uint32_t seed) {
  double sum = 0, weight = 1, total = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += weight * std::fabs(2 * ValueNoise(u, v, period << o, period << o, seed + uint32_t(o) * 7919u) - 1);
    total += weight;
    weight *= 0.5;
  }
  return sum / total;
}

// Cellular noise: one jittered point per cell of a period × period grid; the distances
// (in cell units) to the nearest and the second nearest point, and the nearest cell's id.
struct CCells {
  double f1, f2;
  uint32_t id;
};
CCells Cells(double u, double v, int period, uint32_t seed) {
  const double x = u * period, y = v * period;
  const int ix = int(std::floor(x)), iy = int(std::floor(y));
  CCells c{9, 9, 0};
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const int cx = Wrap(ix + dx, period), cy = Wrap(iy + dy, period);
      const uint32_t h = Hash(cx, cy, seed);
      const double px = ix + dx + Unit(h), py = iy + dy + Unit(Hash(cx, cy, seed ^ 0xABCDu));
      const double d = std::hypot(px - x, py - y);
      if (d < c.f1) {
        c.f2 = c.f1;
        c.f1 = d;
        c.id = h;
      } else if (d < c.f2) {
        c.f2 = d;
      }
    }
  return c;
}

// ---- Colour helpers ---------------------------------------------------------------------

struct CColour {
  double r, g, b;
};
CColour Mix(const CColour& a, const CColour& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
CColour Grey(double v) { return {v, v, v}; }
CColour Scale(const CColour& c, double k) { return {c.r * k, c.g * k, c.b * k}; }

using Painter = std::function<CColour(double u, double v)>;

// Paints size × size pixels (u, v in 0..1 at pixel centres) and writes an opaque PNG.
bool Write(const std::filesystem::path& path, int size, const Painter& paint) {
  CDIBSection bmp;
  if (!bmp.Create(size, size, 32)) return false;
  for (int y = 0; y < size; ++y) {
    uint8_t* p = bmp.RowFromTop(y);
    for (int x = 0; x < size; ++x, p += 4) {
      const CColour c = paint((x + 0.5) / size, (y + 0.5) / size);
      p[0] = uint8_t(std::clamp(c.b, 0.0, 255.0));
      p[1] = uint8_t(std::clamp(c.g, 0.0, 255.0));
      p[2] = uint8_t(std::clamp(c.r, 0.0, 255.0));
      p[3] = 255;
    }
  }
  std::string error;
  if (!WritePngBgra(path.string(), bmp, false, &error)) {
    std::fprintf(stderr, "%s: %s\n", path.string().c_str(), error.c_str());
    return false;
  }
  return true;
}

struct CItem {
  const char* name;
  int size;
  Painter paint;
};

// ---- Textures ---------------------------------------------------------------------------

std::vector<CItem> Textures() {
  return {
      {"Wood.png", 256,
       [](double u, double v) {
         // Rings across v, bent by low noise; fine grain along u.
         const double warp = Fbm(u, v, 2, 4, 3, kSeed + 1) * 1.6;
         const double ring = 0.5 + 0.5 * std::sin(kTwoPi * (v * 9 + warp));
         const double grain = Fbm(u, v, 4, 64, 2, kSeed + 2);
         const CColour c = Mix({120, 72, 38}, {196, 142, 88}, std::pow(ring, 0.6));
         return Scale(c, 0.85 + 0.3 * grain);
       }},
      {"Marble.png", 256,
       [](double u, double v) {
         // Thin dark veins where a turbulent sine crosses zero, over a faint grey cloud.
         const double t = Turbulence(u, v, 2, 5, kSeed + 3);
         const double vein = std::fabs(std::sin(kTwoPi * (u + v + t * 1.2)));
         const double cloud = Fbm(u, v, 4, 4, 3, kSeed + 25);
         return Scale(Mix({80, 84, 92}, {240, 238, 234}, std::pow(vein, 0.22)), 0.9 + 0.1 * cloud);
       }},
      {"Brushed Metal.png", 128,
       [](double u, double v) {
         // Streaks: many noise cells down, few across.
         const double streak = Fbm(u, v, 2, 128, 3, kSeed + 4, 0.6);
         const double sheen = 0.5 + 0.5 * std::cos(kTwoPi * u);
         return Grey(150 + 60 * streak + 22 * sheen);
       }},
      {"Fabric.png", 128,
       [](double u, double v) {
         // Over-and-under weave of 16 threads each way.
         const double wu = 0.5 + 0.5 * std::sin(kTwoPi * u * 16 * 2), wv = 0.5 + 0.5 * std::sin(kTwoPi * v * 16 * 2);
         const bool over = (int(u * 16) + int(v * 16)) % 2 == 0;
         const double thread = over ? wv : wu;
         const double fuzz = Fbm(u, v, 32, 32, 2, kSeed + 5);
         return Scale(Mix({40, 60, 120}, {90, 120, 190}, thread), 0.8 + 0.35 * fuzz);
       }},
      {"Paper.png", 256,
       [](double u, double v) {
         const double fibre = Fbm(u, v, 64, 16, 2, kSeed + 6);
         const double cloud = Fbm(u, v, 4, 4, 4, kSeed + 7);
         return Scale({246, 240, 224}, 0.9 + 0.06 * fibre + 0.05 * cloud);
       }},
      {"Stone.png", 128,
       [](double u, double v) {
         const CCells c = Cells(u, v, 6, kSeed + 8);
         const double tone = 0.75 + 0.25 * Unit(c.id);
         const double rough = Fbm(u, v, 8, 8, 4, kSeed + 9);
         const double seam = std::clamp((c.f2 - c.f1) * 6, 0.0, 1.0);
         return Scale(Grey(150 * tone + 70 * rough), 0.45 + 0.55 * seam);
       }},
      {"Noise.png", 128,
       [](double u, double v) {
         return CColour{255 * Fbm(u, v, 64, 64, 1, kSeed + 10), 255 * Fbm(u, v, 64, 64, 1, kSeed + 11),
                        255 * Fbm(u, v, 64, 64, 1, kSeed + 12)};
       }},
      {"Clouds.png", 256,
       [](double u, double v) {
         const double n = Fbm(u, v, 4, 4, 6, kSeed + 13);
         return Mix({70, 130, 210}, {250, 250, 252}, (n - 0.35) * 2.2);
       }},
      {"Granite.png", 128,
       [](double u, double v) {
         const double base = Fbm(u, v, 16, 16, 3, kSeed + 14);
         const double fleck = ValueNoise(u, v, 64, 64, kSeed + 15);
         CColour c = Mix({70, 62, 66}, {190, 170, 165}, base);
         if (fleck > 0.82) c = {30, 28, 30};
         if (fleck < 0.12) c = {225, 190, 180};
         return c;
       }},
      {"Rust.png", 128,
       [](double u, double v) {
         const double n = Fbm(u, v, 8, 8, 5, kSeed + 16);
         const double pit = Fbm(u, v, 16, 16, 2, kSeed + 17);
         const CColour c = Mix({96, 40, 18}, {200, 104, 40}, n * 1.4 - 0.2);
         return pit > 0.7 ? Scale(c, 0.55) : c;
       }},
      {"Leather.png", 128,
       [](double u, double v) {
         const CCells c = Cells(u, v, 12, kSeed + 18);
         const double crease = std::clamp((c.f2 - c.f1) * 4, 0.0, 1.0);
         const double n = Fbm(u, v, 8, 8, 3, kSeed + 19);
         return Scale(Mix({70, 38, 20}, {140, 82, 46}, n), 0.6 + 0.4 * crease);
       }},
      {"Water.png", 256,
       [](double u, double v) {
         const double t = Turbulence(u, v, 4, 4, kSeed + 20);
         const double caustic = std::pow(1 - std::fabs(std::sin(kTwoPi * (u + v * 2 + t))), 6);
         return Mix({20, 80, 150}, {170, 225, 250}, 0.2 + 0.8 * caustic);
       }},
      {"Bricks.png", 256,
       [](double u, double v) {
         // 4 rows of 2 bricks, every other row shifted by half a brick.
         const double row = v * 4;
         const int r = int(row);
         const double col = u * 2 + (r % 2) * 0.5;
         const double fx = Frac(col), fy = Frac(row);
         const bool mortar = fx < 0.03 || fx > 0.97 || fy < 0.06 || fy > 0.94;
         const double n = Fbm(u, v, 16, 16, 3, kSeed + 21);
         if (mortar) return Grey(170 + 40 * n);
         const double tint = Unit(Hash(int(std::floor(col)) % 2, r, kSeed + 22));
         return Scale(Mix({150, 60, 40}, {190, 90, 60}, tint), 0.8 + 0.3 * n);
       }},
      {"Sand.png", 128,
       [](double u, double v) {
         const double grain = ValueNoise(u, v, 128, 128, kSeed + 23);
         const double dune = 0.5 + 0.5 * std::sin(kTwoPi * (v * 3 + 0.3 * Fbm(u, v, 2, 2, 2, kSeed + 24)));
         return Scale({222, 196, 150}, 0.82 + 0.12 * grain + 0.08 * dune);
       }},
  };
}

// ---- Transparency maps (grey: white is transparent or washed) -----------------------------

std::vector<CItem> TransparencyMaps() {
  return {
      {"Clouds.png", 128, [](double u, double v) { return Grey(255 * Fbm(u, v, 4, 4, 5, kSeed + 30)); }},
      {"Soft Stripes.png", 128,
       [](double u, double v) { return Grey(127.5 + 127.5 * std::sin(kTwoPi * (u + v) * 4)); }},
      {"Spots.png", 128,
       [](double u, double v) { return Grey(255 * std::clamp(1 - Cells(u, v, 6, kSeed + 31).f1 * 1.6, 0.0, 1.0)); }},
      {"Grunge.png", 128,
       [](double u, double v) {
         const double n = Fbm(u, v, 8, 8, 5, kSeed + 32);
         return Grey(255 * std::clamp((n - 0.4) * 3, 0.0, 1.0));
       }},
      {"Halftone.png", 128,
       [](double u, double v) {
         // A 16 × 16 grid of dots whose radius swells from the top-left towards the middle.
         const double fx = Frac(u * 16) - 0.5, fy = Frac(v * 16) - 0.5;
         const double radius = 0.15 + 0.3 * (0.5 - 0.5 * std::cos(kTwoPi * u) * std::cos(kTwoPi * v));
         return Grey(std::hypot(fx, fy) < radius ? 255 : 0);
       }},
      {"Waves.png", 128,
       [](double u, double v) {
         const double warp = Fbm(u, v, 2, 2, 3, kSeed + 33);
         return Grey(127.5 + 127.5 * std::sin(kTwoPi * (v * 6 + warp)));
       }},
  };
}

// ---- Surface skins ------------------------------------------------------------------------

std::vector<CItem> SurfaceSkins() {
  return {
      {"Canvas.png", 128,
       [](double u, double v) {
         const double weave = 0.5 + 0.25 * (std::sin(kTwoPi * u * 32) + std::sin(kTwoPi * v * 32));
         return Scale({226, 218, 196}, 0.8 + 0.2 * weave + 0.05 * Fbm(u, v, 16, 16, 2, kSeed + 40));
       }},
      {"Linen.png", 128,
       [](double u, double v) {
         const double a = Fbm(u, v, 4, 128, 2, kSeed + 41), b = Fbm(u, v, 128, 4, 2, kSeed + 42);
         return Scale({214, 204, 180}, 0.78 + 0.22 * (a + b) * 0.5 + 0.05);
       }},
      {"Sandpaper.png", 128,
       [](double u, double v) { return Grey(90 + 120 * ValueNoise(u, v, 128, 128, kSeed + 43)); }},
      {"Crackle.png", 128,
       [](double u, double v) {
         const CCells c = Cells(u, v, 8, kSeed + 44);
         const double crack = std::clamp((c.f2 - c.f1) * 10, 0.0, 1.0);
         return Scale({235, 225, 200}, 0.35 + 0.65 * crack);
       }},
      {"Leather Grain.png", 128,
       [](double u, double v) {
         const CCells c = Cells(u, v, 16, kSeed + 45);
         return Grey(110 + 110 * std::clamp(c.f1 * 1.3, 0.0, 1.0));
       }},
      {"Concrete.png", 128,
       [](double u, double v) {
         const double n = Fbm(u, v, 8, 8, 5, kSeed + 46);
         const double pore = ValueNoise(u, v, 64, 64, kSeed + 47);
         return Grey(pore > 0.88 ? 90 : 130 + 80 * n);
       }},
  };
}

// ---- Bump maps (grey heights) -------------------------------------------------------------

std::vector<CItem> BumpMaps() {
  return {
      {"Bumps.png", 128,
       [](double u, double v) { return Grey(255 * std::clamp(1 - Cells(u, v, 8, kSeed + 50).f1, 0.0, 1.0)); }},
      {"Hammered.png", 128,
       [](double u, double v) {
         const double f1 = Cells(u, v, 10, kSeed + 51).f1;
         return Grey(255 * std::clamp(f1 * f1 * 1.8, 0.0, 1.0));
       }},
      {"Ripples.png", 128,
       [](double u, double v) {
         return Grey(127.5 + 127.5 * std::sin(kTwoPi * (u * 3 + v * 5 + 0.6 * Fbm(u, v, 2, 2, 2, kSeed + 52))));
       }},
      {"Scales.png", 128,
       [](double u, double v) {
         // Fish scales: discs of radius ½ hanging from rows ½ apart (16 rows of 8),
         // alternate rows shifted by half a disc; a lower row covers the one above.
         const double x = u * 8, y = v * 8;
         const int r0 = int(std::floor(v * 16));
         for (int r = r0 + 1; r >= r0 - 1; --r) {
           const double shift = Wrap(r, 2) * 0.5;
           const double cx = std::floor(x + shift) + 0.5 - shift, cy = (r + 1) * 0.5;
           const double d = std::hypot(x - cx, y - cy);
           if (d < 0.5 && y <= cy) return Grey(60 + 195 * (1 - 4 * d * d));
         }
         return Grey(60);
       }},
      {"Weave.png", 128,
       [](double u, double v) {
         const bool over = (int(u * 8) + int(v * 8)) % 2 == 0;
         const double across = std::sin(kTwoPi * 0.5 * Frac(v * 8)), down = std::sin(kTwoPi * 0.5 * Frac(u * 8));
         return Grey(255 * (over ? across : down));
       }},
      {"Cracks.png", 128,
       [](double u, double v) {
         const CCells c = Cells(u, v, 6, kSeed + 53);
         const double edge = std::clamp((c.f2 - c.f1) * 8, 0.0, 1.0);
         return Grey(60 + 195 * edge * (0.8 + 0.2 * Fbm(u, v, 8, 8, 2, kSeed + 54)));
       }},
  };
}

bool WriteFolder(const std::filesystem::path& folder, const std::vector<CItem>& items) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  bool ok = true;
  for (const CItem& item : items) ok = Write(folder / item.name, item.size, item.paint) && ok;
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path data = argc > 1 ? argv[1] : TESSEL_DATA_DIR;
  bool ok = WriteFolder(data / "Textures", Textures());
  ok = WriteFolder(data / "Transp", TransparencyMaps()) && ok;
  ok = WriteFolder(data / "Surface", SurfaceSkins()) && ok;
  ok = WriteFolder(data / "Bumpmap", BumpMaps()) && ok;
  return ok ? 0 : 1;
}
