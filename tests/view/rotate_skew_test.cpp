#include <gtest/gtest.h>

#include "view/select_fixture.h"

namespace tessel {
namespace {

using test::SelectFixture;

// A 100 by 100 rectangle centred on (150, 150).
struct RotateFixture : SelectFixture {
  CDrawObject* o = AddRect(100, 100, 100, 100);
  RotateFixture() { view->SetTool(kToolRotate); }
  std::string AngleAt(CPoint p) {
    view->OnMouseMove(p, {});
    return host.LastStatus();
  }
};

TEST(RotateTool, AngleIsMeasuredFromAboveTheCentreCounterClockwise) {
  RotateFixture f;
  f.Press({150, 110});  // above the centre: 0
  ASSERT_EQ(f.view->CurrentObject(), f.o);
  EXPECT_EQ(f.AngleAt({110, 150}), "Rotation Angle Y: 90 ");   // left
  EXPECT_EQ(f.AngleAt({150, 190}), "Rotation Angle Y: 180 ");  // below
  EXPECT_EQ(f.AngleAt({190, 150}), "Rotation Angle Y: 270 ");  // right
  // 90 - atan(40) in degrees = 1.43, and 90 + atan(40) + 180 = 358.57: truncated.
  EXPECT_EQ(f.AngleAt({149, 110}), "Rotation Angle Y: 1 ");
  EXPECT_EQ(f.AngleAt({151, 110}), "Rotation Angle Y: 358 ");
  // From a press on the right, the top is 90 degrees less.
  f.view->OnLButtonUp({151, 110}, {});
  EXPECT_EQ(f.UndoSteps(), 1u);
  f.Press({190, 150});
  EXPECT_EQ(f.AngleAt({150, 110}), "Rotation Angle Y: -270 ");
}

TEST(RotateTool, BitmapLayerHintReleaseAndEmptyPress) {
  RotateFixture f;
  f.o->m_layer.Create(4, 4, 32);
  f.Press({150, 110});
  EXPECT_EQ(f.AngleAt({110, 150}),
            "Rotation Angle Y: 90  (To Rotate Bitmap Layer use Texture Size & Rotation tool)");
  f.view->OnLButtonUp({110, 150}, {});
  EXPECT_EQ(f.UndoSteps(), 1u);
  EXPECT_EQ(f.view->Tool(), kToolRotate);

  // Back where it started: no rotation, no undo step.
  f.Drag({150, 110}, {150, 112});
  EXPECT_EQ(f.UndoSteps(), 1u);

  f.Click({20, 20});
  EXPECT_EQ(f.view->CurrentObject(), nullptr);
}

// The resting point of skew handle 1..4: an edge midpoint of the selection rectangle
// shrunk by 1.
CPoint SkewPoint(const CDrawObject& o, int handle) {
  const CRect s = o.GetSelectionRect().Inflated(-1);
  const int midX = s.left + s.Width() / 2, midY = s.top + s.Height() / 2;
  const CPoint points[4] = {{midX, s.top}, {s.right, midY}, {midX, s.bottom}, {s.left, midY}};
  return points[handle - 1];
}

TEST(SkewTool, HandlesFollowTheirOffsetsAndReleaseRecordsAStep) {
  SelectFixture f;
  CDrawObject* o = f.AddRect(100, 100, 100, 60);
  f.view->SetTool(kToolSkew);
  EXPECT_EQ(f.view->SkewHandleAt({150, 98}), kHandleNone);  // nothing selected yet
  // Selection (97, 97)-(203, 163) shrunk by 1: the top handle rests at (150, 98).
  f.Press({150, 98});
  ASSERT_EQ(f.view->CurrentObject(), o);
  EXPECT_TRUE(f.view->Dragging());
  f.view->OnMouseMove({160, 90}, {});  // the top handle moves sideways only
  EXPECT_EQ(f.view->SkewHandleAt({160, 98}), 1);
  EXPECT_EQ(f.view->SkewHandleAt({150, 98}), kHandleNone);
  f.view->OnLButtonUp({160, 90}, {});
  EXPECT_EQ(f.UndoSteps(), 1u);
  for (int h = 1; h <= 4; ++h) EXPECT_EQ(f.view->SkewHandleAt(SkewPoint(*o, h)), h);  // offsets reset

  // The left handle moves up and down only.
  const CPoint left = SkewPoint(*o, 4);
  f.Press(left);
  f.view->OnMouseMove({left.x - 18, left.y + 10}, {});
  EXPECT_EQ(f.view->SkewHandleAt({left.x, left.y + 10}), 4);
  f.view->OnLButtonUp({left.x - 18, left.y + 10}, {});
  EXPECT_EQ(f.UndoSteps(), 2u);

  // A press on a handle released in place records nothing.
  f.Drag(SkewPoint(*o, 2), SkewPoint(*o, 2));
  EXPECT_EQ(f.UndoSteps(), 2u);
}

}  // namespace
}  // namespace tessel
