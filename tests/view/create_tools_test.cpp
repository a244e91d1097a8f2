// The creation tools of the editing view, driven through its mouse input.
#include <gtest/gtest.h>

#include <memory>

#include "base/app_context.h"
#include "base/dib_section.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "export/svg_import.h"
#include "io/png_writer.h"
#include "test_util.h"
#include "view/vellum_view.h"
#include "view/view_test_host.h"

namespace tessel {
namespace {

using C = ViewCommand;

// A window that answers the text editor and the file chooser from the test.
class DialogHost : public test::RecordingViewHost {
 public:
  using RecordingViewHost::RecordingViewHost;
  bool AskText(TextRequest* request) override {
    asked = *request;
    if (!answer) return false;
    *request = *answer;
    return true;
  }
  std::string AskImageFile() override { return imageFile; }

  std::unique_ptr<TextRequest> answer;  // null: the user cancels
  TextRequest asked;
  std::string imageFile;
};

class CreateTools : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.OnNewDocument();  // a 400 x 300 canvas with its first undo snapshot
    view = std::make_unique<CVellumView>(doc, host);
    view->SetCenterFlag(false);
    view->OnSize({400, 300});
    view->OnInitialUpdate();
  }

  // Input at document points (the window mapping is the view's).
  CPoint W(int x, int y) const { return view->DocumentToWindow(CPoint{x, y}); }
  void Down(int x, int y, ViewKeys k = {}) { view->OnLButtonDown(W(x, y), k); }
  void Move(int x, int y, ViewKeys k = {}) { view->OnMouseMove(W(x, y), k); }
  void Up(int x, int y, ViewKeys k = {}) { view->OnLButtonUp(W(x, y), k); }
  void Click(int x, int y, ViewKeys k = {}) { Down(x, y, k), Up(x, y, k); }
  void Drag(CPoint from, CPoint to, ViewKeys k = {}) {
    Down(from.x, from.y, k);
    Move((from.x + to.x) / 2, (from.y + to.y) / 2, k);
    Move(to.x, to.y, k);
    Up(to.x, to.y, k);
  }
  size_t UndoSteps() const { return doc.m_undoList.size(); }
  CDrawObject* Top() const { return doc.ObjectAt(doc.ObjectCount() - 1); }

  CAppContext app;
  CVellumDoc doc;
  DialogHost host{CSize{400, 300}};
  std::unique_ptr<CVellumView> view;
  const ViewKeys shift{true, false, false};
};

TEST_F(CreateTools, ShiftDragMakesASquareGrowingRightAndDownFromTheTopLeft) {
  const size_t before = UndoSteps();
  view->Execute(C::kToolRectangle);
  EXPECT_TRUE(view->State(C::kToolRectangle).checked);
  Drag({10, 10}, {40, 20}, shift);
  ASSERT_EQ(doc.ObjectCount(), 1);
  // The square (10, 10)-(40, 40); the rectangle's box exceeds it by 2 on every side.
  EXPECT_EQ(Top()->GetBoxRect(), (CRect{8, 8, 42, 42}));
  EXPECT_EQ(view->Tool(), kToolSelect);
  EXPECT_EQ(view->CurrentObject(), Top());
  EXPECT_EQ(UndoSteps(), before + 1);

  view->Execute(C::kToolRectangle);
  Drag({40, 20}, {10, 10}, shift);  // dragged up and left: the same square
  EXPECT_EQ(Top()->GetBoxRect(), (CRect{8, 8, 42, 42}));
}

TEST_F(CreateTools, EachShapeToolMakesItsShapeOnTopWithOneUndoStep) {
  const struct {
    C command;
    const char* name;
  } shapes[] = {{C::kToolRectangle, "Rectangle"}, {C::kToolCircle, "Circle"}, {C::kToolRoundRect, "Round-Rect"},
                {C::kToolStar, "Star"}};
  const size_t before = UndoSteps();
  int made = 0;
  for (const auto& s : shapes) {
    SCOPED_TRACE(s.name);
    view->Execute(s.command);
    Drag({50, 60}, {150, 110});
    ASSERT_EQ(doc.ObjectCount(), ++made);
    EXPECT_EQ(Top()->m_name, s.name);
    EXPECT_EQ(Top()->GetBoxRect(), (CRect{48, 58, 152, 112}));
    EXPECT_EQ(view->CurrentObject(), Top());
    EXPECT_EQ(view->Tool(), kToolSelect);
    EXPECT_EQ(UndoSteps(), before + made);
  }
  EXPECT_EQ(host.layersChanged, made);
  EXPECT_FALSE(host.captured);
}

