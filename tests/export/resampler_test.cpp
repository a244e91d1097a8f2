#include <gtest/gtest.h>

#include "export/resampler.h"

namespace tessel {
namespace {

std::vector<uint8_t> Row(std::initializer_list<int> v) { return std::vector<uint8_t>(v.begin(), v.end()); }

TEST(Resampler, ExactValuesOnSmallRows) {
  const auto src = Row({10, 20, 30, 50});
  // Box halves average pairs.
  EXPECT_EQ(Resample(src.data(), 4, 1, 1, 2, 1, ResampleFilter::kBox), Row({15, 40}));
  // Bilinear shrinking: the triangle widened to 2 pixels gives weights 3/7, 3/7, 1/7.
  EXPECT_EQ(Resample(src.data(), 4, 1, 1, 2, 1, ResampleFilter::kBilinear), Row({17, 37}));
  // Bicubic (Catmull-Rom) doubling 0, 100 with the edge pixels repeated: the ring of
  // the kernel at the step gives -7.03 (clamped to 0), 20.3, 79.7 and 107.03.
  const auto two = Row({0, 100});
  EXPECT_EQ(Resample(two.data(), 2, 1, 1, 4, 1, ResampleFilter::kBicubic), Row({0, 20, 80, 107}));
  // The same along columns, three channels.
  const auto column = Row({10, 10, 10, 20, 20, 20, 30, 30, 30, 50, 50, 50});
  EXPECT_EQ(Resample(column.data(), 1, 4, 3, 1, 2, ResampleFilter::kBox), Row({15, 15, 15, 40, 40, 40}));
}

TEST(Resampler, FlatStaysFlatAndEqualSizeCopies) {
  const std::vector<uint8_t> flat(13 * 7 * 3, 77);
  for (ResampleFilter f : {ResampleFilter::kBox, ResampleFilter::kBilinear, ResampleFilter::kBicubic,
                           ResampleFilter::kHamming, ResampleFilter::kBlackman}) {
    for (auto [w, h] : {std::pair{5, 3}, std::pair{19, 10}, std::pair{13, 7}}) {
      const auto out = Resample(flat.data(), 13, 7, 3, w, h, f);
      ASSERT_EQ(out, std::vector<uint8_t>(size_t(w * h * 3), 77)) << int(f) << " " << w << "x" << h;
    }
  }
  std::vector<uint8_t> ramp(16);
  for (int i = 0; i < 16; ++i) ramp[size_t(i)] = uint8_t(i * 16);
  EXPECT_EQ(Resample(ramp.data(), 4, 4, 1, 4, 4, ResampleFilter::kHamming), ramp);
}

TEST(Resampler, KernelsAndProgress) {
  // The windowed sincs are 1 at 0 and vanish at whole pixels and beyond the support.
  for (ResampleFilter f : {ResampleFilter::kHamming, ResampleFilter::kBlackman}) {
    EXPECT_DOUBLE_EQ(FilterKernel(f, 0.0), 1.0);
    EXPECT_NEAR(FilterKernel(f, 1.0), 0.0, 1e-12);
    EXPECT_EQ(FilterKernel(f, FilterSupport(f)), 0.0);
  }
  EXPECT_EQ(FilterKernel(ResampleFilter::kBox, 0.5), 0.0);
  EXPECT_EQ(FilterKernel(ResampleFilter::kBox, -0.5), 1.0);

  const std::vector<uint8_t> src(200 * 200, 9);
  std::vector<int> seen;
  const auto out = Resample(src.data(), 200, 200, 1, 100, 100, ResampleFilter::kBilinear, [&](int p) {
    seen.push_back(p);
    return true;
  });
  ASSERT_EQ(out.size(), 100u * 100u);
  ASSERT_FALSE(seen.empty());
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  EXPECT_EQ(seen.back(), 100);
  EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [](int p) { return p >= 50 && p < 100; }));
  // Cancelling in the second pass discards the result.
  EXPECT_TRUE(Resample(src.data(), 200, 200, 1, 100, 100, ResampleFilter::kBox, [](int p) { return p < 50; }).empty());
  EXPECT_TRUE(Resample(src.data(), 200, 200, 1, 0, 100, ResampleFilter::kBox).empty());
}

}  // namespace
}  // namespace tessel
