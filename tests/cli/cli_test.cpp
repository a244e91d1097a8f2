// Drives the tessel-cli program as outside checks do: exit codes, JSON and files.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/app_context.h"
#include "cli_runner.h"
#include "document/draw_object.h"
#include "document/project_file.h"
#include "document/vellum_doc.h"

namespace tessel {
namespace {

using test::Cli;
using test::CliRun;

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("tessel-cli-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    // Keep the user's own settings out of the runs.
    setenv("TESSEL_CONFIG", (dir_ / "Tessel.ini").c_str(), 1);
    setenv("TESSEL_USER_HOME", dir_.c_str(), 1);
    CAppContext app;
    CVellumDoc doc;
    doc.OnNewDocument();
    CDrawObject* o = doc.NewObject();
    o->CreateStar(10, 10, 60, 60, 6, 2.0);
    o->m_color = 0x00C0FF;
    o->m_layer.Create(3, 2, 32);
    o->m_layer.Bits()[0] = 1;
    doc.NewObject()->CreateCircle(0, 0, 30, 20);
    doc.CreateGroup({doc.ObjectAt(0), doc.ObjectAt(1)});
    doc.m_notesAuthor = "Caf\xe9";  // Latin-1 text from an old file
    ASSERT_TRUE(SaveProjectFile(doc, Path("in.tsl")));
    doc.m_notesRights = "PWD:Key";
    ASSERT_TRUE(SaveProjectFile(doc, Path("locked.tsl")));
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Path(const std::string& n) const { return (dir_ / n).string(); }
  std::filesystem::path dir_;
};

TEST_F(CliTest, InfoListsFieldsObjectsAndMessages) {
  const CliRun r = Cli("info " + Path("in.tsl") + " --json");
  ASSERT_EQ(r.status, 0) << r.out;
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["magic"], "QUILLDA5");
  EXPECT_EQ(j["version"], 5);
  EXPECT_EQ(j["m_width"], 400);
  EXPECT_EQ(j["m_background"], 0xFFFFFF);
  EXPECT_EQ(j["m_notesAuthor"], "Caf\xc3\xa9");
  ASSERT_EQ(j["objects"].size(), 2u);
  const auto& star = j["objects"][0];
  EXPECT_EQ(star["m_name"], "Star");
  EXPECT_EQ(star["m_color"], 0x00C0FF);
  EXPECT_EQ(star["m_uid"].get<std::string>().size(), 12u);
  EXPECT_EQ(star["m_path"]["m_points"].size(), 36u);
  EXPECT_EQ(star["m_layer"]["width"], 3);
  EXPECT_TRUE(star["m_layer"].contains("crc32"));
  EXPECT_EQ(star["m_paintTransp"]["empty"], true);
  EXPECT_TRUE(star["m_lights"].contains("m_lights"));
  EXPECT_EQ(star["m_font"]["faceName"], "Arial");
  ASSERT_EQ(j["groups"].size(), 1u);
  EXPECT_EQ(j["groups"][0]["uids"][1], j["objects"][1]["m_uid"]);
  EXPECT_EQ(j["messages"].back(), "Finished...");
  EXPECT_EQ(j["messages"][1], "Rendering Object 1 of 2");
}

TEST_F(CliTest, ResaveIsStableAndKeepsEveryField) {
  ASSERT_EQ(Cli("-q resave " + Path("in.tsl") + " " + Path("a.tsl")).status, 0);
  ASSERT_EQ(Cli("-q resave " + Path("a.tsl") + " " + Path("b.tsl")).status, 0);
  EXPECT_EQ(Slurp(Path("a.tsl")), Slurp(Path("b.tsl")));
  auto fields = [&](const std::string& f) {
    auto j = nlohmann::json::parse(Cli("info " + f + " --json").out);
    j.erase("messages");
    return j;
  };
  EXPECT_EQ(fields(Path("in.tsl")), fields(Path("a.tsl")));
}

TEST_F(CliTest, PasswordsRefusalsAndUsage) {
  EXPECT_EQ(Cli("info " + Path("locked.tsl") + " --json --password KEY 2>/dev/null").status, 0);
  const CliRun wrong = Cli("info " + Path("locked.tsl") + " --json --password nope 2>&1");
  EXPECT_EQ(wrong.status, 1);
  EXPECT_NE(wrong.out.find("Password didn't match"), std::string::npos);
  const CliRun noInput = Cli("info " + Path("locked.tsl") + " --json </dev/null 2>&1");
  EXPECT_EQ(noInput.status, 1);

  std::ofstream(Path("junk.tsl")) << "not a project";
  const CliRun junk = Cli("info " + Path("junk.tsl") + " --json 2>&1");
  EXPECT_EQ(junk.status, 1);
  EXPECT_NE(junk.out.find("This is not a valid project file"), std::string::npos);
  EXPECT_EQ(Cli("info " + Path("missing.tsl") + " --json 2>/dev/null").status, 1);
  EXPECT_EQ(Cli("resave " + Path("junk.tsl") + " " + Path("out.tsl") + " 2>/dev/null").status, 1);
  EXPECT_FALSE(std::filesystem::exists(Path("out.tsl")));

  EXPECT_EQ(Cli("2>/dev/null").status, 2);
  EXPECT_EQ(Cli("frobnicate 2>/dev/null").status, 2);
  EXPECT_EQ(Cli("info " + Path("in.tsl") + " 2>/dev/null").status, 2);  // --json missing
  EXPECT_EQ(Cli("render a.tsl b.png --scale 0 2>/dev/null").status, 2);
  EXPECT_EQ(Cli("--help").status, 0);
}

TEST_F(CliTest, RenderWritesTheCompositeAtItsScale) {
  ASSERT_EQ(Cli("-q render " + Path("in.tsl") + " " + Path("r.png") + " --scale 2").status, 0);
  const std::string png = Slurp(Path("r.png"));
  ASSERT_GT(png.size(), 26u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  EXPECT_EQ(uint8_t(png[18]) * 256 + uint8_t(png[19]), 800);  // width, big-endian
  EXPECT_EQ(uint8_t(png[22]) * 256 + uint8_t(png[23]), 600);
  EXPECT_EQ(png[25], 6);  // RGBA
  EXPECT_EQ(Cli("-q render " + Path("in.tsl") + " " + Path("w.png") + " --wireframe").status, 0);
  EXPECT_EQ(Slurp(Path("w.png")).substr(1, 3), "PNG");
}

TEST_F(CliTest, MaskWritesTheObjectMaskAsGreyPng) {
  ASSERT_EQ(Cli("-q mask " + Path("in.tsl") + " --object 1 " + Path("m.png")).status, 0);
  const std::string png = Slurp(Path("m.png"));
  ASSERT_GT(png.size(), 26u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  auto be32 = [&](size_t at) {
    return (uint32_t(uint8_t(png[at])) << 24) | (uint32_t(uint8_t(png[at + 1])) << 16) |
           (uint32_t(uint8_t(png[at + 2])) << 8) | uint32_t(uint8_t(png[at + 3]));
  };
  EXPECT_EQ(be32(16), 34u);  // the circle's box: 30 x 20 grown by 2 on each side
  EXPECT_EQ(be32(20), 24u);
  EXPECT_EQ(png[24], 8);     // 8 bits
  EXPECT_EQ(png[25], 0);     // grey
  EXPECT_EQ(Cli("-q mask " + Path("in.tsl") + " --object 2 " + Path("n.png") + " 2>/dev/null").status, 1);
  EXPECT_EQ(Cli("-q mask " + Path("in.tsl") + " " + Path("n.png") + " 2>/dev/null").status, 2);
}

}  // namespace
}  // namespace tessel
