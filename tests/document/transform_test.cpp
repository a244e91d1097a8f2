#include <gtest/gtest.h>

#include <cmath>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "render/bilinear_resize.h"

namespace tessel {
namespace {

// The pixel position of path point i in the object's outline box.
CPointD PathPixel(const CDrawObject& o, int i) {
  const CRect in = o.GetInnerRect();
  const auto& p = o.m_path.m_points[size_t(i)];
  return {in.left + p.x * in.Width(), in.top + p.y * in.Height()};
}

// A bitmap object whose w x h image has a different opaque colour in every pixel.
void MakePicture(CDrawObject& o, int w, int h) {
  o.m_type = kTypeBitmap;
  o.m_layer.Create(w, h, 32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* px = o.m_layer.RowFromTop(y) + 4 * x;
      px[0] = uint8_t(10 * x);
      px[1] = uint8_t(10 * y);
      px[2] = uint8_t(100 + x + y);
      px[3] = 255;
    }
  o.AllocateBitmaps(w, h);
}

const uint8_t* Pixel(const CDIBSection& b, int x, int y) { return b.RowFromTop(y) + 4 * x; }

bool SamePixel(const uint8_t* a, const uint8_t* b) { return std::equal(a, a + 4, b); }

TEST(ObjectTransform, QuarterTurnSwapsTheBoxAboutItsCentre) {
  CAppContext app;
  CDrawObject o;
  o.CreateRectangle(10, 20, 110, 70);  // box (8, 18) 104 x 54, centre (60, 45)
  ASSERT_EQ(o.m_width, 104);
  o.Rotate(90, false);
  EXPECT_EQ(o.m_width, 54);
  EXPECT_EQ(o.m_height, 104);
  EXPECT_EQ(o.m_left, 33);
  EXPECT_EQ(o.m_top, -7);
  EXPECT_EQ(o.m_bitmap.Width(), 54);
  // Counter-clockwise: the top-left corner is now bottom-left.
  EXPECT_NEAR(o.m_path.m_points[0].x, 0, 1e-12);
  EXPECT_NEAR(o.m_path.m_points[0].y, 1, 1e-12);
}

TEST(ObjectTransform, WholeTurnsGiveBackTheObject) {
  CAppContext app;
  CDrawObject o;
  o.CreateCircle(0, 0, 61, 30);
  const CBezier path = o.m_path;
  const CRect box = o.GetBoxRect();
  o.Rotate(360, false);
  EXPECT_EQ(o.m_path, path);
  for (int i = 0; i < 4; ++i) o.Rotate(-90, false);
  EXPECT_EQ(o.GetBoxRect(), box);
  for (int i = 0; i < path.Count(); ++i) {
    EXPECT_NEAR(o.m_path.m_points[size_t(i)].x, path.m_points[size_t(i)].x, 1e-9);
    EXPECT_NEAR(o.m_path.m_points[size_t(i)].y, path.m_points[size_t(i)].y, 1e-9);
  }
}

TEST(ObjectTransform, SquareTurnedByAnEighthGrowsByRootTwo) {
  CAppContext app;
  CDrawObject o;
  o.CreateRectangle(0, 0, 100, 100);
  const int border = 2 * o.MaskMargin();
  o.Rotate(45, false);
  EXPECT_NEAR(o.m_width - border, 100 * std::sqrt(2.0), 1);
  EXPECT_NEAR(o.m_height - border, 100 * std::sqrt(2.0), 1);
  EXPECT_EQ(o.m_width, o.m_height);
}

TEST(ObjectTransform, SkewMovesTheCornersByTheEdgeOffsets) {
  CAppContext app;
  CDrawObject o;
  o.CreateRectangle(10, 20, 110, 70);  // box (8, 18) 104 x 54
  CPointD before[4];
  for (int k = 0; k < 4; ++k) before[k] = PathPixel(o, 3 * k);
  o.Skew(27, 0, 0, -52);  // top edge 27 right, left edge 52 up
  for (int k = 0; k < 4; ++k) {
    const double u = (before[k].x - 8) / 104, v = (before[k].y - 18) / 54;
    const CPointD now = PathPixel(o, 3 * k);
    EXPECT_NEAR(now.x, before[k].x + 27 * (1 - v), 1.0) << k;
    EXPECT_NEAR(now.y, before[k].y - 52 * (1 - u), 1.0) << k;
  }
  const CRect box = o.GetBoxRect();
  o.Skew(0, 0, 0, 0);
  EXPECT_EQ(o.GetBoxRect(), box);
  o.Skew(0, o.m_width, o.m_height, 0);  // squashed onto a line: refused
  EXPECT_EQ(o.GetBoxRect(), box);
}

TEST(ObjectTransform, MirrorTwiceIsTheIdentity) {
  CAppContext app;
  CDrawObject o;
  o.CreateStar(0, 0, 80, 60, 5, 2.0);
  const CBezier path = o.m_path;
  const CRect box = o.GetBoxRect();
  o.Mirror(true);
  EXPECT_EQ(o.GetBoxRect(), box);
  EXPECT_DOUBLE_EQ(o.m_path.m_points[0].x, 1 - path.m_points[0].x);
  o.Mirror(true);
  o.Mirror(false);
  o.Mirror(false);
  for (int i = 0; i < path.Count(); ++i) {
    // 1 - (1 - x) may differ from x in its last bit.
    EXPECT_NEAR(o.m_path.m_points[size_t(i)].x, path.m_points[size_t(i)].x, 1e-15);
    EXPECT_NEAR(o.m_path.m_points[size_t(i)].y, path.m_points[size_t(i)].y, 1e-15);
  }
}

TEST(ObjectTransform, PolynomeTurnKeepsIslandsAndBakesTheEnvelope) {
  CAppContext app;
  CDrawObject o;
  o.CreateRectangle(0, 0, 60, 40);
  ASSERT_TRUE(o.ConvertToPolynome(true));
  o.m_polynome.m_points.push_back({300, 300, kPolyIsland});
  o.m_polynome.m_points.push_back({600, 300, 0});
  o.m_polynome.m_points.push_back({450, 600, 0});
  o.m_polynome.m_envelope[0] = 50;
  std::vector<uint8_t> flags;
  for (const auto& p : o.m_polynome.m_points) flags.push_back(p.flag);
  o.Rotate(30, false);
  ASSERT_EQ(o.m_polynome.m_points.size(), flags.size());
  for (size_t i = 0; i < flags.size(); ++i) EXPECT_EQ(o.m_polynome.m_points[i].flag, flags[i]);
  EXPECT_EQ(o.m_envelope, 1);
  for (double v : o.m_polynome.m_envelope) EXPECT_EQ(v, 0);
  EXPECT_EQ(o.m_rendered, 1);
}

TEST(ObjectTransform, FlatOutlinesSurviveEveryTransform) {
  CAppContext app;
  CDrawObject o;
  ASSERT_TRUE(o.CreatePath({{5, 0}, {5, 10}, {5, 20}, {5, 30}}, false));
  o.Rotate(90, false);
  EXPECT_GE(o.m_height, 2 * o.MaskMargin());
  o.Rotate(45, false);
  o.Skew(3, 4, -5, 6);
  o.Mirror(false);
  EXPECT_GT(o.m_width, 0);
  for (const auto& p : o.m_path.m_points) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));

