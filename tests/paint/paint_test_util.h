// Helpers shared by the painting tests.
#pragma once

#include <cstdint>

#include "base/dib_section.h"
#include "base/program_constants.h"

namespace tessel::test {

// A w × h 32-bit bitmap filled with one BGRA pixel.
inline CDIBSection Filled(int w, int h, uint8_t b, uint8_t g, uint8_t r, uint8_t a) {
  CDIBSection bmp;
  bmp.Create(w, h, 32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = bmp.RowFromBottom(y) + x * 4;
      p[0] = b, p[1] = g, p[2] = r, p[3] = a;
    }
  return bmp;
}

inline int AlphaAt(const CDIBSection& bmp, int x, int yBottom) { return bmp.RowFromBottom(yBottom)[x * 4 + kAlpha]; }

inline int CountAlpha(const CDIBSection& bmp) {
  int n = 0;
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) n += AlphaAt(bmp, x, y) != 0;
  return n;
}

}  // namespace tessel::test
