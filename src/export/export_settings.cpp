#include "export/export_settings.h"

#include <algorithm>

#include "document/vellum_doc.h"

namespace tessel {

namespace {
// m_finePrint holds the high-resolution render: [0] render scale (0 = default),
// [1] 1 when lenses are drawn as plain objects.
constexpr int kDefaultRenderScale = 2;
constexpr int kMaxRenderScale = 16;
constexpr int kMaxStoredType = 3;  // a larger stored type starts the dialog at JPEG
}  // namespace

CExportSettings SettingsFromDocument(const CVellumDoc& doc) {
  CExportSettings s;
  s.type = doc.m_exportType < 0 || doc.m_exportType > kMaxStoredType ? ExportType::kJpeg
                                                                      : ExportType(doc.m_exportType);
  s.gain = doc.m_exportGain;
  s.quality = std::clamp(doc.m_exportQuality, 0, 100);
  s.sharpen = std::clamp(doc.m_exportSharpen, 0, 100);
  s.colourMode = ColourMode(std::clamp(doc.m_exportColors, 0, 2));
  s.dither = DitherMode(std::clamp(doc.m_exportDither, 0, 2));
  s.customColours = doc.m_exportNumColors;
  s.background = doc.m_background;
  s.renderScale = doc.m_finePrint[0] > 0 ? std::min(doc.m_finePrint[0], kMaxRenderScale) : kDefaultRenderScale;
  s.lensesOff = doc.m_finePrint[1] != 0;
  return s;
}

void SettingsToDocument(const CExportSettings& s, CVellumDoc& doc) {
  doc.m_exportType = int(s.type);
  doc.m_exportGain = s.gain;
  doc.m_exportQuality = s.quality;
  doc.m_exportSharpen = s.sharpen;
  doc.m_exportColors = int(s.colourMode);
  doc.m_exportDither = int(s.dither);
  doc.m_exportNumColors = s.customColours;
  doc.m_finePrint[0] = s.renderScale;
  doc.m_finePrint[1] = s.lensesOff ? 1 : 0;
}

int ReducedColourCount(const CExportSettings& s) {
  switch (s.colourMode) {
    case ColourMode::kTrueColour: return 0;
    case ColourMode::k256: return 256;
    case ColourMode::kCustom: return std::clamp(s.customColours, 1, 256);
  }
  return 0;
}

}  // namespace tessel