TEST_F(CreateTools, CornerAndStarValuesComeFromTheToolBar) {
  view->Execute(C::kToolRoundRect);
  EXPECT_EQ(view->ToolValueLabel(), "Corners");
  EXPECT_EQ(view->ToolValue(), 100);
  view->SetToolValue(512);
  Drag({50, 50}, {150, 100});

  view->Execute(C::kToolStar);
  EXPECT_EQ(view->ToolValueLabel(), "Angles");
  EXPECT_EQ(view->ToolValue(), 6);
  view->SetToolValue(2);
  Drag({50, 50}, {150, 150});
  EXPECT_EQ(Top()->m_path.Count(), 18);  // a star of 3 points: 6 records per point

  view->Execute(C::kToolStar);
  EXPECT_EQ(view->ToolValue(), 3);
  view->Execute(C::kToolRoundRect);
  EXPECT_EQ(view->ToolValue(), 512);
  view->Execute(C::kToolSelect);
  EXPECT_EQ(view->ToolValueLabel(), "");
}

TEST_F(CreateTools, PencilStrokeClosesWhenReleasedAtItsStart) {
  view->Execute(C::kToolPencil);
  Down(100, 100);
  Move(150, 100);
  Move(150, 150);
  Move(101, 101);  // back at the start with four points: too few to show closing
  EXPECT_FALSE(view->WillClose());
  Up(101, 101);
  ASSERT_EQ(doc.ObjectCount(), 1);
  EXPECT_EQ(Top()->m_name, "Free Path");
  // Closing was asked for; the free path keeps strokes under six points open.
  EXPECT_EQ(Top()->m_path.m_closed, 0);

  const CPoint loop[] = {{150, 100}, {200, 120}, {200, 180}, {150, 200}, {100, 150}};
  for (bool backToStart : {true, false}) {
    view->Execute(C::kToolPencil);
    Down(100, 100);
    for (CPoint p : loop) Move(p.x, p.y);
    EXPECT_FALSE(view->WillClose());
    const CPoint end = backToStart ? CPoint{103, 97} : CPoint{104, 100};
    Move(end.x, end.y);
    EXPECT_EQ(view->WillClose(), backToStart);
    Up(end.x, end.y);
    EXPECT_EQ(Top()->m_path.m_closed, backToStart ? 1 : 0);
    EXPECT_EQ(view->Tool(), kToolSelect);
  }
  EXPECT_EQ(doc.ObjectCount(), 3);
}

TEST_F(CreateTools, PathClosesOnItsFirstPointAndEndsOpenOnDoubleClickOrRightPress) {
  view->Execute(C::kToolNewPath);
  EXPECT_EQ(host.LastStatus(), "Options: SHIFT - Draw Straight Line, DOUBLECLICK - Finish drawing");
  Click(100, 100);
  Click(200, 100);
  Move(170, 170);  // no button: only the rubber segment follows
  Click(150, 200);
  EXPECT_EQ(view->CreationRecords(), 9);
  Click(103, 97);  // strictly within 4 pixels of the start
  ASSERT_EQ(doc.ObjectCount(), 1);
  EXPECT_EQ(Top()->m_name, "Path");
  EXPECT_EQ(Top()->m_path.m_closed, 1);
  EXPECT_EQ(Top()->m_path.Count(), 9);
  EXPECT_EQ(view->Tool(), kToolSelect);
  EXPECT_EQ(view->CreationRecords(), 0);

  view->Execute(C::kToolNewPath);
  Click(100, 100);
  Click(200, 100);
  Click(104, 150);  // 4 pixels away: a new point
  Click(300, 100);
  view->OnLButtonDblClk(W(300, 100), {});
  EXPECT_EQ(Top()->m_path.m_closed, 0);
  EXPECT_EQ(Top()->m_path.Count(), 10);  // four points, open: 3 x 3 + 1
  Up(300, 100);                           // the double-click's own release
  EXPECT_EQ(doc.ObjectCount(), 2);

  view->Execute(C::kToolNewPath);
  Click(100, 100);
  Click(200, 150);
  view->OnRButtonDown(W(200, 150), {});
  EXPECT_FALSE(view->OnRButtonUp(W(200, 150), {}));  // no context menu
  EXPECT_EQ(Top()->m_path.Count(), 4);
  EXPECT_EQ(doc.ObjectCount(), 3);
}

