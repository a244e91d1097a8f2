#include "base/profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_util.h"

namespace tessel {
namespace {

TEST(Profile, InMemoryValuesAndDefaults) {
  CProfile p;
  EXPECT_EQ(p.Path(), "");
  EXPECT_EQ(p.GetInt("Settings", "DefWidth", 400), 400);
  EXPECT_EQ(p.GetString("Settings", "STexture", "none"), "none");
  EXPECT_TRUE(p.WriteInt("Settings", "DefWidth", -640));
  EXPECT_TRUE(p.WriteString("Settings", "STexture", "Wood.jpg"));
  EXPECT_EQ(p.GetInt("Settings", "DefWidth", 400), -640);
  EXPECT_EQ(p.GetString("Settings", "STexture", ""), "Wood.jpg");
  EXPECT_EQ(p.GetInt("Grid", "DefWidth", 20), 20);  // keys live in their own section
  // A value that is not a whole number in int range reads as the default.
  for (const char* s : {"12abc", "", " ", "1.5", "99999999999", "-99999999999"}) {
    p.WriteString("Grid", "Num", s);
    EXPECT_EQ(p.GetInt("Grid", "Num", 20), 20) << s;
  }
}

TEST(Profile, FileRoundTripKeepsEveryValue) {
  test::TempDir dir;
  const std::string path = dir.File("Corvana/deeper/Tessel.ini");  // folders made on demand
  const std::string awkward[] = {"  blanks at both ends\t", "two\nlines", "back\\slash\\n", "\"quoted\"", "a=b;c#d",
                                 "\r"};
  {
    CProfile p(path);
    ASSERT_TRUE(p.WriteInt("Backup", "Running", 1));
    ASSERT_TRUE(p.WriteString("Style", "Last", "Chrome Blue"));
    for (size_t i = 0; i < std::size(awkward); ++i) ASSERT_TRUE(p.WriteString("Odd", std::to_string(i), awkward[i]));
  }
  CProfile q(path);
  EXPECT_EQ(q.GetInt("Backup", "Running", 0), 1);
  EXPECT_EQ(q.GetString("Style", "Last", ""), "Chrome Blue");
  for (size_t i = 0; i < std::size(awkward); ++i) EXPECT_EQ(q.GetString("Odd", std::to_string(i), "?"), awkward[i]);
  EXPECT_EQ(q.GetString("Odd", "lines", "absent"), "absent");  // a line break makes no key

  // Hand-written files: comments, blanks, CRLF, lines without '=', keys before a section.
  test::WriteText(path, "top = 1\r\n; c=1\n# d=2\n[Grid]\r\n  Num =  32  \r\nno equals\n\n[Font]\nFace=C:\\Fonts\\x\n");
  CProfile h(path);
  EXPECT_EQ(h.GetInt("", "top", 0), 1);
  EXPECT_EQ(h.GetInt("Grid", "Num", 20), 32);
  EXPECT_EQ(h.GetString("", "; c", "absent"), "absent");
  EXPECT_EQ(h.GetString("", "# d", "absent"), "absent");
  EXPECT_EQ(h.GetString("Font", "Face", ""), "C:\\Fonts\\x");
  EXPECT_EQ(CProfile(dir.File("missing.ini")).GetInt("Grid", "Num", 20), 20);

  // A profile that cannot be written says so and keeps the value for this run.
  std::filesystem::create_directory(dir.File("folder.ini"));
  CProfile f(dir.File("folder.ini"));
  EXPECT_FALSE(f.WriteInt("Settings", "Undo", 4));
  EXPECT_EQ(f.GetInt("Settings", "Undo", 0), 4);
}

}  // namespace
}  // namespace tessel
