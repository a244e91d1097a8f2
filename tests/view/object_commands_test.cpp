#include <gtest/gtest.h>

#include "view/view_command_fixture.h"

namespace tessel {
namespace {

using test::ViewFixture;
using C = ViewCommand;

// Three objects of odd and even sizes: the union of their boxes is (10, 5)-(107, 71).
struct Three : ViewFixture {
  Three() {
    Add(10, 10, 31, 20, "A");
    Add(50, 30, 20, 41, "B");
    Add(100, 5, 7, 7, "C");
    Settle();
  }
  void Reset() {
    doc->ObjectAt(0)->SetPosition(10, 10);
    doc->ObjectAt(1)->SetPosition(50, 30);
    doc->ObjectAt(2)->SetPosition(100, 5);
  }
  std::vector<CPoint> Corners() const {
    std::vector<CPoint> corners;
    for (const auto& o : doc->m_objects) corners.push_back({o->m_left, o->m_top});
    return corners;
  }
};

TEST(ObjectCommand, ArrowKeysNudgeByPixelOrGridWithoutUndo) {
  Three f;
  f.doc->m_gridDistance = 20;
  CDrawObject* a = f.doc->ObjectAt(0);
  f.view->SelectObject(a);
  EXPECT_TRUE(f.view->OnKeyDown(ViewKey::kRight, {false, true, false}));
  EXPECT_EQ(a->GetBoxRect(), (CRect{30, 10, 61, 30}));
  f.view->OnKeyDown(ViewKey::kUp, {});
  f.view->OnKeyDown(ViewKey::kLeft, {});
  EXPECT_EQ(a->GetBoxRect(), (CRect{29, 9, 60, 29}));
  f.view->Execute(C::kSelectAll);
  f.view->OnKeyDown(ViewKey::kDown, {false, true, false});
  EXPECT_EQ(f.Corners(), (std::vector<CPoint>{{29, 29}, {50, 50}, {100, 25}}));
  EXPECT_EQ(f.Steps(), 0u);
}

TEST(ObjectCommand, AlignUsesTheUnionOfTheBoxes) {
  Three f;
  f.view->Execute(C::kSelectAll);
  EXPECT_EQ(f.host.LastStatus(), "Group of 3 objects");
  const std::vector<std::pair<C, std::vector<CPoint>>> cases = {
      {C::kAlignLeft, {{10, 10}, {10, 30}, {10, 5}}},
      {C::kAlignRight, {{76, 10}, {87, 30}, {100, 5}}},
      {C::kAlignTop, {{10, 5}, {50, 5}, {100, 5}}},
      {C::kAlignBottom, {{10, 51}, {50, 30}, {100, 64}}},
      // Centre x = 10 + 97 / 2 - w / 2, y = 5 + 66 / 2 - h / 2, halves truncated.
      {C::kAlignCenter, {{43, 28}, {48, 18}, {55, 35}}},
  };
  size_t steps = 0;
  for (const auto& [command, expected] : cases) {
    f.Reset();
    f.view->Execute(command);
    EXPECT_EQ(f.Corners(), expected) << ViewCommandInfo(command).name;
    EXPECT_EQ(f.Steps(), ++steps);
  }
  // Without a multi-selection the command is off and does nothing.
  f.view->SelectObject(f.doc->ObjectAt(0));
  EXPECT_FALSE(f.view->State(C::kAlignLeft).enabled);
  f.Reset();
  f.view->Execute(C::kAlignRight);
  EXPECT_EQ(f.Corners(), (std::vector<CPoint>{{10, 10}, {50, 30}, {100, 5}}));
}

TEST(ObjectCommand, CenterOnPageCentresEachMember) {
  Three f;
  f.view->SelectObject(f.doc->ObjectAt(0));
  f.view->Execute(C::kCenterOnPage);
  EXPECT_EQ(f.Corners()[0], (CPoint{185, 140}));  // 200 - 31 / 2, 150 - 20 / 2
  EXPECT_EQ(f.Steps(), 1u);
  f.view->Execute(C::kSelectAll);
  f.view->Execute(C::kCenterOnPage);
  EXPECT_EQ(f.Corners(), (std::vector<CPoint>{{185, 140}, {190, 130}, {197, 147}}));
  EXPECT_EQ(f.Steps(), 2u);
}

TEST(ObjectCommand, StackingOrderRecordsOneStepPerMovedObject) {
  ViewFixture f;
  for (const char* name : {"A", "B", "C", "D"}) f.Add(0, 0, 10, 10, name);
  f.Settle();
  CDrawObject* d = f.doc->ObjectAt(3);

  // The top object cannot come forward: nothing changes and nothing is recorded.
  f.view->SelectObject(d);
  f.view->Execute(C::kBringForward);
  f.view->Execute(C::kBringToFront);
  EXPECT_EQ(f.Steps(), 0u);
  EXPECT_EQ(f.host.layersChanged, 0);
  f.view->Execute(C::kSendBackward);
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"A", "B", "D", "C"}));
  f.view->Execute(C::kSendToBack);
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"D", "A", "B", "C"}));
  EXPECT_EQ(f.Steps(), 2u);
  EXPECT_EQ(f.host.layersChanged, 2);
}

