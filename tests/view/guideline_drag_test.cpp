#include <gtest/gtest.h>

#include "base/app_context.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_test_host.h"

namespace tessel {

// Presses as the select tool does on a guideline.
struct ViewCoreTestAccess {
  static bool StartGuideDrag(CVellumView& view, CPoint doc) { return view.StartGuideDrag(doc); }
};

namespace {

class GuideDrag : public ::testing::Test {
 protected:
  GuideDrag() : view(doc, host) {
    doc.m_width = 400, doc.m_height = 300;
    doc.m_guidesV = {100, 102, 300};
    doc.m_guidesH = {50};
    view.OnSize(host.client);  // 800 x 600: the canvas is centred at (200, 150)
    view.OnInitialUpdate();
  }
  CPoint Window(int x, int y) const { return view.DocumentToWindow(CPoint{x, y}); }

  CAppContext app;
  CVellumDoc doc;
  test::RecordingViewHost host;
  CVellumView view;
};

TEST_F(GuideDrag, APressStrictlyWithinThreeGrabsTheFirstGuidelineVerticalFirst) {
  EXPECT_FALSE(ViewCoreTestAccess::StartGuideDrag(view, {97, 10}));
  EXPECT_EQ(view.Tool(), kToolSelect);
  EXPECT_TRUE(ViewCoreTestAccess::StartGuideDrag(view, {101, 51}));
  EXPECT_EQ(view.Tool(), kToolGuideV);
  EXPECT_TRUE(view.Dragging());
  EXPECT_TRUE(host.captured);
  view.OnMouseMove(Window(150, 60), {});
  EXPECT_EQ(doc.m_guidesV, (std::vector<int32_t>{150, 102, 300}));  // the first of 100 and 102
  EXPECT_EQ(host.cursor, ViewCursor::kConstrainedMove);
  const ViewPaint& p = view.Paint({0, 0, 800, 600});
  int red = 0;
  for (const OverlayItem& item : p.overlays)
    if (item.kind == OverlayKind::kLine && item.color == kGuideRed && item.invert) ++red;
  EXPECT_EQ(red, 1);
  view.OnLButtonUp(Window(153, 60), {});
  EXPECT_EQ(doc.m_guidesV, (std::vector<int32_t>{153, 102, 300}));
  EXPECT_EQ(view.Tool(), kToolSelect);
  EXPECT_FALSE(host.captured);
  EXPECT_TRUE(ViewCoreTestAccess::StartGuideDrag(view, {10, 48}));
  EXPECT_EQ(view.Tool(), kToolGuideH);
  view.OnMouseMove(Window(10, 77), {});
  EXPECT_EQ(doc.m_guidesH, (std::vector<int32_t>{77}));
}

TEST_F(GuideDrag, AGuidelineDroppedOutsideTheWindowIsRemoved) {
  ASSERT_TRUE(ViewCoreTestAccess::StartGuideDrag(view, {300, 0}));
  view.OnMouseMove({-10, 100}, {});
  view.OnLButtonUp({-10, 100}, {});
  EXPECT_EQ(doc.m_guidesV, (std::vector<int32_t>{100, 102}));
  ASSERT_TRUE(ViewCoreTestAccess::StartGuideDrag(view, {0, 50}));
  view.OnLButtonUp({100, 600}, {});  // the bottom edge is outside
  EXPECT_TRUE(doc.m_guidesH.empty());
  EXPECT_EQ(view.Tool(), kToolSelect);
}

}  // namespace
}  // namespace tessel
