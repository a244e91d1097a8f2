#include <gtest/gtest.h>

#include "base/app_context.h"
#include "document/draw_object.h"

namespace tessel {
namespace {

// A bitmap object whose 2 x 2 image is red, green / blue, transparent (top row first).
void MakeImageObject(CDrawObject& o, int boxW, int boxH) {
  o.m_type = kTypeBitmap;
  o.m_layer.Create(2, 2, 32);
  const uint8_t px[4][4] = {{0, 0, 255, 255}, {0, 255, 0, 255}, {255, 0, 0, 255}, {0, 0, 0, 0}};
  for (int i = 0; i < 4; ++i) std::copy(px[i], px[i] + 4, o.m_layer.RowFromTop(i / 2) + 4 * (i % 2));
  o.AllocateBitmaps(boxW, boxH);
}

TEST(BitmapObject, ImageFillsTheBoxAndItsAlphaIsTheCoverage) {
  CAppContext app;
  CDrawObject same;
  MakeImageObject(same, 2, 2);
  EXPECT_TRUE(same.m_bitmap == same.m_layer);
  EXPECT_EQ(same.m_rendered, 1);

  CDrawObject big;
  MakeImageObject(big, 8, 8);
  const uint8_t* topLeft = big.m_bitmap.RowFromTop(0);
  EXPECT_EQ(topLeft[2], 255);  // red corner
  EXPECT_EQ(topLeft[3], 255);
  EXPECT_EQ(big.m_bitmap.RowFromTop(7)[4 * 7 + 3], 0);  // the transparent corner
  EXPECT_EQ(big.m_bitmap.RowFromTop(7)[4 * 0 + 0], 255);  // blue corner

  CDrawObject empty;
  empty.m_type = kTypeBitmap;
  empty.AllocateBitmaps(4, 4);
  for (size_t i = 0; i < empty.m_bitmap.SizeBytes(); ++i) ASSERT_EQ(empty.m_bitmap.Bits()[i], 0);
}

TEST(BitmapObject, PerspectiveWarpsThePicture) {
  CAppContext app;
  CDrawObject o;
  o.m_perspX = {0, 0.5f, 0, 0.5f};  // squeezed into the left half
  MakeImageObject(o, 8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 4; x < 8; ++x) ASSERT_EQ(o.m_bitmap.RowFromTop(y)[4 * x + 3], 0);
  EXPECT_EQ(o.m_bitmap.RowFromTop(0)[2], 255);
  EXPECT_EQ(o.m_bitmap.RowFromTop(0)[3], 255);
}

}  // namespace
}  // namespace tessel
