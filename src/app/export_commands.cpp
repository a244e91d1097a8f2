// The export dialog and the script generator opened from the File menu.
#include "app/export_commands.h"

#include <QVariant>
#include <algorithm>

#include "app/document_window.h"
#include "app/export_dialog.h"
#include "app/main_window_impl.h"
#include "app/script_generator_dialog.h"
#include "base/app_context.h"
#include "base/profile.h"
#include "document/vellum_doc.h"

namespace tessel {

namespace {
// Window properties that hold a CExportDialogMemory.
constexpr char kKeepAspect[] = "exportKeepAspect";
constexpr char kBackground[] = "exportBackground";
constexpr int kDefaultFilter = int(ResampleFilter::kBilinear);
constexpr int kLastFilter = int(ResampleFilter::kBlackman);

CExportDialogMemory MemoryOf(const DocumentWindow& window) {
  CExportDialogMemory memory;
  const QVariant keep = window.property(kKeepAspect);
  const QVariant background = window.property(kBackground);
  if (keep.isValid()) memory.keepAspect = keep.toBool();
  if (background.isValid()) {
    memory.hasBackground = true;
    memory.background = COLORREF(background.toUInt());
  }
  return memory;
}
}  // namespace

CExportSettings ExportDialogStart(const CVellumDoc& doc, const CExportDialogMemory& memory) {
  CExportSettings s = SettingsFromDocument(doc);
  s.type = ExportType(doc.m_exportType);
  const bool resized = doc.m_exportValue1 > 0 && doc.m_exportValue2 > 0;
  s.width = resized ? doc.m_exportValue1 : 0;
  s.height = resized ? doc.m_exportValue2 : 0;
  s.filter = ResampleFilter(std::clamp(App().Profile().GetInt("Export", "ResType", kDefaultFilter), 0, kLastFilter));
  if (memory.hasBackground) s.background = memory.background;
  return s;
}

void ExportDialogFinish(const ExportDialog& dialog, CVellumDoc& doc, CExportDialogMemory& memory) {
  SettingsToDocument(dialog.Settings(), doc);
  const COutputSize& size = dialog.OutputSize();
  const bool resized = size.Resized();
  doc.m_exportValue1 = resized ? size.Width() : 0;
  doc.m_exportValue2 = resized ? size.Height() : 0;
  memory.keepAspect = resized ? size.KeepAspect() : true;
  memory.hasBackground = true;
  memory.background = dialog.ChosenBackground();
}

bool RunExportDialog(QWidget* parent, DocumentWindow& window) {
  CVellumDoc& doc = window.Document();
  CExportDialogMemory memory = MemoryOf(window);
  ExportDialog dialog(parent, doc, ExportDialogStart(doc, memory), memory.keepAspect);
  const bool exported = dialog.exec() == QDialog::Accepted;
  if (exported) {
    ExportDialogFinish(dialog, doc, memory);
    window.setProperty(kKeepAspect, memory.keepAspect);
    window.setProperty(kBackground, uint(memory.background));
  }
  window.RepaintAll();
  return exported;
}

void RunScriptGeneratorDialog(QWidget* parent, const CVellumDoc* doc) {
  ScriptGeneratorDialog dialog(parent, doc);
  dialog.exec();
}

void MainWindow::Impl::RunScriptGenerator(DocumentWindow& window) {
  RunScriptGeneratorDialog(&self, &window.Document());
}

}  // namespace tessel
