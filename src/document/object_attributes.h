// Copying the look of one drawing object onto another: the attribute groups that the
// style tabs apply, and the whole look that "Paste Atributes" copies. Geometry (type,
// box, outlines, text, layers, perspective) never travels.
#pragma once

namespace tessel {

class CArchive;
class CDrawObject;

enum class AttributeGroup {
  kColorTexture,  // colours, texture and its placement, gradient angle, 3D texture, Mutaflux
  kTransparency,  // transparency map and its geometry, invert flag, blend mode
  kBevel,         // bevel kind, width, depth and light angle
  kEffect,        // shadow, glow or lens effect and its settings
  kLights,        // lights switch and the whole light set
  kAll,           // every look-related field: the groups above plus outline, bump and
                  // surface, colour correction, opacity, edge quality and lens options
};

// Copies the group's fields of from into to. Does not render.
void CopyAttributes(CDrawObject& to, const CDrawObject& from, AttributeGroup group = AttributeGroup::kAll);

// "Paste Atributes": reads the first object of clipboard data (u32 count, then object
// records), copies its whole look onto target and renders target. Returns false, with
// target unchanged, when the data holds no object or is damaged. The caller records the
// undo step.
bool PasteAttributes(CArchive& clipboard, CDrawObject& target);

}  // namespace tessel
