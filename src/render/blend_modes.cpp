#include "render/blend_modes.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "render/pixel_math.h"

namespace tessel {

namespace {
using px::Clamp255;
using px::Mul255;
using px::Screen;

// One channel of the modes that work channel by channel.
int Channel(int mode, int s, int d) {
  switch (mode) {
    case kBlendMultiply: return Mul255(s, d);
    case kBlendDifference: return px::Difference(s, d);
    case kBlendScreen: return Screen(s, d);
    // The weight of the multiply term is 1 - D, not 255 - D: mid tones darken and the
    // result stays within 0..255.
    case kBlendOverlay: return (d * Screen(s, d) + (1 - d) * Mul255(s, d)) / 255;
    case kBlendDarken: return px::Darken(s, d);
    case kBlendLighten: return px::Lighten(s, d);
    case kBlendHardLight:
      return Clamp255(s < 128 ? 2 * s * d / 255 : 255 - 2 * (255 - s) * (255 - d) / 255);
    case kBlendSoftLight:
      return Clamp255(s <= 128 ? 255 - 2 * (255 - s) * (255 - d) / 255 : 2 * s * d / 255);
    case kBlendNegative: return 255 - d;
    case kBlendTint: return ((255 - d) * s + d * d) / 255;
    default: return s;
  }
}

// Keeps the canvas's luminance and takes the object's chroma.
void Colorize(const uint8_t* s, const uint8_t* d, uint8_t* out) {
  const px::CRgb c = px::FromLumaChroma(px::LumaOf(d[2], d[1], d[0]), px::ChromaOf(s[2], s[1], s[0]));
  out[0] = uint8_t(c.b), out[1] = uint8_t(c.g), out[2] = uint8_t(c.r);
}
}  // namespace

const char* BlendModeName(int mode) {
  static const char* const kNames[kBlendModeCount] = {
      "Normal",    "Multiply",   "Difference", "Screen",     "Overlay", "Darken",   "Lighten",
      "Hard Light", "Soft Light", "If Lighter", "If Darker", "Negative", "Tint", "Colorize"};
  return (mode >= 0 && mode < kBlendModeCount) ? kNames[mode] : kNames[0];
}

void BlendPixel(int mode, const uint8_t* src, const uint8_t* dst, uint8_t* out) {
  if (mode == kBlendIfLighter || mode == kBlendIfDarker) {
    const int ss = src[0] + src[1] + src[2], ds = dst[0] + dst[1] + dst[2];
    const bool keepCanvas = mode == kBlendIfLighter ? ss < ds : ss > ds;
    const uint8_t* from = keepCanvas ? dst : src;
    out[0] = from[0], out[1] = from[1], out[2] = from[2];
    return;
  }
  if (mode == kBlendColorize) {
    Colorize(src, dst, out);
    return;
  }
  for (int c = 0; c < 3; ++c) out[c] = uint8_t(Channel(mode, src[c], dst[c]));
}

namespace {
constexpr uint32_t kAlphaBits = 0xFF000000;
constexpr int kBlock = 8;  // pixels tested together

// One source pixel in "Normal" mode over an opaque canvas whose alpha stays.
inline void MixNormal(const uint8_t* s, uint8_t* d) {
  const int a = s[3];
  if (a == 0) return;
  if (a == 255) {
    d[0] = s[0], d[1] = s[1], d[2] = s[2];
    return;
  }
  const double keep = (255 - a) * px::kInv255, take = a * px::kInv255;
  for (int c = 0; c < 3; ++c) d[c] = uint8_t(int(d[c] * keep + s[c] * take));
}

// "Normal" onto an opaque canvas, the common case of every repaint: blocks of pixels
// that are all opaque are copied word by word (vector moves), blocks that are all empty
// are skipped, and the rest mix pixel by pixel.
void CompositeNormalRow(const uint8_t* __restrict src, uint8_t* __restrict dst, int count) {
  int i = 0;
  for (; i + kBlock <= count; i += kBlock) {
    const uint8_t* s = src + 4 * i;
    uint8_t* d = dst + 4 * i;
#ifdef __SSE2__
    const __m128i alpha = _mm_set1_epi32(int(kAlphaBits));
    const __m128i s0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
    const __m128i s1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 16));
    const __m128i all = _mm_and_si128(_mm_and_si128(s0, s1), alpha);
    const __m128i any = _mm_and_si128(_mm_or_si128(s0, s1), alpha);
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(all, alpha)) == 0xFFFF) {
      __m128i* out = reinterpret_cast<__m128i*>(d);
      const __m128i d0 = _mm_loadu_si128(out), d1 = _mm_loadu_si128(out + 1);
      _mm_storeu_si128(out, _mm_or_si128(_mm_and_si128(d0, alpha), _mm_andnot_si128(alpha, s0)));
      _mm_storeu_si128(out + 1, _mm_or_si128(_mm_and_si128(d1, alpha), _mm_andnot_si128(alpha, s1)));
      continue;
    }
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(any, _mm_setzero_si128())) == 0xFFFF) continue;
#else
    uint32_t w[kBlock];
    std::memcpy(w, s, sizeof w);
    uint32_t all = ~0u, any = 0;
    for (int k = 0; k < kBlock; ++k) all &= w[k], any |= w[k];
    if ((all & kAlphaBits) == kAlphaBits) {
      uint32_t v[kBlock];
      std::memcpy(v, d, sizeof v);
      for (int k = 0; k < kBlock; ++k) v[k] = (v[k] & kAlphaBits) | (w[k] & ~kAlphaBits);
      std::memcpy(d, v, sizeof v);
      continue;
    }
    if ((any & kAlphaBits) == 0) continue;
#endif
    for (int k = 0; k < kBlock; ++k) MixNormal(s + 4 * k, d + 4 * k);
  }
  for (; i < count; ++i) MixNormal(src + 4 * i, dst + 4 * i);
}
}  // namespace

void CompositeRow(int mode, const uint8_t* src, uint8_t* dst, int count, bool keepAlpha) {
  if (mode < 0 || mode >= kBlendModeCount) mode = kBlendNormal;
  if (mode == kBlendNormal && keepAlpha) {
    CompositeNormalRow(src, dst, count);
    return;
  }
  uint8_t blended[3];
  for (int i = 0; i < count; ++i, src += 4, dst += 4) {
    const int a = src[3];
    if (a == 0) continue;
    BlendPixel(mode, src, dst, blended);
    if (keepAlpha) {
      if (a == 255) {
        dst[0] = blended[0], dst[1] = blended[1], dst[2] = blended[2];
        continue;
      }
      const double keep = (255 - a) * px::kInv255, take = a * px::kInv255;
      for (int c = 0; c < 3; ++c) dst[c] = uint8_t(int(dst[c] * keep + blended[c] * take));
      continue;
    }
    // A canvas that may be transparent: the source covers what the canvas does not.
    const int da = dst[3];
    const int outA = a + da * (255 - a) / 255;
    for (int c = 0; c < 3; ++c)
      dst[c] = uint8_t((blended[c] * a + dst[c] * da * (255 - a) / 255) / std::max(outA, 1));
    dst[3] = uint8_t(outA);
  }
}

}  // namespace tessel
