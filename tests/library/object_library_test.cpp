#include <gtest/gtest.h>

#include <filesystem>

#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "library/library_files.h"
#include "library/library_window_settings.h"
#include "library/object_library.h"
#include "library_test_util.h"

namespace tessel {
namespace {

using test::LibraryContext;

// A library of n rectangles named "1" .. "n".
CObjectLibrary MakeLibrary(const std::string& folder, int n) {
  CObjectLibrary library(folder);
  for (int i = 1; i <= n; ++i) {
    CDrawObject o;
    o.CreateRectangle(0, 0, 10 * i, 10);
    o.m_name = std::to_string(i);
    std::string error;
    EXPECT_EQ(library.Add(o, &error), i) << error;
  }
  return library;
}

std::string NameOf(const CObjectLibrary& library, int n) {
  std::string error;
  auto o = library.Load(n, &error);
  return o ? o->m_name : error;
}

TEST(ObjectLibrary, RemovingRenumbersTheRest) {
  LibraryContext ctx;
  const CObjectLibrary library = MakeLibrary(ctx.dir.File("Basic"), 4);
  EXPECT_EQ(library.Count(), 4);
  const std::string thumb4 = test::ReadText(library.ThumbnailFile(4));

  EXPECT_FALSE(RemoveFromObjectLibrary(library, 0));
  EXPECT_FALSE(RemoveFromObjectLibrary(library, 2));  // answered No
  EXPECT_EQ(library.Count(), 4);
  ctx.Messages().ScriptAnswer(MsgAnswer::kYes);
  EXPECT_TRUE(RemoveFromObjectLibrary(library, 2));
  EXPECT_EQ(ctx.Messages().MessageTexts(),
            (std::vector<std::string>{"Please Select a object in the Library first!", "Do you want to remove the object",
                                      "Do you want to remove the object"}));
  EXPECT_EQ(library.Count(), 3);
  EXPECT_EQ(NameOf(library, 1), "1");
  EXPECT_EQ(NameOf(library, 2), "3");
  EXPECT_EQ(NameOf(library, 3), "4");
  EXPECT_EQ(test::ReadText(library.ThumbnailFile(3)), thumb4);
  EXPECT_FALSE(ctx.Exists(library.ObjectFile(4)));
  EXPECT_FALSE(ctx.Exists(library.ThumbnailFile(4)));

  // Replace asks too and needs a selection.
  CDrawObject other;
  other.CreateCircle(0, 0, 30, 30);
  other.m_name = "circle";
  EXPECT_FALSE(ReplaceInObjectLibrary(library, 0, other));
  ctx.Messages().ScriptAnswer(MsgAnswer::kYes);
  EXPECT_TRUE(ReplaceInObjectLibrary(library, 3, other));
  EXPECT_EQ(NameOf(library, 3), "circle");
}

TEST(ObjectLibrary, EntriesStartAtObjectOne) {
  LibraryContext ctx;
  const CObjectLibrary library = MakeLibrary(ctx.dir.File("Gappy"), 3);
  std::filesystem::remove(library.ObjectFile(1));
  EXPECT_EQ(library.Count(), 0);
  CDrawObject o;
  o.CreateRectangle(0, 0, 10, 10);
  o.m_name = "new";
  EXPECT_TRUE(AddToObjectLibrary(library, o));
  EXPECT_EQ(NameOf(library, 1), "new");
  EXPECT_EQ(library.Count(), 3);

  // Hostile object files are refused with their reason.
  test::WriteText(library.ObjectFile(2), "\x05hello");
  EXPECT_EQ(NameOf(library, 2).rfind("Object2.obj: the file is damaged", 0), 0u);
  test::WriteText(library.ObjectFile(2), std::string(3, '\0'));
  EXPECT_EQ(library.Load(2, nullptr), nullptr);
}

TEST(ObjectLibrary, FoldersAndInsertion) {
  LibraryContext ctx;
  // The shipped libraries are copied into the user's folder on first use.
  MakeLibrary(ctx.dir.File("program/Objects/Basic"), 2);
  std::filesystem::create_directories(ctx.dir.File("program/Objects/Arrows"));
  const std::string root = ObjectLibraryRoot();
  EXPECT_EQ(root, ctx.dir.File("user/Objects"));
  EXPECT_EQ(ListObjectLibraries(root), (std::vector<std::string>{"Arrows", "Basic"}));
  EXPECT_EQ(CurrentObjectLibrary(), root + "/Basic");
  SetCurrentObjectLibrary(root + "/Arrows");
  EXPECT_EQ(CurrentObjectLibrary(), root + "/Arrows");

  CVellumDoc doc;
  doc.OnNewDocument();
  CObjectLibrary basic(root + "/Basic");
  const int x = 200, y = 150;
  CDrawObject* placed = InsertObjectFile(doc, basic.ObjectFile(2), &x, &y);
  ASSERT_NE(placed, nullptr);
  EXPECT_EQ(placed->m_left + placed->m_width / 2, 200);
  EXPECT_EQ(placed->m_top + placed->m_height / 2, 150);
  EXPECT_FALSE(placed->m_bitmap.IsEmpty());
  CDrawObject* again = InsertObjectFile(doc, basic.ObjectFile(2));
  ASSERT_NE(again, nullptr);
  EXPECT_NE(again->m_uid, placed->m_uid);
  EXPECT_EQ(doc.ObjectCount(), 2);
  EXPECT_EQ(InsertObjectFile(doc, basic.ObjectFile(9)), nullptr);
  EXPECT_EQ(doc.ObjectCount(), 2);
}

TEST(LibraryWindows, SettingsDefaultsAndRepairs) {
  CAppContext app;
  const CStylesWindowSettings styles = CStylesWindowSettings::Load(1080);
  EXPECT_EQ(styles.tab, 5);
  EXPECT_EQ(styles.width, 486);
  EXPECT_EQ(styles.top, 850);
  app.Profile().WriteInt("Style", "Left", 4001);
  EXPECT_EQ(CStylesWindowSettings::Load(1080).left, 32);
  app.Profile().WriteInt("Style", "Left", 4000);
  EXPECT_EQ(CStylesWindowSettings::Load(1080).left, 4000);

  CObjectLibraryWindowSettings lib = CObjectLibraryWindowSettings::Load(1920);
  EXPECT_EQ(lib.left, 1770);
  EXPECT_EQ(lib.top, 370);
  lib.left = -40, lib.top = -3;
  lib.Save();
  lib = CObjectLibraryWindowSettings::Load(1920);
  EXPECT_EQ(lib.left, 1770);
  EXPECT_EQ(lib.top, 370);
}

}  // namespace
}  // namespace tessel
