// Pixel arithmetic shared by the bitmap filters and the colour tweak effects. Integer
// divisions truncate toward zero; a floating-point result becomes an integer by
// truncation (TruncToInt of the Mutaflux building blocks, which these effects share).
#pragma once

#include <cstdint>

#include "base/program_constants.h"
#include "mutaflux/mutaflux_math.h"

namespace tessel::filters {

using mutaflux::ClampChannel;
using mutaflux::TruncToInt;

using tessel::kAlpha;
using tessel::kBlue;
using tessel::kGreen;
using tessel::kInv255;
using tessel::kRed;

// Brightness Y = (76·R + 150·G + 29·B) >> 8.
constexpr int32_t Luma(int32_t r, int32_t g, int32_t b) { return (76 * r + 150 * g + 29 * b) >> 8; }

// Mix(a, b, w, m): a when m = 0, else trunc((m − w)/m · b + w/m · a), the quotients
// taken in floating point. w = m gives a, w = 0 gives b.
inline int32_t Mix(int32_t a, int32_t b, int32_t w, int32_t m) {
  if (m == 0) return a;
  return TruncToInt(double(int64_t(m) - w) / m * b + double(w) / m * a);
}

// Mix with w and m fixed for a whole picture: the two quotients are taken once, and
// CFixedMix(w, m)(a, b) == Mix(a, b, w, m) for every a, b.
class CFixedMix {
 public:
  CFixedMix(int32_t w, int32_t m)
      : m_zero(m == 0), m_fb(m_zero ? 0.0 : double(int64_t(m) - w) / m), m_fa(m_zero ? 0.0 : double(w) / m) {}
  int32_t operator()(int32_t a, int32_t b) const { return m_zero ? a : TruncToInt(m_fb * b + m_fa * a); }

 private:
  bool m_zero;   // m == 0: the result is a
  double m_fb;   // (m − w) / m
  double m_fa;   // w / m
};

// Colour boost of one channel c against the sum s of the other two, with the mixing
// weight m (255 and below strengthens the colour): clamp(Mix(2c, s, 255, m) / 2).
inline uint8_t BoostChannel(const CFixedMix& mix, int32_t c, int32_t s) { return ClampChannel(mix(2 * c, s) / 2); }

// |v|
constexpr int32_t Abs(int32_t v) { return v < 0 ? -v : v; }

// v clamped to lo..hi.
template <class T>
constexpr T Clamp(T v, T lo, T hi) {
  return v < lo ? lo : v > hi ? hi : v;
}

}  // namespace tessel::filters
