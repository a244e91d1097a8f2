#include "render/colour_gradient.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "render/coverage_mask.h"
#include "render/pixel_math.h"

namespace tessel {

namespace {

// 360/1024 turns: degrees to steps of 1/1024 of a turn.
constexpr double kDegreesToSteps = 2.8444444444444446;
constexpr double kStepToRadians = 6.283185307179586 / 1024;

// Sine and cosine of an angle in steps, exact on the four axes.
void SinCosSteps(int steps, double& s, double& c) {
  const int a = ((steps % 1024) + 1024) % 1024;
  switch (a) {
    case 0: s = 0.0; c = 1.0; return;
    case 256: s = 1.0; c = 0.0; return;
    case 512: s = 0.0; c = -1.0; return;
    case 768: s = -1.0; c = 0.0; return;
    default: s = std::sin(a * kStepToRadians); c = std::cos(a * kStepToRadians);
  }
}

inline uint8_t WeightOf(double q) { return q <= 0.0 ? 0 : q >= 255.0 ? 255 : uint8_t(q); }

// cos(12φ) for the unit vector (c, s), by squaring the complex number c + is.
inline double Cos12(double c, double s) {
  const double c2 = c * c - s * s, s2 = 2 * c * s;
  const double c4 = c2 * c2 - s2 * s2, s4 = 2 * c2 * s2;
  const double c8 = c4 * c4 - s4 * s4, s8 = 2 * c4 * s4;
  return c8 * c4 - s8 * s4;
}

struct CRgbBytes {
  int r, g, b;
};
inline CRgbBytes Unpack(uint32_t colour) { return {int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)}; }

}  // namespace

CGradientField::CGradientField(int shape, int w, int h, double extent, double angleDegrees)
    : m_shape(shape), m_width(w), m_height(h), m_extent(std::isfinite(extent) ? extent : 1.0) {
  if (!std::isfinite(angleDegrees)) angleDegrees = 0.0;
  if (m_shape == kGradientLinear) {
    const double a = angleDegrees * px::kDegToRad;
    m_extentL = std::abs(px::Trunc(h * std::sin(a))) + std::abs(px::Trunc(w * std::cos(a)));
    m_angleSteps = px::Trunc((360.0 - angleDegrees) * kDegreesToSteps);
    SinCosSteps(m_angleSteps, m_sin, m_cos);
  } else {
    m_invRx = m_extent / std::max(w * 0.5, 0.5);
    m_invRy = m_extent / std::max(h * 0.5, 0.5);
  }
}

void CGradientField::Row(int y, uint8_t* out) const {
  switch (m_shape) {
    case kGradientLinear: LinearRow(y, out); break;
    case kGradientBurst: BurstRow(y, out); break;
    default: RadialRow(y, out); break;
  }
}

uint8_t CGradientField::At(int x, int y) const {
  std::vector<uint8_t> row(size_t(std::max(m_width, 1)));
  Row(y, row.data());
  return row[size_t(x)];
}

// p = (x + ½ − w/2) · cos + (y + ½ − h/2) · sin + L/2 runs from 0 to L across the box;
// the weight is p · extent / L in 0..255.
void CGradientField::LinearRow(int y, uint8_t* out) const {
  if (m_extentL <= 0) {
    std::fill(out, out + m_width, uint8_t(255));
    return;
  }
  const double scale = m_extent * 255.0 / m_extentL;
  const double base = (y + 0.5 - m_height * 0.5) * m_sin + m_extentL * 0.5 + (0.5 - m_width * 0.5) * m_cos;
  for (int x = 0; x < m_width; ++x) out[x] = WeightOf((base + x * m_cos) * scale);
}

void CGradientField::RadialRow(int y, uint8_t* out) const {
  const double v = (y + 0.5 - m_height * 0.5) * m_invRy;
  const double u0 = (0.5 - m_width * 0.5) * m_invRx;
  for (int x = 0; x < m_width; ++x) {
    const double u = u0 + x * m_invRx;
    out[x] = WeightOf(std::sqrt(u * u + v * v) * 255.0);
  }
}

