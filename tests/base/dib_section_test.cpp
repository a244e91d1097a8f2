#include "base/dib_section.h"

#include <gtest/gtest.h>

#include <utility>

namespace tessel {
namespace {

TEST(DIBSection, CreatePadsRowsToFourBytesAndZeroFills) {
  // width, height, bits per pixel, expected stride
  const int cases[][4] = {{3, 2, 24, 12}, {5, 3, 8, 8}, {4, 1, 8, 4}, {7, 3, 32, 28}, {1, 1, 24, 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c[0] << "x" << c[1] << "x" << c[2]);
    CDIBSection b;
    ASSERT_TRUE(b.Create(c[0], c[1], c[2]));
    EXPECT_EQ(b.Width(), c[0]);
    EXPECT_EQ(b.Height(), c[1]);
    EXPECT_EQ(b.BytesPerPixel(), c[2] / 8);
    EXPECT_EQ(b.Stride(), c[3]);
    ASSERT_EQ(b.SizeBytes(), size_t(c[3] * c[1]));
    for (size_t i = 0; i < b.SizeBytes(); ++i) ASSERT_EQ(b.Bits()[i], 0) << i;
  }
}

TEST(DIBSection, RefusedSizesLeaveTheBitmapEmpty) {
  const int max = CDIBSection::kMaxDimension;
  const int bad[][3] = {{0, 5, 32}, {5, -1, 32}, {5, 5, 16}, {max + 1, 1, 8}, {1, max + 1, 8}, {max, max, 32}};
  for (const auto& s : bad) {
    CDIBSection b;
    ASSERT_TRUE(b.Create(4, 4));
    EXPECT_FALSE(b.Create(s[0], s[1], s[2])) << s[0] << "x" << s[1] << "x" << s[2];
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(b.Width(), 0);
    EXPECT_EQ(b.Height(), 0);
  }
  EXPECT_TRUE(CDIBSection::SizeAllowed(max, 4096, 32));  // exactly 1 GiB
  EXPECT_FALSE(CDIBSection::SizeAllowed(max, 4097, 32));
}

TEST(DIBSection, RowsRunBottomUp) {
  CDIBSection b;
  ASSERT_TRUE(b.Create(3, 4, 32));
  EXPECT_EQ(b.RowFromBottom(0), b.Bits());
  EXPECT_EQ(b.RowFromBottom(2), b.Bits() + 2 * 12);
  EXPECT_EQ(b.RowFromTop(0), b.RowFromBottom(3));
  EXPECT_EQ(b.RowFromTop(3), b.RowFromBottom(0));
  EXPECT_EQ(b.View().Row(1), b.RowFromBottom(1));
}

TEST(DIBSection, CloneCopiesAndMoveEmptiesTheSource) {
  CDIBSection a;
  ASSERT_TRUE(a.Create(2, 2, 24));
  a.RowFromTop(0)[2] = 0x7F;
  CDIBSection c = a.Clone();
  EXPECT_TRUE(c == a);
  c.Bits()[0] = 1;
  EXPECT_FALSE(c == a);
  EXPECT_EQ(a.Bits()[0], 0);

  CDIBSection m = std::move(a);
  EXPECT_EQ(m.RowFromTop(0)[2], 0x7F);
  // The moved-from bitmap is in the empty state, not a size without pixels.
  EXPECT_TRUE(a == CDIBSection());  // NOLINT(bugprone-use-after-move)
  EXPECT_EQ(a.Stride(), 0);         // NOLINT(bugprone-use-after-move)
  CDIBSection n;
  ASSERT_TRUE(n.Create(1, 1, 8));
  n = std::move(m);
  EXPECT_EQ(n.Width(), 2);
  EXPECT_EQ(m.Width(), 0);  // NOLINT(bugprone-use-after-move)
  n.Release();
  EXPECT_TRUE(n == CDIBSection());
}

}  // namespace
}  // namespace tessel
