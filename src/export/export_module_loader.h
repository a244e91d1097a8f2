// Export modules: finding the "<name>.exp" shared objects, loading one with dlopen and
// calling the functions of include/tessel/export_module.h that it has.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/object_fields.h"

namespace tessel {

class AppPaths;
class CVellumDoc;

struct CExportModuleFile {
  std::string name;  // file name without ".exp": the entry of the format list
  std::string path;
};

// The module folders in search order: the user folder's "modules", the program
// folder's, then the folder the build put its own modules in (when there is one).
std::vector<std::string> ExportModuleFolders(const AppPaths& paths);

// Every "*.exp" entry of the folders that is not a folder, sorted by name in byte
// order; a name found in an earlier folder hides the same name in later ones.
std::vector<CExportModuleFile> FindExportModules(const std::vector<std::string>& folders);

// The entries of the export dialog's format list: the nine built-in types, the module
// names, then "Plugins...".
std::vector<std::string> ExportTypeNames(const std::vector<CExportModuleFile>& modules);

// The information box of the "Plugins..." entry.
constexpr char kPluginsInfoTitle[] = "Export Plugins";
constexpr char kPluginsInfoText[] = "Tessel can use special Export Plugins for other file formats.";

// The export type the dialog shows for a stored or chosen index among typeCount
// entries: "Plugins..." (the last entry), a negative index or one past the list give
// type 0, and so does a stored type 6 (Rich JPG) when the dialog opens.
int ExportTypeToShow(int index, int typeCount, bool dialogOpening);

class CExportModule {
 public:
  // Loads the module; nullptr with *error = "Can't Load " + name (and the loader's
  // reason after a line break) when it is not a loadable shared object.
  static std::unique_ptr<CExportModule> Load(const CExportModuleFile& file, std::string* error);
  ~CExportModule();
  CExportModule(const CExportModule&) = delete;
  CExportModule& operator=(const CExportModule&) = delete;

  const std::string& Name() const { return m_name; }
  // "" when the module has no GetExtension.
  std::string Extension() const;
  // GetSaveType's answer, or -1 when the module has none.
  int SaveType() const;
  bool HasImport() const;
  bool HasSetup() const { return m_showSetup != nullptr; }
  void ShowSetup() const;
  // GetAbout's text, "" when absent.
  std::string About() const;
  void SetBackColor(COLORREF colour) const;

  // The save calls; false when the function is absent or the module reports failure.
  // Buffers are top row first without gaps; palette is 256 x (blue, green, red, 0).
  bool Save8(const std::string& path, const uint8_t* indices, int width, int height, int colours,
             const uint8_t* palette) const;
  bool SaveRGB(const std::string& path, const uint8_t* rgb, int width, int height) const;
  bool SaveBGRA(const std::string& path, const uint8_t* bgra, int width, int height) const;
  // Reads a written file back into rgb (3 bytes a pixel, top row first); false when the
  // module cannot, or returns an impossible size. The module's block is freed here.
  bool ReadRGB(const std::string& path, std::vector<uint8_t>& rgb, int* width, int* height) const;

 private:
  CExportModule() = default;
  std::string m_name;
  void* m_handle = nullptr;
  const char* (*m_getExtension)() = nullptr;
  int (*m_getSaveType)() = nullptr;
  void (*m_setBackColor)(unsigned) = nullptr;
  int (*m_save8)(const char*, const unsigned char*, int, int, int, const unsigned char*) = nullptr;
  int (*m_saveRgb)(const char*, const unsigned char*, int, int) = nullptr;
  int (*m_saveBgra)(const char*, const unsigned char*, int, int) = nullptr;
  int (*m_hasImport)() = nullptr;
  unsigned char* (*m_readRgb)(const char*, int*, int*) = nullptr;
  void (*m_showSetup)() = nullptr;
  const char* (*m_getAbout)() = nullptr;
};

// "Plugin Properties": loads the module and calls its ShowSetup, or returns the text of
// its GetAbout for a message box ("" when it has neither). False with *error set
// ("Can't Load ...") when it cannot be loaded.
bool ModuleProperties(const CExportModuleFile& module, std::string* aboutText, std::string* error);

// The preview read-back of a file the module wrote: false when the module cannot be
// loaded (*error set) or cannot read its files (HasImport is not 1) or this file.
bool ModuleReadBack(const CExportModuleFile& module, const std::string& path, std::vector<uint8_t>& rgb, int* width,
                    int* height, std::string* error);

// Reduces an RGB picture (top row first) to at most `colours` palette entries with the
// dither mode (0 none, 1 error diffusion, 2 Floyd-Steinberg): width x height indices and
// 256 x 4 palette bytes (blue, green, red, 0). False when it fails.
using ExportQuantizer = std::function<bool(const uint8_t* rgb, int width, int height, int colours, int dither,
                                           std::vector<uint8_t>& indices, std::vector<uint8_t>& palette)>;

// What a module export writes: the output picture after resizing and sharpening.
struct CModuleExportImage {
  const uint8_t* rgb = nullptr;  // width x height x 3, top row first
  int width = 0, height = 0;
  int colourMode = 0;        // 0 "24 bit", 1 "256 color", 2 custom count
  int customColours = 64;
  int dither = 2;
};

// Writes path through the named module as the export dialog does: save type 0 reduces
// the picture to 255 colours (or the custom count, at most 255) with quantize and calls
// Save8; 1 calls SaveRGB; 2 renders the document composite on the background and calls
// SaveBGRA. SetBackColor is called first when present. Returns false with *error set
// ("Can't Load ...", "Dithering Error", or why the module could not write).
bool ExportWithModule(CVellumDoc& doc, const CExportModuleFile& module, const std::string& path,
                      const CModuleExportImage& image, COLORREF background, const ExportQuantizer& quantize,
                      std::string* error);

}  // namespace tessel
