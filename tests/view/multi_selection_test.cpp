#include <gtest/gtest.h>

#include "view/select_fixture.h"

namespace tessel {
namespace {

using test::SelectFixture;
using test::Shift;

// Two rectangles: a (20, 20)-(60, 60) and b (100, 40)-(140, 100); their frame is
// (16, 16)-(144, 104).
struct TwoRects : SelectFixture {
  CDrawObject* a = AddRect(20, 20, 40, 40);
  CDrawObject* b = AddRect(100, 40, 40, 60);
  void SelectBoth() {
    Drag({10, 10}, {250, 150});
    ASSERT_EQ(view->MultiSelection(), (std::vector<CDrawObject*>{a, b}));
  }
};

TEST(Marquee, AroundOneObjectMakesItCurrentAroundTwoAMultiSelection) {
  TwoRects f;
  f.Drag({10, 10}, {70, 70});
  EXPECT_EQ(f.view->CurrentObject(), f.a);
  EXPECT_TRUE(f.view->MultiSelection().empty());
  EXPECT_EQ(f.view->Tool(), kToolSelect);

  f.Drag({10, 10}, {250, 150});
  EXPECT_EQ(f.view->CurrentObject(), nullptr);
  EXPECT_EQ(f.view->MultiSelection().size(), 2u);
  EXPECT_EQ(f.host.LastStatus(), " 2 objects selected");
  EXPECT_EQ(f.view->SelectionFrame(), (CRect{16, 16, 144, 104}));
}

TEST(Marquee, ReachesThreePixelsBeyondItsEdgesAndSkipsHiddenAndGrouped) {
  TwoRects f;
  f.Drag({66, 66}, {22, 22});  // grown by 3: left 19 < 20
  EXPECT_EQ(f.view->CurrentObject(), f.a);
  f.Drag({66, 66}, {23, 23});  // grown by 3: left 20, not below 20
  EXPECT_EQ(f.view->CurrentObject(), nullptr);
  EXPECT_TRUE(f.view->MultiSelection().empty());

  f.a->m_hidden = 1;
  f.Drag({10, 10}, {250, 150});
  EXPECT_EQ(f.view->CurrentObject(), f.b);

  // Grouped objects come in through their group.
  f.a->m_hidden = 0;
  CDrawObject* c = f.AddRect(200, 200, 20, 20);
  f.doc.CreateGroup({f.a, f.b});
  f.Drag({10, 10}, {250, 250});
  EXPECT_EQ(f.view->MultiSelection(), (std::vector<CDrawObject*>{c, f.a, f.b}));
  EXPECT_EQ(f.host.LastStatus(), " 3 objects selected");
}

TEST(MultiSelection, ShiftClickOnTheSecondOfTwoLeavesTheFirstCurrent) {
  TwoRects f;
  f.SelectBoth();
  f.Click({120, 70}, Shift());
  EXPECT_EQ(f.view->CurrentObject(), f.a);
  EXPECT_TRUE(f.view->MultiSelection().empty());
  EXPECT_EQ(f.UndoSteps(), 0u);
}

TEST(MultiSelection, MovingSnapsTheMembersUnionToTheGrid) {
  TwoRects f;
  f.SelectBoth();
  f.view->m_snapToGrid = true;
  // Offset (64, 14); x = 31 puts the union's left at 35, which goes to 40.
  f.Drag({80, 30}, {95, 45});
  EXPECT_EQ(f.view->Tool(), kToolSelect);
  EXPECT_EQ(f.a->GetBoxRect(), (CRect{40, 40, 80, 80}));
  EXPECT_EQ(f.b->GetBoxRect(), (CRect{120, 60, 160, 120}));
  EXPECT_EQ(f.UndoSteps(), 1u);
  EXPECT_EQ(f.view->MultiSelection().size(), 2u);

  // Pressed and released in place: nothing moves, nothing is recorded.
  f.Click({100, 50});
  EXPECT_EQ(f.UndoSteps(), 1u);
}

TEST(MultiSelection, ResizingScalesEveryMemberWithTruncation) {
  TwoRects f;
  f.SelectBoth();
  EXPECT_EQ(f.view->HandleAt({142, 102}), kHandleBottomRight);
  // The frame becomes (16, 16)-(202, 142): sx = 186 / 128, sy = 126 / 88.
  f.Drag({142, 102}, {200, 140});
  EXPECT_EQ(f.a->GetBoxRect(), (CRect{21, 21, 79, 78}));
  EXPECT_EQ(f.b->GetBoxRect(), (CRect{138, 50, 196, 135}));
  EXPECT_EQ(f.UndoSteps(), 1u);
}

TEST(MultiSelection, SelectGroupDropsMembersThatLeftTheGroup) {
  TwoRects f;
  CDrawObject* c = f.AddRect(200, 200, 20, 20);
  f.doc.CreateGroup({f.a, f.b, c});
  f.b->m_inGroup = 0;
  EXPECT_EQ(f.view->SelectGroup(f.doc.m_groups.front()), 2);
  EXPECT_EQ(f.host.LastStatus(), "Group of 2 objects");
  EXPECT_EQ(f.view->MultiSelection(), (std::vector<CDrawObject*>{f.a, c}));
  EXPECT_EQ(f.doc.m_groups.front().uids, (std::vector<std::string>{f.a->m_uid, c->m_uid}));
  // Members already selected are not counted again.
  EXPECT_EQ(f.view->SelectGroup(f.doc.m_groups.front()), 0);
}

}  // namespace
}  // namespace tessel
