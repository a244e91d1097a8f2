#include <gtest/gtest.h>

#include <memory>

#include "base/app_context.h"
#include "base/dib_section.h"
#include "base/program_constants.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_test_host.h"

namespace tessel {
namespace {

constexpr uint32_t kBlackPixel = 0x000000, kShadow = 0x808080, kWhite = 0xFFFFFF;

// A 160 x 100 canvas (frame shadow 2 pixels) in an 400 x 300 window at zoom 1.
class ViewPaintTest : public ::testing::Test {
 protected:
  ViewPaintTest() : view(doc, host) {
    doc.m_width = 160, doc.m_height = 100;
    host.client = {400, 300};
    view.OnSize(host.client);
    view.OnInitialUpdate();
  }

  // A half-transparent square of one colour.
  CDrawObject* Add(int left, int top, int size, uint32_t colour) {
    auto o = std::make_unique<CDrawObject>();
    o->m_left = left, o->m_top = top, o->m_width = size, o->m_height = size;
    o->m_bitmap.Create(size, size, 32);
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        uint8_t* p = o->m_bitmap.RowFromBottom(y) + 4 * x;
        p[kRed] = uint8_t(colour), p[kGreen] = uint8_t(colour >> 8), p[kBlue] = uint8_t(colour >> 16);
        p[kAlpha] = 128;
      }
    doc.m_objects.push_back(std::move(o));
    return doc.m_objects.back().get();
  }

  static uint32_t PixelAt(const ViewPaint& paint, int x, int y) {
    const CRect& r = paint.bufferRect;
    EXPECT_TRUE(r.Contains(x, y)) << x << "," << y;
    const uint8_t* p = paint.buffer->RowFromTop(y - r.top) + 4 * (x - r.left);
    return uint32_t(p[kRed]) | uint32_t(p[kGreen]) << 8 | uint32_t(p[kBlue]) << 16;
  }

  CRect Window() const { return {0, 0, host.client.cx, host.client.cy}; }

