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
constexpr int kFracBits = 16;
constexpr double kFixedOne = 65536.0;

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

// One texel from 16.16 fixed-point coordinates inside the texture: 8-bit weights from
// the top of the fraction.
inline void SampleFixed(const CTextureImage& tex, int64_t fu, int64_t fv, uint8_t* out) {
  const int iu = int(fu >> kFracBits), iv = int(fv >> kFracBits);
  const int wx = int(fu >> (kFracBits - 8)) & 255, wy = int(fv >> (kFracBits - 8)) & 255;
  const int iu1 = iu + 1 == tex.width ? 0 : iu + 1;
  const int iv1 = iv + 1 == tex.height ? 0 : iv + 1;
  const uint8_t* r0 = tex.rows[size_t(iv)];
  const uint8_t* r1 = tex.rows[size_t(iv1)];
  const uint8_t* a = r0 + iu * 3;
  const uint8_t* b = r0 + iu1 * 3;
  const uint8_t* c = r1 + iu * 3;
  const uint8_t* d = r1 + iu1 * 3;
  const int w00 = (256 - wx) * (256 - wy), w01 = wx * (256 - wy), w10 = (256 - wx) * wy, w11 = wx * wy;
  out[0] = uint8_t((a[0] * w00 + b[0] * w01 + c[0] * w10 + d[0] * w11) >> 16);
  out[1] = uint8_t((a[1] * w00 + b[1] * w01 + c[1] * w10 + d[1] * w11) >> 16);
  out[2] = uint8_t((a[2] * w00 + b[2] * w01 + c[2] * w10 + d[2] * w11) >> 16);
}

// A coordinate reduced modulo n and turned into 16.16 fixed point (truncating).
inline int64_t FixedWrapped(double u, int n) {
  const int64_t f = int64_t(Wrap(u, n) * kFixedOne);
  return f >= (int64_t(n) << kFracBits) ? 0 : f;  // u rounded up to n itself
}

// A step reduced modulo n, in 16.16 fixed point: |step| ≤ n · 65536.
inline int64_t FixedStep(double d, int n) { return int64_t(std::fmod(d, double(n)) * kFixedOne); }

void SampleBilinear(const CTextureImage& tex, double u, double v, uint8_t* out) {
  SampleFixed(tex, FixedWrapped(u, tex.width), FixedWrapped(v, tex.height), out);
}

void CTextureMapping::SampleRow(const CTextureImage& texture, int y, uint8_t* out) const {
  if (m_perspective)
    SampleRowPerspective(texture, y, out);
  else
    SampleRowAffine(texture, y, out);
}

// Steps u and v along the row in fixed point, each step reduced modulo the texture size
// so that one subtraction or addition re-wraps: the same coordinates as
// (u0 + x · du) mod size, which SampleRowReference computes directly.
void CTextureMapping::SampleRowAffine(const CTextureImage& tex, int y, uint8_t* out) const {
  const int64_t tw = int64_t(tex.width) << kFracBits, th = int64_t(tex.height) << kFracBits;
  int64_t u = FixedWrapped(m_u00 + y * m_dudy, tex.width), v = FixedWrapped(m_v00 + y * m_dvdy, tex.height);
  const int64_t du = FixedStep(m_dudx, tex.width), dv = FixedStep(m_dvdx, tex.height);
  for (int x = 0; x < m_boxWidth; ++x, out += 3) {
    SampleFixed(tex, u, v, out);
    u += du;
    if (u >= tw) u -= tw; else if (u < 0) u += tw;
    v += dv;
    if (v >= th) v -= th; else if (v < 0) v += th;
  }
}

void CTextureMapping::SampleRowReference(const CTextureImage& tex, int y, uint8_t* out) const {
  if (m_perspective) return SampleRowPerspective(tex, y, out);
  const int64_t tw = int64_t(tex.width) << kFracBits, th = int64_t(tex.height) << kFracBits;
  const int64_t u0 = FixedWrapped(m_u00 + y * m_dudy, tex.width), v0 = FixedWrapped(m_v00 + y * m_dvdy, tex.height);
  const int64_t du = FixedStep(m_dudx, tex.width), dv = FixedStep(m_dvdx, tex.height);
  for (int x = 0; x < m_boxWidth; ++x, out += 3)
    SampleFixed(tex, ((u0 + x * du) % tw + tw) % tw, ((v0 + x * dv) % th + th) % th, out);
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
    SampleFixed(tex, FixedWrapped(u, tex.width), FixedWrapped(v, tex.height), out);
  }
}

}  // namespace tessel
