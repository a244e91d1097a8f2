#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "document/backup.h"
#include "document/project_file.h"
#include "object_test_util.h"
#include "render/texture_bank.h"

namespace tessel {
namespace {

using testing::DescribeDoc;
using testing::DescribeObject;

CRecordingMessages& Recorder() { return static_cast<CRecordingMessages&>(App().Messages()); }

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
}

class ProjectFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("tessel-project-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  // A document that uses every part of the file: objects with layers and frames,
  // groups, guides, notes, strings, a blueprint and embedded textures.
  void Fill(CVellumDoc& doc) {
    doc.OnNewDocument();
    doc.m_width = 640;
    doc.m_background = 0x102030;
    for (int i = 0; i < 3; ++i) {
      CDrawObject* o = doc.NewObject();
      o->CreateRectangle(10 * i, 5, 10 * i + 40, 45);
      ForEachStoredField(*o, testing::Perturb{i + 1});
      o->m_imageWidth = o->m_layer.Width();
      o->RenderObject(false, nullptr);
    }
    doc.ObjectAt(1)->SetFrames(1, 1, 0, 0);
    doc.CreateGroup({doc.ObjectAt(0), doc.ObjectAt(2)});
    doc.m_guidesV = {10, 20};
    doc.m_guidesH = {-5};
    doc.m_notesAuthor = "Ann";
    doc.m_notesRights = "(c) Corvana";
    doc.m_notes = std::string(300, 'n');  // the three-byte length form
    doc.m_strings1 = {"one", "two"};
    doc.m_strings2 = {"three"};
    doc.m_finePrint = {1, 2, 3};
    doc.m_docValues = {4, 5, 6, 7};
    doc.m_exportPath = "/tmp/out.png";
    doc.m_exportGain = {1.1, 1.2, 1.3};
    doc.m_crop = {1, 2, 3, 4};
    doc.m_cropSet = 1;
    doc.m_blueprint.Create(8, 6, 32);
    doc.m_blueprint.Bits()[5] = 77;
    doc.m_blueprintOnBack = 1;
    doc.m_blueprintX = 3;
    doc.m_embedTextures = 1;
    CDIBSection tex;
    tex.Create(5, 3, 24);
    tex.RowFromBottom(2)[14] = 200;
    App().TextureBank().Add("Marble.jpg", "TXT", std::move(tex));
  }

  std::filesystem::path dir_;
};

TEST_F(ProjectFile, EverythingSurvivesSaveAndLoad) {
  CAppContext app;
  CVellumDoc doc;
  Fill(doc);
  ASSERT_TRUE(SaveProjectFile(doc, Path("a.tsl")));
  EXPECT_FALSE(doc.m_modified);

  app.TextureBank().Clear();
  CVellumDoc back;
  ASSERT_EQ(LoadProjectFile(back, Path("a.tsl")), LoadResult::kLoaded);
  EXPECT_EQ(DescribeDoc(back), DescribeDoc(doc));
  ASSERT_EQ(back.ObjectCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(back.ObjectAt(i)->m_uid, doc.ObjectAt(i)->m_uid);
    if (i != 1) {
      EXPECT_EQ(DescribeObject(*back.ObjectAt(i)), DescribeObject(*doc.ObjectAt(i)));
    }
  }
  // The framed object comes back showing its normal frame.
  EXPECT_EQ(back.ObjectAt(1)->m_currentFrame, 0);
  EXPECT_NE(back.ObjectAt(1)->m_frameHighlighted, nullptr);
  ASSERT_EQ(back.m_groups.size(), 1u);
  EXPECT_EQ(back.m_groups.front().uids, doc.m_groups.front().uids);
  const CTextureEntry* tex = app.TextureBank().Find("MARBLE.JPG", "TXT");
  ASSERT_NE(tex, nullptr);
  EXPECT_EQ(tex->picture.RowFromBottom(2)[14], 200);
  EXPECT_EQ(app.m_loadedVersion, 5);
  EXPECT_FALSE(app.m_compressBitmaps);

  // Saving what was loaded, twice, gives the same bytes.
  ASSERT_TRUE(SaveProjectFile(back, Path("b.tsl")));
  CVellumDoc again;
  ASSERT_EQ(LoadProjectFile(again, Path("b.tsl")), LoadResult::kLoaded);
  ASSERT_TRUE(SaveProjectFile(again, Path("c.tsl")));
  EXPECT_EQ(ReadAll(Path("b.tsl")), ReadAll(Path("c.tsl")));
}

TEST_F(ProjectFile, LoadReportsItsStepsInOrder) {
  CAppContext app;
  CVellumDoc doc;
  Fill(doc);
  ASSERT_TRUE(SaveProjectFile(doc, Path("a.tsl")));
  Recorder().Clear();
  CVellumDoc back;
  ASSERT_EQ(LoadProjectFile(back, Path("a.tsl")), LoadResult::kLoaded);
  EXPECT_EQ(Recorder().StatusTexts(),
            (std::vector<std::string>{"Reading Textures...", "Rendering Documents, Please Wait...",
                                      "Rendering Object 1 of 3", "Rendering Object 2 of 3",
                                      "Rendering Object 3 of 3", "Finished..."}));
  EXPECT_TRUE(Recorder().MessageTexts().empty());

  // Loading into a document that holds objects appends and says so.
  Recorder().Clear();
  ASSERT_EQ(LoadProjectFile(back, Path("a.tsl")), LoadResult::kLoaded);
  EXPECT_EQ(back.ObjectCount(), 6);
  EXPECT_EQ(Recorder().MessageTexts(), std::vector<std::string>{"Document is Not Empty"});
}

TEST_F(ProjectFile, WrongMagicAndNewerVersions) {
  CAppContext app;
  CVellumDoc doc;
  doc.NewObject();
  CArchive bad;
  bad.WriteString("PNGISH");
  WriteAll(Path("bad.tsl"), bad.Buffer());
  EXPECT_EQ(LoadProjectFile(doc, Path("bad.tsl")), LoadResult::kNotProject);
  EXPECT_EQ(Recorder().MessageTexts(), std::vector<std::string>{"This is not a valid project file"});
  EXPECT_EQ(doc.ObjectCount(), 1);
  EXPECT_EQ(doc.m_width, 400);

  CArchive newer;
  newer.WriteString("QUILLDA2.1");
  WriteAll(Path("newer.tsl"), newer.Buffer());
  Recorder().Clear();
  EXPECT_EQ(LoadProjectFile(doc, Path("newer.tsl")), LoadResult::kNewerVersion);
  EXPECT_EQ(Recorder().MessageTexts(),
            std::vector<std::string>{"This file was probably created with newer version of the software."});
  EXPECT_EQ(doc.m_width, 640);
  EXPECT_EQ(doc.m_height, 480);
  EXPECT_EQ(VersionOfMagic("QUILLDA2.1"), 21);
  EXPECT_EQ(VersionOfMagic("QUILLDAW1.0"), 1);
}

// Rewrites a version 5 file as an older version: new magic and no preview word.
std::vector<uint8_t> AsVersion(const std::vector<uint8_t>& v5, const std::string& magic) {
  CArchive out;
  out.WriteString(magic);
  const size_t skip = 1 + 8 + 4;  // magic "QUILLDA5" and the preview flag
  out.WriteBytes(v5.data() + skip, v5.size() - skip);
  return out.TakeBuffer();
}

TEST_F(ProjectFile, OlderVersionsHaveNoPreviewWords) {
  CAppContext app;
  CVellumDoc doc;
  Fill(doc);
  CArchive ar;
  WriteProject(ar, doc, false);
  const std::vector<uint8_t> v5 = ar.TakeBuffer();
  for (const auto& [magic, version] :
       std::vector<std::pair<std::string, int>>{{"QUILLDA4", 4}, {"QUILLDA3", 3}, {"QUILLDAW2.0", 2}, {"QUILLDAW1.0", 1}}) {
    CArchive in(AsVersion(v5, magic));
    CVellumDoc back;
    ASSERT_EQ(ReadProject(in, back), LoadResult::kLoaded) << magic;
    EXPECT_EQ(back.m_width, 640);
    EXPECT_EQ(back.ObjectCount(), 3);
    EXPECT_EQ(app.m_loadedVersion, version);
  }
}

TEST_F(ProjectFile, PreviewIsSkipped) {
  CAppContext app;
  CVellumDoc doc;
  Fill(doc);
  CArchive ar;
  WriteProject(ar, doc, false);
  std::vector<uint8_t> bytes = ar.TakeBuffer();
  const size_t flagAt = 1 + 8;
  bytes[flagAt] = 1;
  bytes.insert(bytes.begin() + long(flagAt + 4), size_t(120 * 120 * 3), uint8_t(0x5A));
  CArchive in(bytes);
  CVellumDoc back;
  ASSERT_EQ(ReadProject(in, back), LoadResult::kLoaded);
  EXPECT_EQ(back.m_width, 640);
  EXPECT_EQ(back.ObjectCount(), 3);
}

// The bytes of a small document up to and including the groups (item 12).
std::vector<uint8_t> HeadOfFile(CVellumDoc& doc) {
  CArchive ar;
  ar.WriteString("QUILLDA5");
  ar.WriteU32(0);
  for (uint32_t v : {uint32_t(doc.m_width), uint32_t(doc.m_height), doc.m_background, 0u, 0u}) ar.WriteU32(v);
  for (uint32_t v : {0u, 0u, 0u, 0u, 0u, 0u}) ar.WriteU32(v);  // crop, crop set, no groups
  return ar.TakeBuffer();
}

TEST_F(ProjectFile, PreviewFollowsTheApplicationSetting) {
  CAppContext app;
  CVellumDoc doc;
  doc.m_width = 240;  // shrinks by half into 120 x 60, centred from row 30
  doc.m_height = 120;
  doc.m_background = 0x0000FF;  // red
  ASSERT_TRUE(SaveProjectFile(doc, Path("plain.tsl")));
  app.m_writePreview = true;
  ASSERT_TRUE(SaveProjectFile(doc, Path("preview.tsl")));
  ASSERT_TRUE(WriteBackup(doc, Path("backup.tsl")));  // never a preview in the backup
  const auto plain = ReadAll(Path("plain.tsl")), withPreview = ReadAll(Path("preview.tsl"));
  ASSERT_EQ(withPreview.size(), plain.size() + size_t(120 * 120 * 3));
  EXPECT_EQ(withPreview[9], 1);
  EXPECT_EQ(ReadAll(Path("backup.tsl")).size(), plain.size());
  const size_t pixels = 1 + 8 + 4;
  auto at = [&](int x, int y) { return withPreview.begin() + long(pixels + (size_t(y) * 120 + size_t(x)) * 3); };
  EXPECT_EQ(std::vector<uint8_t>(at(60, 60), at(60, 60) + 3), (std::vector<uint8_t>{0, 0, 255}));
  EXPECT_EQ(std::vector<uint8_t>(at(60, 10), at(60, 10) + 3), (std::vector<uint8_t>{255, 255, 255}));
  CVellumDoc back;
  ASSERT_EQ(LoadProjectFile(back, Path("preview.tsl")), LoadResult::kLoaded);
  EXPECT_EQ(back.m_width, 240);
}

TEST_F(ProjectFile, EarlyEndsAndTheLegacyBlock) {
  CAppContext app;
  CVellumDoc src;
  src.m_width = 123;
  std::vector<uint8_t> head = HeadOfFile(src);

  std::vector<uint8_t> ended = head;
  ended.insert(ended.end(), {0xFF, 0xFF, 0xFF, 0xFF});
  CVellumDoc a;
  CArchive inA(ended);
  ASSERT_EQ(ReadProject(inA, a), LoadResult::kLoaded);
  EXPECT_EQ(a.m_width, 123);
  EXPECT_EQ(a.m_snapToGuides, 1);

  // The legacy block: three skipped words, one list of one object, one more word.
  CArchive legacy;
  legacy.WriteBytes(head.data(), head.size());
  legacy.WriteU32(0xFFFFFFFE);
  for (uint32_t v : {9u, 9u, 9u, 1u, 1u}) legacy.WriteU32(v);
  legacy.WriteString("OLDUIDOLDUID");
  CDrawObject old;
  old.CreateCircle(0, 0, 10, 10);
  old.SerializeFields(legacy, false);
  legacy.WriteU32(0);
  CArchive inB(legacy.TakeBuffer());
  CVellumDoc b;
  ASSERT_EQ(ReadProject(inB, b), LoadResult::kLoaded);
  EXPECT_EQ(b.ObjectCount(), 0);
  EXPECT_EQ(inB.Remaining(), 0u);

  // A file that ends after the export settings keeps the later fields at defaults.
  CVellumDoc full;
  full.m_width = 77;
  full.m_notesAuthor = "Zed";
  full.m_gridDistance = 9;
  CArchive whole;
  WriteProject(whole, full, false);
  std::vector<uint8_t> bytes = whole.TakeBuffer();
  // Tail after item 20's marker: notes (6 empty strings, u32, 4 u32, marker),
  // fine print (3 u32), two empty lists, end marker.
  const size_t tail = 6 + 4 + 16 + 4 + 12 + 4 + 4 + 4 + 3;  // author "Zed" adds 3 bytes
  bytes.resize(bytes.size() - tail - 4);  // and item 20's own marker
  bytes.insert(bytes.end(), {0xFF, 0xFF, 0xFF, 0xFF});
  CArchive inC(bytes);
  CVellumDoc c;
  ASSERT_EQ(ReadProject(inC, c), LoadResult::kLoaded);
  EXPECT_EQ(c.m_width, 77);
  EXPECT_EQ(c.m_gridDistance, 9);
  EXPECT_EQ(c.m_notesAuthor, "");
}

TEST_F(ProjectFile, PasswordProtection) {
  CAppContext app;
  CVellumDoc doc;
  doc.NewObject()->CreateRectangle(0, 0, 10, 10);
  doc.m_notesRights = "PWD:Open Sesame LOCK:";
  ASSERT_TRUE(SaveProjectFile(doc, Path("p.tsl")));

  Recorder().ScriptText(std::string("open sesame "));
  CVellumDoc ok;
  EXPECT_EQ(LoadProjectFile(ok, Path("p.tsl")), LoadResult::kLoaded);
  EXPECT_EQ(ok.ObjectCount(), 1);

  Recorder().Clear();
  Recorder().ScriptText(std::string("open sesame"));  // the blank belongs to the password
  CVellumDoc refused;
  refused.m_width = 55;
  EXPECT_EQ(LoadProjectFile(refused, Path("p.tsl")), LoadResult::kPasswordMismatch);
  EXPECT_EQ(Recorder().MessageTexts(), std::vector<std::string>{"Password didn't match"});
  EXPECT_EQ(refused.m_width, 55);
  EXPECT_EQ(refused.ObjectCount(), 0);

  // The backup carries the notes, and so the password, unchanged.
  ASSERT_TRUE(WriteBackup(ok, Path("backup.tsl")));
  Recorder().ScriptText(std::nullopt);
  CVellumDoc fromBackup;
  EXPECT_EQ(LoadProjectFile(fromBackup, Path("backup.tsl")), LoadResult::kPasswordMismatch);
}

TEST_F(ProjectFile, LockedFileAsksBeforeOverwriting) {
  CAppContext app;
  CVellumDoc doc;
  doc.m_notesRights = "LOCK: final artwork";
  ASSERT_TRUE(SaveProjectFile(doc, Path("l.tsl")));  // not loaded from a file yet: no question
  EXPECT_TRUE(Recorder().MessageTexts().empty());
  const auto before = ReadAll(Path("l.tsl"));
  doc.m_width = 99;
  Recorder().ScriptAnswer(MsgAnswer::kNo);
  EXPECT_FALSE(SaveProjectFile(doc, Path("l.tsl")));
  EXPECT_EQ(Recorder().MessageTexts().size(), 1u);
  EXPECT_EQ(ReadAll(Path("l.tsl")), before);
  Recorder().ScriptAnswer(MsgAnswer::kYes);
  EXPECT_TRUE(SaveProjectFile(doc, Path("l.tsl")));
  EXPECT_NE(ReadAll(Path("l.tsl")), before);
  EXPECT_TRUE(IsProjectFileName("A.TSL"));
  EXPECT_FALSE(IsProjectFileName("a.mnx"));
}

TEST_F(ProjectFile, DamagedFilesLeaveTheDocumentAlone) {
  CAppContext app;
  CVellumDoc doc;
  Fill(doc);
  CArchive ar;
  WriteProject(ar, doc, false);
  const std::vector<uint8_t> bytes = ar.TakeBuffer();
  CVellumDoc target;
  target.NewObject()->m_name = "keep";
  for (size_t n = 0; n + 4 < bytes.size(); n += 97) {
    WriteAll(Path("t.tsl"), std::vector<uint8_t>(bytes.begin(), bytes.begin() + long(n)));
    const LoadResult r = LoadProjectFile(target, Path("t.tsl"));
    ASSERT_NE(r, LoadResult::kLoaded) << n;
    ASSERT_EQ(target.ObjectCount(), 1);
    ASSERT_EQ(target.ObjectAt(0)->m_name, "keep");
  }
  // An object count of 2^31 is refused before anything is read or allocated.
  std::vector<uint8_t> head = HeadOfFile(doc);
  head.resize(head.size() - 24);
  head.insert(head.end(), {0, 0, 0, 0x80});
  WriteAll(Path("count.tsl"), head);
  EXPECT_EQ(LoadProjectFile(target, Path("count.tsl")), LoadResult::kDamaged);
  EXPECT_EQ(Recorder().MessageTexts().back().rfind("The project file could not be read", 0), 0u);
}

TEST_F(ProjectFile, FailedWriteKeepsTheOldFile) {
  CAppContext app;
  CVellumDoc small;
  ASSERT_TRUE(SaveProjectFile(small, Path("s.tsl")));
  const auto before = ReadAll(Path("s.tsl"));
  CVellumDoc big;
  CDrawObject* o = big.NewObject();
  o->m_layer.Create(512, 512, 32);
  std::mt19937 noise(7);  // incompressible, so even the packed file is large
  for (size_t i = 0; i < o->m_layer.SizeBytes(); ++i) o->m_layer.Bits()[i] = uint8_t(noise());
  // A file size limit stands in for a full disk.
  struct rlimit old {};
  getrlimit(RLIMIT_FSIZE, &old);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit lim = old;
  lim.rlim_cur = 64 * 1024;
  setrlimit(RLIMIT_FSIZE, &lim);
  const bool saved = SaveProjectFile(big, Path("s.tsl"));
  const bool backedUp = WriteBackup(big, Path("s.tsl"));
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(saved);
  EXPECT_FALSE(backedUp);
  EXPECT_EQ(ReadAll(Path("s.tsl")), before);
  EXPECT_EQ(Recorder().StatusTexts().back(), "Backup Failed...");
  for (const auto& entry : std::filesystem::directory_iterator(dir_))
    EXPECT_EQ(entry.path().filename(), "s.tsl");  // no temporary file left behind
}

TEST_F(ProjectFile, BackupIsUncompressedAndRecoveryFlag) {
  CAppContext app;
  CVellumDoc doc;
  CDrawObject* o = doc.NewObject();
  o->m_layer.Create(64, 64, 32);  // all zero: compresses very well
  ASSERT_TRUE(WriteBackup(doc, Path("backup.tsl")));
  ASSERT_TRUE(SaveProjectFile(doc, Path("saved.tsl")));
  EXPECT_GT(ReadAll(Path("backup.tsl")).size(), size_t(64 * 64 * 4));
  EXPECT_LT(ReadAll(Path("saved.tsl")).size(), size_t(64 * 64));
  EXPECT_EQ(Recorder().StatusTexts(),
            (std::vector<std::string>{"Doing Backup ...", "Backup Finished (Backup.tsl)"}));
  EXPECT_EQ(doc.m_backupBusy, 0);

  EXPECT_FALSE(PreviousRunCrashed(app.Profile()));
  SetRunning(app.Profile(), true);
  EXPECT_TRUE(PreviousRunCrashed(app.Profile()));
  SetRunning(app.Profile(), false);
  EXPECT_FALSE(PreviousRunCrashed(app.Profile()));
  EXPECT_EQ(BackupIntervalMinutes(app.Profile()), 5);
  app.Profile().WriteInt("Settings", "Backup", 0);
  EXPECT_EQ(BackupIntervalMinutes(app.Profile()), 0);
}

}  // namespace
}  // namespace tessel
