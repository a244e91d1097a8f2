// End-to-end renders of shipped samples compared with pictures kept in tests/data/golden:
// loading, every render step the samples use, and the composite. A change that alters
// the pictures on purpose regenerates them with TESSEL_UPDATE_GOLDEN=1.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "base/app_context.h"
#include "codecs/image_reader.h"
#include "document/project_file.h"
#include "document/vellum_doc.h"
#include "io/png_writer.h"
#include "render/compositor.h"

namespace tessel {
namespace {

constexpr int kTolerance = 2;  // per channel, for rounding differences between builds

void CheckGolden(const std::string& sample, int scale) {
  CAppContext app;
  CVellumDoc doc;
  ASSERT_EQ(LoadProjectFile(doc, std::string(TESSEL_SAMPLES_DIR) + "/" + sample + ".tsl"),
            LoadResult::kLoaded);
  CDIBSection out;
  ASSERT_TRUE(ComposeDocument(doc, scale, {}, out));
  const std::string golden = std::string(TESSEL_TEST_DATA_DIR) + "/golden/" + sample + ".png";
  if (std::getenv("TESSEL_UPDATE_GOLDEN")) {
    std::string error;
    ASSERT_TRUE(WritePngBgra(golden, out, false, &error)) << error;
    return;
  }
  CDIBSection expected;
  std::string error;
  ASSERT_TRUE(ReadImageFile(golden, expected, &error)) << golden << ": " << error;
  ASSERT_EQ(expected.Width(), out.Width());
  ASSERT_EQ(expected.Height(), out.Height());
  int worst = 0, differing = 0;
  for (int y = 0; y < out.Height(); ++y) {
    const uint8_t* a = out.RowFromTop(y);
    const uint8_t* b = expected.RowFromTop(y);
    for (int x = 0; x < out.Width(); ++x, a += 4, b += 4) {
      int d = 0;
      for (int c = 0; c < 3; ++c) d = std::max(d, std::abs(int(a[c]) - int(b[c])));
      worst = std::max(worst, d);
      differing += d > kTolerance;
    }
  }
  EXPECT_EQ(differing, 0) << sample << ": worst channel difference " << worst;
}

TEST(GoldenRender, Welcome) { CheckGolden("Welcome", 1); }
TEST(GoldenRender, PackagesAtDoubleSize) { CheckGolden("Packages", 2); }

}  // namespace
}  // namespace tessel
