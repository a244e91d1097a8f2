// The 3D texture step of a render ("3D Texture"): the brightness of the textured colour
// becomes a relief that embosses the colour, lit from 135 degrees at 35 degrees.
#pragma once

#include <cstdint>
#include <vector>

namespace tessel {

class CDIBSection;
class CDrawObject;

// The brightness the relief is made of: (76 · red + 150 · green + 29 · blue) >> 8.
constexpr int ReliefLuminance(int r, int g, int b) { return (76 * r + 150 * g + 29 * b) >> 8; }

// The depth at which the relief is flat; below it the relief is inverted.
constexpr int kFlat3DTextureDepth = 100;

// The brightness of every pixel of the 32-bit bitmap as a top-down height field
// (width × height bytes), inverted (255 − L) when invert is set.
std::vector<uint8_t> LuminanceHeightField(const CDIBSection& bitmap, bool invert);

// Embosses the object's bitmap with its own brightness: inverted when the 3D texture
// depth is 100 or less, strength |depth − 100| per cent. Returns false (nothing done)
// when the bitmap is not a box-sized 32-bit picture.
bool Apply3DTexture(CDrawObject& object);

}  // namespace tessel
