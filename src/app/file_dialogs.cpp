// The Open and Save As dialogs of project files. Both start in the folder last used,
// kept in the profile; the very first Open starts among the shipped samples.
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "app/shell.h"
#include "base/app_context.h"
#include "base/profile.h"

namespace tessel {

namespace {
constexpr char kFolderSection[] = "Files";
constexpr char kFolderKey[] = "LastFolder";
constexpr char kProjectExtension[] = "tsl";

const QStringList& OpenFilters() {
  static const QStringList filters{
      QStringLiteral("Tessel Projects (*.tsl)"),
      QStringLiteral("Sketchlet Projects (*.mnx)"),
      QStringLiteral("Rich JPG (*.jpg *.jpeg)"),
      QStringLiteral("Pictures (*.bmp *.jpg *.jpeg *.png *.tif *.tiff *.gif *.tga *.pcx *.psd)"),
      QStringLiteral("All files (*)"),
  };
  return filters;
}

QString StartFolder() {
  const std::string samples = App().Paths().ProgramFolder() + "/Samples";
  return QString::fromStdString(App().Profile().GetString(kFolderSection, kFolderKey, samples));
}

void RememberFolder(const QString& file) {
  App().Profile().WriteString(kFolderSection, kFolderKey, QFileInfo(file).absolutePath().toStdString());
}

// Runs the dialog; the chosen file's folder becomes the next start folder.
QString Ask(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString name = dialog.selectedFiles().constFirst();
  RememberFolder(name);
  return name;
}
}  // namespace

QString WithProjectExtension(const QString& name) {
  if (name.isEmpty() || !QFileInfo(name).suffix().isEmpty()) return name;
  return name + '.' + kProjectExtension;
}

QString AskOpenFileName(QWidget* parent) {
  QFileDialog dialog(parent, QStringLiteral("Open"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(OpenFilters());
  dialog.setDirectory(StartFolder());
  return Ask(dialog);
}

QString AskSaveFileName(QWidget* parent, const QString& suggested) {
  QFileDialog dialog(parent, QStringLiteral("Save As"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QStringLiteral("Tessel Projects (*.tsl)"));
  dialog.setDefaultSuffix(QString());  // the extension rule below decides
  // A suggestion with a folder (the document's own file) starts there.
  const QFileInfo hint(suggested);
  dialog.setDirectory(hint.isAbsolute() ? hint.absolutePath() : StartFolder());
  if (!suggested.isEmpty()) dialog.selectFile(hint.fileName());
  return WithProjectExtension(Ask(dialog));
}

}  // namespace tessel
