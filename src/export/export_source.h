// The source image of an export: the document composite as packed RGB (red, green,
// blue, top row first, rows without gaps) and a separate alpha plane.
#pragma once

#include <cstdint>
#include <vector>

#include "export/export_settings.h"

namespace tessel {

class CDIBSection;
class CVellumDoc;

struct CExportSource {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;    // 3 bytes per pixel
  std::vector<uint8_t> alpha;  // 1 byte per pixel
  bool Empty() const { return rgb.empty(); }
};

// True when the type needs the composite with its transparency kept (transparent PNG,
// PSD) or the alpha mask is wanted; otherwise it is opaque on the background.
bool SourceNeedsTransparency(const CExportSettings& settings);

// Splits a 32-bit bottom-up composite into the source planes, then applies "Alpha Mask
// Only" (grey a, or 255 - a with "Negative") and the colour correction when asked.
void SourceFromComposite(const CDIBSection& composite, const CExportSettings& settings, CExportSource& out);

// Renders the document composite at canvas size (with transparency or on the settings'
// background colour) and builds the source from it. False when it cannot be rendered.
bool BuildExportSource(CVellumDoc& doc, const CExportSettings& settings, CExportSource& out);

// Multiplies red, green and blue by their factors through one 256-entry table per
// channel (rounded, clamped to 0..255).
void ApplyColourCorrection(std::vector<uint8_t>& rgb, const std::array<double, 3>& gain);

}  // namespace tessel
