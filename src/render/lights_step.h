// The lights step of a render ("Rendering Lights... (long operation)"): the object's light
// set shades its colour over a relief taken from the bump map or, without one, from the
// brightness of the colour when the 3D texture flag is set.
#pragma once

#include <cstdint>
#include <vector>

namespace tessel {

class CDIBSection;
class CDrawObject;
struct CCoverageMask;

// An 8-bit height map owned by the step, rows bottom-up (see CHeightMap).
struct CReliefMap {
  std::vector<uint8_t> bytes;
  int width = 0;
  int height = 0;
};

// How a bump picture becomes heights.
struct CBumpSettings {
  double scale = 0.5;  // the map tiles the box at this many times the picture's size
  int amount = 200;    // heights are brightness · amount / 255 (more than 255 is held)
  bool invert = false; // bright parts become dents instead of bumps
  int enlarge = 1;     // the render scale: the map grows with the render
};

// The heights of a 24-bit bump picture: its brightness ((76 r + 150 g + 29 b) >> 8),
// resampled (wrapped, bilinear) to round(size · scale · enlarge) pixels (at least 1, at
// most 4096), inverted and weighed as the settings say. Empty for a picture that is not
// 24 bits.
CReliefMap BumpReliefMap(const CDIBSection& picture, const CBumpSettings& settings);

// The heights of the object's own colour for the 3D texture flag: its brightness,
// inverted when the 3D texture depth is 100 or less, times min(|depth − 100|, 100) / 100.
CReliefMap ColourReliefMap(const CDrawObject& object);

// The step. "None.jpg" as bump map name becomes the empty name; a named bump map is looked
// up under "BUM" in the texture store and loaded on a miss from the Bumpmap folder; one
// that cannot be read is added to the application's missing-texture list and the name
// emptied. The relief is the bump map (m_bumpScale, m_bumpAmount, m_bumpMode non-zero
// inverting it); without one, the colour's brightness when the 3D texture flag is set;
// otherwise the surface is flat. Returns true when the bitmap was shaded.
bool RenderLights(CDrawObject& object, const CCoverageMask& mask);

}  // namespace tessel
