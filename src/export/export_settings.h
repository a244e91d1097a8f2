// What the export dialog and `tessel-cli export` hand to the export engine: the output
// type, the source image options, the output size and the options of each writer.
#pragma once

#include <array>
#include <cstdint>

#include "base/dib_section.h"

namespace tessel {

class CVellumDoc;

// Export types in the order of the dialog's format combo. Modules follow kTga.
enum class ExportType : int {
  kJpeg = 0,
  kBmp = 1,
  kPng = 2,
  kPngTransparent = 3,
  kHighResolution = 4,
  kPsd = 5,
  kRichJpeg = 6,
  kSvg = 7,
  kTga = 8,
  kFirstModule = 9,
};

// Resampling filters by their stored `ResType` number.
enum class ResampleFilter : int { kBox = 0, kBilinear = 1, kBicubic = 2, kHamming = 3, kBlackman = 4 };

// Colour reduction: none ("24 bit"), 256 colours, or the custom count.
enum class ColourMode : int { kTrueColour = 0, k256 = 1, kCustom = 2 };
enum class DitherMode : int { kNone = 0, kErrorDiffusion = 1, kFloydSteinberg = 2 };

struct CExportSettings {
  ExportType type = ExportType::kJpeg;
  // Source image.
  bool alphaMaskOnly = false;
  bool negative = false;
  uint32_t background = 0xFFFFFF;  // 0x00BBGGRR
  bool useColourCorrection = false;
  std::array<double, 3> gain{1.0, 1.0, 1.0};  // red, green, blue factors
  // Output size; 0 means the source size.
  int width = 0;
  int height = 0;
  ResampleFilter filter = ResampleFilter::kBilinear;
  int sharpen = 0;  // 0..100
  // Colour reduction of BMP and PNG.
  ColourMode colourMode = ColourMode::kTrueColour;
  DitherMode dither = DitherMode::kFloydSteinberg;
  int customColours = 64;
  // JPEG.
  int quality = 95;  // 0..100
  bool progressive = false;
  bool grayscale = false;
  bool subsampling = false;  // every component sampled 1 x 1
  // High-resolution render: integer render scale and whether lenses are drawn plainly.
  int renderScale = 2;
  bool lensesOff = false;
};

// The document's stored export settings as the dialog starts from them.
CExportSettings SettingsFromDocument(const CVellumDoc& doc);
// Stores the settings that the document keeps back into it.
void SettingsToDocument(const CExportSettings& settings, CVellumDoc& doc);

// The number of colours the settings reduce to for BMP and PNG: 0 for true colour,
// else 256 or the custom count clamped to 1..256.
int ReducedColourCount(const CExportSettings& settings);

}  // namespace tessel
