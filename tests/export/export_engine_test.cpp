#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <regex>

#include "base/dib_section.h"
#include "codecs/image_reader.h"
#include "document/vellum_doc.h"
#include "export/export_engine.h"
#include "export_test_util.h"
#include "test_util.h"

namespace tessel {
namespace {

// A 3 x 2 composite: opaque red, half-transparent green, clear / three greys.
CDIBSection Composite() {
  CDIBSection c;
  c.Create(3, 2, 32);
  const uint8_t top[3][4] = {{0, 0, 255, 255}, {0, 255, 0, 128}, {0, 0, 0, 0}};
  const uint8_t bottom[3][4] = {{10, 10, 10, 255}, {100, 100, 100, 255}, {200, 200, 200, 255}};
  std::memcpy(c.RowFromTop(0), top, 12);
  std::memcpy(c.RowFromTop(1), bottom, 12);
  return c;
}

TEST(ExportSource, AlphaMaskNegativeAndColourCorrection) {
  CExportSettings s;
  CExportSource src;
  SourceFromComposite(Composite(), s, src);
  EXPECT_EQ(std::vector<uint8_t>(src.rgb.begin(), src.rgb.begin() + 6), (std::vector<uint8_t>{255, 0, 0, 0, 255, 0}));
  EXPECT_EQ(src.alpha, (std::vector<uint8_t>{255, 128, 0, 255, 255, 255}));
  s.alphaMaskOnly = true;
  SourceFromComposite(Composite(), s, src);
  EXPECT_EQ(std::vector<uint8_t>(src.rgb.begin(), src.rgb.begin() + 9), (std::vector<uint8_t>{255, 255, 255, 128, 128, 128, 0, 0, 0}));
  s.negative = true;
  SourceFromComposite(Composite(), s, src);
  EXPECT_EQ(std::vector<uint8_t>(src.rgb.begin(), src.rgb.begin() + 9), (std::vector<uint8_t>{0, 0, 0, 127, 127, 127, 255, 255, 255}));
  s = CExportSettings();
  s.useColourCorrection = true;
  s.gain = {0.5, 1.0, 2.0};
  SourceFromComposite(Composite(), s, src);
  EXPECT_EQ(std::vector<uint8_t>(src.rgb.begin() + 9, src.rgb.end()), (std::vector<uint8_t>{5, 10, 20, 50, 100, 200, 100, 200, 255}));
  EXPECT_TRUE(SourceNeedsTransparency([] { CExportSettings t; t.type = ExportType::kPngTransparent; return t; }()));
}

class ExportEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    source_.width = 40;
    source_.height = 30;
    source_.rgb = test::SmoothPicture(40, 30);
    source_.alpha.assign(40 * 30, 200);
  }
  CExportEngine Engine(const CExportSettings& s) {
    CExportEngine e(doc_, s);
    e.SetSource(source_);
    return e;
  }
  test::TempDir dir_;
  // Made before the document, whose fields take their defaults from the profile.
  std::unique_ptr<CAppContext> context_ = test::ContextIn(dir_.Path());
  CVellumDoc doc_;
  CExportSource source_;
};

TEST_F(ExportEngineTest, PreviewWritesTheTemporaryFileAndItsSizeText) {
  CExportSettings s;
  s.quality = 80;
  s.sharpen = 40;
  CExportEngine e = Engine(s);
  ASSERT_TRUE(e.Export(false));
  EXPECT_EQ(CExportEngine::PreviewPath(), dir_.File("export.tmp"));
  const auto bytes = std::filesystem::file_size(dir_.File("export.tmp"));
  char expected[64];
  std::snprintf(expected, sizeof expected, "Size: %.4G kB,   Quality: 80 (Sharpened)", bytes / 1024.0);
  EXPECT_EQ(e.SizeText(), expected);
  EXPECT_EQ(e.Preview().Width(), 40);
  EXPECT_EQ(App().Profile().GetInt("Export", "Type", -1), 0);
  EXPECT_EQ(App().Profile().GetInt("Export", "Prog", -1), 0);

  s.type = ExportType::kPng;
  s.sharpen = 0;
  CExportEngine png = Engine(s);
  ASSERT_TRUE(png.Export(false));
  EXPECT_TRUE(std::regex_match(png.SizeText(), std::regex("Size: [0-9.]+ kB")));
  // Equal size copies the source exactly, whatever the filter.
  EXPECT_EQ(png.OutputRgb(), source_.rgb);
}