  CAppContext app;
  CVellumDoc doc;
  test::RecordingViewHost host;
  CVellumView view;
};

TEST_F(ViewPaintTest, TheCanvasHasABlackFrameAndAGreyShadow) {
  const ViewPaint& p = view.Paint(Window());
  ASSERT_NE(p.buffer, nullptr);
  EXPECT_FALSE(p.halftone);
  EXPECT_EQ(p.bufferRect, (CRect{-121, -101, 281, 201}));  // the window grown by 1
  EXPECT_EQ(PixelAt(p, -1, -1), kBlackPixel);
  EXPECT_EQ(PixelAt(p, 160, 50), kBlackPixel);
  EXPECT_EQ(PixelAt(p, 80, 100), kBlackPixel);
  EXPECT_EQ(PixelAt(p, 159, 99), kWhite);
  EXPECT_EQ(PixelAt(p, 161, 1), kShadow);   // right strip from y = s - 1
  EXPECT_EQ(PixelAt(p, 162, 100), kShadow);
  EXPECT_EQ(PixelAt(p, 161, 0), kLightGrey);
  EXPECT_EQ(PixelAt(p, 163, 50), kLightGrey);
  EXPECT_EQ(PixelAt(p, 2, 101), kShadow);   // bottom strip from x = s
  EXPECT_EQ(PixelAt(p, 162, 102), kShadow);
  EXPECT_EQ(PixelAt(p, 1, 101), kLightGrey);
  EXPECT_EQ(PixelAt(p, 50, 103), kLightGrey);
}

TEST_F(ViewPaintTest, WithoutACurrentObjectEveryPaintComposesAll) {
  Add(10, 10, 30, 0x0000FF), Add(20, 20, 30, 0x00FF00), Add(30, 30, 30, 0xFF0000);
  EXPECT_EQ(view.Paint(Window()).composed, 3);
  EXPECT_EQ(view.Paint(Window()).composed, 3);
  EXPECT_EQ(view.Paint({200, 150, 220, 170}).composed, 3);
}

TEST_F(ViewPaintTest, MovingTheCurrentObjectComposesOnlyItAndThoseAbove) {
  Add(10, 10, 30, 0x0000FF);
  CDrawObject* current = Add(20, 20, 30, 0x00FF00);
  Add(30, 30, 30, 0xFF0000), Add(40, 5, 30, 0x00FFFF);
  view.SelectObject(current);
  EXPECT_EQ(view.Paint(Window()).composed, 4);
  current->SetPosition(25, 22);
  const CRect clip = view.DocumentToWindow(CRect{18, 18, 58, 58});
  const ViewPaint& cached = view.Paint(clip);
  EXPECT_EQ(cached.composed, 3);
  const CDIBSection fromCache = cached.buffer->Clone();
  view.RequestFullRedraw();
  const ViewPaint& full = view.Paint(clip);
  EXPECT_EQ(full.composed, 4);
  EXPECT_TRUE(*full.buffer == fromCache);
  EXPECT_EQ(view.Paint(Window()).composed, 3);  // any part of the window comes from the cache
  view.SelectObject(nullptr);
  EXPECT_EQ(view.Paint(clip).composed, 4);
  view.SelectObject(doc.m_objects.front().get());
  EXPECT_EQ(view.Paint(clip).composed, 4);  // a new current object
}

TEST_F(ViewPaintTest, AChangeBelowTheCurrentObjectIsNeverServedFromTheCache) {
  CDrawObject* below = Add(10, 10, 30, 0x0000FF);
  CDrawObject* current = Add(20, 20, 30, 0x00FF00);
  view.SelectObject(current);
  EXPECT_EQ(view.Paint(Window()).composed, 2);
  // Changed behind the view's back: moved, hidden, then replaced by another object.
  below->SetPosition(12, 10);
  EXPECT_EQ(view.Paint(Window()).composed, 2);
  below->m_hidden = 1;
  EXPECT_EQ(view.Paint(Window()).composed, 2);
  EXPECT_EQ(PixelAt(view.Paint(Window()), 13, 11), kWhite);
  below->m_hidden = 0;
  EXPECT_EQ(view.Paint(Window()).composed, 2);
  EXPECT_NE(PixelAt(view.Paint(Window()), 13, 11), kWhite);
  doc.m_objects.pop_front();
  EXPECT_EQ(PixelAt(view.Paint(Window()), 13, 11), kWhite);
}

TEST_F(ViewPaintTest, ElevenObjectsRecomposedShowTheWaitCursor) {
  for (int i = 0; i < 11; ++i) Add(i * 5, i * 5, 20, 0x00FF00);
  view.SelectObject(doc.m_objects.back().get());
  EXPECT_TRUE(view.Paint(Window()).waitCursor);
  EXPECT_FALSE(view.Paint(Window()).waitCursor);
  view.SelectObject(nullptr);
  doc.m_objects.pop_back();
  EXPECT_FALSE(view.Paint(Window()).waitCursor);
}

TEST_F(ViewPaintTest, BelowActualSizeTheWholeCanvasIsComposedForHalftoneScaling) {
  view.ZoomToPercent(50, nullptr);
  const ViewPaint& p = view.Paint({0, 0, 10, 10});
  EXPECT_TRUE(p.halftone);
  EXPECT_EQ(p.bufferRect, (CRect{0, 0, 161, 101}));
  EXPECT_EQ(PixelAt(p, 160, 100), kBlackPixel);
  EXPECT_EQ(PixelAt(p, 159, 99), kWhite);
  view.m_paintEditorRunning = true;
  EXPECT_TRUE(view.Paint(Window()).blank);
}

TEST_F(ViewPaintTest, ALensNeedsTheWholeCanvasAtTheDocumentOrigin) {
  CDrawObject* lens = Add(10, 10, 30, 0x00FF00);
  lens->m_effect = 11;  // "Magnifying Lens" reads the canvas below it
  const ViewPaint& p = view.Paint({0, 0, 10, 10});
  EXPECT_FALSE(p.halftone);
  EXPECT_EQ(p.bufferRect, (CRect{0, 0, 161, 101}));
  view.m_lensesOff = true;
  EXPECT_EQ(view.Paint({0, 0, 10, 10}).bufferRect, (CRect{-121, -101, -109, -89}));
  view.SelectObject(Add(50, 50, 20, 0xFF0000));
  EXPECT_EQ(view.Paint({0, 0, 10, 10}).composed, 2);
  EXPECT_EQ(view.Paint({0, 0, 10, 10}).composed, 1);
  view.m_lensesOff = false;  // the cache holds the lens drawn plainly
  EXPECT_EQ(view.Paint({0, 0, 10, 10}).composed, 2);
}

// Pixels of a paint inside a document rectangle.
std::vector<uint32_t> PixelsIn(const ViewPaint& p, const CRect& r) {
  std::vector<uint32_t> out;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const uint8_t* q = p.buffer->RowFromTop(y - p.bufferRect.top) + 4 * (x - p.bufferRect.left);
      out.push_back(uint32_t(q[0]) | uint32_t(q[1]) << 8 | uint32_t(q[2]) << 16);
    }
  return out;
}

