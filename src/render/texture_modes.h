// The fourteen ways a texel T combines with the colour D under it, as listed on the
// texture bar. Each mode first forms a blended colour B per channel, then the pixel
// becomes D + (B − D) · amount / 255, computed as (D · (255 − amount) + B · amount) / 255
// (truncating), so amount 255 gives B and 0 leaves D. b is the texel brightness
// (T_red + T_green + T_blue) / 3 and C2 the object's second colour.
//
//   0 Normal      B = T
//   1 Multiply    B = T · D / 255
//   2 Difference  B = |T − D|
//   3 Screen      B = 255 − (255 − T)(255 − D) / 255
//   4 Overlay     D < 128: 2 · T · D / 255, else 255 − 2 (255 − T)(255 − D) / 255
//   5 Darken      B = min(T, D)
//   6 Lighten     B = max(T, D)
//   7 Hard Light  T < 128: 2 · T · D / 255, else 255 − 2 (255 − T)(255 − D) / 255
//   8 Soft Light  B = ((255 − 2T) · D² / 255 + 2 · T · D) / 255
//   9 If Lighter  the whole texel when b > (D_red + D_green + D_blue) / 3, else D
//  10 If Darker   the whole texel when b < (D_red + D_green + D_blue) / 3, else D
//  11 Negative    B = D + (255 − 2D) · b / 255: bright texels invert the colour
//  12 Tint        B = D + (C2 − D) · b / 255: bright texels pull towards C2
//  13 Colorize    the texel's luminance Y = trunc(0.299 R + 0.587 G + 0.114 B) with
//                 the chroma of C2 (YCbCr), each channel clamped to 0..255
// Any other mode number acts as Normal.
#pragma once

#include <cstdint>

namespace tessel {

constexpr int kTextureModeCount = 14;

enum TextureMode : int {
  kTexNormal = 0,
  kTexMultiply,
  kTexDifference,
  kTexScreen,
  kTexOverlay,
  kTexDarken,
  kTexLighten,
  kTexHardLight,
  kTexSoftLight,
  kTexIfLighter,
  kTexIfDarker,
  kTexNegative,
  kTexTint,
  kTexColorize,
};

// Combines one row: colour points at 32-bit BGRA pixels (alpha untouched), texels at
// three bytes (blue, green, red) per pixel. colour2 is 0x00BBGGRR. The mode is chosen once
// per call.
void CombineTextureRow(int mode, uint8_t* colour, const uint8_t* texels, int width, int amount, uint32_t colour2);

// One pixel, the plain form (tests, single points): bgra is changed in place.
void CombineTexturePixel(int mode, uint8_t* bgra, const uint8_t* texelBgr, int amount, uint32_t colour2);

}  // namespace tessel
