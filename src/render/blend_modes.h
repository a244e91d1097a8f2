// The fourteen blend modes with which an object's bitmap combines with the canvas
// below it, and the row kernel that composites one row by the source alpha.
#pragma once

#include <cstdint>

namespace tessel {

enum BlendMode : int {
  kBlendNormal = 0,
  kBlendMultiply,
  kBlendDifference,
  kBlendScreen,
  kBlendOverlay,
  kBlendDarken,
  kBlendLighten,
  kBlendHardLight,
  kBlendSoftLight,
  kBlendIfLighter,
  kBlendIfDarker,
  kBlendNegative,
  kBlendTint,
  kBlendColorize,
  kBlendModeCount
};

// The names shown in the lists, in mode order.
const char* BlendModeName(int mode);

// The blended colour of one pixel: src and dst are blue, green, red; out receives
// blue, green, red. Modes outside 0..13 act as "Normal".
void BlendPixel(int mode, const uint8_t* src, const uint8_t* dst, uint8_t* out);

// Composites count source pixels (32-bit BGRA) onto destination pixels (32-bit BGRA):
// the blended colour replaces the canvas where the source alpha is 255, mixes with it
// by the alpha below that, and leaves it where the alpha is 0. With keepAlpha the
// destination is taken as opaque and its alpha left alone (the canvas of the view and
// of an opaque export); otherwise the destination's alpha grows as the source covers
// it and colours mix by coverage (a transparent export).
void CompositeRow(int mode, const uint8_t* src, uint8_t* dst, int count, bool keepAlpha);

}  // namespace tessel
