// Pixel arithmetic of the render engine: the truncating divisions by 255, clamps, the
// program's 1/255 and the per-channel blend formulas that the texture modes are built
// from. Every function is constexpr or inline and works on channel values 0..255 held in
// int; the results are 0..255 unless a comment says otherwise.
#pragma once

#include <cstdint>

#include "base/program_constants.h"

namespace tessel::px {

using tessel::kAlpha;
using tessel::kBlue;
using tessel::kDegToRad;
using tessel::kGreen;
using tessel::kInv255;
using tessel::kRed;

// v / 255, truncating toward zero (v may be negative).
constexpr int Div255(int v) { return v / 255; }
// v clamped to 0..255.
constexpr int Clamp255(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }
// a + b held at 255.
constexpr int AddSat(int a, int b) { return Clamp255(a + b); }
// a · b / 255, truncating.
constexpr int Mul255(int a, int b) { return a * b / 255; }
// The integer mean of three channels, truncating: the brightness of a texel.
constexpr int Mean3(int r, int g, int b) { return (r + g + b) / 3; }
// a + (b − a) · w / 255 as (a · (255 − w) + b · w) / 255: a at w = 0, b at w = 255.
constexpr int Mix255(int a, int b, int w) { return (a * (255 - w) + b * w) / 255; }

// Double to int, truncating toward zero; NaN and values beyond the int range become 0 so
// that a damaged value never becomes undefined behaviour.
inline int Trunc(double v) { return (v > -2147483648.0 && v < 2147483648.0) ? int(v) : 0; }
// Truncates and clamps to 0..255.
inline int TruncClamp255(double v) { return v <= 0.0 ? 0 : v >= 255.0 ? 255 : int(v); }

// Per-channel blends of a source s (the texel) over a destination d (the colour).
constexpr int Screen(int s, int d) { return 255 - (255 - s) * (255 - d) / 255; }
constexpr int Difference(int s, int d) { return s > d ? s - d : d - s; }
constexpr int Darken(int s, int d) { return s < d ? s : d; }
constexpr int Lighten(int s, int d) { return s > d ? s : d; }
// Hard light: multiply below 128, screen from 128 on, both doubled.
constexpr int HardLight(int s, int d) {
  return Clamp255(s < 128 ? 2 * s * d / 255 : 255 - 2 * (255 - s) * (255 - d) / 255);
}
// Overlay: hard light with the roles swapped (the destination picks the formula).
constexpr int Overlay(int s, int d) { return HardLight(d, s); }
// Soft light ("pegtop"): ((255 − 2s) · d² / 255 + 2 · s · d) / 255, which stays in 0..255
// and is continuous in s.
constexpr int SoftLight(int s, int d) { return ((255 - 2 * s) * d * d / 255 + 2 * s * d) / 255; }

// Luminance Y = trunc(0.299 R + 0.587 G + 0.114 B).
inline int LumaOf(int r, int g, int b) { return int(0.299 * r + 0.587 * g + 0.114 * b); }

// The chroma of a colour, Cb and Cr around 0.
struct CChroma {
  double cb = 0.0;
  double cr = 0.0;
};
inline CChroma ChromaOf(int r, int g, int b) {
  return {0.5 * b - 0.16874 * r - 0.33126 * g, 0.5 * r - 0.41869 * g - 0.08131 * b};
}
// Red, green and blue from luminance y and chroma c (the JPEG YCbCr inverse), each
// truncated and clamped to 0..255.
struct CRgb {
  int r, g, b;
};
inline CRgb FromLumaChroma(int y, const CChroma& c) {
  return {TruncClamp255(y + 1.402 * c.cr), TruncClamp255(y - 0.344136 * c.cb - 0.714136 * c.cr),
          TruncClamp255(y + 1.772 * c.cb)};
}

}  // namespace tessel::px
