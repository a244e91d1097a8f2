#include "library/object_library.h"

#include <algorithm>
#include <filesystem>

#include "base/app_context.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "library/library_files.h"

namespace tessel {

namespace fs = std::filesystem;

namespace {
constexpr char kStem[] = "Object";
constexpr char kObjectExt[] = ".obj";
constexpr char kThumbExt[] = ".tmb";
constexpr char kDefaultLibrary[] = "Basic";

void Tell(const std::string& text) { App().Messages().Message(text, MsgButtons::kOk); }
bool Confirm(const std::string& question) {
  return App().Messages().Message(question, MsgButtons::kYesNo) == MsgAnswer::kYes;
}
bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}
}  // namespace

std::string ObjectLibraryRoot() { return UserDataFolder("Objects"); }

std::vector<std::string> ListObjectLibraries(const std::string& root) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!name.empty() && name[0] != '.' && it->is_directory(ec)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string CurrentObjectLibrary() {
  std::error_code ec;
  const std::string stored = App().Profile().GetString("Objects", "Current", "");
  if (!stored.empty() && fs::is_directory(stored, ec)) return stored;
  const std::string root = ObjectLibraryRoot();
  if (fs::is_directory(root + "/" + kDefaultLibrary, ec)) return root + "/" + kDefaultLibrary;
  const std::vector<std::string> libraries = ListObjectLibraries(root);
  return libraries.empty() ? root : root + "/" + libraries.front();
}

void SetCurrentObjectLibrary(const std::string& folder) { App().Profile().WriteString("Objects", "Current", folder); }

std::string CObjectLibrary::ObjectFile(int n) const { return NumberedFile(m_folder, kStem, n, kObjectExt); }
std::string CObjectLibrary::ThumbnailFile(int n) const { return NumberedFile(m_folder, kStem, n, kThumbExt); }

int CObjectLibrary::Count() const {
  int n = 0;
  while (Exists(ObjectFile(n + 1))) ++n;
  return n;
}

int CObjectLibrary::Add(CDrawObject& object, std::string* error) const {
  int n = 1;
  while (Exists(ObjectFile(n))) ++n;
  return Replace(n, object, error) ? n : 0;
}

bool CObjectLibrary::Replace(int n, CDrawObject& object, std::string* error) const {
  return WriteObjectFile(ObjectFile(n), object, error) && WriteLibraryThumbnail(ThumbnailFile(n), object, error);
}

bool CObjectLibrary::Remove(int n) const {
  std::error_code ec;
  if (n < 1 || !fs::remove(ObjectFile(n), ec)) return false;
  fs::remove(ThumbnailFile(n), ec);
  for (int m = n + 1; Exists(ObjectFile(m)); ++m) {
    fs::rename(ObjectFile(m), ObjectFile(m - 1), ec);
    if (ec) return false;  // stop rather than leave two entries under one number
    if (Exists(ThumbnailFile(m))) fs::rename(ThumbnailFile(m), ThumbnailFile(m - 1), ec);
    else fs::remove(ThumbnailFile(m - 1), ec);
  }
  return true;
}

std::unique_ptr<CDrawObject> CObjectLibrary::Load(int n, std::string* error) const {
  return ReadObjectFile(ObjectFile(n), error);
}

bool AddToObjectLibrary(const CObjectLibrary& library, CDrawObject& selectedObject) {
  std::string error;
  if (library.Add(selectedObject, &error) > 0) return true;
  Tell("The object could not be added to the library: " + error);
  return false;
}

bool ReplaceInObjectLibrary(const CObjectLibrary& library, int selectedEntry, CDrawObject& selectedObject) {
  if (selectedEntry < 1) {
    Tell("Please Select a object in the Library first!");
    return false;
  }
  if (!Confirm("Do you want to replace this object in the library?")) return false;
  std::string error;
  if (library.Replace(selectedEntry, selectedObject, &error)) return true;
  Tell("The object could not be written to the library: " + error);
  return false;
}

bool RemoveFromObjectLibrary(const CObjectLibrary& library, int selectedEntry) {
  if (selectedEntry < 1) {
    Tell("Please Select a object in the Library first!");
    return false;
  }
  if (!Confirm("Do you want to remove the object")) return false;
  return library.Remove(selectedEntry);
}

CDrawObject* InsertObjectFile(CVellumDoc& doc, const std::string& path, const int* atX, const int* atY) {
  std::string error;
  std::unique_ptr<CDrawObject> object = ReadObjectFile(path, &error);
  if (!object) {
    Tell("The object could not be inserted: " + error);
    return nullptr;
  }
  object->m_inGroup = 0;
  object->m_packageId = 0;
  if (object->m_cloneOf > 0) {
    bool sourceHere = false;
    for (const auto& o : doc.m_objects) sourceHere |= o->m_packageId == object->m_cloneOf;
    if (!sourceHere) object->m_cloneOf = 0;
  }
  if (atX && atY) {
    object->m_left = *atX - object->m_width / 2;
    object->m_top = *atY - object->m_height / 2;
  } else if (object->m_left >= doc.m_width || object->m_top >= doc.m_height) {
    object->m_left = object->m_top = 0;
  }
  object->m_pendingResize = 0;
  object->AllocateBitmaps(object->m_width, object->m_height);
  object->SelectFrame(0);
  return doc.AddObject(std::move(object));
}

}  // namespace tessel
