// The widgets of the export dialog and their connections.
#include <QButtonGroup>
#include <algorithm>
#include <cmath>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/export_dialog.h"
#include "app/export_dialog_values.h"
#include "base/app_context.h"
#include "base/profile.h"

namespace tessel {

namespace {
constexpr char kSection[] = "Export";
constexpr int kMaxPixels = 100000;
constexpr int kMaxColours = 256;
constexpr double kMaxPercent = 150.0;
constexpr double kSpinLowPercent = 10.0;  // the spin buttons step between 10 and 100
constexpr double kSpinHighPercent = 100.0;
constexpr int kPreviewWidth = 420;
constexpr int kPreviewHeight = 320;
constexpr int kBackgroundEditWidth = 70;
constexpr int kLabelMargin = 3;
constexpr int kInfoLines = 3;
constexpr int kMaxRenderScale = 16;
const char* const kPresets[] = {"100%", "75%", "50%", "25%"};
const char* const kFilters[] = {"Box", "Bilinear", "Bicubic", "Hamming", "Blackman"};

// A per-cent field whose spin buttons stay between 10 and 100 while typing may reach 150.
class PercentSpinBox : public QDoubleSpinBox {
 public:
  using QDoubleSpinBox::QDoubleSpinBox;
  void stepBy(int steps) override {
    setValue(std::clamp(std::floor(value()) + steps, kSpinLowPercent, kSpinHighPercent));
  }
};

template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QRadioButton* AddRadio(QButtonGroup* group, QLayout* layout, const char* text, const char* name, int id) {
  auto* button = Named(new QRadioButton(text), name);
  group->addButton(button, id);
  layout->addWidget(button);
  return button;
}
}  // namespace

void ExportDialog::BuildControls(const CExportSettings& s) {
  auto* left = new QVBoxLayout;
  left->addWidget(BuildFormatRow());
  left->addWidget(BuildResizeGroup());
  left->addWidget(BuildSharpenRow(s));
  left->addWidget(BuildColourGroups(s));
  left->addWidget(BuildJpegOptions(s));
  left->addWidget(BuildSourceOptions(s));
  left->addWidget(BuildHighResOptions(s));
  left->addStretch(1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  m_exportButton = Named(new QPushButton("Export"), "exportButton");
  m_exportButton->setDefault(true);
  auto* cancel = Named(new QPushButton("Cancel"), "cancelButton");
  buttons->addWidget(m_exportButton);
  buttons->addWidget(cancel);
  connect(m_exportButton, &QPushButton::clicked, this, [this] { OnExportPressed(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(BuildPreviewColumn(), 1);
  auto* all = new QVBoxLayout(this);
  all->addLayout(columns, 1);
  all->addLayout(buttons);
}

QWidget* ExportDialog::BuildFormatRow() {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  m_format = Named(new QComboBox, "format");
  for (const std::string& name : ExportTypeNames(m_modules)) m_format->addItem(QString::fromStdString(name));
  m_pluginProperties = Named(new QPushButton("Plugin Properties"), "pluginProperties");
  layout->addWidget(m_format, 1);
  layout->addWidget(m_pluginProperties);
  return row;
}

QGroupBox* ExportDialog::BuildResizeGroup() {
  m_resizeGroup = Named(new QGroupBox("Resize output"), "resizeGroup");
  auto* grid = new QGridLayout(m_resizeGroup);
  m_width = Named(new QSpinBox, "outWidth");
  m_height = Named(new QSpinBox, "outHeight");
  for (QSpinBox* box : {m_width, m_height}) box->setRange(0, kMaxPixels);
  m_aspect = Named(new QCheckBox("Aspect Ratio"), "aspect");
  m_widthPercent = Named(new PercentSpinBox, "widthPercent");
  m_heightPercent = Named(new PercentSpinBox, "heightPercent");
  for (QDoubleSpinBox* box : {m_widthPercent, m_heightPercent}) {
    box->setRange(0.0, kMaxPercent);
    box->setDecimals(1);
    box->setSingleStep(1.0);
  }
  m_widthPercentLabel = Named(new QLabel("%"), "widthPercentLabel");
  m_heightPercentLabel = Named(new QLabel("%"), "heightPercentLabel");
  for (QLabel* label : {m_widthPercentLabel, m_heightPercentLabel}) {
    label->setAutoFillBackground(true);
    label->setMargin(kLabelMargin);
  }
  m_preset = Named(new QComboBox, "preset");
  for (const char* p : kPresets) m_preset->addItem(p);
  m_resampling = Named(new QComboBox, "resampling");
  for (const char* f : kFilters) m_resampling->addItem(f);
  grid->addWidget(new QLabel("W"), 0, 0);
  grid->addWidget(m_width, 0, 1);
  grid->addWidget(new QLabel("H"), 0, 2);
  grid->addWidget(m_height, 0, 3);
  grid->addWidget(m_aspect, 0, 4);
  // Each per-cent field sits under its pixel field with its "%" label after it.
  auto percentCell = [](QDoubleSpinBox* box, QLabel* label) {
    auto* cell = new QHBoxLayout;
    cell->setSpacing(2);
    cell->addWidget(box, 1);
    cell->addWidget(label);
    return cell;
  };
  grid->addLayout(percentCell(m_widthPercent, m_widthPercentLabel), 1, 1);
  grid->addLayout(percentCell(m_heightPercent, m_heightPercentLabel), 1, 3);
  grid->addWidget(m_preset, 1, 4);
  grid->addWidget(new QLabel("Resampling:"), 2, 0, 1, 2);
  grid->addWidget(m_resampling, 2, 2, 1, 3);
  return m_resizeGroup;
}

QWidget* ExportDialog::BuildSharpenRow(const CExportSettings& s) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  m_sharpen = Named(new QSlider(Qt::Horizontal), "sharpen");
  m_sharpen->setRange(0, 100);
  m_sharpen->setValue(s.sharpen);
  layout->addWidget(new QLabel("Sharpen output"));
  layout->addWidget(m_sharpen, 1);
  return row;
}

QWidget* ExportDialog::BuildColourGroups(const CExportSettings& s) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  m_colorsGroup = Named(new QGroupBox("Colors"), "colorsGroup");
  auto* colours = new QVBoxLayout(m_colorsGroup);
  m_colourMode = new QButtonGroup(this);
  AddRadio(m_colourMode, colours, "24 bit", "colors24", int(ColourMode::kTrueColour));
  AddRadio(m_colourMode, colours, "256 color", "colors256", int(ColourMode::k256));
  auto* custom = new QHBoxLayout;
  AddRadio(m_colourMode, custom, "", "colorsCustom", int(ColourMode::kCustom));
  m_customColours = Named(new QSpinBox, "customColors");
  m_customColours->setRange(1, kMaxPixels);  // counts above 256 are taken as 256
  m_customColours->setValue(s.customColours);
  custom->addWidget(m_customColours);
  custom->addWidget(new QLabel("colors"));
  colours->addLayout(custom);
  m_colourMode->button(int(s.colourMode))->setChecked(true);

  m_ditherGroup = Named(new QGroupBox("Dither Image"), "ditherGroup");
  auto* dither = new QVBoxLayout(m_ditherGroup);
  m_dither = new QButtonGroup(this);
  AddRadio(m_dither, dither, "None", "ditherNone", int(DitherMode::kNone));
  AddRadio(m_dither, dither, "Error Diffusion", "ditherDiffusion", int(DitherMode::kErrorDiffusion));
  AddRadio(m_dither, dither, "Floyd-Steinberg", "ditherFloyd", int(DitherMode::kFloydSteinberg));
  m_dither->button(int(s.dither))->setChecked(true);
  layout->addWidget(m_colorsGroup);
  layout->addWidget(m_ditherGroup);
  return row;
}

QWidget* ExportDialog::BuildJpegOptions(const CExportSettings& s) {
  m_jpegOptions = Named(new QWidget, "jpegOptions");
  auto* grid = new QGridLayout(m_jpegOptions);
  grid->setContentsMargins(0, 0, 0, 0);
  m_quality = Named(new QSlider(Qt::Horizontal), "quality");
  m_quality->setRange(0, 100);
  m_quality->setValue(s.quality);
  m_progressive = Named(new QCheckBox("Progressive"), "progressive");
  m_grayscale = Named(new QCheckBox("Grayscale"), "grayscale");
  m_subsampling = Named(new QCheckBox("Subsampling"), "subsampling");
  m_progressive->setChecked(s.progressive);
  m_grayscale->setChecked(s.grayscale);
  m_subsampling->setChecked(s.subsampling);
  grid->addWidget(new QLabel("Quality:"), 0, 0);
  grid->addWidget(m_quality, 0, 1, 1, 2);
  grid->addWidget(m_progressive, 1, 0);
  grid->addWidget(m_grayscale, 1, 1);
  grid->addWidget(m_subsampling, 1, 2);
  return m_jpegOptions;
}

QWidget* ExportDialog::BuildSourceOptions(const CExportSettings& s) {
  m_sourceOptions = new QWidget;
  auto* grid = new QGridLayout(m_sourceOptions);
  grid->setContentsMargins(0, 0, 0, 0);
  m_alphaMask = Named(new QCheckBox("Alpha Mask Only"), "alphaMask");
  m_negative = Named(new QCheckBox("Negative"), "negative");
  m_alphaMask->setChecked(s.alphaMaskOnly);
  m_negative->setChecked(s.negative);
  m_backgroundEdit = Named(new QLineEdit(BackgroundText(m_background)), "background");
  m_backgroundEdit->setMaxLength(6);
  m_backgroundEdit->setFixedWidth(kBackgroundEditWidth);
  auto* apply = Named(new QPushButton("Apply"), "applyBackground");
  connect(apply, &QPushButton::clicked, this, [this] { ApplyBackground(); });
  m_colourCorrection = Named(new QCheckBox("Use Color Correction"), "colorCorrection");
  m_colourCorrection->setChecked(s.useColourCorrection);
  auto* define = Named(new QPushButton("Define"), "defineCorrection");
  connect(define, &QPushButton::clicked, this, [this] { DefineCorrection(); });
  grid->addWidget(m_alphaMask, 0, 0);
  grid->addWidget(m_negative, 0, 1, 1, 2);
  grid->addWidget(new QLabel("Background"), 1, 0);
  grid->addWidget(m_backgroundEdit, 1, 1);
  grid->addWidget(apply, 1, 2);
  grid->addWidget(m_colourCorrection, 2, 0);
  grid->addWidget(define, 2, 1);
  return m_sourceOptions;
}

// The enlarged render of "Vastprint... ": its integer scale and plain lenses.
QWidget* ExportDialog::BuildHighResOptions(const CExportSettings& s) {
  m_highResOptions = Named(new QWidget, "highResOptions");
  auto* layout = new QHBoxLayout(m_highResOptions);
  layout->setContentsMargins(0, 0, 0, 0);
  m_renderScale = Named(new QSpinBox, "renderScale");
  m_renderScale->setRange(1, kMaxRenderScale);
  m_renderScale->setValue(s.renderScale);
  m_renderScale->setSuffix(" x");
  m_lensesOff = Named(new QCheckBox("Lenses as plain objects"), "lensesOff");
  m_lensesOff->setChecked(s.lensesOff);
  layout->addWidget(new QLabel("Enlarge:"));
  layout->addWidget(m_renderScale);
  layout->addWidget(m_lensesOff, 1);
  return m_highResOptions;
}

QWidget* ExportDialog::BuildPreviewColumn() {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  m_preview = Named(new QLabel, "preview");
  m_preview->setAlignment(Qt::AlignCenter);
  auto* scroll = new QScrollArea;
  scroll->setWidget(m_preview);
  scroll->setWidgetResizable(true);
  scroll->setMinimumSize(kPreviewWidth, kPreviewHeight);
  m_sizeLabel = Named(new QLabel, "sizeLabel");
  m_infoText = Named(new QLabel, "infoText");
  m_infoText->setWordWrap(true);
  m_infoText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Room for the longest note, so that the layout does not jump between types.
  m_infoText->setMinimumHeight(m_infoText->fontMetrics().lineSpacing() * kInfoLines);
  layout->addWidget(scroll, 1);
  layout->addWidget(m_sizeLabel);
  layout->addWidget(m_infoText);
  return column;
}

void ExportDialog::ConnectControls() {
  connect(m_format, qOverload<int>(&QComboBox::activated), this, [this](int index) { OnTypeChosen(index); });
  connect(m_pluginProperties, &QPushButton::clicked, this, [this] { ShowPluginProperties(); });
  connect(m_width, qOverload<int>(&QSpinBox::valueChanged), this,
          [this](int v) { OnSizeEdited(&COutputSize::SetWidth, v); });
  connect(m_height, qOverload<int>(&QSpinBox::valueChanged), this,
          [this](int v) { OnSizeEdited(&COutputSize::SetHeight, v); });
  connect(m_widthPercent, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
          [this](double v) { OnSizeEdited(&COutputSize::SetWidthPercent, int(v)); });
  connect(m_heightPercent, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
          [this](double v) { OnSizeEdited(&COutputSize::SetHeightPercent, int(v)); });
  connect(m_aspect, &QCheckBox::toggled, this, [this](bool on) {
    m_size->SetKeepAspect(on);
    ShowOutputSize();
  });
  connect(m_preset, qOverload<int>(&QComboBox::activated), this, [this](int index) { OnPreset(index); });
  connect(m_backgroundEdit, &QLineEdit::textEdited, this, [this](const QString& t) { OnBackgroundEdited(t); });
  // Every other option only rebuilds the preview once the user pauses.
  auto later = [this] { ScheduleRebuild(); };
  connect(m_resampling, qOverload<int>(&QComboBox::currentIndexChanged), this, later);
  connect(m_sharpen, &QSlider::valueChanged, this, later);
  connect(m_quality, &QSlider::valueChanged, this, later);
  connect(m_customColours, qOverload<int>(&QSpinBox::valueChanged), this, later);
  connect(m_colourMode, &QButtonGroup::idToggled, this, later);
  connect(m_dither, &QButtonGroup::idToggled, this, later);
  for (QCheckBox* box : {m_progressive, m_grayscale, m_subsampling, m_alphaMask, m_negative, m_colourCorrection})
    connect(box, &QCheckBox::toggled, this, later);
  // The quality and sharpen amounts go to the profile when their slider is let go.
  for (auto [slider, key] : {std::pair{m_quality, "Qlt"}, std::pair{m_sharpen, "Sharp"}}) {
    auto store = [slider = slider, key = key] { App().Profile().WriteInt(kSection, key, slider->value()); };
    connect(slider, &QSlider::sliderReleased, this, store);
    connect(slider, &QSlider::valueChanged, this, [slider = slider, store] {
      if (!slider->isSliderDown()) store();
    });
  }
}

}  // namespace tessel
