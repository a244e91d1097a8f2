// "Size and Color": canvas size, background colour and the two size options.
#include <QCheckBox>
#include <QColorDialog>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/document_dialogs.h"
#include "app/qt_colour.h"
#include "document/vellum_doc.h"

namespace tessel {

namespace {
// Wide enough for any typed entry, so that the size check, not the spin box, refuses.
constexpr int kEntryLimit = 99999;
constexpr int kSwatchSize = 16;
}  // namespace

SizeColorDialog::SizeColorDialog(QWidget* parent, CVellumDoc& doc)
    : QDialog(parent), m_doc(doc), m_background(doc.m_background) {
  setWindowTitle(QStringLiteral("Size and Color"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  m_width = MakeSpinBox(this, "width", -kEntryLimit, kEntryLimit, doc.m_width);
  m_height = MakeSpinBox(this, "height", -kEntryLimit, kEntryLimit, doc.m_height);
  m_colorButton = new QPushButton(this);
  m_colorButton->setObjectName(QStringLiteral("background"));
  form->addRow(QStringLiteral("Width:"), m_width);
  form->addRow(QStringLiteral("Height:"), m_height);
  form->addRow(QStringLiteral("Background:"), m_colorButton);
  layout->addLayout(form);
  m_option1 = new QCheckBox(QStringLiteral("Size option 1"), this);
  m_option1->setObjectName(QStringLiteral("sizeOption1"));
  m_option1->setChecked(doc.m_sizeFlag1 != 0);
  m_option2 = new QCheckBox(QStringLiteral("Size option 2"), this);
  m_option2->setObjectName(QStringLiteral("sizeOption2"));
  m_option2->setChecked(doc.m_sizeFlag2 != 0);
  layout->addWidget(m_option1);
  layout->addWidget(m_option2);
  AddOkCancel(*this);
  SetBackground(m_background);
  connect(m_colorButton, &QPushButton::clicked, this, &SizeColorDialog::PickBackground);
}

void SizeColorDialog::SetBackground(COLORREF color) {
  m_background = color;
  QPixmap swatch(kSwatchSize, kSwatchSize);
  swatch.fill(ToQColor(color));
  m_colorButton->setIcon(QIcon(swatch));
  m_colorButton->setText(ToQColor(color).name());
}

void SizeColorDialog::PickBackground() {
  const QColor chosen = QColorDialog::getColor(ToQColor(m_background), this, QStringLiteral("Background"));
  if (chosen.isValid()) SetBackground(FromQColor(chosen));
}

void SizeColorDialog::accept() {
  const std::string refusal = m_doc.SetCanvasSize(m_width->value(), m_height->value(), m_background);
  if (!refusal.empty()) {
    ShowRefusal(refusal);
    return;
  }
  m_doc.m_sizeFlag1 = m_option1->isChecked() ? 1 : 0;
  m_doc.m_sizeFlag2 = m_option2->isChecked() ? 1 : 0;
  QDialog::accept();
}

}  // namespace tessel
