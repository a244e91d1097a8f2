#include <gtest/gtest.h>

#include <string>

#include "view/select_fixture.h"

namespace tessel {
namespace {

using test::SelectFixture;

TEST(HitTest, PixelTestSeesThroughUncoveredCornersAndRectangleTestDoesNot) {
  SelectFixture f;
  CDrawObject* below = f.AddRect(50, 50, 100, 100);
  CDrawObject* circle = f.AddCircle(50, 50, 100, 100);

  std::string hint;
  EXPECT_EQ(f.doc.ObjectAt(53, 53, false, &hint), below);  // the ellipse leaves the corner bare
  EXPECT_EQ(hint, "Ctrl - to select object by bounding rectangle");
  EXPECT_EQ(f.doc.ObjectAt(53, 53, true), circle);
  hint.clear();
  EXPECT_EQ(f.doc.ObjectAt(100, 100, false, &hint), circle);
  EXPECT_EQ(hint, "");

  // The selection rectangle reaches 3 pixels beyond the box; samples reach the outline.
  EXPECT_EQ(f.doc.ObjectAt(48, 52, false), below);
  EXPECT_EQ(f.doc.ObjectAt(46, 52, false), nullptr);
  EXPECT_EQ(f.doc.ObjectAt(46, 52, true), nullptr);

  circle->m_hidden = 1;
  EXPECT_EQ(f.doc.ObjectAt(100, 100, true), below);
}

TEST(HitTest, GroupMembersArePickedOnlyThroughTheirGroup) {
  SelectFixture f;
  CDrawObject* loose = f.AddRect(10, 10, 100, 100);
  CDrawObject* a = f.AddRect(60, 60, 40, 40);
  CDrawObject* b = f.AddRect(200, 60, 40, 40);
  f.doc.CreateGroup({a, b});

  std::string hint;
  EXPECT_EQ(f.doc.ObjectAt(80, 80, false, &hint), loose);  // the member is passed over
  EXPECT_EQ(hint, "Ctrl - to select object by bounding rectangle");
  EXPECT_EQ(f.doc.ObjectAt(80, 80, true), nullptr);  // the topmost rectangle is a member
  ASSERT_NE(f.doc.GroupAt(80, 80), nullptr);
  EXPECT_EQ(f.doc.GroupAt(80, 80), &f.doc.m_groups.front());
  EXPECT_EQ(f.doc.GroupAt(5, 5), nullptr);

  // A later group wins; rectangles follow the members when recomputed.
  CDrawObject* c = f.AddRect(70, 70, 10, 10);
  CDrawObject* d = f.AddRect(300, 250, 10, 10);
  f.doc.CreateGroup({c, d});
  EXPECT_EQ(f.doc.GroupAt(80, 80), &f.doc.m_groups.back());
  b->SetPosition(300, 200);
  f.doc.RecomputeGroupRects();
  EXPECT_EQ(f.doc.m_groups.front().rect, (CRect{57, 57, 343, 243}));
}

}  // namespace
}  // namespace tessel
