// The program's fixed conversions, shared by every subsystem so that each computes
// them the same way.
#pragma once

namespace tessel {

// The program's 1/255, used where it multiplies instead of dividing.
constexpr double kInv255 = 0.00392156862745098;
// Degrees to radians as the program converts them.
constexpr double kDegToRad = 3.1415926535 / 180;

// Byte offsets of the channels in a 24- or 32-bit pixel.
constexpr int kBlue = 0;
constexpr int kGreen = 1;
constexpr int kRed = 2;
constexpr int kAlpha = 3;

}  // namespace tessel
