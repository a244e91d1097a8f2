// The property bars' edits: one undo step per change, none for an edit that changes
// nothing, a slider preview folded into the release's step, and the look of new objects
// while nothing is selected.
#include "render/compositor.h"
#include "view/view_command_fixture.h"

namespace tessel::test {
namespace {

TEST(LookEdit, ChangeRendersAndRecordsOneStep) {
  ViewFixture f;
  CDrawObject* object = f.Add(10, 10, 40, 30, "pic");
  f.view->SelectObject(object);
  f.Settle();
  object->m_rendered = 0;
  EXPECT_EQ(f.view->EditLook([](CDrawObject& o) { o.m_opacity = 100; }), 1);
  EXPECT_EQ(object->m_opacity, 100);
  EXPECT_EQ(object->m_rendered, 1);
  EXPECT_EQ(f.Steps(), 1u);
  // The same value again changes nothing and records nothing.
  EXPECT_EQ(f.view->EditLook([](CDrawObject& o) { o.m_opacity = 100; }), 0);
  EXPECT_EQ(f.Steps(), 1u);
  // A name is stored but not rendered: still a step.
  EXPECT_EQ(f.view->EditLook([](CDrawObject& o) { o.m_name = "renamed"; }), 1);
  EXPECT_EQ(f.Steps(), 2u);
}

TEST(LookEdit, PreviewThenReleaseIsOneStepAndUndoRestores) {
  ViewFixture f;
  CDrawObject* object = f.Add(10, 10, 40, 30, "pic");
  f.view->SelectObject(object);
  f.Settle();
  for (int v : {200, 150, 120}) f.view->PreviewLook([v](CDrawObject& o) { o.m_opacity = v; });
  EXPECT_EQ(f.Steps(), 0u);
  EXPECT_EQ(f.view->EditLook([](CDrawObject& o) { o.m_opacity = 120; }), 1);
  EXPECT_EQ(f.Steps(), 1u);
  f.view->Execute(ViewCommand::kUndo);
  EXPECT_EQ(f.doc->ObjectAt(0)->m_opacity, 255);
}

TEST(LookEdit, MultiSelectionIsOneStep) {
  ViewFixture f;
  CDrawObject* a = f.Add(10, 10, 40, 30, "a");
  CDrawObject* b = f.Add(60, 10, 40, 30, "b");
  f.view->SelectObject(nullptr);
  f.view->ToggleInMultiSelection(a);
  f.view->ToggleInMultiSelection(b);
  f.Settle();
  EXPECT_EQ(f.view->EditLook([](CDrawObject& o) { o.m_shadowOption = 3; }), 2);
  EXPECT_EQ(f.Steps(), 1u);
  EXPECT_EQ(a->m_shadowOption, 3);
  EXPECT_EQ(b->m_shadowOption, 3);
}

TEST(LookEdit, NothingSelectedEditsTheLookOfNewObjects) {
  ViewFixture f;
  f.Settle();
  EXPECT_EQ(f.view->EditLook([](CDrawObject& o) {
    o.m_effect = 1;
    o.m_color = 0x00FF00;
    o.m_outlineType = 2;
    o.m_lineWidth = 9;
  }), 0);
  EXPECT_EQ(f.Steps(), 0u);
  EXPECT_EQ(f.view->DefaultLook().m_effect, 1);
  f.view->Execute(ViewCommand::kToolRectangle);
  auto at = [&](int x, int y) { return f.view->DocumentToWindow(CPoint{x, y}); };
  f.view->OnLButtonDown(at(20, 20), {});
  f.view->OnMouseMove(at(50, 40), {});
  f.view->OnMouseMove(at(80, 60), {});
  f.view->OnLButtonUp(at(80, 60), {});
  ASSERT_EQ(f.doc->m_objects.size(), 1u);
  const CDrawObject& made = *f.doc->ObjectAt(0);
  EXPECT_EQ(made.m_effect, 1);
  EXPECT_EQ(made.m_color, 0x00FF00u);
  EXPECT_EQ(made.m_outlineType, 2);
  EXPECT_EQ(made.m_lineWidth, 9);
}

}  // namespace
}  // namespace tessel::test
