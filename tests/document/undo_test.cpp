#include <gtest/gtest.h>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/project_file.h"
#include "document/undo_snapshot.h"
#include "document/vellum_doc.h"
#include "test_util.h"

namespace tessel {
namespace {

CRecordingMessages& Recorder(CAppContext& app) { return static_cast<CRecordingMessages&>(app.Messages()); }

// A new document (profile "Settings"/"Undo" = levels) holding n rectangles.
struct UndoFixture {
  CAppContext app;
  std::unique_ptr<CVellumDoc> doc;
  UndoFixture(int levels, int n) {
    app.Profile().WriteInt("Settings", "Undo", levels);
    doc = std::make_unique<CVellumDoc>();
    for (int i = 0; i < n; ++i) doc->NewObject()->CreateRectangle(10 * i, 5, 10 * i + 30, 40);
    doc->OnNewDocument();  // the first snapshot
  }
  CDrawObject& At(int i) { return *doc->ObjectAt(i); }
  void Recolour(int i, COLORREF c) {
    At(i).SetAndRender(&CObjectFields::m_color, c);
    doc->SaveUndo();
  }
};

TEST(Undo, LevelsFromProfileBoundTheSteps) {
  UndoFixture f(4, 1);
  EXPECT_EQ(f.doc->m_undoLevels, 4);
  EXPECT_FALSE(f.doc->CanUndo());
  EXPECT_FALSE(f.doc->CanRedo());
  for (int change = 1; change <= 5; ++change) f.Recolour(0, COLORREF(change));
  EXPECT_EQ(f.doc->m_undoList.size(), 5u);
  for (int step = 0; step < 4; ++step) EXPECT_TRUE(f.doc->Undo());
  EXPECT_FALSE(f.doc->Undo());
  EXPECT_EQ(f.At(0).m_color, 1u);  // the state after the first change; the opening state is gone
  EXPECT_EQ(f.doc->m_redoList.size(), 4u);

  // The profile caps the levels at 30; level 0 records nothing.
  f.app.Profile().WriteInt("Settings", "Undo", 99);
  EXPECT_EQ(CVellumDoc().m_undoLevels, 30);
  UndoFixture none(0, 1);
  none.Recolour(0, 7);
  EXPECT_TRUE(none.doc->m_undoList.empty());
  EXPECT_FALSE(none.doc->CanUndo());
}

TEST(Undo, AnOpenedDocumentStartsWithOneSnapshot) {
  UndoFixture f(4, 3);
  f.Recolour(0, 5);
  test::TempDir dir;
  ASSERT_TRUE(SaveProjectFile(*f.doc, dir.File("a.tsl")));
  CVellumDoc opened;
  ASSERT_EQ(LoadProjectFile(opened, dir.File("a.tsl")), LoadResult::kLoaded);
  EXPECT_EQ(opened.m_undoList.size(), 1u);
  EXPECT_FALSE(opened.CanUndo());
  opened.ObjectAt(1)->m_left += 9;
  opened.SaveUndo();
  int rendered = -1;
  ASSERT_TRUE(opened.Undo(&rendered));
  EXPECT_EQ(rendered, 0);
  EXPECT_EQ(opened.ObjectAt(1)->m_left, f.At(1).m_left);
}

TEST(Undo, RedoRestoresAndAChangeEmptiesIt) {
  UndoFixture f(2, 2);
  f.Recolour(0, 0x11);
  f.Recolour(1, 0x22);
  ASSERT_TRUE(f.doc->Undo());
  EXPECT_EQ(f.At(1).m_color, CObjectFields().m_color);
  ASSERT_TRUE(f.doc->Redo());
  EXPECT_EQ(f.At(1).m_color, 0x22u);
  EXPECT_EQ(f.At(0).m_color, 0x11u);
  EXPECT_FALSE(f.doc->CanRedo());
  // The redo pushed like a change: still at most levels + 1 snapshots.
  EXPECT_EQ(f.doc->m_undoList.size(), 3u);

  ASSERT_TRUE(f.doc->Undo());
  EXPECT_TRUE(f.doc->CanRedo());
  f.Recolour(0, 0x33);
  EXPECT_FALSE(f.doc->CanRedo());
  EXPECT_FALSE(f.doc->Redo());
  EXPECT_EQ(f.At(0).m_color, 0x33u);

  // A lowered level trims one snapshot per push.
  f.doc->m_undoLevels = 4;
  for (int i = 0; i < 3; ++i) f.Recolour(0, COLORREF(i));
  EXPECT_EQ(f.doc->m_undoList.size(), 5u);
  f.doc->m_undoLevels = 1;
  f.Recolour(0, 9);
  EXPECT_EQ(f.doc->m_undoList.size(), 5u);
  f.Recolour(0, 10);
  EXPECT_EQ(f.doc->m_undoList.size(), 5u);
}

TEST(Undo, SnapshotHoldsOnlyTheObjects) {
  UndoFixture f(4, 2);
  const std::string uid0 = f.At(0).m_uid;
  ASSERT_EQ(f.doc->SetCanvasSize(900, 700, 0x123456), "");
  f.doc->m_guidesV = {5, 6};
  f.doc->SaveUndo();
  f.doc->RemoveObject(&f.At(1));
  f.doc->SaveUndo();
  ASSERT_TRUE(f.doc->Undo());
  ASSERT_TRUE(f.doc->Undo());
  EXPECT_EQ(f.doc->m_width, 900);
  EXPECT_EQ(f.doc->m_background, 0x123456u);
  EXPECT_EQ(f.doc->m_guidesV, (std::vector<int32_t>{5, 6}));
  EXPECT_EQ(f.doc->ObjectCount(), 2);
  EXPECT_EQ(f.At(0).m_uid, uid0);

  // Layout: count, then uid and record pairs, then -1.
  const CUndoSnapshot& s = f.doc->m_undoList.front();
  EXPECT_EQ(s[0], 2);
  EXPECT_EQ(s[4], 12);  // length byte of the first uid
  EXPECT_EQ(std::string(s.begin() + 5, s.begin() + 17), uid0);
  EXPECT_EQ(std::vector<uint8_t>(s.end() - 4, s.end()), std::vector<uint8_t>(4, 0xFF));
  // A damaged snapshot leaves the document alone.
  CUndoSnapshot cut(s.begin(), s.end() - 30);
  EXPECT_THROW(LoadUndoSnapshot(cut, *f.doc), CArchiveException);
  EXPECT_EQ(f.doc->ObjectCount(), 2);
}

TEST(Undo, UnchangedObjectsKeepTheirBitmaps) {
  UndoFixture f(4, 6);
  CRecordingMessages& ui = Recorder(f.app);
  f.Recolour(3, 0x00FF00);
  ui.Clear();
  const int progressBefore = ui.ProgressCalls();
  int rendered = -1;
  ASSERT_TRUE(f.doc->Undo(&rendered));
  EXPECT_EQ(rendered, 1);
  EXPECT_EQ(ui.ProgressCalls() - progressBefore, 6);  // more than four objects: one step each
  CDrawObject fresh;
  fresh.CreateRectangle(30, 5, 60, 40);
  EXPECT_TRUE(f.At(3).m_bitmap == fresh.m_bitmap);

  // A move renders nothing again; the position comes back.
  const int left = f.At(2).m_left;
  f.At(2).m_left += 50;
  f.doc->SaveUndo();
  ASSERT_TRUE(f.doc->Undo(&rendered));
  EXPECT_EQ(rendered, 0);
  EXPECT_EQ(f.At(2).m_left, left);
  EXPECT_FALSE(f.At(2).m_bitmap.IsEmpty());

  // Four objects show no progress.
  UndoFixture small(4, 4);
  small.Recolour(0, 1);
  const int before = Recorder(small.app).ProgressCalls();
  ASSERT_TRUE(small.doc->Undo());
  EXPECT_EQ(Recorder(small.app).ProgressCalls(), before);
}

TEST(Undo, FirstObjectWithTheUidDecides) {
  UndoFixture f(4, 1);
  f.At(0).m_uid = "SAMEUIDSAMEU";
  f.At(0).SetAndRender(&CObjectFields::m_color, 0xFF0000);
  f.doc->SaveUndo();
  // A red twin with the same uid goes below it.
  auto twin = std::make_unique<CDrawObject>();
  twin->m_uid = "SAMEUIDSAMEU";
  twin->CreateRectangle(0, 5, 30, 40);
  f.doc->m_objects.push_front(std::move(twin));
  f.doc->SaveUndo();
  int rendered = -1;
  ASSERT_TRUE(f.doc->Undo(&rendered));
  EXPECT_EQ(rendered, 1);  // compared with the red twin, not with its blue self
  EXPECT_EQ(f.At(0).m_color, 0xFF0000u);
}

TEST(Undo, RenderComparison) {
  CAppContext app;
  CDrawObject a, b;
  a.CreateRectangle(0, 0, 20, 20);
  b.CreateRectangle(0, 0, 20, 20);
  EXPECT_TRUE(a.RendersLike(b));
  b.m_left = 40, b.m_name = "moved", b.m_hidden = 1, b.m_inGroup = 1, b.m_mmParam2 = 3;
  EXPECT_TRUE(a.RendersLike(b));
  for (auto change : {+[](CDrawObject& o) { o.m_bevelType = 1; }, +[](CDrawObject& o) { o.m_lights.m_relief = 2; },
                      +[](CDrawObject& o) { o.m_path.m_points[0].x += 0.01; },
                      +[](CDrawObject& o) { o.m_shadowOption = 3; }, +[](CDrawObject& o) { o.m_perspX[1] = 0.9f; },
                      +[](CDrawObject& o) { o.m_layer.Create(2, 2, 32); }}) {
    CDrawObject c;
    c = a;
    change(c);
    EXPECT_FALSE(a.RendersLike(c));
  }
}

}  // namespace
}  // namespace tessel
