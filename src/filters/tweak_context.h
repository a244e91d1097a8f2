// What the formulas of one tweak effect see: the source and destination pictures, the
// parameters, and a row loop that runs bands of rows on separate threads (the formulas
// read only the source, so the order of pixels does not matter). Private to
// src/filters.
#pragma once

#include <cstdint>

#include "base/dib_section.h"
#include "filters/filter_math.h"
#include "filters/parallel_rows.h"
#include "filters/tweak_effects.h"

namespace tessel::filters {

// Channel offsets in the order red, green, blue: the order of the per-channel
// parameters (P0 red, P1 green, P2 blue).
constexpr int kRgb[3] = {kRed, kGreen, kBlue};

struct CTweakContext {
  CBitmapView src;
  CBitmapView dst;
  int w = 0;
  int h = 0;
  int P[kTweakParams] = {};
  uint32_t seed = 0;

  // The source pixel at (x, y), both clamped to the picture.
  const uint8_t* At(int x, int y) const {
    x = x < 0 ? 0 : x >= w ? w - 1 : x;
    y = y < 0 ? 0 : y >= h ? h - 1 : y;
    return src.Row(y) + ptrdiff_t(x) * 4;
  }
  // N_c(x, y): channel c (a byte offset) of the source at the clamped position.
  int32_t N(int c, int x, int y) const { return At(x, y)[c]; }
  // S(k, lo, hi) on the effect's parameters.
  int32_t S(int k, int32_t lo, int32_t hi) const { return mutaflux::ScaleParam(P[k], lo, hi); }
};

// Calls f(x, y, s, d) for every pixel, s the source pixel and d the destination pixel.
template <class F>
void ForEachPixel(const CTweakContext& t, const F& f) {
  ForEachBand(t.h, BandCount(t.w, t.h), [&](int begin, int end) {
    for (int y = begin; y < end; ++y) {
      const uint8_t* s = t.src.Row(y);
      uint8_t* d = t.dst.Row(y);
      for (int x = 0; x < t.w; ++x, s += 4, d += 4) f(x, y, s, d);
    }
  });
}

// Writes red, green and blue, each clamped to 0..255.
inline void PutRgb(uint8_t* d, int32_t r, int32_t g, int32_t b) {
  d[kRed] = ClampChannel(r);
  d[kGreen] = ClampChannel(g);
  d[kBlue] = ClampChannel(b);
}

// The effects of tweak_effects_painted.cpp (the ones whose formulas are ours).
void TweakOilEmboss(const CTweakContext& t);
void TweakAgedPhoto(const CTweakContext& t);
void TweakPastelPop(const CTweakContext& t);
void TweakColored(const CTweakContext& t);
void TweakOceanic(const CTweakContext& t);

}  // namespace tessel::filters
