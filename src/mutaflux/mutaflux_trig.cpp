#include "mutaflux/mutaflux_trig.h"

#include <vector>

namespace tessel::mutaflux {

namespace {
// sin and cos of every angle in the table, index 0 holding -kReach.
struct CTables {
  std::vector<double> sin, cos;
  CTables() : sin(size_t(2 * CStepTrig::kReach + 1)), cos(sin.size()) {
    for (int32_t a = -CStepTrig::kReach; a <= CStepTrig::kReach; ++a) {
      sin[size_t(a + CStepTrig::kReach)] = std::sin(a * kStepToRadians);
      cos[size_t(a + CStepTrig::kReach)] = std::cos(a * kStepToRadians);
    }
  }
};
}  // namespace

CStepTrig CStepTrig::Get() {
  static const CTables tables;
  return CStepTrig(tables.sin.data() + kReach, tables.cos.data() + kReach);
}

}  // namespace tessel::mutaflux
