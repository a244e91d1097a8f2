// Mapping an image texture onto an object's box: the inverse of the texture transform,
// followed by wrapped bilinear sampling.
//
// Geometry (box and texture coordinates both have y pointing down; pixel and texel
// centres sit on integers, so the untransformed texture lands texel for texel):
//   - The texture (tw × th) is centred in the box: its top-left corner lies at
//     O = ((w − tw)/2 + offset x % tw, (h − th)/2 + offset y % th) (integer arithmetic),
//     and it turns about its own centre C = O + (tw/2, th/2).
//   - Forward transform, texture → box: p − C = R(360 − angle) · K(angle2) · S · (t − tc)
//     with tc = (tw/2, th/2), S = diag(scale x, scale y), K the second angle turning the
//     texture's y axis away from the x axis' perpendicular, K = [[1, −sin α], [0, cos α]]
//     (|cos α| held at 0.01 or more), and R the rotation. The mapping uses its inverse.
//   - Perspective (factor f ≠ 1): the box is seen as a plane that recedes in direction d,
//     the far side shrinking the texture f times against the near side. With E half the
//     box's extent along d and s = ((p − B) · d) / E in −1..1 (B the box centre), the
//     position relative to B is multiplied by z = 1 / (1 − k · s), k = (f − 1)/(f + 1):
//     the projective map of a tilted plane. The perspective angle P (negative counts as
//     0) is taken by quadrants: quadrant q = P div 90 names an axis (0 left, 1 down,
//     2 right, 3 up) and the remainder turns d from it towards the next one, so
//     d = (−cos P, sin P) with exact axes at multiples of 90 degrees. f is held to
//     0.01 .. 100.
//   - Texture coordinates wrap, so the texture tiles the box.
#pragma once

#include <cstdint>
#include <vector>

#include "base/dib_section.h"

namespace tessel {

// The placement fields of an object, as stored.
struct CTexturePlacement {
  double scaleX = 1.0, scaleY = 1.0;  // 0 counts as 0.001, negatives by magnitude
  double angle = 0.0;                 // degrees, applied as 360 − angle
  double angle2 = 0.0;                // degrees
  int offsetX = 0, offsetY = 0;       // pixels
  double perspAmount = 1.0;           // 1.0 = no perspective
  double perspAngle = 0.0;            // degrees
  int enlarge = 1;                    // the render scale when textures grow with the render
};

// A 24-bit picture seen as top-down rows of blue, green, red bytes.
struct CTextureImage {
  std::vector<const uint8_t*> rows;  // rows[0] is the top row
  int width = 0;
  int height = 0;

  explicit CTextureImage(const CDIBSection& picture24);
  bool IsValid() const { return width > 0 && height > 0; }
};

class CTextureMapping {
 public:
  CTextureMapping(const CTexturePlacement& placement, int boxWidth, int boxHeight, int texWidth, int texHeight);

  // The texture coordinates (not yet wrapped) of box pixel (x, y), y from the top.
  void Map(double x, double y, double& u, double& v) const;
  bool HasPerspective() const { return m_perspective; }

  // Samples box row y (from the top) into out, three bytes (blue, green, red) per pixel.
  // Texture coordinates are 16.16 fixed point (truncated), stepped along the row.
  void SampleRow(const CTextureImage& texture, int y, uint8_t* out) const;
  // The same bytes computed pixel by pixel without stepping: the plain form.
  void SampleRowReference(const CTextureImage& texture, int y, uint8_t* out) const;

 private:
  void SampleRowAffine(const CTextureImage& texture, int y, uint8_t* out) const;
  void SampleRowPerspective(const CTextureImage& texture, int y, uint8_t* out) const;

  int m_boxWidth;
  int m_texWidth, m_texHeight;
  // Affine part: t = m_inv · (p − C) + tc, kept as the image of the box origin and the
  // steps per x and per y.
  double m_u00 = 0, m_v00 = 0;
  double m_dudx = 0, m_dvdx = 0, m_dudy = 0, m_dvdy = 0;
  // Perspective: with q = p − B, the position becomes z · q, so
  // t = z · (m_inv · q) + m_inv · (B − C) + tc, z = 1 / (1 − k · (q · d) / E).
  bool m_perspective = false;
  double m_bx = 0, m_by = 0;      // B
  double m_dx = 1, m_dy = 0;      // d
  double m_k = 0, m_invE = 1;
  double m_ucU = 0, m_ucV = 0;    // m_inv · (B − C) + tc
};

// Bilinear sample of the texture at (u, v), wrapped into the texture; out gets blue,
// green, red. Coordinates become 16.16 fixed point and the weights the top 8 bits of the
// fraction: at integer coordinates the texel itself comes back.
void SampleBilinear(const CTextureImage& texture, double u, double v, uint8_t* out);

// The sine and cosine of an angle in degrees, exact at multiples of 90.
void SinCosDegrees(double degrees, double& s, double& c);

}  // namespace tessel
