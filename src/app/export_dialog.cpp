// What the export dialog does: type changes, the coupled output size, the background
// and colour options, the preview and the export itself.
#include "app/export_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <algorithm>
#include <tuple>

#include "app/export_dialog_values.h"
#include "app/export_save_request.h"
#include "app/qt_colour.h"
#include "app/qt_image.h"
#include "base/app_context.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"

namespace tessel {

namespace {
constexpr int kRebuildDelayMs = 800;
constexpr int kBuiltInTypes = int(ExportType::kFirstModule);
constexpr int kPresetPercents[] = {100, 75, 50, 25};
constexpr int kCheckerSize = 8;
constexpr char kPsdText[] =
    "This will create Adobe Photoshop PSD file with separate layers.\n"
    "You can reduce the number of layers by using Packages.";
constexpr char kSvgText[] =
    "Scalable Vector Graphic format export only colors, outlines and transparencies.\n"
    "SVG format is supported by new WEB Browsers.";
constexpr char kPackagesText[] = "Warning: Packages may not export as shown.";

bool IsJpegType(int type) { return type == int(ExportType::kJpeg) || type == int(ExportType::kRichJpeg); }
// Types written without a picture of their own to preview.
bool IsLayeredType(int type) {
  return type == int(ExportType::kHighResolution) || type == int(ExportType::kPsd) || type == int(ExportType::kSvg);
}


void PaintLabel(QLabel* label, double percent) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, ToQColor(COutputSize::PercentLabelColour(percent)));
  label->setPalette(palette);
}

// The options the source image depends on.
auto SourceKey(const CExportSettings& s) {
  return std::make_tuple(SourceNeedsTransparency(s), s.alphaMaskOnly, s.negative, s.background,
                         s.useColourCorrection, s.gain);
}

bool HasPackages(const CVellumDoc& doc) {
  return std::any_of(doc.m_objects.begin(), doc.m_objects.end(), [](const auto& o) { return o->IsPackage(); });
}

// A transparent picture shows over grey checks.
QPixmap CheckeredPixmap(const QImage& image) {
  QPixmap pixmap(image.size());
  QPainter painter(&pixmap);
  for (int y = 0; y < image.height(); y += kCheckerSize)
    for (int x = 0; x < image.width(); x += kCheckerSize)
      painter.fillRect(x, y, kCheckerSize, kCheckerSize,
                       ((x + y) / kCheckerSize) % 2 ? QColor(0xCC, 0xCC, 0xCC) : QColor(Qt::white));
  painter.drawImage(0, 0, image);
  return pixmap;
}
}  // namespace

ExportDialog::ExportDialog(QWidget* parent, CVellumDoc& doc, const CExportSettings& settings, bool keepAspect)
    : QDialog(parent), m_doc(doc), m_start(settings) {
  setWindowTitle("Export");
  setObjectName("exportDialog");
  m_engine = std::make_unique<CExportEngine>(doc, settings);
  m_size = std::make_unique<COutputSize>(doc.m_width, doc.m_height, keepAspect);
  if (settings.width > 0 && settings.height > 0) {
    m_size->SetKeepAspect(false);
    m_size->SetWidth(settings.width);
    m_size->SetHeight(settings.height);
    m_size->SetKeepAspect(keepAspect);
  }
  m_modules = FindExportModules(ExportModuleFolders(App().Paths()));
  m_background = m_savedBackground = settings.background;
  m_gain = settings.gain;
  BuildControls(settings);
  const int typeCount = m_format->count();
  m_type = ExportTypeToShow(int(settings.type), typeCount, true);
  m_format->setCurrentIndex(m_type);
  m_aspect->setChecked(keepAspect);
  m_resampling->setCurrentIndex(std::clamp(int(settings.filter), 0, m_resampling->count() - 1));
  if (m_type == kTransparentPng) m_background = 0;
  if (SelectedModule() >= 0) QueryModule();
  ShowOutputSize();
  ShowControlsForType();
  ConnectControls();
  m_rebuildTimer.setSingleShot(true);
  m_rebuildTimer.setInterval(kRebuildDelayMs);
  connect(&m_rebuildTimer, &QTimer::timeout, this, [this] { RebuildNow(); });
}

