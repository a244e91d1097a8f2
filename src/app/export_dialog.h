// The "Export" dialog: the format list (built-in types, export modules, "Plugins..."),
// the output size, resampling, sharpening, colour reduction, JPEG, alpha-mask, background
// and colour-correction options, and a live preview of the real encoding read back from
// the temporary file. Control changes restart an 800 ms one-shot timer that rebuilds the
// preview. Widgets carry object names for tests: "format", "pluginProperties",
// "resizeGroup", "outWidth", "outHeight", "aspect", "widthPercent", "heightPercent",
// "widthPercentLabel", "heightPercentLabel", "preset", "resampling", "sharpen",
// "colorsGroup", "colors24", "colors256", "colorsCustom", "customColors", "ditherGroup",
// "ditherNone", "ditherDiffusion", "ditherFloyd", "jpegOptions", "quality",
// "progressive", "grayscale", "subsampling", "alphaMask", "negative", "background",
// "applyBackground", "colorCorrection", "defineCorrection", "highResOptions",
// "renderScale", "lensesOff", "preview", "sizeLabel", "infoText", "exportButton",
// "cancelButton".
#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "export/export_engine.h"
#include "export/export_module_loader.h"
#include "export/output_size.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QShowEvent;
class QSpinBox;

namespace tessel {

class CVellumDoc;

class ExportDialog : public QDialog {
  Q_OBJECT
 public:
  // Starts from settings (its type as the list shows it; width and height 0 for the
  // canvas size) and the aspect flag. Nothing reaches the document before Export.
  ExportDialog(QWidget* parent, CVellumDoc& doc, const CExportSettings& settings, bool keepAspect);
  ~ExportDialog() override;

  // The one routine behind the preview (doWrite false: the temporary file, read back
  // into the preview with its size shown) and the Export button (doWrite true: asks for
  // a file name and writes there). False when cancelled or failed; failures are shown.
  bool DoExport(bool doWrite);
  // The settings the controls show now.
  CExportSettings Settings() const;
  const COutputSize& OutputSize() const { return *m_size; }
  // The timer that rebuilds the preview after control changes.
  QTimer& RebuildTimer() { return m_rebuildTimer; }
  // How many previews were built since the dialog opened.
  int PreviewCount() const { return m_previewCount; }
  // The picture the preview area shows (null before the first preview).
  const QImage& PreviewImage() const { return m_previewImage; }
  // The background the user chose (transparent PNG shows black but keeps this one).
  COLORREF ChosenBackground() const { return m_type == kTransparentPng ? m_savedBackground : m_background; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  static constexpr int kTransparentPng = int(ExportType::kPngTransparent);

  // ---- export_dialog_layout.cpp ----
  void BuildControls(const CExportSettings& settings);
  QWidget* BuildFormatRow();
  QGroupBox* BuildResizeGroup();
  QWidget* BuildSharpenRow(const CExportSettings& settings);
  QWidget* BuildColourGroups(const CExportSettings& settings);
  QWidget* BuildJpegOptions(const CExportSettings& settings);
  QWidget* BuildSourceOptions(const CExportSettings& settings);
  QWidget* BuildHighResOptions(const CExportSettings& settings);
  QWidget* BuildPreviewColumn();
  void ConnectControls();

  // ---- export_dialog.cpp ----
  void OnTypeChosen(int index);
  void ShowControlsForType();
  void QueryModule();
  void OnSizeEdited(void (COutputSize::*set)(int), int value);
  void OnPreset(int index);
  void ShowOutputSize();
  void OnBackgroundEdited(const QString& text);
  void ApplyBackground();
  void DefineCorrection();
  void ShowPluginProperties();
  void ScheduleRebuild();
  void RebuildNow() { DoExport(false); }
  // Renders the source again when the options it depends on changed.
  bool EnsureSource();
  void ShowPreview(const QImage& image, const QString& sizeText);
  void OnExportPressed();
  int SelectedModule() const;  // index among m_modules, or -1

  CVellumDoc& m_doc;
  std::unique_ptr<CExportEngine> m_engine;
  std::unique_ptr<COutputSize> m_size;
  std::vector<CExportModuleFile> m_modules;
  std::string m_moduleExtension;
  int m_moduleSaveType = -1;
  int m_type = 0;
  COLORREF m_background = 0xFFFFFF;
  COLORREF m_savedBackground = 0xFFFFFF;  // while transparent PNG forces black
  std::array<double, 3> m_gain{1.0, 1.0, 1.0};
  CExportSettings m_start;      // for what the controls do not show
  CExportSettings m_sourceMade; // the options of the source image as last rendered
  bool m_haveSource = false;
  bool m_updating = false;      // while fields are filled from the output size
  bool m_shownOnce = false;
  int m_previewCount = 0;
  QImage m_previewImage;
  QTimer m_rebuildTimer;

  QComboBox* m_format = nullptr;
  QPushButton* m_pluginProperties = nullptr;
  QGroupBox* m_resizeGroup = nullptr;
  QSpinBox* m_width = nullptr;
  QSpinBox* m_height = nullptr;
  QCheckBox* m_aspect = nullptr;
  QDoubleSpinBox* m_widthPercent = nullptr;
  QDoubleSpinBox* m_heightPercent = nullptr;
  QLabel* m_widthPercentLabel = nullptr;
  QLabel* m_heightPercentLabel = nullptr;
  QComboBox* m_preset = nullptr;
  QComboBox* m_resampling = nullptr;
  QSlider* m_sharpen = nullptr;
  QGroupBox* m_colorsGroup = nullptr;
  QButtonGroup* m_colourMode = nullptr;
  QSpinBox* m_customColours = nullptr;
  QGroupBox* m_ditherGroup = nullptr;
  QButtonGroup* m_dither = nullptr;
  QWidget* m_jpegOptions = nullptr;
  QSlider* m_quality = nullptr;
  QCheckBox* m_progressive = nullptr;
  QCheckBox* m_grayscale = nullptr;
  QCheckBox* m_subsampling = nullptr;
  QWidget* m_sourceOptions = nullptr;
  QCheckBox* m_alphaMask = nullptr;
  QCheckBox* m_negative = nullptr;
  QLineEdit* m_backgroundEdit = nullptr;
  QCheckBox* m_colourCorrection = nullptr;
  QWidget* m_highResOptions = nullptr;
  QSpinBox* m_renderScale = nullptr;
  QCheckBox* m_lensesOff = nullptr;
  QLabel* m_preview = nullptr;
  QLabel* m_sizeLabel = nullptr;
  QLabel* m_infoText = nullptr;
  QPushButton* m_exportButton = nullptr;
};

}  // namespace tessel
