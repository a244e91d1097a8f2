#include "paint/paint_blend.h"

#include "base/program_constants.h"
#include "render/pixel_math.h"

namespace tessel {

const char* const kPaintBlendNames[kPaintBlendCount] = {"Normal",  "Multiply",   "Difference", "Screen",
                                                        "Overlay", "Darken",     "Lighten",    "Hard Light",
                                                        "Soft Light", "If Lighter", "If Darker"};

void PaintBlendPixel(int mode, const uint8_t* s, const uint8_t* b, uint8_t* out) {
  if (mode == kPaintIfLighter || mode == kPaintIfDarker) {
    const int ss = s[0] + s[1] + s[2], bs = b[0] + b[1] + b[2];
    const bool keepBase = mode == kPaintIfLighter ? ss < bs : bs < ss;
    const uint8_t* from = keepBase ? b : s;
    out[0] = from[0];
    out[1] = from[1];
    out[2] = from[2];
    return;
  }
  for (int c = 0; c < 3; ++c) out[c] = uint8_t(px::Clamp255(paintblend::Channel(mode, s[c], b[c])));
}

int PressuredCoverage(int c, int p, int pressureMode) {
  switch (pressureMode) {
    case 1:
    case 5: c = c + p - 255; break;
    case 2:
    case 6: c = int(c * p * kInv255); break;
    case 3:
    case 7: {
      const int q = 255 - (255 - p) * (255 - p) / 255;
      c = int((c + q - 255) * q * kInv255);
      break;
    }
    default: break;
  }
  return c < 0 ? 0 : c;
}

}  // namespace tessel
