// The bevel's height field: a one-byte plane (top-down, width bytes a row) blurred with
// the program's Gaussian blur and bent by a profile curve.
#pragma once

#include <cstdint>
#include <random>

namespace tessel {

// Blur directions of BuildHeightField.
enum HeightFieldDirection : int { kHeightBoth = 0, kHeightX = 1, kHeightY = 2 };

class CHeightFieldBuilder {
 public:
  // Profile curves; 6 and 7 (and any unknown number) act as profile 0.
  static constexpr int kProfileSmooth = 0;
  static constexpr int kProfileFlat = 1;
  static constexpr int kProfileFramed = 2;
  static constexpr int kProfileNoise = 3;
  static constexpr int kProfileSaucer = 4;
  static constexpr int kProfileFrame = 5;
  static constexpr int kProfileDouble = 8;
  static constexpr int kProfileWave = 9;
  // Seed of the noise profile's generator, so that a render is repeatable.
  static constexpr uint32_t kNoiseSeed = 12345;

  // The profile number applied by the next BuildHeightField.
  int m_profile = kProfileSmooth;
  // Reduction factor: 2 or more blurs and profiles a copy reduced that many times in
  // each axis (not below 2 pixels), enlarged back afterwards.
  int m_reduction = 1;
  // Source of the noise profile's values r (0..32767).
  std::mt19937 m_random{kNoiseSeed};

  // Blurs height (width × h bytes, top-down) with the radius along the direction (0 both,
  // 1 x only, 2 y only), then replaces every value by the profile of its 3 × 3 mean.
  // The radius may be fractional (feather and outline radii are). A radius of 0 or
  // less, an empty field or a null pointer leaves it untouched.
  void BuildHeightField(uint8_t* height, int width, int h, double radius, int direction);

  // The profile of a 3 × 3 mean m, clamped to 0..255 (draws r for the noise profile).
  int Profile(int m);
};

// The 3 × 3 mean of every value of src into dst (both width × h, top-down, separate),
// integer division by 9, edge pixels repeated outside; direction 1 counts the three
// pixels of the row three times each, direction 2 those of the column.
void MeanOf3x3(const uint8_t* src, uint8_t* dst, int width, int h, int direction);

}  // namespace tessel
