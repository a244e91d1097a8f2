// "Bitmap Color Tweak": picks one of the colour tweak effects and its parameters while
// showing the effect on a reduced copy of the picture.
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "app/bitmap_dialogs.h"
#include "app/qt_image.h"

namespace tessel {

namespace {
constexpr int kParamMax = 255;
constexpr int kSliderWidth = 220;
constexpr int kValueWidth = 32;
constexpr int kLabelWidth = 120;  // the longest label, "Horizontal Light"
}  // namespace

TweakDialog::TweakDialog(QWidget* parent, const CDIBSection& picture)
    : QDialog(parent), m_previewIn(MakeTweakPreview(picture)), m_rng(std::random_device{}()) {
  setWindowTitle("Bitmap Color Tweak");
  setObjectName("tweakDialog");
  m_previewOut = m_previewIn.Clone();

  m_effects = new QComboBox(this);
  m_effects->setObjectName("effect");
  for (int slot = 0; slot < kTweakSlots; ++slot)
    if (const CTweakEffectInfo* info = TweakEffect(slot)) m_effects->addItem(info->name, slot);

  auto* params = new QGridLayout;
  for (int i = 0; i < kTweakParams; ++i) {
    m_labels[i] = new QLabel(this);
    m_labels[i]->setObjectName(QString("label%1").arg(i));
    m_labels[i]->setMinimumWidth(kLabelWidth);
    m_sliders[i] = new QSlider(Qt::Horizontal, this);
    m_sliders[i]->setObjectName(QString("param%1").arg(i));
    m_sliders[i]->setRange(0, kParamMax);
    m_sliders[i]->setMinimumWidth(kSliderWidth);
    m_values[i] = new QLabel(this);
    m_values[i]->setObjectName(QString("value%1").arg(i));
    m_values[i]->setMinimumWidth(kValueWidth);
    m_values[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    params->addWidget(m_labels[i], i, 0);
    params->addWidget(m_sliders[i], i, 1);
    params->addWidget(m_values[i], i, 2);
    QSlider* slider = m_sliders[i];
    connect(slider, &QSlider::valueChanged, this, [this, i, slider](int v) {
      m_values[i]->setText(QString::number(v));
      m_engine.SetParam(i, v);
      if (!slider->isSliderDown()) UpdatePreview();
    });
    connect(slider, &QSlider::sliderReleased, this, [this] { UpdatePreview(); });
  }

  m_preview = new QLabel(this);
  m_preview->setObjectName("preview");
  m_preview->setFrameShape(QFrame::StyledPanel);
  // The whole preview area inside the frame.
  const int frame = 2 * m_preview->frameWidth();
  m_preview->setFixedSize(kTweakPreviewWidth + frame, kTweakPreviewHeight + frame);
  m_preview->setAlignment(Qt::AlignCenter);

  auto* random = new QPushButton("Random", this);
  random->setObjectName("random");
  auto* apply = new QPushButton("Apply", this);
  apply->setObjectName("apply");
  apply->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("cancel");
  connect(random, &QPushButton::clicked, this, [this] { Randomize(); });
  connect(apply, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* middle = new QHBoxLayout;
  middle->addLayout(params, 1);
  middle->addWidget(m_preview, 0, Qt::AlignTop);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(random);
  buttons->addStretch(1);
  buttons->addWidget(apply);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_effects);
  layout->addLayout(middle);
  layout->addLayout(buttons);

  connect(m_effects, qOverload<int>(&QComboBox::currentIndexChanged), this,
          [this](int index) { SelectEffect(m_effects->itemData(index).toInt()); });
  SelectEffect(m_effects->itemData(0).toInt());
}

void TweakDialog::SelectEffect(int slot) {
  m_engine.Select(slot);
  ShowParams();
  UpdatePreview();
}

void TweakDialog::Randomize() {
  m_engine.Randomize(m_rng);
  ShowParams();
  UpdatePreview();
}

void TweakDialog::ShowParams() {
  const CTweakEffectInfo* info = TweakEffect(m_engine.Slot());
  for (int i = 0; i < kTweakParams; ++i) {
    const bool used = info && i < info->paramCount;
    m_labels[i]->setText(used ? QString(info->labels[i]) : QString());
    // The engine holds the values already: moving the slider must not preview each one.
    const QSignalBlocker block(m_sliders[i]);
    m_sliders[i]->setValue(m_engine.Param(i));
    m_sliders[i]->setEnabled(used);
    m_values[i]->setText(used ? QString::number(m_engine.Param(i)) : QString());
  }
}

void TweakDialog::UpdatePreview() {
  if (m_previewIn.IsEmpty()) return;
  m_engine.Run(m_previewIn.View(), m_previewOut.View());
  m_preview->setPixmap(QPixmap::fromImage(ImageFromDib(m_previewOut)));
}

}  // namespace tessel
