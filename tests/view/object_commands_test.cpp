#include <gtest/gtest.h>

#include "view/view_command_fixture.h"

namespace tessel {
namespace {

using test::ViewFixture;
using C = ViewCommand;
using Corners = std::vector<CPoint>;

// Three objects of odd and even sizes: the union of their boxes is (10, 5)-(107, 71).
struct Three : ViewFixture {
  Three() {
    Add(10, 10, 31, 20, "A");
    Add(50, 30, 20, 41, "B");
    Add(100, 5, 7, 7, "C");
    Settle();
  }
  void Reset() {
    const Corners start = {{10, 10}, {50, 30}, {100, 5}};
    for (int i = 0; i < 3; ++i) doc->ObjectAt(i)->SetPosition(start[i].x, start[i].y);
  }
  Corners TopLefts() const {
    Corners corners;
    for (const auto& o : doc->m_objects) corners.push_back({o->m_left, o->m_top});
    return corners;
  }
};

TEST(ObjectCommand, ArrowKeysNudgeByPixelOrGridWithoutUndo) {
  Three f;
  f.doc->m_gridDistance = 20;
  f.view->SelectObject(f.doc->ObjectAt(0));
  EXPECT_TRUE(f.view->OnKeyDown(ViewKey::kRight, {false, true, false}));
  f.view->OnKeyDown(ViewKey::kUp, {});
  EXPECT_EQ(f.Box(0), (CRect{30, 9, 61, 29}));
  f.view->Execute(C::kSelectAll);
  f.view->OnKeyDown(ViewKey::kDown, {false, true, false});
  EXPECT_EQ(f.TopLefts(), (Corners{{30, 29}, {50, 50}, {100, 25}}));
  EXPECT_EQ(f.Steps(), 0u);
}

TEST(ObjectCommand, AlignAndCentreOnPageArithmetic) {
  Three f;
  f.view->Execute(C::kSelectAll);
  EXPECT_EQ(f.host.LastStatus(), "Group of 3 objects");
  const std::vector<std::pair<C, Corners>> cases = {
      {C::kAlignLeft, {{10, 10}, {10, 30}, {10, 5}}},
      {C::kAlignRight, {{76, 10}, {87, 30}, {100, 5}}},
      {C::kAlignTop, {{10, 5}, {50, 5}, {100, 5}}},
      {C::kAlignBottom, {{10, 51}, {50, 30}, {100, 64}}},
      // x = 10 + 97 / 2 - w / 2, y = 5 + 66 / 2 - h / 2, halves truncated.
      {C::kAlignCenter, {{43, 28}, {48, 18}, {55, 35}}},
      // Each on its own: 200 - w / 2, 150 - h / 2.
      {C::kCenterOnPage, {{185, 140}, {190, 130}, {197, 147}}},
  };
  size_t steps = 0;
  for (const auto& [command, expected] : cases) {
    f.Reset();
    f.view->Execute(command);
    EXPECT_EQ(f.TopLefts(), expected) << ViewCommandInfo(command).name;
    EXPECT_EQ(f.Steps(), ++steps);
  }
}

TEST(ObjectCommand, StackingOrderRecordsOneStepPerMove) {
  ViewFixture f;
  for (const char* name : {"A", "B", "C", "D"}) f.Add(0, 0, 10, 10, name);
  f.Settle();
  // The top object cannot come forward: nothing changes and nothing is recorded.
  f.view->SelectObject(f.doc->ObjectAt(3));
  f.view->Execute(C::kBringForward);
  f.view->Execute(C::kBringToFront);
  EXPECT_EQ(f.Steps(), 0u);
  EXPECT_EQ(f.host.layersChanged, 0);
  f.view->Execute(C::kSendBackward);
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
  EXPECT_FALSE(f.view->State(C::kBringForward).enabled);  // a current object only
  f.view->Execute(C::kBringToFront);
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"C", "D", "A", "B"}));
  EXPECT_EQ(f.Steps(), 2u);
  f.view->Execute(C::kBringToFront);  // already on top in their order
  EXPECT_EQ(f.Steps(), 2u);
  f.view->Execute(C::kSendToBack);
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"A", "B", "C", "D"}));
  f.view->Execute(C::kBringForward);  // the pair passes C together
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"C", "A", "B", "D"}));
  EXPECT_EQ(f.Steps(), 6u);
}

TEST(ObjectCommand, DeleteRecordsOneStepForAnObjectAndTwoForASelection) {
  Three f;
  f.view->SelectObject(f.doc->ObjectAt(1));
  f.view->Execute(C::kDelete);
  EXPECT_EQ(f.Names(), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(f.Steps(), 1u);
  f.view->Execute(C::kSelectAll);
  f.view->OnKeyDown(ViewKey::kDelete, {});
  EXPECT_EQ(f.doc->ObjectCount(), 0);
  EXPECT_TRUE(f.view->MultiSelection().empty());
  EXPECT_EQ(f.Steps(), 3u);
  EXPECT_EQ(f.host.layersChanged, 2);
}

TEST(ObjectCommand, UndoAndRedoRestoreTheFieldsAndDropTheSelection) {
  Three f;
  f.view->Execute(C::kSelectAll);
  f.view->Execute(C::kAlignLeft);
  f.view->Execute(C::kUndo);
  EXPECT_EQ(f.TopLefts(), (Corners{{10, 10}, {50, 30}, {100, 5}}));
  EXPECT_TRUE(f.view->MultiSelection().empty());
  EXPECT_EQ(f.host.layersChanged, 1);
  EXPECT_FALSE(f.view->State(C::kUndo).enabled);
  f.view->SelectObject(f.doc->ObjectAt(2));
  f.view->Execute(C::kRedo);
  EXPECT_EQ(f.view->CurrentObject(), nullptr);
  EXPECT_EQ(f.TopLefts(), (Corners{{10, 10}, {10, 30}, {10, 5}}));
}

TEST(ObjectCommand, GroupHideAndFlip) {
  Three f;
  f.view->Execute(C::kSelectAll);
  f.view->Execute(C::kGroup);
  EXPECT_EQ(f.host.LastStatus(), "You Created Group of 3 objects");
  EXPECT_EQ(f.view->CurrentGroup(), &f.doc->m_groups.back());
  f.view->Execute(C::kGroup);  // the members leave their old group
  ASSERT_EQ(f.doc->m_groups.size(), 1u);
  f.view->Execute(C::kUngroup);
  EXPECT_EQ(f.host.LastStatus(), " 3 objects selected");
  EXPECT_FALSE(f.view->State(C::kUngroup).enabled);
  EXPECT_EQ(f.doc->ObjectAt(1)->m_inGroup, 0);

  CDrawObject* b = f.doc->ObjectAt(1);
  f.doc->ObjectAt(0)->m_hidden = 1;
  f.view->SelectObject(b);
  f.view->Execute(C::kHideAbove);
  EXPECT_EQ(f.doc->ObjectAt(0)->m_hidden + b->m_hidden, 0);
  EXPECT_EQ(f.doc->ObjectAt(2)->m_hidden, 1);
  // A clone mirrors its picture through its flags.
  b->m_cloneOf = 1;
  f.view->Execute(C::kFlipHorizontal);
  f.view->Execute(C::kFlipVertical);
  f.view->Execute(C::kFlipVertical);
  EXPECT_EQ(b->m_flipH, 1);
  EXPECT_EQ(b->m_flipV, 0);
  EXPECT_EQ(f.Steps(), 4u);
}

}  // namespace
}  // namespace tessel