TEST(ObjectCommand, MultiSelectionStackingRecordsOneStepPerMember) {
  ViewFixture f;
  f.Add(0, 0, 10, 10, "A");
  f.Add(0, 0, 10, 10, "B");
  f.view->Execute(C::kSelectAll);  // A and B; the objects added next are not selected
  f.Add(0, 0, 10, 10, "C");
  f.Add(0, 0, 10, 10, "D");
  f.Settle();
  f.view->Execute(C::kBringToFront);
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"C", "D", "A", "B"}));
  EXPECT_EQ(f.Steps(), 2u);
  f.view->Execute(C::kBringToFront);  // already on top in their order
  EXPECT_EQ(f.Steps(), 2u);
  f.Add(0, 0, 10, 10, "E");
  f.view->Execute(C::kSendToBack);
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"A", "B", "C", "D", "E"}));
  EXPECT_EQ(f.Steps(), 4u);
  // Forward, member by member from the top: the pair passes C together.
  f.view->Execute(C::kBringForward);
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"C", "A", "B", "D", "E"}));
  EXPECT_EQ(f.Steps(), 6u);
  EXPECT_EQ(f.host.layersChanged, 3);
}

TEST(ObjectCommand, SelectAllMembersMoveTogether) {
  ViewFixture f;
  for (const char* name : {"A", "B", "C"}) f.Add(0, 0, 10, 10, name);
  f.Settle();
  f.view->Execute(C::kSelectAll);
  EXPECT_FALSE(f.view->State(C::kBringForward).enabled);  // a current object only
  EXPECT_TRUE(f.view->State(C::kBringToFront).enabled);
  f.view->Execute(C::kSendToBack);  // all of them are the bottom already
  f.view->Execute(C::kBringToFront);
  EXPECT_EQ(f.Steps(), 0u);
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"A", "B", "C"}));
}

TEST(ObjectCommand, DeleteRecordsOneStepForAnObjectAndTwoForASelection) {
  Three f;
  f.view->SelectObject(f.doc->ObjectAt(1));
  f.view->Execute(C::kDelete);
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(f.view->CurrentObject(), nullptr);
  EXPECT_EQ(f.Steps(), 1u);
  EXPECT_EQ(f.host.layersChanged, 1);
  f.view->Execute(C::kSelectAll);
  f.view->OnKeyDown(ViewKey::kDelete, {});
  EXPECT_EQ(f.doc->ObjectCount(), 0);
  EXPECT_TRUE(f.view->MultiSelection().empty());
  EXPECT_EQ(f.Steps(), 3u);
  EXPECT_EQ(f.host.layersChanged, 2);
  f.view->Execute(C::kUndo);  // the step before the delete
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"A", "C"}));
}

TEST(ObjectCommand, UndoAndRedoRestoreTheFieldsAndDropTheSelection) {
  Three f;
  f.view->Execute(C::kSelectAll);
  f.view->Execute(C::kAlignLeft);
  ASSERT_TRUE(f.view->State(C::kUndo).enabled);
  const int layers = f.host.layersChanged;
  f.view->Execute(C::kUndo);
  EXPECT_EQ(f.Corners(), (std::vector<CPoint>{{10, 10}, {50, 30}, {100, 5}}));
  EXPECT_EQ(f.view->CurrentObject(), nullptr);
  EXPECT_TRUE(f.view->MultiSelection().empty());
  EXPECT_EQ(f.host.layersChanged, layers + 1);
  EXPECT_FALSE(f.view->State(C::kUndo).enabled);
  f.view->SelectObject(f.doc->ObjectAt(2));
  f.view->Execute(C::kRedo);
  EXPECT_EQ(f.view->CurrentObject(), nullptr);
  EXPECT_EQ(f.Corners(), (std::vector<CPoint>{{10, 10}, {10, 30}, {10, 5}}));
  // The new objects take commands at once.
  f.view->SelectObject(f.doc->ObjectAt(2));
  f.view->Execute(C::kCenterOnPage);
  EXPECT_EQ(f.Corners()[2], (CPoint{197, 147}));
}

