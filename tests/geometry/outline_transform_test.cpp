#include "geometry/outline_transform.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/envelope.h"

namespace tessel {
namespace {

TEST(AffineTransform, QuarterTurnsAreExactAndCounterClockwiseOnScreen) {
  const CAffine quarter = CAffine::Rotation(90, {10, 20});
  const CPointD above = quarter.Apply({10, 15});  // 5 above the centre goes to its left
  EXPECT_EQ(above.x, 5);
  EXPECT_EQ(above.y, 20);
  const CAffine back = CAffine::Rotation(-270, {10, 20});
  EXPECT_EQ(back.a, quarter.a);
  EXPECT_EQ(back.b, quarter.b);
  CAffine inverse;
  ASSERT_TRUE(quarter.Inverse(&inverse));
  const CPointD p = quarter.Then(inverse).Apply({3.25, -7.5});
  EXPECT_NEAR(p.x, 3.25, 1e-12);
  EXPECT_NEAR(p.y, -7.5, 1e-12);
}

TEST(AffineTransform, SkewMovesTheEdgesByTheirOffsets) {
  const CRect box{10, 20, 110, 70};
  const CAffine s = CAffine::Skew(box, 8, -4, -2, 6);
  const CPointD topMid = s.Apply({60, 20}), bottomMid = s.Apply({60, 70});
  EXPECT_DOUBLE_EQ(topMid.x, 68);
  EXPECT_DOUBLE_EQ(bottomMid.x, 58);
  const CPointD leftMid = s.Apply({10, 45}), rightMid = s.Apply({110, 45});
  EXPECT_DOUBLE_EQ(leftMid.y, 51);
  EXPECT_DOUBLE_EQ(rightMid.y, 41);
  CAffine inverse;
  EXPECT_FALSE(CAffine::Skew({0, 0, 10, 10}, 0, 10, 10, 0).Inverse(&inverse));  // squashed flat
}

TEST(OutlineTransform, RectangleQuarterTurnSwapsTheBounds) {
  CBezier path;
  path.MakeRectangle();
  const CRect box{12, 22, 113, 72};  // 101 x 50, centre (62.5, 47)
  const CRect r = TransformBezier(path, box, CAffine::Rotation(90, {62.5, 47}));
  EXPECT_EQ(r.Width(), 50);
  EXPECT_EQ(r.Height(), 101);
  EXPECT_EQ(r.left, 38);
  EXPECT_EQ(r.top, -4);  // -3.5 goes to the even neighbour
  // The top-left corner went to the bottom-left.
  EXPECT_NEAR(path.m_points[0].x, 0, 1e-12);
  EXPECT_NEAR(path.m_points[0].y, 1, 1e-12);
}

TEST(OutlineTransform, FourQuarterTurnsGiveTheSamePoints) {
  CBezier path;
  path.MakeEllipse();
  const CBezier original = path;
  CRect box{0, 0, 80, 40};
  for (int i = 0; i < 4; ++i) {
    const CPointD centre{(box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0};
    box = TransformBezier(path, box, CAffine::Rotation(90, centre));
  }
  EXPECT_EQ(box, (CRect{0, 0, 80, 40}));
  for (int i = 0; i < path.Count(); ++i) {
    EXPECT_NEAR(path.m_points[size_t(i)].x, original.m_points[size_t(i)].x, 1e-9);
    EXPECT_NEAR(path.m_points[size_t(i)].y, original.m_points[size_t(i)].y, 1e-9);
  }
}

TEST(OutlineTransform, TurnedCircleBoundsFollowTheCurveNotItsControls) {
  CBezier path;
  path.MakeEllipse();
  const CRect r = TransformBezier(path, {0, 0, 200, 200}, CAffine::Rotation(45, {100, 100}));
  EXPECT_NEAR(r.Width(), 200, 1);  // a circle stays 200 wide
  EXPECT_NEAR(r.Height(), 200, 1);
}

TEST(OutlineTransform, PolynomeKeepsFlagsAndEmptyOutlinesStay) {
  CPolynome poly;
  poly.m_points = {{0, 0, kPolyIsland}, {1000, 0, 0}, {1000, 500, kPolyCurve}, {500, 1000, 0},
                   {0, 1000, 0}, {200, 200, kPolyIsland}, {400, 200, 0}, {300, 400, 0}};
  const CRect r = TransformPolynome(poly, {0, 0, 100, 50}, CAffine::Rotation(-90, {50, 25}));
  EXPECT_EQ(r, (CRect{25, -25, 75, 75}));
  const uint8_t flags[] = {kPolyIsland, 0, kPolyCurve, 0, 0, kPolyIsland, 0, 0};
  for (size_t i = 0; i < poly.m_points.size(); ++i) EXPECT_EQ(poly.m_points[i].flag, flags[i]);
  // Turned clockwise: the top-left corner is now the top-right one.
  EXPECT_NEAR(poly.m_points[0].x, 1000, 1e-9);
  EXPECT_NEAR(poly.m_points[0].y, 0, 1e-9);

  CPolynome empty;
  EXPECT_EQ(TransformPolynome(empty, {1, 2, 3, 4}, CAffine()), (CRect{1, 2, 3, 4}));
  CBezier none;
  EXPECT_EQ(TransformBezier(none, {1, 2, 3, 4}, CAffine()), (CRect{1, 2, 3, 4}));
}

TEST(OutlineTransform, FlatBoxesDoNotBreak) {
  CBezier line;
  line.m_closed = 0;
  for (int i = 0; i < 4; ++i) line.AddPoint(0.5, i / 3.0);
  const CRect r = TransformBezier(line, {5, 0, 6, 30}, CAffine::Rotation(90, {5.5, 15}));
  EXPECT_EQ(r.Height(), 0);
  EXPECT_EQ(r.Width(), 30);
  for (const auto& p : line.m_points) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
}

TEST(OutlineTransform, BakedEnvelopeDrawsTheSameOutline) {
  CPolynome poly;
  poly.m_points = {{0, 0, kPolyIsland}, {1000, 250, 0}, {600, 1000, 0}};
  SetEnvelopeHandle(poly.m_envelope, 1, {1100, -50});
  SetEnvelopeHandle(poly.m_envelope, 6, {500, 1200});
  const CPolynome before = poly;
  BakeEnvelope(poly);
  EXPECT_TRUE(IsIdentityEnvelope(poly.m_envelope));
  for (size_t i = 0; i < poly.m_points.size(); ++i) {
    const CPointD drawn = ApplyEnvelope(before.m_envelope, {before.m_points[i].x, before.m_points[i].y});
    EXPECT_DOUBLE_EQ(poly.m_points[i].x, drawn.x);
    EXPECT_DOUBLE_EQ(poly.m_points[i].y, drawn.y);
  }
}

TEST(OutlineTransform, MirrorTwiceIsIdentityAndMirrorsTheEnvelope) {
  CBezier path;
  path.MakeRectangle();
  path.AddPoint(0.75, 0.625);
  const CBezier original = path;
  MirrorBezier(path, true);
  EXPECT_EQ(path.m_points[12].x, 0.25);
  MirrorBezier(path, true);
  EXPECT_EQ(path, original);

  for (bool horizontal : {true, false}) {
    CPolynome poly;
    poly.m_points = {{0, 0, kPolyIsland}, {1000, 250, 0}, {600, 1000, 0}};
    SetEnvelopeHandle(poly.m_envelope, 0, {-100, 30});
    SetEnvelopeHandle(poly.m_envelope, 5, {1150, 480});
    const CPolynome before = poly;
    MirrorPolynome(poly, horizontal);
    auto mirror = [horizontal](CPointD p) {
      return horizontal ? CPointD{1000 - p.x, p.y} : CPointD{p.x, 1000 - p.y};
    };
    // Each drawn point lands where the old drawn point is mirrored to.
    for (size_t i = 0; i < poly.m_points.size(); ++i) {
      const CPointD now = ApplyEnvelope(poly.m_envelope, {poly.m_points[i].x, poly.m_points[i].y});
      const CPointD was = mirror(ApplyEnvelope(before.m_envelope, {before.m_points[i].x, before.m_points[i].y}));
      EXPECT_NEAR(now.x, was.x, 1e-9);
      EXPECT_NEAR(now.y, was.y, 1e-9);
    }
    MirrorPolynome(poly, horizontal);
    EXPECT_EQ(poly, before);
  }
}

}  // namespace
}  // namespace tessel
