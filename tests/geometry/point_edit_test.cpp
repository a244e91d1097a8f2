// Point editing of paths and polynomes: finding, moving, re-aligning, inserting and
// deleting points.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/bezier.h"
#include "geometry/path_contours.h"
#include "geometry/path_point_edit.h"
#include "geometry/polynome_point_edit.h"
#include "geometry/segment_edit.h"

namespace tessel {
namespace {

const CRect kBox{100, 50, 300, 150};  // 200 by 100 pixels

// Pixel samples of every segment of the path.
std::vector<CPointD> SamplePath(const CBezier& path, const CRect& box, int perSegment) {
  std::vector<CPointD> out;
  for (int s = 0; s < path.SegmentCount(); ++s) {
    CubicSegment c;
    for (int k = 0; k < 4; ++k) c.p[k] = PathPointAt(path, box, (3 * s + k) % path.Count());
    for (int i = 0; i <= perSegment; ++i) out.push_back(c.At(double(i) / perSegment));
  }
  return out;
}

// The largest distance from a sample of a to the curve of b.
double Deviation(const CBezier& a, const CBezier& b) {
  double worst = 0;
  for (const CPointD& p : SamplePath(a, kBox, 50)) {
    double best = 1e300;
    for (int s = 0; s < b.SegmentCount(); ++s) {
      CubicSegment c;
      for (int k = 0; k < 4; ++k) c.p[k] = PathPointAt(b, kBox, (3 * s + k) % b.Count());
      double d = 0;
      NearestOnCubic(c, p, &d);
      best = std::min(best, d);
    }
    worst = std::max(worst, best);
  }
  return worst;
}

double Cross(CPointD a, CPointD o, CPointD b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }
double Dist(CPointD a, CPointD b) { return std::hypot(a.x - b.x, a.y - b.y); }

TEST(PathPointEdit, FindUsesPixelToleranceAndPrefersControlsWithHandles) {
  CBezier rect;
  rect.MakeRectangle();
  // (0,0) is the anchor 0 and, on it, the controls 1 and 11.
  EXPECT_EQ(FindPathPoint(rect, kBox, {103, 53}, 4, false), 0);
  EXPECT_EQ(FindPathPoint(rect, kBox, {105, 50}, 4, false), -1);
  const int control = FindPathPoint(rect, kBox, {101, 50}, 4, true);
  EXPECT_TRUE(control == 1 || control == 11) << control;
  // Far from every control, handles still find the anchor.
  CBezier ellipse;
  ellipse.MakeEllipse();
  EXPECT_EQ(FindPathPoint(ellipse, kBox, {200, 50}, 2, true), 3);
}

TEST(PathPointEdit, MovingAnAnchorCarriesBothControls) {
  CBezier e;
  e.MakeEllipse();
  const CBezier before = e;
  MovePathPoint(e, kBox, 0, 20, -10);  // 0.1 and -0.1 of the box
  for (int i : {11, 0, 1}) {
    EXPECT_DOUBLE_EQ(e.m_points[size_t(i)].x, before.m_points[size_t(i)].x + 0.1);
    EXPECT_DOUBLE_EQ(e.m_points[size_t(i)].y, before.m_points[size_t(i)].y - 0.1);
  }
  EXPECT_EQ(e.m_points[2], before.m_points[2]);
  MovePathPoint(e, kBox, 2, 20, 0);  // a control moves alone
  EXPECT_DOUBLE_EQ(e.m_points[2].x, before.m_points[2].x + 0.1);
  EXPECT_EQ(e.m_points[3], before.m_points[3]);
}

TEST(PathPointEdit, RealignMakesHandlesCollinearKeepingTheirLengths) {
  CBezier e;
  e.MakeEllipse();
  MovePathPoint(e, kBox, 4, 0, 30);  // bend the outgoing control of anchor 3
  const CPointD a = PathPointAt(e, kBox, 3);
  const double inLength = Dist(PathPointAt(e, kBox, 2), a), outLength = Dist(PathPointAt(e, kBox, 4), a);
  const CPointD outBefore = PathPointAt(e, kBox, 4);
  RealignPathHandles(e, kBox, 4);
  const CPointD in = PathPointAt(e, kBox, 2), out = PathPointAt(e, kBox, 4);
  EXPECT_NEAR(Cross(in, a, out), 0, 1e-6);
  EXPECT_LT((in.x - a.x) * (out.x - a.x) + (in.y - a.y) * (out.y - a.y), 0);  // opposite sides
  EXPECT_NEAR(Dist(in, a), inLength, 1e-9);
  EXPECT_NEAR(Dist(out, a), outLength, 1e-9);
  EXPECT_NEAR(out.x, outBefore.x, 1e-9);  // the dragged control keeps its place
  EXPECT_NEAR(out.y, outBefore.y, 1e-9);

  // Re-aligning around the anchor turns both to their mean direction.
  MovePathPoint(e, kBox, 2, 0, -25);
  RealignPathHandles(e, kBox, 3);
  EXPECT_NEAR(Cross(PathPointAt(e, kBox, 2), a, PathPointAt(e, kBox, 4)), 0, 1e-6);

  // A corner whose controls lie on it stays a corner.
  CBezier rect;
  rect.MakeRectangle();
  const CBezier corner = rect;
  RealignPathHandles(rect, kBox, 3);
  EXPECT_EQ(rect, corner);
}

TEST(PathPointEdit, InsertionSplitsTheNearestSegmentWithoutChangingTheCurve) {
  CBezier e;
  e.MakeEllipse();
  const CBezier before = e;
  // A point on the lower right quarter of the ellipse (200, 100) +- (100, 50).
  const CPointD on{200 + 100 * std::cos(0.6), 100 + 50 * std::sin(0.6)};
  const int index = InsertPathPoint(e, kBox, on, 2);
  EXPECT_EQ(index, 9);  // after the anchor at the right middle (6)
  EXPECT_EQ(e.Count(), 15);
  EXPECT_LT(Dist(PathPointAt(e, kBox, index), on), 1.0);
  EXPECT_LT(Deviation(e, before), 1e-6);
  EXPECT_LT(Deviation(before, e), 1e-6);
  EXPECT_EQ(InsertPathPoint(e, kBox, {200, 100}, 2), -1);  // the centre is far from the outline
  EXPECT_EQ(e.Count(), 15);
}

TEST(PathPointEdit, InsertionOnTheClosingSegmentAppends) {
  CBezier e;
  e.MakeEllipse();
  const CBezier before = e;
  const CPointD on{200 + 100 * std::cos(2.5), 100 + 50 * std::sin(2.5)};  // lower left quarter
  EXPECT_EQ(InsertPathPoint(e, kBox, on, 2), 12);
  EXPECT_EQ(e.m_points[0], before.m_points[0]);
  EXPECT_LT(Deviation(e, before), 1e-6);
}

TEST(PathPointEdit, DeletionMergesSegmentsAndKeepsTwoAnchors) {
  CBezier e;
  e.MakeEllipse();
  const CBezier before = e;
  ASSERT_TRUE(DeletePathPoint(e, 0));
  ASSERT_EQ(e.Count(), 9);
  EXPECT_EQ(e.m_points[0], before.m_points[3]);
  EXPECT_EQ(e.m_points[7], before.m_points[10]);  // the outer controls stay
  EXPECT_EQ(e.m_points[8], before.m_points[2]);
  ASSERT_TRUE(DeletePathPoint(e, 4));              // a control deletes its anchor (3)
  EXPECT_EQ(e.Count(), 6);
  EXPECT_FALSE(DeletePathPoint(e, 0));             // two anchors are the least
  EXPECT_EQ(e.Count(), 6);

  CBezier open;
  open.m_closed = 0;
  for (int i = 0; i < 7; ++i) open.AddPoint(i / 6.0, 0);
  ASSERT_TRUE(DeletePathPoint(open, 6));  // the end anchor with its incoming controls
  EXPECT_EQ(open.Count(), 4);
  EXPECT_DOUBLE_EQ(open.m_points[3].x, 0.5);
  EXPECT_FALSE(DeletePathPoint(open, 0));
}

// A closed square of straight lines in thousandths.
CPolynome Square() {
  CPolynome p;
  p.m_points = {{0, 0, kPolyIsland}, {1000, 0, 0}, {1000, 1000, 0}, {0, 1000, 0}};
  return p;
}

TEST(PolynomePointEdit, ControlsAnchorsAndTheClosingPointOfAConvertedPath) {
  CBezier e;
  e.MakeEllipse();
  CPolynome poly = PathToContours(e);  // 13 points: the start repeated at the end
  ASSERT_EQ(poly.m_points.size(), 13u);
  EXPECT_FALSE(IsPolyControl(poly, 0));
  EXPECT_TRUE(IsPolyControl(poly, 1));
  EXPECT_TRUE(IsPolyControl(poly, 2));
  EXPECT_EQ(FindPolyPoint(poly, kBox, {100, 100}, 2, false), 0);
  EXPECT_EQ(FindPolyPoint(poly, kBox, {100, 100}, 2, true), 0);  // no control near
  MovePolyPoint(poly, kBox, 0, 10, 0);  // the start takes the repeated end along
  EXPECT_DOUBLE_EQ(poly.m_points[12].x, 50);
  EXPECT_DOUBLE_EQ(poly.m_points[11].x, 50);  // and the end's incoming control
  EXPECT_DOUBLE_EQ(poly.m_points[1].x, 50);
}

TEST(PolynomePointEdit, InsertionOnLinesCurvesAndIslands) {
  CPolynome sq = Square();
  // The closing line from (0, 1000) back to (0, 0): the point goes at the end.
  EXPECT_EQ(InsertPolyPoint(sq, kBox, {101, 100}, 2, false), 4);
  EXPECT_DOUBLE_EQ(sq.m_points[4].x, 0);
  EXPECT_DOUBLE_EQ(sq.m_points[4].y, 500);
  EXPECT_EQ(InsertPolyPoint(sq, kBox, {200, 100}, 2, false), -1);
  EXPECT_EQ(InsertPolyPoint(sq, kBox, {200, 100}, 2, true), 5);  // a detached island
  EXPECT_EQ(sq.m_points[5].flag, kPolyIsland);

  CBezier e;
  e.MakeEllipse();
  CPolynome poly = PathToContours(e);
  const CPointD on{200 + 100 * std::cos(0.6), 100 + 50 * std::sin(0.6)};
  const int index = InsertPolyPoint(poly, kBox, on, 2, false);
  EXPECT_EQ(index, 9);  // between the right middle (6) and the bottom middle
  EXPECT_EQ(poly.m_points.size(), 16u);
  EXPECT_LT(Dist(PolyPointAt(poly, kBox, index), on), 1.0);
  EXPECT_TRUE(IsPolyControl(poly, 10));
  EXPECT_TRUE(IsPolyControl(poly, 11));
  EXPECT_FALSE(IsPolyControl(poly, 12));
}

TEST(PolynomePointEdit, DeletionKeepsContoursWhole) {
  CPolynome sq = Square();
  ASSERT_TRUE(DeletePolyPoint(sq, 0));  // the next point starts the contour
  ASSERT_EQ(sq.m_points.size(), 3u);
  EXPECT_EQ(sq.m_points[0].flag, kPolyIsland);
  EXPECT_DOUBLE_EQ(sq.m_points[0].x, 1000);
  ASSERT_TRUE(DeletePolyPoint(sq, 2));
  EXPECT_FALSE(DeletePolyPoint(sq, 1));  // a contour keeps two anchors
  sq.m_points.push_back({500, 500, kPolyIsland});
  EXPECT_TRUE(DeletePolyPoint(sq, 2));  // a detached point goes
  EXPECT_EQ(sq.m_points.size(), 2u);

  CBezier e;
  e.MakeEllipse();
  CPolynome poly = PathToContours(e);
  ASSERT_TRUE(DeletePolyPoint(poly, 0));  // the start and its repeat at the end
  ASSERT_EQ(poly.m_points.size(), 10u);
  EXPECT_EQ(poly.m_points[0].flag, kPolyIsland);
  EXPECT_DOUBLE_EQ(poly.m_points[0].x, 500);  // the top middle starts now
  EXPECT_DOUBLE_EQ(poly.m_points[9].x, 500);  // and closes the contour
  EXPECT_DOUBLE_EQ(poly.m_points[9].y, 0);
}

}  // namespace
}  // namespace tessel
