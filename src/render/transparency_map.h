// The transparency step of a render ("Transparency"): a map value t per box pixel, from a
// built-in map ("Linear.tmb", "Bilinear.tmb", "Radial.tmb", "Burst.tmb") or from an image
// of the transparency folder, applied in one of two ways: the transparent mode writes
// alpha = (1 − t) · mask, the wash mode brightens the colour by t towards white and then
// copies the mask into the alpha.
//
// Object fields: m_transpName, m_transpAmount (0 switches the map off, below 255 scales
// it), m_transpMode (non-zero: transparent mode), m_layerTranspMode (invert),
// m_transpGeom (start x, end x, bias, start y, end y; y counted from the bottom) and bit 0
// of m_texParam2 ("Resize Transparency Textures": image maps grow with the render scale).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "render/colour_gradient.h"

namespace tessel {

class CDrawObject;
struct CCoverageMask;

enum class BuiltinMap { kLinear, kBilinear, kRadial, kBurst };

// The shape of a built-in map as stored: points as fractions of the box (y from the
// bottom edge) and the bias (0.5 = linear).
struct CMapGeometry {
  double startX = 0.0, startY = 0.5;
  double endX = 1.0, endY = 0.5;
  double bias = 0.5;
};

// The values t (0..1) of a built-in map over a w × h box, the per-object constants held
// outside the pixel loop. Invert and amount are part of the value.
class CBuiltinMapField {
 public:
  CBuiltinMapField(BuiltinMap kind, int w, int h, const CMapGeometry& geometry, bool invert, int amount);
  // Fills t[0 .. w) for box row y (from the top).
  void Row(int y, double* t) const;
  double At(int x, int y) const;

 private:
  double Shaped(double t) const;  // bias, invert and amount

  BuiltinMap m_kind;
  int m_width, m_height;
  int m_x0 = 0, m_y0 = 0;
  double m_d = 0.0;            // D
  double m_ux = 0, m_uy = 0;   // (dx, dy) / D
  double m_rx = 0, m_ry = 0;   // radial radii
  int m_biasSide = 0;          // 1 towards the end, −1 towards the start, 0 linear
  double m_k = 0.0;            // bias strength
  bool m_invert;
  bool m_scale;                // amount below 255
  double m_factor;             // amount · 1/255
  std::optional<CGradientField> m_burst;
  mutable std::vector<uint8_t> m_weights;  // one row of burst weights
};

// The object's map applied to its bitmap; see above. Without a mask of the bitmap's
// size it does nothing. A map image that cannot be read is reported with the message
// MissingTransparencyMessage(name), recorded in the missing-texture list and the name
// emptied; the mask then becomes the alpha.
void ApplyTransparencyMap(CDrawObject& object, const CCoverageMask& mask);

// The message shown for a map image that cannot be read.
std::string MissingTransparencyMessage(const std::string& name);

// Copies the mask (top-down) into the alpha of the bottom-up 32-bit bitmap.
void CopyMaskToAlpha(const CCoverageMask& mask, CDIBSection& bitmap);

// The two ways of applying map values of one row. Transparent: alpha = clamp(trunc((1 −
// t) · m)). Wash: v = clamp(trunc(t · 255)) added to blue, green, red with saturation,
// and the mask copied into the alpha in the same pass.
void TransparentRow(const double* t, const uint8_t* mask, uint8_t* bgra, int width);
void WashRow(const double* t, const uint8_t* mask, uint8_t* bgra, int width);

}  // namespace tessel
