#include <gtest/gtest.h>

#include "base/app_context.h"
#include "document/bitmap_from_objects.h"
#include "document/bitmap_test_util.h"
#include "document/paste_bitmap.h"
#include "render/compositor.h"

namespace tessel {
namespace {

using testing::AddBitmap;

// Four rectangles X, A, B, C from bottom to top.
struct Stack {
  CAppContext app;
  CVellumDoc doc;
  CDrawObject* x;
  CDrawObject* a;
  CDrawObject* b;
  CDrawObject* c;
  Stack() {
    doc.OnNewDocument();
    x = Add("X", 0, 0);
    a = Add("A", 10, 10);
    b = Add("B", 40, 20);
    c = Add("C", 60, 50);
  }
  CDrawObject* Add(const char* name, int left, int top) {
    CDrawObject* o = doc.NewObject();
    o->CreateRectangle(left, top, left + 30, top + 20);
    o->m_name = name;
    return o;
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> v;
    for (const auto& o : doc.m_objects) v.push_back(o->m_name);
    return v;
  }
};

TEST(BitmapFromObjects, FlattenBlendsByAlphaOverTheColour) {
  CDIBSection picture;
  picture.Create(2, 1, 32);
  uint8_t* p = picture.RowFromTop(0);
  p[0] = 200, p[1] = 100, p[2] = 50, p[3] = 128;  // half covered
  p[4] = 1, p[5] = 2, p[6] = 3, p[7] = 0;         // uncovered
  const CDIBSection flat = FlattenOverColour(picture, 0x0080FF);  // red 255, green 128, blue 0
  ASSERT_EQ(flat.BitsPerPixel(), 24);
  const uint8_t* f = flat.RowFromTop(0);
  EXPECT_EQ(f[0], 100);  // (200 * 128 + 0 * 127) / 255
  EXPECT_EQ(f[1], 113);  // (100 * 128 + 128 * 127) / 255
  EXPECT_EQ(f[2], 152);  // (50 * 128 + 255 * 127) / 255
  EXPECT_EQ(f[3], 0);
  EXPECT_EQ(f[4], 128);
  EXPECT_EQ(f[5], 255);
}

TEST(BitmapFromObjects, CopyAsBitmapCoversTheSourcesOnTheBackground) {
  Stack s;
  s.doc.m_background = 0x00FF00;
  const CDIBSection picture = PictureOfObjects(s.doc, {s.c, s.a});
  const CRect united = EffectRect(*s.a).Union(EffectRect(*s.c));  // no margin
  EXPECT_EQ(picture.Width(), united.Width());
  EXPECT_EQ(picture.Height(), united.Height());
  const uint8_t* corner = picture.RowFromTop(picture.Height() - 1);  // between A and C: background
  EXPECT_EQ(corner[0], 0);
  EXPECT_EQ(corner[1], 255);
  EXPECT_EQ(corner[2], 0);
  EXPECT_TRUE(PictureOfObjects(s.doc, {}).IsEmpty());
}

TEST(BitmapFromObjects, NewBitmapGoesOnTopAndKeepsTheSources) {
  Stack s;
  CDrawObject* o = NewBitmapFromObjects(s.doc, {s.b, s.a});
  ASSERT_NE(o, nullptr);
  EXPECT_EQ(s.Names(), (std::vector<std::string>{"X", "A", "B", "C", "Bitmap"}));
  const CRect united = EffectRect(*s.a).Union(EffectRect(*s.b));
  EXPECT_TRUE(o->IsBitmap());
  EXPECT_EQ(o->GetBoxRect(), united);
  EXPECT_EQ(o->m_imageWidth, united.Width());
  EXPECT_EQ(o->m_imageHeight, united.Height());
}

TEST(BitmapFromObjects, ShadowLiesJustBelowTheLowestSource) {
  Stack s;
  CDrawObject* o = BitmapShadowFromObjects(s.doc, {s.c, s.b});  // selection order does not count
  ASSERT_NE(o, nullptr);
  EXPECT_EQ(s.Names(), (std::vector<std::string>{"X", "A", "Shadow", "B", "C"}));
  const CRect united = EffectRect(*s.b).Union(EffectRect(*s.c)).Inflated(kShadowMargin);
  EXPECT_EQ(o->m_left, united.left + 5);
  EXPECT_EQ(o->m_top, united.top + 5);
  EXPECT_EQ(o->m_imageWidth, united.Width());
  // The blur spreads the alpha into the margin.
  const CDIBSection& layer = o->m_layer;
  const int edge = kShadowMargin - 2;  // two pixels outside B's box
  EXPECT_GT(layer.RowFromTop(20)[edge * 4 + 3], 0);
  EXPECT_EQ(layer.RowFromTop(0)[3], 0);
}

TEST(BitmapFromObjects, PasteAsBitmapBeyondTheCanvasMovesToTheOrigin) {
  Stack s;
  CDrawObject far;
  far.CreateRectangle(500, 20, 530, 40);  // right of the 400-pixel canvas
  CDrawObject* pasted = PasteAsBitmap(s.doc, {&far});
  ASSERT_NE(pasted, nullptr);
  EXPECT_EQ(pasted->m_name, "Bitmap");
  EXPECT_EQ(s.doc.ObjectAt(4), pasted);
  EXPECT_EQ(pasted->m_left, 0);
  EXPECT_EQ(pasted->m_top, 0);
  EXPECT_EQ(pasted->m_imageWidth, EffectRect(far).Width());

  CDrawObject near;
  near.CreateRectangle(390, 290, 420, 320);  // starts on the canvas: stays
  CDrawObject* kept = PasteAsBitmap(s.doc, {&near});
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->m_left, EffectRect(near).left);
  EXPECT_EQ(kept->m_top, EffectRect(near).top);
  EXPECT_EQ(PasteAsBitmap(s.doc, {}), nullptr);
  EXPECT_EQ(s.doc.ObjectCount(), 6);
}

TEST(BitmapFromObjects, PasteInsideTakesThePictureAtItsOwnSize) {
  Stack s;
  CDIBSection image;
  image.Create(7, 3, 24);
  EXPECT_TRUE(PasteImageInside(*s.a, image));
  EXPECT_EQ(s.a->m_layer.BitsPerPixel(), 32);
  EXPECT_EQ(s.a->m_imageWidth, 7);
  EXPECT_EQ(s.a->m_imageHeight, 3);
  EXPECT_EQ(s.a->m_layer.RowFromTop(0)[3], 255);  // a picture without alpha is opaque

  CDrawObject* bitmap = AddBitmap(s.doc, 300, 200, 9, 4);
  EXPECT_TRUE(PasteObjectsInside(*s.b, {bitmap}, s.doc));
  EXPECT_TRUE(s.b->m_layer == bitmap->m_layer);  // a single bitmap gives its own image
  EXPECT_TRUE(PasteObjectsInside(*s.b, {bitmap, s.c}, s.doc));
  EXPECT_EQ(s.b->m_imageWidth, EffectRect(*bitmap).Union(EffectRect(*s.c)).Width());
}

}  // namespace
}  // namespace tessel
