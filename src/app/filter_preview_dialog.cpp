// The slider dialogs that preview a filter on the object itself.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>

#include "app/bitmap_dialogs.h"
#include "document/draw_object.h"
#include "filters/filter_catalog.h"

namespace tessel {

namespace {
constexpr int kSliderWidth = 260;
constexpr int kValueWidth = 44;  // room for "-180" and "1.99"
}  // namespace

FilterPreviewDialog::FilterPreviewDialog(QWidget* parent, CDrawObject& object, const CFilterEntry& filter,
                                         std::function<void()> repaint)
    : QDialog(parent), m_filter(filter), m_repaint(std::move(repaint)) {
  m_session.Begin(object);
  m_form = new QFormLayout(this);
  m_form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
}

FilterPreviewDialog::~FilterPreviewDialog() { m_session.Cancel(); }

QSlider* FilterPreviewDialog::AddSlider(const char* name, const QString& label, int lo, int hi, int value,
                                        std::function<QString(int)> valueText) {
  auto* slider = new QSlider(Qt::Horizontal, this);
  slider->setObjectName(name);
  slider->setRange(lo, hi);
  slider->setValue(value);
  slider->setMinimumWidth(kSliderWidth);
  auto* shown = new QLabel(valueText(value), this);
  shown->setObjectName(QString(name) + "Value");
  shown->setMinimumWidth(kValueWidth);
  shown->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* row = new QHBoxLayout;
  row->addWidget(slider, 1);
  row->addWidget(shown);
  m_form->addRow(label, row);
  // While dragging only the number follows; the filter runs when the slider is let go.
  connect(slider, &QSlider::valueChanged, this, [this, slider, shown, valueText](int v) {
    shown->setText(valueText(v));
    if (!slider->isSliderDown()) RunPreview();
  });
  connect(slider, &QSlider::sliderReleased, this, [this] { RunPreview(); });
  return slider;
}

void FilterPreviewDialog::FinishLayout() {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  m_form->addRow(buttons);
  RunPreview();
}

void FilterPreviewDialog::RunPreview() {
  if (!m_session.Active()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_session.Preview(m_filter, Values());
  QApplication::restoreOverrideCursor();
  if (m_repaint) m_repaint();
}

void FilterPreviewDialog::done(int result) {
  if (m_session.Active()) {
    if (result == Accepted) {
      OnAccepted();
      m_session.End();
    } else {
      m_session.Cancel();
      if (m_repaint) m_repaint();
    }
  }
  QDialog::done(result);
}

}  // namespace tessel
