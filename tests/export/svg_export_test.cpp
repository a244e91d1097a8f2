#include <gtest/gtest.h>

#include "base/app_context.h"
#include "base/archive.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "export/svg_export.h"
#include "test_util.h"

namespace tessel {
namespace {

constexpr char kHeader[] =
    "<?xml version=\"1.0\" standalone=\"yes\"?>\n"
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"30\" viewBox=\"0 0 40 30\">\n"
    "<title>Tessel</title>\n";
constexpr char kFooter[] = "<!-- End of Tessel generated image, https://github.com/tessel-drawing/tessel -->\n</svg>\n";

class SvgExportTest : public ::testing::Test {
 protected:
  CAppContext context;
  CVellumDoc doc;
  void SetUp() override { doc.m_width = 40, doc.m_height = 30; }
  // A closed path with straight sides through the given unit points.
  CDrawObject* Box(int left, int top, int size) {
    CDrawObject* o = doc.NewObject();
    o->CreateRectangle(left, top, left + size, top + size);
    return o;
  }
};

TEST_F(SvgExportTest, EmptyDocumentAndSkippedKinds) {
  EXPECT_EQ(SvgDocumentText(doc), std::string(kHeader) + kFooter);
  Box(1, 1, 8)->m_hidden = 1;
  Box(1, 1, 8)->m_effect = 10;  // Sparkle
  CDrawObject* bitmap = doc.NewObject();
  bitmap->m_type = kTypeBitmap;
  EXPECT_EQ(SvgDocumentText(doc), std::string(kHeader) + kFooter);
}

TEST_F(SvgExportTest, FilledShapeStrokesAndOpacity) {
  CDrawObject* o = Box(2, 3, 10);  // box 6,14 wide at (0,1) after the 2-pixel grow
  o->m_color = 0x30A0F0;           // red F0, green A0, blue 30
  const std::string plain = SvgPathElement(*o);
  EXPECT_EQ(plain.rfind("<path style=\"fill:#f0a030; stroke:none\" d=\"M", 0), 0u) << plain;
  EXPECT_EQ(plain.substr(plain.size() - 5), "z\"/>\n");
  EXPECT_EQ(plain.find("opacity"), std::string::npos);
  // The outline sits 2 pixels inside the box: corners at the rectangle drawn.
  EXPECT_NE(plain.find("M2 3 "), std::string::npos) << plain;
  EXPECT_NE(plain.find("12 13 "), std::string::npos) << plain;

  o->m_outlineType = 1;
  o->m_outlineWidth = 20;
  o->m_outlineColor = 0x0000FF;
  o->m_opacity = 51;
  const std::string outlined = SvgPathElement(*o);
  EXPECT_NE(outlined.find("fill:#f0a030; opacity:0.2; stroke:#ff0000; stroke-width:1\" d=\""), std::string::npos)
      << outlined;
  o->m_outlineWidth = 130;
  EXPECT_NE(SvgPathElement(*o).find("stroke-width:3\""), std::string::npos);
}

TEST_F(SvgExportTest, OpenPathAndContours) {
  CDrawObject* line = doc.NewObject();
  line->m_lineWidth = 4;
  line->m_color = 0x00FF00;
  ASSERT_TRUE(line->CreatePath({{5, 5}, {5, 5}, {25, 15}, {25, 15}}, false));
  const std::string open = SvgPathElement(*line);
  EXPECT_EQ(open.rfind("<path style=\"fill:none; stroke:#00ff00; stroke-width:4;", 0), 0u) << open;
  EXPECT_NE(open.find("d=\"M5 5 C5 5 25 15 25 15 \"/>\n"), std::string::npos) << open;

  CDrawObject* poly = doc.NewObject();
  poly->m_type = kTypePolynome;
  poly->m_left = 0, poly->m_top = 0;
  poly->m_polynome.m_points = {{0, 0, kPolyIsland}, {1000, 0, 0}, {1000, 1000, 0},
                               {250, 250, kPolyIsland}, {500, 250, kPolyCurve}, {500, 500, 0}, {250, 500, 0}};
  poly->AllocateBitmaps(24, 24);  // 20 x 20 inside the 2-pixel margin
  EXPECT_EQ(SvgPathElement(*poly),
            "<path style=\"fill:#ff0000; fill-rule:evenodd; stroke:none\" d=\"M2 2 L22 2 L22 22 z M7 7 C12 7 12 12 7 "
            "12 z\"/>\n");
}

TEST_F(SvgExportTest, PackageObjectsFillTheBox) {
  CVellumDoc inner;
  CDrawObject* a = inner.NewObject();
  a->CreateRectangle(100, 100, 110, 110);  // box 100 - 2 .. 110 + 2
  CArchive ar;
  ar.WriteU32(1);
  a->SerializeFields(ar, true);
  ar.WriteEndMarker();
  CDrawObject* package = doc.NewObject();
  package->m_type = kTypeBitmap;
  package->SetPackageData(ar.TakeBuffer());
  package->m_left = 4, package->m_top = 6, package->m_width = 28, package->m_height = 28;  // twice the size
  const std::string text = SvgDocumentText(doc);
  EXPECT_NE(text.find("M6 8 "), std::string::npos) << text;  // the margin stays 2 pixels
  EXPECT_NE(text.find("30 32 "), std::string::npos) << text;
  EXPECT_EQ(ReadPackageObjects({1, 0, 0}).size(), 0u);  // a damaged package gives nothing
}

TEST_F(SvgExportTest, WritesFileOrReportsCannotCreate) {
  test::TempDir dir;
  Box(2, 2, 10);
  ASSERT_TRUE(ExportSvg(doc, dir.File("a.svg"), nullptr));
  EXPECT_EQ(test::ReadText(dir.File("a.svg")), SvgDocumentText(doc));
  std::string error;
  const std::string bad = dir.File("missing/a.svg");
  EXPECT_FALSE(ExportSvg(doc, bad, &error));
  EXPECT_EQ(error, "Cannot Create " + bad);
}

}  // namespace
}  // namespace tessel
