#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "base/app_context.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "document/project_file.h"
#include "export/keep_output.h"
#include "export/svg_export.h"
#include "export/svg_import.h"
#include "export/svg_path_data.h"
#include "export/svg_values.h"
#include "test_util.h"

namespace tessel {
namespace {

std::string Svg(const std::string& body, const std::string& svgAttributes = "width=\"100\" height=\"80\"") {
  return "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" " + svgAttributes + ">" + body +
         "</svg>";
}

TEST(SvgPathData, TokensAndCommandRules) {
  EXPECT_EQ(TokenizePathData("M10,20L-3.5-4e1z"),
            (std::vector<std::string>{"M", "10", "20", "L", "-3.5", "-4e1", "z"}));
  EXPECT_EQ(TokenizePathData("m.5.5"), (std::vector<std::string>{"m", ".5", ".5"}));

  // One pair per L: the second pair after a lone L is skipped.
  auto p = ParsePathData("M0 0 L10 0 20 0");
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[1].type, kSvgLine);
  EXPECT_EQ(p[1].x, 10);
  // Upper-case Z is skipped; lower-case z closes with a copy of the contour's start.
  EXPECT_EQ(ParsePathData("M1 2 L5 2 L5 6 Z").size(), 3u);
  p = ParsePathData("M1 2 L5 2 L5 6 z");
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p[3].type, kSvgClose);
  EXPECT_EQ(p[3].x, 1);
  EXPECT_EQ(p[3].y, 2);
  // Relative commands start from the current point; H and V keep the other coordinate.
  p = ParsePathData("M10 10 l5 5 h3 v-2 c1 1 2 2 3 3 H0 V1");
  ASSERT_EQ(p.size(), 9u);
  EXPECT_EQ(p[1].x, 15);
  EXPECT_EQ(p[1].y, 15);
  EXPECT_EQ(p[2].x, 18);
  EXPECT_EQ(p[2].y, 15);
  EXPECT_EQ(p[3].x, 18);
  EXPECT_EQ(p[3].y, 13);
  EXPECT_EQ(p[4].type, kSvgCurve);
  EXPECT_EQ(p[4].x, 19);
  EXPECT_EQ(p[6].x, 21);
  EXPECT_EQ(p[6].y, 16);
  EXPECT_EQ(p[7].x, 0);
  EXPECT_EQ(p[7].y, 16);
  EXPECT_EQ(p[8].x, 0);
  EXPECT_EQ(p[8].y, 1);
  // Arcs, quadratics and broken data add nothing and never fail.
  EXPECT_EQ(ParsePathData("M0 0 A5 5 0 0 1 10 10 Q1 1 2 2").size(), 1u);
  EXPECT_TRUE(ParsePathData("C1 2 L M -- . e5 nan 1e999999").empty());
}

TEST(SvgValues, ColoursTransformsAndLengths) {
  EXPECT_EQ(*SvgColour("rgb(255, 0, 0)"), *SvgColour("red"));
  EXPECT_EQ(*SvgColour("#ff8000"), 0x0080FFu);
  EXPECT_EQ(*SvgColour("#f80"), 0x0088FFu);
  EXPECT_EQ(*SvgColour("TEAL"), 0x808000u);
  EXPECT_EQ(*SvgColour("fuchsia"), 0xFF00FFu);
  EXPECT_EQ(*SvgColour("papayawhip"), 0u);  // other keywords are black
  EXPECT_FALSE(SvgColour("none").has_value());
  const CSvgTransform t = SvgTransformList("translate(10) scale(2, 3)");
  EXPECT_EQ(t.X(1), 12);
  EXPECT_EQ(t.Y(1), 3);
  EXPECT_EQ(SvgTransformList("scale(2)").Y(1), 2);
  EXPECT_EQ(*SvgLength("2inch"), 144);
  EXPECT_EQ(*SvgLength("1in"), 72);
  EXPECT_FALSE(SvgLength("50%").has_value());
  EXPECT_EQ(*SvgStyleProperty("fill:red; stroke-width: 2.5", "stroke-width"), "2.5");
}

class SvgImportTest : public ::testing::Test {
 protected:
  CAppContext context;
  CRecordingMessages& Log() { return static_cast<CRecordingMessages&>(App().Messages()); }
};