TEST(ObjectCommand, GroupAndUngroup) {
  Three f;
  EXPECT_FALSE(f.view->State(C::kUngroup).enabled);
  f.view->Execute(C::kSelectAll);
  f.view->Execute(C::kGroup);
  EXPECT_EQ(f.host.LastStatus(), "You Created Group of 3 objects");
  ASSERT_NE(f.view->CurrentGroup(), nullptr);
  EXPECT_EQ(f.view->CurrentGroup(), &f.doc->m_groups.back());
  EXPECT_EQ(f.doc->ObjectAt(1)->m_inGroup, 1);
  // Grouping two of them again takes them out of the first group.
  f.view->Execute(C::kSelectAll);
  f.view->Execute(C::kGroup);
  ASSERT_EQ(f.doc->m_groups.size(), 1u);
  EXPECT_TRUE(f.view->State(C::kUngroup).enabled);
  f.view->Execute(C::kUngroup);
  EXPECT_EQ(f.host.LastStatus(), " 3 objects selected");
  EXPECT_EQ(f.view->CurrentGroup(), nullptr);
  EXPECT_TRUE(f.doc->m_groups.empty());
  EXPECT_EQ(f.doc->ObjectAt(1)->m_inGroup, 0);
}

TEST(ObjectCommand, NeighboursHidingAndFlipping) {
  Three f;
  CDrawObject* b = f.doc->ObjectAt(1);
  f.view->SelectObject(b);
  f.view->Execute(C::kNextObject);
  EXPECT_EQ(f.view->CurrentObject(), f.doc->ObjectAt(2));
  f.view->Execute(C::kNextObject);  // the top stays
  EXPECT_EQ(f.view->CurrentObject(), f.doc->ObjectAt(2));
  f.view->SelectObject(b);
  f.view->Execute(C::kPreviousObject);
  EXPECT_EQ(f.view->CurrentObject(), f.doc->ObjectAt(0));

  f.doc->ObjectAt(0)->m_hidden = 1;
  f.view->SelectObject(b);
  f.view->Execute(C::kHideAbove);
  EXPECT_EQ(f.doc->ObjectAt(0)->m_hidden, 0);
  EXPECT_EQ(b->m_hidden, 0);
  EXPECT_EQ(f.doc->ObjectAt(2)->m_hidden, 1);
  EXPECT_EQ(f.Steps(), 1u);
  f.view->Execute(C::kShowAll);
  EXPECT_EQ(f.doc->ObjectAt(2)->m_hidden, 0);

  // A clone mirrors its picture through its flag; a plain object has none to toggle.
  b->m_cloneOf = 1;
  f.view->Execute(C::kFlipHorizontal);
  f.view->Execute(C::kFlipVertical);
  f.view->Execute(C::kFlipVertical);
  EXPECT_EQ(b->m_flipH, 1);
  EXPECT_EQ(b->m_flipV, 0);
  f.view->SelectObject(f.doc->ObjectAt(0));
  f.view->Execute(C::kFlipHorizontal);
  EXPECT_EQ(f.doc->ObjectAt(0)->m_flipH, 0);
  EXPECT_EQ(f.Steps(), 5u);
}

TEST(ViewCommand, ObjectMenuListsTheWorkingEntries) {
  ViewFixture f;
  EXPECT_EQ(f.view->ContextMenuEntries(), (std::vector<std::string>{"&Copy", "&Paste", "Paste Atributes"}));
  EXPECT_FALSE(f.view->State(C::kCut).enabled);
  EXPECT_FALSE(f.view->State(C::kSendBackward).enabled);
  f.view->SelectObject(f.Add(0, 0, 5, 5));
  EXPECT_TRUE(f.view->State(C::kCut).enabled);
  EXPECT_TRUE(f.view->State(C::kSendBackward).enabled);
}

}  // namespace
}  // namespace tessel
