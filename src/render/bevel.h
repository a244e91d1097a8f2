// The bevel step of a render: the 23 bevel kinds of the Bevel Bar, each shading the
// object bitmap within the coverage mask.
#pragma once

namespace tessel {

class CDrawObject;
struct CCoverageMask;

// Bevel kinds (m_bevelType), in the order of the Bevel Bar list.
enum BevelKind : int {
  kBevelNone = 0,
  kBevelSmooth = 1,
  kBevelFlat = 2,
  kBevelFramed = 3,
  kBevelNoise = 4,
  kBevelSaucer = 5,
  kBevelFrame = 6,
  kBevelOutline = 7,
  kBevelBumpOut = 8,
  kBevelFeather = 9,
  kBevelSmoothWarp = 10,
  kBevelHiLite = 11,
  kBevelBall = 12,
  kBevelExtrude = 13,
  kBevelBarrel = 14,
  kBevelTransparent = 15,
  kBevelMotionLinear = 16,
  kBevelMotionZoom = 17,
  kBevelBacklight = 18,
  kBevelBlur = 19,
  kBevelLinearWash = 20,
  kBevelHorizontal = 21,
  kBevelVertical = 22,
};

// Shades the object bitmap by the object's bevel kind, width (m_bevelWidth), depth
// (m_bevelParam1, per cent) and light angle (m_bevelParam2, degrees). The emboss kinds,
// "Bump Out", "Smooth+Warp" and "3D Ball" leave their height field in the mask for the
// later steps. Returns true when a bevel ran; false, with nothing changed, for "No
// Bevel", "Feather" (its work is done by the feathering step), unknown kinds, an empty
// bitmap, or a bitmap or mask whose size differs from the box.
bool ApplyBevel(CDrawObject& object, CCoverageMask& mask);

}  // namespace tessel
