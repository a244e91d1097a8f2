// The five tweak effects whose formulas are this program's own choice. Like the others
// they read only the source and clamp every write to 0..255.
#include <cstdint>
#include <vector>

#include "filters/tweak_context.h"
#include "mutaflux/mutaflux_math.h"

namespace tessel::filters {

using mutaflux::Sin512;

namespace {

// A well-mixed 32-bit hash of a position and the seed: the random marks of a pixel
// depend on nothing else, so any order of pixels (or threads) gives the same picture.
uint32_t Hash(uint32_t a, uint32_t b, uint32_t seed) {
  uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ seed * 0xC2B2AE3Du;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

}  // namespace

// 11 "Effect - Oil Emboss": the 3 × 3 mean of each channel (flattened paint) lit as a
// relief of the brightness. With lx = P1 − 128 and ly = P0 − 128 the light direction,
//   shade = ((Y(x+1, y) − Y(x−1, y)) · lx + (Y(x, y+1) − Y(x, y−1)) · ly) / 128,
//   c = mean_c + (shade · p_c) / 64, p_c = P2 red, P3 green, P4 blue.
void TweakOilEmboss(const CTweakContext& t) {
  const int32_t lx = t.P[1] - 128, ly = t.P[0] - 128;
  ForEachPixel(t, [&](int x, int y, const uint8_t*, uint8_t* d) {
    // The 3 × 3 window, row by row.
    const uint8_t* n[9];
    for (int dy = -1, i = 0; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx, ++i) n[i] = t.At(x + dx, y + dy);
    auto luma = [](const uint8_t* p) { return Luma(p[kRed], p[kGreen], p[kBlue]); };
    const int32_t shade = ((luma(n[5]) - luma(n[3])) * lx + (luma(n[7]) - luma(n[1])) * ly) / 128;
    for (int k = 0; k < 3; ++k) {
      const int c = kRgb[k];
      int32_t sum = 0;
      for (const uint8_t* p : n) sum += p[c];
      d[c] = ClampChannel(sum / 9 + (shade * t.P[k + 2]) / 64);
    }
  });
}

// 12 "Effect -Aged Photo": desaturated, faded toward warm paper, with scratches and dust.
//   grey:   c = Mix(Y, c, P2, 255)                (P2 = 255: fully grey)
//   fade:   c = c + ((255 − c) · fade_c) / 128    (P3 red, P4 green, P5 blue)
//   scratches: column x is scratched when Hash(x) mod 2048 < P0; a scratch is cut
//     into 64-row stretches of which three in four show; it lightens to
//     c + (255 − c) · 2 / 3.
//   dust: a 2 × 2 cell is dusty when Hash(cell) mod 8192 < P1; dust darkens to c / 3.
void TweakAgedPhoto(const CTweakContext& t) {
  const CFixedMix grey(t.P[2], 255);
  const uint32_t scratchSeed = t.seed ^ 0x5C4A7C11u, dustSeed = t.seed ^ 0xD0570000u;
  ForEachPixel(t, [&](int x, int y, const uint8_t* s, uint8_t* d) {
    const int32_t lum = Luma(s[kRed], s[kGreen], s[kBlue]);
    const bool scratch = Hash(uint32_t(x), 0, scratchSeed) % 2048u < uint32_t(t.P[0]) &&
                         (Hash(uint32_t(x), uint32_t(y / 64) + 1u, scratchSeed) & 3u) != 0;
    const bool dust = Hash(uint32_t(x / 2), uint32_t(y / 2), dustSeed) % 8192u < uint32_t(t.P[1]);
    for (int k = 0; k < 3; ++k) {
      const int c = kRgb[k];
      int32_t v = ClampChannel(grey(lum, s[c]));
      v = ClampChannel(v + ((255 - v) * t.P[k + 3]) / 128);
      if (scratch) v += (255 - v) * 2 / 3;
      if (dust) v /= 3;
      d[c] = ClampChannel(v);
    }
  });
}

// 13 "Art - Pastel Pop": strong colours (the colour boost with weight 255 over 170),
// then lifted toward white: c = b + ((255 − b) · P0) / 512.
void TweakPastelPop(const CTweakContext& t) {
  const CFixedMix boost(255, 170);
  ForEachPixel(t, [&](int, int, const uint8_t* s, uint8_t* d) {
    const int32_t r = s[kRed], g = s[kGreen], b = s[kBlue];
    const int32_t boosted[3] = {BoostChannel(boost, r, g + b), BoostChannel(boost, g, r + b),
                                BoostChannel(boost, b, r + g)};
    for (int k = 0; k < 3; ++k)
      d[kRgb[k]] = ClampChannel(boosted[k] + ((255 - boosted[k]) * t.P[0]) / 512);
  });
}

// 15 "Art - Colored": a coloured-pencil drawing on white paper. For each channel with
// its pressure p (P0 red, P1 green, P2 blue):
//   e = |N(x+1, y) − N(x−1, y)| + |N(x, y+1) − N(x, y−1)|   (the channel's edges)
//   c = 255 − ((255 − c) · p) / 255 − (e · p) / 32           (a light wash plus lines)
void TweakColored(const CTweakContext& t) {
  ForEachPixel(t, [&](int x, int y, const uint8_t* s, uint8_t* d) {
    for (int k = 0; k < 3; ++k) {
      const int c = kRgb[k];
      const int32_t p = t.P[k];
      const int32_t e = Abs(t.N(c, x + 1, y) - t.N(c, x - 1, y)) + Abs(t.N(c, x, y + 1) - t.N(c, x, y - 1));
      d[c] = ClampChannel(255 - ((255 - s[c]) * p) / 255 - (e * p) / 32);
    }
  });
}

// 22 "Art - Oceanic": the picture seen through rippling water, tinted by the sea.
//   period = 16 + 4 · P0 pixels, amplitude a = 1 + P0 / 4 pixels,
//   the sample is the source at (x + Sin512(y · 1024 / period) · a / 512,
//                                y + Sin512(x · 1024 / period) · a / 512),
//   c = (((sample_c + Y(sample)) / 2) · p_c) / 128 + (P4 − 128), p_c = P1 red,
//   P2 green, P3 blue (128 keeps the channel).
void TweakOceanic(const CTweakContext& t) {
  const int32_t period = 16 + 4 * t.P[0], amplitude = 1 + t.P[0] / 4, brightness = t.P[4] - 128;
  // The shift across depends on the row only, the shift along on the column only.
  std::vector<int32_t> shiftX(size_t(t.h)), shiftY(size_t(t.w));
  for (int y = 0; y < t.h; ++y) shiftX[size_t(y)] = Sin512(int32_t((int64_t(y) * 1024) / period)) * amplitude / 512;
  for (int x = 0; x < t.w; ++x) shiftY[size_t(x)] = Sin512(int32_t((int64_t(x) * 1024) / period)) * amplitude / 512;
  ForEachPixel(t, [&](int x, int y, const uint8_t*, uint8_t* d) {
    const uint8_t* sample = t.At(x + shiftX[size_t(y)], y + shiftY[size_t(x)]);
    const int32_t lum = Luma(sample[kRed], sample[kGreen], sample[kBlue]);
    for (int k = 0; k < 3; ++k)
      d[kRgb[k]] = ClampChannel((((sample[kRgb[k]] + lum) / 2) * t.P[k + 1]) / 128 + brightness);
  });
}

}  // namespace tessel::filters
