// The view's painting commands: the "Paint Transparency" and "Paint Opaque" tools, the
// editor's entry and "Paint on Edge" handed to the window's route, and the tools that
// are off while the editor runs.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "base/app_context.h"
#include "document/bitmap_object.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/paint_editor_route.h"
#include "view/vellum_view.h"
#include "view/view_test_host.h"

namespace tessel {
namespace {

using C = ViewCommand;

// Records what the view hands over and opens nothing itself.
struct RecordingRoute : IPaintEditorRoute {
  bool RouteCommand(ViewCommand command) override {
    routed.push_back(command);
    return command != C::kZoomIn;  // the view zooms itself
  }
  void RouteState(ViewCommand command, CommandState& state) const override {
    if (command == C::kUndo) state.enabled = editorCanUndo;
  }
  bool OpenEditor(CDrawObject& object, int paintTool) override {
    opened = &object;
    tool = paintTool;
    return true;
  }
  std::vector<ViewCommand> routed;
  bool editorCanUndo = true;
  CDrawObject* opened = nullptr;
  int tool = -1;
};

// A 400 by 300 canvas at zoom 1: a 40 by 30 bitmap at (10, 10) and a rectangle at
// (100, 100) to (200, 200) without a layer.
struct PaintCommandsFixture {
  CAppContext app;
  CVellumDoc doc;
  test::RecordingViewHost host{{400, 300}};
  RecordingRoute route;
  std::unique_ptr<CVellumView> view;
  CDrawObject* bitmap = nullptr;
  CDrawObject* rect = nullptr;

  PaintCommandsFixture() {
    doc.m_width = 400;
    doc.m_height = 300;
    view = std::make_unique<CVellumView>(doc, host);
    view->OnInitialUpdate();
    view->OnSize({400, 300});
    CDIBSection picture;
    picture.Create(40, 30, 32);
    std::unique_ptr<CDrawObject> b = MakeBitmapObject(std::move(picture));
    b->SetPosition(10, 10);
    bitmap = doc.AddObject(std::move(b));
    rect = doc.NewObject();
    rect->CreateRectangle(100, 100, 200, 200);
    rect->AllocateBitmaps(100, 100);
    view->m_paintEditorRoute = &route;
  }
};

TEST(ViewPaintCommands, ToolsSetTheirCodesAndAreOffWhileTheEditorRuns) {
  PaintCommandsFixture f;
  EXPECT_TRUE(f.view->Execute(C::kToolPaintTransparency));
  EXPECT_EQ(f.view->Tool(), kToolPaintTransparency);
  EXPECT_TRUE(f.view->State(C::kToolPaintTransparency).checked);
  f.view->Execute(C::kToolPaintOpaque);
  EXPECT_EQ(f.view->Tool(), kToolPaintOpaque);
  EXPECT_FALSE(f.view->State(C::kToolPaintTransparency).checked);

  f.view->BeginPaintEditor();
  EXPECT_EQ(f.view->Tool(), kToolPaintEditor);
  for (C c : {C::kToolSelect, C::kToolRectangle, C::kToolPaintOpaque, C::kPaintEditObject, C::kDelete, C::kCut})
    EXPECT_FALSE(f.view->State(c).enabled) << int(c);
  EXPECT_TRUE(f.view->State(C::kZoomIn).enabled);
  EXPECT_TRUE(f.view->State(C::kUndo).enabled);  // the editor's answer
  f.route.editorCanUndo = false;
  EXPECT_FALSE(f.view->State(C::kUndo).enabled);
  EXPECT_TRUE(f.view->Paint({0, 0, 400, 300}).blank);

  f.view->EndPaintEditor();
  EXPECT_EQ(f.view->Tool(), kToolPaintOpaque);  // the tool chosen before
  EXPECT_FALSE(f.view->Paint({0, 0, 400, 300}).blank);
}

TEST(ViewPaintCommands, EverythingGoesToTheEditorFirstWhileItRuns) {
  PaintCommandsFixture f;
  const size_t snapshots = f.doc.m_undoList.size();
  f.view->Execute(C::kUndo);  // not running: the document's own undo, nothing routed
  EXPECT_TRUE(f.route.routed.empty());
  f.view->BeginPaintEditor();
  f.view->Execute(C::kUndo);
  f.view->Execute(C::kPressEsc);
  f.view->Execute(C::kToolRectangle);
  EXPECT_EQ(f.route.routed, (std::vector<C>{C::kUndo, C::kPressEsc, C::kToolRectangle}));
  EXPECT_EQ(f.view->Tool(), kToolPaintEditor);
  EXPECT_EQ(f.doc.m_undoList.size(), snapshots);
  const float before = f.view->Scale();
  f.view->Execute(C::kZoomIn);  // declined by the route: the view zooms
  EXPECT_GT(f.view->Scale(), before);
}

TEST(ViewPaintCommands, EditCommandOpensOnTheCurrentObject) {
  PaintCommandsFixture f;
  EXPECT_FALSE(f.view->State(C::kPaintEditObject).enabled);  // nothing selected
  EXPECT_FALSE(f.view->Execute(C::kPaintEditObject));
  f.view->SelectObject(f.rect);
  EXPECT_TRUE(f.view->State(C::kPaintEditObject).enabled);
  EXPECT_TRUE(f.view->Execute(C::kPaintEditObject));
  EXPECT_EQ(f.route.opened, f.rect);
  EXPECT_EQ(f.route.tool, 0);
  // Without a window to paint in the commands do nothing.
  f.view->m_paintEditorRoute = nullptr;
  EXPECT_FALSE(f.view->State(C::kPaintEditObject).enabled);
  EXPECT_FALSE(f.view->Execute(C::kPaintOnEdge));
}

TEST(ViewPaintCommands, PaintableObjectsAreBitmapsAndObjectsWithALayer) {
  PaintCommandsFixture f;
  EXPECT_EQ(f.view->PaintableObjectAt({20, 20}), f.bitmap);
  EXPECT_EQ(f.view->PaintableObjectAt({150, 150}), nullptr);  // a rectangle without layer
  EXPECT_EQ(f.view->PaintableObjectAt({300, 250}), nullptr);  // empty canvas
  f.rect->m_layer.Create(100, 100, 32);
  EXPECT_EQ(f.view->PaintableObjectAt({150, 150}), f.rect);
}

}  // namespace
}  // namespace tessel
