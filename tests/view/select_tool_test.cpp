#include <gtest/gtest.h>

#include "view/select_fixture.h"

namespace tessel {
namespace {

using test::Ctrl;
using test::SelectFixture;
using test::Shift;

TEST(SelectTool, TransparentCornerPicksTheObjectBelowAndCtrlTheTopmostRectangle) {
  SelectFixture f;
  CDrawObject* below = f.AddRect(50, 50, 100, 100);
  CDrawObject* circle = f.AddCircle(50, 50, 100, 100);

  f.Click({56, 56});
  EXPECT_EQ(f.view->CurrentObject(), below);
  EXPECT_TRUE(f.StatusSeen("Ctrl - to select object by bounding rectangle"));
  EXPECT_EQ(f.host.LastStatus(), "Object: Closed Path");
  f.Click({56, 56}, Ctrl());
  EXPECT_EQ(f.view->CurrentObject(), circle);
  EXPECT_EQ(f.UndoSteps(), 0u);  // a click changes nothing and records nothing

  // A press on nothing starts a marquee that, too small, only clears the current object.
  f.Click({300, 250});
  EXPECT_EQ(f.view->CurrentObject(), nullptr);
  EXPECT_EQ(f.view->Tool(), kToolSelect);
  EXPECT_EQ(f.host.LastStatus(), "Ready.");
}

TEST(SelectTool, ClickOnAGroupedObjectSelectsItsGroup) {
  SelectFixture f;
  CDrawObject* a = f.AddRect(20, 20, 40, 40);
  CDrawObject* b = f.AddRect(100, 20, 40, 40);
  f.doc.CreateGroup({a, b});

  f.Press({40, 40});
  EXPECT_EQ(f.view->Tool(), kToolMoveSelection);
  EXPECT_EQ(f.view->CurrentObject(), nullptr);
  EXPECT_EQ(f.view->MultiSelection(), (std::vector<CDrawObject*>{a, b}));
  EXPECT_EQ(f.view->CurrentGroup(), &f.doc.m_groups.front());
  EXPECT_EQ(f.host.LastStatus(), "Group of 2 objects");
  f.view->OnLButtonUp({40, 40}, {});
  EXPECT_EQ(f.view->Tool(), kToolSelect);
  EXPECT_EQ(f.UndoSteps(), 0u);
}

TEST(SelectTool, CornerHandlesKeepTheAspectWithTruncation) {
  SelectFixture f;
  CDrawObject* o = f.AddRect(100, 100, 30, 20);
  f.Click({115, 110});
  ASSERT_EQ(o, f.view->CurrentObject());
  // Selection rectangle (97, 97)-(133, 123); handle 1 covers (95, 95)-(101, 101).
  EXPECT_EQ(f.view->HandleAt({98, 98}), kHandleTopLeft);

  // Left edge to 90: width 40, height truncate(40 * 20 / 30) = 26, the bottom stays.
  f.Drag({98, 98}, {88, 95});
  EXPECT_EQ(o->GetBoxRect(), (CRect{90, 94, 130, 120}));
  EXPECT_EQ(f.UndoSteps(), 1u);
  EXPECT_EQ(f.host.LastStatus(), "Object: Closed Path");

  // Handle 4 (top-right): right edge to 150, width 60, height truncate(60 * 26 / 40) = 39.
  const CRect s = o->GetSelectionRect();
  EXPECT_EQ(f.view->HandleAt({s.right - 1, s.top + 1}), kHandleTopRight);
  f.Drag({s.right - 1, s.top + 1}, {s.right - 1 + 20, s.top});
  EXPECT_EQ(o->GetBoxRect(), (CRect{90, 81, 150, 120}));
  EXPECT_EQ(f.UndoSteps(), 2u);
}

TEST(SelectTool, BottomRightHandleIsFreeWithCtrlOrThePreference) {
  SelectFixture f;
  CDrawObject* o = f.AddRect(100, 100, 30, 20);
  f.Click({115, 110});
  // Handle 3 covers (129, 119)-(135, 125); the offset is taken from the bottom-right.
  EXPECT_EQ(f.view->HandleAt({131, 121}), kHandleBottomRight);
  f.Drag({131, 121}, {151, 141});
  EXPECT_EQ(o->GetBoxRect(), (CRect{100, 100, 150, 133}));  // 50 * 20 / 30 = 33.3

  f.Drag({151, 134}, {161, 154}, Ctrl());
  EXPECT_EQ(o->GetBoxRect(), (CRect{100, 100, 160, 153}));
  f.view->m_freeResize = true;
  f.Drag({161, 154}, {171, 159});
  EXPECT_EQ(o->GetBoxRect(), (CRect{100, 100, 170, 158}));
  EXPECT_EQ(f.UndoSteps(), 3u);
}

TEST(SelectTool, EdgeHandlesChangeOneDimension) {
  SelectFixture f;
  CDrawObject* o = f.AddRect(100, 100, 40, 40);
  f.Click({120, 120});
  // Top handle at the middle of (97, 97)-(143, 143).
  EXPECT_EQ(f.view->HandleAt({120, 98}), kHandleTop);
  f.Drag({120, 98}, {130, 88});
  EXPECT_EQ(o->GetBoxRect(), (CRect{100, 90, 140, 140}));
  const CRect s = o->GetSelectionRect();  // (97, 87)-(143, 143)
  EXPECT_EQ(f.view->HandleAt({s.left, 115}), kHandleLeft);
  f.Drag({s.left, 115}, {s.left + 15, 200});
  EXPECT_EQ(o->GetBoxRect(), (CRect{115, 90, 140, 140}));
}

TEST(SelectTool, MovingSnapsTheOutlineToTheGridAndHonoursLocks) {
  SelectFixture f;
  CDrawObject* o = f.AddRect(33, 47, 40, 30);
  f.view->m_snapToGrid = true;  // grid 20, border 2
  f.Click({50, 60});
  // Offset (17, 13): x = 43 -> 40 - 2, y = 52 -> 60 - 2.
  f.Drag({50, 60}, {60, 65});
  EXPECT_EQ(o->GetBoxRect(), (CRect{38, 58, 78, 88}));
  EXPECT_EQ(f.UndoSteps(), 1u);

  // A set m_mmParam2 keeps x.
  o->m_mmParam2 = 1;
  f.view->m_snapToGrid = false;
  f.Drag({50, 70}, {75, 81});
  EXPECT_EQ(o->GetBoxRect(), (CRect{38, 69, 78, 99}));
  EXPECT_EQ(f.UndoSteps(), 2u);
}

TEST(SelectTool, HandlesOfTinyObjectsAreTriedInOrder) {
  SelectFixture f;
  EXPECT_EQ(f.view->HandleAt({10, 10}), kHandleNone);  // nothing selected
  CDrawObject* o = f.AddRect(100, 100, 4, 4);
  f.view->SelectObject(o);
  // Selection (97, 97)-(107, 107): handles 1 and 8 overlap at (98, 100); 1 comes first.
  EXPECT_EQ(f.view->HandleAt({98, 100}), kHandleTopLeft);
  EXPECT_EQ(f.view->HandleAt({98, 103}), kHandleBottomLeft);
}

TEST(SelectTool, ShiftBuildsAMultiSelectionAndKeepCurrentWins) {
  SelectFixture f;
  CDrawObject* a = f.AddRect(20, 20, 40, 40);
  CDrawObject* b = f.AddRect(100, 20, 40, 40);
  CDrawObject* c = f.AddRect(200, 20, 40, 40);
  f.Click({40, 40});
  f.Click({120, 40}, Shift());
  EXPECT_EQ(f.view->MultiSelection(), (std::vector<CDrawObject*>{a, b}));
  EXPECT_EQ(f.view->CurrentObject(), nullptr);
  EXPECT_EQ(f.host.LastStatus(), " 2 objects selected");
  f.Click({220, 40}, Shift());  // outside the frame
  EXPECT_EQ(f.view->MultiSelection().size(), 3u);
  EXPECT_EQ(f.host.LastStatus(), " 3 objects selected");

  // A plain press outside the frame drops the multi-selection.
  f.Click({300, 200});
  EXPECT_TRUE(f.view->MultiSelection().empty());

  // Chosen from the layers list, the current object survives a press on one above it.
  CDrawObject* above = f.AddRect(30, 30, 20, 20);
  f.view->SelectObject(a);
  f.view->SetKeepCurrent(true);
  f.Click({40, 40});
  EXPECT_EQ(f.view->CurrentObject(), a);
  f.Click({40, 40});
  EXPECT_EQ(f.view->CurrentObject(), above);
  (void)c;
}

}  // namespace
}  // namespace tessel
