#include "paint/paint_editor.h"

#include <gtest/gtest.h>

#include <memory>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "paint/paint_test_util.h"
#include "paint/painting_state.h"

namespace tessel {
namespace {

using test::Filled;

// A pointer event as the window reports it, in view pixels.
struct Event {
  enum Kind { kDown, kMove, kUp } kind;
  double x, y;
};

void Replay(CPaintEditor& editor, const std::vector<Event>& events) {
  for (const Event& e : events) {
    const CPointD p{e.x, e.y};
    if (e.kind == Event::kDown) editor.ButtonDown(p);
    if (e.kind == Event::kMove) editor.MouseMove(p);
    if (e.kind == Event::kUp) editor.ButtonUp(p);
  }
}

// A 12 × 12 hard square dab (size 4, no trimming) stepping by 6 pixels.
CBrush SquareBrush() {
  CBrush b;
  b.m_tipKind = kTipRectangular;
  b.m_size = 4;
  b.m_blur = 0;
  b.m_autoPreview = 0;
  b.SetSpacing(0.5);
  b.m_pressureMode = kPressureNone;
  b.Build(kLibraryPreviewSide);
  return b;
}

struct Fixture {
  CAppContext app;
  CDrawObject object;
  CPaintingState state;
  std::unique_ptr<CPaintEditor> editor;
  Fixture(int w, int h) {
    object.m_width = w;
    object.m_height = h;
    state.m_brush = SquareBrush();
    state.m_paintColour = 0x0000FF;  // red
    editor = std::make_unique<CPaintEditor>(object, state);
    editor->SetLogDabs(true);
  }
  std::vector<CRect> Dabs() const { return editor->DabLog(); }
};

CRect Dab(int left, int bottom) { return {left, bottom, left + 12, bottom + 12}; }

TEST(PaintEditor, StrokesPlaceDabsAtTheirExactPositions) {
  Fixture f(100, 80);
  // Zoom 1: the click stamps once at its point; each move continues after the last dab.
  Replay(*f.editor, {{Event::kDown, 20, 20}, {Event::kMove, 38, 20}, {Event::kMove, 38, 29}, {Event::kUp, 38, 29}});
  EXPECT_EQ(f.Dabs(), (std::vector<CRect>{Dab(14, 54), Dab(20, 54), Dab(26, 54), Dab(32, 54),
                                          Dab(32, 49),  // y 24.5 rounds to 25
                                          Dab(32, 45)}));
  // The layer is red and opaque under the dabs, untouched elsewhere.
  const CDIBSection& layer = f.editor->Layer();
  EXPECT_EQ(layer.RowFromTop(20)[20 * 4 + 2], 255);
  EXPECT_EQ(layer.RowFromTop(20)[20 * 4 + 3], 255);
  EXPECT_EQ(layer.RowFromTop(60)[20 * 4 + 3], 0);
  EXPECT_EQ(f.editor->TakeDirtyRect(), (CRect{14, 45, 44, 66}));
  EXPECT_TRUE(f.editor->TakeDirtyRect().IsEmpty());

  // Zoom 2 with the layer shown at (10, 4): layer column R(x/2) − 6 − 5, row 80 −
  // R(y/2) − 6 + 2.
  Fixture g(100, 80);
  g.editor->SetZoom(2);
  g.editor->SetLayerOffset(10, 4);
  Replay(*g.editor, {{Event::kDown, 40, 40}, {Event::kMove, 70, 40}, {Event::kMove, 71, 45}, {Event::kUp, 71, 45}});
  EXPECT_EQ(g.Dabs(), (std::vector<CRect>{Dab(9, 56), Dab(14, 56), Dab(19, 56), Dab(24, 56), Dab(25, 53)}));
  EXPECT_EQ(g.editor->RedrawRect(), (CRect{70 - 24, 40 - 24, 71 + 24, 45 + 24}));  // 2 · 6 · 2 around

  // Spacing off: one dab per pointer event whatever the distance; a click without
  // movement stamps exactly one dab.
  Fixture h(100, 80);
  h.state.m_brush.m_spacingEnabled = 0;
  Replay(*h.editor, {{Event::kDown, 10, 10}, {Event::kUp, 10, 10}});
  EXPECT_EQ(h.Dabs().size(), 1u);
  Replay(*h.editor, {{Event::kDown, 10, 10}, {Event::kMove, 90, 10}, {Event::kMove, 90, 70}, {Event::kUp, 90, 70}});
  EXPECT_EQ(h.Dabs().size(), 4u);
  EXPECT_EQ(h.Dabs()[3], Dab(84, 4));
}

TEST(PaintEditor, UndoRedoAndCommit) {
  Fixture f(50, 40);
  const CDIBSection before = f.editor->Layer().Clone();
  Replay(*f.editor, {{Event::kDown, 10, 10}, {Event::kMove, 30, 10}, {Event::kUp, 30, 10}});
  const CDIBSection painted = f.editor->Layer().Clone();
  Replay(*f.editor, {{Event::kDown, 25, 30}, {Event::kUp, 25, 30}});
  EXPECT_TRUE(f.editor->Undo());
  EXPECT_TRUE(f.editor->Layer() == painted);
  EXPECT_TRUE(f.editor->Undo());
  EXPECT_TRUE(f.editor->Layer() == before);
  EXPECT_FALSE(f.editor->Undo());
  EXPECT_TRUE(f.editor->Redo());
  EXPECT_TRUE(f.editor->Layer() == painted);
  EXPECT_TRUE(f.object.m_layer.IsEmpty());
  EXPECT_TRUE(f.editor->Commit());
  EXPECT_TRUE(f.object.m_layer == painted);
  EXPECT_FALSE(f.editor->Commit());
  // A new stroke forgets the redo step.
  Replay(*f.editor, {{Event::kDown, 40, 30}, {Event::kUp, 40, 30}});
  EXPECT_FALSE(f.editor->CanRedo());
}

// Painted transparency starts as an opaque white sheet that is not stored unless
// painted; the layer is left alone.
TEST(PaintEditor, TransparencyTargetPaintsThePaintedTransparency) {
  Fixture f(30, 20);
  CPaintEditor editor(f.object, f.state, PaintTarget::kTransparency);
  EXPECT_EQ(editor.Layer().Width(), 30);
  EXPECT_EQ(editor.Layer().RowFromTop(5)[5 * 4 + 3], 255);
  EXPECT_EQ(editor.Layer().RowFromTop(5)[5 * 4 + 2], 255);
  EXPECT_FALSE(editor.Commit());
  EXPECT_TRUE(f.object.m_paintTransp.IsEmpty());
  f.state.m_tool = kToolEraseTransparent;
  f.state.m_opacity = 255;
  Replay(editor, {{Event::kDown, 15, 10}, {Event::kUp, 15, 10}});
  EXPECT_TRUE(editor.Commit());
  EXPECT_TRUE(f.object.m_layer.IsEmpty());
  EXPECT_EQ(f.object.m_paintTransp.RowFromTop(10)[15 * 4 + 3], 0);
  EXPECT_EQ(f.object.m_paintTransp.RowFromTop(0)[0 * 4 + 3], 255);
  // A second editor starts from what was stored.
  CPaintEditor again(f.object, f.state, PaintTarget::kTransparency);
  EXPECT_TRUE(again.Layer() == f.object.m_paintTransp);
}

TEST(PaintEditor, PressureEraserEndAndAlphaTools) {
  Fixture f(40, 40);
  auto pen = std::make_unique<CEventPressure>(255);
  CEventPressure& events = *pen;
  f.state.m_pressure = std::move(pen);
  f.state.m_brush.m_pressureMode = kPressurePressure;
  events.Packet(2, 255);  // the eraser end paints nothing
  Replay(*f.editor, {{Event::kDown, 20, 20}, {Event::kUp, 20, 20}});
  EXPECT_TRUE(f.Dabs().empty());
  events.Packet(1, 128);
  Replay(*f.editor, {{Event::kDown, 20, 20}, {Event::kUp, 20, 20}});
  EXPECT_EQ(f.editor->Layer().RowFromTop(20)[20 * 4 + 3], 128);  // coverage 255 + 128 − 255
  EXPECT_EQ(events.GetPressure(), 255);                          // read once, then reset

  f.state.m_tool = kToolEraseTransparent;
  f.state.m_opacity = 255;
  Replay(*f.editor, {{Event::kDown, 20, 20}, {Event::kUp, 20, 20}});
  EXPECT_EQ(f.editor->Layer().RowFromTop(20)[20 * 4 + 3], 0);
  EXPECT_EQ(f.editor->Layer().RowFromTop(20)[20 * 4 + 2], 128);  // colour kept
  f.state.m_tool = kToolMakeOpaque;
  Replay(*f.editor, {{Event::kDown, 20, 20}, {Event::kUp, 20, 20}});
  EXPECT_EQ(f.editor->Layer().RowFromTop(20)[20 * 4 + 3], 255);
}

TEST(PaintEditor, StampCloneAndColourPick) {
  Fixture f(40, 20);
  CDIBSection picture = Filled(40, 20, 255, 0, 0, 255);  // blue
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) picture.RowFromBottom(y)[x * 4] = 0, picture.RowFromBottom(y)[x * 4 + 2] = 255;
  f.object.m_layer = picture.Clone();  // left half red, right half blue
  f.editor = std::make_unique<CPaintEditor>(f.object, f.state);
  f.state.m_brush.m_size = 1;
  f.state.m_brush.Build(kLibraryPreviewSide);  // one pixel

