// The bevel routines behind ApplyBevel, one file per family, and what they share.
// Every routine expects the bitmap and the mask checked by BevelSizesMatch.
#pragma once

#include <cstdint>

namespace tessel {

class CDIBSection;
class CDrawObject;
struct CCoverageMask;

// True when the bitmap is a non-empty 32-bit picture of the box and the mask is
// box-sized.
bool BevelSizesMatch(const CDrawObject& object, const CCoverageMask& mask);

// The unit vector pointing toward the light of a light angle in degrees, in box
// coordinates with y growing downwards: 0° lights from the right, 90° from the top,
// 135° from the top left, as the emboss shading does.
struct CPlaneDir {
  double x = 0.0;
  double y = 0.0;
};
CPlaneDir TowardLight(double degrees);

// The bevel depth as a blend strength, 0..1 (100 % = 1).
double BevelStrength(const CDrawObject& object);

// "Bump Out": emboss of the grey base, then the relief alone shows (bevel_bump_out.cpp).
bool BumpOutBevel(CDrawObject& object, CCoverageMask& mask);
// "Smooth+Warp": the smooth bevel that also bends the colour along its slopes
// (bevel_warp.cpp).
bool WarpBevel(CDrawObject& object, CCoverageMask& mask);
// "3D Ball": sphere shading; the mask becomes the sphere's height (bevel_ball.cpp).
bool BallBevel(CDrawObject& object, CCoverageMask& mask);

// "3D Extrude", "3D Barel", "3D Transp" (bevel_extrude.cpp).
enum class ExtrudeMode : int { kSolid = 0, kBarrel = 1, kTransparent = 2 };
bool ExtrudeBevel(CDrawObject& object, const CCoverageMask& mask, ExtrudeMode mode);

// "Motion Linear", "Motion Zoom", "Backlight", "Blurrrr!" (bevel_motion.cpp): what is
// smeared (0 the colour, 1 the colour along and then across the line, 2 the light
// around the shape) and along which path (0 a line at the light angle, 2 rays from the
// box centre).
bool MotionBevel(CDrawObject& object, const CCoverageMask& mask, int smear, int path);

// "Linear Wash" (bevel_wash.cpp).
bool WashBevel(CDrawObject& object, const CCoverageMask& mask);

}  // namespace tessel
