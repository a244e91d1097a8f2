// tessel-cli export: every type through the program as outside checks run it.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

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

using test::Cli;

class ExportCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("tessel-export-cli-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    setenv("TESSEL_CONFIG", (dir_ / "Tessel.ini").c_str(), 1);
    setenv("TESSEL_USER_HOME", dir_.c_str(), 1);
    CAppContext app;
    CVellumDoc doc;
    doc.OnNewDocument();
    doc.m_width = 120;
    doc.m_height = 90;
    doc.m_background = 0x00FF00;  // green
    CDrawObject* o = doc.NewObject();
    o->CreateCircle(20, 20, 70, 60);
    o->m_color = 0x0000FF;
    o->RenderObject(false, nullptr);
    ASSERT_TRUE(SaveProjectFile(doc, Path("in.tsl")));
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Path(const std::string& n) const { return (dir_ / n).string(); }
  // Reads an output file; width 0 when it does not read.
  CDIBSection Read(const std::string& name) {
    CDIBSection out;
    std::string error;
    ReadImageFile(Path(name), out, &error);
    return out;
  }
  std::filesystem::path dir_;
};

TEST_F(ExportCliTest, EveryTypeWritesAReadableFile) {
  const std::string in = Path("in.tsl");
  struct Case {
    const char* args;
    const char* file;
    int width, height;
  };
  const Case cases[] = {
      {"--type jpeg --quality 80 --progressive", "a.jpg", 120, 90},
      {"--type bmp --colors 16 --dither none", "b.bmp", 120, 90},
      {"--type png --size 60x0 --keep-aspect --filter hamming --sharpen 30", "c.png", 60, 45},
      {"--type png8 --dither diffusion", "d.png", 120, 90},
      {"--type pngt --size 500x45 --filter blackman", "e.png", 180, 45},
      {"--type tga --background 0000FF", "f.tga", 120, 90},
      {"--type hires --scale 2", "g.png", 240, 180},
      {"--type rjpg --subsampling", "h.jpg", 120, 90},
  };
  for (const Case& c : cases) {
    const auto r = Cli("export -q " + in + " " + Path(c.file) + " " + c.args + " 2>&1");
    ASSERT_EQ(r.status, 0) << c.args << ": " << r.out;
    const CDIBSection out = Read(c.file);
    EXPECT_EQ(out.Width(), c.width) << c.args;
    EXPECT_EQ(out.Height(), c.height) << c.args;
  }
  // The document's green background stays; the transparent PNG is clear there.
  EXPECT_EQ(Read("c.png").RowFromTop(1)[1], 255);
  EXPECT_EQ(Read("c.png").RowFromTop(1)[2], 0);
  EXPECT_EQ(Read("e.png").RowFromTop(1)[3], 0);
  // --background replaces it (blue here).
  EXPECT_EQ(Read("f.tga").RowFromTop(1)[0], 255);
  // The Rich JPG loads back as the project (the circle, not a picture) and exports again.
  const auto info = Cli("info " + Path("h.jpg") + " --json");
  ASSERT_EQ(info.status, 0) << info.out;
  const auto j = nlohmann::json::parse(info.out);
  EXPECT_EQ(j["magic"], "QUILLDA5");
  ASSERT_EQ(j["objects"].size(), 1u);
  EXPECT_EQ(j["objects"][0]["m_color"], 0x0000FF);
  EXPECT_NE(j["objects"][0]["m_type"], 3);
  const auto again = Cli("export -q " + Path("h.jpg") + " " + Path("i.png") + " --type png 2>&1");
  ASSERT_EQ(again.status, 0) << again.out;
  EXPECT_EQ(Read("i.png").RowFromTop(40)[4 * 45 + 2], 255);
  // A plain JPEG opens as a picture.
  EXPECT_EQ(Cli("export -q " + Path("a.jpg") + " " + Path("j.bmp") + " --type bmp").status, 0);
  EXPECT_EQ(Read("j.bmp").Width(), 120);
}

TEST_F(ExportCliTest, RefusalsAndBadUsage) {
  const std::string in = Path("in.tsl");
  EXPECT_EQ(Cli("export " + in + " " + Path("x.jpg") + " 2>&1").status, 2);
  EXPECT_EQ(Cli("export " + in + " " + Path("x.jpg") + " --type tiff 2>&1").status, 2);
  EXPECT_EQ(Cli("export " + in + " " + Path("x.jpg") + " --type jpeg --quality 101 2>&1").status, 2);
  EXPECT_EQ(Cli("export " + in + " " + Path("x.jpg") + " --type jpeg --background 12345 2>&1").status, 2);
  EXPECT_EQ(Cli("export " + in + " " + Path("x.png") + " --type png --dither wild 2>&1").status, 2);
  // Layers, vectors and modules go through their own writers.
  EXPECT_EQ(Cli("-q export " + in + " " + Path("x.psd") + " --type psd").status, 0);
  EXPECT_EQ(test::ReadText(Path("x.psd")).substr(0, 4), "8BPS");
  EXPECT_EQ(Cli("-q export " + in + " " + Path("x.svg") + " --type svg").status, 0);
  EXPECT_NE(test::ReadText(Path("x.svg")).find("<svg"), std::string::npos);
  EXPECT_EQ(Cli("-q export " + in + " " + Path("x.gif") + " --type GIF").status, 0);
  EXPECT_EQ(test::ReadText(Path("x.gif")).substr(0, 3), "GIF");
  const auto hires = Cli("export " + in + " " + Path("x.bmp") + " --type hires 2>&1");
  EXPECT_EQ(hires.status, 1);
  EXPECT_NE(hires.out.find(".jpg or .png"), std::string::npos);
  // A damaged Rich JPG: the trailer's length points before the file.
  std::string bytes = test::ReadText(Path("in.tsl"));
  bytes = "\xFF\xD8" + bytes + "STANDALONE\xFF\xFF\xFF\x7F";
  test::WriteText(Path("bad.jpg"), bytes);
  const auto bad = Cli("export " + Path("bad.jpg") + " " + Path("y.png") + " --type png 2>&1");
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.out.find("Corrupted rich JPG file (2)"), std::string::npos) << bad.out;
  EXPECT_FALSE(std::filesystem::exists(Path("y.png")));
}

}  // namespace
}  // namespace tessel
