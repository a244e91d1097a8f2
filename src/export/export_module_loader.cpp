#include "export/export_module_loader.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>

#include "base/app_paths.h"
#include "base/dib_section.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"

namespace tessel {

namespace {
constexpr char kModuleExtension[] = ".exp";
constexpr char kModulesFolder[] = "modules";
constexpr int kMaxPaletteColours = 255;
constexpr int kPaletteBytes = 256 * 4;

template <class F>
void Lookup(void* handle, const char* name, F*& fn) {
  fn = reinterpret_cast<F*>(dlsym(handle, name));
}
}  // namespace

std::vector<std::string> ExportModuleFolders(const AppPaths& paths) {
  std::vector<std::string> folders;
  if (!paths.UserFolder().empty()) folders.push_back(paths.UserFolder() + "/" + kModulesFolder);
  if (!paths.ProgramFolder().empty()) folders.push_back(paths.ProgramFolder() + "/" + kModulesFolder);
#ifdef TESSEL_BUILT_MODULES_DIR
  folders.push_back(TESSEL_BUILT_MODULES_DIR);
#endif
  return folders;
}

std::vector<CExportModuleFile> FindExportModules(const std::vector<std::string>& folders) {
  namespace fs = std::filesystem;
  std::vector<CExportModuleFile> found;
  std::set<std::string> names;
  for (const auto& folder : folders) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      const fs::path& p = it->path();
      if (p.extension() != kModuleExtension || it->is_directory(ec)) continue;
      const std::string name = p.stem().string();
      if (names.insert(name).second) found.push_back({name, p.string()});
    }
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  return found;
}

std::vector<std::string> ExportTypeNames(const std::vector<CExportModuleFile>& modules) {
  std::vector<std::string> names = {"JPEG fomat",        "BMP format",     "PNG format",
                                    "PNG transparent",   "Vastprint... ",  "Adobe Photoshop",
                                    "Editable Rich JPG", "SVG web format", "TGA format"};
  for (const auto& m : modules) names.push_back(m.name);
  names.push_back("Plugins...");
  return names;
}

int ExportTypeToShow(int index, int typeCount, bool dialogOpening) {
  constexpr int kRichJpg = 6;
  if (index < 0 || index >= typeCount - 1) return 0;
  if (dialogOpening && index == kRichJpg) return 0;
  return index;
}

std::unique_ptr<CExportModule> CExportModule::Load(const CExportModuleFile& file, std::string* error) {
  // RTLD_LOCAL keeps one module's symbols from answering another's look-ups.
  void* handle = dlopen(file.path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = dlerror();
    if (error) *error = "Can't Load " + file.name + (why ? std::string("\n") + why : "");
    return nullptr;
  }
  std::unique_ptr<CExportModule> m(new CExportModule);
  m->m_name = file.name;
  m->m_handle = handle;
  Lookup(handle, "GetExtension", m->m_getExtension);
  Lookup(handle, "GetSaveType", m->m_getSaveType);
  Lookup(handle, "SetBackColor", m->m_setBackColor);
  Lookup(handle, "Save8", m->m_save8);
  Lookup(handle, "SaveRGB", m->m_saveRgb);
  Lookup(handle, "SaveBGRA", m->m_saveBgra);
  Lookup(handle, "HasImport", m->m_hasImport);
  Lookup(handle, "ReadRGB", m->m_readRgb);
  Lookup(handle, "ShowSetup", m->m_showSetup);
  Lookup(handle, "GetAbout", m->m_getAbout);
  return m;
}

CExportModule::~CExportModule() {
  if (m_handle) dlclose(m_handle);
}

std::string CExportModule::Extension() const {
  const char* e = m_getExtension ? m_getExtension() : nullptr;
  return e ? e : "";
}
int CExportModule::SaveType() const { return m_getSaveType ? m_getSaveType() : -1; }
bool CExportModule::HasImport() const { return m_hasImport && m_hasImport() == 1 && m_readRgb; }
void CExportModule::ShowSetup() const {
  if (m_showSetup) m_showSetup();
}
std::string CExportModule::About() const {
  const char* a = m_getAbout ? m_getAbout() : nullptr;
  return a ? a : "";
}
void CExportModule::SetBackColor(COLORREF colour) const {
  if (m_setBackColor) m_setBackColor(colour);
}

