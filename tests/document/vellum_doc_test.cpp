#include <gtest/gtest.h>

#include "base/app_context.h"
#include "base/profile.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"

namespace tessel {
namespace {

std::vector<std::string> Names(const CVellumDoc& doc) {
  std::vector<std::string> v;
  for (const auto& o : doc.m_objects) v.push_back(o->m_name);
  return v;
}

// A document holding closed rectangles named A, B, C, ... from bottom to top.
struct Fixture {
  CAppContext app;
  CVellumDoc doc;
  std::vector<CDrawObject*> objects;
  explicit Fixture(int n) {
    doc.OnNewDocument();
    for (int i = 0; i < n; ++i) {
      CDrawObject* o = doc.NewObject();
      o->CreateRectangle(10 * i, 10 * i, 10 * i + 20, 10 * i + 20);
      o->m_name = std::string(1, char('A' + i));
      objects.push_back(o);
    }
  }
};

TEST(VellumDoc, NewDocumentDefaultsAndProfile) {
  {
    CAppContext app;
    CVellumDoc doc;
    doc.OnNewDocument();
    EXPECT_EQ(doc.m_width, 400);
    EXPECT_EQ(doc.m_height, 300);
    EXPECT_EQ(doc.m_background, 0xFFFFFFu);
    EXPECT_EQ(doc.m_snapToGuides, 1);
    EXPECT_EQ(doc.m_exportQuality, 95);
    EXPECT_EQ(doc.m_exportDither, 2);
    EXPECT_EQ(doc.m_exportNumColors, 64);
    EXPECT_EQ(doc.m_gridDistance, 20);
    EXPECT_EQ(doc.m_undoLevels, 4);
    EXPECT_EQ(doc.m_docValues, (std::array<int32_t, 4>{0, 0, 0, 1}));
  }
  CAppContext app;
  CProfile& p = app.Profile();
  p.WriteInt("Settings", "DefWidth", 640);
  p.WriteInt("Settings", "DefHeight", 200);
  p.WriteInt("Settings", "STexture", 1);
  p.WriteInt("Export", "Type", 7);
  p.WriteInt("Color", "Green", 1500);
  p.WriteInt("Grid", "Num", 8);
  CVellumDoc doc;
  doc.m_cropSet = 1;
  doc.OnNewDocument();
  EXPECT_EQ(doc.m_width, 640);
  EXPECT_EQ(doc.m_height, 200);
  EXPECT_EQ(doc.m_embedTextures, 1);
  EXPECT_EQ(doc.m_cropSet, 0);
  EXPECT_EQ(doc.m_exportType, 0);  // above 3 becomes 0
  EXPECT_EQ(doc.m_exportGain[1], 1.5);
  EXPECT_EQ(doc.m_gridDistance, 8);
}

TEST(VellumDoc, ObjectListNavigation) {
  Fixture f(3);
  EXPECT_EQ(f.doc.Position(f.objects[1]), 1);
  EXPECT_EQ(f.doc.NextObject(f.objects[0]), f.objects[1]);
  EXPECT_EQ(f.doc.NextObject(f.objects[2]), f.objects[2]);
  EXPECT_EQ(f.doc.PreviousObject(f.objects[0]), f.objects[0]);
  EXPECT_EQ(f.doc.FindByUid(f.objects[2]->m_uid), f.objects[2]);
  auto removed = f.doc.RemoveObject(f.objects[1]);
  EXPECT_EQ(removed.get(), f.objects[1]);
  EXPECT_EQ(Names(f.doc), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(f.doc.Position(f.objects[1]), -1);
}

TEST(VellumDoc, ZOrderOfOneObject) {
  Fixture f(4);
  EXPECT_FALSE(f.doc.BringForward({f.objects[3]}));
  EXPECT_FALSE(f.doc.SendBackward(f.objects[0]));
  EXPECT_EQ(Names(f.doc), (std::vector<std::string>{"A", "B", "C", "D"}));
  EXPECT_TRUE(f.doc.BringForward({f.objects[1]}));
  EXPECT_EQ(Names(f.doc), (std::vector<std::string>{"A", "C", "B", "D"}));
  EXPECT_TRUE(f.doc.SendBackward(f.objects[3]));
  EXPECT_EQ(Names(f.doc), (std::vector<std::string>{"A", "C", "D", "B"}));
  EXPECT_TRUE(f.doc.BringToFront({f.objects[0]}));
  EXPECT_EQ(Names(f.doc), (std::vector<std::string>{"C", "D", "B", "A"}));
  EXPECT_TRUE(f.doc.SendToBack({f.objects[0]}));
  EXPECT_EQ(Names(f.doc), (std::vector<std::string>{"A", "C", "D", "B"}));
}

TEST(VellumDoc, ZOrderOfSeveralKeepsTheirOrder) {
  Fixture f(5);
  // Selection order differs from list order on purpose.
  f.doc.BringToFront({f.objects[3], f.objects[0]});
  EXPECT_EQ(Names(f.doc), (std::vector<std::string>{"B", "C", "E", "A", "D"}));
  f.doc.SendToBack({f.objects[4], f.objects[2]});
  EXPECT_EQ(Names(f.doc), (std::vector<std::string>{"C", "E", "B", "A", "D"}));
  f.doc.BringForward({f.objects[2], f.objects[4]});
  EXPECT_EQ(Names(f.doc), (std::vector<std::string>{"B", "C", "E", "A", "D"}));
  f.doc.BringForward({f.objects[0], f.objects[3]});  // D is on top already, A moves past nobody else
  EXPECT_EQ(Names(f.doc), (std::vector<std::string>{"B", "C", "E", "A", "D"}));
}

TEST(VellumDoc, GroupsAndUngroup) {
  Fixture f(3);
  EXPECT_EQ(f.doc.CreateGroup({f.objects[2], f.objects[0]}), "You Created Group of 2 objects");
  ASSERT_EQ(f.doc.m_groups.size(), 1u);
  const CGroup& g = f.doc.m_groups.front();
  EXPECT_EQ(g.uids, (std::vector<std::string>{f.objects[2]->m_uid, f.objects[0]->m_uid}));
  EXPECT_EQ(g.rect, f.objects[0]->GetSelectionRect().Union(f.objects[2]->GetSelectionRect()));
  EXPECT_EQ(f.objects[0]->m_inGroup, 1);
  EXPECT_EQ(f.objects[1]->m_inGroup, 0);
  EXPECT_EQ(f.doc.GroupOf(f.objects[2]), &g);
  EXPECT_EQ(f.doc.Ungroup({f.objects[0]}), " 2 objects selected");
  EXPECT_TRUE(f.doc.m_groups.empty());
  EXPECT_EQ(f.objects[0]->m_inGroup, 0);
  EXPECT_EQ(f.objects[2]->m_inGroup, 0);
}

TEST(VellumDoc, ValidateGroupsDropsUnknownMembers) {
  Fixture f(2);
  f.doc.m_groups.push_back({CRect{0, 0, 5, 5}, {f.objects[0]->m_uid, "NOSUCHOBJECT"}});
  f.doc.m_groups.push_back({CRect{}, {"GONE"}});
  f.doc.ValidateGroups();
  ASSERT_EQ(f.doc.m_groups.size(), 1u);
  EXPECT_EQ(f.doc.m_groups.front().uids, std::vector<std::string>{f.objects[0]->m_uid});
}

TEST(VellumDoc, CanvasSizeCheck) {
  const std::string tooBig = "The maximum size allowed is 1800 x 1500";
  const std::string tooSmall = "The size must be bigger than 0 in both directions.";
  EXPECT_EQ(CVellumDoc::CheckCanvasSize(1800, 1500), "");
  EXPECT_EQ(CVellumDoc::CheckCanvasSize(1801, 10), tooBig);
  EXPECT_EQ(CVellumDoc::CheckCanvasSize(10, 1501), tooBig);
  EXPECT_EQ(CVellumDoc::CheckCanvasSize(0, 10), tooSmall);
  EXPECT_EQ(CVellumDoc::CheckCanvasSize(-5, 10), tooBig);  // compared as unsigned

  CAppContext app;
  CVellumDoc doc;
  doc.m_blueprint.Create(101, 50, 32);
  EXPECT_EQ(doc.SetCanvasSize(2000, 10, 0), tooBig);
  EXPECT_EQ(doc.m_width, 400);
  EXPECT_EQ(doc.SetCanvasSize(200, 41, 0x112233), "");
  EXPECT_EQ(doc.m_background, 0x112233u);
  EXPECT_EQ(doc.m_blueprintX, 49);   // (200 - 101) / 2
  EXPECT_EQ(doc.m_blueprintY, -4);   // (41 - 50) / 2, truncated toward zero
}

TEST(VellumDoc, TrimCanvas) {
  {
    CAppContext app;
    CVellumDoc doc;
    EXPECT_EQ(doc.TrimCanvas(false), "There are no objects on the canvas...");
  }
  Fixture f(2);  // boxes (-2,-2)-(22,22) and (8,8)-(32,32)
  EXPECT_EQ(f.doc.TrimCanvas(false), "");
  EXPECT_EQ(f.doc.m_width, 30);  // visible rects are the boxes shrunk by 2
  EXPECT_EQ(f.doc.m_height, 30);
  EXPECT_EQ(f.objects[0]->m_left, -2);
  EXPECT_EQ(f.objects[1]->m_left, 8);
  f.app.Profile().WriteInt("Settings", "Padding", 7);
  EXPECT_EQ(f.doc.TrimCanvas(true), "");
  EXPECT_EQ(f.doc.m_width, 44);
  EXPECT_EQ(f.objects[0]->m_left, 5);
}

TEST(VellumDoc, CropCanvas) {
  Fixture f(1);
  EXPECT_EQ(f.doc.CropCanvas().rfind("First you have to draw a Crop Rectangle", 0), 0u);
  f.doc.m_crop = {104, 0, 100, 100};  // 4 x 100 once normalised
  f.doc.m_cropSet = 1;
  EXPECT_EQ(f.doc.CropCanvas(), "Canvas would be smaller than 5 pixels in a direction...Canceling...");
  EXPECT_EQ(f.doc.m_cropSet, 1);
  EXPECT_EQ(f.doc.m_crop, (CRect{104, 0, 100, 100}));
  EXPECT_EQ(f.doc.m_width, 400);
  f.doc.m_crop = {50, 40, 10, 20};
  EXPECT_EQ(f.doc.CropCanvas(), "");
  EXPECT_EQ(f.doc.m_width, 40);
  EXPECT_EQ(f.doc.m_height, 20);
  EXPECT_EQ(f.objects[0]->m_left, -12);
  EXPECT_EQ(f.objects[0]->m_top, -22);
  EXPECT_EQ(f.doc.m_cropSet, 0);
}

TEST(VellumDoc, PasswordAndLock) {
  std::string pwd;
  EXPECT_FALSE(CVellumDoc::PasswordOf("(c) 2026 Corvana", &pwd));
  EXPECT_TRUE(CVellumDoc::PasswordOf("PWD:Secret LOCK:", &pwd));
  EXPECT_EQ(pwd, "Secret ");
  EXPECT_TRUE(CVellumDoc::PasswordOf("me PWD:abc", &pwd));
  EXPECT_EQ(pwd, "abc");
  CAppContext app;
  CVellumDoc doc;
  doc.m_notesRights = "LOCK: do not touch";
  EXPECT_TRUE(doc.IsLocked());
  doc.m_notesRights = "x LOCK:";
  EXPECT_FALSE(doc.IsLocked());
}

}  // namespace
}  // namespace tessel
