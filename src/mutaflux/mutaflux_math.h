// The arithmetic building blocks of the Mutaflux genes, each written the one way the
// patterns depend on: integer divisions truncate toward zero, every floating-point
// result becomes an integer by truncation, work is done in double precision, and
// angles are counted in 1/1024 of a full turn.
//
// These are the plain forms. The genes call the same functions, or look the sines and
// cosines up in CMutafluxTrigTable, which holds exactly these values.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace tessel::mutaflux {

// 2π/1024: one angle step in radians.
constexpr double kStepToRadians = 0.006135923151367188;
// 1024/2π: radians to angle steps.
constexpr double kRadiansToSteps = 162.97466173075898;
// 1/256: one parameter step of ScaleParam.
constexpr double kParamStep = 0.00390625;

// Double to 32-bit integer, truncating toward zero. NaN and values outside the 32-bit
// range give INT32_MIN, as the x86 conversion instruction does (a plain cast would be
// undefined there).
inline int32_t TruncToInt(double v) {
  if (!(v > -2147483649.0 && v < 2147483648.0)) return INT32_MIN;
  return static_cast<int32_t>(v);
}

// S(k, lo, hi): parameter value p (0..255) mapped onto lo..hi,
// trunc(p · ((hi − lo) · 1/256) + lo). lo may exceed hi.
inline int32_t ScaleParam(int p, int32_t lo, int32_t hi) {
  return TruncToInt(p * ((double(int64_t(hi) - lo)) * kParamStep) + lo);
}

// trunc(sin(a · 2π/1024) · 512)
inline int32_t Sin512(int32_t a) { return TruncToInt(std::sin(a * kStepToRadians) * 512.0); }
// trunc(cos(a · 2π/1024) · 512)
inline int32_t Cos512(int32_t a) { return TruncToInt(std::cos(a * kStepToRadians) * 512.0); }

// CosX(a, r) = trunc(cos(a · 2π/1024) · r + w/2), halfWidth being the integer w/2.
inline int32_t CosX(int32_t a, int32_t r, int32_t halfWidth) {
  return TruncToInt(std::cos(a * kStepToRadians) * r + halfWidth);
}
// SinY(a, r) = trunc(sin(a · 2π/1024) · r + h/2), halfHeight being the integer h/2.
inline int32_t SinY(int32_t a, int32_t r, int32_t halfHeight) {
  return TruncToInt(std::sin(a * kStepToRadians) * r + halfHeight);
}

// The direction of (a, b) in angle steps, trunc(atan2(b, a) · 1024/2π): −511..512;
// 0 for (0, 0).
inline int32_t Angle(int32_t a, int32_t b) {
  if (a == 0 && b == 0) return 0;
  return TruncToInt(std::atan2(double(b), double(a)) * kRadiansToSteps);
}

// |a − b|
inline int32_t AbsDiff(int32_t a, int32_t b) { return int32_t(std::llabs(int64_t(a) - b)); }
inline int32_t Max(int32_t a, int32_t b) { return a > b ? a : b; }
inline int32_t Min(int32_t a, int32_t b) { return a < b ? a : b; }

// trunc(sqrt(a² + b²)) with the squares summed in 32-bit integers (wrapping as the
// machine does; a sum that wraps negative has no root and gives INT32_MIN).
inline int32_t Hyp(int32_t a, int32_t b) {
  const uint32_t sum = uint32_t(a) * uint32_t(a) + uint32_t(b) * uint32_t(b);
  return TruncToInt(std::sqrt(double(int32_t(sum))));
}

// y1 when t1 = t0, else trunc((y1 − y0) / (t1 − t0) · (t − t0) + y0) with the quotient
// taken in floating point.
inline int32_t Lerp(int32_t t, int32_t t0, int32_t t1, int32_t y0, int32_t y1) {
  if (t1 == t0) return y1;
  return TruncToInt(double(int64_t(y1) - y0) / double(int64_t(t1) - t0) * double(int64_t(t) - t0) + y0);
}

// Lerp with end points fixed for a whole buffer: the quotient is taken once, and
// Lerp(t, t0, t1, y0, y1) == CFixedLerp(t0, t1, y0, y1)(t) for every t.
class CFixedLerp {
 public:
  CFixedLerp(int32_t t0, int32_t t1, int32_t y0, int32_t y1)
      : m_t0(t0), m_y0(y0), m_y1(y1), m_flat(t1 == t0),
        m_slope(m_flat ? 0.0 : double(int64_t(y1) - y0) / double(int64_t(t1) - t0)) {}
  int32_t operator()(int32_t t) const {
    return m_flat ? m_y1 : TruncToInt(m_slope * double(int64_t(t) - m_t0) + m_y0);
  }

 private:
  int32_t m_t0, m_y0, m_y1;
  bool m_flat;     // t1 == t0: the result is y1
  double m_slope;  // (y1 - y0) / (t1 - t0)
};

// Folds v into 0..255 as a triangle wave of period 512: 511 − (v AND 511) when bit 8
// is set, else v AND 255, on the two's-complement bits of v.
inline int32_t Fold(int32_t v) {
  const uint32_t bits = uint32_t(v);
  return (bits & 256u) ? int32_t(511u - (bits & 511u)) : int32_t(bits & 255u);
}

// Signed remainder of v / 1024; its sign follows v.
inline int32_t Mod1024(int32_t v) { return v % 1024; }

// a / b truncated toward zero, or 0 when b is 0 (the half diagonal of a 1 × 1 buffer).
inline int32_t DivOrZero(int32_t a, int32_t b) { return b == 0 ? 0 : a / b; }

// Direction of (x, y) seen from the centre (w/2, h/2): Angle(x − w/2, y − h/2).
inline int32_t CenterAngle(int32_t dx, int32_t dy) { return Angle(dx, dy); }
// Distance of (x, y) from the centre, trunc(sqrt(dx² + dy²)). The squares are summed in
// double precision, which is exact for every buffer size that can be allocated.
inline int32_t CenterDist(int32_t dx, int32_t dy) {
  return TruncToInt(std::sqrt(double(dx) * dx + double(dy) * dy));
}
// Half the diagonal of a w × h buffer, trunc(sqrt(w² + h²) · 0.5); 0 for 1 × 1.
inline int32_t HalfDiag(int32_t w, int32_t h) { return TruncToInt(std::sqrt(double(w) * w + double(h) * h) * 0.5); }

// A channel value clamped to 0..255.
inline uint8_t ClampChannel(int32_t v) { return uint8_t(v < 0 ? 0 : v > 255 ? 255 : v); }

}  // namespace tessel::mutaflux
