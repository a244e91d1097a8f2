#include "geometry/free_path.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessel {
namespace {

using Points = std::vector<CPointD>;

std::vector<std::pair<double, double>> Pairs(const Points& pts) {
  std::vector<std::pair<double, double>> out;
  for (const auto& p : pts) out.emplace_back(p.x, p.y);
  return out;
}

TEST(FreePath, CleaningRoundsDropsRepeatsAndClosesLongStrokes) {
  const Points stroke = {{0.4, 0.4}, {0.2, 0.3}, {1.6, 0.5}, {1.5, 0.6}, {3.49, 7.5}, {10, 10}};
  using P = std::pair<double, double>;
  EXPECT_EQ(Pairs(CleanFreeHandStroke(stroke, false)), (std::vector<P>{{0, 0}, {2, 1}, {3, 8}, {10, 10}}));
  // Six input points are enough to close, even though only four remain.
  EXPECT_EQ(Pairs(CleanFreeHandStroke(stroke, true)), (std::vector<P>{{0, 0}, {2, 1}, {3, 8}, {10, 10}, {0, 0}}));
  const Points five(stroke.begin(), stroke.begin() + 5);
  EXPECT_EQ(Pairs(CleanFreeHandStroke(five, true)), (std::vector<P>{{0, 0}, {2, 1}, {3, 8}}));
  EXPECT_TRUE(CleanFreeHandStroke({}, true).empty());
}

TEST(FreePath, BoundsSampleTwentyStepsPerSegment) {
  // y(t) = 30000 t (1 - t)^2 peaks at 4444.4 (t = 1/3); the samples at t = 0.30 and
  // t = 0.35 reach 4410 and 4436.25, so the sampled bottom is 4436.
  const Points arch = {{0, 0}, {0, 10000}, {0, 0}, {100, 0}};
  EXPECT_EQ(SampledCurveBounds(arch), (CRect{0, 0, 100, 4436}));
  // The end anchor of each segment counts although t = 1 is never sampled; a second
  // segment continues from it.
  const Points two = {{10, 10}, {10, 10}, {20, 20}, {20, 20}, {20, 20}, {1000, 5}, {1000, 5}};
  EXPECT_EQ(SampledCurveBounds(two), (CRect{10, 5, 1000, 20}));
  // Samples round by adding 0.5 and truncating.
  EXPECT_EQ(SampledCurveBounds({{0.49, 1.5}}), (CRect{0, 2, 0, 2}));
  EXPECT_EQ(SampledCurveBounds({}), CRect{});
}

}  // namespace
}  // namespace tessel