bool CExportModule::Save8(const std::string& path, const uint8_t* indices, int width, int height, int colours,
                          const uint8_t* palette) const {
  return m_save8 && m_save8(path.c_str(), indices, width, height, colours, palette) != 0;
}
bool CExportModule::SaveRGB(const std::string& path, const uint8_t* rgb, int width, int height) const {
  return m_saveRgb && m_saveRgb(path.c_str(), rgb, width, height) != 0;
}
bool CExportModule::SaveBGRA(const std::string& path, const uint8_t* bgra, int width, int height) const {
  return m_saveBgra && m_saveBgra(path.c_str(), bgra, width, height) != 0;
}

bool CExportModule::ReadRGB(const std::string& path, std::vector<uint8_t>& rgb, int* width, int* height) const {
  if (!m_readRgb) return false;
  int w = 0, h = 0;
  std::unique_ptr<unsigned char, void (*)(void*)> block(m_readRgb(path.c_str(), &w, &h), std::free);
  if (!block || !CDIBSection::SizeAllowed(w, h, 24)) return false;
  rgb.assign(block.get(), block.get() + size_t(w) * size_t(h) * 3);
  *width = w, *height = h;
  return true;
}

bool ModuleProperties(const CExportModuleFile& file, std::string* aboutText, std::string* error) {
  const auto module = CExportModule::Load(file, error);
  if (!module) return false;
  aboutText->clear();
  if (module->HasSetup()) module->ShowSetup();
  else *aboutText = module->About();
  return true;
}

bool ModuleReadBack(const CExportModuleFile& file, const std::string& path, std::vector<uint8_t>& rgb, int* width,
                    int* height, std::string* error) {
  const auto module = CExportModule::Load(file, error);
  return module && module->HasImport() && module->ReadRGB(path, rgb, width, height);
}

namespace {
// The document composite on the background as top-down BGRA rows without gaps.
bool ComposeBgra(CVellumDoc& doc, COLORREF background, std::vector<uint8_t>& bgra, int* width, int* height) {
  const COLORREF saved = doc.m_background;
  doc.m_background = background;
  CDIBSection picture;
  const bool ok = ComposeDocument(doc, 1, CompositeOptions{}, picture);
  doc.m_background = saved;
  if (!ok) return false;
  const size_t rowBytes = size_t(picture.Width()) * 4;
  bgra.resize(rowBytes * size_t(picture.Height()));
  for (int y = 0; y < picture.Height(); ++y)
    std::memcpy(bgra.data() + rowBytes * size_t(y), picture.RowFromTop(y), rowBytes);
  *width = picture.Width(), *height = picture.Height();
  return true;
}
}  // namespace

bool ExportWithModule(CVellumDoc& doc, const CExportModuleFile& file, const std::string& path,
                      const CModuleExportImage& image, COLORREF background, const ExportQuantizer& quantize,
                      std::string* error) {
  const auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  const auto module = CExportModule::Load(file, error);
  if (!module) return false;
  const int type = module->SaveType();
  module->SetBackColor(background);
  const std::string refused = "The module " + file.name + " could not write " + path;
  switch (type) {
    case 0: {
      const int colours = image.colourMode == 2 ? std::clamp(image.customColours, 1, kMaxPaletteColours)
                                                : kMaxPaletteColours;
      std::vector<uint8_t> indices, palette;
      if (!quantize || !quantize(image.rgb, image.width, image.height, colours, image.dither, indices, palette) ||
          indices.size() != size_t(image.width) * size_t(image.height) || palette.size() != kPaletteBytes)
        return fail("Dithering Error");
      return module->Save8(path, indices.data(), image.width, image.height, colours, palette.data()) || fail(refused);
    }
    case 1:
      return module->SaveRGB(path, image.rgb, image.width, image.height) || fail(refused);
    case 2: {
      std::vector<uint8_t> bgra;
      int w = 0, h = 0;
      if (!ComposeBgra(doc, background, bgra, &w, &h)) return fail("Not enough memory");
      return module->SaveBGRA(path, bgra.data(), w, h) || fail(refused);
    }
    default:
      return fail("The module " + file.name + " cannot save (it has no save type)");
  }
}

}  // namespace tessel
