// File > "Export..." and File > "Web/Multimedia Script Generator...": the dialogs run
// on the active document, and the export settings carried between the document and the
// export dialog.
#pragma once

#include "document/object_fields.h"
#include "export/export_settings.h"

class QWidget;

namespace tessel {

class CVellumDoc;
class DocumentWindow;
class ExportDialog;

// What a document window remembers of its export between two dialogs besides the
// document's own fields.
struct CExportDialogMemory {
  bool keepAspect = true;
  bool hasBackground = false;
  COLORREF background = 0xFFFFFF;
};

// The dialog's start values: the document's export settings with its stored export type
// (the dialog checks it against its list), the stored output size when one was stored
// (m_exportValue1 and m_exportValue2, else 0 for the canvas size), the resampling filter
// of the profile's `Export`/`ResType` and the remembered background.
CExportSettings ExportDialogStart(const CVellumDoc& doc, const CExportDialogMemory& memory);
// After Export: the dialog's settings into the document. An output size that differs
// from the canvas is stored with its aspect flag; otherwise 0 x 0 with the aspect on.
void ExportDialogFinish(const ExportDialog& dialog, CVellumDoc& doc, CExportDialogMemory& memory);

// Runs the export dialog on the window's document; true when a file was written. The
// window repaints afterwards.
bool RunExportDialog(QWidget* parent, DocumentWindow& window);

// Runs the script generator on doc (may be null: loop bodies then appear once).
void RunScriptGeneratorDialog(QWidget* parent, const CVellumDoc* doc);

}  // namespace tessel