  CDrawObject empty;
  empty.m_type = kTypeBitmap;
  empty.AllocateBitmaps(1, 1);
  empty.Rotate(90, false);
  EXPECT_EQ(empty.m_bitmapAngle, 90);
  empty.Skew(1, 1, 1, 1);
  EXPECT_EQ(empty.GetBoxRect(), (CRect{0, 0, 1, 1}));
  empty.Mirror(true);
  EXPECT_EQ(empty.m_bitmapAngle, 270);
}

TEST(ObjectTransform, SetPositionMovesTheBoxOnly) {
  CAppContext app;
  CDrawObject o;
  o.CreateRectangle(0, 0, 20, 10);
  const CBezier path = o.m_path;
  o.SetPosition(-7, 300);
  EXPECT_EQ(o.GetBoxRect(), (CRect{-7, 300, -7 + 24, 300 + 14}));
  EXPECT_EQ(o.m_path, path);
}

TEST(BitmapRotate, QuarterTurnMovesEveryPixelExactly) {
  CAppContext app;
  CDrawObject o;
  MakePicture(o, 4, 3);
  o.m_left = 10;
  o.Rotate(90, false);
  EXPECT_EQ(o.m_bitmapAngle, 90);
  ASSERT_EQ(o.m_width, 3);
  ASSERT_EQ(o.m_height, 4);
  EXPECT_EQ(o.m_left, 11);  // the centre moves by half a pixel at most
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x)
      EXPECT_TRUE(SamePixel(Pixel(o.m_bitmap, x, y), Pixel(o.m_layer, 3 - y, x))) << x << "," << y;
  // The top-right corner went to the top-left.
  EXPECT_TRUE(SamePixel(Pixel(o.m_bitmap, 0, 0), Pixel(o.m_layer, 3, 0)));

  o.Rotate(-90, false);
  EXPECT_EQ(o.m_bitmapAngle, 0);
  EXPECT_EQ(o.m_width, 4);
  EXPECT_TRUE(o.m_bitmap == o.m_layer);
}

TEST(BitmapRotate, PaintedTransparencyTurnsWithThePicture) {
  CAppContext app;
  CDrawObject o;
  MakePicture(o, 4, 3);
  o.m_paintTransp.Create(4, 3, 32);
  std::fill(o.m_paintTransp.Bits(), o.m_paintTransp.Bits() + o.m_paintTransp.SizeBytes(), uint8_t(255));
  o.m_paintTransp.RowFromTop(0)[4 * 3 + 3] = 0;  // the top-right pixel is painted away
  o.Rotate(90, false);
  EXPECT_EQ(Pixel(o.m_bitmap, 0, 0)[3], 0);
  EXPECT_EQ(Pixel(o.m_bitmap, 2, 0)[3], 255);
  EXPECT_EQ(Pixel(o.m_bitmap, 0, 3)[3], 255);
}