  f.state.m_tool = kToolRubberStamp;
  f.editor->ButtonDown({5, 10});  // no source yet: sets it, paints nothing
  EXPECT_TRUE(f.editor->Layer() == picture);
  // A one-pixel dab at view (x, y) lands on layer row H − y from the bottom.
  Replay(*f.editor, {{Event::kDown, 25, 10}, {Event::kUp, 25, 10}});  // shift (−20, 0)
  EXPECT_EQ(f.editor->Layer().RowFromTop(9)[25 * 4 + 2], 255);
  EXPECT_EQ(f.editor->Layer().RowFromTop(9)[25 * 4], 0);
  Replay(*f.editor, {{Event::kDown, 30, 4}, {Event::kUp, 30, 4}});  // same shift: from (10, 3)
  EXPECT_EQ(f.editor->Layer().RowFromTop(3)[30 * 4 + 2], 255);
  EXPECT_EQ(f.editor->Layer().RowFromTop(3)[31 * 4 + 2], 0);

  f.state.m_tool = kToolColorPick;
  f.editor->ButtonDown({30, 3});
  EXPECT_EQ(f.state.m_paintColour, 0x0000FFu);
  EXPECT_EQ(f.state.m_tool, kToolBrush);

  // Clone from the layers below: the object lies at (10, 5) on a 60 × 50 canvas.
  CDIBSection below = Filled(60, 50, 0, 0, 0, 255);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 60; ++x) below.RowFromTop(y)[x * 4 + 1] = uint8_t(x + 2 * y);
  f.object.m_left = 10;
  f.object.m_top = 5;
  f.editor->SetCloneImages(&below, nullptr);
  f.state.ToggleCloneSource();
  EXPECT_EQ(f.state.m_tool, kToolCloneBottom);
  f.editor->ButtonDown({3, 7});  // blueprint chosen but none given: nothing
  f.editor->ButtonUp({3, 7});
  EXPECT_EQ(f.editor->Layer().RowFromTop(6)[3 * 4 + 1], 0);
  f.state.ToggleCloneSource();
  f.editor->ButtonDown({3, 7});
  f.editor->ButtonUp({3, 7});
  EXPECT_EQ(f.editor->Layer().RowFromTop(6)[3 * 4 + 1], 13 + 2 * 11);  // canvas (13, 11)
}

}  // namespace
}  // namespace tessel