TEST_F(SvgImportTest, ShapesStylesAndMapping) {
  const CSvgImport r = ReadSvgText(Svg(
      "<defs><rect x=\"0\" y=\"0\" width=\"5\" height=\"5\"/></defs>"
      "<g style=\"fill:navy\"><rect x=\"10\" y=\"20\" width=\"30\" height=\"10\"/></g>"
      "<rect x=\"1\" y=\"1\" width=\"4\" height=\"4\" fill=\"rgb(255,0,0)\" opacity=\"0.5\"/>"
      "<circle cx=\"50\" cy=\"40\" r=\"10\" style=\"fill:lime\" transform=\"translate(5,1)\"/>"
      "<line x1=\"0\" y1=\"0\" x2=\"20\" y2=\"10\" stroke=\"#0000ff\" stroke-width=\"3\"/>"
      "<polygon points=\"0,0 10,0 10,10\" fill=\"none\" stroke=\"olive\"/>"
      "<path d=\"M0 0 L10 0 L10 10 z\" fill=\"yellow\"/>",
      "width=\"2inch\" height=\"1in\" viewBox=\"0 0 100 50\""));
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.width, 144);
  EXPECT_EQ(r.height, 72);
  ASSERT_EQ(r.objects.size(), 6u);  // the rectangle inside defs makes nothing
  const CDrawObject& navy = *r.objects[0];
  EXPECT_EQ(navy.m_name, "Rectangle");
  EXPECT_EQ(navy.m_color, 0x800000u);
  // x 10 * 1.44 = 14.4 -> 14, the box 2 pixels larger on every side.
  EXPECT_EQ(navy.m_left, 12);
  EXPECT_EQ(navy.m_width, int(std::lround(40 * 1.44)) - 14 + 4);
  EXPECT_EQ(r.objects[1]->m_opacity, 128);
  EXPECT_EQ(r.objects[1]->m_color, 0x0000FFu);
  EXPECT_EQ(r.objects[2]->m_name, "Circle");
  EXPECT_EQ(r.objects[2]->m_left, int(std::lround(45 * 1.44)) - 2);
  const CDrawObject& line = *r.objects[3];
  EXPECT_EQ(line.m_name, "Line");
  EXPECT_FALSE(line.IsClosed());
  EXPECT_EQ(line.m_color, 0xFF0000u);
  EXPECT_EQ(line.m_lineWidth, 4);  // 3 x 1.44, rounded
  EXPECT_EQ(r.objects[4]->m_name, "Polyline");
  EXPECT_EQ(r.objects[4]->m_path.UsedPointCount(), 3 * 3 + 1);  // the first point repeated at the end
  const CDrawObject& path = *r.objects[5];
  EXPECT_EQ(path.m_name, "Polynome");
  EXPECT_EQ(path.m_polynome.m_points.size(), 4u);
  EXPECT_EQ(path.m_color, 0x00FFFFu);
  EXPECT_FALSE(path.m_bitmap.IsEmpty());  // rendered at once
  const auto statuses = Log().StatusTexts();
  EXPECT_NE(std::find(statuses.begin(), statuses.end(), "SVG Import"), statuses.end());
}

TEST_F(SvgImportTest, ExportedShapesComeBack) {
  CVellumDoc doc;
  doc.m_width = 200, doc.m_height = 150;
  CDrawObject* a = doc.NewObject();
  a->CreateRectangle(20, 20, 120, 100);
  a->m_color = 0x123456;
  a->m_opacity = 102;
  CDrawObject* b = doc.NewObject();
  b->m_lineWidth = 5;
  b->m_color = 0x00C000;
  ASSERT_TRUE(b->CreatePath({{10, 130}, {10, 130}, {180, 90}, {180, 90}}, false));
  CDrawObject* c = doc.NewObject();
  c->CreateCircle(130, 20, 190, 80);  // its control points lie on its bounds
  c->m_color = 0xC08000;
  // The files stay for tests/scripts/check_svg.sh, which draws both and compares.
  test::TempDir dir;
  ASSERT_TRUE(ExportSvg(doc, dir.File("shapes.svg"), nullptr));
  ASSERT_TRUE(SaveProjectFile(doc, dir.File("shapes.tsl")));
  test::KeepForOutsideCheck(dir.File("shapes.svg"));
  test::KeepForOutsideCheck(dir.File("shapes.tsl"));
  const CSvgImport r = ReadSvgText(test::ReadText(dir.File("shapes.svg")));
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.width, 200);
  EXPECT_EQ(r.height, 150);
  ASSERT_EQ(r.objects.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const CDrawObject& in = *doc.ObjectAt(i);
    const CDrawObject& out = *r.objects[size_t(i)];
    EXPECT_EQ(out.m_color, in.m_color);
    EXPECT_EQ(out.m_opacity, in.m_opacity);
    EXPECT_EQ(out.IsClosed(), in.IsClosed());
    // The same outline: boxes agree within the pixel the coordinates were rounded to.
    EXPECT_NEAR(out.m_left, in.m_left, 1) << i;
    EXPECT_NEAR(out.m_top, in.m_top, 1) << i;
    EXPECT_NEAR(out.m_left + out.m_width, in.m_left + in.m_width, 1) << i;
    EXPECT_NEAR(out.m_top + out.m_height, in.m_top + in.m_height, 1) << i;
  }
  EXPECT_EQ(r.objects[1]->m_lineWidth, 5);
}

