#include "render/colour_correction.h"

#include <cmath>

#include "base/dib_section.h"
#include "document/draw_object.h"
#include "render/pixel_math.h"

namespace tessel {

CCorrectionTable MakeCorrectionTable(double g) {
  CCorrectionTable table;
  for (int i = 0; i < 256; ++i) {
    if (std::isnan(g)) {  // a damaged record; the curve would give no number either
      table[size_t(i)] = uint8_t(i);
      continue;
    }
    const double c = i * px::kInv255;
    const double bent = g > 1.0 ? 1.0 - std::pow(1.0 - c, g) : std::pow(c, 1.0 / g);
    const double v = bent * 255.0 + 0.5;
    // Negated tests so that a NaN from a gain of 0 or below lands on 0.
    table[size_t(i)] = !(v >= 0.0) ? 0 : v >= 255.0 ? 255 : uint8_t(v);
  }
  return table;
}

bool CorrectColours(CDIBSection& bitmap, const std::array<double, 3>& gains) {
  if (gains[0] == 1.0 && gains[1] == 1.0 && gains[2] == 1.0) return false;
  if (bitmap.IsEmpty() || bitmap.BitsPerPixel() != 32) return false;
  const CCorrectionTable red = MakeCorrectionTable(gains[0]);
  const CCorrectionTable green = MakeCorrectionTable(gains[1]);
  const CCorrectionTable blue = MakeCorrectionTable(gains[2]);
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = bitmap.RowFromBottom(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 4) {
      p[px::kBlue] = blue[p[px::kBlue]];
      p[px::kGreen] = green[p[px::kGreen]];
      p[px::kRed] = red[p[px::kRed]];
    }
  }
  return true;
}

bool ApplyColorCorrection(CDrawObject& o) { return CorrectColours(o.m_bitmap, o.m_colorGain); }

}  // namespace tessel
