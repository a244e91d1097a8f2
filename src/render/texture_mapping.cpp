#include "render/texture_mapping.h"

#include <algorithm>
#include <cmath>

#include "render/pixel_math.h"

namespace tessel {

namespace {

constexpr double kMinScale = 0.001;
constexpr double kMinCosSecondAngle = 0.01;
constexpr double kMinPerspective = 0.01;
constexpr double kMaxPerspective = 100.0;

// A scale as the placement uses it: 0 → 0.001, negative → magnitude, damaged → 1.
// Damaged magnitudes beyond 1e-6 .. 1e6 are held there so that no step overflows.
double UsableScale(double s) {
  if (!std::isfinite(s)) return 1.0;
  s = std::fabs(s);
  return s == 0.0 ? kMinScale : std::clamp(s, 1e-6, 1e6);
}

double Finite(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

// u reduced to 0 .. n.
inline double Wrap(double u, int n) { return u - n * std::floor(u / n); }

}  // namespace

void SinCosDegrees(double degrees, double& s, double& c) {
  double d = std::fmod(Finite(degrees, 0.0), 360.0);
  if (d < 0) d += 360.0;
  if (d == 0.0) { s = 0.0; c = 1.0; return; }
  if (d == 90.0) { s = 1.0; c = 0.0; return; }
  if (d == 180.0) { s = 0.0; c = -1.0; return; }
  if (d == 270.0) { s = -1.0; c = 0.0; return; }
  s = std::sin(d * px::kDegToRad);
  c = std::cos(d * px::kDegToRad);
}

CTextureImage::CTextureImage(const CDIBSection& picture) {
  if (picture.IsEmpty() || picture.BitsPerPixel() != 24) return;
  width = picture.Width();
  height = picture.Height();
  rows.resize(size_t(height));
  for (int y = 0; y < height; ++y) rows[size_t(y)] = picture.RowFromTop(y);
}

CTextureMapping::CTextureMapping(const CTexturePlacement& pl, int boxWidth, int boxHeight, int texWidth,
                                 int texHeight)
    : m_boxWidth(boxWidth), m_texWidth(std::max(texWidth, 1)), m_texHeight(std::max(texHeight, 1)) {
  const int enlarge = std::max(pl.enlarge, 1);
  const double sx = UsableScale(pl.scaleX) * enlarge, sy = UsableScale(pl.scaleY) * enlarge;
  // The texture's corner and centre in the box.
  const int ox = (boxWidth - m_texWidth) / 2 + int((int64_t(pl.offsetX) * enlarge) % m_texWidth);
  const int oy = (boxHeight - m_texHeight) / 2 + int((int64_t(pl.offsetY) * enlarge) % m_texHeight);
  const double tcx = m_texWidth * 0.5, tcy = m_texHeight * 0.5;
  const double cx = ox + tcx, cy = oy + tcy;

  // m_inv = S⁻¹ · K⁻¹ · R(−θ), θ = 360 − angle.
  double s, c;
  SinCosDegrees(360.0 - Finite(pl.angle, 0.0), s, c);
  double sa, ca;
  SinCosDegrees(pl.angle2, sa, ca);
  if (std::fabs(ca) < kMinCosSecondAngle) ca = ca < 0 ? -kMinCosSecondAngle : kMinCosSecondAngle;
  const double t = sa / ca;
  // K⁻¹ = [[1, tan α], [0, 1 / cos α]] times R(−θ) = [[c, s], [−s, c]].
  const double m00 = (c - t * s) / sx, m01 = (s + t * c) / sx;
  const double m10 = (-s / ca) / sy, m11 = (c / ca) / sy;
  m_dudx = m00;
  m_dudy = m01;
  m_dvdx = m10;
  m_dvdy = m11;
  m_u00 = -(m00 * cx + m01 * cy) + tcx;
  m_v00 = -(m10 * cx + m11 * cy) + tcy;

  const double f = std::clamp(Finite(pl.perspAmount, 1.0), kMinPerspective, kMaxPerspective);
  if (f != 1.0) {
    m_perspective = true;
    // The direction by quadrants: axis q turned towards axis q + 1 by the remainder.
    const double angle = std::max(Finite(pl.perspAngle, 0.0), 0.0);
    const double q = std::floor(angle / 90.0);
    const double rest = angle - q * 90.0;
    static constexpr double kAxes[4][2] = {{-1, 0}, {0, 1}, {1, 0}, {0, -1}};
    const int qi = int(std::fmod(q, 4.0));
    const double* a0 = kAxes[qi];
    const double* a1 = kAxes[(qi + 1) % 4];
    double rs, rc;
    SinCosDegrees(rest, rs, rc);
    m_dx = a0[0] * rc + a1[0] * rs;
    m_dy = a0[1] * rc + a1[1] * rs;
    m_k = (f - 1.0) / (f + 1.0);
    const double halfExtent = (std::fabs(boxWidth * m_dx) + std::fabs(boxHeight * m_dy)) * 0.5;
    m_invE = 1.0 / std::max(halfExtent, 1.0);
    m_bx = boxWidth * 0.5;
    m_by = boxHeight * 0.5;
    m_ucU = m00 * (m_bx - cx) + m01 * (m_by - cy) + tcx;
    m_ucV = m10 * (m_bx - cx) + m11 * (m_by - cy) + tcy;
  }
}

void CTextureMapping::Map(double x, double y, double& u, double& v) const {
  if (!m_perspective) {
    u = m_u00 + x * m_dudx + y * m_dudy;
    v = m_v00 + x * m_dvdx + y * m_dvdy;
    return;
  }
  const double qx = x - m_bx, qy = y - m_by;
  const double z = 1.0 / (1.0 - m_k * (qx * m_dx + qy * m_dy) * m_invE);
  u = z * (qx * m_dudx + qy * m_dudy) + m_ucU;
  v = z * (qx * m_dvdx + qy * m_dvdy) + m_ucV;
}

void SampleBilinear(const CTextureImage& tex, double u, double v, uint8_t* out) {
  int iu = int(u), iv = int(v);
  if (iu >= tex.width) iu = 0;  // u rounded up to the width itself
  if (iv >= tex.height) iv = 0;
  const int wx = int((u - iu) * 256.0) & 255, wy = int((v - iv) * 256.0) & 255;
  const int iu1 = iu + 1 == tex.width ? 0 : iu + 1;
  const int iv1 = iv + 1 == tex.height ? 0 : iv + 1;
  const uint8_t* a = tex.rows[size_t(iv)] + iu * 3;
  const uint8_t* b = tex.rows[size_t(iv)] + iu1 * 3;
  const uint8_t* c = tex.rows[size_t(iv1)] + iu * 3;
  const uint8_t* d = tex.rows[size_t(iv1)] + iu1 * 3;
  const int w00 = (256 - wx) * (256 - wy), w01 = wx * (256 - wy), w10 = (256 - wx) * wy, w11 = wx * wy;
  for (int ch = 0; ch < 3; ++ch) out[ch] = uint8_t((a[ch] * w00 + b[ch] * w01 + c[ch] * w10 + d[ch] * w11) >> 16);
}

void CTextureMapping::SampleRow(const CTextureImage& texture, int y, uint8_t* out) const {
  if (m_perspective)
    SampleRowPerspective(texture, y, out);
  else
    SampleRowAffine(texture, y, out);
}

// Steps u and v along the row, keeping them inside the texture; the steps themselves are
// first reduced modulo the texture size, so one subtraction or addition re-wraps.
void CTextureMapping::SampleRowAffine(const CTextureImage& tex, int y, uint8_t* out) const {
  const double tw = tex.width, th = tex.height;
  double u = Wrap(m_u00 + y * m_dudy, tex.width), v = Wrap(m_v00 + y * m_dvdy, tex.height);
  const double du = std::fmod(m_dudx, tw), dv = std::fmod(m_dvdx, th);
  for (int x = 0; x < m_boxWidth; ++x, out += 3) {
    SampleBilinear(tex, u, v, out);
    u += du;
    if (u >= tw) u -= tw; else if (u < 0) u += tw;
    v += dv;
    if (v >= th) v -= th; else if (v < 0) v += th;
  }
}

void CTextureMapping::SampleRowPerspective(const CTextureImage& tex, int y, uint8_t* out) const {
  const double qy = y - m_by;
  const double rowA = qy * m_dy, rowU = qy * m_dudy, rowV = qy * m_dvdy;
  const double kE = m_k * m_invE;
  for (int x = 0; x < m_boxWidth; ++x, out += 3) {
    const double qx = x - m_bx;
    const double z = 1.0 / (1.0 - kE * (rowA + qx * m_dx));
    const double u = z * (rowU + qx * m_dudx) + m_ucU;
    const double v = z * (rowV + qx * m_dvdx) + m_ucV;
    SampleBilinear(tex, Wrap(u, tex.width), Wrap(v, tex.height), out);
  }
}

}  // namespace tessel
