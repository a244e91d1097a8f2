// tessel-cli render of lens objects, with and without --lenses-off.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/app_context.h"
#include "base/dib_section.h"
#include "cli_runner.h"
#include "codecs/image_reader.h"
#include "document/draw_object.h"
#include "document/project_file.h"
#include "document/vellum_doc.h"
#include "test_util.h"

namespace tessel {
namespace {

// A checkered picture under a magnifier and a lens flare; with effects false the two
// lenses are plain circles.
void SaveLensProject(const std::string& path, bool effects) {
  CAppContext app;
  CVellumDoc doc;
  doc.m_width = 80;
  doc.m_height = 60;
  CDrawObject* picture = doc.NewObject();
  picture->m_type = kTypeBitmap;
  picture->m_layer.Create(80, 60, 32);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 80; ++x) {
      uint8_t* p = picture->m_layer.RowFromTop(y) + 4 * x;
      const uint8_t v = ((x / 5) + (y / 5)) % 2 ? 220 : 30;
      p[0] = v, p[1] = uint8_t(255 - v), p[2] = uint8_t(3 * x), p[3] = 255;
    }
  picture->AllocateBitmaps(80, 60);
  CDrawObject* magnifier = doc.NewObject();
  magnifier->m_effect = effects ? 11 : 0;
  magnifier->m_effectParam1 = 15;
  magnifier->m_effectParam2 = 255;
  magnifier->CreateCircle(4, 4, 40, 40);
  CDrawObject* flare = doc.NewObject();
  flare->m_effect = effects ? 20 : 0;
  flare->CreateCircle(50, 30, 70, 50);
  ASSERT_TRUE(SaveProjectFile(doc, path));
}

CDIBSection Render(const test::TempDir& dir, const std::string& project, const std::string& flags) {
  const std::string png = dir.File(project + flags.substr(0, 4) + ".png");
  const auto run = test::Cli("render -q " + dir.File(project) + " " + png + " " + flags + " 2>&1");
  EXPECT_EQ(run.status, 0) << run.out;
  CDIBSection out;
  std::string error;
  EXPECT_TRUE(ReadImageFile(png, out, &error)) << error;
  return out;
}

TEST(LensRenderCli, LensesOffRendersLensesAsPlainObjects) {
  test::TempDir dir;
  setenv("TESSEL_CONFIG", dir.File("Tessel.ini").c_str(), 1);
  setenv("TESSEL_USER_HOME", dir.Path().c_str(), 1);
  SaveLensProject(dir.File("lenses.tsl"), true);
  SaveLensProject(dir.File("plain.tsl"), false);
  const CDIBSection lensed = Render(dir, "lenses.tsl", "");
  const CDIBSection off = Render(dir, "lenses.tsl", "--lenses-off");
  const CDIBSection plain = Render(dir, "plain.tsl", "");
  ASSERT_EQ(lensed.Width(), 80);
  EXPECT_TRUE(off == plain);
  EXPECT_FALSE(lensed == plain);
  // Away from both lenses (and the flare's reach) the picture is the same.
  const auto same = [&](int x, int y) {
    return std::equal(lensed.RowFromTop(y) + 4 * x, lensed.RowFromTop(y) + 4 * x + 4, plain.RowFromTop(y) + 4 * x);
  };
  EXPECT_TRUE(same(1, 1));
  // The magnifier's centre shows the checkers, not the circle's red.
  EXPECT_NE(lensed.RowFromTop(22)[4 * 22 + 2], plain.RowFromTop(22)[4 * 22 + 2]);
}

}  // namespace
}  // namespace tessel
