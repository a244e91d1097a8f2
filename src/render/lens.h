// Lens objects. Effect kinds 11 to 19 show the canvas below the object instead of the
// object's own picture: magnified, bent, turned, rippled, tiled or defocused, and mixed
// with the object's rendered pixels by the shadow opacity. The lens image is computed
// at every composite from what lies below at that moment.
//
//   11 "Magnifying Lens"  12 "Concave Glass"  13 "Upside Down"  14 "Ripple Lens"
//   15 "Fish-Eye Lens"    16 "Crazy Sphere"   17 "Thick Border Lens"
//   18 "Thick Center Lens"  19 "Defocus Filter Lens"
//
// The lens reads the object's shadow fields: distance (m_effectParam1) is the strength,
// softness (m_effectDistanceF) the curve or blur width, opacity (m_effectParam2) the
// share of the lens image and angle (m_effectAngle) the direction of the colour fringe.
#pragma once

#include <cstdint>
#include <vector>

namespace tessel {

class CDIBSection;
class CDrawObject;

enum LensKind : int {
  kLensMagnify = 11,
  kLensConcave = 12,
  kLensUpsideDown = 13,
  kLensRipple = 14,
  kLensFishEye = 15,
  kLensCrazySphere = 16,
  kLensThickBorder = 17,
  kLensThickCenter = 18,
  kLensDefocus = 19,
};

// What a lens reads besides the object.
struct CLensInput {
  // The canvas pixels the lens looks at (32-bit, bottom-up): the area under the box, or
  // for "Fish-Eye Lens" the whole visible canvas.
  const CDIBSection* source = nullptr;
  // The box's bottom-left pixel inside the source (0, 0 for the area under the box).
  int ox = 0;
  int oy = 0;
  // The box's top-left corner on the canvas and the visible canvas's size.
  int left = 0;
  int top = 0;
  int canvasWidth = 0;
  int canvasHeight = 0;
  uint32_t background = 0;  // 0x00BBGGRR, shown where the lens looks beyond the source
  // Switches off the test that shows the background where "Magnifying Lens", "Upside
  // Down" and "Ripple Lens" look beyond the visible canvas.
  bool anyPosition = false;
};

// The kinds RenderLensImage draws (11 to 19).
bool IsCanvasLens(int effect);

// Writes the lens image of object o (its m_effect one of 11..19) into work, which is
// (re)created at the size of o.m_bitmap: the colour from the source by the lens, mixed
// with the object's own pixel by the shadow opacity; the alpha is the object's alpha.
// "Defocus Filter Lens" clears o.m_lensEnvironment. Returns false (work untouched) for
// another kind, an empty object bitmap or a source that is not 32-bit.
bool RenderLensImage(CDrawObject& o, const CLensInput& in, CDIBSection& work);

// The finishing passes over a lens image of a drawing (not a bitmap object): a painted
// bitmap layer is laid over it within the object's alpha, and a bevelled object (bevel
// kind above 0, not "Feather") shades it with its bevel built from that alpha, so the
// lens keeps the relief of its glass. alphaMap is the object's alpha, top row first.
void FinishLensImage(const CDrawObject& o, const std::vector<uint8_t>& alphaMap, CDIBSection& work);

// The lens path of the compositor for kinds 11..19: grabs the canvas under o's box
// (canvas pixel (0, 0) at its top-left; pixels beyond the bitmap read as the
// background), or the whole visible canvas for "Fish-Eye Lens", renders the lens image
// into work and finishes it. work is then to be composited at (o.m_left, o.m_top) with
// the object's blend mode. Returns false when there is nothing to composite.
bool DrawLens(const CDIBSection& canvas, CDrawObject& o, int canvasWidth, int canvasHeight, uint32_t background,
              CDIBSection& work);

}  // namespace tessel
