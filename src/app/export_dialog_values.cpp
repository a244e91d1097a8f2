// The background text and the colour-correction factors of the export dialog.
#include "app/export_dialog_values.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>

#include "base/app_context.h"
#include "base/profile.h"

namespace tessel {

namespace {
constexpr int kDigits = 6;
constexpr double kMaxGain = 4.0;
constexpr double kGainStep = 0.01;
constexpr double kThousandths = 1000.0;
constexpr const char* kGainKeys[3] = {"Red", "Green", "Blue"};
}  // namespace

QString BackgroundText(COLORREF colour) {
  const unsigned rgb = ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
  return QString::number(rgb, 16).toUpper().rightJustified(kDigits, '0');
}

QString CleanBackgroundText(const QString& typed) {
  QString out;
  for (QChar c : typed.toUpper()) {
    if (out.size() == kDigits) break;
    if (c.isDigit() || (c >= 'A' && c <= 'F')) out += c;
  }
  return out;
}

bool ParseBackgroundText(const QString& text, COLORREF* colour) {
  const QString clean = CleanBackgroundText(text);
  if (clean.isEmpty()) return false;
  const unsigned rgb = clean.toUInt(nullptr, 16);
  *colour = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
  return true;
}

bool AskColourGains(QWidget* parent, std::array<double, 3>* gain) {
  QDialog dialog(parent);
  dialog.setWindowTitle("Color Correction");
  auto* form = new QFormLayout(&dialog);
  QDoubleSpinBox* boxes[3];
  for (int i = 0; i < 3; ++i) {
    boxes[i] = new QDoubleSpinBox(&dialog);
    boxes[i]->setObjectName(QString(kGainKeys[i]).toLower());
    boxes[i]->setRange(0.0, kMaxGain);
    boxes[i]->setSingleStep(kGainStep);
    boxes[i]->setDecimals(3);
    boxes[i]->setValue((*gain)[i]);
    form->addRow(QString(kGainKeys[i]) + ":", boxes[i]);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;
  for (int i = 0; i < 3; ++i) {
    (*gain)[i] = boxes[i]->value();
    App().Profile().WriteInt("Color", kGainKeys[i], int((*gain)[i] * kThousandths + 0.5));
  }
  return true;
}

}  // namespace tessel
