#include <gtest/gtest.h>

#include <cmath>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/user_messages.h"
#include "document/bitmap_block.h"
#include "object_test_util.h"

namespace tessel {
namespace {

using testing::DescribeObject;
using testing::Perturb;

std::vector<uint8_t> RecordBytes(CDrawObject& o, bool compress = false) {
  CArchive ar;
  App().m_compressBitmaps = compress;
  o.SerializeFields(ar, false);
  App().m_compressBitmaps = false;
  return ar.TakeBuffer();
}

std::unique_ptr<CDrawObject> ReadRecord(std::vector<uint8_t> bytes, bool recordOnly = false) {
  CArchive ar(std::move(bytes));
  auto o = std::make_unique<CDrawObject>();
  o->SerializeFields(ar, recordOnly);
  EXPECT_EQ(ar.Remaining(), 0u);
  return o;
}

// A record of a default object is the base part followed by the extension blocks,
// whose size for such an object is fixed: this is where the first marker stands.
constexpr size_t kDefaultBlocksBytes = 438;

TEST(ObjectRecord, EveryStoredFieldSurvivesARoundTrip) {
  CAppContext app;
  for (bool compress : {false, true}) {
    for (int seed = 1; seed <= 3; ++seed) {
      CDrawObject a;
      a.CreateRectangle(5, 5, 60, 40);
      ForEachStoredField(a, Perturb{seed});
      a.m_imageWidth = a.m_layer.Width();  // loading takes the layer's width
      a.RenderObject(false, nullptr);      // the stroke width follows the line width
      a.SetPackageData({1, 2, 3, 4, 5});
      a.m_cloneOf = 7;
      auto b = ReadRecord(RecordBytes(a, compress));
      EXPECT_EQ(DescribeObject(*b), DescribeObject(a)) << "seed " << seed << " compress " << compress;
      EXPECT_EQ(b->m_packageData, a.m_packageData);
      EXPECT_EQ(b->m_rendered, 1);  // reading renders
    }
  }
}

TEST(ObjectRecord, RecordOnlyDoesNotRender) {
  CAppContext app;
  CDrawObject a;
  a.CreateRectangle(0, 0, 10, 10);
  auto b = ReadRecord(RecordBytes(a), true);
  EXPECT_EQ(b->m_rendered, 0);
  EXPECT_TRUE(b->m_bitmap.IsEmpty());
}

TEST(ObjectRecord, OlderRecordEndingAtFirstMarkerKeepsDefaults) {
  CAppContext app;
  CDrawObject a;
  a.CreateRectangle(0, 0, 10, 10);
  std::vector<uint8_t> bytes = RecordBytes(a);
  ASSERT_GT(bytes.size(), kDefaultBlocksBytes);
  bytes.resize(bytes.size() - kDefaultBlocksBytes);
  for (int i = 0; i < 4; ++i) bytes.push_back(0xFF);

  auto b = ReadRecord(bytes);
  CDrawObject defaults;
  EXPECT_EQ(b->m_opacity, 255);
  EXPECT_EQ(b->m_colorGain, defaults.m_colorGain);
  EXPECT_EQ(b->m_transpGeom, defaults.m_transpGeom);
  EXPECT_EQ(b->m_perspX, defaults.m_perspX);
  EXPECT_EQ(b->m_lights, defaults.m_lights);
  EXPECT_EQ(b->m_path, a.m_path);
  EXPECT_EQ(b->m_width, a.m_width);
}

TEST(ObjectRecord, LoadTimeConversions) {
  CAppContext app;
  // Old records: the transparency geometry comes from the map name and angle.
  CDrawObject lin;
  lin.m_transpName = "Linear.tmb";
  lin.m_transpAngle = 90;
  lin.m_transpGeom[5] = 0.25;
  std::vector<uint8_t> bytes = RecordBytes(lin);
  bytes.resize(bytes.size() - kDefaultBlocksBytes);
  bytes.insert(bytes.end(), {0xFF, 0xFF, 0xFF, 0xFF});
  auto b = ReadRecord(bytes);
  const double c = 0.5 * std::cos(90 * 3.1415926535 / 180), s = 0.5 * std::sin(90 * 3.1415926535 / 180);
  EXPECT_EQ(b->m_transpGeom[0], 0.5 - c);
  EXPECT_EQ(b->m_transpGeom[1], 0.5 + c);
  EXPECT_EQ(b->m_transpGeom[2], 0.5);
  EXPECT_EQ(b->m_transpGeom[3], 0.5 + s);
  EXPECT_EQ(b->m_transpGeom[4], 0.5 - s);
  EXPECT_EQ(b->m_transpGeom[5], 0.0);  // unchanged from the default

  CDrawObject radial;
  radial.m_transpName = "Radial.tmb";
  bytes = RecordBytes(radial);
  bytes.resize(bytes.size() - kDefaultBlocksBytes);
  bytes.insert(bytes.end(), {0xFF, 0xFF, 0xFF, 0xFF});
  EXPECT_EQ(ReadRecord(bytes)->m_transpGeom, (std::array<double, 6>{0.5, 1.0, 0.5, 0.5, 0.5, 0.0}));

  // A full record overwrites the converted geometry with the stored one.
  EXPECT_EQ(ReadRecord(RecordBytes(lin))->m_transpGeom, lin.m_transpGeom);

  CDrawObject gains;
  gains.m_colorGain = {12.5, 10.0, 0.5};
  gains.m_effectDistance = 7;
  gains.m_effectDistanceF = 7.5;
  auto g = ReadRecord(RecordBytes(gains));
  EXPECT_EQ(g->m_colorGain, (std::array<double, 3>{1.0, 10.0, 0.5}));
  EXPECT_EQ(g->m_effectDistanceF, 7.5);

  CDrawObject layered;
  layered.m_type = kTypeBitmap;
  layered.m_layer.Create(17, 3, 32);
  layered.m_imageWidth = 5;
  layered.m_imageHeight = 9;
  auto l = ReadRecord(RecordBytes(layered));
  EXPECT_EQ(l->m_imageWidth, 17);
  EXPECT_EQ(l->m_imageHeight, 9);
}

TEST(ObjectRecord, OverlongFaceNameIsIgnored) {
  CAppContext app;
  CDrawObject a;
  a.m_font.faceName = std::string(33, 'f');
  auto b = ReadRecord(RecordBytes(a));
  EXPECT_EQ(b->m_font.faceName, "Arial");
  a.m_font.faceName = std::string(32, 'g');
  EXPECT_EQ(ReadRecord(RecordBytes(a))->m_font.faceName, std::string(32, 'g'));
}

TEST(ObjectRecord, LensFlareLayerIsNotStored) {
  CAppContext app;
  CDrawObject a;
  a.m_effect = kEffectLensFlare;
  a.m_layer.Create(64, 64, 32);
  const auto bytes = RecordBytes(a);
  CDrawObject plain;
  EXPECT_EQ(bytes.size(), RecordBytes(plain).size());
  auto b = ReadRecord(bytes);
  EXPECT_TRUE(b->m_layer.IsEmpty());
  EXPECT_EQ(b->m_effect, kEffectLensFlare);

  // A bitmap object's layer is its picture: it is kept whatever the effect.
  a.m_type = kTypeBitmap;
  a.m_layer.Bits()[5] = 77;
  EXPECT_TRUE(ReadRecord(RecordBytes(a))->m_layer == a.m_layer);
}

TEST(ObjectRecord, MissingFrameCopyIsWrittenAsAPlainRecord) {
  CAppContext app;
  CDrawObject a;
  a.CreateRectangle(0, 0, 20, 20);
  a.m_color = 0x00AA00;
  a.m_hasHighlightedFrame = 1;
  a.m_hasPushedFrame = 1;
  a.m_glueWithPrevious = 1;
  auto b = ReadRecord(RecordBytes(a));
  ASSERT_NE(b->m_frameHighlighted, nullptr);
  ASSERT_NE(b->m_framePushed, nullptr);
  EXPECT_EQ(b->m_frameNormal, nullptr);
  EXPECT_EQ(b->m_frameHighlighted->m_color, 0x00AA00u);
  EXPECT_EQ(b->m_frameHighlighted->m_hasHighlightedFrame, 0);
  EXPECT_EQ(b->m_frameHighlighted->m_frameHighlighted, nullptr);
  EXPECT_EQ(b->m_glueWithPrevious, 1);
}

TEST(ObjectRecord, FramesRoundTripAndLoadShowsTheNormalFrame) {
  CAppContext app;
  CDrawObject a;
  a.CreateRectangle(0, 0, 20, 20);
  a.SetFrames(1, 1, 1, 0);
  a.m_color = 0x0000AA;  // highlighted look
  a.StoreShownFrame();
  auto b = ReadRecord(RecordBytes(a));
  EXPECT_EQ(b->m_currentFrame, 0);
  EXPECT_EQ(b->m_color, 0x0000FFu);
  ASSERT_NE(b->m_frameHighlighted, nullptr);
  EXPECT_EQ(b->m_frameHighlighted->m_color, 0x0000AAu);
  b->SelectFrame(1);
  EXPECT_EQ(b->m_color, 0x0000AAu);
}

TEST(ObjectRecord, DamagedRecordsThrowInsteadOfAllocating) {
  CAppContext app;
  CDrawObject a;
  a.CreateRectangle(0, 0, 20, 20);
  const auto bytes = RecordBytes(a);
  // Every truncation fails cleanly.
  for (size_t n = 0; n < bytes.size(); n += 7) {
    CArchive ar(std::vector<uint8_t>(bytes.begin(), bytes.begin() + long(n)));
    CDrawObject o;
    EXPECT_THROW(o.SerializeFields(ar, false), CArchiveException) << n;
  }
  // Boxes far beyond any canvas are refused before any bitmap is made.
  for (auto [w, h] : std::vector<std::pair<int, int>>{{100000, 100000}, {9000, 10}, {5000, 5000}}) {
    CDrawObject huge;
    huge.m_width = w;
    huge.m_height = h;
    CArchive ar(RecordBytes(huge));
    CDrawObject o;
    EXPECT_THROW(o.SerializeFields(ar, false), CArchiveException) << w << " x " << h;
  }
  CDrawObject large;
  large.m_type = kTypePath;
  large.m_width = 8000;
  large.m_height = 2000;
  EXPECT_EQ(ReadRecord(RecordBytes(large))->m_bitmap.Width(), 8000);
}

CDIBSection Sample(int w, int h) {
  CDIBSection b;
  b.Create(w, h, 32);
  for (size_t i = 0; i < b.SizeBytes(); ++i) b.Bits()[i] = uint8_t(i * 13 % 251);
  return b;
}

TEST(BitmapBlock, RawAndCompressedFormsReadBack) {
  CAppContext app;
  const CDIBSection pic = Sample(33, 17);
  for (bool compress : {false, true}) {
    CArchive out;
    WriteBitmapBlock(out, pic, compress);
    CArchive in(out.TakeBuffer());
    CDIBSection back;
    ReadBitmapBlock(in, back);
    EXPECT_TRUE(back == pic);
    EXPECT_EQ(in.Remaining(), 0u);
  }
  CArchive out;
  WriteBitmapBlock(out, CDIBSection(), true);
  EXPECT_EQ(out.Buffer(), (std::vector<uint8_t>{1, 0, 0, 0}));
}

TEST(BitmapBlock, PackedSizeZeroMeansRawPixels) {
  CAppContext app;
  const CDIBSection pic = Sample(4, 3);
  CArchive out;
  for (uint32_t v : {0u, 4u, 3u, 0xFFFFFFFFu, 48u, 0u}) out.WriteU32(v);
  out.WriteBytes(pic.Bits(), pic.SizeBytes());
  CArchive in(out.TakeBuffer());
  CDIBSection back;
  ReadBitmapBlock(in, back);
  EXPECT_TRUE(back == pic);
}

TEST(BitmapBlock, FailedInflateReportsAndZeroesPixels) {
  CAppContext app;
  CArchive out;
  for (uint32_t v : {0u, 4u, 3u, 0xFFFFFFFFu, 48u, 8u}) out.WriteU32(v);
  for (int i = 0; i < 8; ++i) out.WriteU8(0xAB);
  CArchive in(out.TakeBuffer());
  CDIBSection back;
  back.Create(2, 2, 32);
  ReadBitmapBlock(in, back);
  ASSERT_EQ(back.Width(), 4);
  ASSERT_EQ(back.Height(), 3);
  for (size_t i = 0; i < back.SizeBytes(); ++i) ASSERT_EQ(back.Bits()[i], 0);
  auto& rec = static_cast<CRecordingMessages&>(app.Messages());
  EXPECT_EQ(rec.MessageTexts(), std::vector<std::string>{"Uncompression failed "});
}

TEST(BitmapBlock, HostileSizesAreRefused) {
  CAppContext app;
  auto read = [](std::vector<uint32_t> words) {
    CArchive out;
    for (uint32_t v : words) out.WriteU32(v);
    CArchive in(out.TakeBuffer());
    CDIBSection b;
    ReadBitmapBlock(in, b);
    return b.IsEmpty();
  };
  EXPECT_THROW(read({0, 100000, 100000, 0xFFFFFFFF, 1705032704u, 10, 0, 0, 0}), CArchiveException);
  EXPECT_THROW(read({0, 100000, 100000, 40000}), CArchiveException);
  EXPECT_THROW(read({0, 2, 2, 16}), CArchiveException);  // pixels missing
  EXPECT_THROW(read({0, 3, 2, 16, 0, 0, 0, 0}), CArchiveException);  // size does not match
  // 64 MB claimed from 8 packed bytes is more than zlib can expand to.
  EXPECT_THROW(read({0, 4096, 4096, 0xFFFFFFFF, 4096u * 4096 * 4, 8, 0, 0}), CArchiveException);
  EXPECT_TRUE(read({0, 4, 4, 0xFFFFFFFF, 0, 7}));  // raw size 0 ends with an empty bitmap
}

}  // namespace
}  // namespace tessel