TEST_F(ViewPaintTest, UnderALensOnlyTheClipAndTheLensesItMeetsAreComposedAgain) {
  CDrawObject* current = Add(100, 60, 20, 0x0000FF);
  CDrawObject* lens = Add(10, 10, 40, 0x00FF00);
  lens->m_effect = 13;  // "Upside Down": what lies under its lower half shows in the upper
  Add(60, 5, 20, 0xFF0000);
  view.SelectObject(current);
  view.Paint(Window());
  const auto movedTo = [&](int x, int y) {
    const CRect before = current->GetBoxRect();
    current->SetPosition(x, y);
    const CRect clip = view.DocumentToWindow(before.Union(current->GetBoxRect()));
    const std::vector<uint32_t> partial = PixelsIn(view.Paint(clip), {0, 0, 160, 100});
    view.RequestFullRedraw();
    const std::vector<uint32_t> full = PixelsIn(view.Paint(Window()), {0, 0, 160, 100});
    view.Paint(Window());  // back to painting from the cache
    return partial == full;
  };
  EXPECT_TRUE(movedTo(104, 62));  // away from the lens
  EXPECT_TRUE(movedTo(30, 30));   // under the lens: it is composed again over its box
  EXPECT_TRUE(movedTo(100, 60));  // and out again
}

TEST_F(ViewPaintTest, CanvasOverlaysFollowTheDocument) {
  doc.m_cropSet = 1;
  doc.m_crop = {10, 10, 10, 40};  // present but empty
  view.Paint(Window());
  EXPECT_EQ(doc.m_cropSet, 0);
  doc.m_cropSet = 1;
  doc.m_crop = {10, 10, 50, 40};
  doc.m_guidesV = {70};
  doc.m_gridDistance = 50;
  view.m_snapToGrid = true;
  const ViewPaint& p = view.Paint(Window());
  const CRect visible = {-121, -101, 281, 201};
  int stipples = 0;
  bool redHandle1 = false, redHandle2 = false, guide = false;
  const OverlayItem* grid = nullptr;
  for (const OverlayItem& item : p.overlays) {
    if (item.kind == OverlayKind::kStipple) ++stipples;
    if (item.kind == OverlayKind::kFillRect && item.rect == CRect{4, 4, 8, 8}) redHandle1 = true;
    if (item.kind == OverlayKind::kFillRect && item.rect == CRect{52, 42, 56, 46}) redHandle2 = true;
    if (item.kind == OverlayKind::kLine && item.color == kGuideBlue)
      guide = item.dotted && item.points[0] == CPoint{70, visible.top} && item.points[1] == CPoint{70, visible.bottom};
    if (item.kind == OverlayKind::kPixels) grid = &item;
  }
  EXPECT_EQ(stipples, 4);
  EXPECT_TRUE(redHandle1 && redHandle2 && guide);
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->color, kGridNavy);
  EXPECT_EQ(grid->points, (std::vector<CPoint>{{0, 0}, {50, 0}, {100, 0}, {150, 0}, {0, 50}, {50, 50}, {100, 50},
                                               {150, 50}}));
}

}  // namespace
}  // namespace tessel
