#include <gtest/gtest.h>

#include "base/app_context.h"
#include "document/bitmap_test_util.h"
#include "document/combine_objects.h"
#include "document/crop_to_object.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "geometry/envelope.h"

namespace tessel {
namespace {

using testing::AddBitmap;
using testing::AlphaAt;

struct Scene {
  CAppContext app;
  CVellumDoc doc;
  CDrawObject* a;
  CDrawObject* b;
  Scene() {
    doc.OnNewDocument();
    a = doc.NewObject();
    a->CreateRectangle(10, 10, 50, 50);
    b = doc.NewObject();
    b->CreateRectangle(30, 30, 70, 70);
  }
};

TEST(CombineObjects, XorAndUnionFillTheOverlapDifferently) {
  for (const CombineMode mode : {kCombineXor, kCombineUnion}) {
    Scene s;
    const CombineResult r = CombineObjects(s.doc, {s.a, s.b}, mode);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.message, "");
    ASSERT_EQ(s.doc.ObjectCount(), 1);
    EXPECT_EQ(s.doc.ObjectAt(0), s.a);
    EXPECT_TRUE(s.a->IsPolynome());
    EXPECT_EQ(s.a->m_layerFlag, int(mode));
    EXPECT_EQ(s.a->GetBoxRect(), (CRect{8, 8, 72, 72}));  // both rectangles plus the 2-pixel border
    int islands = 0;
    for (const CPolyPoint& p : s.a->m_polynome.m_points) islands += (p.flag & kPolyIsland) ? 1 : 0;
    EXPECT_EQ(islands, 2);
    EXPECT_EQ(AlphaAt(*s.a, 20, 20), 255);
    EXPECT_EQ(AlphaAt(*s.a, 60, 60), 255);
    EXPECT_EQ(AlphaAt(*s.a, 40, 40), mode == kCombineXor ? 0 : 255);
  }
}

TEST(CombineObjects, BitmapMembersAreSkippedWithAMessage) {
  Scene s;
  CDrawObject* bitmap = AddBitmap(s.doc, 100, 100, 8, 6);
  const CDIBSection image = bitmap->m_layer.Clone();
  const CombineResult r = CombineObjects(s.doc, {s.a, bitmap, s.b}, kCombineUnion);
  EXPECT_TRUE(r.changed);
  EXPECT_EQ(r.message,
            "Finished....\nHowever the bitmap objects you had in the selection\nwere not combined with the vector "
            "objects.\nThe Combine Objects command works only for vector objects...");
  ASSERT_EQ(s.doc.ObjectCount(), 2);
  EXPECT_EQ(s.doc.ObjectAt(1), bitmap);
  EXPECT_TRUE(bitmap->m_layer == image);
  EXPECT_EQ(bitmap->GetBoxRect(), (CRect{100, 100, 108, 106}));
  EXPECT_EQ(AlphaAt(*s.a, 60, 60), 255);
}

TEST(CombineObjects, ABitmapFirstMemberRefuses) {
  Scene s;
  CDrawObject* bitmap = AddBitmap(s.doc, 100, 100, 8, 6);
  const CombineResult r = CombineObjects(s.doc, {bitmap, s.a, s.b}, kCombineXor);
  EXPECT_FALSE(r.changed);
  EXPECT_EQ(r.message,
            "You can't combine bitmap object with vector objects.\nThe Combine Objects command works only for "
            "vector objects.");
  EXPECT_EQ(s.doc.ObjectCount(), 3);
  EXPECT_TRUE(s.a->IsPath());
}

TEST(CombineObjects, AnEnvelopeIsAppliedToItsPointsFirst) {
  Scene s;
  ASSERT_TRUE(s.a->ConvertToPolynome(true));
  SetEnvelopeHandle(s.a->m_polynome.m_envelope, 0, {250, 250});  // top-left corner pulled to (20, 20)
  s.a->RenderObject(false, nullptr);
  ASSERT_EQ(AlphaAt(*s.a, 13, 13), 0);
  CDrawObject* far = s.doc.NewObject();
  far->CreateRectangle(200, 200, 220, 220);
  s.doc.RemoveObject(s.b);
  ASSERT_TRUE(CombineObjects(s.doc, {s.a, far}, kCombineXor).changed);
  EXPECT_EQ(s.a->m_envelope, 0);
  EXPECT_TRUE(IsIdentityEnvelope(s.a->m_polynome.m_envelope));
  EXPECT_EQ(AlphaAt(*s.a, 13, 13), 0);  // still bent: the envelope went into the points
  EXPECT_EQ(AlphaAt(*s.a, 40, 40), 255);
  EXPECT_EQ(AlphaAt(*s.a, 210, 210), 255);
}

TEST(CropToObject, TheBottomObjectByListOrderMustBeTheBitmap) {
  Scene s;  // a is below b; a bitmap on top of both
  CDrawObject* bitmap = AddBitmap(s.doc, 10, 10, 40, 40);
  CDrawObject* bottom = nullptr;
  EXPECT_EQ(CropToObject(s.doc, bitmap, s.a, &bottom), "The bottom object must be the Bitmap object you want to crop");
  EXPECT_EQ(s.doc.ObjectCount(), 3);
  EXPECT_EQ(bottom, nullptr);
}

TEST(CropToObject, CutsTheBitmapToTheShapeAboveIt) {
  CAppContext app;
  CVellumDoc doc;
  CDrawObject* bitmap = AddBitmap(doc, 10, 10, 40, 40);
  CDrawObject* circle = doc.NewObject();
  circle->CreateCircle(10, 10, 50, 50);
  circle->m_transpAmount = 100;
  CDrawObject* bottom = nullptr;
  // Selected top first: the list decides which is the bottom.
  EXPECT_EQ(CropToObject(doc, circle, bitmap, &bottom), "");
  EXPECT_EQ(bottom, bitmap);
  ASSERT_EQ(doc.ObjectCount(), 1);
  const CDIBSection& image = bitmap->m_layer;
  EXPECT_EQ(image.RowFromTop(0)[3], 0);              // the corner is outside the circle
  EXPECT_EQ(image.RowFromTop(20)[20 * 4 + 3], 255);  // the centre is inside
  EXPECT_EQ(image.RowFromTop(20)[20 * 4 + 2], 200);  // colours stay
  EXPECT_EQ(AlphaAt(*bitmap, 11, 11), 0);
  EXPECT_EQ(AlphaAt(*bitmap, 30, 30), 255);
}

}  // namespace
}  // namespace tessel
