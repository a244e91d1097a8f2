#include "geometry/bezier.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "base/archive.h"

namespace tessel {
namespace {

using Bytes = std::vector<uint8_t>;

void ExpectPoints(const CBezier& b, const std::vector<CPointD>& expected) {
  EXPECT_EQ(b.m_closed, 1);
  ASSERT_EQ(b.Count(), int(expected.size()));
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_DOUBLE_EQ(b.m_points[i].x, expected[i].x) << "point " << i;
    EXPECT_DOUBLE_EQ(b.m_points[i].y, expected[i].y) << "point " << i;
    EXPECT_EQ(b.m_points[i].type, 0) << "point " << i;
  }
}

CBezier Path(bool closed, const std::vector<CPointD>& pts) {
  CBezier b;
  b.m_closed = closed;
  for (const auto& p : pts) b.AddPoint(p.x, p.y);
  return b;
}

TEST(BezierShapes, RectangleEllipseAndRoundRect) {
  CBezier b = Path(false, {{0.3, 0.3}});
  b.MakeRectangle();
  ExpectPoints(b, {{0, 0}, {0, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 1}, {1, 1}, {1, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 0}});

  const double a = 0.2238576250846, c = 0.7761423749154;
  b.MakeEllipse();
  ExpectPoints(b, {{0, 0.5}, {0, a}, {a, 0}, {0.5, 0}, {c, 0}, {1, a}, {1, 0.5}, {1, c}, {c, 1}, {0.5, 1}, {a, 1}, {0, c}});

  // 200 x 100 with r = 0.2: v = 0.4; the controls are r and v times 0.2761423749154.
  const double cr = 0.05522847498308, cv = 0.11045694996616;
  b.MakeRoundRect(0.2, 200, 100);
  ExpectPoints(b, {{0, 0.4}, {0, cv},     {cr, 0},     {0.2, 0}, {0.5, 0},    {0.5, 0},   {0.8, 0}, {1 - cr, 0},
                   {1, cv},  {1, 0.4},    {1, 0.5},    {1, 0.5}, {1, 0.6},    {1, 1 - cv}, {1 - cr, 1}, {0.8, 1},
                   {0.5, 1}, {0.5, 1},    {0.2, 1},    {cr, 1},  {0, 1 - cv}, {0, 0.6},   {0, 0.5}, {0, 0.5}});
  // r = 0.4: v would be 0.8 and is clamped to 0.5, so cv = 0.5 k.
  b.MakeRoundRect(0.4, 200, 100);
  EXPECT_DOUBLE_EQ(b.m_points[0].y, 0.5);
  EXPECT_DOUBLE_EQ(b.m_points[1].y, 0.1380711874577);
  EXPECT_DOUBLE_EQ(b.m_points[2].x, 0.11045694996616);
  EXPECT_DOUBLE_EQ(b.m_points[3].x, 0.4);
  // r above 0.5 is clamped too; a zero height counts as one pixel.
  b.MakeRoundRect(0.75, 100, 0);
  EXPECT_DOUBLE_EQ(b.m_points[3].x, 0.5);
  EXPECT_DOUBLE_EQ(b.m_points[12].y, 0.5);
}

TEST(BezierShapes, StarOfStraightSegments) {
  CBezier b;
  b.MakeStar(5, 1);
  ASSERT_EQ(b.Count(), 30);
  EXPECT_EQ(b.m_closed, 1);
  for (int i = 0; i < 30; i += 3) {
    // Depth 1: inner anchors on the outer circle. Controls sit on the end points.
    EXPECT_NEAR(std::hypot(b.m_points[i].x - 0.5, b.m_points[i].y - 0.5), 0.5, 1e-12) << i;
    EXPECT_EQ(b.m_points[i + 1], b.m_points[i]);
    EXPECT_EQ(b.m_points[i + 2], b.m_points[(i + 3) % 30]);
  }
  // Starts at the right-hand middle; angles grow clockwise on screen (y down).
  const double step = 3.14159265358979323846 / 5;
  EXPECT_EQ(b.m_points[0], (CBezierPoint{1.0, 0.5, 0}));
  EXPECT_DOUBLE_EQ(b.m_points[3].x, std::cos(step) * 0.5 + 0.5);
  EXPECT_DOUBLE_EQ(b.m_points[3].y, std::sin(step) * 0.5 + 0.5);
  EXPECT_DOUBLE_EQ(b.m_points[6].y, std::sin(2 * step) * 0.5 + 0.5);

  b.MakeStar(4, 2);  // depth 2 halves the inner radius
  EXPECT_NEAR(std::hypot(b.m_points[3].x - 0.5, b.m_points[3].y - 0.5), 0.25, 1e-12);
  CBezier low, raised;  // n and d are raised to 3 and 1
  low.MakeStar(2, 0.25);
  raised.MakeStar(3, 1);
  EXPECT_EQ(low.Count(), 18);
  EXPECT_TRUE(low == raised);
}

TEST(Bezier, OpenCloseAndNavigation) {
  CBezier b;
  b.MakeRectangle();
  const CBezier rect = b;
  EXPECT_EQ(b.Next(11), 0);
  EXPECT_EQ(b.Prev(0), 11);
  b.Open();
  ASSERT_EQ(b.Count(), 13);
  EXPECT_EQ(b.m_closed, 0);
  EXPECT_EQ(b.m_points[12], (CBezierPoint{0, 0, 0}));
  EXPECT_EQ(b.Next(12), CBezier::kNone);
  EXPECT_EQ(b.Prev(0), CBezier::kNone);
  EXPECT_EQ(b.Next(11), 12);
  EXPECT_EQ(b.SegmentCount(), 4);
  b.Open();  // already open
  EXPECT_EQ(b.Count(), 13);
  b.Close();
  EXPECT_TRUE(b == rect);
  b.Close();  // already closed
  EXPECT_EQ(b.Count(), 12);

  b.AddPoint(0.5, 0.5);  // a dangling point belongs to no segment
  EXPECT_EQ(b.UsedPointCount(), 12);
  b.m_closed = 0;
  EXPECT_EQ(b.UsedPointCount(), 13);
  EXPECT_TRUE(CBezier::IsAnchor(9));
  EXPECT_FALSE(CBezier::IsAnchor(4));
  EXPECT_FALSE(CBezier::IsAnchor(-3));
}

TEST(Bezier, PixelMappingNormalizeAndBounds) {
  EXPECT_EQ(CBezier::MapToPixel(0.004, 100, 0), 0);
  EXPECT_EQ(CBezier::MapToPixel(0.005, 100, 7), 8);
  EXPECT_EQ(CBezier::MapToPixel(-0.014, 100, 0), 0);  // -0.9 truncates toward zero
  EXPECT_EQ(CBezier::MapToPixel(-0.016, 100, 0), -1);
  EXPECT_EQ(CBezier::MapToPixel(0.6, 0, 5), 6);  // size raised to 1

  CBezier b;
  b.MakeRectangle();
  const CBezier rect = b;
  EXPECT_EQ(b.NormalizeToBox(0, 0, 100, 50), (CRect{0, 0, 100, 50}));
  EXPECT_TRUE(b == rect);
  EXPECT_EQ(CBezier().NormalizeToBox(5, 6, 100, 50), (CRect{5, 6, 105, 56}));

  // Anchors at x 0.25..0.75, y 0.2..0.6 of a 100 x 50 box at (10, 20); the controls
  // above them end up outside the unit square.
  b = Path(false, {{0.25, 0.6}, {0.5, 0.0}, {0.5, 0.0}, {0.75, 0.2}});
  EXPECT_EQ(b.NormalizeToBox(10, 20, 100, 50), (CRect{35, 30, 85, 50}));
  const CPointD after[] = {{0, 1}, {0.5, -0.5}, {0.5, -0.5}, {1, 0}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_DOUBLE_EQ(b.m_points[size_t(i)].x, after[i].x);
    EXPECT_DOUBLE_EQ(b.m_points[size_t(i)].y, after[i].y);
  }

  b.MakeEllipse();
  EXPECT_EQ(b.GetBounds(10, 20, 200, 100), (CRect{10, 20, 210, 120}));
  // An arch whose controls reach y = 0 but whose curve only rises to 0.25.
  EXPECT_EQ(Path(false, {{0, 1}, {0, 0}, {1, 0}, {1, 1}}).GetBounds(0, 0, 100, 100), (CRect{0, 25, 100, 100}));
  // The closing segment of a closed path counts: it swings out to x = 0.75.
  EXPECT_EQ(Path(true, {{0, 0.5}, {1, 0}, {1, 1}}).GetBounds(0, 0, 100, 100).right, 75);
  // Paths too short for a whole segment are bounded by their first anchor.
  for (bool closed : {false, true}) {
    EXPECT_EQ(Path(closed, {{0.5, 0.25}}).GetBounds(0, 0, 100, 100), (CRect{50, 25, 50, 25}));
    EXPECT_EQ(Path(closed, {{0.5, 0.25}, {0.9, 0.9}}).GetBounds(0, 0, 100, 100), (CRect{50, 25, 50, 25}));
  }
  EXPECT_EQ(CBezier().GetBounds(3, 4, 10, 10), (CRect{3, 4, 3, 4}));
}

TEST(Bezier, SerializeLayoutAndRoundTrip) {
  CBezier b = Path(false, {});
  b.m_width = 3;
  b.m_points.push_back({0.5, 0.25, 7});
  CArchive out;
  b.Serialize(out);
  Bytes expected = {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xE0, 0x3F, 0, 0, 0, 0, 0, 0, 0xD0, 0x3F,
                    7, 0, 0, 0, 3, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(out.Buffer(), expected);
  expected[32] = 0x12;  // the end marker is read without being checked
  CArchive odd(expected);
  CBezier y;
  y.Serialize(odd);
  EXPECT_TRUE(y == b);

  CBezier star;
  star.MakeStar(7, 2.5);
  star.m_width = 12;
  CArchive out2;
  star.Serialize(out2);
  const Bytes full = out2.TakeBuffer();
  CBezier loaded;
  loaded.MakeRectangle();  // old points are replaced
  CArchive in(full);
  loaded.Serialize(in);
  EXPECT_TRUE(loaded == star);
  EXPECT_EQ(in.Remaining(), 0u);
  for (size_t n = 0; n < full.size(); ++n) {
    CArchive cut(Bytes(full.begin(), full.begin() + ptrdiff_t(n)));
    EXPECT_THROW(loaded.Serialize(cut), CArchiveException) << n;
  }
  // A count of 2^31 is refused before anything is allocated.
  CArchive hostile(Bytes{1, 0, 0, 0, 0, 0, 0, 0x80, 2, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF});
  EXPECT_THROW(loaded.Serialize(hostile), CArchiveException);
}

}  // namespace
}  // namespace tessel
