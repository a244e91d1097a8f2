// Export by file name.
#include "app/export_file.h"

#include <algorithm>
#include <cctype>

#include "base/app_context.h"
#include "base/user_messages.h"
#include "document/vellum_doc.h"
#include "export/export_engine.h"

namespace tessel {

namespace {
struct ExtensionType {
  const char* extension;
  ExportType type;
};
constexpr ExtensionType kExtensionTypes[] = {
    {"jpg", ExportType::kJpeg}, {"jpeg", ExportType::kJpeg}, {"png", ExportType::kPng},
    {"bmp", ExportType::kBmp},  {"tga", ExportType::kTga},   {"psd", ExportType::kPsd},
    {"svg", ExportType::kSvg},
};

std::string LowerExtension(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return ext;
}
}  // namespace

bool ExportTypeForPath(const std::string& path, ExportType* type) {
  const std::string ext = LowerExtension(path);
  for (const ExtensionType& e : kExtensionTypes) {
    if (ext != e.extension) continue;
    *type = e.type;
    return true;
  }
  return false;
}

bool ExportDocumentFile(CVellumDoc& doc, const std::string& path) {
  CExportSettings settings = SettingsFromDocument(doc);
  if (!ExportTypeForPath(path, &settings.type)) {
    App().Messages().Message("Unknown export file type: " + LowerExtension(path), MsgButtons::kOk);
    return false;
  }
  CExportEngine engine(doc, settings);
  if (!engine.BuildSource()) {
    App().Messages().Message("The canvas of " + std::to_string(doc.m_width) + " x " + std::to_string(doc.m_height) +
                                 " cannot be rendered.",
                             MsgButtons::kOk);
    return false;
  }
  if (!engine.Export(true, path)) return false;
  SettingsToDocument(engine.Settings(), doc);
  return true;
}

}  // namespace tessel
