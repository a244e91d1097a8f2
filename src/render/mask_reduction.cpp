// Box-filter reduction of the supersampled work raster to the coverage mask.
#include <algorithm>
#include <cstring>
#include <vector>

#include "render/coverage_mask.h"

namespace tessel {

void CCoverageMask::Reset(int w, int h, uint8_t value) {
  width = w;
  height = h;
  bytes.assign(size_t(w) * size_t(h), value);
}

void ReduceWorkRasterGeneric(const uint8_t* work, ptrdiff_t stride, int s, CCoverageMask& mask) {
  const int area = s * s;
  for (int y = 0; y < mask.height; ++y) {
    uint8_t* out = mask.Row(y);
    const uint8_t* block = work + ptrdiff_t(y) * s * stride;
    for (int x = 0; x < mask.width; ++x) {
      int sum = 0;
      for (int j = 0; j < s; ++j) {
        const uint8_t* p = block + j * stride + x * s;
        for (int i = 0; i < s; ++i) sum += p[i];
      }
      out[x] = uint8_t(sum / area);
    }
  }
}

namespace {
void Reduce2(const uint8_t* work, ptrdiff_t stride, CCoverageMask& mask) {
  for (int y = 0; y < mask.height; ++y) {
    const uint8_t* r0 = work + ptrdiff_t(y) * 2 * stride;
    const uint8_t* r1 = r0 + stride;
    uint8_t* out = mask.Row(y);
    for (int x = 0; x < mask.width; ++x, r0 += 2, r1 += 2)
      out[x] = uint8_t((r0[0] + r0[1] + r1[0] + r1[1]) >> 2);
  }
}

void Reduce3(const uint8_t* work, ptrdiff_t stride, CCoverageMask& mask) {
  for (int y = 0; y < mask.height; ++y) {
    const uint8_t* r0 = work + ptrdiff_t(y) * 3 * stride;
    const uint8_t* r1 = r0 + stride;
    const uint8_t* r2 = r1 + stride;
    uint8_t* out = mask.Row(y);
    for (int x = 0; x < mask.width; ++x, r0 += 3, r1 += 3, r2 += 3)
      out[x] = uint8_t((r0[0] + r0[1] + r0[2] + r1[0] + r1[1] + r1[2] + r2[0] + r2[1] + r2[2]) / 9);
  }
}
// Larger factors: the s rows of a block are first summed per work column, then s
// column sums make one mask pixel.
void ReduceBySums(const uint8_t* work, ptrdiff_t stride, int s, CCoverageMask& mask) {
  const int area = s * s;
  std::vector<uint32_t> columns(size_t(mask.width) * size_t(s));
  for (int y = 0; y < mask.height; ++y) {
    const uint8_t* row = work + ptrdiff_t(y) * s * stride;
    std::copy(row, row + columns.size(), columns.begin());
    for (int j = 1; j < s; ++j) {
      const uint8_t* r = row + j * stride;
      for (size_t i = 0; i < columns.size(); ++i) columns[i] += r[i];
    }
    uint8_t* out = mask.Row(y);
    const uint32_t* c = columns.data();
    for (int x = 0; x < mask.width; ++x, c += s) {
      uint32_t sum = 0;
      for (int i = 0; i < s; ++i) sum += c[i];
      out[x] = uint8_t(sum / uint32_t(area));
    }
  }
}
}  // namespace

void ReduceWorkRaster(const uint8_t* work, ptrdiff_t stride, int s, CCoverageMask& mask) {
  if (s == 1) {
    for (int y = 0; y < mask.height; ++y) std::memcpy(mask.Row(y), work + ptrdiff_t(y) * stride, size_t(mask.width));
  } else if (s == 2) {
    Reduce2(work, stride, mask);
  } else if (s == 3) {
    Reduce3(work, stride, mask);
  } else {
    ReduceBySums(work, stride, s, mask);
  }
}

}  // namespace tessel
