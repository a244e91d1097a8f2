// CBrushLibrary: an ordered list of brushes kept in one .brs file in the Brushes
// folder. Every change made through it (add, edit, delete, sort) is stored back to its
// file at once when the library has a path.
//
// .brs file: i32 brush count, that many brush records, i32 −1.
#pragma once

#include <string>
#include <vector>

#include "paint/brush.h"

namespace tessel {

class AppPaths;
class CArchive;

// The folder of brush libraries and the extension of their files.
constexpr const char* kBrushFolder = "Brushes";
constexpr const char* kBrushLibraryExt = ".brs";
constexpr const char* kDefaultBrushLibrary = "default";
constexpr const char* kDeleteBrushQuestion = "Do you want to delete selected brush from the library?";
// File dialog filters of the library window.
constexpr const char* kBrushLibraryFilter = "Brushes (*.brs)|*.brs||";
constexpr const char* kBrushFileLoadFilter = "Brushes (*.br1)|*.br1||";
constexpr const char* kBrushFileSaveFilter = "Brush File (*.br1)|*.br1||";

class CBrushLibrary {
 public:
  // Reads a .brs file. A file that cannot be opened returns false silently; a damaged
  // one shows its message and returns false. Either way the library is unchanged. On
  // success the library remembers path as the file to store back to.
  bool Load(const std::string& path);
  // Writes the library as a .brs file (atomically). False with *error on failure.
  bool Store(const std::string& path, std::string* error = nullptr) const;

  // The file that changes are stored back to; empty keeps changes in memory only.
  const std::string& Path() const { return m_path; }
  void SetPath(std::string path) { m_path = std::move(path); }

  int Count() const { return int(m_brushes.size()); }
  // The brush at index, or nullptr when out of range.
  const CBrush* Get(int index) const;

  // Appends a brush (rebuilt with the library's preview side) and stores back.
  // Returns the store-back result (true when there is no path).
  bool Add(CBrush brush);
  // Replaces the brush at index by an edited one (rebuilt) and stores back; false for a
  // bad index.
  bool Replace(int index, CBrush brush);
  // Removes the brush at index and stores back; false for a bad index.
  bool Delete(int index);
  // Asks kDeleteBrushQuestion; on Yes deletes. True when a brush was deleted.
  bool AskAndDelete(int index);
  // Sorts by name (stable, byte order) and stores back.
  bool Sort();
  // "Load brush": reads a .br1 file into a new brush (not yet in the library) and
  // builds its preview. False (brush unchanged) when the file cannot be read.
  static bool LoadBrushForAdding(const std::string& path, CBrush& brush);

 private:
  bool StoreBack() const;

  std::string m_path;
  std::vector<CBrush> m_brushes;
};

// Reads the body of a .brs file (count, brush records, end mark). Throws
// CBrushDataError or CArchiveException on a damaged or short file.
std::vector<CBrush> ReadBrushList(CArchive& ar);

// The names of the libraries found in the user's and the program's Brushes folders,
// without extension: "default" first when present, then the others in ascending order.
std::vector<std::string> ListBrushLibraries(const AppPaths& paths);

// Opens the library of that name: read from the user folder's copy or else the
// program folder's, and stored back to the user folder's. False when it cannot be read.
bool OpenBrushLibrary(const AppPaths& paths, const std::string& name, CBrushLibrary& library);

// The library opened at start: "default" when present, else the first listed. False
// when there is none or it cannot be read.
bool OpenStartBrushLibrary(const AppPaths& paths, CBrushLibrary& library);

}  // namespace tessel
