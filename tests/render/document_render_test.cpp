#include <gtest/gtest.h>

#include <thread>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/project_file.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"
#include "render/objects_to_bitmap.h"
#include "render/parallel_render.h"
#include "render/wireframe.h"

namespace tessel {
namespace {

const uint8_t* Px(const CDIBSection& c, int x, int y) { return c.RowFromTop(y) + 4 * x; }

struct TwoObjects {
  CAppContext app;
  CVellumDoc doc;
  CDrawObject* rect;
  CDrawObject* picture;
  TwoObjects() {
    doc.m_width = 60;
    doc.m_height = 40;
    rect = doc.NewObject();
    rect->m_color = 0x0000FF;
    rect->CreateRectangle(10, 10, 30, 20);  // box (8, 8)-(32, 22)
    picture = doc.NewObject();
    picture->m_type = kTypeBitmap;
    picture->m_layer.Create(4, 4, 32);
    picture->m_left = 40;
    picture->m_top = 25;
    picture->AllocateBitmaps(10, 6);
  }
};

TEST(Wireframe, OutlinesOnlyInTheirPens) {
  TwoObjects s;
  CompositeOptions wire;
  wire.wireframe = true;
  CDIBSection out;
  ASSERT_TRUE(ComposeDocument(s.doc, 1, wire, out));
  EXPECT_EQ(Px(out, 20, 15)[2], 255);  // the rectangle's inside is not filled
  EXPECT_EQ(Px(out, 20, 10)[2], 0);    // its top edge, inset by the mask margin, is black
  EXPECT_EQ(Px(out, 20, 10)[1], 0);
  const uint8_t* frame = Px(out, 45, 25);  // the picture's box edge in dark red
  EXPECT_EQ(frame[2], 128);
  EXPECT_EQ(frame[1], 0);
  EXPECT_EQ(Px(out, 45, 28)[1], 255);

  s.rect->m_hidden = 1;
  ASSERT_TRUE(ComposeDocument(s.doc, 1, wire, out));
  EXPECT_EQ(Px(out, 20, 10)[1], 255);
  ASSERT_TRUE(ComposeDocument(s.doc, 2, wire, out));  // enlarged with the document
  EXPECT_EQ(Px(out, 90, 50)[2], 128);
}

TEST(ObjectsToBitmap, UnionMarginFillAndOrigin) {
  TwoObjects s;
  s.picture->m_hidden = 1;  // counts for the rectangle, draws nothing
  CDIBSection out;
  const CRect r = RenderObjectsToBitmap({s.rect, s.picture}, out, {3, 0x11223344, false, false}, s.doc);
  EXPECT_EQ(r, (CRect{5, 5, 53, 34}));
  ASSERT_EQ(out.Width(), 48);
  EXPECT_EQ(Px(out, 0, 0)[3], 0x11);                 // the fill where nothing is drawn
  EXPECT_EQ(Px(out, 15 - 5, 15 - 5)[2], 255);        // the rectangle, shifted by the union
  EXPECT_EQ(Px(out, 15 - 5, 15 - 5)[3], 255);

  const CRect whole = RenderObjectsToBitmap({s.rect}, out, {0, kDocumentDefaultFill, true, false}, s.doc);
  EXPECT_EQ(whole, (CRect{0, 0, 60, 40}));
  EXPECT_EQ(Px(out, 15, 15)[2], 255);
  EXPECT_EQ(Px(out, 2, 2)[3], 0);

  CDIBSection untouched;
  EXPECT_TRUE(RenderObjectsToBitmap({}, untouched, {}, s.doc).IsEmpty());
  EXPECT_TRUE(untouched.IsEmpty());
}

TEST(PaintedLayers, LayerOverColoursAndTransparencyIntoAlpha) {
  CAppContext app;
  CDrawObject o;
  o.m_color = 0x000000;
  o.CreateRectangle(0, 0, 20, 20);  // box (-2, -2)-(22, 22), 24 x 24
  o.m_layer.Create(12, 12, 32);     // half the box: resampled up
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      uint8_t* p = o.m_layer.RowFromTop(y) + 4 * x;
      p[0] = 0, p[1] = 200, p[2] = 0, p[3] = 128;
    }
  o.m_paintTransp.Create(24, 24, 32);
  for (int y = 0; y < 24; ++y) o.m_paintTransp.RowFromTop(y)[4 * 12 + 3] = 255;  // one column kept
  o.RenderObject(false, nullptr);
  const uint8_t* p = Px(o.m_bitmap, 12, 12);
  EXPECT_EQ(p[1], 200 * 128 / 255);  // green over black by the layer's alpha
  EXPECT_EQ(p[3], 255);
  EXPECT_EQ(Px(o.m_bitmap, 11, 12)[3], 0);  // transparency painted away
  EXPECT_EQ(Px(o.m_bitmap, 12, 0)[1], 0);   // outside the mask the layer leaves no ink
}

TEST(ParallelRender, SameBytesAsOneThread) {
  CAppContext app;
  CVellumDoc doc;
  doc.m_width = 300;
  doc.m_height = 200;
  for (int i = 0; i < 12; ++i) {
    CDrawObject* o = doc.NewObject();
    o->m_color = 0x102030 * uint32_t(i + 1);
    o->m_bevelType = 1 + i % 6;
    o->m_bevelWidth = 10 + i;
    o->m_effect = i % 3;
    o->m_effectParam1 = 6;
    if (i % 2) o->CreateCircle(10 * i, 5 * i, 10 * i + 90, 5 * i + 70);
    else o->CreateStar(10 * i, 5 * i, 10 * i + 80, 5 * i + 80, 5 + i, 0.5);
  }
  CArchive ar;
  WriteProject(ar, doc, true);
  const std::vector<uint8_t> bytes = ar.TakeBuffer();

  auto readRecords = [&](CVellumDoc& into) {
    CArchive in(bytes);
    ASSERT_EQ(ReadProject(in, into), LoadResult::kLoaded);
  };
  CVellumDoc parallel, single;
  readRecords(parallel);  // loading renders on every core
  readRecords(single);
  std::vector<CDrawObject*> objects;
  for (auto& o : single.m_objects) objects.push_back(o.get());
  FinishLoadingAll(objects, 1, nullptr);
  auto a = parallel.m_objects.begin();
  for (auto& b : single.m_objects) {
    EXPECT_TRUE((*a)->m_bitmap == b->m_bitmap);
    EXPECT_TRUE((*a)->m_shadowBitmap == b->m_shadowBitmap);
    ++a;
  }
  int calls = 0, last = 0;
  FinishLoadingAll(objects, 4, [&](int done, int count) {
    ++calls;
    EXPECT_EQ(count, 12);
    EXPECT_GE(done, last);
    last = done;
  });
  EXPECT_GT(calls, 0);
  EXPECT_EQ(last, 12);
}

TEST(ParallelRender, WorkerMessagesWaitForTheMainThread) {
  auto recording = std::make_unique<CRecordingMessages>();
  CRecordingMessages* shown = recording.get();
  CAppContext app(std::make_unique<CProfile>(), std::move(recording), AppPaths());
  std::thread worker([] {
    EXPECT_EQ(App().Messages().Message("from a worker", MsgButtons::kYesNo), MsgAnswer::kNo);
    App().Messages().Status("dropped");
  });
  worker.join();
  EXPECT_TRUE(shown->Entries().empty());
  App().FlushDeferredMessages();
  EXPECT_EQ(shown->MessageTexts(), (std::vector<std::string>{"from a worker"}));
}

}  // namespace
}  // namespace tessel

