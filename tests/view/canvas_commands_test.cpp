#include <gtest/gtest.h>

#include "base/app_context.h"
#include "base/user_messages.h"
#include "codecs/image_reader.h"
#include "document/bitmap_test_util.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"
#include "view/clipboard_data.h"
#include "view/vellum_view.h"
#include "view/view_test_host.h"

namespace tessel {
namespace {

using C = ViewCommand;
using tessel::testing::AddBitmap;

// The window stand-in that also answers the canvas commands' requests.
class CanvasHost : public test::RecordingViewHost {
 public:
  std::string AskOpenImageFile() override { return imageFile; }
  bool AskBlueprintPosition(int* x, int* y) override {
    ++positionAsked;
    if (!positionOk) return false;
    *x += 7, *y -= 3;
    return true;
  }
  void SetClipboardImage(const CDIBSection& picture) override { copied = picture.Clone(); }

  std::string imageFile;
  bool positionOk = false;
  int positionAsked = 0;
  CDIBSection copied;
};

struct ViewScene {
  CAppContext app;
  CVellumDoc doc;
  CanvasHost host;
  CVellumView view{doc, host};
  ViewScene() {
    doc.OnNewDocument();
    view.OnInitialUpdate();
  }
  std::vector<std::string> Messages() { return static_cast<CRecordingMessages&>(app.Messages()).MessageTexts(); }
  CDrawObject* Rect(int left, int top, int right, int bottom) {
    CDrawObject* o = doc.NewObject();
    o->CreateRectangle(left, top, right, bottom);
    return o;
  }
  // Sets the multi-selection directly, in the given order, so that these tests do not
  // depend on the selection tools.
  void Select(std::vector<CDrawObject*> members) {
    view.SelectObject(nullptr);
    const_cast<std::vector<CDrawObject*>&>(view.MultiSelection()) = std::move(members);
  }
};

TEST(CanvasCommands, TableLabelsShortcutsAndMenus) {
  EXPECT_STREQ(ViewCommandInfo(C::kTrimCanvas).label, "Trim Canvas");
  EXPECT_STREQ(ViewCommandInfo(C::kTrimCanvas).shortcut, "Ctrl+Q");
  EXPECT_STREQ(ViewCommandInfo(C::kCropCanvas).shortcut, "Ctrl+W");
  EXPECT_STREQ(ViewCommandInfo(C::kBlueprintResizeCanvas).menu, "Canvas");
  EXPECT_STREQ(ViewCommandInfo(C::kCombineUnion).label, "Combine Objects (Union)");
  EXPECT_STREQ(ViewCommandInfo(C::kBitmapShadowFromObjects).menu, "Object");
  EXPECT_STREQ(ViewCommandInfo(C::kCopyAsBitmap).shortcut, "Ctrl+Shift+C");
}

TEST(CanvasCommands, TrimResizesTheViewWithoutAnUndoStep) {
  ViewScene s;
  CDrawObject* o = AddBitmap(s.doc, 50, 60, 30, 20);
  s.doc.ResetUndo();
  s.view.SelectObject(o);
  EXPECT_TRUE(s.view.Execute(C::kTrimCanvas));
  EXPECT_EQ(s.doc.m_width, 30);
  EXPECT_EQ(s.view.LogicalSize(), (CSize{30, 20}));
  EXPECT_EQ(o->m_left, 0);
  EXPECT_EQ(s.view.CurrentObject(), nullptr);
  EXPECT_FALSE(s.doc.CanUndo());
  EXPECT_TRUE(s.Messages().empty());
}

TEST(CanvasCommands, RefusalsShowTheirMessages) {
  ViewScene s;
  EXPECT_TRUE(s.view.Execute(C::kTrimCanvasPadding));
  EXPECT_EQ(s.Messages().back(), "There are no objects on the canvas...");
  AddBitmap(s.doc, 50, 60, 4, 100);
  s.view.Execute(C::kTrimCanvas);
  EXPECT_EQ(s.Messages().back(), "Canvas would be smaller than 5 pixels in a direction...Canceling...");
  s.view.Execute(C::kCropCanvas);
  EXPECT_EQ(s.Messages().back().rfind("First you have to draw a Crop Rectangle", 0), 0u);
  EXPECT_EQ(s.doc.m_width, 400);
}

TEST(CanvasCommands, BlueprintCommandsNeedABlueprint) {
  ViewScene s;
  for (C c : {C::kBlueprintRemove, C::kBlueprintShowOnBack, C::kBlueprintCenter, C::kBlueprintPosition,
              C::kBlueprintResizeCanvas})
    EXPECT_FALSE(s.view.State(c).enabled);
  EXPECT_TRUE(s.view.State(C::kBlueprintLoad).enabled);
  EXPECT_TRUE(s.view.Execute(C::kBlueprintLoad));  // the request is cancelled: nothing happens
  EXPECT_TRUE(s.doc.m_blueprint.IsEmpty());

  s.doc.m_blueprint.Create(60, 40, 32);
  s.doc.m_blueprintX = 11, s.doc.m_blueprintY = 12;
  EXPECT_TRUE(s.view.State(C::kBlueprintResizeCanvas).enabled);
  s.view.Execute(C::kBlueprintShowOnBack);
  EXPECT_TRUE(s.view.State(C::kBlueprintShowOnBack).checked);
  s.view.Execute(C::kBlueprintPosition);  // Cancel
  EXPECT_EQ(s.doc.m_blueprintX, 11);
  s.host.positionOk = true;
  s.view.Execute(C::kBlueprintPosition);
  EXPECT_EQ(s.doc.m_blueprintX, 18);
  EXPECT_EQ(s.doc.m_blueprintY, 9);
  s.view.Execute(C::kBlueprintResizeCanvas);
  EXPECT_EQ(s.view.LogicalSize(), (CSize{60, 40}));
  EXPECT_EQ(s.doc.m_blueprintX, 0);
  s.view.Execute(C::kBlueprintRemove);
  EXPECT_FALSE(s.view.State(C::kBlueprintCenter).enabled);
}

TEST(CanvasCommands, CombineWithABitmapMemberRecordsAStepAndTellsTheUser) {
  ViewScene s;
  CDrawObject* a = s.Rect(10, 10, 50, 50);
  CDrawObject* bitmap = AddBitmap(s.doc, 100, 100, 10, 10);
  CDrawObject* b = s.Rect(30, 30, 70, 70);
  s.doc.ResetUndo();
  EXPECT_FALSE(s.view.State(C::kCombineXor).enabled);
  s.Select({a, bitmap, b});
  EXPECT_TRUE(s.view.State(C::kCombineXor).enabled);
  EXPECT_TRUE(s.view.Execute(C::kCombineXor));
  EXPECT_EQ(s.doc.ObjectCount(), 2);
  EXPECT_TRUE(s.view.MultiSelection().empty());
  EXPECT_TRUE(s.doc.CanUndo());
  ASSERT_EQ(s.Messages().size(), 1u);
  EXPECT_EQ(s.Messages()[0].rfind("Finished....\nHowever the bitmap objects", 0), 0u);
}

TEST(CanvasCommands, CombineModeOfTheCurrentObject) {
  ViewScene s;
  CDrawObject* a = s.Rect(10, 10, 50, 50);
  EXPECT_FALSE(s.view.State(C::kCombineModeUnion).enabled);
  s.view.SelectObject(a);
  EXPECT_TRUE(s.view.State(C::kCombineModeXor).checked);
  s.view.Execute(C::kCombineModeUnion);
  EXPECT_EQ(a->m_layerFlag, 1);
  EXPECT_TRUE(s.view.State(C::kCombineModeUnion).checked);
  EXPECT_FALSE(s.view.State(C::kCombineModeXor).checked);
}

TEST(CanvasCommands, CropToObjectLeavesTheBitmapCurrent) {
  ViewScene s;
  CDrawObject* shape = s.Rect(0, 0, 10, 10);
  CDrawObject* bitmap = AddBitmap(s.doc, 0, 0, 20, 20);
  s.doc.ResetUndo();
  s.Select({bitmap, shape});
  s.view.Execute(C::kCropToObject);  // the bitmap is on top
  EXPECT_EQ(s.Messages().back(), "The bottom object must be the Bitmap object you want to crop");
  EXPECT_EQ(s.view.MultiSelection().size(), 2u);
  EXPECT_FALSE(s.doc.CanUndo());

  s.doc.m_objects.reverse();  // now the bitmap is the bottom object
  s.view.Execute(C::kCropToObject);
  EXPECT_EQ(s.doc.ObjectCount(), 1);
  EXPECT_EQ(s.view.CurrentObject(), bitmap);
  EXPECT_TRUE(s.view.MultiSelection().empty());
  EXPECT_TRUE(s.doc.CanUndo());
}

TEST(CanvasCommands, BitmapConversionsUseTheCurrentObjectFirst) {
  ViewScene s;
  CDrawObject* low = s.Rect(10, 10, 40, 30);
  CDrawObject* high = s.Rect(50, 40, 90, 80);
  s.view.SelectObject(high);
  EXPECT_TRUE(s.view.Execute(C::kCopyAsBitmap));
  EXPECT_EQ(s.host.copied.Width(), EffectRect(*high).Width());
  EXPECT_EQ(s.host.copied.BitsPerPixel(), 24);

  s.doc.ResetUndo();
  s.Select({high, low});
  EXPECT_TRUE(s.view.Execute(C::kBitmapShadowFromObjects));
  CDrawObject* shadow = s.view.CurrentObject();
  ASSERT_NE(shadow, nullptr);
  EXPECT_EQ(shadow->m_name, "Shadow");
  EXPECT_EQ(s.doc.Position(shadow), 0);  // below the lowest source
  EXPECT_TRUE(s.view.MultiSelection().empty());
  EXPECT_TRUE(s.doc.CanUndo());
}

TEST(CanvasCommands, PasteAsBitmapTakesTheClipboardObjectsAsOnePicture) {
  ViewScene s;
  CDrawObject* a = s.Rect(10, 10, 40, 30);
  CDrawObject* b = s.Rect(50, 40, 90, 80);
  const CRect united = EffectRect(*a).Union(EffectRect(*b));
  s.host.SetClipboardData(kVelvetlineMime, WriteClipboardObjects({a, b}));
  s.doc.ResetUndo();
  EXPECT_TRUE(s.view.Execute(C::kPasteAsBitmap));
  ASSERT_EQ(s.doc.ObjectCount(), 3);
  CDrawObject* pasted = s.doc.ObjectAt(2);
  EXPECT_EQ(s.view.CurrentObject(), pasted);
  EXPECT_TRUE(pasted->IsBitmap());
  EXPECT_EQ(pasted->GetBoxRect(), united);
  EXPECT_TRUE(s.doc.CanUndo());
}

TEST(CanvasCommands, APictureGoesToTheClipboardAsPngByDefault) {
  test::RecordingViewHost host;
  CDIBSection picture;
  picture.Create(3, 2, 24);
  picture.RowFromTop(0)[2] = 255;  // top-left pixel red
  host.IViewHost::SetClipboardImage(picture);
  ASSERT_EQ(host.clipboard.count(kPngMime), 1u);
  const std::vector<uint8_t>& png = host.clipboard[kPngMime];
  CDIBSection back;
  ASSERT_TRUE(ReadImageMemory(png.data(), png.size(), back, nullptr));
  EXPECT_EQ(back.Width(), 3);
  EXPECT_EQ(back.RowFromTop(0)[2], 255);
  EXPECT_EQ(back.RowFromTop(0)[0], 0);
}

TEST(CanvasCommands, PasteInsideNeedsACurrentObjectAndAPicture) {
  ViewScene s;
  CDrawObject* o = s.Rect(10, 10, 40, 30);
  EXPECT_FALSE(s.view.State(C::kPasteInside).enabled);
  EXPECT_FALSE(s.view.Execute(C::kPasteInside));
  s.view.SelectObject(o);
  s.doc.ResetUndo();
  s.view.Execute(C::kPasteInside);  // empty clipboard
  EXPECT_FALSE(s.doc.CanUndo());
  s.host.clipboardImage.Create(12, 5, 32);
  s.view.Execute(C::kPasteInside);
  EXPECT_EQ(o->m_imageWidth, 12);
  EXPECT_EQ(o->m_imageHeight, 5);
  EXPECT_TRUE(s.doc.CanUndo());
}

}  // namespace
}  // namespace tessel
