// tessel-cli filter: the list, running filters on a PNG, and refusals.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "base/dib_section.h"
#include "codecs/image_reader.h"
#include "filters/filter_test_util.h"
#include "io/png_writer.h"
#include "cli_runner.h"
#include "test_util.h"

namespace tessel {
namespace {

// Runs tessel-cli with stderr folded into the output.
using test::CliRun;
CliRun Cli(const std::string& args) { return test::Cli(args + " 2>&1"); }

class FilterCli : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(WritePngBgra(m_dir.File("in.png"), test::PhotoLikePicture(48, 32, 1), true, &error)) << error;
  }
  std::string In() const { return m_dir.File("in.png"); }
  std::string Out() const { return m_dir.File("out.png"); }
  test::TempDir m_dir;
};

TEST_F(FilterCli, ListsEveryFilterWithParameters) {
  const CliRun r = Cli("filter --list");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("huesaturation\t\"Hue && Saturation\""), std::string::npos);
  EXPECT_NE(r.out.find("  radius=1\t(0..100, decimal) \"Radius\""), std::string::npos);
  EXPECT_NE(r.out.find("specialmosaichard\t\"Special - Mosaic Hard\"\ttweak slot 26"), std::string::npos);
  EXPECT_NE(r.out.find("  bluefade=4\t(0..255) \"Blue Fade\""), std::string::npos);
  EXPECT_NE(Cli("--help").out.find("filter --list"), std::string::npos);
}

TEST_F(FilterCli, RunsFiltersAndEffects) {
  CDIBSection in;
  ASSERT_TRUE(ReadImageFile(In(), in, nullptr));
  // Saturation −100 by name with punctuation: every pixel grey, alpha kept.
  CliRun r = Cli("filter -q " + In() + " " + Out() + " \"Hue && Saturation\" saturation=-100");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(r.out.empty()) << r.out;
  CDIBSection out;
  ASSERT_TRUE(ReadImageFile(Out(), out, nullptr));
  ASSERT_EQ(out.Width(), 48);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 48; ++x) {
      const uint8_t* p = test::Px(out, x, y);
      ASSERT_EQ(p[0], p[1]);
      ASSERT_EQ(p[1], p[2]);
      ASSERT_EQ(p[3], test::Px(in, x, y)[3]);
    }
  // A tweak effect by key with positional parameters; the same seed gives the same file.
  ASSERT_EQ(Cli("filter -q " + In() + " " + Out() + " effect-aged-photo p0=255 seed=5").status, 0);
  const std::string first = test::ReadText(Out());
  ASSERT_EQ(Cli("filter -q " + In() + " " + Out() + " effectagedphoto scratches=255 seed=5").status, 0);
  EXPECT_EQ(test::ReadText(Out()), first);
  // Out-of-range values are clamped, not refused.
  EXPECT_EQ(Cli("filter -q " + In() + " " + Out() + " gaussianblur radius=500 amount=3").status, 0);
}

TEST_F(FilterCli, RefusesBadArgumentsAndUnreadableInput) {
  CliRun r = Cli("filter " + In() + " " + Out() + " sparkle");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("unknown filter \"sparkle\""), std::string::npos);
  r = Cli("filter " + In() + " " + Out() + " popart depth=3");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("has no parameter \"depth\""), std::string::npos);
  EXPECT_EQ(Cli("filter " + In() + " " + Out() + " popart levels=many").status, 2);
  EXPECT_EQ(Cli("filter " + In() + " " + Out() + " popart levels").status, 2);
  EXPECT_EQ(Cli("filter " + In() + " " + Out() + " popart seed=-1").status, 2);
  EXPECT_EQ(Cli("filter " + In() + " " + Out()).status, 2);
  EXPECT_EQ(Cli("filter --list extra").status, 2);
  EXPECT_FALSE(std::filesystem::exists(Out()));
  r = Cli("filter " + m_dir.File("missing.png") + " " + Out() + " autolevel");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("cannot read"), std::string::npos);
  test::WriteText(m_dir.File("junk.png"), "not an image");
  EXPECT_EQ(Cli("filter " + m_dir.File("junk.png") + " " + Out() + " autolevel").status, 1);
}

}  // namespace
}  // namespace tessel
