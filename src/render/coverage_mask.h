// The coverage mask of a drawing object: one byte per pixel of its box, row 0 at the
// top, 0 outside the outline and 255 inside. The outline is rasterised without
// anti-aliasing at s times the box size and reduced by averaging s x s blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessel {

class CDrawObject;

struct CCoverageMask {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bytes;  // width * height, top-down

  // Sizes the mask and fills it with value.
  void Reset(int w, int h, uint8_t value);
  uint8_t* Row(int y) { return bytes.data() + size_t(y) * size_t(width); }
  const uint8_t* Row(int y) const { return bytes.data() + size_t(y) * size_t(width); }
  uint8_t At(int x, int y) const { return Row(y)[x]; }
};

// The supersampling factor of the object's mask and, for contour sets, the margin in
// work pixels fixed before live text may lower the factor.
struct MaskSampling {
  int factor = 1;
  int margin = 0;
};
MaskSampling ChooseMaskSampling(const CDrawObject& object);

// Rasterises the object's outline into mask (already box-sized): the "3D Ball"
// ellipse, the shape path, or the contour set. Returns 1 when a mask was drawn, 0 when
// the object has no outline to rasterise (the mask is then left as it was).
int BuildCoverageMask(CDrawObject& object, CCoverageMask& mask);

// The first steps of a render: sizes the mask to the box filled with 255, sets the
// stroke width of open paths (line width x render scale) and builds the mask unless the
// object is a bitmap. Returns what BuildCoverageMask returned (0 for bitmaps).
int PrepareCoverageMask(CDrawObject& object, CCoverageMask& mask);

// Averages s x s blocks of the top-down work raster into the mask. The plain loop;
// ReduceWorkRaster picks faster kernels (unrolled for s = 2 and 3, column sums above)
// that give the same bytes.
void ReduceWorkRasterGeneric(const uint8_t* work, ptrdiff_t workStride, int s, CCoverageMask& mask);
void ReduceWorkRaster(const uint8_t* work, ptrdiff_t workStride, int s, CCoverageMask& mask);

}  // namespace tessel
