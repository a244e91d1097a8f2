#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <tuple>

#include "export/colour_quantizer.h"
#include "export_test_util.h"

namespace tessel {
namespace {

// Mean absolute channel error of the indexed picture against the original.
double MeanError(const std::vector<uint8_t>& rgb, const std::vector<uint8_t>& indices, const CPalette& palette) {
  double sum = 0.0;
  for (size_t i = 0; i < indices.size(); ++i) {
    const uint8_t* e = &palette.entries[size_t(indices[i]) * 4];
    sum += std::abs(rgb[i * 3] - e[2]) + std::abs(rgb[i * 3 + 1] - e[1]) + std::abs(rgb[i * 3 + 2] - e[0]);
  }
  return sum / double(rgb.size());
}

TEST(Quantizer, FewColoursAreKeptExactlyInBlueGreenRedReservedEntries) {
  const std::vector<uint8_t> rgb = {255, 0, 0, 0, 128, 1, 255, 0, 0, 10, 20, 30};
  CPalette palette;
  std::vector<uint8_t> indices;
  ASSERT_TRUE(ReduceColours(rgb.data(), 2, 2, 256, DitherMode::kFloydSteinberg, palette, indices));
  ASSERT_EQ(palette.Count(), 3);
  EXPECT_EQ(palette.entries, (std::vector<uint8_t>{0, 0, 255, 0, 1, 128, 0, 0, 30, 20, 10, 0}));
  EXPECT_EQ(indices, (std::vector<uint8_t>{0, 1, 0, 2}));
  palette.PadTo(256);
  EXPECT_EQ(palette.Count(), 256);
  EXPECT_EQ(palette.entries[1023], 0);
  EXPECT_FALSE(ReduceColours(rgb.data(), 0, 2, 256, DitherMode::kNone, palette, indices));
}

// A uniform palette of levels^3 colours: the baseline a good palette must beat.
CPalette UniformPalette(int levels) {
  CPalette p;
  for (int r = 0; r < levels; ++r)
    for (int g = 0; g < levels; ++g)
      for (int b = 0; b < levels; ++b)
        p.entries.insert(p.entries.end(), {uint8_t(b * 255 / (levels - 1)), uint8_t(g * 255 / (levels - 1)),
                                           uint8_t(r * 255 / (levels - 1)), 0});
  return p;
}

TEST(Quantizer, WuPaletteKeepsTheErrorSmall) {
  const int w = 160, h = 120;
  // A plane through the colour cube: red across, green down, blue their mean. n colours
  // tile its area of about 1.22 x 255^2 in patches whose mean error per channel is near
  // a quarter of their side, 3.5 levels for 256: the bounds leave a quarter to spare.
  std::vector<uint8_t> plane(size_t(w * h * 3));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = &plane[size_t(y * w + x) * 3];
      p[0] = uint8_t(x * 255 / (w - 1)), p[1] = uint8_t(y * 255 / (h - 1)), p[2] = uint8_t((p[0] + p[1]) / 2);
    }
  const auto folded = test::SmoothPicture(w, h);  // blue folds over ten times: a hard case
  for (auto [colours, levels, bound] : {std::tuple{256, 6, 4.5}, std::tuple{64, 4, 9.0}, std::tuple{27, 3, 14.0}}) {
    for (const std::vector<uint8_t>* rgb : std::initializer_list<const std::vector<uint8_t>*>{&plane, &folded}) {
      const CPalette palette = ChoosePalette(rgb->data(), rgb->size() / 3, colours);
      EXPECT_EQ(palette.Count(), colours);
      const double wu = MeanError(*rgb, MapToPalette(rgb->data(), w, h, palette, DitherMode::kNone), palette);
      const CPalette uniform = UniformPalette(levels);
      const double base = MeanError(*rgb, MapToPalette(rgb->data(), w, h, uniform, DitherMode::kNone), uniform);
      EXPECT_LT(wu, 0.75 * base) << colours << (rgb == &plane ? " plane" : " folded");
      if (rgb == &plane) {
        EXPECT_LT(wu, bound) << colours;
      }
    }
  }
}

TEST(Quantizer, NearestColourMatchesTheFullSearch) {
  std::mt19937 random(7);
  std::vector<uint8_t> rgb(50000 * 3);
  for (auto& v : rgb) v = uint8_t(random());
  CPalette palette;
  for (int i = 0; i < 37; ++i) palette.entries.insert(palette.entries.end(), {uint8_t(random()), uint8_t(random()), uint8_t(random()), 0});
  const auto indices = MapToPalette(rgb.data(), 50000, 1, palette, DitherMode::kNone);
  for (size_t i = 0; i < indices.size(); ++i) {
    int best = INT_MAX;
    for (int k = 0; k < palette.Count(); ++k) {
      const uint8_t* e = &palette.entries[size_t(k) * 4];
      const int dr = rgb[i * 3] - e[2], dg = rgb[i * 3 + 1] - e[1], db = rgb[i * 3 + 2] - e[0];
      best = std::min(best, dr * dr + dg * dg + db * db);
    }
    const uint8_t* e = &palette.entries[size_t(indices[i]) * 4];
    const int dr = rgb[i * 3] - e[2], dg = rgb[i * 3 + 1] - e[1], db = rgb[i * 3 + 2] - e[0];
    ASSERT_EQ(dr * dr + dg * dg + db * db, best) << i;
  }
}

TEST(Quantizer, DitheringKeepsTheAverageColour) {
  // Flat grey 100 with a black-and-white palette: dithering mixes 100/255 of white;
  // without dithering everything becomes black.
  const int w = 64, h = 64;
  const std::vector<uint8_t> grey(size_t(w * h * 3), 100);
  CPalette bw;
  bw.entries = {0, 0, 0, 0, 255, 255, 255, 0};
  for (DitherMode mode : {DitherMode::kErrorDiffusion, DitherMode::kFloydSteinberg}) {
    const auto indices = MapToPalette(grey.data(), w, h, bw, mode);
    const double white = double(std::count(indices.begin(), indices.end(), 1)) / indices.size();
    EXPECT_NEAR(white * 255, 100, 2) << int(mode);
  }
  const auto plain = MapToPalette(grey.data(), w, h, bw, DitherMode::kNone);
  EXPECT_EQ(std::count(plain.begin(), plain.end(), 0), w * h);
  // Floyd-Steinberg and plain error diffusion make different patterns.
  EXPECT_NE(MapToPalette(grey.data(), w, h, bw, DitherMode::kErrorDiffusion),
            MapToPalette(grey.data(), w, h, bw, DitherMode::kFloydSteinberg));
}

}  // namespace
}  // namespace tessel