TEST_F(CreateTools, PathHandlesAreMirroredUnlessTheSegmentIsStraight) {
  view->Execute(C::kToolNewPath);
  Click(100, 100);
  Down(200, 200);
  Move(210, 200);
  Up(220, 200);  // outgoing handle (220, 200), incoming its mirror (180, 200)
  Click(300, 100);
  view->OnRButtonDown(W(300, 100), {});
  // Points: anchor, outgoing, incoming of the next; the box spans (100, 100)-(300, 200).
  const auto& p = Top()->m_path.m_points;
  ASSERT_EQ(p.size(), 7u);
  EXPECT_DOUBLE_EQ(p[2].x, 0.4);
  EXPECT_DOUBLE_EQ(p[3].x, 0.5);
  EXPECT_DOUBLE_EQ(p[4].x, 0.6);
  EXPECT_DOUBLE_EQ(p[4].y, 1.0);

  view->Execute(C::kToolNewPath);
  Click(100, 100);
  Down(200, 200, shift);
  Up(250, 200, shift);
  view->OnRButtonDown(W(250, 200), {});
  const auto& q = Top()->m_path.m_points;
  ASSERT_EQ(q.size(), 4u);
  // Both handles of the segment lie on its first point: a straight line.
  EXPECT_EQ(q[1], q[0]);
  EXPECT_EQ(q[2], q[0]);
}

TEST_F(CreateTools, PathPointsSnapToTheGrid) {
  view->m_snapToGrid = true;  // grid distance 20
  view->Execute(C::kToolNewPath);
  Click(29, 31);  // (20, 40)
  Click(71, 49);  // (80, 40)
  view->OnRButtonDown(W(71, 49), {});
  ASSERT_EQ(doc.ObjectCount(), 1);
  EXPECT_EQ(Top()->GetBoxRect(), (CRect{8, 28, 92, 52}));  // an open path's box exceeds it by 12
}

TEST_F(CreateTools, ArrowFromThreeClicksTwoClicksAndADoubleClickOrRightPresses) {
  view->NewObjectDefaults().looks.object.m_color = 0x123456;
  view->Execute(C::kToolArrow);
  Click(100, 100);
  Click(200, 100);
  Move(230, 170);
  Click(230, 150);  // only its horizontal distance counts: a head 30 wide on each side
  ASSERT_EQ(doc.ObjectCount(), 1);
  const CDrawObject& a = *Top();
  EXPECT_EQ(a.m_name, "Arrow");
  EXPECT_EQ(a.m_color, 0u);
  EXPECT_EQ(a.m_color2, 0xFFFFFFu);
  EXPECT_EQ(a.m_textureAmount, 0);
  EXPECT_EQ(a.m_path.Count(), 21);
  // Shaft 10 wide on each side, head from x 140 to the tip at 200, 30 wide on each side.
  EXPECT_EQ(a.GetBoxRect(), (CRect{98, 68, 202, 132}));
  EXPECT_EQ(view->Tool(), kToolSelect);

  view->Execute(C::kToolArrow);
  Click(100, 100);
  Click(200, 100);
  view->OnLButtonDblClk(W(200, 100), {});
  EXPECT_EQ(doc.ObjectCount(), 2);
  EXPECT_EQ(Top()->m_name, "Arrow");
  // P2 = P1: the head is an eighth of the length wide on each side (87.5 to 112.5).
  EXPECT_EQ(Top()->GetBoxRect(), (CRect{98, 86, 202, 115}));

  view->Execute(C::kToolArrow);
  for (CPoint p : {CPoint{100, 200}, CPoint{250, 200}}) view->OnRButtonDown(W(p.x, p.y), {});
  EXPECT_EQ(doc.ObjectCount(), 2);
  view->OnRButtonDown(W(260, 260), {});
  EXPECT_FALSE(view->OnRButtonUp(W(260, 260), {}));
  EXPECT_EQ(doc.ObjectCount(), 3);
}

TEST_F(CreateTools, FailedBuildsLeaveNoObjectAndNoUndoStep) {
  const size_t before = UndoSteps();
  view->Execute(C::kToolArrow);
  for (int i = 0; i < 3; ++i) Click(100, 100);  // tail and tip at one point
  view->Execute(C::kToolPencil);
  Click(150, 150);  // a stroke of one point
  view->Execute(C::kToolNewPath);
  Click(120, 120);
  Click(121, 122);  // the start again after one point: too few to make a path
  view->Execute(C::kToolText);
  Click(50, 50);  // the text editor is cancelled
  EXPECT_EQ(doc.ObjectCount(), 0);
  EXPECT_EQ(UndoSteps(), before);
  EXPECT_EQ(view->CurrentObject(), nullptr);
  EXPECT_EQ(view->Tool(), kToolSelect);
  EXPECT_EQ(host.layersChanged, 0);
}

