// "Sparkle": glints scattered over an object's shape.
#pragma once

#include <cstdint>

namespace tessel {

class CDrawObject;

// The seed of the sparkle generator; the shadow distance is added to it so that the
// user can deal a new scattering while a render stays repeatable.
constexpr uint32_t kSparkleSeed = 0x5EA5C0DEu;

// Paints four-rayed glints of the shadow colour onto the object bitmap at points drawn
// from the seeded generator where the object is at least half opaque. Their size grows
// with the shadow softness S (ray length (4 + 2S) · render scale, each glint 50..100 %
// of it), their strength is the shadow opacity, and their number follows the covered
// area at scale 1, so an enlarged render shows the same glints enlarged. A glint mixes
// its colour in and raises the alpha to its own strength, so its rays may reach past
// the edge. Returns the number of glints painted.
int PaintSparkles(CDrawObject& object);

}  // namespace tessel
