#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "base/app_context.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_test_host.h"
#include "view/zoom_view.h"

namespace tessel {
namespace {

struct TestZoom : ZoomView {
  CSize client{800, 600};
  std::vector<int> outOfRange;
  int layouts = 0;
  CSize ClientSize() const override { return client; }
  void OnOutOfRange(int direction) override { outOfRange.push_back(direction); }
  void OnLayoutChanged() override { ++layouts; }
};

TEST(ZoomView, LimitsRefuseScalesOutsideThemAndTellTheDirection) {
  TestZoom z;
  z.SetLogicalSize({400, 300});
  z.SetZoomScale(50.0f);  // no limits yet
  EXPECT_EQ(z.Scale(), 50.0f);
  z.SetScaleLimits(0.02f, 22.0f);
  z.SetZoomScale(22.5f);
  z.SetZoomScale(0.01f);
  EXPECT_EQ(z.Scale(), 50.0f);
  EXPECT_EQ(z.outOfRange, (std::vector<int>{0, 1}));
  z.SetZoomScale(22.0f);
  EXPECT_EQ(z.Scale(), 22.0f);
  z.ZoomToPercent(1, nullptr);  // 0.01 is below the minimum
  EXPECT_EQ(z.Scale(), 22.0f);
  z.ZoomToPercent(150, nullptr);
  EXPECT_EQ(z.Scale(), 1.5f);
}

TEST(ZoomView, DeviceSizeTruncatesAndScrollStepsDerive) {
  TestZoom z;
  z.SetLogicalSize({401, 301});
  z.SetZoomScale(0.3f);
  EXPECT_EQ(z.DeviceSize(), (CSize{120, 90}));
  EXPECT_EQ(z.PageSize(), (CSize{12, 9}));
  EXPECT_EQ(z.LineSize(), (CSize{1, 0}));
  z.SetLogicalSize({1000, 1000}, {-50, 0}, {0, -7});
  EXPECT_EQ(z.PageSize(), (CSize{50, 30}));  // 1000 * 0.3 = 300 device pixels
  EXPECT_EQ(z.LineSize(), (CSize{5, 7}));
}

TEST(ZoomView, OperationsActOnlyInTheirMode) {
  TestZoom z;
  z.SetLogicalSize({400, 300});
  z.client = {200, 300};
  z.ZoomToFit();  // normal mode: no fitting
  EXPECT_EQ(z.Scale(), 1.0f);
  z.SetZoomMode(ZoomView::kModeFit);
  z.ZoomIn(nullptr, 2.0f);
  z.ZoomToPercent(300, nullptr);
  EXPECT_EQ(z.Scale(), 1.0f);
  z.ZoomToFit();
  EXPECT_EQ(z.Scale(), 0.5f);
}

TEST(ZoomView, MappingCentresASmallCanvasAndRoundsToNearest) {
  TestZoom z;
  z.SetLogicalSize({400, 300});
  EXPECT_EQ(z.ViewportOrigin(), (CPoint{200, 150}));
  EXPECT_EQ(z.WindowToDocument(CPoint{200, 150}), (CPoint{0, 0}));
  z.SetCenterFlag(false);
  EXPECT_EQ(z.ViewportOrigin(), (CPoint{0, 0}));
  z.SetCenterFlag(true);
  z.SetZoomScale(0.5f);  // device 200 x 150: origin (300, 225)
  EXPECT_EQ(z.DocumentToWindow(CPoint{5, 3}), (CPoint{303, 227}));  // 2.5 and 1.5 round up
  EXPECT_EQ(z.WindowToDocument(CPoint{303, 227}), (CPoint{6, 4}));
  z.SetZoomScale(3.0f);  // device 1200 x 900: scrolled so the old centre stays centred
  EXPECT_EQ(z.ScrollPosition(), (CPoint{200, 150}));
  for (CPoint p : {CPoint{0, 0}, CPoint{133, 77}, CPoint{399, 299}})
    EXPECT_EQ(z.WindowToDocument(z.DocumentToWindow(p)), p);
}

TEST(ZoomView, ZoomInKeepsTheGivenPointCentredWithinTheScrollRange) {
  TestZoom z;
  z.SetLogicalSize({400, 300});
  const CPoint p{300, 200};
  z.ZoomIn(&p, 4.0f);
  EXPECT_EQ(z.DocumentToWindow(p), (CPoint{400, 300}));
  const CPoint corner{0, 0};
  z.ZoomOut(&corner, 2.0f);  // the scroll position cannot go below 0
  EXPECT_EQ(z.Scale(), 2.0f);
  EXPECT_EQ(z.ScrollPosition(), (CPoint{0, 0}));
  z.ScrollTo({5000, -3});
  EXPECT_EQ(z.ScrollPosition(), (CPoint{0, 0}));  // device 800 x 600 fits the client
}

TEST(ZoomView, ZoomToRectangleTakesTheSmallerRatioThroughTheLimits) {
  TestZoom z;
  z.SetLogicalSize({1000, 1000});
  z.SetScaleLimits(0.02f, 22.0f);
  z.ZoomToRect({100, 100, 300, 200});
  EXPECT_EQ(z.Scale(), 801.0f / 200.0f);
  EXPECT_EQ(z.WindowToDocument(CPoint{400, 300}), (CPoint{200, 150}));
  z.ZoomToRect({0, 0, 20, 20});  // 30.05 is above the maximum
  EXPECT_EQ(z.Scale(), 801.0f / 200.0f);
  EXPECT_EQ(z.outOfRange, (std::vector<int>{0}));
}

class ViewZoom : public ::testing::Test {
 protected:
  ViewZoom() : view(doc, host) {
    doc.m_width = 1000, doc.m_height = 800;
    view.OnSize(host.client);
    view.OnInitialUpdate();
  }
  CAppContext app;
  CVellumDoc doc;
  test::RecordingViewHost host;
  CVellumView view;
};

TEST_F(ViewZoom, ComboIndicesMapToPercentsAndCustomIsActualSize) {
  const int expected[] = {10, 30, 50, 80, 100, 200, 300, 400, 600, 800};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(CVellumView::ZoomComboPercent(i), expected[i]);
  view.OnZoomCombo(5);
  EXPECT_EQ(view.Scale(), 2.0f);
  const int before = host.invalidateAll;
  view.OnZoomCombo(10);  // "Custom"
  EXPECT_EQ(view.Scale(), 1.0f);
  EXPECT_GT(host.invalidateAll, before);
  view.OnZoomCombo(-1);
  EXPECT_EQ(view.Scale(), 1.0f);
}

TEST_F(ViewZoom, ZoomToolDragZoomsOnlyWhenTwoPixelsEachWay) {
  view.SetTool(kToolZoom);
  const CPoint o = view.DocumentToWindow(CPoint{100, 100});
  view.OnLButtonDown(o, {});
  EXPECT_TRUE(host.captured);
  EXPECT_EQ(host.cursor, ViewCursor::kZoomDrag);
  view.OnMouseMove({o.x + 1, o.y + 50}, {});
  const ViewPaint& band = view.Paint({0, 0, 800, 600});
  ASSERT_FALSE(band.overlays.empty());
  EXPECT_EQ(band.overlays.back().rect, (CRect{100, 100, 101, 150}));
  EXPECT_TRUE(band.overlays.back().invert);
  host.zoomCombo = -1;
  view.OnLButtonUp({o.x + 1, o.y + 50}, {});
  EXPECT_EQ(view.Scale(), 1.0f);
  EXPECT_EQ(host.zoomCombo, -1);
  EXPECT_FALSE(host.captured);
  view.Paint({0, 0, 800, 600});
  view.OnLButtonDown(o, {});
  view.OnLButtonUp({o.x + 100, o.y + 50}, {});
  EXPECT_EQ(view.Scale(), 801.0f / 100.0f);
  EXPECT_EQ(host.zoomCombo, 10);
  EXPECT_EQ(view.WindowToDocument(CPoint{400, 300}), (CPoint{150, 125}));
}

TEST_F(ViewZoom, CursorsFollowTheTool) {
  const std::pair<int, ViewCursor> expected[] = {
      {kToolSelect, ViewCursor::kArrow},     {kToolZoom, ViewCursor::kZoom},
      {kToolStar, ViewCursor::kCrosshair},   {kToolNewPath, ViewCursor::kCrosshair},
      {kToolOneButton, ViewCursor::kText},   {kToolPerspective, ViewCursor::kPointEdit},
      {kToolPencil, ViewCursor::kPencil},    {kToolSkew, ViewCursor::kArrow},
      {kToolCropResize, ViewCursor::kCrop},  {kToolGuideH, ViewCursor::kConstrainedMove},
      {kToolMarquee, ViewCursor::kDefault}};
  for (const auto& [tool, cursor] : expected) {
    view.SetTool(tool);
    EXPECT_EQ(host.cursor, cursor) << tool;
  }
}

}  // namespace
}  // namespace tessel
