// Save dialogs of the export types.
#include "app/export_save_request.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "base/app_context.h"
#include "base/profile.h"
#include "document/vellum_doc.h"

namespace tessel {

namespace {
constexpr char kSection[] = "Export";
constexpr char kNoTitle[] = "Untitled";
constexpr int kMaxFourBitColours = 16;  // up to 16 colours a BMP has 4 bits a pixel

constexpr char kJpegFilter[] = "JPG File (*.jpg)|*.jpg||";
constexpr char kBmpFilter[] = "BMP File (*.bmp)|*.bmp||";
constexpr char kPngFilter[] = "PNG File (*.png)|*.png||";
constexpr char kTgaFilter[] = "TGA File (*.tga)|*.tga||";

ExportFileNameHook& Hook() {
  static ExportFileNameHook hook;
  return hook;
}

CExportSaveRequest BmpRequest(const CExportSettings& s) {
  switch (s.colourMode) {
    case ColourMode::kTrueColour: return {"Export True Color BMP", kBmpFilter, "bmp", {}};
    case ColourMode::k256: return {"Export 8bit BMP", kBmpFilter, "bmp", {}};
    case ColourMode::kCustom: break;
  }
  const bool fourBits = ReducedColourCount(s) <= kMaxFourBitColours;
  return {fourBits ? "Export 4-bit BMP" : "Export 8-bit BMP", kBmpFilter, "bmp", {}};
}
}  // namespace

CExportSaveRequest ExportSaveRequestFor(const CExportSettings& s, const std::string& moduleExtension) {
  switch (s.type) {
    case ExportType::kJpeg:
    case ExportType::kRichJpeg: return {"Export", kJpegFilter, "jpg", {}};
    case ExportType::kBmp: return BmpRequest(s);
    case ExportType::kPng:
      if (s.colourMode == ColourMode::kTrueColour) return {"Export True Color PNG", kPngFilter, "png", {}};
      return {"Export 8-bit PNG", kPngFilter, "png", {}};
    case ExportType::kPngTransparent: return {"Export True Color PNG", kPngFilter, "png", {}};
    case ExportType::kTga: return {"Export True Color TGA", kTgaFilter, "tga", {}};
    case ExportType::kSvg: return {"Export", "SVG File (*.svg)|*.svg||", "svg", {}};
    case ExportType::kPsd: return {"Export", "Adobe Photoshop (*.psd)|*.psd||", "psd", {}};
    case ExportType::kHighResolution:
      return {"Export", "JPG File (*.jpg)|*.jpg|PNG File (*.png)|*.png|Adobe Photoshop PSD(*.psd)|*.psd||", "jpg",
              {}};
    default: break;
  }
  const std::string& ext = moduleExtension;
  return {"Export", "Export File (*." + ext + ")|*." + ext + "||", ext, {}};
}

QString SuggestedExportPath(const CVellumDoc& doc, const std::string& extension) {
  const QFileInfo last(QString::fromStdString(doc.m_exportPath));
  // A document never exported suggests its own name.
  QString title = last.completeBaseName();
  if (title.isEmpty()) title = QFileInfo(QString::fromStdString(doc.m_pathName)).completeBaseName();
  if (title.isEmpty()) title = kNoTitle;
  const QString name = title + "." + QString::fromStdString(extension);
  QString folder = last.path();
  if (doc.m_exportPath.empty() || !QFileInfo(folder).isDir()) {
    const std::string stored = App().Profile().GetString(kSection, "Path", "");
    folder = stored.empty() ? QString() : QFileInfo(QString::fromStdString(stored)).path();
  }
  return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

QString QtFilterFromEntries(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList lines;
  // Entries come in pairs of text and pattern; the text already names the patterns.
  for (int i = 0; i + 1 < parts.size(); i += 2)
    if (!parts[i].isEmpty()) lines << parts[i];
  return lines.join(";;");
}

QString AskExportFileName(QWidget* parent, const CExportSaveRequest& request) {
  QString path;
  if (Hook()) {
    path = Hook()(request);
  } else {
    QFileDialog dialog(parent, QString::fromStdString(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QtFilterFromEntries(request.filter));
    dialog.setDefaultSuffix(QString::fromStdString(request.extension));
    const QFileInfo suggested(request.suggestedPath);
    if (suggested.path() != ".") dialog.setDirectory(suggested.path());
    dialog.selectFile(suggested.fileName());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) path = dialog.selectedFiles().first();
  }
  if (!path.isEmpty()) App().Profile().WriteString(kSection, "Path", path.toStdString());
  return path;
}

void SetExportFileNameHook(ExportFileNameHook hook) { Hook() = std::move(hook); }

}  // namespace tessel