TEST(BitmapRotate, CtrlTurnsTheImageItself) {
  CAppContext app;
  CDrawObject o, reference;
  MakePicture(o, 4, 3);
  MakePicture(reference, 4, 3);
  o.Rotate(270, true);
  EXPECT_EQ(o.m_bitmapAngle, 0);
  ASSERT_EQ(o.m_layer.Width(), 3);
  ASSERT_EQ(o.m_layer.Height(), 4);
  EXPECT_TRUE(o.m_bitmap == o.m_layer);
  // Turned clockwise: the top-left corner went to the top-right.
  EXPECT_TRUE(SamePixel(Pixel(o.m_layer, 2, 0), Pixel(reference.m_layer, 0, 0)));
  EXPECT_TRUE(SamePixel(Pixel(o.m_layer, 0, 3), Pixel(reference.m_layer, 3, 2)));
}

TEST(BitmapRotate, UnturnedPicturesRenderAsBefore) {
  CAppContext app;
  CDrawObject o, whole;
  MakePicture(o, 5, 3);
  o.AllocateBitmaps(13, 7);
  CDIBSection resized;
  resized.Create(13, 7, 32);
  ResizeBilinear32(o.m_layer, resized);
  EXPECT_TRUE(o.m_bitmap == resized);
  MakePicture(whole, 5, 3);
  whole.m_bitmapAngle = 360;
  whole.AllocateBitmaps(13, 7);
  EXPECT_TRUE(whole.m_bitmap == o.m_bitmap);
}

TEST(BitmapRotate, TurnedPictureKeepsItsSizeAndIsTransparentAround) {
  CAppContext app;
  CDrawObject o;
  MakePicture(o, 40, 20);
  o.Rotate(45, false);
  const int expected = int(std::lround(60 / std::sqrt(2.0)));  // (40 + 20) cos 45
  EXPECT_NEAR(o.m_width, expected, 1);
  EXPECT_NEAR(o.m_height, expected, 1);
  EXPECT_EQ(Pixel(o.m_bitmap, 0, 0)[3], 0);
  EXPECT_EQ(Pixel(o.m_bitmap, o.m_width / 2, o.m_height / 2)[3], 255);
  // Another eighth turn makes it upright again, standing: 20 x 40.
  o.Rotate(45, false);
  EXPECT_NEAR(o.m_width, 20, 1);
  EXPECT_NEAR(o.m_height, 40, 1);
}

TEST(BitmapTransform, MirrorFlipsThePicture) {
  CAppContext app;
  CDrawObject o, reference;
  MakePicture(o, 4, 3);
  MakePicture(reference, 4, 3);
  o.Mirror(true);
  EXPECT_TRUE(SamePixel(Pixel(o.m_bitmap, 0, 0), Pixel(reference.m_layer, 3, 0)));
  o.Mirror(false);
  EXPECT_TRUE(SamePixel(Pixel(o.m_bitmap, 0, 0), Pixel(reference.m_layer, 3, 2)));
  o.Mirror(false);
  o.Mirror(true);
  EXPECT_TRUE(o.m_layer == reference.m_layer);

  // A turned picture is mirrored as shown.
  o.Rotate(90, false);
  reference.Rotate(90, false);
  o.Mirror(true);
  EXPECT_EQ(o.m_bitmapAngle, 270);
  for (int y = 0; y < o.m_height; ++y)
    for (int x = 0; x < o.m_width; ++x)
      EXPECT_TRUE(SamePixel(Pixel(o.m_bitmap, x, y), Pixel(reference.m_bitmap, o.m_width - 1 - x, y)));
}

TEST(BitmapTransform, SkewShiftsThePictureIntoANewImage) {
  CAppContext app;
  CDrawObject o;
  MakePicture(o, 8, 8);
  o.Skew(8, 0, 0, 0);  // the top edge 8 to the right
  EXPECT_EQ(o.m_width, 16);
  EXPECT_EQ(o.m_height, 8);
  EXPECT_EQ(o.m_layer.Width(), 16);
  EXPECT_EQ(Pixel(o.m_bitmap, 0, 0)[3], 0);    // left of the shifted top row
  EXPECT_EQ(Pixel(o.m_bitmap, 15, 7)[3], 0);   // right of the unshifted bottom row
  EXPECT_EQ(Pixel(o.m_bitmap, 12, 0)[3], 255);
  EXPECT_EQ(Pixel(o.m_bitmap, 3, 7)[3], 255);
}

}  // namespace
}  // namespace tessel
