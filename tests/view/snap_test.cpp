#include <gtest/gtest.h>

#include "base/app_context.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_test_host.h"

namespace tessel {
namespace {

class Snap : public ::testing::Test {
 protected:
  Snap() : view(doc, host) {
    doc.m_width = 400, doc.m_height = 300;
    doc.m_snapToGuides = 0;
  }
  CAppContext app;
  CVellumDoc doc;
  test::RecordingViewHost host;
  CVellumView view;
};

TEST_F(Snap, CanvasEdgesCatchPointsStrictlyWithinFour) {
  EXPECT_EQ(view.SnapPoint({3, -3}, false), (CPoint{0, 0}));
  EXPECT_EQ(view.SnapPoint({4, -4}, false), (CPoint{4, -4}));
  EXPECT_EQ(view.SnapPoint({403, 297}, true), (CPoint{400, 300}));
  EXPECT_EQ(view.SnapPoint({404, 296}, true), (CPoint{404, 296}));
  EXPECT_EQ(view.SnapPoint({403, 2}, false), (CPoint{403, 0}));  // a start point ignores the far edges
  EXPECT_EQ(view.SnapPoint({2, 2}, true), (CPoint{2, 2}));
}

TEST_F(Snap, GridRoundsWithDivisionTruncatingTowardZero) {
  EXPECT_EQ(view.SnapPoint({29, 30}, false), (CPoint{29, 30}));  // grid off
  view.m_snapToGrid = true;
  doc.m_gridDistance = 20;
  EXPECT_EQ(view.SnapPoint({29, 30}, false), (CPoint{20, 40}));
  EXPECT_EQ(view.SnapPoint({-15, -35}, true), (CPoint{0, -20}));
  doc.m_gridDistance = 0;  // no grid to snap to
  EXPECT_EQ(view.SnapPoint({29, 30}, false), (CPoint{29, 30}));
}

TEST_F(Snap, GuidelinesCatchPointsStrictlyWithinTenInArrayOrder) {
  doc.m_guidesV = {100, 105};
  doc.m_guidesH = {200};
  EXPECT_EQ(view.SnapPoint({109, 210}, false), (CPoint{109, 210}));  // snapping to guides off
  doc.m_snapToGuides = 1;
  EXPECT_EQ(view.SnapPoint({103, 191}, false), (CPoint{100, 200}));
  EXPECT_EQ(view.SnapPoint({91, 210}, false), (CPoint{100, 210}));
  EXPECT_EQ(view.SnapPoint({114, 190}, false), (CPoint{105, 190}));
  EXPECT_EQ(view.SnapPoint({115, 189}, false), (CPoint{115, 189}));
}

TEST_F(Snap, AnOffsetAndSpanSnapTheLeadingOrTrailingEdge) {
  doc.m_guidesV = {100};
  doc.m_guidesH = {50};
  EXPECT_EQ(view.SnapToGuidelineX(85, 10, 30), 90);  // leading edge 95 goes to 100
  EXPECT_EQ(view.SnapToGuidelineX(75, 10, 30), 80);  // trailing edge 95 goes to 100
  EXPECT_EQ(view.SnapToGuidelineX(65, 10, 30), 65);
  EXPECT_EQ(view.SnapToGuidelineX(85, 10, 0), 90);
  EXPECT_EQ(view.SnapToGuidelineX(75, 10, 0), 75);   // no span: no trailing edge
  EXPECT_EQ(view.SnapToGuidelineY(45, 0, 0), 50);
  EXPECT_EQ(view.SnapToGuidelineY(26, 5, 20), 35);   // trailing edge 41 goes to 50
  EXPECT_EQ(view.SnapToGuidelineY(25, 5, 20), 25);   // 30 and 40 are too far
}

}  // namespace
}  // namespace tessel
