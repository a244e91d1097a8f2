#include "paint/brush_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/user_messages.h"
#include "paint/brush.h"
#include "paint/brush_library.h"
#include "paint/brush_record.h"
#include "paint/paint_test_util.h"
#include "test_util.h"

namespace tessel {
namespace {

using test::Filled;
using test::TempDir;
using Texts = std::vector<std::string>;

CRecordingMessages& Recorder() { return static_cast<CRecordingMessages&>(App().Messages()); }

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

CBrush SampleHose() {
  CBrush b;
  b.m_name = std::string(300, 'h');  // long enough for the three-byte length prefix
  b.m_tipKind = kTipImageHose;
  b.m_size = 33;
  b.SetSpacing(0.75);
  b.m_opacity = 200;
  b.m_blur = 2.5;
  b.m_colourOverlay = 1;
  b.m_autoPreview = 0;
  b.m_hoseMode = kHoseDirectional;
  b.m_pressureMode = kPressureAll;
  b.m_spacingEnabled = 0;
  b.m_preview = Filled(40, 40, 9, 8, 7, 255);
  for (int i = 0; i < 3; ++i) b.m_hoseFrames.push_back(Filled(5 + i, 4, uint8_t(i), 1, 2, uint8_t(100 + i)));
  b.m_dab = b.m_hoseFrames[0].Clone();
  return b;
}

void ExpectSameBrush(const CBrush& a, const CBrush& b) {
  EXPECT_EQ(a.m_name, b.m_name);
  EXPECT_EQ(a.m_tipKind, b.m_tipKind);
  EXPECT_EQ(a.m_size, b.m_size);
  EXPECT_EQ(a.m_spacing, b.m_spacing);
  EXPECT_EQ(a.m_spacingCopy, b.m_spacingCopy);
  EXPECT_EQ(a.m_opacity, b.m_opacity);
  EXPECT_EQ(a.m_blur, b.m_blur);
  EXPECT_EQ(a.m_colourOverlay, b.m_colourOverlay);
  EXPECT_EQ(a.m_autoPreview, b.m_autoPreview);
  EXPECT_TRUE(a.m_dab == b.m_dab);
  EXPECT_TRUE(a.m_preview == b.m_preview);
  EXPECT_EQ(a.m_hoseMode, b.m_hoseMode);
  ASSERT_EQ(a.m_hoseFrames.size(), b.m_hoseFrames.size());
  for (size_t i = 0; i < a.m_hoseFrames.size(); ++i) EXPECT_TRUE(a.m_hoseFrames[i] == b.m_hoseFrames[i]);
  EXPECT_EQ(a.m_pressureMode, b.m_pressureMode);
  EXPECT_EQ(a.m_spacingEnabled, b.m_spacingEnabled);
}

// The record of SampleHose with its tail (pressure mode, spacing flag, end mark) cut
// after keepTail words of it.
std::vector<uint8_t> OlderRecord(int keepTail) {
  CArchive ar;
  SampleHose().Store(ar);
  std::vector<uint8_t> bytes = ar.TakeBuffer();
  bytes.resize(bytes.size() - 12 + size_t(keepTail) * 4);
  for (int i = 0; i < 4; ++i) bytes.push_back(0xFF);
  return bytes;
}

TEST(BrushFile, RoundTripsEveryFieldAndReadsOlderRecords) {
  CAppContext app;
  TempDir dir;
  const CBrush original = SampleHose();
  ASSERT_TRUE(StoreBrushFile(dir.File("a.br1"), original));
  CBrush loaded;
  loaded.m_paintColour = 5;
  ASSERT_TRUE(LoadBrushFile(dir.File("a.br1"), loaded));
  ExpectSameBrush(original, loaded);
  EXPECT_EQ(loaded.m_paintColour, 0u);  // run-time state starts over
  EXPECT_EQ(loaded.m_hoseIndex, 0);

  // The end mark straight after the hose frames: pressure 2 and spacing on.
  WriteBytes(dir.File("old.br1"), OlderRecord(0));
  ASSERT_TRUE(LoadBrushFile(dir.File("old.br1"), loaded));
  EXPECT_EQ(loaded.m_pressureMode, kPressureOpacity);
  EXPECT_EQ(loaded.m_spacingEnabled, 1);
  EXPECT_EQ(loaded.m_hoseFrames.size(), 3u);
  // The end mark after the pressure mode.
  WriteBytes(dir.File("mid.br1"), OlderRecord(1));
  ASSERT_TRUE(LoadBrushFile(dir.File("mid.br1"), loaded));
  EXPECT_EQ(loaded.m_pressureMode, kPressureAll);
  EXPECT_EQ(loaded.m_spacingEnabled, 1);
  EXPECT_TRUE(Recorder().MessageTexts().empty());
  // A missing file fails without a word and changes nothing.
  EXPECT_FALSE(LoadBrushFile(dir.File("none.br1"), loaded));
  EXPECT_TRUE(Recorder().MessageTexts().empty());
}

// Patches a 32-bit word of the stored SampleHose record at a byte offset.
std::vector<uint8_t> Patched(size_t offset, uint32_t value) {
  CArchive ar;
  SampleHose().Store(ar);
  std::vector<uint8_t> bytes = ar.TakeBuffer();
  for (int i = 0; i < 4; ++i) bytes[offset + size_t(i)] = uint8_t(value >> (8 * i));
  return bytes;
}

TEST(BrushFile, DamagedFilesAreRefusedWithTheirMessage) {
  CAppContext app;
  TempDir dir;
  // Offsets in the record: name 3 + 300 bytes, then tip kind, size, ...
  const size_t name = 303, size = name + 4, dab = name + 4 + 4 + 8 + 8 + 4 + 8 + 4 + 4;
  const size_t dabCount = dab + 12, hoseCount = dab + 16 + 5 * 4 * 4 + 16 + 40 * 40 * 4 + 4;
  const std::pair<std::vector<uint8_t>, const char*> cases[] = {
      {Patched(dabCount, 5 * 4 * 4 + 1), kCorruptedDataMsg},  // byte count differs from w × h × 4
      {Patched(size, uint32_t(-3)), kCorruptedDataMsg},       // negative size
      {Patched(dab + 4, uint32_t(-5)), kCorruptedDataMsg},    // negative width
      {Patched(dab + 4, 1u << 30), kCorruptedDataMsg},        // absurd width
      {Patched(hoseCount, 1000000), kCorruptedDataMsg},       // absurd frame count
      {Patched(hoseCount, uint32_t(-2)), kCorruptedDataMsg},  // negative frame count
      {Patched(name, 9), kCorruptedDataMsg},                  // unknown tip kind
  };
  for (const auto& [bytes, message] : cases) {
    WriteBytes(dir.File("bad.br1"), bytes);
    CBrush kept;
    kept.m_name = "kept";
    Recorder().Clear();
    EXPECT_FALSE(LoadBrushFile(dir.File("bad.br1"), kept));
    EXPECT_EQ(kept.m_name, "kept");
    EXPECT_EQ(Recorder().MessageTexts(), Texts{message});
  }
  // Pixels cut short.
  CArchive ar;
  SampleHose().Store(ar);
  std::vector<uint8_t> bytes = ar.TakeBuffer();
  bytes.resize(dab + 16 + 10);
  WriteBytes(dir.File("short.br1"), bytes);
  Recorder().Clear();
  CBrush b;
  EXPECT_FALSE(LoadBrushFile(dir.File("short.br1"), b));
  EXPECT_EQ(Recorder().MessageTexts(), Texts{kBitmapReadErrorMsg});
}

TEST(BrushLibrary, EveryTruncationIsRefusedAndNothingIsKept) {
  CAppContext app;
  TempDir dir;
  CBrushLibrary lib;
  CBrush small;
  small.m_size = 3;
  small.m_blur = 0;
  lib.Add(small);
  lib.Add(SampleHose());
  ASSERT_TRUE(lib.Store(dir.File("lib.brs")));
  const std::vector<uint8_t> whole = CArchive::FromFile(dir.File("lib.brs")).TakeBuffer();
  CBrushLibrary target;
  ASSERT_TRUE(target.Load(dir.File("lib.brs")));
  ASSERT_EQ(target.Count(), 2);
  for (size_t cut = 0; cut < whole.size(); cut += 1 + cut / 16) {
    WriteBytes(dir.File("cut.brs"), std::vector<uint8_t>(whole.begin(), whole.begin() + long(cut)));
    Recorder().Clear();
    EXPECT_FALSE(target.Load(dir.File("cut.brs"))) << cut;
    EXPECT_EQ(Recorder().MessageTexts().size(), 1u) << cut;
    EXPECT_EQ(target.Count(), 2);
    EXPECT_EQ(target.Path(), dir.File("lib.brs"));
  }
}

TEST(BrushLibrary, ChangesAreStoredBackAndLibrariesListDefaultFirst) {
  CAppContext app;
  TempDir program, user;
  const AppPaths paths(program.Path(), user.Path());
  std::filesystem::create_directories(program.Path() + "/Brushes");
  CBrushLibrary seed;
  for (const char* name : {"Zeta", "Alpha", "Mid"}) {
    CBrush b;
    b.m_name = name;
    seed.Add(b);
  }
  for (const char* lib : {"default", "Water", "Abc"}) ASSERT_TRUE(seed.Store(program.Path() + "/Brushes/" + lib + ".brs"));
  test::WriteText(program.Path() + "/Brushes/readme.txt", "not a library");
  EXPECT_EQ(ListBrushLibraries(paths), (Texts{"default", "Abc", "Water"}));

  CBrushLibrary lib;
  ASSERT_TRUE(OpenBrushLibrary(paths, "Water", lib));
  const std::string saved = user.Path() + "/Brushes/Water.brs";
  EXPECT_EQ(lib.Path(), saved);
  auto namesOnDisk = [&] {
    CBrushLibrary disk;
    EXPECT_TRUE(disk.Load(saved));
    Texts names;
    for (int i = 0; i < disk.Count(); ++i) names.push_back(disk.Get(i)->m_name);
    return names;
  };
  ASSERT_TRUE(lib.Sort());
  EXPECT_EQ(namesOnDisk(), (Texts{"Alpha", "Mid", "Zeta"}));
  CBrush added;
  added.m_name = "Added";
  ASSERT_TRUE(lib.Add(added));
  EXPECT_EQ(lib.Get(3)->m_preview.Width(), kLibraryPreviewSide);
  EXPECT_EQ(namesOnDisk(), (Texts{"Alpha", "Mid", "Zeta", "Added"}));
  Recorder().ScriptAnswer(MsgAnswer::kNo);
  EXPECT_FALSE(lib.AskAndDelete(1));
  Recorder().ScriptAnswer(MsgAnswer::kYes);
  EXPECT_TRUE(lib.AskAndDelete(1));
  EXPECT_EQ(Recorder().MessageTexts(), (Texts{kDeleteBrushQuestion, kDeleteBrushQuestion}));
  EXPECT_EQ(namesOnDisk(), (Texts{"Alpha", "Zeta", "Added"}));
  EXPECT_FALSE(lib.Delete(3));
  EXPECT_EQ(lib.Get(3), nullptr);
  // The user's copy now comes first; the next program start reads it.
  EXPECT_EQ(ListBrushLibraries(paths), (Texts{"default", "Abc", "Water"}));
  CBrushLibrary start;
  ASSERT_TRUE(OpenStartBrushLibrary(paths, start));
  EXPECT_EQ(start.Path(), user.Path() + "/Brushes/default.brs");
  CBrushLibrary again;
  ASSERT_TRUE(OpenBrushLibrary(paths, "Water", again));
  EXPECT_EQ(again.Count(), 3);
}

TEST(BrushLibrary, StarterLibrariesLoad) {
  CAppContext app;
  const AppPaths shipped = AppPaths::FromEnvironment("/nonexistent");
  const AppPaths paths(shipped.ProgramFolder(), "");
  const Texts names = ListBrushLibraries(paths);
  ASSERT_GE(names.size(), 3u);
  EXPECT_EQ(names[0], "default");
  for (const std::string& name : names) {
    CBrushLibrary lib;
    ASSERT_TRUE(OpenBrushLibrary(paths, name, lib)) << name;
    EXPECT_GE(lib.Count(), name == "default" ? 16 : 4);
    int hoseFrames = 0;
    for (int i = 0; i < lib.Count(); ++i) {
      const CBrush& b = *lib.Get(i);
      EXPECT_FALSE(b.m_dab.IsEmpty()) << b.m_name;
      EXPECT_EQ(b.m_preview.Width(), kLibraryPreviewSide) << b.m_name;
      if (b.m_tipKind == kTipImageHose) hoseFrames = std::max(hoseFrames, int(b.m_hoseFrames.size()));
    }
    if (name == "default") {
      EXPECT_GE(hoseFrames, 8);
    }
  }
  EXPECT_TRUE(Recorder().MessageTexts().empty());
}

}  // namespace
}  // namespace tessel
