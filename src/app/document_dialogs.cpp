// The entry points of the document dialogs and what they share.
#include "app/document_dialogs.h"

#include <QDialogButtonBox>
#include <QLayout>
#include <QSpinBox>

#include "app/shell.h"
#include "base/app_context.h"
#include "base/user_messages.h"

namespace tessel {

QSpinBox* MakeSpinBox(QWidget* parent, const char* name, int min, int max, int value) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(min, max);
  box->setValue(value);
  return box;
}

void AddOkCancel(QDialog& dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  dialog.layout()->addWidget(buttons);
}

void ShowRefusal(const std::string& text) { App().Messages().Message(text, MsgButtons::kOk); }

bool RunSizeAndColorDialog(QWidget* parent, CVellumDoc& doc) {
  SizeColorDialog dialog(parent, doc);
  return dialog.exec() == QDialog::Accepted;
}

bool RunGuidelinesDialog(QWidget* parent, CVellumDoc& doc) {
  GuidelinesDialog dialog(parent, doc);
  return dialog.exec() == QDialog::Accepted;
}

bool RunProductionNotesDialog(QWidget* parent, CVellumDoc& doc) {
  ProductionNotesDialog dialog(parent, doc);
  return dialog.exec() == QDialog::Accepted;
}

bool RunGeneralSettingsDialog(QWidget* parent, CVellumDoc* doc) {
  GeneralSettingsDialog dialog(parent, doc);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tessel
