// The save dialog of an export: its title, file filter and default extension for each
// export type, the suggested file name and starting folder, and the dialog itself
// (which tests replace through a hook).
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "export/export_settings.h"

class QWidget;

namespace tessel {

class CVellumDoc;

struct CExportSaveRequest {
  std::string title;      // "Export True Color BMP", ...
  std::string filter;     // entries "text|pattern|" ending in "||": "BMP File (*.bmp)|*.bmp||"
  std::string extension;  // the default extension, without the dot
  QString suggestedPath;  // starting folder and default file name
};

// The title, filter and extension for the settings' type; moduleExtension serves the
// module types (9 and above).
CExportSaveRequest ExportSaveRequestFor(const CExportSettings& settings, const std::string& moduleExtension);

// The default file name: the file title of the document's last export path (else of the
// document's own file, else "Untitled") plus the extension, in the folder of that last
// export path when it exists, else in the folder of the profile's `Export`/`Path`.
QString SuggestedExportPath(const CVellumDoc& doc, const std::string& extension);

// The Qt form of a filter of "text|pattern|" entries: one "text" line per entry.
QString QtFilterFromEntries(const std::string& filter);

// Asks for the file to write (overwriting asks for confirmation); "" when cancelled.
// A chosen name is stored as the profile's `Export`/`Path`.
QString AskExportFileName(QWidget* parent, const CExportSaveRequest& request);

// Replaces the dialog of AskExportFileName (tests answer it directly); an empty hook
// restores the dialog.
using ExportFileNameHook = std::function<QString(const CExportSaveRequest&)>;
void SetExportFileNameHook(ExportFileNameHook hook);

}  // namespace tessel