TEST_F(SvgImportTest, HostileFilesAreRefusedWhole) {
  auto refused = [](const std::string& text) { return ReadSvgText(text).error; };
  EXPECT_EQ(refused("<svg width=\"10\" height=\"10\"><rect width=\"5\" height=\"5\"/></svg>"),
            "Couldn't find XML header");
  EXPECT_EQ(refused(std::string("\x89PNG\r\n\x1a\n\0\0", 10)), "Couldn't find XML header");
  const CSvgImport broken = ReadSvgText(Svg("<rect width=\"5\" height=\"5\"><g></rect>"));
  EXPECT_FALSE(broken.ok);
  EXPECT_TRUE(broken.objects.empty());
  EXPECT_EQ(broken.error.rfind("The SVG file is not valid XML: mismatched tag (line 2)", 0), 0u) << broken.error;
  EXPECT_EQ(refused("<?xml version=\"1.0\"?><html/>"), "The file holds no SVG drawing");
  // Entity expansion bombs stop at expat's amplification limit.
  std::string bomb = "<?xml version=\"1.0\"?><!DOCTYPE svg [<!ENTITY a \"aaaaaaaaaa\">";
  for (char c = 'b'; c <= 'k'; ++c) {
    bomb += std::string("<!ENTITY ") + c + " \"";
    for (int i = 0; i < 10; ++i) bomb += std::string("&") + char(c - 1) + ";";
    bomb += "\">";
  }
  bomb += "]><svg><text>&k;</text></svg>";
  EXPECT_FALSE(ReadSvgText(bomb).ok);
  // Broken path data and huge shapes leave out only what cannot be drawn.
  const CSvgImport odd = ReadSvgText(Svg("<path d=\"M 1e308 5 L\"/><path d=\"Z Q 1 2\"/>"
                                         "<rect width=\"-5\" height=\"3\"/><rect width=\"90000\" height=\"3\"/>"
                                         "<rect x=\"nan\" width=\"3\" height=\"3\"/>"));
  ASSERT_TRUE(odd.ok) << odd.error;
  EXPECT_EQ(odd.skipped, 2);
  EXPECT_EQ(odd.objects.size(), 1u);  // the NaN x reads as 0
}

TEST_F(SvgImportTest, CanvasSizeChecks) {
  test::TempDir dir;
  CVellumDoc doc;
  const auto import = [&](const std::string& attributes, std::string* error) {
    test::WriteText(dir.File("a.svg"), Svg("<rect width=\"5\" height=\"5\"/>", attributes));
    return ImportSvg(dir.File("a.svg"), doc, true, nullptr, error);
  };
  std::string error;
  EXPECT_FALSE(import("width=\"100000\" height=\"20\"", &error));
  EXPECT_EQ(error, "The SVG drawing is 100000 x 20 pixels. The maximum size allowed is 1800 x 1500");
  EXPECT_FALSE(import("width=\"-20\" height=\"20\"", &error));
  EXPECT_FALSE(import("", &error));
  EXPECT_EQ(error, "The SVG drawing is 0 x 0 pixels. The size must be bigger than 0 in both directions.");
  EXPECT_EQ(doc.ObjectCount(), 0);
  int count = 0;
  ASSERT_TRUE(import("viewBox=\"0 0 120.5 90\"", &error));
  EXPECT_EQ(doc.m_width, 121);
  EXPECT_EQ(doc.ObjectCount(), 1);
  EXPECT_FALSE(ImportSvg(dir.File("none.svg"), doc, true, &count, &error));
  EXPECT_EQ(error, "Cannot open " + dir.File("none.svg"));
}

}  // namespace
}  // namespace tessel