ExportDialog::~ExportDialog() = default;

void ExportDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (m_shownOnce) return;
  m_shownOnce = true;
  RebuildNow();
}

int ExportDialog::SelectedModule() const {
  const int index = m_type - kBuiltInTypes;
  return index >= 0 && index < int(m_modules.size()) ? index : -1;
}

CExportSettings ExportDialog::Settings() const {
  CExportSettings s = m_start;
  s.type = ExportType(m_type);
  s.alphaMaskOnly = m_alphaMask->isChecked();
  s.negative = m_negative->isChecked();
  s.background = m_background;
  s.useColourCorrection = m_colourCorrection->isChecked();
  s.gain = m_gain;
  s.width = m_size->Width();
  s.height = m_size->Height();
  s.filter = ResampleFilter(m_resampling->currentIndex());
  s.sharpen = m_sharpen->value();
  s.colourMode = ColourMode(m_colourMode->checkedId());
  s.dither = DitherMode(m_dither->checkedId());
  s.customColours = m_customColours->value();
  s.quality = m_quality->value();
  s.progressive = m_progressive->isChecked();
  s.grayscale = m_grayscale->isChecked();
  s.subsampling = m_subsampling->isChecked();
  s.renderScale = m_renderScale->value();
  s.lensesOff = m_lensesOff->isChecked();
  return s;
}

void ExportDialog::OnTypeChosen(int index) {
  if (index == m_format->count() - 1) {  // "Plugins..." only informs
    App().Messages().Message(kPluginsInfoText, MsgButtons::kOk);
    index = 0;
    m_format->setCurrentIndex(index);
  }
  const int previous = m_type;
  m_type = index;
  // Transparent PNG renders on black; leaving it brings the chosen colour back.
  if (m_type == kTransparentPng && previous != kTransparentPng) {
    m_savedBackground = m_background;
    m_background = 0;
  } else if (previous == kTransparentPng && m_type != kTransparentPng) {
    m_background = m_savedBackground;
  }
  m_moduleExtension.clear();
  m_moduleSaveType = -1;
  if (SelectedModule() >= 0) QueryModule();
  ShowControlsForType();
  RebuildNow();
}

void ExportDialog::QueryModule() {
  std::string error;
  const auto module = CExportModule::Load(m_modules[size_t(SelectedModule())], &error);
  if (!module) {
    App().Messages().Message(error, MsgButtons::kOk);
    return;
  }
  m_moduleExtension = module->Extension();
  m_moduleSaveType = module->SaveType();
}

void ExportDialog::ShowControlsForType() {
  const bool module = SelectedModule() >= 0;
  const bool reduced = m_type == int(ExportType::kBmp) || m_type == int(ExportType::kPng) ||
                       (module && m_moduleSaveType == 0);
  // The enlarged render writes JPEG too, with the JPEG options.
  m_jpegOptions->setVisible(IsJpegType(m_type) || m_type == int(ExportType::kHighResolution));
  m_highResOptions->setVisible(m_type == int(ExportType::kHighResolution));
  m_colorsGroup->parentWidget()->setVisible(reduced);  // the row that holds both groups
  const bool raster = !IsLayeredType(m_type);
  m_resizeGroup->setEnabled(raster);
  m_sharpen->setEnabled(raster);
  m_sourceOptions->setEnabled(raster);
  m_pluginProperties->setEnabled(module);
  m_backgroundEdit->setText(BackgroundText(m_background));
  QStringList info;
  if (m_type == int(ExportType::kPsd)) info << kPsdText;
  if (m_type == int(ExportType::kSvg)) info << kSvgText;
  if (HasPackages(m_doc)) info << kPackagesText;
  m_infoText->setText(info.join("\n"));
}

void ExportDialog::OnSizeEdited(void (COutputSize::*set)(int), int value) {
  if (m_updating) return;
  ((*m_size).*set)(value);
  ShowOutputSize();
  ScheduleRebuild();
}

