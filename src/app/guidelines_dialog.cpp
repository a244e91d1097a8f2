// "Guidelines & Grid": guideline positions one a line, and the grid distance.
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/document_dialogs.h"
#include "base/app_context.h"
#include "base/profile.h"
#include "document/vellum_doc.h"
#include "view/guidelines_text.h"

namespace tessel {

namespace {
constexpr int kEntryLimit = 99999;  // below 5 may be typed, so that the check refuses it

QPlainTextEdit* MakeGuideEdit(QWidget* parent, const char* name, const std::vector<int32_t>& positions) {
  auto* edit = new QPlainTextEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  // The edit works with "\n" line ends.
  edit->setPlainText(QString::fromStdString(FormatGuidelineText(positions)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  return edit;
}

QVBoxLayout* Labelled(const QString& label, QWidget* widget) {
  auto* column = new QVBoxLayout;
  column->addWidget(new QLabel(label, widget->parentWidget()));
  column->addWidget(widget);
  return column;
}
}  // namespace

GuidelinesDialog::GuidelinesDialog(QWidget* parent, CVellumDoc& doc) : QDialog(parent), m_doc(doc) {
  setWindowTitle(QStringLiteral("Guidelines & Grid"));
  auto* layout = new QVBoxLayout(this);
  m_vertical = MakeGuideEdit(this, "vertical", doc.m_guidesV);
  m_horizontal = MakeGuideEdit(this, "horizontal", doc.m_guidesH);
  auto* edits = new QHBoxLayout;
  edits->addLayout(Labelled(QStringLiteral("Vertical"), m_vertical));
  edits->addLayout(Labelled(QStringLiteral("Horizontal"), m_horizontal));
  layout->addLayout(edits);
  m_distance = MakeSpinBox(this, "distance", -kEntryLimit, kEntryLimit, doc.m_gridDistance);
  auto* grid = new QHBoxLayout;
  grid->addWidget(new QLabel(QStringLiteral("Distance:"), this));
  grid->addWidget(m_distance);
  grid->addWidget(new QLabel(QStringLiteral("pixels"), this));
  layout->addLayout(grid);
  AddOkCancel(*this);
}

void GuidelinesDialog::accept() {
  const int distance = m_distance->value();
  const std::string refusal = CheckGridDistance(distance);
  if (!refusal.empty()) {
    ShowRefusal(refusal);
    return;
  }
  m_doc.SetGuidelines(ParseGuidelineText(m_vertical->toPlainText().toStdString()),
                      ParseGuidelineText(m_horizontal->toPlainText().toStdString()), distance);
  App().Profile().WriteInt("Grid", "Num", distance);
  QDialog::accept();
}

}  // namespace tessel