TEST_F(CreateTools, NewObjectsTakeTheDefaultsOfTheirKind) {
  CCreationDefaults& d = view->NewObjectDefaults();
  d.looks.object.m_color = 0x123456;
  d.looks.text.m_color = 0x654321;
  d.m_objectLineWidth = 9;
  d.outline.m_outlineWidth = 33;
  view->Execute(C::kToolCircle);
  Drag({50, 50}, {100, 100});
  EXPECT_EQ(Top()->m_color, 0x123456u);
  EXPECT_EQ(Top()->m_lineWidth, 9);
  EXPECT_EQ(Top()->m_outlineWidth, 33);

  host.answer = std::make_unique<TextRequest>();
  host.answer->text = "Hi";
  host.answer->font.faceName = "Arial";
  host.answer->size = 30;
  host.answer->bold = true;
  view->Execute(C::kToolText);
  Click(60, 70);
  EXPECT_EQ(host.asked.size, 20.0);  // the profile's defaults went into the editor
  EXPECT_EQ(host.asked.where, (CPoint{60, 70}));
  ASSERT_EQ(doc.ObjectCount(), 2);
  const CDrawObject& text = *Top();
  EXPECT_TRUE(text.IsText());
  EXPECT_EQ(text.m_color, 0x654321u);
  EXPECT_EQ(text.m_outlineWidth, CObjectFields().m_outlineWidth);  // outline defaults are for objects
  EXPECT_EQ(text.m_textBold, 1);
  EXPECT_EQ(text.m_textSize, 30.0);
  EXPECT_EQ(view->TextDefaults().m_textSize, 30.0);  // the choice becomes the default
  EXPECT_EQ(view->TextDefaults().m_textBold, 1);

  test::TempDir dir;
  CDIBSection picture;
  picture.Create(7, 5, 32);
  ASSERT_TRUE(WritePngBgra(dir.File("pic.png"), picture, true, nullptr));
  host.imageFile = dir.File("pic.png");
  view->Execute(C::kToolImage);
  Click(30, 40);
  ASSERT_EQ(doc.ObjectCount(), 3);
  const CDrawObject& bitmap = *Top();
  EXPECT_TRUE(bitmap.IsBitmap());
  EXPECT_EQ(bitmap.m_name, "pic.png");
  EXPECT_EQ(bitmap.GetBoxRect(), (CRect{30, 40, 37, 45}));
  EXPECT_EQ(bitmap.m_color, CObjectFields().m_color);  // bitmaps keep their own look
  EXPECT_EQ(view->Tool(), kToolSelect);
}

TEST_F(CreateTools, ImageToolPlacesAnSvgDrawingAtThePressAndRefusesUnreadableFiles) {
  test::TempDir dir;
  const std::string svg = dir.File("shapes.SVG");
  test::WriteText(svg, "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" "
                       "height=\"100\"><rect x=\"10\" y=\"20\" width=\"30\" height=\"40\"/>"
                       "<circle cx=\"50\" cy=\"50\" r=\"10\"/></svg>\n");
  CVellumDoc plain;
  ASSERT_TRUE(ImportSvg(svg, plain, false, nullptr, nullptr));
  ASSERT_EQ(plain.ObjectCount(), 2);

  const size_t before = UndoSteps();
  host.imageFile = svg;
  view->Execute(C::kToolImage);
  Click(100, 50);
  ASSERT_EQ(doc.ObjectCount(), 2);
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(doc.ObjectAt(i)->GetBoxRect(), plain.ObjectAt(i)->GetBoxRect().Offset(100, 50));
  EXPECT_EQ(UndoSteps(), before + 1);  // one step for the whole drawing
  EXPECT_EQ(view->MultiSelection().size(), 2u);  // the whole drawing is selected

  auto& messages = static_cast<CRecordingMessages&>(app.Messages());
  const size_t shown = messages.Entries().size();
  host.imageFile = dir.File("missing.png");
  view->Execute(C::kToolImage);
  Click(10, 10);
  EXPECT_EQ(doc.ObjectCount(), 2);
  EXPECT_EQ(UndoSteps(), before + 1);
  EXPECT_GT(messages.Entries().size(), shown);
  EXPECT_EQ(view->Tool(), kToolSelect);
}

TEST_F(CreateTools, CropDragSetsTheRegionAndAOnePixelDragClearsIt) {
  view->Execute(C::kToolExportCrop);
  Drag({50, 60}, {150, 100}, shift);
  EXPECT_EQ(doc.m_cropSet, 1);
  EXPECT_EQ(doc.m_crop, (CRect{50, 60, 150, 160}));
  EXPECT_EQ(view->Tool(), kToolSelect);
  EXPECT_EQ(doc.ObjectCount(), 0);

  view->Execute(C::kToolExportCrop);
  Drag({70, 70}, {71, 70});  // one pixel wide, none high
  EXPECT_EQ(doc.m_cropSet, 0);
  EXPECT_EQ(view->Tool(), kToolSelect);
}

