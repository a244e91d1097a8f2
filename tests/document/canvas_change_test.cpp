#include <gtest/gtest.h>

#include "base/app_context.h"
#include "base/profile.h"
#include "document/bitmap_test_util.h"
#include "document/blueprint.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "io/png_writer.h"
#include "test_util.h"

namespace tessel {
namespace {

const char* const kTooSmall = "Canvas would be smaller than 5 pixels in a direction...Canceling...";

using testing::AddBitmap;

struct CanvasScene {
  CAppContext app;
  CVellumDoc doc;
  CanvasScene() { doc.OnNewDocument(); }
};

TEST(CanvasChange, TrimNeedsFivePixelsInEachDirection) {
  CanvasScene s;
  CDrawObject* o = AddBitmap(s.doc, 20, 30, 5, 100);
  EXPECT_EQ(s.doc.TrimCanvas(false), "");
  EXPECT_EQ(s.doc.m_width, 5);
  EXPECT_EQ(s.doc.m_height, 100);
  EXPECT_EQ(o->m_left, 0);
  EXPECT_EQ(o->m_top, 0);

  CanvasScene t;
  CDrawObject* thin = AddBitmap(t.doc, 20, 30, 4, 100);
  EXPECT_EQ(t.doc.TrimCanvas(false), kTooSmall);
  EXPECT_EQ(t.doc.m_width, 400);
  EXPECT_EQ(t.doc.m_height, 300);
  EXPECT_EQ(thin->m_left, 20);
}

TEST(CanvasChange, TrimWithDefaultPaddingLeavesFifteenPixels) {
  CanvasScene s;
  CDrawObject* a = AddBitmap(s.doc, 50, 60, 10, 10);
  CDrawObject* b = AddBitmap(s.doc, 100, 65, 20, 30);
  EXPECT_EQ(s.doc.TrimCanvas(true), "");
  EXPECT_EQ(s.doc.m_width, 15 + 70 + 15);
  EXPECT_EQ(s.doc.m_height, 15 + 35 + 15);
  EXPECT_EQ(a->m_left, 15);
  EXPECT_EQ(a->m_top, 15);
  EXPECT_EQ(b->m_left, 65);
  EXPECT_EQ(b->m_top, 20);
}

TEST(CanvasChange, TrimWithPaddingCountsAnObjectTooSmallToShow) {
  CanvasScene s;
  CDrawObject* line = s.doc.NewObject();
  line->m_type = kTypePath;
  line->m_path.m_closed = 0;
  line->m_left = 40, line->m_top = 40, line->m_width = 6, line->m_height = 6;  // shrunk by 4: nothing left
  EXPECT_EQ(s.doc.TrimCanvas(false), kTooSmall);
  EXPECT_EQ(s.doc.TrimCanvas(true), "");
  EXPECT_EQ(s.doc.m_width, 28);  // (46 - 4) - (40 + 4) = -2, padded by 15 on both sides
}

TEST(CanvasChange, EverythingOnTheCanvasMovesWithTheObjects) {
  CanvasScene s;
  AddBitmap(s.doc, 50, 60, 10, 10);
  s.doc.m_blueprint.Create(30, 20, 32);
  s.doc.m_blueprintX = 45, s.doc.m_blueprintY = 55;
  s.doc.m_guidesV = {50, 70};
  s.doc.m_guidesH = {60};
  s.doc.m_groups.push_back({CRect{50, 60, 60, 70}, {}});
  EXPECT_EQ(s.doc.TrimCanvas(false), "");
  EXPECT_EQ(s.doc.m_blueprintX, -5);
  EXPECT_EQ(s.doc.m_blueprintY, -5);
  EXPECT_EQ(s.doc.m_guidesV, (std::vector<int32_t>{0, 20}));
  EXPECT_EQ(s.doc.m_guidesH, (std::vector<int32_t>{0}));
  EXPECT_EQ(s.doc.m_groups.front().rect, (CRect{0, 0, 10, 10}));
  EXPECT_TRUE(s.doc.m_crop == CRect());  // no crop region: nothing to move
}

TEST(CanvasChange, RefusesACanvasAboveTheMaximumSize) {
  CanvasScene s;
  CDrawObject* left = AddBitmap(s.doc, 0, 0, 10, 10);
  AddBitmap(s.doc, 1795, 0, 10, 10);
  EXPECT_EQ(s.doc.TrimCanvas(false), "The maximum size allowed is 1800 x 1500");
  EXPECT_EQ(s.doc.m_width, 400);
  EXPECT_EQ(left->m_left, 0);
}

TEST(CanvasChange, CropCanvasNeedsACropRegionOfFiveByFive) {
  CanvasScene s;
  CDrawObject* o = AddBitmap(s.doc, 50, 60, 10, 10);
  EXPECT_EQ(s.doc.CropCanvas(),
            "First you have to draw a Crop Rectangle with the Export Crop tool and then you can Crop Canvas...\n"
            "Note: It is not necessary to crop the Canvas if you need to just Export some part of the image.\n"
            "Just draw the crop rectangle with the Export Crop tool and then go directly to File-Export.");
  s.doc.m_crop = {10, 10, 14, 110};
  s.doc.m_cropSet = 1;
  EXPECT_EQ(s.doc.CropCanvas(), kTooSmall);
  EXPECT_EQ(s.doc.m_crop, (CRect{10, 10, 14, 110}));
  EXPECT_EQ(s.doc.m_cropSet, 1);
  s.doc.m_crop = {15, 110, 10, 10};  // drawn from the bottom-right: 5 x 100
  EXPECT_EQ(s.doc.CropCanvas(), "");
  EXPECT_EQ(s.doc.m_width, 5);
  EXPECT_EQ(s.doc.m_height, 100);
  EXPECT_EQ(o->m_left, 40);
  EXPECT_EQ(o->m_top, 50);
  EXPECT_EQ(s.doc.m_cropSet, 0);
}

TEST(Blueprint, ResizeCanvasTakesTheBlueprintSizeWithoutMovingObjects) {
  CanvasScene s;
  CDrawObject* o = AddBitmap(s.doc, 50, 60, 10, 10);
  EXPECT_EQ(FitCanvasToBlueprint(s.doc), "");  // no blueprint: nothing happens
  EXPECT_EQ(s.doc.m_width, 400);
  s.doc.m_blueprint.Create(120, 80, 32);
  s.doc.m_blueprintX = 10, s.doc.m_blueprintY = -5;
  EXPECT_EQ(FitCanvasToBlueprint(s.doc), "");
  EXPECT_EQ(s.doc.m_width, 120);
  EXPECT_EQ(s.doc.m_height, 80);
  EXPECT_EQ(s.doc.m_blueprintX, 0);
  EXPECT_EQ(s.doc.m_blueprintY, 0);
  EXPECT_EQ(o->m_left, 50);
  EXPECT_EQ(o->m_top, 60);
}

TEST(Blueprint, LoadCentreAndRemove) {
  CanvasScene s;
  test::TempDir dir;
  CDIBSection picture;
  picture.Create(101, 51, 32);
  ASSERT_TRUE(WritePngBgra(dir.File("bp.png"), picture, true, nullptr));
  EXPECT_EQ(LoadBlueprint(s.doc, dir.File("bp.png")), "");
  EXPECT_EQ(s.doc.m_blueprint.Width(), 101);
  EXPECT_EQ(s.doc.m_blueprintX, 149);  // (400 - 101) / 2
  EXPECT_EQ(s.doc.m_blueprintY, 124);  // (300 - 51) / 2

  EXPECT_NE(LoadBlueprint(s.doc, dir.File("missing.png")), "");
  EXPECT_EQ(s.doc.m_blueprint.Width(), 101);  // a failed load keeps the old one

  s.doc.m_blueprintX = 3;
  CenterBlueprint(s.doc);
  EXPECT_EQ(s.doc.m_blueprintX, 149);
  RemoveBlueprint(s.doc);
  EXPECT_TRUE(s.doc.m_blueprint.IsEmpty());
  EXPECT_EQ(s.doc.m_blueprintX, 0);
}

}  // namespace
}  // namespace tessel
