#include <gtest/gtest.h>

#include "base/archive.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "codecs/image_reader.h"
#include "document/draw_object.h"
#include "document/object_attributes.h"
#include "document/vellum_doc.h"
#include "library/library_files.h"
#include "library/new_object_defaults.h"
#include "library/style_library.h"
#include "library_test_util.h"
#include "../document/object_test_util.h"

namespace tessel {
namespace {

using test::LibraryContext;

// A style object unlike the defaults in every group.
void MakeLook(CDrawObject& o) {
  o.m_color = 0x2040C0, o.m_color2 = 0x10E0E0, o.m_textureName = "Radial Gradient.tmb", o.m_textureAmount = 90;
  o.m_transpAmount = 200, o.m_transpGeom = {0.1, 0.9, 0.5, 0.2, 0.5, 0.8};
  o.m_bevelType = 1, o.m_bevelWidth = 14, o.m_bevelParam1 = 60, o.m_bevelParam2 = 45;
  o.m_effect = 1, o.m_effectParam1 = 7, o.SetEffectDistance(5.5);
  o.m_lightsOn = 1, o.m_lights.m_relief = 2.0, o.m_lights.m_specular = 0.9, o.m_lights.m_lights = {CLight()};
  o.m_outlineType = 1, o.m_outlineWidth = 3, o.m_opacity = 180, o.m_colorGain = {1.2, 1.0, 0.8};
  o.m_bumpName = "Bumps.png", o.m_surfaceName = "Linen.png", o.m_shadowOption = 2;
  o.CreateCircle(0, 0, 40, 40);
}

// The names of the fields whose values differ between two descriptions.
std::vector<std::string> ChangedFields(const std::string& before, const std::string& after) {
  std::vector<std::string> changed;
  std::istringstream a(before), b(after);
  for (std::string la, lb; std::getline(a, la) && std::getline(b, lb);)
    if (la != lb) changed.push_back(la.substr(0, la.find('=')));
  return changed;
}

TEST(Styles, NumberingFillsTheFirstGap) {
  LibraryContext ctx;
  const CStyleFolder folder = CStyleFolder::OfTab(2);
  EXPECT_EQ(folder.Path(), ctx.dir.File("user") + "/Styles/Bevel");
  CDrawObject look;
  MakeLook(look);
  std::string error;
  ASSERT_TRUE(folder.Write(1, look, &error)) << error;
  ASSERT_TRUE(folder.Write(3, look, &error)) << error;
  EXPECT_EQ(AddStyle(folder, look), 2);
  EXPECT_TRUE(ctx.Exists(folder.StyleFile(2)));
  EXPECT_EQ(folder.Numbers(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(AddStyle(folder, look), 4);

  // The thumbnail is a 50 x 50 picture; the record reads back whole.
  CDIBSection thumb;
  ASSERT_TRUE(ReadImageFile(folder.ThumbnailFile(2), thumb, nullptr));
  EXPECT_EQ(thumb.Width(), 50);
  EXPECT_EQ(thumb.Height(), 50);
  const auto back = folder.Load(2, &error);
  ASSERT_TRUE(back);
  EXPECT_EQ(testing::DescribeObject(*back), testing::DescribeObject(look));

  // Remove and replace ask first; without a selection they say so.
  EXPECT_FALSE(RemoveStyle(folder, 0));
  EXPECT_FALSE(ReplaceStyle(folder, 0, look));
  EXPECT_FALSE(RemoveStyle(folder, 3));  // answered No
  EXPECT_EQ(ctx.Messages().MessageTexts(),
            (std::vector<std::string>{"Please Select a style first!", "You have to first select the style to be replaced..",
                                      "Do you want to remove the style Style3?"}));
  EXPECT_TRUE(ctx.Exists(folder.StyleFile(3)));
  ctx.Messages().ScriptAnswer(MsgAnswer::kYes);
  EXPECT_TRUE(RemoveStyle(folder, 3));
  EXPECT_FALSE(ctx.Exists(folder.StyleFile(3)));
  EXPECT_FALSE(ctx.Exists(folder.ThumbnailFile(3)));
}

TEST(Styles, ThumbnailPictureIsTheGrownSquare) {
  CAppContext app;
  CDrawObject o;
  o.CreateRectangle(100, 100, 160, 120);
  const CDIBSection picture = RenderLibraryPicture(o, true);
  EXPECT_EQ(picture.Width(), o.m_width + 20);
  EXPECT_EQ(picture.Height(), o.m_width + 20);
  EXPECT_EQ(picture.RowFromTop(0)[0], 255);  // the first checker square is light
  const uint8_t* centre = picture.RowFromTop(picture.Height() / 2) + 4 * (picture.Width() / 2);
  EXPECT_EQ(centre[2], 255);  // the red rectangle sits in the middle
  EXPECT_EQ(centre[0], 0);
}

TEST(Styles, ApplyingCopiesOnlyTheTabsGroup) {
  LibraryContext ctx;
  CVellumDoc doc;
  CDrawObject look;
  MakeLook(look);
  CNewObjectDefaults defaults;
  for (int tab = 0; tab < kStyleTabCount; ++tab) {
    const CStyleFolder folder = CStyleFolder::OfTab(tab);
    ASSERT_EQ(AddStyle(folder, look), 1);
    CDrawObject* target = doc.NewObject();
    target->CreateRectangle(10, 10, 50, 30);
    const std::string before = testing::DescribeObject(*target);
    ASSERT_EQ(ApplyStyle(tab, folder, 1, target, doc, defaults), StyleResult::kAppliedToObject);
    const std::vector<std::string> changed = ChangedFields(before, testing::DescribeObject(*target));
    if (tab == 2) {
      EXPECT_EQ(changed, (std::vector<std::string>{"m_bevelType", "m_bevelWidth", "m_bevelParam1", "m_bevelParam2"}));
    }
    for (const char* geometry : {"m_type", "m_left", "m_width", "m_path", "m_polynome", "m_name"})
      EXPECT_EQ(std::count(changed.begin(), changed.end(), geometry), 0) << tab << " " << geometry;
    if (tab >= 5) {
      EXPECT_GE(changed.size(), 20u);  // every look-related field
    }
  }
  EXPECT_EQ(doc.m_undoList.size(), 5u);  // one step per application, at most levels + 1

  // Nothing selected: only the defaults change.
  const int objects = doc.ObjectCount();
  ASSERT_EQ(ApplyStyle(5, CStyleFolder::OfTab(5), 1, nullptr, doc, defaults), StyleResult::kDefaultsSet);
  EXPECT_EQ(doc.ObjectCount(), objects);
  EXPECT_EQ(defaults.object.m_color, 0x2040C0u);
  EXPECT_EQ(defaults.object.m_bevelWidth, 14);
  EXPECT_EQ(defaults.text.m_color, CObjectFields().m_color);
  EXPECT_EQ(ctx.Messages().StatusTexts().back(), "Object Default:Style1.sty");
  CDrawObject fresh;
  defaults.object.ApplyTo(fresh);
  EXPECT_EQ(fresh.m_textureName, "Radial Gradient.tmb");
}

TEST(Styles, PasteAttributesTakesTheWholeLook) {
  // The program folder holds the skin, which the render would otherwise drop as missing.
  CAppContext app(std::make_unique<CProfile>(), std::make_unique<CRecordingMessages>(),
                  AppPaths(TESSEL_SAMPLES_DIR "/..", ""));
  CDrawObject look, target;
  MakeLook(look);
  target.CreateRectangle(5, 5, 25, 45);
  target.m_text = "keep";
  CArchive clipboard;
  clipboard.WriteU32(1);
  look.SerializeFields(clipboard, false);
  CArchive in(clipboard.TakeBuffer());
  ASSERT_TRUE(PasteAttributes(in, target));
  EXPECT_EQ(target.m_type, kTypePath);
  EXPECT_EQ(target.m_text, "keep");
  EXPECT_EQ(target.m_width, 24);
  EXPECT_EQ(target.m_effectDistanceF, 5.5);
  EXPECT_EQ(target.m_surfaceName, "Linen.png");
  EXPECT_TRUE(target.m_lights == look.m_lights);
  CArchive empty(std::vector<uint8_t>{0, 0, 0, 0});
  EXPECT_FALSE(PasteAttributes(empty, target));
  CArchive cut(std::vector<uint8_t>{1, 0, 0, 0, 5});
  EXPECT_FALSE(PasteAttributes(cut, target));
}

TEST(Styles, HostileFilesAreRefused) {
  LibraryContext ctx;
  const CStyleFolder folder = CStyleFolder::OfTab(0);
  CDrawObject look;
  MakeLook(look);
  ASSERT_EQ(AddStyle(folder, look), 1);
  const std::string good = test::ReadText(folder.StyleFile(1));
  CArchive odd;
  CDrawObject kindless;
  kindless.m_type = 7;
  kindless.SerializeFields(odd, true);
  const std::vector<std::string> bad = {"", good.substr(0, good.size() / 2), good + "extra",
                                        std::string(odd.Buffer().begin(), odd.Buffer().end()),
                                        std::string("\x08QUILLDA5\0\0\0\0", 13), std::string(4096, '\xFF')};
  CVellumDoc doc;
  CNewObjectDefaults defaults;
  for (const std::string& bytes : bad) {
    test::WriteText(folder.StyleFile(1), bytes);
    CDrawObject* target = doc.NewObject();
    target->CreateRectangle(0, 0, 10, 10);
    const std::string before = testing::DescribeObject(*target);
    ctx.Messages().Clear();
    EXPECT_EQ(ApplyStyle(0, folder, 1, target, doc, defaults), StyleResult::kNotApplied);
    EXPECT_EQ(testing::DescribeObject(*target), before);
    ASSERT_EQ(ctx.Messages().MessageTexts().size(), 1u);
    EXPECT_EQ(ctx.Messages().MessageTexts()[0].rfind("The style could not be read: Style1.sty: ", 0), 0u);
  }
}

}  // namespace
}  // namespace tessel