TEST_F(CreateTools, ToolCommandsAreTickedAndOffWhileThePaintingEditorRuns) {
  const ViewCommand tools[] = {C::kToolRectangle, C::kToolCircle, C::kToolRoundRect, C::kToolStar,
                               C::kToolNewPath,   C::kToolPencil, C::kToolArrow,     C::kToolExportCrop,
                               C::kToolText,      C::kToolImage};
  for (ViewCommand c : tools) {
    EXPECT_STREQ(ViewCommandInfo(c).menu, "Tools");
    view->Execute(c);
    EXPECT_TRUE(view->State(c).checked);
    EXPECT_FALSE(view->State(C::kToolSelect).checked);
  }
  EXPECT_STREQ(ViewCommandInfo(C::kToolNewPath).tip, "New Line/Path");
  EXPECT_STREQ(ViewCommandInfo(C::kToolExportCrop).label, "Select Export Crop Region");

  view->Execute(C::kToolSelect);
  view->m_paintEditorRunning = true;
  EXPECT_FALSE(view->State(C::kToolStar).enabled);
  view->Execute(C::kToolStar);
  EXPECT_EQ(view->Tool(), kToolSelect);
}

// ---- These need the zoom view's snapping and the select tool's crop-handle press,
//      which the placeholders of this branch do not provide yet. ----

TEST_F(CreateTools, ShapeEndsSnapToTheCanvasEdges) {
  view->Execute(C::kToolRectangle);
  Drag({3, -2}, {397, 303});  // within 4 pixels of the edges
  EXPECT_EQ(Top()->GetBoxRect(), (CRect{-2, -2, 402, 302}));
}

TEST_F(CreateTools, CropHandleDragResizesOrClearsTheRegion) {
  doc.m_crop = {50, 60, 150, 160};
  doc.m_cropSet = 1;
  Down(46, 56);  // in the top-left handle (42, 52)-(50, 60)
  EXPECT_EQ(view->Tool(), kToolCropResize);
  Move(36, 46);
  Up(26, 36);
  EXPECT_EQ(doc.m_crop, (CRect{30, 40, 150, 160}));
  EXPECT_EQ(view->Tool(), kToolSelect);

  Down(152, 162);  // the bottom-right handle, dragged past the top-left corner
  Move(20, 100);
  Up(20, 100);
  EXPECT_EQ(doc.m_cropSet, 0);
}

// A double-click on live text opens the editor on its settings; OK retypes it in place
// with one undo step and keeps its name; Cancel and empty text leave it as it was.
TEST_F(CreateTools, DoubleClickEditsLiveText) {
  host.answer = std::make_unique<TextRequest>();
  host.answer->text = "Hi";
  host.answer->font.faceName = "Arial";
  host.answer->size = 30;
  view->Execute(C::kToolText);
  Click(60, 70);
  ASSERT_EQ(doc.ObjectCount(), 1);
  CDrawObject& text = *Top();
  text.m_name = "Greeting";
  doc.ResetUndo();
  const int width = text.m_width;
  const CPoint centre{text.m_left + text.m_width / 2, text.m_top + text.m_height / 2};

  host.answer->text = "Hello there";
  host.answer->italic = true;
  view->OnLButtonDblClk(W(centre.x, centre.y), {});
  EXPECT_EQ(host.asked.text, "Hi");
  EXPECT_EQ(host.asked.size, 30.0);
  EXPECT_EQ(text.m_text, "Hello there");
  EXPECT_EQ(text.m_textItalic, 1);
  EXPECT_GT(text.m_width, width);
  EXPECT_EQ(text.m_name, "Greeting");
  EXPECT_EQ(doc.m_undoList.size(), 2u);

  host.answer->text = "";
  view->OnLButtonDblClk(W(text.m_left + 5, text.m_top + text.m_height / 2), {});
  EXPECT_EQ(text.m_text, "Hello there");
  host.answer.reset();
  view->OnLButtonDblClk(W(text.m_left + 5, text.m_top + text.m_height / 2), {});
  EXPECT_EQ(text.m_text, "Hello there");
  EXPECT_EQ(doc.m_undoList.size(), 2u);
  view->Execute(C::kUndo);
  EXPECT_EQ(Top()->m_text, "Hi");
}

}  // namespace
}  // namespace tessel
