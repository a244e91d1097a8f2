#include "export/open_document.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/user_messages.h"
#include "codecs/image_reader.h"
#include "document/bitmap_object.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "export/rich_jpeg.h"

namespace tessel {

namespace {

constexpr uint8_t kJpegStart[2] = {0xFF, 0xD8};
constexpr int kMaxCanvasWidth = 1800;
constexpr int kMaxCanvasHeight = 1500;

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

LoadResult OpenPlainJpeg(CVellumDoc& doc, const std::vector<uint8_t>& bytes, const std::string& path) {
  CDIBSection picture;
  std::string error;
  if (!ReadImageMemory(bytes.data(), bytes.size(), picture, &error)) {
    App().Messages().Message(error, MsgButtons::kOk);
    return LoadResult::kDamaged;
  }
  std::unique_ptr<CDrawObject> object = MakeBitmapObject(std::move(picture));
  if (!object) return LoadResult::kDamaged;
  if (doc.m_objects.empty()) {
    doc.m_width = std::min(object->m_width, kMaxCanvasWidth);
    doc.m_height = std::min(object->m_height, kMaxCanvasHeight);
  }
  object->m_name = std::filesystem::path(path).filename().string();
  object->m_sourceFile = path;
  doc.AddObject(std::move(object));
  doc.m_modified = false;
  return LoadResult::kLoaded;
}

}  // namespace

LoadResult LoadProjectBytes(CVellumDoc& doc, std::vector<uint8_t> bytes, const std::string& path) {
  CVellumDoc loaded;
  LoadResult result;
  try {
    const CPreviewSettingOff previewOff;
    CArchive ar(std::move(bytes));
    result = ReadProject(ar, loaded, !doc.m_objects.empty());
  } catch (const CArchiveException&) {
    App().Messages().Message(kRichCorrupted, MsgButtons::kOk);
    return LoadResult::kDamaged;
  }
  if (result != LoadResult::kLoaded) return result;
  // Objects already in the document stay below the ones read.
  loaded.m_objects.splice(loaded.m_objects.begin(), doc.m_objects);
  doc = std::move(loaded);
  doc.m_pathName = path;
  doc.m_modified = false;
  return result;
}

LoadResult OpenDocumentFile(CVellumDoc& doc, const std::string& path) {
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, &bytes)) {
    App().Messages().Message("Cannot Open " + path, MsgButtons::kOk);
    return LoadResult::kCannotOpen;
  }
  if (bytes.size() < 2 || !std::equal(kJpegStart, kJpegStart + 2, bytes.begin())) return LoadProjectFile(doc, path);
  std::vector<uint8_t> project;
  const RichJpegResult found = ExtractRichProject(bytes.data(), bytes.size(), &project);
  switch (found) {
    case RichJpegResult::kPlainJpeg: return OpenPlainJpeg(doc, bytes, path);
    case RichJpegResult::kProject: return LoadProjectBytes(doc, std::move(project), path);
    default: App().Messages().Message(RichJpegMessage(found), MsgButtons::kOk); return LoadResult::kDamaged;
  }
}

}  // namespace tessel
