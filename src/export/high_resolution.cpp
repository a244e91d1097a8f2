#include "export/high_resolution.h"

#include <algorithm>
#include <cctype>

#include "base/dib_section.h"
#include "base/safe_file.h"
#include "document/vellum_doc.h"
#include "export/export_source.h"
#include "export/raster_encoders.h"
#include "render/compositor.h"

namespace tessel {

namespace {
constexpr int kMaxRenderScale = 16;

std::string LowerExtension(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string ext = path.substr(dot + 1);
  for (char& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}
}  // namespace

bool RenderHighResolution(CVellumDoc& doc, const CExportSettings& settings, const std::string& path,
                          std::string* error) {
  const std::string ext = LowerExtension(path);
  const bool jpeg = ext == "jpg" || ext == "jpeg";
  if (!jpeg && ext != "png") {
    if (error) *error = "The high-resolution render is written as .jpg or .png";
    return false;
  }
  const int scale = std::clamp(settings.renderScale, 1, kMaxRenderScale);
  CompositeOptions options;
  options.lensesOff = settings.lensesOff;
  const uint32_t savedBackground = doc.m_background;
  doc.m_background = settings.background;
  CDIBSection composite;
  const bool rendered = ComposeDocument(doc, scale, options, composite);
  doc.m_background = savedBackground;
  if (!rendered || composite.IsEmpty()) {
    if (error) *error = "Not enough memory";
    return false;
  }
  CExportSource picture;
  SourceFromComposite(composite, CExportSettings(), picture);
  composite.Release();
  std::vector<uint8_t> bytes;
  if (jpeg) {
    const CJpegOptions jo{settings.quality, settings.progressive, settings.grayscale, settings.subsampling};
    bytes = EncodeJpeg(picture.rgb.data(), picture.width, picture.height, jo, error);
  } else {
    bytes = EncodePngRgb(picture.rgb.data(), picture.width, picture.height, error);
  }
  return !bytes.empty() && WriteFileSafely(path, bytes.data(), bytes.size(), error);
}

}  // namespace tessel
