#include <gtest/gtest.h>

#include "export/output_size.h"

namespace tessel {
namespace {

TEST(OutputSize, WidthAndHeightEditsFollowTheCouplingRules) {
  COutputSize s(400, 300);
  s.SetWidth(200);
  EXPECT_EQ(s.Height(), 150);
  EXPECT_DOUBLE_EQ(s.WidthPercent(), 50.0);
  EXPECT_DOUBLE_EQ(s.HeightPercent(), 50.0);
  EXPECT_TRUE(s.Resized());
  // Limited to 1.5 x the source; the height follows truncated.
  s.SetWidth(1000);
  EXPECT_EQ(s.Width(), 600);
  EXPECT_EQ(s.Height(), 450);
  s.SetWidth(333);
  EXPECT_EQ(s.Height(), 249);  // trunc(300 / 400 x 333 = 249.75)
  EXPECT_NEAR(s.WidthPercent(), 83.2, 1e-9);  // trunc(832.5) x 0.1
  s.SetHeight(7);
  EXPECT_EQ(s.Width(), 9);  // trunc(400 / 300 x 7 = 9.33)
  s.SetWidth(0);
  EXPECT_EQ(s.Width(), 400);
  EXPECT_EQ(s.Height(), 300);
  EXPECT_FALSE(s.Resized());

  COutputSize free(400, 300, false);
  free.SetWidth(100);
  EXPECT_EQ(free.Height(), 300);
  EXPECT_DOUBLE_EQ(free.HeightPercent(), 100.0);
}

TEST(OutputSize, PercentEditsAndPresets) {
  COutputSize s(401, 301);
  s.SetWidthPercent(75);
  EXPECT_EQ(s.Width(), 300);   // trunc(401 x 0.75)
  EXPECT_EQ(s.Height(), 225);  // trunc(301 / 401 x 300 = 225.19)
  EXPECT_DOUBLE_EQ(s.HeightPercent(), 75.0);
  s.SetWidthPercent(400);
  EXPECT_EQ(s.Width(), 601);
  EXPECT_DOUBLE_EQ(s.WidthPercent(), 150.0);
  s.SetHeightPercent(0);
  EXPECT_EQ(s.Width(), 401);
  EXPECT_DOUBLE_EQ(s.WidthPercent(), 100.0);
  s.SetPreset(25);
  EXPECT_EQ(s.Width(), 100);
  EXPECT_EQ(s.Height(), 75);
  EXPECT_EQ(COutputSize::PercentLabelColour(100.0), 0xC0D0D0u);
  EXPECT_EQ(COutputSize::PercentLabelColour(99.9), 0xC0C0D0u);

  COutputSize free(400, 300, false);
  free.SetHeightPercent(50);
  EXPECT_EQ(free.Height(), 150);
  EXPECT_EQ(free.Width(), 400);
  EXPECT_DOUBLE_EQ(free.WidthPercent(), 100.0);
}

}  // namespace
}  // namespace tessel
