#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "base/app_context.h"
#include "codecs/image_reader.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "export/psd_writer.h"
#include "render/compositor.h"
#include "export/keep_output.h"
#include "test_util.h"

namespace tessel {
namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}
uint16_t U16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] << 8 | b[at + 1]); }

// The reading side of PackBits, written out plainly.
std::vector<uint8_t> Unpack(const std::vector<uint8_t>& in, size_t width) {
  std::vector<uint8_t> out;
  for (size_t i = 0; i < in.size() && out.size() < width;) {
    const int c = int8_t(in[i++]);
    if (c >= 0) out.insert(out.end(), in.begin() + long(i), in.begin() + long(i) + c + 1), i += size_t(c) + 1;
    else if (c != -128) out.insert(out.end(), size_t(1 - c), in[i++]);
  }
  return out;
}

TEST(PsdPackBits, PiecesAndOddPad) {
  std::vector<uint8_t> out;
  const uint8_t mixed[] = {7, 7, 7, 7, 1, 2};
  EXPECT_EQ(PackBitsRow(mixed, 6, out), 6u);  // 5 packed bytes and the pad
  EXPECT_EQ(out, (std::vector<uint8_t>{0xFD, 7, 0x01, 1, 2, 0}));

  out.clear();
  const std::vector<uint8_t> flat(200, 9);
  EXPECT_EQ(PackBitsRow(flat.data(), flat.size(), out), 4u);  // 127 + 73 repeats
  EXPECT_EQ(out, (std::vector<uint8_t>{0x82, 9, 0xB8, 9}));

  out.clear();
  std::vector<uint8_t> ramp(130);
  for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = uint8_t(i);
  EXPECT_EQ(PackBitsRow(ramp.data(), ramp.size(), out), 132u);  // 1 + 127 + 1 + 3: even, no pad
  EXPECT_EQ(out[0], 126);
  EXPECT_EQ(out[128], 2);
  EXPECT_EQ(out.back(), 129);

  std::mt19937 random(5);
  for (int n = 0; n < 200; ++n) {
    std::vector<uint8_t> row(size_t(random() % 400 + 1));
    for (auto& b : row) b = uint8_t(random() % 3);  // short runs and literals mixed
    out.clear();
    const size_t packed = PackBitsRow(row.data(), row.size(), out);
    EXPECT_EQ(packed % 2, 0u);
    EXPECT_EQ(Unpack(out, row.size()), row);
  }
}

class PsdDocTest : public ::testing::Test {
 protected:
  CAppContext context;
  test::TempDir dir;
  CVellumDoc doc;
  void SetUp() override {
    doc.m_width = 40, doc.m_height = 30;
    CDrawObject* a = doc.NewObject();
    a->CreateRectangle(2, 3, 20, 18);
    a->m_name = "A rectangle with a rather long name";
    a->m_shadowOption = 1;  // Multiply
    a->m_effect = 1;        // drop shadow
    // A shadow picture as the render engine leaves it: the box grown by the margin.
    a->m_shadowBitmap.Create(a->m_width + 2 * a->m_effectSoftness, a->m_height + 2 * a->m_effectSoftness);
    for (int y = 0; y < a->m_shadowBitmap.Height(); ++y)
      for (int x = 0; x < a->m_shadowBitmap.Width(); ++x) a->m_shadowBitmap.RowFromBottom(y)[4 * x + 3] = uint8_t(x * 3);
    CDrawObject* b = doc.NewObject();
    b->CreateCircle(10, 10, 35, 28);
    b->m_name = "Ball";
    b->m_shadowOption = 12;  // a mode PSD has no key for
    doc.NewObject()->CreateRectangle(0, 0, 5, 5);
    doc.ObjectAt(2)->m_hidden = 1;
  }
};

