// The painting blend modes: how the ink s meets the stroke-start pixel b, per channel
// (all divisions truncate), and the pen-pressure curve applied to a dab's coverage.
#pragma once

#include <cstdint>

namespace tessel {

enum PaintBlend : int {
  kPaintNormal = 0,
  kPaintMultiply,
  kPaintDifference,
  kPaintScreen,
  kPaintOverlay,
  kPaintDarken,
  kPaintLighten,
  kPaintHardLight,
  kPaintSoftLight,
  kPaintIfLighter,
  kPaintIfDarker,
};
constexpr int kPaintBlendCount = 11;
// The panel combo's texts, in mode order.
extern const char* const kPaintBlendNames[kPaintBlendCount];

namespace paintblend {

constexpr int Multiply(int s, int b) { return s * b / 255; }
constexpr int Screen(int s, int b) { return 255 - (255 - s) * (255 - b) / 255; }
constexpr int Difference(int s, int b) { return s > b ? s - b : b - s; }
constexpr int Overlay(int s, int b) { return (Screen(s, b) * b + Multiply(s, b) * (255 - b)) / 255; }
constexpr int HardLight(int s, int b) { return s < 128 ? 2 * s * b / 255 : 255 - 2 * (255 - b) * (255 - s) / 255; }
// The program's Soft Light is Hard Light with the halves exchanged; it leaves 0..255
// for some inputs, and the compositor clamps its result. Written without a conditional
// on purpose: GCC 12's identical-code folding at -O2 merged the conditional form with
// HardLight above and returned Hard Light's values.
constexpr int SoftLight(int s, int b) {
  const int dark = s <= 128;
  return dark * (255 - 2 * (255 - b) * (255 - s) / 255) + (1 - dark) * (2 * s * b / 255);
}

// One channel of the per-channel modes (Normal to Soft Light); the result may lie
// outside 0..255 for Soft Light.
constexpr int Channel(int mode, int s, int b) {
  switch (mode) {
    case kPaintMultiply: return Multiply(s, b);
    case kPaintDifference: return Difference(s, b);
    case kPaintScreen: return Screen(s, b);
    case kPaintOverlay: return Overlay(s, b);
    case kPaintDarken: return s < b ? s : b;
    case kPaintLighten: return s > b ? s : b;
    case kPaintHardLight: return HardLight(s, b);
    case kPaintSoftLight: return SoftLight(s, b);
    default: return s;
  }
}

}  // namespace paintblend

// Blends the ink pixel s with the base pixel b (blue, green, red) into out, each
// channel clamped to 0..255. If Lighter keeps b where s's channel sum is below b's; If
// Darker keeps b where b's sum is below s's.
void PaintBlendPixel(int mode, const uint8_t* s, const uint8_t* b, uint8_t* out);

// The dab coverage c (0..255) after pen pressure p (0..255) in the brush's pressure
// mode: 1 and 5 subtract, 2 and 6 scale, 3 and 7 do both with a softened pressure, 0
// and 4 leave it; never below 0.
int PressuredCoverage(int c, int p, int pressureMode);

}  // namespace tessel
