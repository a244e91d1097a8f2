#include "geometry/text_outline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "base/app_context.h"
#include "document/draw_object.h"

namespace tessel {
namespace {

CTextOutline Build(const std::string& text, double size, bool bold = false, bool italic = false, int align = 0) {
  TextStyle style;
  style.text = text;
  style.size = size;
  style.bold = bold;
  style.italic = italic;
  style.align = align;
  CTextOutline out;
  std::string error;
  EXPECT_TRUE(BuildTextOutline(style, out, &error)) << error;
  return out;
}

// Net ink area: signed shoelace area of the contours with cubics flattened; glyph
// holes run against their outer contour, so they subtract.
double InkArea(const CTextOutline& t) {
  double area = 0;
  for (const auto& c : t.m_contours) {
    std::vector<CPolyPoint> flat;
    for (size_t i = 0; i < c.size(); ++i) {
      if (!(c[i].flag & kPolyCurve)) {
        flat.push_back(c[i]);
        continue;
      }
      const CPolyPoint p0 = flat.back(), p1 = c[i], p2 = c[i + 1], p3 = c[i + 2];
      for (int k = 1; k <= 16; ++k) {
        const double u = k / 16.0, v = 1 - u;
        flat.push_back({v * v * v * p0.x + 3 * v * v * u * p1.x + 3 * v * u * u * p2.x + u * u * u * p3.x,
                        v * v * v * p0.y + 3 * v * v * u * p1.y + 3 * v * u * u * p2.y + u * u * u * p3.y, 0});
      }
      i += 2;
    }
    for (size_t i = 0; i < flat.size(); ++i) {
      const CPolyPoint& a = flat[i];
      const CPolyPoint& b = flat[(i + 1) % flat.size()];
      area += a.x * b.y - b.x * a.y;
    }
  }
  return std::abs(area) / 2;
}

// Horizontal lean of a single stroke: x shift of the middle of its top edge over the
// middle of its bottom edge, per pixel of height.
double Lean(const CTextOutline& t) {
  const auto& c = t.m_contours.at(0);
  auto [top, bottom] = std::minmax_element(c.begin(), c.end(), [](auto& a, auto& b) { return a.y < b.y; });
  auto middle = [&](double y) {
    double sum = 0;
    int n = 0;
    for (const auto& p : c)
      if (std::abs(p.y - y) < 0.5) sum += p.x, ++n;
    return sum / n;
  };
  return (middle(top->y) - middle(bottom->y)) / (bottom->y - top->y);
}

TEST(TextOutline, BoxFollowsSizeLinesAndText) {
  const CTextOutline small = Build("Tessel", 50), big = Build("Tessel", 100);
  EXPECT_NEAR(big.m_advance, 2 * small.m_advance, 1e-9);
  EXPECT_NEAR(big.m_height, 2 * small.m_height, 1e-9);
  EXPECT_GT(Build("Tessel Text", 50).m_width, small.m_width + 50);

  const CTextOutline two = Build("Tessel\nTessel", 50);
  EXPECT_EQ(two.m_lineCount, 2);
  EXPECT_DOUBLE_EQ(two.m_height, 2 * small.m_height);
  EXPECT_DOUBLE_EQ(two.m_width, small.m_width);

  // Blank lines and lines of spaces still take their height.
  const CTextOutline blank = Build("A\n\n  ", 50);
  EXPECT_EQ(blank.m_lineCount, 3);
  EXPECT_DOUBLE_EQ(blank.m_height, 3 * blank.m_lineHeight);
  EXPECT_GT(Build("   ", 50).m_width, 0);

  TextStyle empty;
  CTextOutline out;
  std::string error;
  EXPECT_FALSE(BuildTextOutline(empty, out, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(BuildTextOutlineFromFile(TextStyle{"A"}, "/nonexistent/font.ttf", out, &error));
  EXPECT_NE(error.find("/nonexistent/font.ttf"), std::string::npos);
}

TEST(TextOutline, ArialIsLiberationSansWithItsMetrics) {
  // Liberation Sans at 2048 units per em: A 1366, B 1366, C 1479; height 1854 + 434 + 67.
  const CTextOutline abc = Build("ABC", 100);
  EXPECT_EQ(abc.m_family, "Liberation Sans");
  EXPECT_NEAR(abc.m_advance, 4211 * 100 / 2048.0, 1e-9);  // 205.6
  EXPECT_NEAR(abc.m_lineHeight, 2355 * 100 / 2048.0, 1e-9);
  // The face kerns "AV" closer than the two advances.
  EXPECT_LT(Build("AV", 100).m_advance, 2 * Build("A", 100).m_advance - 3);
}

TEST(TextOutline, AlignmentMovesShortLines) {
  const double lineAdvance = Build("l", 40).m_advance;
  double left[3];
  for (int align = 0; align < 3; ++align) {
    const CTextOutline t = Build("WWWW\nl", 40, false, false, align);
    left[align] = 1e9;
    for (const auto& c : t.m_contours)
      if (c[0].y > t.m_lineHeight) left[align] = std::min(left[align], c[0].x);
    if (align == 2) {
      EXPECT_NEAR(left[2] - left[0], t.m_advance - lineAdvance, 1e-9);
    }
  }
  EXPECT_NEAR(left[1] - left[0], (left[2] - left[0]) / 2, 1e-9);
}

TEST(TextOutline, ContoursAreClosedCubicsInsideTheBox) {
  const CTextOutline t = Build("Tessel & Qq @ 0%", 80, false, true);
  ASSERT_GT(t.m_contours.size(), 10u);
  for (const auto& c : t.m_contours) {
    ASSERT_GE(c.size(), 3u);
    EXPECT_EQ(c[0].flag, kPolyIsland);
    for (size_t i = 1; i < c.size(); ++i) {
      EXPECT_FALSE(c[i].flag & kPolyIsland);
      EXPECT_TRUE(c[i].x >= 0 && c[i].x <= t.m_width && c[i].y >= 0 && c[i].y <= t.m_height);
      if (!(c[i].flag & kPolyCurve)) continue;
      ASSERT_LT(i + 2, c.size());
      EXPECT_EQ(c[i + 1].flag | c[i + 2].flag, 0);
      // A converted quadratic: both controls point back at the same quadratic control.
      const CPolyPoint &p0 = c[i - 1], &c1 = c[i], &c2 = c[i + 1], &p3 = c[i + 2];
      EXPECT_NEAR(p0.x + 1.5 * (c1.x - p0.x), p3.x + 1.5 * (c2.x - p3.x), 1e-9);
      EXPECT_NEAR(p0.y + 1.5 * (c1.y - p0.y), p3.y + 1.5 * (c2.y - p3.y), 1e-9);
      i += 2;
    }
  }
  EXPECT_GT(InkArea(t), 0);
}

TEST(TextOutline, BoldAndItalicFacesAndSyntheticStyles) {
  const CTextOutline regular = Build("Hello", 100), bold = Build("Hello", 100, true);
  EXPECT_NE(bold.m_fontFile, regular.m_fontFile);
  EXPECT_FALSE(bold.m_syntheticBold);
  EXPECT_GT(InkArea(bold), 1.2 * InkArea(regular));
  EXPECT_GT(bold.m_advance, regular.m_advance);
  EXPECT_NEAR(Lean(Build("l", 100)), 0, 1e-9);
  EXPECT_GT(Lean(Build("l", 100, false, true)), 0.1);

  // The regular face asked for bold and italic has to make them up.
  TextStyle style{"l", "", true, true, 100};
  CTextOutline fake;
  ASSERT_TRUE(BuildTextOutlineFromFile(style, Build("l", 100).m_fontFile, fake));
  EXPECT_TRUE(fake.m_syntheticBold && fake.m_syntheticItalic);
  EXPECT_NEAR(Lean(fake), 0.2, 0.02);
  style.italic = false;
  ASSERT_TRUE(BuildTextOutlineFromFile(style, regular.m_fontFile, fake));
  EXPECT_GT(InkArea(fake), 1.2 * InkArea(Build("l", 100)));
  EXPECT_GT(fake.m_advance, Build("l", 100).m_advance);
}

TEST(CreateText, MakesLiveTextThatFitsItsBox) {
  CAppContext app;
  CDrawObject o;
  o.m_left = 30;
  o.m_top = 40;
  o.m_textAlign = 1;
  CLogFont font;
  font.weight = 700;
  ASSERT_TRUE(o.CreateText("Tessel\nText", font, 60));
  EXPECT_EQ(o.m_type, kTypePolynome);
  EXPECT_EQ(o.m_envelope, 1);
  EXPECT_EQ(o.m_name, "Text");
  EXPECT_EQ(o.StatusText(), "Object: Text");
  EXPECT_EQ(o.m_text, "Tessel\nText");
  EXPECT_EQ(o.m_textSize, 60);
  EXPECT_TRUE(o.m_font == font);
  EXPECT_EQ(o.m_left, 30);
  EXPECT_EQ(o.m_top, 40);
  const CTextOutline expect = Build("Tessel\nText", 60, true, false, 1);
  EXPECT_EQ(o.m_width, int(std::ceil(expect.m_width)) + 2 * o.MaskMargin());
  EXPECT_EQ(o.m_height, int(std::ceil(expect.m_height)) + 2 * o.MaskMargin());
  EXPECT_EQ(o.m_bitmap.Width(), o.m_width);
  double maxX = 0;
  for (const auto& p : o.m_polynome.m_points) {
    EXPECT_TRUE(p.x >= 0 && p.x <= 1000 && p.y >= 0 && p.y <= 1000);
    maxX = std::max(maxX, p.x);
  }
  EXPECT_GT(maxX, 950);

  const CPolynome outline = o.m_polynome;
  o.ConvertTextToCurves();
  EXPECT_EQ(o.m_envelope, 0);
  EXPECT_TRUE(o.m_text.empty());
  EXPECT_TRUE(o.m_polynome == outline);
  EXPECT_EQ(o.StatusText(), "Object: Polynome");

  CDrawObject untouched;
  EXPECT_FALSE(untouched.CreateText("", font, 60));
  EXPECT_EQ(untouched.m_type, kTypeNone);
  EXPECT_EQ(untouched.m_width, 0);
}

}  // namespace
}  // namespace tessel
