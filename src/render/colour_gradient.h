// The gradient generator shared by the colour gradients of the texture step and the
// "Burst.tmb" transparency map, and the three built-in colour gradients themselves
// ("Linear Gradient.tmb", "Radial Gradient.tmb", "Burst Gradient.tmb").
//
// The generator turns a box position into a weight 0..255: 0 where the start colour
// stays, 255 where the end colour is reached. Shapes:
//   0 linear  the position along a direction through the box centre, 0 at the box's
//             first corner, 255 at the opposite one (extent L = |trunc(h sin a)| +
//             |trunc(w cos a)|);
//   1 radial  the elliptical distance from the centre, 255 on the inscribed ellipse;
//   6 burst   a twelve-ray star: the radial distance divided by a reach that swings
//             with the direction, reach = 0.35 + 0.65 · ((1 + cos 12φ) / 2)², so the start
//             colour runs out along twelve rays to the inscribed ellipse and only a
//             third of the way between them.
// The extent factor scales the position before it is turned into a weight (the texture
// amount / 128: 128 is 100 %, more reaches the end colour sooner).
#pragma once

#include <cstdint>

#include "base/dib_section.h"

namespace tessel {

struct CCoverageMask;

enum GradientShape : int { kGradientLinear = 0, kGradientRadial = 1, kGradientBurst = 6 };

// Number of rays of the burst shape.
constexpr int kBurstRays = 12;

class CGradientField {
 public:
  // shape as above; w × h the box; extent the position scale (1.0 = 100 %); angle the
  // direction of the linear shape in degrees, counter-clockwise from the x axis with y
  // pointing up (ignored by the other shapes).
  CGradientField(int shape, int w, int h, double extent, double angleDegrees = 0.0);

  // Writes the weights of box row y (counted from the top) into out[0 .. w).
  void Row(int y, uint8_t* out) const;
  // The weight of one box pixel (a plain form of Row for tests and single points).
  uint8_t At(int x, int y) const;

  int Shape() const { return m_shape; }
  // The linear shape's extent L in pixels and its direction in 1/1024 of a turn.
  int LinearExtent() const { return m_extentL; }
  int AngleSteps() const { return m_angleSteps; }

 private:
  void LinearRow(int y, uint8_t* out) const;
  void RadialRow(int y, uint8_t* out) const;
  void BurstRow(int y, uint8_t* out) const;

  int m_shape;
  int m_width;
  int m_height;
  double m_extent;
  // Linear: unit direction (y down), L and the angle in steps.
  double m_cos = 1.0, m_sin = 0.0;
  int m_extentL = 0;
  int m_angleSteps = 0;
  // Radial and burst: extent / (w/2) and extent / (h/2), so that the inscribed ellipse
  // lies at distance 1 at 100 %.
  double m_invRx = 0.0, m_invRy = 0.0;
};

// Recolours every pixel of the 32-bit bitmap from its present colour towards colour2
// (0x00BBGGRR) by the linear gradient: angle in degrees, extent texture amount / 128.
void LinearColourGradient(CDIBSection& bitmap, uint32_t colour2, int angleDegrees, int amount);

// The radial colour gradient in integer arithmetic: with cx = w/2, cy = h/2 (integer
// halves, at least 1) and R = trunc(cx · cy · amount / 128), each pixel's
// d = (dy² · cx) / cy + (dx² · cy) / cx (truncating divisions) clamped to 0..R sets each
// channel to lerp(d; 0 → present, R → colour2), truncated and clamped to 0..255.
void RadialColourGradient(CDIBSection& bitmap, uint32_t colour2, int amount);

// The burst colour gradient centred in the box, extent amount / 128; pixels whose mask
// value is 0 are left alone.
void BurstColourGradient(CDIBSection& bitmap, const CCoverageMask& mask, uint32_t colour2, int amount);

// lerp(p; pa → ca, pb → cb): cb when pb = pa, else trunc((cb − ca) / (pb − pa) · (p − pa) + ca).
int Lerp(int64_t p, int64_t pa, int ca, int64_t pb, int cb);

}  // namespace tessel
