#include "paint/brush_library.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "base/app_context.h"
#include "base/app_paths.h"
#include "base/archive.h"
#include "base/safe_file.h"
#include "base/user_messages.h"
#include "paint/brush_file.h"
#include "paint/brush_load.h"
#include "paint/brush_record.h"

namespace tessel {

namespace {
// Each brush record is at least this many bytes (an empty name, the numbers, two empty
// bitmaps and the end mark), so a count never loops past the data.
constexpr uint64_t kMinBrushRecordBytes = 1 + 4 * 2 + 8 * 3 + 4 * 3 + 4 * 2 + 4 * 2 + 4;
// More brushes than any library could sensibly hold.
constexpr int32_t kMaxLibraryBrushes = 100000;
}  // namespace

bool CBrushLibrary::Load(const std::string& path) {
  std::vector<CBrush> brushes;
  const bool ok = LoadArchiveFile(path, [&](CArchive& ar) { brushes = ReadBrushList(ar); });
  if (!ok) return false;
  m_brushes = std::move(brushes);
  m_path = path;
  return true;
}

bool CBrushLibrary::Store(const std::string& path, std::string* error) const {
  CArchive ar;
  ar.WriteI32(int32_t(m_brushes.size()));
  for (const CBrush& b : m_brushes) b.Store(ar);
  ar.WriteEndMarker();
  return WriteFileSafely(path, ar.Buffer().data(), ar.Buffer().size(), error, true);
}

const CBrush* CBrushLibrary::Get(int index) const {
  return index >= 0 && index < Count() ? &m_brushes[size_t(index)] : nullptr;
}

bool CBrushLibrary::StoreBack() const {
  if (m_path.empty()) return true;
  std::string error;
  if (Store(m_path, &error)) return true;
  App().Messages().Message(error, MsgButtons::kOk);
  return false;
}

bool CBrushLibrary::Add(CBrush brush) {
  brush.Build(kLibraryPreviewSide);
  m_brushes.push_back(std::move(brush));
  return StoreBack();
}

bool CBrushLibrary::Replace(int index, CBrush brush) {
  if (!Get(index)) return false;
  brush.Build(kLibraryPreviewSide);
  m_brushes[size_t(index)] = std::move(brush);
  return StoreBack();
}

bool CBrushLibrary::Delete(int index) {
  if (!Get(index)) return false;
  m_brushes.erase(m_brushes.begin() + index);
  return StoreBack();
}

bool CBrushLibrary::AskAndDelete(int index) {
  if (!Get(index)) return false;
  if (App().Messages().Message(kDeleteBrushQuestion, MsgButtons::kYesNo) != MsgAnswer::kYes) return false;
  return Delete(index);
}

bool CBrushLibrary::Sort() {
  std::stable_sort(m_brushes.begin(), m_brushes.end(),
                   [](const CBrush& a, const CBrush& b) { return a.m_name < b.m_name; });
  return StoreBack();
}

bool CBrushLibrary::LoadBrushForAdding(const std::string& path, CBrush& brush) {
  CBrush loaded;
  if (!LoadBrushFile(path, loaded)) return false;
  loaded.Build(kLibraryPreviewSide);
  brush = std::move(loaded);
  return true;
}

std::vector<CBrush> ReadBrushList(CArchive& ar) {
  const int32_t n = ar.ReadI32();
  if (n < 0 || n > kMaxLibraryBrushes) throw CBrushDataError(kCorruptedDataMsg);
  ar.CheckCount(uint64_t(n), kMinBrushRecordBytes);
  std::vector<CBrush> brushes(static_cast<size_t>(n));
  for (CBrush& b : brushes) b.Load(ar);
  if (ar.ReadU32() != CArchive::kEndMarker) throw CBrushDataError(kCorruptedDataMsg);
  return brushes;
}

std::vector<std::string> ListBrushLibraries(const AppPaths& paths) {
  namespace fs = std::filesystem;
  std::set<std::string> names;
  for (const std::string& root : {paths.UserFolder(), paths.ProgramFolder()}) {
    std::error_code ec;
    if (root.empty()) continue;
    for (fs::directory_iterator it(fs::path(root) / kBrushFolder, ec), end; !ec && it != end; it.increment(ec)) {
      const fs::path p = it->path();
      if (p.extension() == kBrushLibraryExt && it->is_regular_file(ec)) names.insert(p.stem().string());
    }
  }
  std::vector<std::string> list;
  if (names.erase(kDefaultBrushLibrary)) list.push_back(kDefaultBrushLibrary);
  list.insert(list.end(), names.begin(), names.end());
  return list;
}

bool OpenBrushLibrary(const AppPaths& paths, const std::string& name, CBrushLibrary& library) {
  const std::string file = name + kBrushLibraryExt;
  if (!library.Load(paths.Find(kBrushFolder, file))) return false;
  library.SetPath(paths.UserFolder().empty() ? std::string() : paths.UserFolder() + "/" + kBrushFolder + "/" + file);
  return true;
}

bool OpenStartBrushLibrary(const AppPaths& paths, CBrushLibrary& library) {
  const std::vector<std::string> names = ListBrushLibraries(paths);
  return !names.empty() && OpenBrushLibrary(paths, names.front(), library);
}

}  // namespace tessel
