// New, Open, Save, Save As, Export, the recent files and closing a modified document.
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>

#include "app/document_window.h"
#include "app/export_commands.h"
#include "app/layers_dock.h"
#include "app/main_window_impl.h"
#include "app/shell.h"
#include "app/tool_dialogs.h"
#include "base/app_context.h"
#include "base/profile.h"
#include "document/project_file.h"
#include "document/vellum_doc.h"
#include "export/open_document.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
constexpr char kRecentSection[] = "Recent";
constexpr char kUntitled[] = "Untitled";
std::string RecentKey(int index) { return "File" + std::to_string(index + 1); }
}  // namespace

DocumentWindow* MainWindow::Impl::AddWindow(std::unique_ptr<CVellumDoc> doc) {
  auto* window = new DocumentWindow(std::move(doc));  // the sub-window takes it
  if (window->Document().m_pathName.empty()) window->SetUntitledName(kUntitled + QString::number(++untitledCount));
  window->m_confirmClose = [this](DocumentWindow& w) { return ConfirmClose(w); };
  QMdiSubWindow* sub = mdi->addSubWindow(window);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowTitle(window->Title());
  auto ifActive = [this, window](auto f) {
    return [this, window, f](auto&&... args) {
      if (self.ActiveWindow() == window) f(args...);
    };
  };
  QObject::connect(window, &DocumentWindow::statusText, &self,
                   ifActive([this](const QString& text) { status->setText(text); }));
  QObject::connect(window, &DocumentWindow::selectionChanged, &self, ifActive([this] { AfterEdit(false); }));
  QObject::connect(window, &DocumentWindow::layersChanged, &self, ifActive([this] { layers->Rebuild(); }));
  QObject::connect(window, &DocumentWindow::zoomComboChanged, &self,
                   ifActive([this](int index) { zoomCombo->setCurrentIndex(index); }));
  QObject::connect(window, &DocumentWindow::contextMenuRequested, &self,
                   ifActive([this](const QPoint& pos) { ShowContextMenu(pos); }));
  QObject::connect(window, &DocumentWindow::edited, &self, ifActive([this] { AfterEdit(true); }));
  // Queued: the dropped-on window may be the untouched new document the open closes.
  QObject::connect(
      window, &DocumentWindow::openRequested, &self, [this](const QString& path) { self.OpenFile(path); },
      Qt::QueuedConnection);
  sub->showMaximized();
  mdi->setActiveSubWindow(sub);
  lastActive = sub;
  OnWindowActivated();
  window->setFocus();
  return window;
}

void MainWindow::NewDocument() {
  auto doc = std::make_unique<CVellumDoc>();
  doc->OnNewDocument();
  m_impl->AddWindow(std::move(doc));
}

bool MainWindow::OpenFile(const QString& path) {
  auto doc = std::make_unique<CVellumDoc>();
  const LoadResult result = OpenDocumentFile(*doc, path.toStdString());
  App().FlushDeferredMessages();
  if (result != LoadResult::kLoaded) return false;
  // An untouched new document gives its place to the opened one.
  QMdiSubWindow* untouched = m_impl->UntouchedNewDocument();
  m_impl->AddWindow(std::move(doc));
  if (untouched) untouched->close();
  m_impl->AddRecent(path);
  return true;
}

QMdiSubWindow* MainWindow::Impl::UntouchedNewDocument() const {
  DocumentWindow* window = self.ActiveWindow();
  if (!window) return nullptr;
  const CVellumDoc& doc = window->Document();
  if (doc.m_modified || !doc.m_pathName.empty() || doc.ObjectCount() > 0) return nullptr;
  for (QMdiSubWindow* sub : mdi->subWindowList())
    if (sub->widget() == window) return sub;
  return nullptr;
}

bool MainWindow::SaveDocument(DocumentWindow& window, const QString& path) {
  if (!SaveProjectFile(window.Document(), path.toStdString())) return false;
  m_impl->AddRecent(path);
  m_impl->UpdateTitles();
  return true;
}

bool MainWindow::Impl::Save(DocumentWindow& window) {
  const std::string& path = window.Document().m_pathName;
  // Pictures and Rich JPG files that were opened are saved as projects under a new name.
  if (path.empty() || !IsProjectFileName(path)) return SaveAs(window);
  return self.SaveDocument(window, QString::fromStdString(path));
}

bool MainWindow::Impl::SaveAs(DocumentWindow& window) {
  QString suggested = QString::fromStdString(window.Document().m_pathName);
  if (suggested.isEmpty()) suggested = window.Title().remove('*');
  const QString path = AskSaveFileName(&self, suggested);
  return !path.isEmpty() && self.SaveDocument(window, path);
}

void MainWindow::Impl::Import(DocumentWindow& window) {
  const QString path = AskImportFile(&self);
  if (path.isEmpty()) return;
  window.View().ImportFile(path.toStdString());
  window.NoteEdits();
}

void MainWindow::Impl::Export() {
  DocumentWindow* window = self.ActiveWindow();
  if (!window) return;
  if (RunExportDialog(&self, *window))
    status->setText("Exported " + QString::fromStdString(window->Document().m_exportPath));
}

bool MainWindow::Impl::ConfirmClose(DocumentWindow& window) {
  const QString name = window.Title().remove('*');
  const auto answer = QMessageBox::question(&self, "Tessel", "Save changes to " + name + "?",
                                            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  if (answer == QMessageBox::Cancel) return false;
  return answer == QMessageBox::Discard || Save(window);
}

QStringList MainWindow::Impl::RecentFiles() const {
  QStringList files;
  for (int i = 0; i < kRecentFileCount; ++i) {
    const std::string path = App().Profile().GetString(kRecentSection, RecentKey(i), "");
    if (!path.empty()) files << QString::fromStdString(path);
  }
  return files;
}

void MainWindow::Impl::AddRecent(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList files = RecentFiles();
  files.removeAll(absolute);
  files.prepend(absolute);
  for (int i = 0; i < kRecentFileCount; ++i)
    App().Profile().WriteString(kRecentSection, RecentKey(i), i < files.size() ? files[i].toStdString() : "");
  UpdateRecentMenu();
}

void MainWindow::Impl::UpdateRecentMenu() {
  const QStringList files = RecentFiles();
  for (int i = 0; i < kRecentFileCount; ++i) {
    QAction* action = actions[AppCommandInfoOf(AppCommand(int(AppCommand::kRecent1) + i)).name];
    action->setVisible(i < files.size());
    if (i < files.size()) action->setText(QString("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
    if (i < files.size()) action->setToolTip(files[i]);
  }
}

void MainWindow::Impl::OpenRecent(int index) {
  const QStringList files = RecentFiles();
  if (index < files.size()) self.OpenFile(files[index]);
}

}  // namespace tessel
