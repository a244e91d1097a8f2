// "Invert Alpha", "Brightness and Contrast" and "Hue && Saturation".
#include <cmath>
#include <cstdint>

#include "base/dib_section.h"
#include "filters/bitmap_filters.h"
#include "filters/filter_math.h"
#include "filters/hsl.h"
#include "filters/parallel_rows.h"

namespace tessel {

using namespace filters;

void InvertAlpha(const CBitmapView& picture) {
  for (int y = 0; y < picture.height; ++y) {
    uint8_t* p = picture.Row(y) + 3;
    for (int x = 0; x < picture.width; ++x, p += 4) *p = uint8_t(255 - *p);
  }
}

void BrightnessContrast(const CBitmapView& picture, int brightness, int contrast) {
  brightness = Clamp(brightness, -100, 100);
  contrast = Clamp(contrast, -100, 100);
  if (brightness == 0 && contrast == 0) return;
  const double shift = brightness * 2.55;
  const double k = contrast >= 0 ? 100.0 / (100.0 - (contrast < 99 ? contrast : 99)) : (100.0 + contrast) / 100.0;
  uint8_t table[256];
  for (int i = 0; i < 256; ++i) {
    const double v = std::floor((i + shift - 127.5) * k + 127.5 + 0.5);
    table[i] = v <= 0.0 ? 0 : v >= 255.0 ? 255 : uint8_t(v);
  }
  for (int y = 0; y < picture.height; ++y) {
    uint8_t* p = picture.Row(y);
    for (int x = 0; x < picture.width; ++x, p += 4) {
      p[0] = table[p[0]];
      p[1] = table[p[1]];
      p[2] = table[p[2]];
    }
  }
}

void HueSaturation(const CBitmapView& picture, int hue, int saturation, int lightness) {
  hue = Clamp(hue, -180, 180);
  saturation = Clamp(saturation, -100, 100);
  lightness = Clamp(lightness, -100, 100);
  if (hue == 0 && saturation == 0 && lightness == 0) return;
  const double ds = saturation / 100.0, dl = lightness / 100.0;
  ForEachBand(picture.height, BandCount(picture.width, picture.height), [&](int begin, int end) {
    for (int y = begin; y < end; ++y) {
      uint8_t* p = picture.Row(y);
      for (int x = 0; x < picture.width; ++x, p += 4) {
        CHsl c = RgbToHsl(p[kRed] / 255.0, p[kGreen] / 255.0, p[kBlue] / 255.0);
        c.h = std::fmod(c.h + hue + 360.0, 360.0);
        c.s = ds < 0.0 ? c.s * (1.0 + ds) : c.s + (1.0 - c.s) * ds;
        c.l = dl < 0.0 ? c.l * (1.0 + dl) : c.l + (1.0 - c.l) * dl;
        double rgb[3];
        HslToRgb(c, rgb);
        p[kRed] = UnitToByte(rgb[0]);
        p[kGreen] = UnitToByte(rgb[1]);
        p[kBlue] = UnitToByte(rgb[2]);
      }
    }
  });
}

}  // namespace tessel
