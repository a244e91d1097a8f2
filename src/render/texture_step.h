// The texture step of a render ("Applying Texture"): the built-in colour gradients or an
// image texture from the texture store, combined with the object's colour.
//
// Object fields read here beyond the named texture fields: m_textureParam1 is the
// texture mode (0..13, texture_modes.h) and bit 0 of m_texParam1 makes image textures
// grow with the render scale.
#pragma once

namespace tessel {

class CDIBSection;
class CDrawObject;
struct CCoverageMask;

// Applies the object's texture to its bitmap (box-sized, 32 bits) and, with the texture
// transparent flag, cuts the texel brightness into the mask. A texture image that cannot
// be found or read is added to the application's missing-texture list and the object's
// texture name is emptied; the render goes on. Returns true when an image texture was
// found (the "3D Texture" step depends on it).
bool ApplyTexture(CDrawObject& object, CCoverageMask& mask);

// Maps a 24-bit picture onto the object's bitmap through the object's texture transform
// and combines it by the texture mode and amount (1..255); the first part of
// ApplyTexture for a found image.
void MapImageTexture(CDrawObject& object, const CDIBSection& picture, CCoverageMask& mask);

}  // namespace tessel
