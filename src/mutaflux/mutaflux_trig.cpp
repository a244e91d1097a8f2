#include "mutaflux/mutaflux_trig.h"

namespace tessel::mutaflux {

CStepTrig::CStepTrig() : m_sin(size_t(2 * kReach + 1)), m_cos(size_t(2 * kReach + 1)) {
  for (int32_t a = -kReach; a <= kReach; ++a) {
    m_sin[size_t(a + kReach)] = std::sin(a * kStepToRadians);
    m_cos[size_t(a + kReach)] = std::cos(a * kStepToRadians);
  }
}

const CStepTrig& CStepTrig::Get() {
  static const CStepTrig table;
  return table;
}

}  // namespace tessel::mutaflux
