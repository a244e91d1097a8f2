#include <gtest/gtest.h>

#include <set>

#include "base/app_context.h"
#include "base/profile.h"
#include "document/draw_object.h"

namespace tessel {
namespace {

TEST(DrawObject, FreshObjectHasTheConstructorDefaults) {
  CAppContext app;
  CDrawObject o;
  EXPECT_EQ(o.m_type, 0);
  EXPECT_EQ(o.m_opacity, 255);
  EXPECT_EQ(o.m_antiAlias, 3);
  EXPECT_EQ(o.m_color, 0x0000FFu);
  EXPECT_EQ(o.m_color2, 0xFF0000u);
  EXPECT_EQ(o.m_bevelWidth, 8);
  EXPECT_FALSE(o.HasPerspective());
  EXPECT_TRUE(o.m_name.empty());
  EXPECT_EQ(o.m_font.faceName, "Arial");
  EXPECT_EQ(o.m_font.pitchAndFamily, 0x20);
  EXPECT_EQ(o.m_lightDir[2], 0.54827);
  EXPECT_EQ(o.StatusText(), "Ready.");
  o.m_perspX[1] = 0.9f;
  EXPECT_TRUE(o.HasPerspective());
}

TEST(DrawObject, FontDefaultsComeFromTheProfile) {
  CAppContext app;
  app.Profile().WriteInt("Font", "Weight", 700);
  app.Profile().WriteString("Font", "Name", std::string(40, 'x'));
  CDrawObject o;
  EXPECT_EQ(o.m_font.weight, 700);
  EXPECT_EQ(o.m_font.faceName, std::string(31, 'x'));
}

TEST(DrawObject, UidsAreTwelveLettersAndUniqueInATightLoop) {
  CAppContext app;
  std::set<std::string> seen;
  for (int i = 0; i < 1000; ++i) {
    CDrawObject o;
    ASSERT_EQ(o.m_uid.size(), 12u);
    for (char c : o.m_uid) ASSERT_TRUE((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) << o.m_uid;
    seen.insert(o.m_uid);
  }
  EXPECT_EQ(seen.size(), 1000u);
}

TEST(DrawObject, StatusTextsFollowTheKind) {
  CAppContext app;
  CDrawObject o;
  o.m_type = kTypePath;
  EXPECT_EQ(o.StatusText(), "Object: Closed Path");
  o.m_path.m_closed = 0;
  EXPECT_EQ(o.StatusText(), "Object: Opened Path");
  o.m_type = kTypePolynome;
  EXPECT_EQ(o.StatusText(), "Object: Polynome");
  o.m_envelope = 1;
  EXPECT_EQ(o.StatusText(), "Object: Polynome Envelope");
  o.m_text = "Hi";
  EXPECT_EQ(o.StatusText(), "Object: Text");
  o.m_type = kTypeBitmap;
  EXPECT_EQ(o.StatusText(), "Object: Bitmap    < DoubleClick to Edit, CTRL & DoubleClick - Preserve Transparency >");
  o.m_polynome.m_bitmapEnvelope = 1;
  EXPECT_EQ(o.StatusText(),
            "Object: Bitmap Envelope   < DoubleClick to Edit, CTRL & DoubleClick - Preserve Transparency >");
  o.SetPackageData({1, 2, 3});
  EXPECT_TRUE(o.IsPackage());
  EXPECT_EQ(o.StatusText(), "Object: Package   < DoubleClick to open and edit the package in a new window>");
}

TEST(DrawObject, AllocateBitmapsRaisesToTwiceTheBorder) {
  CAppContext app;
  CDrawObject open;
  open.m_type = kTypePath;
  open.m_path.m_closed = 0;
  open.AllocateBitmaps(0, 5);
  EXPECT_EQ(open.m_width, 24);
  EXPECT_EQ(open.m_height, 24);
  EXPECT_EQ(open.m_bitmap.Width(), 24);
  EXPECT_EQ(open.m_bitmap.BitsPerPixel(), 32);
  EXPECT_EQ(open.m_rendered, 1);

  CDrawObject bitmap;
  bitmap.m_type = kTypeBitmap;
  bitmap.AllocateBitmaps(0, 5);
  EXPECT_EQ(bitmap.m_width, 0);
  EXPECT_TRUE(bitmap.m_bitmap.IsEmpty());

  CDrawObject closed;
  closed.m_type = kTypePath;
  closed.m_renderScale = 3;
  closed.AllocateBitmaps(1, 100);
  EXPECT_EQ(closed.m_width, 12);  // 2 x border of 2 x 3
  EXPECT_EQ(closed.m_height, 100);
}

TEST(DrawObject, RectanglesOfTheBox) {
  CAppContext app;
  CDrawObject o;
  o.m_type = kTypePath;
  o.m_left = 10, o.m_top = 20, o.m_width = 100, o.m_height = 50;
  EXPECT_EQ(o.GetSelectionRect(), (CRect{7, 17, 113, 73}));
  EXPECT_EQ(o.GetInnerRect(), (CRect{12, 22, 108, 68}));
  EXPECT_EQ(o.GetVisibleRect(), (CRect{12, 22, 108, 68}));
  o.m_path.m_closed = 0;
  EXPECT_EQ(o.GetInnerRect(), (CRect{22, 32, 98, 58}));
  EXPECT_EQ(o.GetVisibleRect(), (CRect{14, 24, 106, 66}));
  o.m_type = kTypeBitmap;
  EXPECT_EQ(o.GetVisibleRect(), (CRect{10, 20, 110, 70}));
}

TEST(DrawObject, PendingResize) {
  CAppContext app;
  CDrawObject o;
  o.m_type = kTypePath;
  o.AllocateBitmaps(50, 50);
  o.SetPendingRect(10, 10, 0, 40);
  EXPECT_EQ(o.m_pendingResize, 1);
  EXPECT_FALSE(o.ApplyPendingResize());
  EXPECT_EQ(o.m_pendingResize, 0);
  EXPECT_EQ(o.m_left, 0);
  EXPECT_EQ(o.m_width, 50);
  EXPECT_FALSE(o.ApplyPendingResize());

  o.SetPendingRect(100, 80, -60, -30);  // normalised to 40, 50, 60 x 30
  EXPECT_EQ(o.m_pendingRect, (std::array<int32_t, 4>{40, 50, 60, 30}));
  EXPECT_TRUE(o.ApplyPendingResize());
  EXPECT_EQ(o.GetBoxRect(), (CRect{40, 50, 100, 80}));
  EXPECT_EQ(o.m_bitmap.Width(), 60);
}

TEST(DrawObject, ShapeCreatorsSetKindNameAndBox) {
  CAppContext app;
  CDrawObject r;
  r.CreateRectangle(10, 20, 110, 70);
  EXPECT_EQ(r.m_type, kTypePath);
  EXPECT_EQ(r.m_name, "Rectangle");
  EXPECT_EQ(r.GetBoxRect(), (CRect{8, 18, 112, 72}));
  EXPECT_EQ(r.m_path.Count(), 12);

  CDrawObject c;
  c.m_polynome.m_points = {{1, 1, 0}};
  c.CreateCircle(0, 0, 40, 30);
  EXPECT_EQ(c.m_name, "Circle");
  EXPECT_TRUE(c.m_polynome.IsEmpty());
  EXPECT_EQ(c.GetBoxRect(), (CRect{-2, -2, 42, 32}));

  CDrawObject rr;
  rr.CreateRoundRect(0, 0, 196, 96, 205);  // box 200 x 100, r = 0.2
  EXPECT_EQ(rr.m_name, "Round-Rect");
  EXPECT_EQ(rr.m_path.Count(), 24);
  EXPECT_NEAR(rr.m_path.m_points[0].y, 0.4, 1e-3);  // v = r * w / h

  CDrawObject s;
  s.CreateStar(0, 0, 50, 50, 5, 2.0);
  EXPECT_EQ(s.m_name, "Star");
  EXPECT_EQ(s.m_path.Count(), 30);
  EXPECT_EQ(s.GetBoxRect(), (CRect{-2, -2, 52, 52}));
}

TEST(DrawObject, PathCreatorsNormaliseIntoTheInnerBox) {
  CAppContext app;
  CDrawObject p;
  // One straight segment from (10, 10) to (50, 30), open.
  ASSERT_TRUE(p.CreatePath({{10, 10}, {10, 10}, {50, 30}, {50, 30}}, false));
  EXPECT_EQ(p.m_name, "Path");
  EXPECT_EQ(p.m_path.m_closed, 0);
  EXPECT_EQ(p.GetBoxRect(), (CRect{-2, -2, 62, 42}));  // grown by 12
  EXPECT_EQ(p.m_path.m_points[3].x, 1.0);
  EXPECT_EQ(p.m_path.m_points[3].y, 1.0);
  EXPECT_EQ(p.GetInnerRect(), (CRect{10, 10, 50, 30}));

  CDrawObject empty;
  EXPECT_FALSE(empty.CreatePath({{5, 5}, {5, 5}, {5, 5}, {5, 5}}, true));
  EXPECT_FALSE(empty.CreatePath({}, true));

  CDrawObject f;
  EXPECT_FALSE(f.CreateFreePath({{1, 1}, {30, 1.2}, {60, 1.4}, {90, 0.9}}, false));  // lower than 1
  std::vector<CPointD> stroke;
  for (int i = 0; i < 7; ++i) stroke.push_back({i * 10.0, (i % 2) * 20.0});
  ASSERT_TRUE(f.CreateFreePath(stroke, true));
  EXPECT_EQ(f.m_name, "Free Path");
  EXPECT_EQ(f.m_path.m_closed, 1);
  EXPECT_EQ(f.m_path.Count(), 8);  // the first point appended once more
  EXPECT_EQ(f.GetInnerRect().left, 0);

  CDrawObject shortStroke;
  ASSERT_TRUE(shortStroke.CreateFreePath({{0, 0}, {10, 10}, {20, 0}, {30, 10}}, true));
  EXPECT_EQ(shortStroke.m_path.m_closed, 0);  // fewer than 6 points stay open
}

TEST(DrawObject, BreakAndCloseRefitTheBox) {
  CAppContext app;
  CDrawObject r;
  r.CreateRectangle(100, 100, 200, 150);  // box 98, 98, 104 x 54
  r.BreakPath();
  EXPECT_EQ(r.m_path.m_closed, 0);
  EXPECT_EQ(r.m_path.Count(), 13);
  // b = bounds in (0, 0, 104 - 24, 54 - 24) = (0, 0, 80, 30); grown by 10 and the border.
  EXPECT_EQ(r.GetBoxRect(), (CRect{88, 88, 88 + 80 + 24 + 20, 88 + 30 + 24 + 20}));
  r.ClosePath();
  EXPECT_EQ(r.m_path.m_closed, 1);
  EXPECT_EQ(r.m_path.Count(), 12);
  // b = bounds in (0, 0, 124 - 4, 74 - 4) = (0, 0, 120, 70).
  EXPECT_EQ(r.GetBoxRect(), (CRect{98, 98, 98 + 120 + 4 - 20, 98 + 70 + 4 - 20}));
}

TEST(DrawObject, AssignmentCopiesRecordButNotIdentityOrFrames) {
  CAppContext app;
  CDrawObject a;
  a.CreateRectangle(0, 0, 20, 20);
  a.m_color = 0x123456;
  a.m_layer.Create(4, 4, 32);
  a.m_layer.Bits()[0] = 9;
  a.m_hasHighlightedFrame = 1;
  a.m_frameHighlighted = a.MakeFrameCopy();
  CDrawObject b;
  b = a;
  EXPECT_EQ(b.m_color, 0x123456u);
  EXPECT_EQ(b.m_path, a.m_path);
  EXPECT_TRUE(b.m_layer == a.m_layer);
  EXPECT_NE(b.m_layer.Bits(), a.m_layer.Bits());
  EXPECT_NE(b.m_uid, a.m_uid);
  EXPECT_EQ(b.m_frameHighlighted, nullptr);
  b.CopyFramesFrom(a);
  ASSERT_NE(b.m_frameHighlighted, nullptr);
  EXPECT_NE(b.m_frameHighlighted.get(), a.m_frameHighlighted.get());
  EXPECT_EQ(b.m_frameHighlighted->m_hasHighlightedFrame, 0);
}

TEST(DrawObject, FramesSwapLooksAndKeepTheirFlags) {
  CAppContext app;
  CDrawObject o;
  o.CreateRectangle(0, 0, 30, 30);
  o.SelectFrame(1);  // no highlighted frame: nothing happens
  EXPECT_EQ(o.m_currentFrame, 0);

  o.SetFrames(1, 1, 0, 0);
  EXPECT_EQ(o.m_currentFrame, 1);
  ASSERT_NE(o.m_frameNormal, nullptr);
  ASSERT_NE(o.m_frameHighlighted, nullptr);
  o.m_color = 0x00FF00;  // edit the highlighted look
  o.SetFrames(2, 1, 0, 0);  // no pushed frame: refused
  EXPECT_EQ(o.m_currentFrame, 1);
  o.SetFrames(0, 1, 0, 0);
  EXPECT_EQ(o.m_currentFrame, 0);
  EXPECT_EQ(o.m_color, 0x0000FFu);
  EXPECT_EQ(o.m_hasHighlightedFrame, 1);
  o.SelectFrame(1);
  EXPECT_EQ(o.m_color, 0x00FF00u);
  EXPECT_EQ(o.m_hasHighlightedFrame, 1);
  EXPECT_EQ(o.m_currentFrame, 1);

  o.m_nonInteractive = 1;
  o.SelectFrame(0);
  EXPECT_EQ(o.m_currentFrame, 1);
}

TEST(DrawObject, SettersStoreAndRender) {
  CAppContext app;
  CDrawObject o;
  o.m_type = kTypePath;
  o.m_width = o.m_height = 10;
  o.SetLineWidth(9);
  EXPECT_EQ(o.m_lineWidth, 9);
  EXPECT_EQ(o.m_rendered, 1);
  EXPECT_EQ(o.m_bitmap.Width(), 10);
  o.SetEffectDistance(3.75);
  EXPECT_EQ(o.m_effectDistanceF, 3.75);
  EXPECT_EQ(o.m_effectDistance, 3);
  o.SetAndRender(&CObjectFields::m_bevelType, 12);
  EXPECT_EQ(o.m_bevelType, 12);
}

}  // namespace
}  // namespace tessel
