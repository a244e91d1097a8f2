// Reading project files of every version.
#include <cctype>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/project_file.h"
#include "document/project_layout.h"
#include "document/texture_bank_block.h"
#include "document/vellum_doc.h"
#include "render/parallel_render.h"
#include "render/preview.h"
#include "render/texture_bank.h"

namespace tessel {

namespace {
constexpr char kMagicPrefix[] = "QUILLDA";
constexpr size_t kVersionCharIndex = 7;
constexpr int kNewerVersionWidth = 640;
constexpr int kNewerVersionHeight = 480;
// Fewest bytes a uid and an object record can take; bounds the object count.
constexpr uint64_t kMinObjectBytes = 64;

std::string Lower(std::string s) {
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

void SkipLegacyBlock(CArchive& ar) {
  for (int i = 0; i < 3; ++i) ar.ReadU32();
  const uint32_t lists = ar.ReadU32();
  ar.CheckCount(lists, 4);
  for (uint32_t p = 0; p < lists; ++p) {
    const uint32_t count = ar.ReadU32();
    ar.CheckCount(count, kMinObjectBytes);
    for (uint32_t q = 0; q < count; ++q) {
      ar.ReadString();
      CDrawObject discarded;
      discarded.SerializeFields(ar, true);
    }
  }
  ar.ReadU32();
}

// Reads every record, then renders the objects on all cores (renders are independent
// and give the same bytes in any order); the status line counts finished objects.
void ReadObjects(CArchive& ar, CVellumDoc& doc) {
  IUserMessages& ui = App().Messages();
  ui.Status("Rendering Documents, Please Wait...");
  const uint32_t count = ar.ReadU32();
  ar.CheckCount(count, kMinObjectBytes);
  std::vector<std::unique_ptr<CDrawObject>> read;
  for (uint32_t i = 0; i < count; ++i) {
    auto object = std::make_unique<CDrawObject>();
    object->m_uid = ar.ReadString();
    object->SerializeFields(ar, true);
    read.push_back(std::move(object));
  }
  std::vector<CDrawObject*> objects;
  for (auto& o : read) objects.push_back(o.get());
  int reported = 0;
  FinishLoadingAll(objects, 0, [&](int done, int total) {
    for (; reported < done; ++reported) {
      const std::string progress =
          "Rendering Object " + std::to_string(reported + 1) + " of " + std::to_string(total);
      ui.Status(progress);
      ui.Progress(reported, total, progress);
    }
  });
  for (auto& o : read) doc.m_objects.push_back(std::move(o));
}

bool CheckPassword(CVellumDoc& doc) {
  std::string password;
  if (!CVellumDoc::PasswordOf(doc.m_notesRights, &password)) return true;
  const auto typed = App().Messages().AskText("Production Locked", "Ussage of this file was locked by password:");
  if (typed && Lower(*typed) == Lower(password)) return true;
  App().Messages().Message("Password didn't match", MsgButtons::kOk);
  doc.m_loadFailed = 1;
  return false;
}

void ReportMissingTextures() {
  CAppContext& app = App();
  if (app.m_missingTextures.empty() && app.m_missingSkins.empty()) return;
  std::string text = "Missing Textures:\r\n";
  for (const auto* list : {&app.m_missingTextures, &app.m_missingSkins})
    for (const std::string& name : *list) text += name + "\r\n";
  app.Messages().Message(text, MsgButtons::kOk);
}
}  // namespace

int VersionOfMagic(const std::string& magic) {
  if (magic == "QUILLDAW1.0") return 1;
  if (magic == "QUILLDAW2.0") return 2;
  if (magic == "QUILLDA2.1") return 21;
  if (magic == "QUILLDA3") return 3;
  if (magic == "QUILLDA4") return 4;
  if (magic == "QUILLDA5") return 5;
  return 0;
}

LoadResult ReadProject(CArchive& ar, CVellumDoc& doc, bool notEmptyNotice) {
  CAppContext& app = App();
  IUserMessages& ui = app.Messages();
  app.m_missingTextures.clear();
  app.m_missingSkins.clear();
  const CompressionFlagReset compressionReset;

  // A file too short even for its magic is no project either.
  std::string magic;
  try {
    magic = ar.ReadString();
  } catch (const CArchiveException&) {
    magic.clear();
  }
  if (magic.compare(0, sizeof kMagicPrefix - 1, kMagicPrefix) != 0) {
    ui.Message("This is not a valid project file", MsgButtons::kOk);
    return LoadResult::kNotProject;
  }
  const char version = magic.size() > kVersionCharIndex ? magic[kVersionCharIndex] : '\0';
  if (version != 'W' && version != '3' && version != '4' && version != '5') {
    ui.Message("This file was probably created with newer version of the software.", MsgButtons::kOk);
    doc.m_width = kNewerVersionWidth;
    doc.m_height = kNewerVersionHeight;
    doc.m_background = 0xFFFFFF;
    return LoadResult::kNewerVersion;
  }
  if (version == '5' && ar.ReadU32() != 0) ar.Skip(kPreviewByteCount);
  app.m_loadedVersion = VersionOfMagic(magic);

  XferCanvas(ar, doc);
  if (doc.m_embedTextures) {
    ui.Status("Reading Textures...");
    ReadTextureBankBlock(ar, app.TextureBank());
  }
  if (notEmptyNotice) ui.Message("Document is Not Empty", MsgButtons::kOk);
  ReadObjects(ar, doc);
  doc.m_groups.clear();
  XferCropAndGroups(ar, doc);

  const uint32_t marker = ar.ReadU32();
  if (marker == kLegacyBlockMarker) SkipLegacyBlock(ar);
  else if (marker != CArchive::kEndMarker) XferDocumentTail(ar, doc);

  if (!CheckPassword(doc)) return LoadResult::kPasswordMismatch;
  doc.ValidateGroups();
  ui.Status("Finished...");
  ReportMissingTextures();
  return LoadResult::kLoaded;
}

LoadResult LoadProjectFile(CVellumDoc& doc, const std::string& path) {
  IUserMessages& ui = App().Messages();
  CVellumDoc loaded;
  LoadResult result;
  try {
    CArchive ar = CArchive::FromFile(path);
    result = ReadProject(ar, loaded, !doc.m_objects.empty());
  } catch (const CArchiveException& e) {
    ui.Message(std::string("The project file could not be read: ") + e.what(), MsgButtons::kOk);
    return LoadResult::kDamaged;
  }
  if (result == LoadResult::kNewerVersion) {
    doc.m_width = loaded.m_width;
    doc.m_height = loaded.m_height;
    doc.m_background = loaded.m_background;
  }
  if (result != LoadResult::kLoaded) return result;
  // Objects already in the document stay below the ones read.
  loaded.m_objects.splice(loaded.m_objects.begin(), doc.m_objects);
  doc = std::move(loaded);
  doc.m_pathName = path;
  doc.m_modified = false;
  doc.ResetUndo();
  return result;
}

}  // namespace tessel
