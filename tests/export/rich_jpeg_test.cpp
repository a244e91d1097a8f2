#include <gtest/gtest.h>

#include <fstream>

#include "base/archive.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "export/open_document.h"
#include "export/raster_encoders.h"
#include "export/rich_jpeg.h"
#include "export_test_util.h"
#include "test_util.h"

namespace tessel {
namespace {

void Put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + size_t(i)] = uint8_t(x >> (8 * i));
}

class RichJpegTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc_.OnNewDocument();
    doc_.NewObject()->CreateStar(10, 10, 60, 60, 5, 2.0);
    doc_.ObjectAt(0)->m_color = 0x123456;
    const auto rgb = test::SmoothPicture(8, 8);
    std::string error;
    jpeg_ = EncodeJpeg(rgb.data(), 8, 8, {90, false, false, false}, &error);
    ASSERT_FALSE(jpeg_.empty());
  }
  // Writes bytes to a file and opens it into a fresh document.
  LoadResult Open(const std::vector<uint8_t>& bytes, CVellumDoc& into) {
    const std::string path = dir_.File("file.jpg");
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
    return OpenDocumentFile(into, path);
  }
  test::TempDir dir_;
  // Made before the document, whose fields take their defaults from the profile.
  std::unique_ptr<CAppContext> context_ = test::ContextIn(dir_.Path());
  CVellumDoc doc_;
  std::vector<uint8_t> jpeg_;
};

TEST_F(RichJpegTest, TheProjectTravelsInsideTheJpeg) {
  std::string error;
  const auto rich = AppendRichTrailer(jpeg_, doc_, &error);
  ASSERT_GT(rich.size(), jpeg_.size()) << error;
  EXPECT_TRUE(std::equal(jpeg_.begin(), jpeg_.end(), rich.begin()));  // still the same picture
  const size_t n = rich.size();
  EXPECT_EQ(std::string(rich.end() - 14, rich.end() - 4), "STANDALONE");
  const size_t block = n - 14 - (rich[n - 4] | rich[n - 3] << 8 | rich[n - 2] << 16 | size_t(rich[n - 1]) << 24);
  EXPECT_EQ(block, jpeg_.size());
  EXPECT_EQ(std::string(rich.begin() + long(block), rich.begin() + long(block) + 6), "\x05" "CMPCD");

  CVellumDoc loaded;
  ASSERT_EQ(Open(rich, loaded), LoadResult::kLoaded);
  ASSERT_EQ(loaded.ObjectCount(), 1);
  EXPECT_EQ(loaded.ObjectAt(0)->m_color, 0x123456u);
  EXPECT_EQ(loaded.ObjectAt(0)->m_uid, doc_.ObjectAt(0)->m_uid);

  // A project stored raw (packed size 0) loads the same.
  CArchive ar;
  WriteProject(ar, doc_, false);
  std::vector<uint8_t> raw = jpeg_;
  std::vector<uint8_t> rawTrailer = {5, 'C', 'M', 'P', 'C', 'D', 0, 0, 0, 0, 0, 0, 0, 0};
  Put32(rawTrailer, 6, uint32_t(ar.Buffer().size()));
  rawTrailer.insert(rawTrailer.end(), ar.Buffer().begin(), ar.Buffer().end());
  const uint32_t length = uint32_t(rawTrailer.size());
  for (char c : std::string("STANDALONE")) rawTrailer.push_back(uint8_t(c));
  rawTrailer.resize(rawTrailer.size() + 4);
  Put32(rawTrailer, rawTrailer.size() - 4, length);
  raw.insert(raw.end(), rawTrailer.begin(), rawTrailer.end());
  CVellumDoc fromRaw;
  ASSERT_EQ(Open(raw, fromRaw), LoadResult::kLoaded);
  EXPECT_EQ(fromRaw.ObjectCount(), 1);
}

TEST_F(RichJpegTest, APlainJpegOpensAsABitmapObject) {
  CVellumDoc loaded;
  ASSERT_EQ(Open(jpeg_, loaded), LoadResult::kLoaded);
  ASSERT_EQ(loaded.ObjectCount(), 1);
  EXPECT_TRUE(loaded.ObjectAt(0)->IsBitmap());
  EXPECT_EQ(loaded.ObjectAt(0)->m_layer.Width(), 8);
  EXPECT_EQ(loaded.m_width, 8);
  EXPECT_EQ(loaded.ObjectAt(0)->m_name, "file.jpg");
}

TEST_F(RichJpegTest, HostileTrailersAreRefusedWithTheirMessages) {
  std::string error;
  const auto rich = AppendRichTrailer(jpeg_, doc_, &error);
  const size_t n = rich.size();
  const size_t block = jpeg_.size();
  struct Case {
    const char* what;
    size_t at;
    uint32_t value;
    const char* message;
  };
  const Case cases[] = {
      {"length beyond the file", n - 4, 0xFFFFFFF0u, kRichCorrupted},
      {"length shorter than the header", n - 4, 3, kRichCorrupted},
      {"length one short", n - 4, uint32_t(n - 14 - block - 1), kRichCorrupted},
      {"packed size too large", block + 10, 10000001u, kRichCorrupted},
      {"unpacked size lies", block + 6, 12345, kRichUncompressFailed},
      {"unpacked size beyond inflate's reach", block + 6, 400000000u, kRichUncompressFailed},
      {"unpacked size beyond the limit", block + 6, 0xFFFFFFFFu, kRichCorrupted},
  };
  for (const Case& c : cases) {
    auto bad = rich;
    Put32(bad, c.at, c.value);
    static_cast<CRecordingMessages&>(App().Messages()).Clear();
    CVellumDoc loaded;
    EXPECT_EQ(Open(bad, loaded), LoadResult::kDamaged) << c.what;
    EXPECT_EQ(test::Messages(), std::vector<std::string>{c.message}) << c.what;
    EXPECT_EQ(loaded.ObjectCount(), 0) << c.what;
  }
  // A damaged marker, and project data that does not parse.
  auto marker = rich;
  marker[block + 1] = 'X';
  std::vector<uint8_t> project;
  EXPECT_EQ(ExtractRichProject(marker.data(), marker.size(), &project), RichJpegResult::kCorrupted);
  auto garbage = rich;
  garbage[block + 20] ^= 0xFF;
  EXPECT_NE(ExtractRichProject(garbage.data(), garbage.size(), &project), RichJpegResult::kProject);
  const std::vector<uint8_t> tiny = {0xFF, 0xD8};
  EXPECT_EQ(ExtractRichProject(tiny.data(), tiny.size(), &project), RichJpegResult::kPlainJpeg);
  // Serialized bytes that are no project at all.
  CVellumDoc loaded;
  EXPECT_EQ(LoadProjectBytes(loaded, {1, 2, 3}, "x.jpg"), LoadResult::kNotProject);
  EXPECT_EQ(LoadProjectBytes(loaded, {8, 'Q', 'U', 'I', 'L', 'L', 'D', 'A', '5', 0, 0}, "x.jpg"), LoadResult::kDamaged);
  EXPECT_EQ(test::Messages().back(), kRichCorrupted);
}

}  // namespace
}  // namespace tessel
