#include "export/export_engine.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <new>

#include "base/app_context.h"
#include "base/profile.h"
#include "base/safe_file.h"
#include "base/user_messages.h"
#include "codecs/image_reader.h"
#include "document/vellum_doc.h"
#include "export/colour_quantizer.h"
#include "export/export_module_loader.h"
#include "export/high_resolution.h"
#include "export/psd_writer.h"
#include "export/raster_encoders.h"
#include "export/resampler.h"
#include "export/rich_jpeg.h"
#include "export/svg_export.h"
#include "filters/bitmap_filters.h"

namespace tessel {

namespace {
constexpr char kSection[] = "Export";
constexpr int kMaxFourBitColours = 16;  // a custom count up to 16 writes a 4-bit BMP
constexpr int kFullPalette = 256;
constexpr double kBytesPerKb = 1024.0;
}  // namespace

const std::vector<CExportTypeInfo>& BuiltInExportTypes() {
  static const std::vector<CExportTypeInfo> types = {
      {ExportType::kJpeg, "JPEG fomat", "jpg"},
      {ExportType::kBmp, "BMP format", "bmp"},
      {ExportType::kPng, "PNG format", "png"},
      {ExportType::kPngTransparent, "PNG transparent", "png"},
      {ExportType::kHighResolution, "Vastprint... ", "jpg"},
      {ExportType::kPsd, "Adobe Photoshop", "psd"},
      {ExportType::kRichJpeg, "Editable Rich JPG", "jpg"},
      {ExportType::kSvg, "SVG web format", "svg"},
      {ExportType::kTga, "TGA format", "tga"},
  };
  return types;
}

CExportEngine::CExportEngine(CVellumDoc& doc, const CExportSettings& settings) : m_doc(doc), m_settings(settings) {}

std::string CExportEngine::PreviewPath() { return App().Paths().UserFile("export.tmp"); }

bool CExportEngine::BuildSource() {
  m_source = CExportSource();
  return BuildExportSource(m_doc, m_settings, m_source);
}

bool CExportEngine::Fail(const std::string& message) {
  App().Messages().Message(message, MsgButtons::kOk);
  return false;
}

void CExportEngine::StoreProfileKeys() const {
  CProfile& profile = App().Profile();
  profile.WriteInt(kSection, "Type", int(m_settings.type));
  profile.WriteInt(kSection, "ResType", int(m_settings.filter));
  const ExportType t = m_settings.type;
  if (t == ExportType::kBmp || t == ExportType::kPng || t == ExportType::kPngTransparent || t == ExportType::kTga) {
    profile.WriteInt(kSection, "Colors", int(m_settings.colourMode));
    profile.WriteInt(kSection, "Dither", int(m_settings.dither));
    profile.WriteInt(kSection, "NumCol", m_settings.customColours);
  }
}

bool CExportEngine::Export(bool doWrite, const std::string& path) {
  switch (m_settings.type) {
    case ExportType::kHighResolution: {
      if (!doWrite) return true;  // the high-resolution render has no preview
      std::string error;
      return RenderHighResolution(m_doc, m_settings, path, &error) || Fail(error);
    }
    // Layers and vectors have no picture to preview; they are written as they are.
    case ExportType::kPsd: {
      if (!doWrite) return true;
      std::string error;
      return WritePsd(m_doc, path, &error) || Fail(error);
    }
    case ExportType::kSvg: {
      if (!doWrite) return true;
      std::string error;
      return ExportSvg(m_doc, path, &error) || Fail(error);
    }
    default: break;
  }
  if (m_source.Empty()) return false;
  try {
    if (int(m_settings.type) >= int(ExportType::kFirstModule))
      return ExportThroughModule(doWrite ? path : PreviewPath(), doWrite);
    return ExportRaster(doWrite, doWrite ? path : PreviewPath());
  } catch (const std::bad_alloc&) {
    return Fail("Not enough memory");
  }
}

bool CExportEngine::ExportThroughModule(const std::string& path, bool doWrite) {
  const std::vector<CExportModuleFile> modules = FindExportModules(ExportModuleFolders(App().Paths()));
  const size_t index = size_t(int(m_settings.type) - int(ExportType::kFirstModule));
  if (index >= modules.size()) return Fail("There is no export module number " + std::to_string(index + 1));
  const CExportModuleFile& module = modules[index];
  std::string error;
  bool canReadBack = false;
  {
    const auto loaded = CExportModule::Load(module, &error);
    if (!loaded) return Fail(error);
    canReadBack = loaded->HasImport();
  }
  if (!MakeOutput()) return false;
  // A module that cannot read its files back is previewed by the picture it would get.
  if (!doWrite && !canReadBack) {
    m_sizeText.clear();
    return PreviewFromRgb(m_output, m_outWidth, m_outHeight);
  }
  CModuleExportImage image;
  image.rgb = m_output.data();
  image.width = m_outWidth;
  image.height = m_outHeight;
  image.colourMode = int(m_settings.colourMode);
  image.customColours = m_settings.customColours;
  image.dither = int(m_settings.dither);
  // Modules that save 8-bit pictures get the program's own colour reduction.
  const ExportQuantizer quantize = [](const uint8_t* rgb, int w, int h, int colours, int dither,
                                      std::vector<uint8_t>& indices, std::vector<uint8_t>& palette) {
    CPalette chosen;
    if (!ReduceColours(rgb, w, h, colours, DitherMode(dither), chosen, indices)) return false;
    chosen.PadTo(kFullPalette);
    palette = std::move(chosen.entries);
    return true;
  };
  if (!ExportWithModule(m_doc, module, path, image, m_settings.background, quantize, &error)) return Fail(error);
  if (doWrite) {
    m_doc.m_exportPath = path;
    return true;
  }
  std::error_code ec;
  const uintmax_t bytes = std::filesystem::file_size(path, ec);
  MakeSizeText(ec ? 0 : uint64_t(bytes), "File Size: %.4G kB");
  std::vector<uint8_t> rgb;
  int w = 0, h = 0;
  if (!ModuleReadBack(module, path, rgb, &w, &h, &error)) return error.empty() ? false : Fail(error);
  return PreviewFromRgb(rgb, w, h);
}

bool CExportEngine::PreviewFromRgb(const std::vector<uint8_t>& rgb, int width, int height) {
  if (width <= 0 || height <= 0 || rgb.size() < size_t(width) * size_t(height) * 3) return false;
  if (!m_preview.Create(width, height, 32)) return Fail("Not enough memory");
  const uint8_t* src = rgb.data();
  for (int y = 0; y < height; ++y) {
    uint8_t* dst = m_preview.RowFromTop(y);
    for (int x = 0; x < width; ++x, src += 3, dst += 4) {
      dst[0] = src[2];
      dst[1] = src[1];
      dst[2] = src[0];
      dst[3] = 255;
    }
  }
  return true;
}

bool CExportEngine::MakeOutput() {
  m_outWidth = m_settings.width > 0 ? m_settings.width : m_source.width;
  m_outHeight = m_settings.height > 0 ? m_settings.height : m_source.height;
  if (m_outWidth == m_source.width && m_outHeight == m_source.height) {
    m_output = m_source.rgb;
  } else {
    m_output = Resample(m_source.rgb.data(), m_source.width, m_source.height, 3, m_outWidth, m_outHeight,
                        m_settings.filter);
    if (m_output.empty()) return Fail("Not enough memory");
  }
  if (m_settings.sharpen > 0) {
    std::vector<uint8_t> copy = m_output;
    const ptrdiff_t stride = ptrdiff_t(m_outWidth) * 3;
    const CBitmapView src{copy.data(), stride, m_outWidth, m_outHeight, 3};
    const CBitmapView dst{m_output.data(), stride, m_outWidth, m_outHeight, 3};
    Sharpen3x3(src, dst, m_settings.sharpen / 2);
  }
  return true;
}

bool CExportEngine::ExportRaster(bool doWrite, const std::string& target) {
  StoreProfileKeys();
  if (!MakeOutput()) return false;
  std::string error;
  const std::vector<uint8_t> bytes = Encode(&error);
  if (bytes.empty()) return error.empty() ? false : Fail(error);
  if (!WriteFileSafely(target, bytes.data(), bytes.size(), &error, !doWrite)) return Fail(error);
  if (doWrite) {
    // The written file becomes the document's last export path.
    m_doc.m_exportPath = target;
    App().Profile().WriteString(kSection, "Path", target);
    return true;
  }
  if (m_settings.type == ExportType::kJpeg || m_settings.type == ExportType::kRichJpeg) {
    App().Profile().WriteInt(kSection, "Gray", m_settings.grayscale ? 1 : 0);
    App().Profile().WriteInt(kSection, "Prog", m_settings.progressive ? 1 : 0);
  }
  MakeSizeText(bytes.size());
  if (!ReadImageMemory(bytes.data(), bytes.size(), m_preview, &error)) return Fail(error);
  return true;
}

std::vector<uint8_t> CExportEngine::Encode(std::string* error) {
  const uint8_t* rgb = m_output.data();
  const int w = m_outWidth, h = m_outHeight;
  switch (m_settings.type) {
    case ExportType::kJpeg:
    case ExportType::kRichJpeg: {
      const CJpegOptions jo{m_settings.quality, m_settings.progressive, m_settings.grayscale, m_settings.subsampling};
      std::vector<uint8_t> jpeg = EncodeJpeg(rgb, w, h, jo, error);
      if (jpeg.empty() || m_settings.type == ExportType::kJpeg) return jpeg;
      return AppendRichTrailer(std::move(jpeg), m_doc, error);
    }
    case ExportType::kBmp:
      if (m_settings.colourMode == ColourMode::kTrueColour) return EncodeBmp24(rgb, w, h, error);
      return EncodeReduced(true, error);
    case ExportType::kPng:
      if (m_settings.colourMode == ColourMode::kTrueColour) return EncodePngRgb(rgb, w, h, error);
      return EncodeReduced(false, error);
    case ExportType::kPngTransparent: {
      std::vector<uint8_t> alpha = m_source.alpha;
      if (w != m_source.width || h != m_source.height)
        alpha = Resample(m_source.alpha.data(), m_source.width, m_source.height, 1, w, h, m_settings.filter);
      if (alpha.empty()) return *error = "Not enough memory", std::vector<uint8_t>();
      return EncodePngRgba(rgb, alpha.data(), w, h, error);
    }
    case ExportType::kTga: return EncodeTga24(rgb, w, h, error);
    default: return *error = "This type cannot be written here", std::vector<uint8_t>();
  }
}

std::vector<uint8_t> CExportEngine::EncodeReduced(bool bmp, std::string* error) {
  const int colours = ReducedColourCount(m_settings);
  CPalette palette;
  std::vector<uint8_t> indices;
  if (!ReduceColours(m_output.data(), m_outWidth, m_outHeight, colours, m_settings.dither, palette, indices))
    return *error = "Dithering Error", std::vector<uint8_t>();
  if (!bmp) {
    palette.PadTo(kFullPalette);
    return EncodePngIndexed(indices.data(), m_outWidth, m_outHeight, palette, error);
  }
  // 256 colours keep a full table; a custom count keeps n entries, 4 bits up to 16.
  const bool custom = m_settings.colourMode == ColourMode::kCustom;
  palette.PadTo(custom ? colours : kFullPalette);
  const int bits = custom && colours <= kMaxFourBitColours ? 4 : 8;
  return EncodeBmpIndexed(indices.data(), m_outWidth, m_outHeight, palette, bits, error);
}

void CExportEngine::MakeSizeText(uint64_t bytes, const char* format) {
  char text[96];
  const double kb = double(bytes) / kBytesPerKb;
  const bool jpeg = m_settings.type == ExportType::kJpeg || m_settings.type == ExportType::kRichJpeg;
  if (jpeg) std::snprintf(text, sizeof text, "Size: %.4G kB,   Quality: %d", kb, m_settings.quality);
  else std::snprintf(text, sizeof text, format, kb);
  m_sizeText = text;
  if (m_settings.sharpen > 0) m_sizeText += " (Sharpened)";
}

}  // namespace tessel
