#include "view/general_settings.h"

#include <gtest/gtest.h>

#include "base/profile.h"

namespace tessel {
namespace {

TEST(ViewGeneralSettings, DefaultsWhenTheProfileIsEmpty) {
  const CProfile profile;
  const GeneralSettings s = LoadGeneralSettings(profile);
  EXPECT_EQ(s.padding, 15);
  EXPECT_FALSE(s.embedTextures);
  EXPECT_EQ(s.defWidth, 400);
  EXPECT_EQ(s.defHeight, 300);
  EXPECT_EQ(s.backupMinutes, 5);
  EXPECT_EQ(s.undoLevels, 4);
  EXPECT_EQ(s.skin, "");
  EXPECT_FALSE(s.tablet);
}

TEST(ViewGeneralSettings, SavedValuesLandInTheirSectionsAndReadBack) {
  CProfile profile;
  GeneralSettings s;
  s.padding = 3;
  s.embedTextures = true;
  s.defWidth = 640;
  s.defHeight = 480;
  s.backupMinutes = 0;
  s.undoLevels = 12;
  s.skin = "Blue Steel";
  s.tablet = true;
  ASSERT_TRUE(SaveGeneralSettings(profile, s));
  EXPECT_EQ(profile.GetInt("Settings", "Padding", -1), 3);
  EXPECT_EQ(profile.GetInt("Settings", "STexture", -1), 1);
  EXPECT_EQ(profile.GetInt("Settings", "DefWidth", -1), 640);
  EXPECT_EQ(profile.GetInt("Settings", "DefHeight", -1), 480);
  EXPECT_EQ(profile.GetInt("Settings", "Backup", -1), 0);
  EXPECT_EQ(profile.GetInt("Settings", "Undo", -1), 12);
  EXPECT_EQ(profile.GetString("GSettings", "Skin", ""), "Blue Steel");
  EXPECT_EQ(profile.GetInt("GSettings", "Tablet", -1), 1);

  const GeneralSettings back = LoadGeneralSettings(profile);
  EXPECT_EQ(back.undoLevels, 12);
  EXPECT_EQ(back.skin, "Blue Steel");
  EXPECT_TRUE(back.tablet);
  EXPECT_EQ(back.backupMinutes, 0);
}

TEST(ViewGeneralSettings, UndoLevelsAndDefaultCanvasAreKeptInRange) {
  CProfile profile;
  GeneralSettings s;
  s.undoLevels = 31;
  s.defWidth = 5000;
  s.defHeight = 0;
  s.padding = -4;
  s.backupMinutes = -1;
  ASSERT_TRUE(SaveGeneralSettings(profile, s));
  EXPECT_EQ(profile.GetInt("Settings", "Undo", -1), 30);
  EXPECT_EQ(profile.GetInt("Settings", "DefWidth", -1), 1800);
  EXPECT_EQ(profile.GetInt("Settings", "DefHeight", -1), 1);
  EXPECT_EQ(profile.GetInt("Settings", "Padding", -1), 0);
  EXPECT_EQ(profile.GetInt("Settings", "Backup", -1), 0);

  profile.WriteInt("Settings", "Undo", -3);
  profile.WriteInt("Settings", "DefHeight", 1501);
  const GeneralSettings loaded = LoadGeneralSettings(profile);
  EXPECT_EQ(loaded.undoLevels, 0);
  EXPECT_EQ(loaded.defHeight, 1500);
}

}  // namespace
}  // namespace tessel
