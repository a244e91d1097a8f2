// The object library: whole drawing objects kept as files so that they can be put
// into any drawing again. Every sub-folder of Objects/ is a library; a library holds
// ObjectN.obj (one object record) and ObjectN.tmb (its thumbnail), numbered from 1
// without gaps.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace tessel {

class CDrawObject;
class CVellumDoc;

// The user's writable Objects/ folder (see UserDataFolder).
std::string ObjectLibraryRoot();
// Names of the libraries (sub-folders of root), sorted.
std::vector<std::string> ListObjectLibraries(const std::string& root);
// The current library folder: the setting "Objects"/"Current" when it names an existing
// folder, else root's "Basic", else root's first library, else root itself.
std::string CurrentObjectLibrary();
// Makes folder the current library and stores it in "Objects"/"Current".
void SetCurrentObjectLibrary(const std::string& folder);

class CObjectLibrary {
 public:
  explicit CObjectLibrary(std::string folder) : m_folder(std::move(folder)) {}
  const std::string& Folder() const { return m_folder; }
  std::string ObjectFile(int n) const;
  std::string ThumbnailFile(int n) const;

  // Number of entries: n runs from 1 while ObjectN.obj exists, so a folder without
  // Object1.obj is empty whatever higher numbers it holds.
  int Count() const;
  // Writes the object (record and thumbnail) under the first number whose object file
  // does not exist; returns that number, or 0 with *error set.
  int Add(CDrawObject& object, std::string* error) const;
  // Overwrites entry n.
  bool Replace(int n, CDrawObject& object, std::string* error) const;
  // Deletes entry n and moves every later entry down by one, closing the gap.
  bool Remove(int n) const;
  // Reads entry n (not rendered); null with *error set when it cannot be read.
  std::unique_ptr<CDrawObject> Load(int n, std::string* error) const;

 private:
  std::string m_folder;
};

// The view's commands, with their questions and messages. A selected entry of 0 means
// none. Each returns true when the library changed.
bool AddToObjectLibrary(const CObjectLibrary& library, CDrawObject& selectedObject);
bool ReplaceInObjectLibrary(const CObjectLibrary& library, int selectedEntry, CDrawObject& selectedObject);
bool RemoveFromObjectLibrary(const CObjectLibrary& library, int selectedEntry);

// Inserts the object of an object file on top of doc (double-click or drop): a new
// identity, not grouped, no package number and no clone link to a package doc lacks.
// With a point the object's box is centred on it; without one it keeps its stored place
// unless that starts beyond the canvas, when it moves to (0, 0). Renders the object and
// returns it; null (after a message) when the file cannot be read. The caller records
// the undo step.
CDrawObject* InsertObjectFile(CVellumDoc& doc, const std::string& path, const int* atX = nullptr,
                              const int* atY = nullptr);

}  // namespace tessel
