// The one export routine behind the export dialog's preview and its Export button, and
// behind `tessel-cli export`: resizes, sharpens, reduces colours, encodes and writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/dib_section.h"
#include "export/export_settings.h"
#include "export/export_source.h"

namespace tessel {

class CVellumDoc;

// The export types the engine writes itself, and their file extensions.
struct CExportTypeInfo {
  ExportType type;
  const char* comboText;  // the format combo's text
  const char* extension;  // default extension, without the dot
};
// The nine built-in types in combo order.
const std::vector<CExportTypeInfo>& BuiltInExportTypes();

class CExportEngine {
 public:
  CExportEngine(CVellumDoc& doc, const CExportSettings& settings);

  CExportSettings& Settings() { return m_settings; }
  // Renders the document composite into the source image as the settings ask
  // (transparency, alpha mask, negative, background, colour correction). False when the
  // document cannot be rendered.
  bool BuildSource();
  // Uses a ready source image instead of the document's composite.
  void SetSource(CExportSource source) { m_source = std::move(source); }
  const CExportSource& Source() const { return m_source; }

  // Exports with the current settings. With doWrite false the file goes to "export.tmp"
  // in the user folder, is read back into Preview() and its size goes to SizeText(); a
  // module's preview is the file read back through the module (size "File Size: ..."),
  // or the output picture when the module cannot read. With doWrite true the file goes
  // to path, which becomes the document's last export path (and, for the raster types,
  // the profile's `Export`/`Path`). Failures are shown to the user and return false;
  // nothing is written then.
  bool Export(bool doWrite, const std::string& path = "");

  // The output pixels of the last export (packed RGB, top row first) and their size.
  const std::vector<uint8_t>& OutputRgb() const { return m_output; }
  int OutputWidth() const { return m_outWidth; }
  int OutputHeight() const { return m_outHeight; }
  // The preview: the written file read back (empty until a preview succeeded).
  const CDIBSection& Preview() const { return m_preview; }
  // "Size: 12.34 kB", with ",   Quality: 95" for JPEG and " (Sharpened)" when sharpened.
  const std::string& SizeText() const { return m_sizeText; }
  // Where previews are written.
  static std::string PreviewPath();

 private:
  bool ExportRaster(bool doWrite, const std::string& target);
  // Resizes and sharpens the source into the output picture.
  bool MakeOutput();
  // Writes the output picture through the export module of the settings' type. A
  // preview reads the file back through the module when it can, else shows the output.
  bool ExportThroughModule(const std::string& path, bool doWrite);
  // Makes the preview an opaque copy of packed RGB pixels (top row first).
  bool PreviewFromRgb(const std::vector<uint8_t>& rgb, int width, int height);
  // The file bytes of the current raster type, or empty with *error set.
  std::vector<uint8_t> Encode(std::string* error);
  std::vector<uint8_t> EncodeReduced(bool bmp, std::string* error);
  void StoreProfileKeys() const;
  // The size label; format (with one %G for kilobytes) serves the non-JPEG types.
  void MakeSizeText(uint64_t bytes, const char* format = "Size: %.4G kB");
  bool Fail(const std::string& message);

  CVellumDoc& m_doc;
  CExportSettings m_settings;
  CExportSource m_source;
  std::vector<uint8_t> m_output;
  int m_outWidth = 0, m_outHeight = 0;
  CDIBSection m_preview;
  std::string m_sizeText;
};

}  // namespace tessel