TEST_F(PsdDocTest, HeaderLayerRecordsAndMergedImage) {
  const auto layers = BuildPsdLayers(doc);
  ASSERT_EQ(layers.size(), 3u);  // shadow, rectangle, circle; the hidden object is left out
  EXPECT_EQ(layers[0].name, "Shadow A rectangle with a rather long name");
  int sx = 0, sy = 0;
  ASSERT_TRUE(ShadowOrigin(*doc.ObjectAt(0), &sx, &sy));
  EXPECT_EQ(layers[0].left, sx);
  EXPECT_EQ(layers[0].top, sy);

  CDIBSection merged;
  ASSERT_TRUE(ComposeDocument(doc, 1, CompositeOptions{}, merged));
  std::vector<uint8_t> b;
  ASSERT_TRUE(EncodePsd(layers, merged, b, nullptr));
  EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "8BPS");
  EXPECT_EQ(U16(b, 4), 1);
  EXPECT_EQ(U16(b, 12), 4);
  EXPECT_EQ(U32(b, 14), 30u);
  EXPECT_EQ(U32(b, 18), 40u);
  EXPECT_EQ(U16(b, 22), 8);
  EXPECT_EQ(U16(b, 24), 3);
  EXPECT_EQ(U32(b, 26), 0u);
  EXPECT_EQ(U32(b, 30), 0u);
  const uint32_t section = U32(b, 34);
  const uint32_t info = U32(b, 38);
  EXPECT_EQ(info % 2, 0u);
  EXPECT_EQ(section, info + 4 + 4);  // layer info with its length word, then the global mask length
  EXPECT_EQ(U16(b, 42), 3);

  // The second record: the rectangle, blend "mul ", its name cut to 24, lyid 3.
  size_t r = 44;
  const size_t recordSize = 16 + 2 + 4 * 6 + 12 + 4 + 92;
  r += recordSize;
  const CDrawObject& rect = *doc.ObjectAt(0);
  EXPECT_EQ(int32_t(U32(b, r)), rect.m_top);
  EXPECT_EQ(int32_t(U32(b, r + 4)), rect.m_left);
  EXPECT_EQ(int32_t(U32(b, r + 8)), rect.m_top + rect.m_height);
  EXPECT_EQ(int32_t(U32(b, r + 12)), rect.m_left + rect.m_width);
  EXPECT_EQ(U16(b, r + 16), 4);
  EXPECT_EQ(U16(b, r + 18 + 18), 0xFFFF);
  const size_t sig = r + 18 + 24;
  EXPECT_EQ(std::string(b.begin() + long(sig), b.begin() + long(sig) + 8), "8BIMmul ");
  EXPECT_EQ(b[sig + 8], 255);
  EXPECT_EQ(U32(b, sig + 12), 92u);
  EXPECT_EQ(U32(b, sig + 16), 0u);
  EXPECT_EQ(U32(b, sig + 20), 40u);
  EXPECT_EQ(b[sig + 24 + 2], 0xFF);
  const size_t name = sig + 24 + 40;
  EXPECT_EQ(b[name], 24);
  EXPECT_EQ(std::string(b.begin() + long(name) + 1, b.begin() + long(name) + 25), "A rectangle with a rathe");
  EXPECT_EQ(std::string(b.begin() + long(name) + 28, b.begin() + long(name) + 36), "8BIMlyid");
  EXPECT_EQ(U32(b, name + 40), 3u);
  // The circle's unknown mode is "norm"; "Ball" is padded with blanks.
  const size_t sig3 = sig + recordSize;
  EXPECT_EQ(std::string(b.begin() + long(sig3), b.begin() + long(sig3) + 8), "8BIMnorm");
  EXPECT_EQ(std::string(b.begin() + long(sig3) + 65, b.begin() + long(sig3) + 89), "Ball" + std::string(20, ' '));

  // The first channel of the first layer: compression 1, then one count per row.
  const uint32_t channelLength = U32(b, 44 + 18 + 2);
  const size_t data = 44 + 3 * recordSize;
  EXPECT_EQ(U16(b, data), 1);
  uint32_t rows = 0;
  for (int y = 0; y < layers[0].bitmap->Height(); ++y) rows += U16(b, data + 2 + 2 * size_t(y));
  EXPECT_EQ(channelLength, 2 + 2 * uint32_t(layers[0].bitmap->Height()) + rows);

  // The merged image follows the section and reads back as the composite.
  const size_t mergedAt = 38 + section;
  EXPECT_EQ(U16(b, mergedAt), 1);
  const std::string path = dir.File("doc.psd");
  test::WriteText(path, std::string(b.begin(), b.end()));
  test::KeepForOutsideCheck(path);
  CDIBSection back;
  std::string error;
  ASSERT_TRUE(ReadImageFile(path, back, &error)) << error;
  ASSERT_EQ(back.Width(), 40);
  for (int y = 0; y < 30; ++y)
    ASSERT_EQ(0, std::memcmp(back.RowFromTop(y), merged.RowFromTop(y), 40 * 4)) << "row " << y;
}

TEST_F(PsdDocTest, EmptyDocumentAndRefusals) {
  doc.m_objects.clear();
  const std::string path = dir.File("empty.psd");
  ASSERT_TRUE(WritePsd(doc, path, nullptr));
  const std::string text = test::ReadText(path);
  const std::vector<uint8_t> b(text.begin(), text.end());
  EXPECT_EQ(U32(b, 34), 0u);  // the layer-and-mask section is empty
  EXPECT_EQ(U16(b, 38), 1);   // the merged image follows at once
  EXPECT_EQ(b.size(), 40 + 2 * 30 * 4 + 2 * 30 * 4u);  // each flat row packs to 2 bytes

  std::string error;
  EXPECT_FALSE(WritePsd(doc, dir.File("no/such/folder/x.psd"), &error));
  EXPECT_EQ(error, "Can't create the file");
  doc.m_width = kPsdMaxSide + 1;
  EXPECT_FALSE(WritePsd(doc, dir.File("big.psd"), &error));
  EXPECT_FALSE(std::filesystem::exists(dir.File("big.psd")));
}

}  // namespace
}  // namespace tessel
