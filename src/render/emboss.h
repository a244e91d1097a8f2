// Emboss shading of an object bitmap by a height field, and the emboss bevels.
#pragma once

#include <cstdint>

namespace tessel {

class CDIBSection;
class CDrawObject;
struct CCoverageMask;

// The light vector of an emboss: Lx = cos A · I · cos E, Ly = sin A · I · cos E,
// Lz = sin E · I · 120, with A and E in degrees turned to radians by 3.1415926535 / 180.
struct CEmbossLight {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};
CEmbossLight MakeEmbossLight(double azimuth, double elevation, int intensity);

// The shading S of a pixel with gradients gx, gy (not both 0):
// d = trunc(gy · Ly + gx · Lx + Lz); S = 0 for d < 0, else trunc(2d / √(gx² + gy² + 120²));
// squared gives S² / 255 instead. A flat surface lit at 30° gives 255.
int EmbossShading(int gx, int gy, const CEmbossLight& light, bool squared);

// Shades the 32-bit bottom-up bitmap (width × h) by the top-down height field: every
// pixel with a slope gets k = trunc((S − 255) · depth / 100) added to blue, green and red
// (clamped); neighbours of the 3 × 3 gradients wrap around at the edges; finally the
// outermost columns and then rows copy their inner neighbours. Returns false (nothing
// done) when the bitmap is not a 32-bit width × h picture or height is null.
bool EmbossShade(CDIBSection& pixels, const uint8_t* height, int width, int h, double azimuth, double elevation,
                 int intensity, int depth, bool squared);

// True for the bevel kinds shaded by the emboss routine (listed below).
bool IsEmbossBevel(int kind);

// Shades pixels (32-bit, w × h) with the emboss bevel of the given kind and the
// object's bevel width, depth and light angle, building the height field in place in
// height (w × h bytes, top row first). Returns false (nothing done) for a kind that is
// not an emboss bevel or a picture of another size.
bool ShadeEmbossBevel(const CDrawObject& object, int kind, CDIBSection& pixels, uint8_t* height, int w, int h);

// The emboss bevels ("Smooth Bevel" to "Outline", "Smooth Hi-Lite", "Horizontal",
// "Vertical"): builds the height field in place in the mask buffer (radius
// trunc(bevel width / 3) · render scale) and shades the object bitmap lit from the
// bevel light angle at 30°. Returns false and does nothing for any other bevel kind, an
// empty bitmap or a bitmap or mask whose size differs from the box.
bool ApplyEmbossBevel(CDrawObject& object, CCoverageMask& mask);

// The emboss bevel with a given profile, direction (0 both, 1 x, 2 y) and squared
// shading, whatever the object's bevel kind; the same checks and result as above.
bool EmbossBevel(CDrawObject& object, CCoverageMask& mask, int profile, int direction, bool squared);

// The blur radius of the bevel's height field: trunc(bevel width / 3) · render scale,
// held to 0..65536.
int BevelRadius(const CDrawObject& object);

}  // namespace tessel
