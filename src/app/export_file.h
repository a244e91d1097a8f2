// File > Export...: the export type a file name asks for and the export itself through
// the core export engine with the document's own export settings.
#pragma once

#include <string>

#include "export/export_settings.h"

namespace tessel {

class CVellumDoc;

// The type of a file name by its extension (any letter case): .jpg/.jpeg JPEG, .png,
// .bmp, .tga, .psd, .svg. False for any other extension.
bool ExportTypeForPath(const std::string& path, ExportType* type);

// Exports doc to path as the extension says, with the document's export settings; the
// settings used are stored back into the document. Failures have been shown to the user
// (an unknown extension as "Unknown export file type: " and the extension); false then.
bool ExportDocumentFile(CVellumDoc& doc, const std::string& path);

}  // namespace tessel
