// The flare generator. All light is summed in floating point per pixel as red, green and
// blue in units of full brightness and added onto the layer scaled by the intensity:
//
//   core   exp(−(ρ/c)²), white; c grows with the ray value
//   glow   0.5 / (1 + (ρ/g)²) + 0.15 · exp(−(ρ/h)²), tinted; g = 0.12 and h = 0.7 · radius
//   rays   |cos(m (θ − θ0))|^300 · 0.55 + |cos(m (θ − θ0) + π/2m)|^60 · 0.12 (finer rays
//          between), fading as exp(−ρ/L); 2m rays, merging into one light within the core
//   ring   three thin Gaussian rings at 0.97, 1.0 and 1.03 · radius, blue, green, red
//   ghosts soft discs with a brighter rim along the line through the centre, in the
//          tint and its two channel rotations
//
// The angle of every pixel's ray comes from a table, so the whole-canvas pass costs one
// atan2 a pixel.
#include "render/lens_flare.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "base/dib_section.h"
#include "base/program_constants.h"
#include "filters/parallel_rows.h"

namespace tessel {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kRayTableSize = 4096;
constexpr double kFaintest = 0.5 / 255;  // light below this adds nothing to a byte
constexpr float kFadedAt = 9.0f;         // exp(−9): a Gaussian term has faded out
constexpr float kDarkRay = 1e-4f;        // between the rays

struct CColour {
  float r = 0, g = 0, b = 0;
};

CColour Lerp(const CColour& a, const CColour& b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Adds light (0..1 a channel) times scale to a BGRA pixel, held at 255.
void AddLight(uint8_t* p, const CColour& light, float scale) {
  const float v[3] = {light.b * scale, light.g * scale, light.r * scale};
  for (int c = 0; c < 3; ++c)
    if (v[c] > 0) p[c] = uint8_t(std::min(255.0f, p[c] + v[c]));
}

// The light of the centre part at offset (dx, dy) from the centre, in single precision;
// each term is skipped where it has faded below a hundredth of a byte step.
struct CCentre {
  float coreR = 1, glowR = 1, haloR = 1, rayLen = 1, ringR = 1, ringW = 1;
  CColour tint, rayColour;
  std::vector<float> rays;  // ray strength by angle, kRayTableSize steps over a turn
  float rayPeak = 0;        // the strongest ray: all rays meet at the centre

  CColour At(double dxd, double dyd) const {
    const float dx = float(dxd), dy = float(dyd);
    const float d2 = dx * dx + dy * dy, rho = std::sqrt(d2);
    const float nearCore = d2 / (coreR * coreR);
    CColour c;
    if (nearCore < kFadedAt) c.r = c.g = c.b = std::exp(-nearCore);
    float glow = 0.5f / (1 + d2 / (glowR * glowR));
    const float nearHalo = d2 / (haloR * haloR);
    if (nearHalo < kFadedAt) glow += 0.15f * std::exp(-nearHalo);
    float turn = std::atan2(dy, dx) * float(1 / (2 * kPi));
    if (turn < 0) turn += 1;
    float ray = rays[size_t(int(turn * kRayTableSize)) % kRayTableSize];
    if (nearCore < kFadedAt) ray += (rayPeak - ray) * std::exp(-4 * nearCore);
    ray = ray > kDarkRay ? ray * std::exp(-rho / rayLen) : 0.0f;
    c.r += glow * tint.r + ray * rayColour.r;
    c.g += glow * tint.g + ray * rayColour.g;
    c.b += glow * tint.b + ray * rayColour.b;
    if (std::fabs(rho - ringR) < ringR * 0.03f + ringW * 3) {
      const auto ring = [&](float at, float t) {
        const float q = (rho - at) / ringW;
        return 0.16f * std::exp(-q * q) * (0.5f + 0.5f * t);
      };
      c.r += ring(ringR * 1.03f, tint.r);
      c.g += ring(ringR, tint.g);
      c.b += ring(ringR * 0.97f, tint.b);
    }
    return c;
  }
};

std::vector<float> RayTable(int rayPairs, double angle) {
  std::vector<float> table(kRayTableSize);
  const double m = rayPairs;
  for (int i = 0; i < kRayTableSize; ++i) {
    const double t = (i + 0.5) / kRayTableSize * 2 * kPi - angle;
    const double main = std::pow(std::fabs(std::cos(m * t)), 300.0);
    const double fine = std::pow(std::fabs(std::cos(m * t + kPi / (2 * m))), 60.0);
    table[size_t(i)] = float(0.55 * main + 0.12 * fine);
  }
  return table;
}

// Runs light(dx, dy) over the layer pixels within reach of (cx, cy) and adds it.
template <class F>
void Paint(CDIBSection& layer, double cx, double cy, double reach, float scale, const F& light) {
  const int x0 = int(std::max(0.0, std::floor(cx - reach))), x1 = int(std::min<double>(layer.Width(), cx + reach + 1));
  const int y0 = int(std::max(0.0, std::floor(cy - reach))), y1 = int(std::min<double>(layer.Height(), cy + reach + 1));
  if (x0 >= x1 || y0 >= y1) return;
  filters::ForEachBand(y1 - y0, filters::BandCount(x1 - x0, y1 - y0), [&](int begin, int end) {
    for (int y = y0 + begin; y < y0 + end; ++y) {
      uint8_t* p = layer.RowFromBottom(y) + 4 * x0;
      for (int x = x0; x < x1; ++x, p += 4) AddLight(p, light(x - cx, y - cy), scale);
    }
  });
}

// One ghost: position along the line (in spreads), size (in ghost units), strength and
// colour (0 the tint, 1 and 2 its channel rotations).
struct CGhost {
  float along, size, strength;
  int hue;
};
constexpr std::array<CGhost, 9> kGhosts = {{{-0.45f, 0.6f, 0.16f, 0},
                                            {0.30f, 0.25f, 0.35f, 1},
                                            {0.55f, 0.9f, 0.11f, 2},
                                            {0.90f, 0.35f, 0.26f, 0},
                                            {1.25f, 1.5f, 0.08f, 1},
                                            {1.60f, 0.5f, 0.19f, 2},
                                            {2.05f, 0.8f, 0.13f, 0},
                                            {2.60f, 2.2f, 0.07f, 1},
                                            {3.10f, 0.3f, 0.22f, 2}}};

void PaintGhosts(CDIBSection& layer, const CFlareSpec& s, const CColour& tint, float scale) {
  const double a = s.angle * kDegToRad;
  const double spread = s.radius * 1.2 + s.size1 * 3.0 + 8;
  const double unit = std::max(3.0, s.radius * 0.12 + s.size1 * 0.4);
  const CColour white{1, 1, 1};
  const std::array<CColour, 3> hues = {Lerp(white, tint, 0.7f), Lerp(white, {tint.g, tint.b, tint.r}, 0.8f),
                                       Lerp(white, {tint.b, tint.r, tint.g}, 0.8f)};
  for (const CGhost& g : kGhosts) {
    const double gx = s.x + std::cos(a) * spread * g.along, gy = s.y + std::sin(a) * spread * g.along;
    const double r = unit * g.size, edge = std::max(1.0, r * 0.08);
    const CColour c = hues[size_t(g.hue)];
    Paint(layer, gx, gy, r + 1, scale * g.strength, [&](double dx, double dy) {
      const double d = std::sqrt(dx * dx + dy * dy);
      const double inside = std::clamp((r - d) / edge, 0.0, 1.0);
      const float v = float(inside * (0.55 + 0.45 * std::pow(d / r, 3)));
      return CColour{c.r * v, c.g * v, c.b * v};
    });
  }
}

}  // namespace

void DrawFlare(CDIBSection& layer, const CFlareSpec& s) {
  if (layer.IsEmpty() || layer.BitsPerPixel() != 32 || !(s.intensity > 0)) return;
  const float scale = std::min(s.intensity, 1.0f) * 255;
  const int radius = std::clamp(s.radius, 1, CDIBSection::kMaxDimension);
  const int size2 = std::clamp(s.size2, 4, 64);
  const int size1 = std::clamp(s.size1, 0, 10000);
  CColour tint{float(s.tint & 0xFF) / 255, float((s.tint >> 8) & 0xFF) / 255, float((s.tint >> 16) & 0xFF) / 255};
  // A black tint would hide the glow; keep a little white in every colour.
  tint = Lerp({1, 1, 1}, tint, 0.8f);

  CCentre centre;
  centre.coreR = float(2.0 + size2 * 1.2 + radius * 0.03);
  centre.glowR = float(radius * 0.12 + 2);
  centre.haloR = float(radius * 0.7 + 2);
  centre.rayLen = float(radius * 0.6 + size2 * 4);
  centre.ringR = float(radius);
  centre.ringW = float(std::max(1.5, radius * 0.025));
  centre.tint = tint;
  centre.rayColour = Lerp({1, 1, 1}, tint, 0.35f);
  centre.rays = RayTable((size2 + 1) / 2, s.angle * kDegToRad);
  centre.rayPeak = *std::max_element(centre.rays.begin(), centre.rays.end());
  // Reach: where the rays (the longest-lived part) fade below a byte step, and past the ring.
  const double reach = std::max(centre.rayLen * std::log(0.55 / kFaintest), radius * 1.2);
  Paint(layer, s.x, s.y, reach, scale, [&](double dx, double dy) { return centre.At(dx, dy); });

  CFlareSpec clamped = s;
  clamped.radius = radius, clamped.size1 = size1;
  if (s.mode == CFlareSpec::kFull) PaintGhosts(layer, clamped, tint, scale);
}

}  // namespace tessel
