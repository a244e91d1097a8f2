#include <gtest/gtest.h>

#include <filesystem>

#include "base/app_context.h"
#include "base/app_paths.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "export/export_module_loader.h"
#include "test_util.h"

namespace tessel {
namespace {

CExportModuleFile Built(const std::string& name) {
  return {name, std::string(TESSEL_BUILT_MODULES_DIR) + "/" + name + ".exp"};
}

TEST(ExportModules, EnumerationOrderAndHiding) {
  test::TempDir user, program;
  std::filesystem::create_directories(user.File("modules/Folder.exp"));
  for (const char* f : {"modules/zeta.exp", "modules/Beta.exp", "modules/notes.txt"}) test::WriteText(user.File(f), "x");
  std::filesystem::create_directories(program.File("modules"));
  for (const char* f : {"modules/Beta.exp", "modules/alpha.exp"}) test::WriteText(program.File(f), "y");
  const auto found = FindExportModules({user.File("modules"), program.File("modules"), user.File("missing")});
  ASSERT_EQ(found.size(), 3u);  // byte order: upper case first; the folder is no module
  EXPECT_EQ(found[0].name, "Beta");
  EXPECT_EQ(found[0].path, user.File("modules/Beta.exp"));  // the user's copy hides the program's
  EXPECT_EQ(found[1].name, "alpha");
  EXPECT_EQ(found[2].name, "zeta");
  const auto names = ExportTypeNames(found);
  ASSERT_EQ(names.size(), 9u + 3u + 1u);
  EXPECT_EQ(names[7], "SVG web format");
  EXPECT_EQ(names[9], "Beta");
  EXPECT_EQ(names.back(), "Plugins...");
  const int count = int(names.size());
  EXPECT_EQ(ExportTypeToShow(count - 1, count, false), 0);  // "Plugins..." is never left selected
  EXPECT_EQ(ExportTypeToShow(count, count, true), 0);
  EXPECT_EQ(ExportTypeToShow(-1, count, true), 0);
  EXPECT_EQ(ExportTypeToShow(6, count, true), 0);
  EXPECT_EQ(ExportTypeToShow(6, count, false), 6);
  EXPECT_EQ(ExportTypeToShow(10, count, true), 10);

  // The shipped modules are found in the build tree.
  const auto folders = ExportModuleFolders(AppPaths(program.Path(), user.Path()));
  ASSERT_EQ(folders.size(), 3u);
  const auto shipped = FindExportModules({folders[2]});
  std::vector<std::string> shippedNames;
  for (const auto& m : shipped) shippedNames.push_back(m.name);
  EXPECT_EQ(shippedNames, (std::vector<std::string>{"GIF", "WebP"}));
}

TEST(ExportModules, NotASharedObjectAndMissingFunctions) {
  test::TempDir dir;
  test::WriteText(dir.File("Broken.exp"), "this is not an ELF file");
  std::string error;
  EXPECT_EQ(CExportModule::Load({"Broken", dir.File("Broken.exp")}, &error), nullptr);
  EXPECT_EQ(error.rfind("Can't Load Broken\n", 0), 0u) << error;

  const auto partial = CExportModule::Load({"TestPartial", std::string(TESSEL_TEST_MODULES_DIR) + "/TestPartial.exp"},
                                           &error);
  ASSERT_NE(partial, nullptr) << error;
  EXPECT_EQ(partial->Extension(), "prt");
  EXPECT_EQ(partial->SaveType(), 1);
  EXPECT_FALSE(partial->HasImport());
  EXPECT_FALSE(partial->HasSetup());
  EXPECT_EQ(partial->About(), "");
  partial->SetBackColor(0x123456);  // absent: skipped
  const uint8_t px[3] = {1, 2, 3};
  EXPECT_FALSE(partial->Save8(dir.File("a"), px, 1, 1, 1, px));  // absent
  EXPECT_FALSE(partial->SaveRGB(dir.File("a"), px, 1, 1));       // present, reports failure
  std::vector<uint8_t> rgb;
  int w = 0, h = 0;
  EXPECT_FALSE(partial->ReadRGB(dir.File("a"), rgb, &w, &h));
  std::string about = "old";
  EXPECT_TRUE(ModuleProperties({"TestPartial", std::string(TESSEL_TEST_MODULES_DIR) + "/TestPartial.exp"}, &about,
                               &error));
  EXPECT_EQ(about, "");
  EXPECT_FALSE(ModuleProperties({"Broken", dir.File("Broken.exp")}, &about, &error));

  CAppContext context;
  CVellumDoc doc;
  CModuleExportImage image{px, 1, 1};
  EXPECT_FALSE(ExportWithModule(doc, {"TestPartial", std::string(TESSEL_TEST_MODULES_DIR) + "/TestPartial.exp"},
                                dir.File("a.prt"), image, 0xFFFFFF, nullptr, &error));
  EXPECT_EQ(error, "The module TestPartial could not write " + dir.File("a.prt"));
}

TEST(ExportModules, GifSavesPaletteAndReadsBack) {
  test::TempDir dir;
  std::string error;
  const auto gif = CExportModule::Load(Built("GIF"), &error);
  ASSERT_NE(gif, nullptr) << error;
  EXPECT_EQ(gif->Extension(), "gif");
  EXPECT_EQ(gif->SaveType(), 0);
  EXPECT_TRUE(gif->HasImport());
  std::string about;
  ASSERT_TRUE(ModuleProperties(Built("GIF"), &about, &error));
  EXPECT_EQ(about, gif->About());
  EXPECT_NE(about.find("GIF"), std::string::npos);
  std::vector<uint8_t> palette(1024, 0), indices(6 * 4);
  for (int i = 0; i < 256; ++i) palette[size_t(4 * i)] = uint8_t(i), palette[size_t(4 * i + 2)] = uint8_t(255 - i);
  for (size_t i = 0; i < indices.size(); ++i) indices[i] = uint8_t(i * 10);
  ASSERT_TRUE(gif->Save8(dir.File("a.gif"), indices.data(), 6, 4, 255, palette.data()));
  std::vector<uint8_t> rgb;
  int w = 0, h = 0;
  ASSERT_TRUE(gif->ReadRGB(dir.File("a.gif"), rgb, &w, &h));
  ASSERT_EQ(w, 6);
  ASSERT_EQ(h, 4);
  for (size_t i = 0; i < indices.size(); ++i) {
    EXPECT_EQ(rgb[3 * i], 255 - indices[i]);  // red
    EXPECT_EQ(rgb[3 * i + 2], indices[i]);    // blue
  }
  EXPECT_FALSE(gif->ReadRGB(dir.File("missing.gif"), rgb, &w, &h));

  // Through the export: the quantizer's indices and palette reach Save8.
  CAppContext context;
  CVellumDoc doc;
  const std::vector<uint8_t> picture(6 * 4 * 3, 200);
  CModuleExportImage image{picture.data(), 6, 4, 2, 300, 0};
  int coloursAsked = 0;
  const ExportQuantizer flat = [&](const uint8_t*, int width, int height, int colours, int, std::vector<uint8_t>& idx,
                                   std::vector<uint8_t>& pal) {
    coloursAsked = colours;
    idx.assign(size_t(width * height), 1);
    pal.assign(1024, 200);
    return true;
  };
  ASSERT_TRUE(ExportWithModule(doc, Built("GIF"), dir.File("b.gif"), image, 0, flat, &error)) << error;
  EXPECT_EQ(coloursAsked, 255);  // a custom count above 255 is limited to 255
  ASSERT_TRUE(ModuleReadBack(Built("GIF"), dir.File("b.gif"), rgb, &w, &h, &error));
  EXPECT_EQ(rgb, picture);
  EXPECT_FALSE(ExportWithModule(doc, Built("GIF"), dir.File("c.gif"), image, 0, nullptr, &error));
  EXPECT_EQ(error, "Dithering Error");
}

TEST(ExportModules, WebPKeepsTheCompositeWithAlpha) {
  test::TempDir dir;
  CAppContext context;
  CVellumDoc doc;
  doc.m_width = 30, doc.m_height = 20;
  doc.NewObject()->CreateRectangle(4, 4, 20, 14);
  std::string error;
  ASSERT_TRUE(ExportWithModule(doc, Built("WebP"), dir.File("a.webp"), CModuleExportImage{}, 0x00FF00, nullptr,
                               &error))
      << error;
  const auto webp = CExportModule::Load(Built("WebP"), &error);
  ASSERT_NE(webp, nullptr);
  EXPECT_EQ(webp->SaveType(), 2);
  std::vector<uint8_t> rgb;
  int w = 0, h = 0;
  ASSERT_TRUE(webp->ReadRGB(dir.File("a.webp"), rgb, &w, &h));
  ASSERT_EQ(w, 30);
  ASSERT_EQ(h, 20);
  EXPECT_EQ(rgb[0], 0);
  EXPECT_EQ(rgb[1], 255);
  EXPECT_EQ(rgb[2], 0);  // the background colour given
  const size_t centre = 3 * (10 * 30 + 12);
  EXPECT_GT(rgb[centre], 200);
  EXPECT_LT(rgb[centre + 1], 60);  // the red rectangle
  EXPECT_EQ(doc.m_background, 0xFFFFFFu);  // the document keeps its own
}

}  // namespace
}  // namespace tessel
