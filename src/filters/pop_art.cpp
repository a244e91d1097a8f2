// "Pop Art": a poster of flat, bold colour regions with ink lines between them.
//
// 1. Smooth the picture (Gaussian blur) so that noise does not break the regions.
// 2. Every pixel goes to a region: its hue snapped to the nearest of twelve 30-degree
//    sectors (or "grey" when its saturation is below 0.12) and its lightness cut into
//    `levels` equal bands. The region's colour is the sector's hue at the chosen
//    saturation and the middle lightness of the band.
// 3. A pixel whose region differs from the next pixel right or below is darkened by
//    `outline` / 255, which draws a one-pixel ink line along every region border.
#include <cmath>
#include <cstdint>
#include <vector>

#include "base/dib_section.h"
#include "filters/bitmap_filters.h"
#include "filters/filter_math.h"
#include "filters/gaussian_blur.h"
#include "filters/hsl.h"

namespace tessel {

using namespace filters;

namespace {
constexpr int kSectors = 12;
constexpr double kSectorDegrees = 30.0;
constexpr double kGreyBelow = 0.12;
}  // namespace

void PopArt(const CBitmapView& picture, int levels, int smoothing, int saturation, int outline) {
  if (!picture.data || picture.width <= 0 || picture.height <= 0 || picture.bytesPerPixel != 4) return;
  levels = Clamp(levels, 2, 8);
  smoothing = Clamp(smoothing, 0, 10);
  saturation = Clamp(saturation, 0, 100);
  outline = Clamp(outline, 0, 255);
  const int w = picture.width, h = picture.height;

  std::vector<uint8_t> smooth(size_t(w) * 4 * size_t(h));
  const CBitmapView soft{smooth.data(), ptrdiff_t(w) * 4, w, h, 4};
  GaussianFilter(GaussianMode::kBlur, picture, soft, smoothing, 1.0, 0);

  // The colour of every region, region = sector (kSectors for grey) · levels + band.
  std::vector<uint8_t> palette(size_t(kSectors + 1) * levels * 3);
  for (int sector = 0; sector <= kSectors; ++sector)
    for (int band = 0; band < levels; ++band) {
      CHsl c;
      c.h = sector < kSectors ? sector * kSectorDegrees : 0.0;
      c.s = sector < kSectors ? saturation / 100.0 : 0.0;
      c.l = (band + 0.5) / levels;
      double rgb[3];
      HslToRgb(c, rgb);
      uint8_t* out = &palette[(size_t(sector) * levels + band) * 3];
      out[0] = UnitToByte(rgb[0]);
      out[1] = UnitToByte(rgb[1]);
      out[2] = UnitToByte(rgb[2]);
    }

  std::vector<uint16_t> region(size_t(w) * h);
  for (int y = 0; y < h; ++y) {
    const uint8_t* s = soft.Row(y);
    uint16_t* r = &region[size_t(y) * w];
    for (int x = 0; x < w; ++x, s += 4) {
      const CHsl c = RgbToHsl(s[kRed] / 255.0, s[kGreen] / 255.0, s[kBlue] / 255.0);
      const int sector = c.s < kGreyBelow ? kSectors : int(std::floor(c.h / kSectorDegrees + 0.5)) % kSectors;
      const int band = Clamp(int(c.l * levels), 0, levels - 1);
      r[x] = uint16_t(sector * levels + band);
    }
  }

  const int keep = 255 - outline;
  for (int y = 0; y < h; ++y) {
    uint8_t* p = picture.Row(y);
    const uint16_t* r = &region[size_t(y) * w];
    const uint16_t* below = y + 1 < h ? r + w : r;
    for (int x = 0; x < w; ++x, p += 4) {
      const uint8_t* colour = &palette[size_t(r[x]) * 3];
      const bool border = (x + 1 < w && r[x + 1] != r[x]) || below[x] != r[x];
      const int k = border ? keep : 255;
      p[kRed] = uint8_t(colour[0] * k / 255);
      p[kGreen] = uint8_t(colour[1] * k / 255);
      p[kBlue] = uint8_t(colour[2] * k / 255);
    }
  }
}

}  // namespace tessel
