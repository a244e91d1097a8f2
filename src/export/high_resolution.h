// The high-resolution render ("Vastprint... "): the document composite at an integer
// render scale, written as JPEG or PNG by the file name's extension.
#pragma once

#include <string>

#include "export/export_settings.h"

namespace tessel {

class CVellumDoc;

// Renders the document at settings.renderScale (clamped to 1..16) times the canvas
// size, opaque on the settings' background colour, and writes it to path: ".jpg" or
// ".jpeg" as JPEG with the settings' JPEG options, ".png" as 24-bit PNG. Returns false
// with the reason in *error for another extension, a render too large to allocate or a
// failed write.
bool RenderHighResolution(CVellumDoc& doc, const CExportSettings& settings, const std::string& path,
                          std::string* error);

}  // namespace tessel