namespace tessel {
namespace {

TEST(LensEnvironment, ThickLensBendsItsOwnPictureAndKeepsItsShape) {
  CAppContext app;
  auto lens = [](int environment, int kind = 17) {
    auto o = std::make_unique<CDrawObject>();
    o->m_color = 0x0000FF;
    o->m_color2 = 0xFF0000;
    o->m_textureName = "Linear Gradient.tmb";
    o->m_effect = kind;  // 17 "Thick Border Lens"
    o->m_effectParam1 = 15;
    o->m_lensEnvironment = environment;
    o->CreateCircle(0, 0, 80, 80);
    return o;
  };
  const auto plain = lens(0), bent = lens(1);
  int changed = 0;
  for (int y = 0; y < plain->m_height; ++y)
    for (int x = 0; x < plain->m_width; ++x) {
      const uint8_t* a = Px(plain->m_bitmap, x, y);
      const uint8_t* b = Px(bent->m_bitmap, x, y);
      ASSERT_EQ(a[3], b[3]);  // the shape stays
      changed += a[0] != b[0] || a[2] != b[2];
    }
  EXPECT_GT(changed, 100);
  // Other kinds have no environment step.
  EXPECT_TRUE(lens(1, 11)->m_bitmap == lens(0, 11)->m_bitmap);
}

}  // namespace
}  // namespace tessel