void CGradientField::BurstRow(int y, uint8_t* out) const {
  const double v = (y + 0.5 - m_height * 0.5) * m_invRy;
  const double u0 = (0.5 - m_width * 0.5) * m_invRx;
  for (int x = 0; x < m_width; ++x) {
    const double u = u0 + x * m_invRx;
    const double rho = std::sqrt(u * u + v * v);
    if (rho < 1e-12) {
      out[x] = 0;
      continue;
    }
    const double ray = 0.5 + 0.5 * Cos12(u / rho, v / rho);
    const double reach = 0.35 + 0.65 * ray * ray;
    out[x] = WeightOf(rho / reach * 255.0);
  }
}

int Lerp(int64_t p, int64_t pa, int ca, int64_t pb, int cb) {
  if (pb == pa) return cb;
  return px::Trunc(double(cb - ca) / double(pb - pa) * double(p - pa) + ca);
}

namespace {
// Mixes each pixel of the bitmap towards colour2 by the field's weights; with a mask,
// pixels of mask value 0 keep their colour.
void MixByField(CDIBSection& bitmap, const CGradientField& field, uint32_t colour2, const CCoverageMask* mask) {
  const CRgbBytes c2 = Unpack(colour2);
  const int w = bitmap.Width();
  std::vector<uint8_t> weights(static_cast<size_t>(w));
  for (int y = 0; y < bitmap.Height(); ++y) {
    field.Row(y, weights.data());
    uint8_t* p = bitmap.RowFromTop(y);
    const uint8_t* m = mask ? mask->Row(y) : nullptr;
    for (int x = 0; x < w; ++x, p += 4) {
      if (m && m[x] == 0) continue;
      const int k = weights[size_t(x)];
      p[px::kBlue] = uint8_t(px::Mix255(p[px::kBlue], c2.b, k));
      p[px::kGreen] = uint8_t(px::Mix255(p[px::kGreen], c2.g, k));
      p[px::kRed] = uint8_t(px::Mix255(p[px::kRed], c2.r, k));
    }
  }
}
}  // namespace

void LinearColourGradient(CDIBSection& bitmap, uint32_t colour2, int angleDegrees, int amount) {
  if (bitmap.IsEmpty() || bitmap.BitsPerPixel() != 32) return;
  const CGradientField field(kGradientLinear, bitmap.Width(), bitmap.Height(), amount / 128.0, angleDegrees);
  MixByField(bitmap, field, colour2, nullptr);
}

void RadialColourGradient(CDIBSection& bitmap, uint32_t colour2, int amount) {
  if (bitmap.IsEmpty() || bitmap.BitsPerPixel() != 32) return;
  const CRgbBytes c2 = Unpack(colour2);
  const int w = bitmap.Width(), h = bitmap.Height();
  const int64_t cx = std::max(w / 2, 1), cy = std::max(h / 2, 1);
  const int64_t r = std::max<int64_t>(cx * cy * amount / 128, 0);
  for (int y = 0; y < h; ++y) {
    const int64_t dy = y - cy;
    const int64_t rowPart = (dy * dy * cx) / cy;
    uint8_t* p = bitmap.RowFromTop(y);
    for (int x = 0; x < w; ++x, p += 4) {
      const int64_t dx = x - cx;
      const int64_t d = std::min(std::max(rowPart + (dx * dx * cy) / cx, int64_t(0)), r);
      p[px::kBlue] = uint8_t(px::Clamp255(Lerp(d, 0, p[px::kBlue], r, c2.b)));
      p[px::kGreen] = uint8_t(px::Clamp255(Lerp(d, 0, p[px::kGreen], r, c2.g)));
      p[px::kRed] = uint8_t(px::Clamp255(Lerp(d, 0, p[px::kRed], r, c2.r)));
    }
  }
}

void BurstColourGradient(CDIBSection& bitmap, const CCoverageMask& mask, uint32_t colour2, int amount) {
  if (bitmap.IsEmpty() || bitmap.BitsPerPixel() != 32) return;
  const bool masked = mask.width == bitmap.Width() && mask.height == bitmap.Height();
  const CGradientField field(kGradientBurst, bitmap.Width(), bitmap.Height(), amount / 128.0);
  MixByField(bitmap, field, colour2, masked ? &mask : nullptr);
}

}  // namespace tessel
