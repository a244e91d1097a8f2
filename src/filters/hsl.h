// Hue, saturation and lightness of the usual double-cone model: hue in degrees 0..360,
// saturation and lightness 0..1; red, green and blue 0..1.
#pragma once

#include <cmath>

namespace tessel::filters {

struct CHsl {
  double h = 0.0;  // degrees, 0 <= h < 360 (0 for greys)
  double s = 0.0;
  double l = 0.0;
};

inline CHsl RgbToHsl(double r, double g, double b) {
  const double mx = std::fmax(r, std::fmax(g, b)), mn = std::fmin(r, std::fmin(g, b));
  CHsl out;
  out.l = (mx + mn) / 2.0;
  if (mx == mn) return out;
  const double d = mx - mn;
  out.s = out.l > 0.5 ? d / (2.0 - mx - mn) : d / (mx + mn);
  double h;
  if (mx == r) h = (g - b) / d + (g < b ? 6.0 : 0.0);
  else if (mx == g) h = (b - r) / d + 2.0;
  else h = (r - g) / d + 4.0;
  out.h = h * 60.0;
  return out;
}

namespace detail {
inline double HueToChannel(double p, double q, double t) {
  if (t < 0.0) t += 1.0;
  if (t > 1.0) t -= 1.0;
  if (t < 1.0 / 6.0) return p + (q - p) * 6.0 * t;
  if (t < 0.5) return q;
  if (t < 2.0 / 3.0) return p + (q - p) * (2.0 / 3.0 - t) * 6.0;
  return p;
}
}  // namespace detail

// rgb[0] red, rgb[1] green, rgb[2] blue, each 0..1.
inline void HslToRgb(const CHsl& c, double rgb[3]) {
  if (c.s <= 0.0) {
    rgb[0] = rgb[1] = rgb[2] = c.l;
    return;
  }
  const double q = c.l < 0.5 ? c.l * (1.0 + c.s) : c.l + c.s - c.l * c.s;
  const double p = 2.0 * c.l - q;
  const double h = c.h / 360.0;
  rgb[0] = detail::HueToChannel(p, q, h + 1.0 / 3.0);
  rgb[1] = detail::HueToChannel(p, q, h);
  rgb[2] = detail::HueToChannel(p, q, h - 1.0 / 3.0);
}

// A 0..1 value as a byte, rounded to nearest.
inline unsigned char UnitToByte(double v) {
  const double b = std::floor(v * 255.0 + 0.5);
  return (unsigned char)(b <= 0.0 ? 0 : b >= 255.0 ? 255 : b);
}

}  // namespace tessel::filters
