// Import of files into the document through the editing view: SVG drawings, library
// object files and pictures, each one undo step with what it added selected.
#include <gtest/gtest.h>

#include <memory>

#include "base/app_context.h"
#include "base/dib_section.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "io/png_writer.h"
#include "library/library_files.h"
#include "test_util.h"
#include "view/vellum_view.h"
#include "view/view_test_host.h"

namespace tessel {
namespace {

class ViewImport : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.OnNewDocument();  // a 400 x 300 canvas with its first undo snapshot
    view = std::make_unique<CVellumView>(doc, host);
    view->OnSize({400, 300});
    view->OnInitialUpdate();
  }
  size_t UndoSteps() const { return doc.m_undoList.size(); }
  std::string WriteSvg() {
    const std::string path = dir.File("two.svg");
    test::WriteText(path, "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" "
                          "height=\"100\"><rect x=\"10\" y=\"20\" width=\"30\" height=\"40\"/>"
                          "<circle cx=\"50\" cy=\"50\" r=\"10\"/></svg>\n");
    return path;
  }
  size_t Messages() { return static_cast<CRecordingMessages&>(app.Messages()).Entries().size(); }

  CAppContext app;
  test::TempDir dir;
  CVellumDoc doc;
  test::RecordingViewHost host{CSize{400, 300}};
  std::unique_ptr<CVellumView> view;
};

TEST_F(ViewImport, SvgKeepsItsCoordinatesOrMovesToThePointAndReportsTheCount) {
  const std::string svg = WriteSvg();
  const size_t before = UndoSteps();
  EXPECT_EQ(view->ImportFile(svg), 2);
  ASSERT_EQ(doc.ObjectCount(), 2);
  const CRect rect = doc.ObjectAt(0)->GetBoxRect();
  EXPECT_EQ(rect, (CRect{8, 18, 42, 62}));  // the rect's geometry grown by 2
  EXPECT_EQ(host.LastStatus(), "Total number of objects read: 2");
  EXPECT_EQ(UndoSteps(), before + 1);
  EXPECT_EQ(view->MultiSelection().size(), 2u);
  EXPECT_EQ(view->CurrentObject(), nullptr);

  const CPoint at{100, 50};
  EXPECT_EQ(view->ImportFile(svg, &at), 2);
  ASSERT_EQ(doc.ObjectCount(), 4);
  EXPECT_EQ(doc.ObjectAt(2)->GetBoxRect(), rect.Offset(100, 50));
  EXPECT_EQ(UndoSteps(), before + 2);
}

TEST_F(ViewImport, PictureBecomesASelectedBitmapObjectAtTheOriginOrThePoint) {
  CDIBSection picture;
  picture.Create(7, 5, 32);
  const std::string png = dir.File("pic.PNG");
  ASSERT_TRUE(WritePngBgra(png, picture, true, nullptr));
  const size_t before = UndoSteps();
  EXPECT_EQ(view->ImportFile(png), 1);
  ASSERT_EQ(doc.ObjectCount(), 1);
  EXPECT_TRUE(doc.ObjectAt(0)->IsBitmap());
  EXPECT_EQ(doc.ObjectAt(0)->GetBoxRect(), (CRect{0, 0, 7, 5}));
  EXPECT_EQ(doc.ObjectAt(0)->m_name, "pic.PNG");
  EXPECT_EQ(view->CurrentObject(), doc.ObjectAt(0));
  EXPECT_EQ(UndoSteps(), before + 1);

  const CPoint at{30, 40};
  EXPECT_EQ(view->ImportFile(png, &at), 1);
  EXPECT_EQ(doc.ObjectAt(1)->GetBoxRect(), (CRect{30, 40, 37, 45}));
  EXPECT_EQ(view->CurrentObject(), doc.ObjectAt(1));
}

TEST_F(ViewImport, LibraryObjectIsCentredOnThePoint) {
  CDrawObject shape;
  shape.CreateRectangle(10, 10, 50, 30);
  const std::string obj = dir.File("shape.obj");
  ASSERT_TRUE(WriteObjectFile(obj, shape, nullptr));
  const CPoint at{200, 150};
  EXPECT_EQ(view->ImportFile(obj, &at), 1);
  ASSERT_EQ(doc.ObjectCount(), 1);
  const CDrawObject& placed = *doc.ObjectAt(0);
  EXPECT_EQ(placed.m_left + placed.m_width / 2, 200);
  EXPECT_EQ(placed.m_top + placed.m_height / 2, 150);
  EXPECT_EQ(view->CurrentObject(), &placed);
}

TEST_F(ViewImport, UnreadableFilesAddNothingAndSayWhy) {
  const size_t before = UndoSteps();
  for (const char* name : {"missing.png", "missing.svg", "missing.obj"}) {
    const size_t shown = Messages();
    EXPECT_EQ(view->ImportFile(dir.File(name)), 0) << name;
    EXPECT_GT(Messages(), shown) << name;
  }
  test::WriteText(dir.File("text.svg"), "<svg></svg>");  // no XML declaration
  EXPECT_EQ(view->ImportFile(dir.File("text.svg")), 0);
  EXPECT_EQ(doc.ObjectCount(), 0);
  EXPECT_EQ(UndoSteps(), before);
}

}  // namespace
}  // namespace tessel
