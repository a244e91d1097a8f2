// The shape tool, the add-point tool and the path and conversion commands of the
// editing view, driven through its input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "document/object_point_edit.h"
#include "view/select_fixture.h"

namespace tessel {
namespace {

using C = ViewCommand;
using test::Ctrl;
using test::Shift;

ViewKeys Alt() { return {false, false, true}; }

class ShapeTool : public ::testing::Test, public test::SelectFixture {
 protected:
  // An ellipse with the box (100, 100)-(300, 200): border 2, so its left anchor (0)
  // lies at (102, 150) and its top anchor (3) at (200, 102).
  CDrawObject* Ellipse() {
    CDrawObject* o = AddCircle(100, 100, 200, 100);
    doc.SaveUndo();
    view->SelectObject(o);
    view->Execute(C::kToolShape);
    return o;
  }
  CPoint At(const CDrawObject& o, int i) {
    const CPointD p = ObjectPointAt(o, i);
    return {int(std::lround(p.x)), int(std::lround(p.y))};
  }
};

TEST_F(ShapeTool, ChoosingTheToolShowsItsHint) {
  view->Execute(C::kToolShape);
  EXPECT_EQ(view->Tool(), kToolShape);
  EXPECT_EQ(host.LastStatus(), "Select and move points, CTRL - Select control handle, DEL - delete point");
  EXPECT_TRUE(view->State(C::kToolShape).checked);
}

TEST_F(ShapeTool, PressingAnObjectWithoutAltOnlySelectsItWithAltMovesIt) {
  CDrawObject* o = AddRect(50, 50, 100, 80);
  doc.SaveUndo();
  view->Execute(C::kToolShape);
  const size_t steps = UndoSteps();
  Drag({100, 90}, {130, 110});
  EXPECT_EQ(view->CurrentObject(), o);
  EXPECT_EQ(host.LastStatus(), "To Move object while in SHAPE mode, press Alt");
  EXPECT_EQ(o->m_left, 50);
  EXPECT_EQ(UndoSteps(), steps);
  Drag({100, 90}, {130, 110}, Alt());
  EXPECT_EQ(o->m_left, 80);
  EXPECT_EQ(o->m_top, 70);
  EXPECT_EQ(view->SelectedPoint(), -1);
  EXPECT_EQ(UndoSteps(), steps + 1);
  Click({390, 290});  // nothing there: the selection is cleared
  EXPECT_EQ(view->CurrentObject(), nullptr);
}

TEST_F(ShapeTool, DraggingAPointMovesItAndRecordsOneUndoStep) {
  CDrawObject* o = Ellipse();
  const size_t steps = UndoSteps();
  EXPECT_EQ(At(*o, 3).x, 200);
  EXPECT_EQ(At(*o, 3).y, 102);
  view->OnLButtonDown({201, 103}, {});
  EXPECT_EQ(view->SelectedPoint(), 3);
  EXPECT_EQ(host.LastStatus(), "Path Point: 3");
  view->OnMouseMove({201, 83}, {});
  view->OnMouseMove({201, 73}, {});
  view->OnLButtonUp({201, 73}, {});
  EXPECT_EQ(UndoSteps(), steps + 1);
  // The box grew upwards round the moved point, keeping the 2-pixel border.
  EXPECT_EQ(o->m_top, 70);
  EXPECT_EQ(At(*o, 3).y, 72);
  EXPECT_EQ(o->m_height, 130);
  EXPECT_EQ(view->SelectedPoint(), 3);  // stays selected for Delete
}

TEST_F(ShapeTool, HitToleranceFollowsTheZoom) {
  CDrawObject* o = Ellipse();
  const CPoint top = At(*o, 3);
  // 6 document pixels below (inside the ellipse): missed at 100 %, hit at 50 % where
  // they are 3 window pixels.
  view->OnLButtonDown({top.x, top.y + 6}, {});
  view->OnLButtonUp({top.x, top.y + 6}, {});
  EXPECT_EQ(view->SelectedPoint(), -1);
  ASSERT_EQ(view->CurrentObject(), o);
  view->SetZoomScale(0.5f);
  ASSERT_FLOAT_EQ(view->Scale(), 0.5f);
  const CPoint w = view->DocumentToWindow(CPoint{top.x, top.y + 6});
  view->OnLButtonDown(w, {});
  view->OnLButtonUp(w, {});
  EXPECT_EQ(view->SelectedPoint(), 3);
}

TEST_F(ShapeTool, CtrlTakesTheControlHandleAndShiftKeepsTheOtherOne) {
  CDrawObject* o = Ellipse();
  const CPoint control = At(*o, 4);  // outgoing control of the top anchor
  const CPoint opposite = At(*o, 2);
  Drag(control, {control.x, control.y + 20}, {true, true, false});
  EXPECT_EQ(view->SelectedPoint(), 4);
  // Shift: the incoming control stayed where it was (the box did not change here).
  EXPECT_EQ(At(*o, 2).x, opposite.x);
  EXPECT_EQ(At(*o, 2).y, opposite.y);
  const CPoint again = At(*o, 4);
  Drag(again, {again.x, again.y + 10}, Ctrl());
  // Without Shift the other control turns to lie opposite through the anchor.
  const CPointD a = ObjectPointAt(*o, 3), in = ObjectPointAt(*o, 2), out = ObjectPointAt(*o, 4);
  EXPECT_NEAR((in.x - a.x) * (out.y - a.y) - (in.y - a.y) * (out.x - a.x), 0, 1e-6);
}

TEST_F(ShapeTool, DeleteRemovesTheSelectedPointNotTheObject) {
  CDrawObject* o = Ellipse();
  Click(At(*o, 3));
  const size_t steps = UndoSteps();
  EXPECT_TRUE(view->OnKeyDown(ViewKey::kDelete, {}));
  EXPECT_EQ(doc.ObjectCount(), 1);
  EXPECT_EQ(o->m_path.Count(), 9);
  EXPECT_EQ(view->SelectedPoint(), -1);
  EXPECT_EQ(UndoSteps(), steps + 1);
  view->OnKeyDown(ViewKey::kDelete, {});  // nothing selected: nothing happens
  EXPECT_EQ(o->m_path.Count(), 9);
  EXPECT_EQ(UndoSteps(), steps + 1);
  view->Execute(C::kUndo);
  ASSERT_EQ(doc.ObjectCount(), 1);
  EXPECT_EQ(doc.ObjectAt(0)->m_path.Count(), 12);
}

TEST_F(ShapeTool, BitmapsAndPackagesAreRefused) {
  CDrawObject* o = AddRect(50, 50, 100, 80);
  o->m_type = kTypeBitmap;
  view->SelectObject(o);
  view->Execute(C::kToolShape);
  Click({60, 60});
  EXPECT_EQ(host.LastStatus(), "To edit the bitmap shape you must convert the bitmap to the envelope (Menu Bitmap).");
  o->SetPackageData({1, 2, 3});
  Click({60, 60});
  EXPECT_EQ(host.LastStatus(),
            "To edit the Package shape you must convert it to the envelope. (Menu Object, Convert - To Envelope)");
  EXPECT_FALSE(view->Dragging());
}

TEST_F(ShapeTool, BallBevelTurnsTheLightDirection) {
  CDrawObject* o = Ellipse();
  o->m_bevelType = 12;
  const auto before = o->m_lightDir;
  const size_t steps = UndoSteps();
  view->OnLButtonDown({200, 150}, {});
  EXPECT_EQ(view->SelectedPoint(), -2);
  view->OnMouseMove({210, 150}, {});
  view->OnLButtonUp({210, 150}, {});
  const auto& v = o->m_lightDir;
  EXPECT_NEAR(v[0] * v[0] + v[1] * v[1] + v[2] * v[2], 1.0, 1e-12);
  EXPECT_NEAR(v[1], before[1] / std::sqrt(before[0] * before[0] + before[1] * before[1] + before[2] * before[2]), 1e-12);
  // Half a radian about the vertical axis.
  EXPECT_NEAR(std::atan2(v[0], v[2]) - std::atan2(before[0], before[2]), 0.5, 1e-9);
  EXPECT_EQ(UndoSteps(), steps + 1);
}

TEST_F(ShapeTool, AddPointInsertsOnTheOutlineThenTurnsIntoTheShapeTool) {
  CDrawObject* o = Ellipse();
  view->Execute(C::kToolAddPoint);
  EXPECT_EQ(host.LastStatus(), "Add point to the existing Path");
  const size_t steps = UndoSteps();
  Click({200, 150});  // the middle, far from the outline: no point, the hint again
  EXPECT_EQ(o->m_path.Count(), 12);
  EXPECT_EQ(view->Tool(), kToolAddPoint);
  const CPoint bottom = At(*o, 9);
  Click({bottom.x + 30, bottom.y - 1});
  EXPECT_EQ(o->m_path.Count(), 15);
  EXPECT_EQ(view->SelectedPoint(), 9);
  EXPECT_EQ(view->Tool(), kToolShape);
  EXPECT_EQ(UndoSteps(), steps + 1);
}

TEST_F(ShapeTool, AddPointOnAPolynomeShiftMakesAnIsland) {
  CDrawObject* o = Ellipse();
  view->Execute(C::kConvertToPolynome);
  ASSERT_TRUE(o->IsPolynome());
  view->Execute(C::kToolAddPoint);
  EXPECT_EQ(host.LastStatus(), "Add point to the Polynome. SHIFT - insert island");
  const size_t count = o->m_polynome.m_points.size();
  Click({200, 150}, Shift());
  EXPECT_EQ(o->m_polynome.m_points.size(), count + 1);
  EXPECT_EQ(o->m_polynome.m_points.back().flag, kPolyIsland);
  EXPECT_EQ(host.statuses[host.statuses.size() - 1], "Polynome Point: " + std::to_string(count));
}

TEST_F(ShapeTool, BreakAndClosePathCommands) {
  CDrawObject* o = Ellipse();
  view->Execute(C::kToolSelect);
  EXPECT_FALSE(view->State(C::kClosePath).enabled);
  const size_t steps = UndoSteps();
  view->Execute(C::kBreakPath);
  EXPECT_FALSE(o->IsClosedPath());
  EXPECT_EQ(o->m_path.Count(), 13);
  EXPECT_EQ(view->Tool(), kToolShape);
  EXPECT_EQ(UndoSteps(), steps + 1);
  EXPECT_TRUE(view->State(C::kClosePath).enabled);
  view->Execute(C::kClosePath);
  EXPECT_TRUE(o->IsClosedPath());
  EXPECT_EQ(o->m_path.Count(), 12);
  EXPECT_EQ(UndoSteps(), steps + 2);
}

TEST_F(ShapeTool, ConvertToEnvelopeAndItsHandles) {
  CDrawObject* o = Ellipse();
  view->Execute(C::kToolSelect);
  const size_t steps = UndoSteps();
  view->Execute(C::kConvertToEnvelope);
  ASSERT_TRUE(o->IsPolynomeEnvelope());
  EXPECT_EQ(view->Tool(), kToolShape);
  EXPECT_EQ(UndoSteps(), steps + 1);
  // Handle 0 is the inner box's top-left corner; dragging it deforms the envelope.
  const CRect inner = o->GetInnerRect();
  view->OnLButtonDown({inner.left, inner.top}, {});
  EXPECT_EQ(view->SelectedEnvelopeHandle(), 0);
  view->OnMouseMove({inner.left + 20, inner.top + 10}, {});
  view->OnLButtonUp({inner.left + 20, inner.top + 10}, {});
  EXPECT_NEAR(o->m_polynome.m_envelope[0], 20 * 1000.0 / inner.Width(), 1e-9);
  EXPECT_NEAR(o->m_polynome.m_envelope[1], 10 * 1000.0 / inner.Height(), 1e-9);
  EXPECT_EQ(UndoSteps(), steps + 2);
}

TEST_F(ShapeTool, ConvertToBitmapReplacesTheObjectInPlace) {
  AddRect(10, 10, 30, 30);
  Ellipse();
  AddRect(250, 10, 30, 30);
  view->SelectObject(doc.ObjectAt(1));
  view->Execute(C::kConvertToBitmap);
  ASSERT_EQ(doc.ObjectCount(), 3);
  EXPECT_TRUE(doc.ObjectAt(1)->IsBitmap());
  EXPECT_EQ(view->CurrentObject(), doc.ObjectAt(1));
  EXPECT_FALSE(view->State(C::kConvertToBitmap).enabled);
  const auto entries = view->ContextMenuEntries();
  for (const char* label : {"Break Path", "Close Path", "Bitmap", "Polynome", "Envelope"})
    EXPECT_NE(std::find(entries.begin(), entries.end(), label), entries.end()) << label;
}

TEST_F(ShapeTool, OverlaysShowTheAnchorsWithTheSelectedOneFilled) {
  CDrawObject* o = Ellipse();
  Click(At(*o, 3));
  const ViewPaint& paint = view->Paint({0, 0, kWidth, kHeight});
  int hollow = 0, filled = 0;
  for (const OverlayItem& item : paint.overlays) {
    if (!item.window || item.rect.Width() != 6) continue;
    const CPoint centre{item.rect.left + 3, item.rect.top + 3};
    for (int i = 0; i < 12; i += 3)
      if (centre.x == At(*o, i).x && centre.y == At(*o, i).y) ++(item.kind == OverlayKind::kFillRect ? filled : hollow);
  }
  EXPECT_EQ(filled, 1);
  EXPECT_EQ(hollow, 3);
}

TEST_F(ShapeTool, DoubleClickOnAPathInTheSelectToolChoosesTheShapeTool) {
  CDrawObject* o = AddCircle(100, 100, 200, 100);
  view->OnLButtonDblClk({200, 150}, {});
  EXPECT_EQ(view->Tool(), kToolShape);
  EXPECT_EQ(view->CurrentObject(), o);
}

TEST_F(ShapeTool, APointSelectedOnAnotherObjectIsNotDeleted) {
  CDrawObject* a = Ellipse();
  CDrawObject* b = AddCircle(10, 10, 60, 60);
  Click(At(*a, 3));
  ASSERT_EQ(view->SelectedPoint(), 3);
  view->SelectObject(b);  // as the layers list does
  EXPECT_EQ(view->SelectedPoint(), -1);
  view->OnKeyDown(ViewKey::kDelete, {});
  EXPECT_EQ(b->m_path.Count(), 12);
  EXPECT_EQ(a->m_path.Count(), 12);
}

}  // namespace
}  // namespace tessel
