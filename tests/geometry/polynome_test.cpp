#include "geometry/polynome.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "base/archive.h"

namespace tessel {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(Polynome, PixelMappingTruncatesWithoutRounding) {
  EXPECT_EQ(CPolynome::MapToPixel(999, 100, 0), 99);  // 99.9
  EXPECT_EQ(CPolynome::MapToPixel(1000, 100, 10), 110);
  EXPECT_EQ(CPolynome::MapToPixel(-15, 100, 0), -1);  // -1.5 truncates toward zero

  CPolynome p;
  EXPECT_EQ(p.GetBounds(4, 5, 100, 100), (CRect{4, 5, 4, 5}));
  p.m_points = {{250, 999, 1}, {759, 100, 0}, {500, 505, 1}};
  EXPECT_EQ(p.GetBounds(0, 0, 100, 200), (CRect{25, 20, 75, 199}));
  EXPECT_EQ(p.GetBounds(-10, 10, 100, 200), (CRect{15, 30, 65, 209}));
}

TEST(Polynome, SerializeLayoutAndRoundTrip) {
  CPolynome p;
  p.m_points = {{1.5, 2.0, 1}, {1000, 0, 0}};
  for (int i = 0; i < CPolynome::kEnvelopeValues; ++i) p.m_envelope[size_t(i)] = i * 0.125;
  p.m_bitmapEnvelope = 1;
  p.m_open = 3;
  p.m_polyMode = 4;
  p.m_extra = 9;
  CArchive out;
  p.Serialize(out);
  const Bytes& b = out.Buffer();
  ASSERT_EQ(b.size(), 4u + 2 * 17 + 16 * 8 + 3 * 4 + 4);
  EXPECT_EQ(Bytes(b.begin(), b.begin() + 4), (Bytes{2, 0, 0, 0}));
  double x;
  std::memcpy(&x, &b[4], 8);
  EXPECT_EQ(x, 1.5);
  EXPECT_EQ(b[20], 1);  // flag byte of the first point
  EXPECT_EQ(b[37], 0);
  std::memcpy(&x, &b[38 + 15 * 8], 8);
  EXPECT_EQ(x, 15 * 0.125);
  EXPECT_EQ(Bytes(b.begin() + 166, b.end()), (Bytes{1, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));

  const Bytes full = out.TakeBuffer();
  CPolynome q;
  q.m_points = {{7, 7, 7}};
  CArchive in(full);
  q.Serialize(in);
  EXPECT_TRUE(q == p);
  EXPECT_EQ(q.m_extra, 0);  // not stored
  EXPECT_EQ(in.Remaining(), 0u);

  for (size_t n = 0; n < full.size(); ++n) {
    CArchive cut(Bytes(full.begin(), full.begin() + ptrdiff_t(n)));
    EXPECT_THROW(q.Serialize(cut), CArchiveException) << n;
  }
  Bytes hostile(200, 0);
  hostile[3] = 0x80;  // 2^31 points
  CArchive h(hostile);
  EXPECT_THROW(q.Serialize(h), CArchiveException);
}

}  // namespace
}  // namespace tessel
