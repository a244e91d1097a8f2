// "Production Notes": the six note strings and whether they show when the project loads.
#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/document_dialogs.h"
#include "document/vellum_doc.h"

namespace tessel {

namespace {
// The notes keep "\r\n" line ends in the document; the edit works with "\n".
const QString kCrLf = QStringLiteral("\r\n");

QLineEdit* MakeLine(QWidget* parent, const char* name, const std::string& text) {
  auto* edit = new QLineEdit(QString::fromStdString(text), parent);
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

// Stores a field's new text; true when it differs.
bool Take(std::string& field, const QString& text) {
  std::string value = text.toStdString();
  if (value == field) return false;
  field = std::move(value);
  return true;
}
}  // namespace

ProductionNotesDialog::ProductionNotesDialog(QWidget* parent, CVellumDoc& doc) : QDialog(parent), m_doc(doc) {
  setWindowTitle(QStringLiteral("Production Notes"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  m_author = MakeLine(this, "author", doc.m_notesAuthor);
  m_project = MakeLine(this, "project", doc.m_notesProject);
  m_rights = MakeLine(this, "rights", doc.m_notesRights);
  m_version = MakeLine(this, "version", doc.m_notesVersion);
  m_date = MakeLine(this, "date", doc.m_notesDate);
  form->addRow(QStringLiteral("Author:"), m_author);
  form->addRow(QStringLiteral("Project"), m_project);
  form->addRow(QStringLiteral("(c)"), m_rights);
  form->addRow(QStringLiteral("Ver:"), m_version);
  form->addRow(QStringLiteral("Date:"), m_date);
  layout->addLayout(form);
  m_notes = new QPlainTextEdit(QString::fromStdString(doc.m_notes).replace(kCrLf, QStringLiteral("\n")), this);
  m_notes->setObjectName(QStringLiteral("notes"));
  layout->addWidget(m_notes);
  m_showOnLoad = new QCheckBox(QStringLiteral("Display on project load"), this);
  m_showOnLoad->setObjectName(QStringLiteral("showOnLoad"));
  m_showOnLoad->setChecked(doc.m_showNotesOnLoad != 0);
  layout->addWidget(m_showOnLoad);
  AddOkCancel(*this);
}

void ProductionNotesDialog::accept() {
  bool changed = Take(m_doc.m_notesAuthor, m_author->text());
  changed |= Take(m_doc.m_notesProject, m_project->text());
  changed |= Take(m_doc.m_notesRights, m_rights->text());
  changed |= Take(m_doc.m_notesVersion, m_version->text());
  changed |= Take(m_doc.m_notesDate, m_date->text());
  changed |= Take(m_doc.m_notes, m_notes->toPlainText().replace(QStringLiteral("\n"), kCrLf));
  const int32_t show = m_showOnLoad->isChecked() ? 1 : 0;
  changed |= show != m_doc.m_showNotesOnLoad;
  m_doc.m_showNotesOnLoad = show;
  if (changed) m_doc.m_modified = true;
  QDialog::accept();
}

}  // namespace tessel
