// The tweak effect table and the effects whose formulas are fixed: every integer
// division truncates toward zero, every floating-point result is truncated, and each
// write is clamped to 0..255. S, Lerp, Fold and Sin512 are the Mutaflux building blocks.
#include "filters/tweak_effects.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "filters/gaussian_blur_common.h"
#include "filters/tweak_context.h"
#include "mutaflux/mutaflux_math.h"

namespace tessel {

using namespace filters;
using mutaflux::CFixedLerp;
using mutaflux::Fold;
using mutaflux::Lerp;
using mutaflux::Sin512;

namespace {

// clang-format off
// Labels beyond an effect's count are left out here and become "" in Effects().
const CTweakEffectInfo kEffectTable[kTweakEffectCount] = {
    {"Color - Boost", 1, {"Boost factor"}, {74}},
    {"Color - Saturation", 1, {"Saturation"}, {180}},
    {"Color - Balance", 3, {"Red", "Green", "Blue"}, {128, 128, 128}},
    {"Color - Contrast", 2, {"Light", "Dark"}, {64, 32}},
    {"Color - Sharpen", 3, {"Red", "Green", "Blue"}, {128, 128, 128}},
    {"Color - Antialias", 3, {"Red", "Green", "Blue"}, {128, 128, 128}},
    {"Color - Colorize", 3, {"Red", "Green", "Blue"}, {162, 129, 87}},
    {"Color - Shift", 6, {"Red Amount", "Red Shift", "Green Amount", "Green Shift", "Blue Amount", "Blue Shift"},
     {19, 60, 150, 43, 99, 255}},
    {"Color - Solarize", 3, {"Red", "Green", "Blue"}, {62, 62, 62}},
    {"Color - Quantize", 3, {"Red", "Green", "Blue"}, {240, 240, 240}},
    {"Effect -Ebossed", 3, {"Contrast", "Brightness", "Original"}, {107, 175, 150}},
    {"Effect - Oil Emboss", 5, {"Vertical Light", "Horizontal Light", "Red", "Green", "Blue"}, {233, 200, 64, 107, 98}},
    {"Effect -Aged Photo", 6, {"Scratches", "Dust", "Desaturation", "Red Fade", "Green Fade", "Blue Fade"},
     {21, 36, 175, 20, 12, 4}},
    {"Art - Pastel Pop", 1, {"Level"}, {192}},
    {"Art - Poster Art", 3, {"Cyan/Red", "Magenta/Green", "Yellow/Blue"}, {29, 93, 171}},
    {"Art - Colored", 3, {"Red", "Green", "Blue"}, {62, 62, 62}},
    {"Art - Melter", 4, {"Effect", "Red", "Green", "Blue"}, {56, 30, 12, 28}},
    {"Art - Pop Colors", 6, {"Red", "Red Range", "Green", "Green Range", "Blue", "Blue range"},
     {128, 128, 150, 43, 0, 63}},
    {"Art - 3 Colors", 3, {"Red", "Green", "Blue"}, {235, 128, 38}},
    {"Art - Urban Art", 6, {"Red A", "Red B", "Green A", "Green B", "Blue A", "Blue B"}, {57, 50, 74, 160, 28, 168}},
    {"Art - Neon Art", 3, {"Red", "Green", "Blue"}, {128, 128, 128}},
    {"Art - Glowing Edge", 6, {"Red From", "Red To", "Green From", "Green To", "Blue From", "Blue To"},
     {210, 40, 204, 128, 128, 168}},
    {"Art - Oceanic", 5, {"Size", "Red", "Green", "Blue", "Brightness"}, {15, 90, 140, 128, 128}},
    {"Art - Gradient Poster", 3, {"Hue Cycle", "Steps", "Effect"}, {100, 255, 20}},
    {"Special - Mosaic 3", 1, {"Size"}, {35}},
    {"Special - Mosaic Soft", 1, {"Size"}, {35}},
    {"Special - Mosaic Hard", 1, {"Size"}, {35}},
};
// clang-format on

struct CEffectList {
  CTweakEffectInfo effects[kTweakEffectCount];
  CEffectList() {
    for (int slot = 0; slot < kTweakEffectCount; ++slot) {
      effects[slot] = kEffectTable[slot];
      for (const char*& label : effects[slot].labels)
        if (!label) label = "";
    }
  }
};

const CEffectList& Effects() {
  static const CEffectList list;
  return list;
}

int32_t Luma(const uint8_t* s) { return filters::Luma(s[kRed], s[kGreen], s[kBlue]); }

// 0 "Color - Boost"
void Boost(const CTweakContext& t) {
  const CFixedMix mix(255, t.S(0, 255, 1));
  ForEachPixel(t, [&](int, int, const uint8_t* s, uint8_t* d) {
    const int32_t r = s[kRed], g = s[kGreen], b = s[kBlue];
    d[kRed] = BoostChannel(mix, r, g + b);
    d[kGreen] = BoostChannel(mix, g, r + b);
    d[kBlue] = BoostChannel(mix, b, r + g);
  });
}

// 1 "Color - Saturation"
void Saturation(const CTweakContext& t) {
  const bool toGrey = t.P[0] < 128;
  const CFixedMix mix(t.S(0, 255, -255), 255);
  ForEachPixel(t, [&](int, int, const uint8_t* s, uint8_t* d) {
    const int32_t r = s[kRed], g = s[kGreen], b = s[kBlue];
    if (r == g || g == b || r == b) return;
    if (toGrey) {
      const int32_t y = Luma(s);
      PutRgb(d, mix(y, r), mix(y, g), mix(y, b));
      return;
    }
    const int32_t mx = std::max({r, g, b}), mn = std::min({r, g, b});
    const int32_t lim = std::min(255 - mx, mn);
    const int32_t k = t.S(0, -lim, lim);
    PutRgb(d, Lerp(r, mn, mx, mn - k, mx + k), Lerp(g, mn, mx, mn - k, mx + k), Lerp(b, mn, mx, mn - k, mx + k));
  });
}

// 2 "Color - Balance"
void Balance(const CTweakContext& t) {
  ForEachPixel(t, [&](int, int, const uint8_t* s, uint8_t* d) {
    PutRgb(d, (t.P[0] * s[kRed] * 2) / 256, (t.P[1] * s[kGreen] * 2) / 256, (t.P[2] * s[kBlue] * 2) / 256);
  });
}

// 3 "Color - Contrast"
void Contrast(const CTweakContext& t) {
  const CFixedMix light(t.P[1], 128), dark(t.P[0], 128);
  ForEachPixel(t, [&](int, int, const uint8_t* s, uint8_t* d) {
    for (int c : kRgb) {
      const int32_t v = s[c];
      d[c] = ClampChannel(v - Abs(v - light(255, v)) + Abs(v - dark(0, v)));
    }
  });
}

// 4 "Color - Sharpen"
void Sharpen(const CTweakContext& t) {
  const CFixedMix mix[3] = {{t.P[0], 255}, {t.P[1], 255}, {t.P[2], 255}};
  ForEachPixel(t, [&](int x, int y, const uint8_t* s, uint8_t* d) {
    for (int k = 0; k < 3; ++k) {
      const int c = kRgb[k];
      const int32_t v = s[c];
      const int32_t lap = 5 * v - t.N(c, x, y - 1) - t.N(c, x - 1, y) - t.N(c, x + 1, y) - t.N(c, x, y + 1);
      d[c] = ClampChannel(mix[k](lap, v));
    }
  });
}

// 5 "Color - Antialias"
void Antialias(const CTweakContext& t) {
  ForEachPixel(t, [&](int x, int y, const uint8_t* s, uint8_t* d) {
    for (int k = 0; k < 3; ++k) {
      const int c = kRgb[k];
      const int32_t v = s[c], lim = 255 - t.P[k];
      const int32_t n[4] = {t.N(c, x - 1, y), t.N(c, x + 1, y), t.N(c, x, y - 1), t.N(c, x, y + 1)};
      if (Abs(n[0] - v) <= lim && Abs(n[1] - v) <= lim && Abs(n[2] - v) <= lim && Abs(n[3] - v) <= lim) continue;
      d[c] = ClampChannel((v + n[0] + n[1] + n[2] + n[3]) / 5);
    }
  });
}

// 6 "Color - Colorize"
void Colorize(const CTweakContext& t) {
  const CFixedLerp red(0, 255, 0, 2 * t.P[0]), green(0, 255, 0, 2 * t.P[1]), blue(0, 255, 0, 2 * t.P[2]);
  ForEachPixel(t, [&](int, int, const uint8_t* s, uint8_t* d) {
    const int32_t y = Luma(s);
    PutRgb(d, red(y), green(y), blue(y));
  });
}

// 7 "Color - Shift"
void Shift(const CTweakContext& t) {
  const int32_t* P = t.P;
  ForEachPixel(t, [&](int, int, const uint8_t* s, uint8_t* d) {
    const int32_t r = s[kRed], g = s[kGreen], b = s[kBlue];
    const int32_t blue = (255 - P[0]) * r / 255 + (((255 - P[1]) * b / 255 + P[1] * g / 255) * P[0]) / 255;
    const int32_t green = (255 - P[2]) * g / 255 + (((255 - P[3]) * b / 255 + P[3] * r / 255) * P[2]) / 255;
    const int32_t red = (255 - P[4]) * b / 255 + (((255 - P[5]) * g / 255 + P[5] * r / 255) * P[4]) / 255;
    PutRgb(d, red, green, blue);
  });
}

// 8 "Color - Solarize"
void Solarize(const CTweakContext& t) {
  ForEachPixel(t, [&](int, int, const uint8_t* s, uint8_t* d) {
    const int32_t sum = s[kRed] + s[kGreen] + s[kBlue];
    for (int k = 0; k < 3; ++k) {
      const int32_t p3 = 3 * t.P[k];
      if (sum <= p3) d[kRgb[k]] = ClampChannel(Abs(p3 - sum) + s[kRgb[k]]);
    }
  });
}

// 9 "Color - Quantize"
void Quantize(const CTweakContext& t) {
  int32_t mask[3];
  for (int k = 0; k < 3; ++k) mask[k] = (255 << t.S(k, 0, 7)) & 255;
  ForEachPixel(t, [&](int, int, const uint8_t* s, uint8_t* d) {
    for (int k = 0; k < 3; ++k) d[kRgb[k]] = uint8_t(s[kRgb[k]] & mask[k]);
  });
}

// 10 "Effect -Ebossed": the relief of the red channel, mixed with the picture.
void Embossed(const CTweakContext& t) {
  const CFixedMix mix(t.P[2], 255);
  ForEachPixel(t, [&](int x, int y, const uint8_t* s, uint8_t* d) {
    const int32_t centre = s[kRed];
    const int32_t k1 = (centre + t.N(kRed, x + 1, y) + t.N(kRed, x, y + 1) + t.N(kRed, x + 1, y + 1)) / 4;
    const int32_t k2 = (t.N(kRed, x - 1, y - 1) + t.N(kRed, x, y - 1) + t.N(kRed, x - 1, y) + centre) / 4;
    const int32_t e = ((k1 - k2) * (t.P[0] + 1)) / 20;
    const int32_t v = e + 2 * t.P[1] - 255;
    for (int c : kRgb) d[c] = ClampChannel(mix(s[c], v));
  });
}

// 14 "Art - Poster Art"
void PosterArt(const CTweakContext& t) {
  const CFixedMix mix(1, 4);
  const int32_t shift[3] = {t.S(0, -128, 128), t.S(1, -128, 128), t.S(2, -128, 128)};
  ForEachPixel(t, [&](int, int, const uint8_t* s, uint8_t* d) {
    for (int k = 0; k < 3; ++k) {
      const int32_t q = (shift[k] + s[kBlue]) | s[kRed];
      d[kRgb[k]] = ClampChannel(mix(s[kRgb[k]], q));
    }
  });
}

// 16 "Art - Melter"
void Melter(const CTweakContext& t) {
  ForEachPixel(t, [&](int, int, const uint8_t* s, uint8_t* d) {
    for (int k = 0; k < 3; ++k) d[kRgb[k]] = ClampChannel(Fold(t.S(0, t.P[k + 1], s[kRgb[k]] * 255 / 32)));
  });
}

// 17 "Art - Pop Colors"
void PopColors(const CTweakContext& t) {
  ForEachPixel(t, [&](int, int, const uint8_t* s, uint8_t* d) {
    const int32_t a = (s[kRed] + s[kGreen] + s[kBlue]) / 3;
    for (int k = 0; k < 3; ++k) {
      const int32_t centre = t.P[2 * k], range = t.P[2 * k + 1];
      d[kRgb[k]] = centre - range < a && a < centre + range ? ClampChannel(255 - (Abs(a - centre) * 255) / range) : 0;
    }
  });
}

// 18 "Art - 3 Colors"
void ThreeColors(const CTweakContext& t) {
  ForEachPixel(t, [&](int, int, const uint8_t* s, uint8_t* d) {
    const int32_t y = Luma(s);
    for (int k = 0; k < 3; ++k) d[kRgb[k]] = y > t.P[k] ? 0 : 255;
  });
}

// 19 "Art - Urban Art": N's first coordinate is the column, so the samples mirror x
// and y.
void UrbanArt(const CTweakContext& t) {
  const CFixedMix mix[3] = {{t.P[0], t.P[1]}, {t.P[2], t.P[3]}, {t.P[4], t.P[5]}};
  ForEachPixel(t, [&](int x, int y, const uint8_t* s, uint8_t* d) {
    for (int k = 0; k < 3; ++k) {
      const int c = kRgb[k];
      const int32_t a = s[c] - t.N(c, y, x);
      const int32_t b = t.N(c, t.w - x, t.h - y) - t.N(c, t.h - y, t.w - x);
      d[c] = ClampChannel(mix[k](a, b));
    }
  });
}

// 20 "Art - Neon Art"
void NeonArt(const CTweakContext& t) {
  ForEachPixel(t, [&](int x, int y, const uint8_t* s, uint8_t* d) {
    const int32_t lum = Luma(s);
    const uint8_t* n[8] = {t.At(x - 1, y - 1), t.At(x, y - 1), t.At(x + 1, y - 1), t.At(x - 1, y),
                           t.At(x + 1, y),     t.At(x - 1, y + 1), t.At(x, y + 1), t.At(x + 1, y + 1)};
    for (int k = 0; k < 3; ++k) {
      const int c = kRgb[k];
      const int32_t v = s[c];
      int32_t sum = 0;
      for (const uint8_t* p : n) sum += Abs(p[c] - v);
      d[c] = ClampChannel((t.P[k] * (v - lum) * sum) / 2048 + lum);
    }
  });
}

// 21 "Art - Glowing Edge"
void GlowingEdge(const CTweakContext& t) {
  const CFixedMix mix[3] = {{t.P[0], t.P[1]}, {t.P[2], t.P[3]}, {t.P[4], t.P[5]}};
  ForEachPixel(t, [&](int x, int y, const uint8_t* s, uint8_t* d) {
    const uint8_t* n = t.At(x + 1, y + 1);
    for (int k = 0; k < 3; ++k) d[kRgb[k]] = ClampChannel(mix[k](s[kRgb[k]], n[kRgb[k]]));
  });
}

// 23 "Art - Gradient Poster". The sine's argument ((… mod w) · 512)/w lies in 0..511,
// so its values come from a table of Sin512 over that range.
void GradientPoster(const CTweakContext& t) {
  const int32_t w = t.w;
  const int32_t q = t.S(1, 255, 1);
  const CFixedLerp toGradient(0, 255, 0, (t.P[2] * w * 4) / 255);
  const CFixedLerp toChannel(0, 512, 0, 255);
  const int32_t o = t.S(0, 0, w);
  const int32_t offsets[3] = {0, w / 3, (2 * w) / 3};
  uint8_t channel[512];
  for (int32_t a = 0; a < 512; ++a) channel[a] = ClampChannel(toChannel(Sin512(a)));
  ForEachPixel(t, [&](int x, int, const uint8_t* s, uint8_t* d) {
    const int32_t lum = Luma(s);
    const int32_t g = toGradient(lum - lum % q);
    for (int k = 0; k < 3; ++k) d[kRgb[k]] = channel[(((o + g + w + x + offsets[k]) % w) * 512) / w];
  });
}

void CopyRgb(uint8_t* d, const uint8_t* s) {
  d[kRed] = s[kRed];
  d[kGreen] = s[kGreen];
  d[kBlue] = s[kBlue];
}

// 24 "Special - Mosaic 3": every cell split by its diagonals into four triangles, each
// showing the pixel half a cell beyond its side.
void Mosaic3(const CTweakContext& t) {
  const int32_t q = t.S(0, 1, t.w), half = q / 2;
  ForEachPixel(t, [&](int x, int y, const uint8_t*, uint8_t* d) {
    const int32_t u = x % q, v = y % q;
    int sx, sy;
    if (v <= u && v <= q - u) sx = x - u, sy = y - v - half;
    else if (u < v && v <= q - u) sx = x - half - u, sy = y - v;
    else if (q - u < v && v <= u) sx = x - u, sy = y - v + half;
    else sx = x - u + half, sy = y - v;
    CopyRgb(d, t.At(sx, sy));
  });
}

// 25 "Special - Mosaic Soft" and 26 "Special - Mosaic Hard". The soft shade's two sines
// depend on the row and on the column alone and are taken once for each.
void Mosaic(const CTweakContext& t, bool hard) {
  const int32_t qx = std::max(1, t.S(0, 0, t.w)), qy = std::max(1, t.S(0, 0, t.h));
  const CFixedLerp ax(0, 2 * qx, -512, 512), ay(0, 2 * qy, -512, 512), shade(0, 262144, 0, 255);
  std::vector<int32_t> sinX, sinY;
  if (!hard) {
    sinX.resize(size_t(t.w));
    sinY.resize(size_t(t.h));
    for (int x = 0; x < t.w; ++x) sinX[size_t(x)] = Sin512(ax(x));
    for (int y = 0; y < t.h; ++y) sinY[size_t(y)] = Sin512(ay(y));
  }
  ForEachPixel(t, [&](int x, int y, const uint8_t*, uint8_t* d) {
    const int32_t u = x % qx, v = y % qy;
    const uint8_t* sample = t.At(x - u + qx / 2, y - v + qy / 2);
    if (hard) {
      if (u == 0 || v == 0) PutRgb(d, 0, 0, 0);
      else CopyRgb(d, sample);
      return;
    }
    const int32_t k = shade(Abs(sinY[size_t(y)] * sinX[size_t(x)]));
    for (int c : kRgb) d[c] = ClampChannel((k * sample[c]) / 255);
  });
}

}  // namespace

const CTweakEffectInfo* TweakEffect(int slot) {
  return slot >= 0 && slot < kTweakEffectCount ? &Effects().effects[slot] : nullptr;
}

bool CTweakEngine::Select(int slot) {
  const CTweakEffectInfo* info = TweakEffect(slot);
  if (!info) return false;
  m_slot = slot;
  for (int i = 0; i < kTweakParams; ++i) m_params[i] = info->defaults[i];
  return true;
}

void CTweakEngine::SetParam(int i, int value) {
  if (i >= 0 && i < kTweakParams) m_params[i] = Clamp(value, 0, 255);
}

void CTweakEngine::Randomize(std::mt19937& rng) {
  const CTweakEffectInfo* info = TweakEffect(m_slot);
  for (int i = 0; i < info->paramCount; ++i) m_params[i] = int(rng() % 256u);
}

bool CTweakEngine::Run(const CBitmapView& src, const CBitmapView& dst) const {
  if (!ViewValid(src) || !ViewValid(dst) || !SameShape(src, dst) || Overlap(src, dst) || src.bytesPerPixel != 4)
    return false;
  CopyPicture(src, dst);
  CTweakContext t;
  t.src = src;
  t.dst = dst;
  t.w = src.width;
  t.h = src.height;
  std::memcpy(t.P, m_params, sizeof t.P);
  t.seed = m_seed;
  switch (m_slot) {
    case 0: Boost(t); break;
    case 1: Saturation(t); break;
    case 2: Balance(t); break;
    case 3: Contrast(t); break;
    case 4: Sharpen(t); break;
    case 5: Antialias(t); break;
    case 6: Colorize(t); break;
    case 7: Shift(t); break;
    case 8: Solarize(t); break;
    case 9: Quantize(t); break;
    case 10: Embossed(t); break;
    case 11: TweakOilEmboss(t); break;
    case 12: TweakAgedPhoto(t); break;
    case 13: TweakPastelPop(t); break;
    case 14: PosterArt(t); break;
    case 15: TweakColored(t); break;
    case 16: Melter(t); break;
    case 17: PopColors(t); break;
    case 18: ThreeColors(t); break;
    case 19: UrbanArt(t); break;
    case 20: NeonArt(t); break;
    case 21: GlowingEdge(t); break;
    case 22: TweakOceanic(t); break;
    case 23: GradientPoster(t); break;
    case 24: Mosaic3(t); break;
    case 25: Mosaic(t, false); break;
    case 26: Mosaic(t, true); break;
    default: break;
  }
  return true;
}

}  // namespace tessel
