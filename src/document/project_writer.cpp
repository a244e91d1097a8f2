// Writing project files.
#include <cctype>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/safe_file.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/project_file.h"
#include "document/project_layout.h"
#include "document/texture_bank_block.h"
#include "document/vellum_doc.h"
#include "render/preview.h"

namespace tessel {

bool IsProjectFileName(const std::string& path) {
  if (path.size() < 4) return false;
  std::string ext = path.substr(path.size() - 4);
  for (char& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".tsl";
}

void WriteProject(CArchive& ar, CVellumDoc& doc, bool backup) {
  CAppContext& app = App();
  const CompressionFlagReset compressionReset;
  if (!backup)
    for (auto& o : doc.m_objects) o->StoreShownFrame();

  ar.WriteString(kProjectMagic);
  // A preview prepared earlier is used (and released) instead of a new one.
  std::vector<uint8_t> preview;
  if (app.m_writePreview && !backup) {
    preview = doc.m_preview.size() == size_t(kPreviewByteCount) ? std::move(doc.m_preview) : MakeProjectPreview(doc);
    doc.m_preview.clear();
  }
  ar.WriteU32(preview.empty() ? 0 : 1);
  if (!preview.empty()) ar.WriteBytes(preview.data(), preview.size());
  XferCanvas(ar, doc);
  if (doc.m_embedTextures) WriteTextureBankBlock(ar, app.TextureBank());
  ar.WriteU32(uint32_t(doc.m_objects.size()));
  for (auto& o : doc.m_objects) {
    ar.WriteString(o->m_uid);
    o->SerializeFields(ar, false);
  }
  XferCropAndGroups(ar, doc);
  ar.WriteU32(0);  // block marker
  XferDocumentTail(ar, doc);
}

bool SaveProjectFile(CVellumDoc& doc, const std::string& path) {
  IUserMessages& ui = App().Messages();
  if (doc.IsLocked() && !doc.m_pathName.empty() && path == doc.m_pathName) {
    const MsgAnswer a = ui.Message(
        "This file is set as locked, that means you probably doesn't want to overwrite it.\nOverwrite the file ?",
        MsgButtons::kYesNoCancel);
    if (a != MsgAnswer::kYes) return false;
  }
  CArchive ar;
  App().m_compressBitmaps = true;
  try {
    WriteProject(ar, doc, false);
  } catch (const CArchiveException& e) {
    ui.Message(e.what(), MsgButtons::kOk);
    return false;
  }
  std::string error;
  if (!WriteFileSafely(path, ar.Buffer().data(), ar.Buffer().size(), &error)) {
    ui.Message("The project could not be saved.\n" + error, MsgButtons::kOk);
    return false;
  }
  doc.m_pathName = path;
  doc.m_modified = false;
  return true;
}

}  // namespace tessel