void ExportDialog::OnPreset(int index) {
  m_size->SetPreset(kPresetPercents[std::clamp(index, 0, 3)]);
  ShowOutputSize();
  RebuildNow();
}

void ExportDialog::ShowOutputSize() {
  m_updating = true;
  m_width->setValue(m_size->Width());
  m_height->setValue(m_size->Height());
  m_widthPercent->setValue(m_size->WidthPercent());
  m_heightPercent->setValue(m_size->HeightPercent());
  m_updating = false;
  m_heightPercent->setEnabled(!m_size->KeepAspect());
  PaintLabel(m_widthPercentLabel, m_size->WidthPercent());
  PaintLabel(m_heightPercentLabel, m_size->HeightPercent());
}

void ExportDialog::OnBackgroundEdited(const QString& text) {
  const QString clean = CleanBackgroundText(text);
  const int caret = std::min(m_backgroundEdit->cursorPosition(), int(clean.size()));
  if (clean != text) {
    m_backgroundEdit->setText(clean);
    m_backgroundEdit->setCursorPosition(caret);
  }
  // Typing the sixth digit applies the colour.
  if (clean.size() == 6 && caret == 6) ApplyBackground();
}

void ExportDialog::ApplyBackground() {
  COLORREF colour = 0;
  if (ParseBackgroundText(m_backgroundEdit->text(), &colour)) m_background = colour;
  m_backgroundEdit->setText(BackgroundText(m_background));
  RebuildNow();
}

void ExportDialog::DefineCorrection() {
  if (AskColourGains(this, &m_gain) && m_colourCorrection->isChecked()) RebuildNow();
}

void ExportDialog::ShowPluginProperties() {
  const int index = SelectedModule();
  if (index < 0) return;
  std::string about, error;
  if (!ModuleProperties(m_modules[size_t(index)], &about, &error)) {
    App().Messages().Message(error, MsgButtons::kOk);
    return;
  }
  if (!about.empty()) App().Messages().Message(about, MsgButtons::kOk);
}

void ExportDialog::ScheduleRebuild() {
  if (!m_updating) m_rebuildTimer.start();
}

bool ExportDialog::EnsureSource() {
  const CExportSettings& s = m_engine->Settings();
  if (m_haveSource && SourceKey(s) == SourceKey(m_sourceMade)) return true;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_haveSource = m_engine->BuildSource();
  QApplication::restoreOverrideCursor();
  m_sourceMade = s;
  if (!m_haveSource)
    App().Messages().Message("The canvas of " + std::to_string(m_doc.m_width) + " x " +
                                 std::to_string(m_doc.m_height) + " cannot be rendered.",
                             MsgButtons::kOk);
  return m_haveSource;
}

void ExportDialog::ShowPreview(const QImage& image, const QString& sizeText) {
  m_previewImage = image;
  m_preview->setPixmap(image.isNull() ? QPixmap() : CheckeredPixmap(image));
  m_sizeLabel->setText(sizeText);
}

bool ExportDialog::DoExport(bool doWrite) {
  m_rebuildTimer.stop();
  m_engine->Settings() = Settings();
  const bool layered = IsLayeredType(m_type);
  if (!doWrite) {
    ++m_previewCount;
    // Layers, vectors and the enlarged render have no encoding of their own to show.
    const bool ok = !layered && EnsureSource() && m_engine->Export(false);
    if (!ok) ShowPreview(QImage(), QString());
    else ShowPreview(ImageFromDib(m_engine->Preview()), QString::fromStdString(m_engine->SizeText()));
    return ok || layered;
  }
  if (!layered && !EnsureSource()) return false;
  CExportSaveRequest request = ExportSaveRequestFor(m_engine->Settings(), m_moduleExtension);
  request.suggestedPath = SuggestedExportPath(m_doc, request.extension);
  const QString path = AskExportFileName(this, request);
  if (path.isEmpty()) return false;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool written = m_engine->Export(true, path.toStdString());
  QApplication::restoreOverrideCursor();
  if (written) m_doc.m_exportPath = path.toStdString();
  return written;
}

void ExportDialog::OnExportPressed() {
  if (DoExport(true)) accept();
}

}  // namespace tessel
