// Fractional look values on integer sliders.
#pragma once

#include <cmath>

namespace tessel {

// value in slider steps (stepsPerUnit a unit), rounded and held to 0..maxSteps; a value
// that is not a number shows as 0. Stored values come from files and may be anything.
inline int SliderSteps(double value, int stepsPerUnit, int maxSteps) {
  const double steps = value * stepsPerUnit;
  if (!(steps > 0.0)) return 0;
  if (steps >= maxSteps) return maxSteps;
  return int(std::lround(steps));
}

}  // namespace tessel