TEST_F(ExportEngineTest, TypesSizesAndPalettes) {
  CExportSettings s;
  s.type = ExportType::kPngTransparent;
  s.width = 20;
  s.height = 15;
  s.filter = ResampleFilter::kHamming;
  ASSERT_TRUE(Engine(s).Export(true, dir_.File("a.png")));
  CDIBSection back;
  std::string error;
  ASSERT_TRUE(ReadImageFile(dir_.File("a.png"), back, &error));
  EXPECT_EQ(back.Width(), 20);
  EXPECT_EQ(back.RowFromTop(7)[4 * 9 + 3], 200);  // the alpha plane resampled with the colour

  // A custom count of 16 writes a 4-bit BMP with 16 entries, 17 an 8-bit one.
  s = CExportSettings();
  s.type = ExportType::kBmp;
  s.colourMode = ColourMode::kCustom;
  for (auto [count, bits] : {std::pair{16, 4}, std::pair{17, 8}, std::pair{999, 8}}) {
    s.customColours = count;
    ASSERT_TRUE(Engine(s).Export(true, dir_.File("b.bmp")));
    const std::string bmp = test::ReadText(dir_.File("b.bmp"));
    EXPECT_EQ(bmp[28], bits) << count;
    EXPECT_EQ(uint8_t(bmp[46]) | uint8_t(bmp[47]) << 8, std::min(count, 256)) << count;
  }
  EXPECT_EQ(App().Profile().GetInt("Export", "NumCol", -1), 999);

  // The document's own stored settings round trip.
  s.type = ExportType::kTga;
  s.renderScale = 3;
  SettingsToDocument(s, doc_);
  const CExportSettings back2 = SettingsFromDocument(doc_);
  EXPECT_EQ(back2.customColours, 999);
  EXPECT_EQ(back2.renderScale, 3);
  EXPECT_EQ(back2.type, ExportType::kJpeg);  // a stored type above 3 starts at JPEG

  // A module number beyond the modules found is refused; nothing is written.
  s.type = ExportType(int(ExportType::kFirstModule) + 1000);
  EXPECT_FALSE(Engine(s).Export(true, dir_.File("c.exp")));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("c.exp")));
  EXPECT_EQ(test::Messages().back(), "There is no export module number 1001");
}

TEST_F(ExportEngineTest, ModulePreviewReadsBackOrShowsTheOutput) {
  // Modules by name: GIF (reads back), TestPartial (cannot read, cannot write), WebP.
  std::filesystem::create_directories(dir_.File("modules"));
  std::filesystem::copy_file(std::string(TESSEL_TEST_MODULES_DIR) + "/TestPartial.exp",
                             dir_.File("modules/TestPartial.exp"));
  doc_.m_exportPath = "/before/export.jpg";
  CExportSettings s;
  s.type = ExportType::kFirstModule;  // GIF
  s.sharpen = 10;
  CExportEngine gif = Engine(s);
  ASSERT_TRUE(gif.Export(false));
  const auto bytes = std::filesystem::file_size(dir_.File("export.tmp"));
  char expected[64];
  std::snprintf(expected, sizeof expected, "File Size: %.4G kB (Sharpened)", bytes / 1024.0);
  EXPECT_EQ(gif.SizeText(), expected);
  EXPECT_EQ(test::ReadText(dir_.File("export.tmp")).substr(0, 3), "GIF");
  ASSERT_EQ(gif.Preview().Width(), 40);
  EXPECT_EQ(gif.Preview().Height(), 30);
  EXPECT_EQ(doc_.m_exportPath, "/before/export.jpg");  // a preview leaves the document alone

  // Without read-back the preview is the output picture and the module is not asked.
  s.type = ExportType(int(ExportType::kFirstModule) + 1);
  s.sharpen = 0;
  CExportEngine partial = Engine(s);
  const size_t shown = test::Messages().size();
  ASSERT_TRUE(partial.Export(false));
  EXPECT_EQ(test::Messages().size(), shown);
  EXPECT_EQ(partial.SizeText(), "");
  const uint8_t* px = partial.Preview().RowFromTop(2) + 4 * 5;
  const uint8_t* rgb = source_.rgb.data() + (2 * 40 + 5) * 3;
  EXPECT_EQ((std::vector<int>{px[2], px[1], px[0], px[3]}), (std::vector<int>{rgb[0], rgb[1], rgb[2], 255}));
}

}  // namespace
}  // namespace tessel
