#include <gtest/gtest.h>

#include "base/dib_section.h"
#include "render/coverage_mask.h"
#include "render/perspective.h"

namespace tessel {
namespace {

void ExpectPoint(CPointD p, double x, double y) {
  EXPECT_NEAR(p.x, x, 1e-9);
  EXPECT_NEAR(p.y, y, 1e-9);
}

TEST(PerspectiveMap, CornersLandOnTheQuadrilateral) {
  // A parallelogram takes the affine form: g = h = 0.
  const CPerspectiveMap affine({CPointD{10, 0}, {110, 0}, {0, 50}, {100, 50}});
  EXPECT_EQ(affine.g, 0.0);
  EXPECT_EQ(affine.h, 0.0);
  ExpectPoint(affine.Map(0, 1), 0, 50);
  ExpectPoint(affine.Map(0.5, 0.5), 55, 25);
  // A trapezoid narrower at the top is projective; each corner still lands exactly.
  const std::array<CPointD, 4> quad{CPointD{30, 0}, {70, 0}, {0, 100}, {100, 100}};
  const CPerspectiveMap persp(quad);
  EXPECT_NE(persp.g == 0.0 && persp.h == 0.0, true);
  ExpectPoint(persp.Map(0, 0), 30, 0);
  ExpectPoint(persp.Map(1, 0), 70, 0);
  ExpectPoint(persp.Map(0, 1), 0, 100);
  ExpectPoint(persp.Map(1, 1), 100, 100);
  EXPECT_EQ(persp.Extent(), (CRect{0, 0, 100, 100}));
  for (double u : {0.1, 0.5, 0.9})
    for (double v : {0.2, 0.7}) {
      const CPointD p = persp.Map(u, v);
      double bu, bv;
      ASSERT_TRUE(persp.Unmap(p.x, p.y, &bu, &bv));
      EXPECT_NEAR(bu, u, 1e-9);
      EXPECT_NEAR(bv, v, 1e-9);
    }
  // The box units of the object's fields, identity perspective.
  const CPerspectiveMap box = CPerspectiveMap::FromBoxUnits({0, 1, 0, 1}, {0, 0, 1, 1}, 40, 20);
  ExpectPoint(box.Map(1, 1), 40, 20);
}

TEST(PerspectiveMap, WarpKeepsIdentityAndClearsOutside) {
  CDIBSection bmp;
  bmp.Create(8, 6, 32);
  for (size_t i = 0; i < bmp.SizeBytes(); ++i) bmp.Bits()[i] = uint8_t(i * 7);
  CCoverageMask mask;
  mask.Reset(8, 6, 0);
  for (size_t i = 0; i < mask.bytes.size(); ++i) mask.bytes[i] = uint8_t(i * 5);
  const CDIBSection original = bmp.Clone();
  const CCoverageMask originalMask = mask;
  WarpBitmapAndMask(CPerspectiveMap::FromBoxUnits({0, 1, 0, 1}, {0, 0, 1, 1}, 8, 6), bmp, mask);
  EXPECT_TRUE(bmp == original);
  EXPECT_EQ(mask.bytes, originalMask.bytes);

  // Squeezed into the left half: the right half is transparent and uncovered.
  WarpBitmapAndMask(CPerspectiveMap::FromBoxUnits({0, 0.5f, 0, 0.5f}, {0, 0, 1, 1}, 8, 6), bmp, mask);
  for (int y = 0; y < 6; ++y)
    for (int x = 4; x < 8; ++x) {
      EXPECT_EQ(bmp.RowFromTop(y)[4 * x + 3], 0);
      EXPECT_EQ(mask.At(x, y), 0);
    }
  // Destination pixel 0 samples source x = 0.5: halfway between mask values 0 and 5,
  // rounded to 3.
  EXPECT_EQ(mask.At(0, 0), 3);
}

}  // namespace
}  // namespace tessel
