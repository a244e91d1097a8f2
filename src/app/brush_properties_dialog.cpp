// "Brush Properties": the fields of one brush, its preview and a sample stroke. The
// dialog edits a copy; OK hands the copy back.
#include "app/brush_properties_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "app/image_hose_dialog.h"
#include "app/qt_image.h"
#include "base/app_context.h"
#include "base/user_messages.h"
#include "codecs/image_reader.h"
#include "paint/brush_images.h"

namespace tessel {

namespace {
constexpr int kMaxBlurSteps = 60;  // half pixels
constexpr double kBlurStep = 0.5;
constexpr int kMinSpacingPercent = 1;
constexpr int kMaxSpacingPercent = 200;
constexpr double kPercent = 0.01;
constexpr int kStrokeWidth = 220, kStrokeHeight = 70;
constexpr double kStrokeWaves = 1.5;
constexpr char kPictureFilter[] = "Pictures (*.bmp *.jpg *.jpeg *.png *.tif *.tiff *.gif *.tga *.pcx *.psd)";
constexpr const char* kTipNames[] = {"Circular", "Rectangular", "Bitmap", "Image Brush", "Image Hose"};
constexpr const char* kTipObjectNames[] = {"tipCircular", "tipRectangular", "tipBitmap", "tipImageBrush",
                                           "tipImageHose"};

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QSlider* MakeSlider(QWidget* parent, const char* name, int min, int max) {
  auto* slider = Named(new QSlider(Qt::Horizontal, parent), name);
  slider->setRange(min, max);
  return slider;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = Named(new QPushButton(text, parent), name);
  button->setAutoDefault(false);
  return button;
}

// A picture of the brush over white, as the library shows it.
QImage OverWhite(const CDIBSection& dib, int side) {
  QImage out(side, side, QImage::Format_RGB32);
  out.fill(Qt::white);
  const QImage image = ImageFromDib(dib);
  if (image.isNull()) return out;
  QPainter painter(&out);
  const QImage scaled = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  painter.drawImage((side - scaled.width()) / 2, (side - scaled.height()) / 2, scaled);
  return out;
}

QString AskPicture(QWidget* parent, const QString& title) {
  return QFileDialog::getOpenFileName(parent, title, QString(), QString::fromLatin1(kPictureFilter));
}

void TellFailure(const std::string& error) {
  if (!error.empty()) App().Messages().Message(error, MsgButtons::kOk);
}
}  // namespace

QImage BrushPreviewImage(const CBrush& brush, int side) {
  return OverWhite(brush.m_preview.IsEmpty() ? brush.m_dab : brush.m_preview, side);
}

QImage BrushStrokeSample(CBrush& brush, int width, int height) {
  QImage out(width, height, QImage::Format_RGB32);
  out.fill(Qt::white);
  QPainter painter(&out);
  const int step = std::max(1, brush.DabStep());
  const int margin = height / 4;
  double lastY = height / 2.0;
  for (int x = margin; x < width - margin; x += step) {
    const double t = double(x - margin) / std::max(1, width - 2 * margin);
    const double y = height / 2.0 - std::sin(t * 2 * M_PI * kStrokeWaves) * (height / 2.0 - margin);
    const int angle = (int(std::atan2(y - lastY, double(step)) * 180 / M_PI) + 360) % 360;
    lastY = y;
    const QImage dab = ImageFromDib(brush.NextDab(angle));
    if (dab.isNull()) break;
    painter.drawImage(QPointF(x - dab.width() / 2.0, y - dab.height() / 2.0), dab);
    if (!brush.m_spacingEnabled) x += std::max(step, dab.width());  // one dab per event
  }
  return out;
}

BrushPropertiesDialog::BrushPropertiesDialog(QWidget* parent, const CBrush& brush) : QDialog(parent), m_brush(brush) {
  setObjectName(QStringLiteral("brushPropertiesDialog"));
  setWindowTitle(QStringLiteral("Brush Properties"));
  auto* layout = new QVBoxLayout(this);
  auto* body = new QHBoxLayout;
  layout->addLayout(body);

  auto* left = new QVBoxLayout;
  auto* grid = new QGridLayout;
  BuildSizeGroup(grid);
  left->addLayout(grid);
  left->addWidget(BuildTypeGroup());
  auto* pressureRow = new QHBoxLayout;
  m_pressure = Named(new QComboBox(this), "pressure");
  for (const char* mode : kPressureModeNames) m_pressure->addItem(QString::fromLatin1(mode));
  m_pressure->setCurrentIndex(std::clamp(m_brush.m_pressureMode, 0, kPressureModeCount - 1));
  pressureRow->addWidget(new QLabel(QStringLiteral("Presure Sensitivity"), this));
  pressureRow->addWidget(m_pressure, 1);
  left->addLayout(pressureRow);
  body->addLayout(left);
  body->addWidget(BuildPreviewGroup());

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* apply = MakeButton(this, "apply", QStringLiteral("APPLY"));
  buttons->addButton(apply, QDialogButtonBox::ApplyRole);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(apply, &QPushButton::clicked, this, &BrushPropertiesDialog::Apply);
  connect(m_pressure, &QComboBox::activated, this, &BrushPropertiesDialog::Apply);
  UpdateEnabled();
  ShowPreview();
}

void BrushPropertiesDialog::BuildSizeGroup(QGridLayout* grid) {
  m_name = Named(new QLineEdit(QString::fromStdString(m_brush.m_name), this), "name");
  grid->addWidget(new QLabel(QStringLiteral("Name"), this), 0, 0);
  grid->addWidget(m_name, 0, 1, 1, 2);

  m_size = Named(new QSpinBox(this), "size");
  m_size->setRange(kBrushMinSize, kBrushMaxSize);
  m_sizeSlider = MakeSlider(this, "sizeSlider", kBrushMinSize, kBrushMaxSize);
  m_blur = Named(new QDoubleSpinBox(this), "blur");
  m_blur->setRange(0, kMaxBlurSteps * kBlurStep);
  m_blur->setSingleStep(kBlurStep);
  m_blur->setDecimals(1);
  m_blurSlider = MakeSlider(this, "blurSlider", 0, kMaxBlurSteps);
  m_spacing = Named(new QSpinBox(this), "spacing");
  m_spacing->setRange(kMinSpacingPercent, kMaxSpacingPercent);
  m_spacingSlider = MakeSlider(this, "spacingSlider", kMinSpacingPercent, kMaxSpacingPercent);
  m_spacingEnabled = Named(new QCheckBox(QStringLiteral("%"), this), "spacingEnabled");

  m_size->setValue(std::clamp(m_brush.m_size, kBrushMinSize, kBrushMaxSize));
  m_sizeSlider->setValue(m_size->value());
  m_blurSlider->setValue(std::clamp(int(std::lround(m_brush.m_blur / kBlurStep)), 0, kMaxBlurSteps));
  m_blur->setValue(m_blurSlider->value() * kBlurStep);
  const int percent = int(std::lround(m_brush.m_spacing / kPercent));
  m_spacing->setValue(std::clamp(percent, kMinSpacingPercent, kMaxSpacingPercent));
  m_spacingSlider->setValue(m_spacing->value());
  m_spacingEnabled->setChecked(m_brush.m_spacingEnabled != 0);

  grid->addWidget(new QLabel(QStringLiteral("Size"), this), 1, 0);
  grid->addWidget(m_size, 1, 1);
  grid->addWidget(m_sizeSlider, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Blur"), this), 2, 0);
  grid->addWidget(m_blur, 2, 1);
  grid->addWidget(m_blurSlider, 2, 2);
  grid->addWidget(m_spacingEnabled, 3, 0);
  grid->addWidget(m_spacing, 3, 1);
  grid->addWidget(m_spacingSlider, 3, 2);

  // Each edit box and its slider show one value; a released slider or a finished edit
  // applies it.
  connect(m_sizeSlider, &QSlider::valueChanged, m_size, &QSpinBox::setValue);
  connect(m_size, &QSpinBox::valueChanged, m_sizeSlider, &QSlider::setValue);
  connect(m_blurSlider, &QSlider::valueChanged, this, [this](int v) { m_blur->setValue(v * kBlurStep); });
  connect(m_blur, &QDoubleSpinBox::valueChanged, this,
          [this](double v) { m_blurSlider->setValue(int(std::lround(v / kBlurStep))); });
  connect(m_spacingSlider, &QSlider::valueChanged, m_spacing, &QSpinBox::setValue);
  connect(m_spacing, &QSpinBox::valueChanged, m_spacingSlider, &QSlider::setValue);
  for (QSlider* slider : {m_sizeSlider, m_blurSlider, m_spacingSlider})
    connect(slider, &QSlider::sliderReleased, this, &BrushPropertiesDialog::Apply);
  connect(m_size, &QSpinBox::editingFinished, this, &BrushPropertiesDialog::Apply);
  connect(m_blur, &QDoubleSpinBox::editingFinished, this, &BrushPropertiesDialog::Apply);
  connect(m_spacing, &QSpinBox::editingFinished, this, &BrushPropertiesDialog::Apply);
  connect(m_spacingEnabled, &QCheckBox::toggled, this, [this] {
    UpdateEnabled();
    Apply();
  });
}

QWidget* BrushPropertiesDialog::BuildTypeGroup() {
  auto* box = new QGroupBox(QStringLiteral("Type"), this);
  auto* grid = new QGridLayout(box);
  auto* group = new QButtonGroup(box);
  for (int kind = 0; kind < int(m_tips.size()); ++kind) {
    m_tips[size_t(kind)] = Named(new QRadioButton(QString::fromLatin1(kTipNames[kind]), box), kTipObjectNames[kind]);
    group->addButton(m_tips[size_t(kind)], kind);
    grid->addWidget(m_tips[size_t(kind)], kind, 0);
  }
  m_tips[size_t(std::clamp(m_brush.m_tipKind, 0, int(m_tips.size()) - 1))]->setChecked(true);
  m_colorOverlay = Named(new QCheckBox(QStringLiteral("Color Overlay"), box), "colorOverlay");
  m_colorOverlay->setChecked(m_brush.m_colourOverlay != 0);
  m_load = MakeButton(box, "load", QStringLiteral("Load..."));
  m_loadMask = MakeButton(box, "loadMask", QStringLiteral("Load Mask..."));
  m_loadNegative = Named(new QCheckBox(QStringLiteral("Load Negative"), box), "loadNegative");
  grid->addWidget(m_colorOverlay, 0, 1);
  grid->addWidget(m_load, 1, 1);
  grid->addWidget(m_loadMask, 2, 1);
  grid->addWidget(m_loadNegative, 3, 1);
  connect(group, &QButtonGroup::idClicked, this, [this] {
    UpdateEnabled();
    Apply();
  });
  connect(m_colorOverlay, &QCheckBox::toggled, this, &BrushPropertiesDialog::Apply);
  connect(m_load, &QPushButton::clicked, this, &BrushPropertiesDialog::LoadImage);
  connect(m_loadMask, &QPushButton::clicked, this, &BrushPropertiesDialog::LoadMask);
  return box;
}

QWidget* BrushPropertiesDialog::BuildPreviewGroup() {
  auto* box = new QGroupBox(QStringLiteral("Brush Preview"), this);
  auto* layout = new QVBoxLayout(box);
  m_preview = Named(new QLabel(box), "preview");
  m_preview->setFixedSize(kDialogPreviewSide, kDialogPreviewSide);
  m_preview->setFrameShape(QFrame::Box);
  m_dabSize = Named(new QLabel(box), "dabSize");
  m_autoGenerate = Named(new QCheckBox(QStringLiteral("Auto Generate"), box), "autoGenerate");
  m_autoGenerate->setChecked(m_brush.m_autoPreview != 0);
  m_previewLoad = MakeButton(box, "previewLoad", QStringLiteral("Load"));
  m_previewPaste = MakeButton(box, "previewPaste", QStringLiteral("&P"));
  m_stroke = Named(new QLabel(box), "stroke");
  m_stroke->setFixedSize(kStrokeWidth, kStrokeHeight);
  m_stroke->setFrameShape(QFrame::Box);
  auto* top = new QHBoxLayout;
  top->addWidget(m_preview);
  auto* side = new QVBoxLayout;
  side->addWidget(m_dabSize);
  side->addWidget(m_autoGenerate);
  auto* loadRow = new QHBoxLayout;
  loadRow->addWidget(m_previewLoad);
  loadRow->addWidget(m_previewPaste);
  side->addLayout(loadRow);
  side->addStretch();
  top->addLayout(side);
  layout->addLayout(top);
  layout->addWidget(m_stroke);
  layout->addStretch();
  connect(m_autoGenerate, &QCheckBox::toggled, this, [this] {
    UpdateEnabled();
    Apply();
  });
  connect(m_previewLoad, &QPushButton::clicked, this, &BrushPropertiesDialog::LoadPreview);
  connect(m_previewPaste, &QPushButton::clicked, this, &BrushPropertiesDialog::PastePreview);
  return box;
}

int BrushPropertiesDialog::TipKind() const {
  for (int kind = 0; kind < int(m_tips.size()); ++kind)
    if (m_tips[size_t(kind)]->isChecked()) return kind;
  return kTipCircular;
}

void BrushPropertiesDialog::UpdateEnabled() {
  const int kind = TipKind();
  const bool generated = kind == kTipCircular || kind == kTipRectangular;
  for (QWidget* w : std::initializer_list<QWidget*>{m_size, m_sizeSlider, m_blur, m_blurSlider})
    w->setEnabled(generated);
  m_spacing->setEnabled(m_spacingEnabled->isChecked());
  m_spacingSlider->setEnabled(m_spacingEnabled->isChecked());
  m_colorOverlay->setEnabled(kind == kTipImageBrush || kind == kTipImageHose);
  if (kind == kTipBitmap) m_colorOverlay->setChecked(false);
  m_load->setEnabled(kind == kTipImageBrush || kind == kTipImageHose);
  m_load->setText(kind == kTipImageHose ? QStringLiteral("Settings") : QStringLiteral("Load..."));
  m_loadMask->setEnabled(kind == kTipBitmap || kind == kTipImageBrush);
  m_loadNegative->setEnabled(kind == kTipBitmap || kind == kTipImageBrush);
  m_previewLoad->setEnabled(!m_autoGenerate->isChecked());
  m_previewPaste->setEnabled(!m_autoGenerate->isChecked());
}

void BrushPropertiesDialog::Apply() {
  m_brush.m_name = m_name->text().toStdString();
  m_brush.m_tipKind = TipKind();
  m_brush.m_size = m_size->value();
  m_brush.m_blur = m_blurSlider->value() * kBlurStep;
  m_brush.SetSpacing(m_spacing->value() * kPercent);
  m_brush.m_spacingEnabled = m_spacingEnabled->isChecked() ? 1 : 0;
  m_brush.m_colourOverlay = m_colorOverlay->isChecked() && m_brush.m_tipKind != kTipBitmap ? 1 : 0;
  m_brush.m_autoPreview = m_autoGenerate->isChecked() ? 1 : 0;
  m_brush.m_pressureMode = m_pressure->currentIndex();
  m_brush.Build(kDialogPreviewSide);
  // Build switches the overlay off for generated tips; the box follows.
  m_colorOverlay->setChecked(m_brush.m_colourOverlay != 0);
  ShowPreview();
}

void BrushPropertiesDialog::ShowPreview() {
  m_preview->setPixmap(QPixmap::fromImage(OverWhite(m_brush.m_preview, kDialogPreviewSide)));
  m_dabSize->setText(QString::asprintf("(%d,%d)", m_brush.m_dab.Width(), m_brush.m_dab.Height()));
  CBrush sample = m_brush;  // the sample must not move the hose index of the edited brush
  m_stroke->setPixmap(QPixmap::fromImage(BrushStrokeSample(sample, kStrokeWidth, kStrokeHeight)));
}

void BrushPropertiesDialog::LoadImage() {
  if (TipKind() == kTipImageHose) {
    Apply();
    if (RunImageHoseDialog(this, m_brush)) Apply();
    return;
  }
  const QString path = AskPicture(this, QStringLiteral("Load..."));
  if (path.isEmpty()) return;
  std::string error;
  if (!LoadBrushImageFile(m_brush, path.toStdString(), &error)) return TellFailure(error);
  Apply();
}

void BrushPropertiesDialog::LoadMask() {
  const QString path = AskPicture(this, QStringLiteral("Load Mask..."));
  if (path.isEmpty()) return;
  std::string error;
  if (!LoadBrushMaskFile(m_brush, path.toStdString(), m_loadNegative->isChecked(), &error)) return TellFailure(error);
  Apply();
}

void BrushPropertiesDialog::LoadPreview() {
  const QString path = AskPicture(this, QStringLiteral("Load"));
  if (path.isEmpty()) return;
  CDIBSection picture;
  std::string error;
  if (!ReadImageFile(path.toStdString(), picture, &error)) return TellFailure(error);
  if (!LoadBrushPreview(m_brush, picture)) return;
  ShowPreview();
}

void BrushPropertiesDialog::PastePreview() {
  CDIBSection picture;
  if (!DibFromImage(QApplication::clipboard()->image(), &picture) || !PasteBrushPreview(m_brush, picture)) return;
  ShowPreview();
}

void BrushPropertiesDialog::accept() {
  Apply();
  QDialog::accept();
}

bool RunBrushPropertiesDialog(QWidget* parent, CBrush& brush) {
  BrushPropertiesDialog dialog(parent, brush);
  if (dialog.exec() != QDialog::Accepted) return false;
  brush = dialog.Brush();
  return true;
}

}  // namespace tessel
