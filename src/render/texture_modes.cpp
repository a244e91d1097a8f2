#include "render/texture_modes.h"

#include "render/pixel_math.h"

namespace tessel {

namespace {

// Per-call constants of a row.
struct CModeContext {
  int amount;
  int c2[3];           // second colour, blue, green, red
  px::CChroma chroma;  // chroma of the second colour (Colorize)
};

CModeContext MakeContext(int amount, uint32_t colour2) {
  CModeContext c{};
  c.amount = amount < 0 ? 0 : amount > 255 ? 255 : amount;
  c.c2[px::kBlue] = int((colour2 >> 16) & 0xFF);
  c.c2[px::kGreen] = int((colour2 >> 8) & 0xFF);
  c.c2[px::kRed] = int(colour2 & 0xFF);
  c.chroma = px::ChromaOf(c.c2[px::kRed], c.c2[px::kGreen], c.c2[px::kBlue]);
  return c;
}

// The blended colour B of one pixel into out (blue, green, red).
template <int Mode>
inline void Blend(const uint8_t* d, const uint8_t* t, const CModeContext& k, int* out) {
  if constexpr (Mode == kTexIfLighter || Mode == kTexIfDarker) {
    const int bt = px::Mean3(t[0], t[1], t[2]), bd = px::Mean3(d[0], d[1], d[2]);
    const bool take = Mode == kTexIfLighter ? bt > bd : bt < bd;
    for (int ch = 0; ch < 3; ++ch) out[ch] = take ? t[ch] : d[ch];
  } else if constexpr (Mode == kTexColorize) {
    const px::CRgb c = px::FromLumaChroma(px::LumaOf(t[px::kRed], t[px::kGreen], t[px::kBlue]), k.chroma);
    out[px::kBlue] = c.b;
    out[px::kGreen] = c.g;
    out[px::kRed] = c.r;
  } else {
    const int b = px::Mean3(t[0], t[1], t[2]);
    for (int ch = 0; ch < 3; ++ch) {
      const int s = t[ch], dc = d[ch];
      int v;
      if constexpr (Mode == kTexMultiply) v = px::Mul255(s, dc);
      else if constexpr (Mode == kTexDifference) v = px::Difference(s, dc);
      else if constexpr (Mode == kTexScreen) v = px::Screen(s, dc);
      else if constexpr (Mode == kTexOverlay) v = px::Overlay(s, dc);
      else if constexpr (Mode == kTexDarken) v = px::Darken(s, dc);
      else if constexpr (Mode == kTexLighten) v = px::Lighten(s, dc);
      else if constexpr (Mode == kTexHardLight) v = px::HardLight(s, dc);
      else if constexpr (Mode == kTexSoftLight) v = px::SoftLight(s, dc);
      else if constexpr (Mode == kTexNegative) v = dc + (255 - 2 * dc) * b / 255;
      else if constexpr (Mode == kTexTint) v = dc + (k.c2[ch] - dc) * b / 255;
      else v = s;  // Normal
      out[ch] = v;
    }
  }
}

template <int Mode>
void CombineRowT(uint8_t* colour, const uint8_t* texels, int width, const CModeContext& k) {
  const int a = k.amount;
  for (int x = 0; x < width; ++x, colour += 4, texels += 3) {
    int b[3];
    Blend<Mode>(colour, texels, k, b);
    for (int ch = 0; ch < 3; ++ch) colour[ch] = uint8_t(px::Mix255(colour[ch], b[ch], a));
  }
}

using RowFn = void (*)(uint8_t*, const uint8_t*, int, const CModeContext&);

RowFn RowFor(int mode) {
  switch (mode) {
    case kTexMultiply: return CombineRowT<kTexMultiply>;
    case kTexDifference: return CombineRowT<kTexDifference>;
    case kTexScreen: return CombineRowT<kTexScreen>;
    case kTexOverlay: return CombineRowT<kTexOverlay>;
    case kTexDarken: return CombineRowT<kTexDarken>;
    case kTexLighten: return CombineRowT<kTexLighten>;
    case kTexHardLight: return CombineRowT<kTexHardLight>;
    case kTexSoftLight: return CombineRowT<kTexSoftLight>;
    case kTexIfLighter: return CombineRowT<kTexIfLighter>;
    case kTexIfDarker: return CombineRowT<kTexIfDarker>;
    case kTexNegative: return CombineRowT<kTexNegative>;
    case kTexTint: return CombineRowT<kTexTint>;
    case kTexColorize: return CombineRowT<kTexColorize>;
    default: return CombineRowT<kTexNormal>;
  }
}

}  // namespace

void CombineTextureRow(int mode, uint8_t* colour, const uint8_t* texels, int width, int amount, uint32_t colour2) {
  const CModeContext k = MakeContext(amount, colour2);
  RowFor(mode)(colour, texels, width, k);
}

void CombineTexturePixel(int mode, uint8_t* bgra, const uint8_t* texelBgr, int amount, uint32_t colour2) {
  CombineTextureRow(mode, bgra, texelBgr, 1, amount, colour2);
}

}  // namespace tessel
