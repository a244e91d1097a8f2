// Sines and cosines of whole angle steps for the gene kernels: sin(a · 2π/1024) and
// cos(a · 2π/1024) for integer a. Within ±kReach they come from a table filled with
// exactly the doubles std::sin and std::cos give, farther out they are computed; either
// way Sin512, Cos512, CosX and SinY below equal the plain ones of mutaflux_math.h bit for
// bit, which the tests check over the whole table.
#pragma once

#include <cmath>
#include <cstdint>

#include "mutaflux/mutaflux_math.h"

namespace tessel::mutaflux {

// A view of the table; kernels keep a copy in a local, so that the two pointers stay in
// registers while they write pixels.
class CStepTrig {
 public:
  // The table covers angles -kReach..kReach (16 full turns either way), enough for
  // nearly every angle the genes form; 512 KiB, filled once on first use.
  static constexpr int32_t kReach = 16384;

  // The process-wide table.
  static CStepTrig Get();

  double Sin(int32_t a) const { return InTable(a) ? m_sin[a] : std::sin(a * kStepToRadians); }
  double Cos(int32_t a) const { return InTable(a) ? m_cos[a] : std::cos(a * kStepToRadians); }
  int32_t Sin512(int32_t a) const { return TruncToInt(Sin(a) * 512.0); }
  int32_t Cos512(int32_t a) const { return TruncToInt(Cos(a) * 512.0); }
  int32_t CosX(int32_t a, int32_t r, int32_t halfWidth) const { return TruncToInt(Cos(a) * r + halfWidth); }
  int32_t SinY(int32_t a, int32_t r, int32_t halfHeight) const { return TruncToInt(Sin(a) * r + halfHeight); }

 private:
  CStepTrig(const double* sinAtZero, const double* cosAtZero) : m_sin(sinAtZero), m_cos(cosAtZero) {}
  static bool InTable(int32_t a) { return uint32_t(a + kReach) <= uint32_t(2 * kReach); }

  /// sin and cos of a steps at index a, for a in -kReach..kReach.
  const double* m_sin;
  const double* m_cos;
};

}  // namespace tessel::mutaflux
