// Small pictures for the filter tests.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "base/dib_section.h"

namespace tessel::test {

// A 32-bit picture, every pixel (b, g, r, a).
inline CDIBSection SolidPicture(int w, int h, uint8_t b, uint8_t g, uint8_t r, uint8_t a = 255) {
  CDIBSection p;
  p.Create(w, h, 32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* px = p.RowFromBottom(y) + x * 4;
      px[0] = b, px[1] = g, px[2] = r, px[3] = a;
    }
  return p;
}

// A picture of random bytes (alpha included) from a fixed seed.
inline CDIBSection NoisePicture(int w, int h, uint32_t seed) {
  CDIBSection p;
  p.Create(w, h, 32);
  std::mt19937 rng(seed);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w * 4; ++x) p.RowFromBottom(y)[x] = uint8_t(rng() >> 24);
  return p;
}

// A smooth picture with edges, like a photo: gradients, a disc and some noise.
inline CDIBSection PhotoLikePicture(int w, int h, uint32_t seed) {
  CDIBSection p;
  p.Create(w, h, 32);
  std::mt19937 rng(seed);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* px = p.RowFromBottom(y) + x * 4;
      const int dx = x - w / 2, dy = y - h / 2;
      const bool disc = dx * dx + dy * dy < (w * w) / 16;
      const int noise = int(rng() % 17) - 8;
      auto clamp = [](int v) { return uint8_t(v < 0 ? 0 : v > 255 ? 255 : v); };
      px[0] = clamp((disc ? 40 : 255 * x / w) + noise);
      px[1] = clamp((disc ? 200 : 255 * y / h) + noise);
      px[2] = clamp((disc ? 230 : 128) + noise);
      px[3] = uint8_t((x * 7 + y * 3) & 255);
    }
  return p;
}

inline uint8_t* Px(CDIBSection& p, int x, int y) { return p.RowFromBottom(y) + x * 4; }
inline const uint8_t* Px(const CDIBSection& p, int x, int y) { return p.RowFromBottom(y) + x * 4; }

// True when every alpha byte of a equals that of b.
inline bool SameAlpha(const CDIBSection& a, const CDIBSection& b) {
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (Px(a, x, y)[3] != Px(b, x, y)[3]) return false;
  return true;
}

}  // namespace tessel::test
