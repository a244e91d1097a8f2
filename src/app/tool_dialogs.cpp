// The text editor, the blueprint position dialog and the picture and import choosers.
#include "app/tool_dialogs.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/document_dialogs.h"
#include "view/view_host.h"

namespace tessel {

namespace {
constexpr double kMinTextSize = 1.0;
constexpr double kMaxTextSize = 2000.0;
constexpr int kMaxOffset = 100000;
constexpr int kEditorWidth = 420;
constexpr int kEditorTextHeight = 120;
constexpr char kPictureFilter[] = "Pictures (*.bmp *.jpg *.jpeg *.png *.tif *.tiff *.gif *.tga *.pcx *.psd *.webp)";
constexpr char kSvgFilter[] = "SVG Drawings (*.svg)";
constexpr char kObjectFilter[] = "Library Objects (*.obj)";
constexpr char kAllFilter[] = "All files (*)";
}  // namespace

TextEditorDialog::TextEditorDialog(QWidget* parent, const TextRequest& request) : QDialog(parent) {
  setWindowTitle("Artistic Text");
  auto* layout = new QVBoxLayout(this);
  m_text = new QPlainTextEdit(QString::fromStdString(request.text), this);
  m_text->setObjectName("text");
  m_text->setMinimumSize(kEditorWidth, kEditorTextHeight);
  layout->addWidget(m_text);
  auto* form = new QFormLayout;
  m_font = new QFontComboBox(this);
  m_font->setObjectName("font");
  m_font->setCurrentFont(QFont(QString::fromStdString(request.font.faceName)));
  form->addRow("Font:", m_font);
  m_size = new QDoubleSpinBox(this);
  m_size->setObjectName("size");
  m_size->setRange(kMinTextSize, kMaxTextSize);
  m_size->setDecimals(1);
  m_size->setValue(request.size);
  form->addRow("Size:", m_size);
  auto* style = new QHBoxLayout;
  m_bold = new QCheckBox("Bold", this);
  m_bold->setObjectName("bold");
  m_bold->setChecked(request.bold);
  m_italic = new QCheckBox("Italic", this);
  m_italic->setObjectName("italic");
  m_italic->setChecked(request.italic);
  style->addWidget(m_bold);
  style->addWidget(m_italic);
  style->addStretch();
  form->addRow("Style:", style);
  m_align = new QComboBox(this);
  m_align->setObjectName("align");
  m_align->addItems({"Left", "Center", "Right"});
  m_align->setCurrentIndex(std::clamp(request.align, 0, 2));
  form->addRow("Alignment:", m_align);
  layout->addLayout(form);
  AddOkCancel(*this);
  m_text->setFocus();
}

void TextEditorDialog::Fill(TextRequest* request) const {
  request->text = m_text->toPlainText().toStdString();
  // The face name as the font record keeps it, cut to its longest length.
  request->font.faceName = m_font->currentFont().family().left(int(CLogFont::kFaceNameMax)).toStdString();
  request->font.weight = m_bold->isChecked() ? 700 : 400;
  request->font.italic = m_italic->isChecked() ? 1 : 0;
  request->size = m_size->value();
  request->bold = m_bold->isChecked();
  request->italic = m_italic->isChecked();
  request->align = m_align->currentIndex();
}

BlueprintPositionDialog::BlueprintPositionDialog(QWidget* parent, int x, int y) : QDialog(parent) {
  setWindowTitle("Blueprint Position");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  m_x = MakeSpinBox(this, "x", -kMaxOffset, kMaxOffset, x);
  m_y = MakeSpinBox(this, "y", -kMaxOffset, kMaxOffset, y);
  form->addRow("X:", m_x);
  form->addRow("Y:", m_y);
  layout->addLayout(form);
  AddOkCancel(*this);
}

int BlueprintPositionDialog::X() const { return m_x->value(); }
int BlueprintPositionDialog::Y() const { return m_y->value(); }

namespace {
QString AskFile(QWidget* parent, const QString& title, const QStringList& filters) {
  QFileDialog dialog(parent, title);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(filters);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}
}  // namespace

QString AskPictureFile(QWidget* parent, const QString& title, bool withSvg) {
  QStringList filters{kPictureFilter};
  if (withSvg) filters << kSvgFilter;
  filters << kAllFilter;
  return AskFile(parent, title, filters);
}

QString AskImportFile(QWidget* parent) {
  return AskFile(parent, "Import", {kSvgFilter, kPictureFilter, kObjectFilter, kAllFilter});
}

}  // namespace tessel
