// "Auto Level" and "Enhance Digital Photo": per-channel levels stretch from the
// histograms, with an optional gamma, and the colour boost.
#include <cmath>
#include <cstdint>

#include "base/dib_section.h"
#include "filters/bitmap_filters.h"
#include "filters/filter_math.h"

namespace tessel {

using namespace filters;

namespace {
constexpr double kEnhanceGamma = 1.6;
// The colour boost mixes 2c with the other two channels by 255 over 210.
constexpr int32_t kBoostWeight = 255;
constexpr int32_t kBoostScale = 210;
}  // namespace

void AutoLevelTables(const CBitmapView& picture, double gamma, uint8_t tables[3][256]) {
  int64_t hist[3][256] = {};
  for (int y = 0; y < picture.height; ++y) {
    const uint8_t* p = picture.Row(y);
    for (int x = 0; x < picture.width; ++x, p += 4) {
      ++hist[0][p[0]];
      ++hist[1][p[1]];
      ++hist[2][p[2]];
    }
  }
  for (int c = 0; c < 3; ++c) {
    int64_t peak = 0;
    for (int v = 0; v < 256; ++v) peak = hist[c][v] > peak ? hist[c][v] : peak;
    const int64_t t = peak / 20;
    int low = 0, high = 255;
    for (int v = 0; v < 256; ++v)
      if (hist[c][v] > t) {
        low = v;
        break;
      }
    for (int v = 255; v >= 0; --v)
      if (hist[c][v] > t) {
        high = v;
        break;
      }
    for (int i = 0; i < 256; ++i) {
      double v = i - low;
      if (high != low) v /= (high - low);
      if (gamma != 0.0) v = v >= 0.0 ? std::pow(v, 1.0 / gamma) : -std::pow(-v, 1.0 / gamma);
      tables[c][i] = ClampChannel(TruncToInt(v * 255.0 + 0.5));
    }
  }
}

void AutoLevel(const CBitmapView& picture, double gamma) {
  uint8_t tables[3][256];
  AutoLevelTables(picture, gamma, tables);
  for (int y = 0; y < picture.height; ++y) {
    uint8_t* p = picture.Row(y);
    for (int x = 0; x < picture.width; ++x, p += 4) {
      p[0] = tables[0][p[0]];
      p[1] = tables[1][p[1]];
      p[2] = tables[2][p[2]];
    }
  }
}

void ColourBoost(const CBitmapView& picture) {
  const CFixedMix mix(kBoostWeight, kBoostScale);
  for (int y = 0; y < picture.height; ++y) {
    uint8_t* p = picture.Row(y);
    for (int x = 0; x < picture.width; ++x, p += 4) {
      const int32_t b = p[0], g = p[1], r = p[2];
      p[0] = BoostChannel(mix, b, g + r);
      p[1] = BoostChannel(mix, g, b + r);
      p[2] = BoostChannel(mix, r, b + g);
    }
  }
}

void EnhanceDigitalPhoto(const CBitmapView& picture) {
  AutoLevel(picture, kEnhanceGamma);
  ColourBoost(picture);
}

}  // namespace tessel
