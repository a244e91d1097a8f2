// "General Settings": the profile values of new documents, trimming, backup, undo, the
// skin and the tablet.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/app_painting_state.h"
#include "app/app_style.h"
#include "app/document_dialogs.h"
#include "app/tablet_status.h"
#include "base/app_context.h"
#include "document/vellum_doc.h"
#include "paint/pressure_source.h"
#include "view/general_settings.h"

namespace tessel {

namespace {
constexpr int kMaxPadding = 1000;
constexpr int kMaxCanvasWidth = 1800;
constexpr int kMaxCanvasHeight = 1500;
constexpr int kMaxBackupMinutes = 24 * 60;

// The skin files of the user's and the program's Skin folders, each name once.
QStringList SkinNames() {
  QStringList names;
  for (const std::string& root : {App().Paths().UserFolder(), App().Paths().ProgramFolder()}) {
    for (const QString& f : QDir(QString::fromStdString(root + "/Skin")).entryList(QDir::Files, QDir::Name))
      if (!names.contains(f)) names << f;
  }
  return names;
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& label, bool checked) {
  auto* box = new QCheckBox(label, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setChecked(checked);
  return box;
}
}  // namespace

GeneralSettingsDialog::GeneralSettingsDialog(QWidget* parent, CVellumDoc* doc) : QDialog(parent), m_doc(doc) {
  setWindowTitle(QStringLiteral("General Settings"));
  const GeneralSettings s = LoadGeneralSettings(App().Profile());
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  m_defWidth = MakeSpinBox(this, "defWidth", 1, kMaxCanvasWidth, s.defWidth);
  m_defHeight = MakeSpinBox(this, "defHeight", 1, kMaxCanvasHeight, s.defHeight);
  m_padding = MakeSpinBox(this, "padding", 0, kMaxPadding, s.padding);
  m_backup = MakeSpinBox(this, "backup", 0, kMaxBackupMinutes, s.backupMinutes);
  m_backup->setSpecialValueText(QStringLiteral("Off"));
  m_undo = MakeSpinBox(this, "undo", 0, GeneralSettings::kMaxUndoLevels, s.undoLevels);
  m_skin = new QComboBox(this);
  m_skin->setObjectName(QStringLiteral("skin"));
  m_skin->setEditable(true);
  m_skin->addItems(SkinNames());
  m_skin->setCurrentText(QString::fromStdString(s.skin));
  form->addRow(QStringLiteral("New canvas width:"), m_defWidth);
  form->addRow(QStringLiteral("New canvas height:"), m_defHeight);
  form->addRow(QStringLiteral("Trim padding (pixels):"), m_padding);
  form->addRow(QStringLiteral("Backup every (minutes):"), m_backup);
  form->addRow(QStringLiteral("Undo levels:"), m_undo);
  form->addRow(QStringLiteral("Skin:"), m_skin);
  m_theme = new QComboBox(this);
  m_theme->setObjectName(QStringLiteral("theme"));
  m_theme->addItems({QStringLiteral("Light"), QStringLiteral("Dark")});
  m_theme->setCurrentIndex(LoadAppTheme(App().Profile()) == AppTheme::kDark ? 1 : 0);
  form->addRow(QStringLiteral("Style:"), m_theme);
  layout->addLayout(form);
  m_embedTextures = MakeCheck(this, "embedTextures", QStringLiteral("Store textures in the project file"), s.embedTextures);
  m_tablet = MakeCheck(this, "tablet", QStringLiteral("Enable Pressure Sensitive Brushes"), s.tablet);
  layout->addWidget(m_embedTextures);
  layout->addWidget(m_tablet);
  // Which tablet the window system reports; without one the switch could only be ticked
  // in vain.
  const std::string tabletText = TabletStatusText();
  m_tabletInfo = new QLabel(QString::fromStdString(tabletText), this);
  m_tabletInfo->setObjectName(QStringLiteral("tabletInfo"));
  m_tablet->setEnabled(TabletCheckboxEnabled(tabletText));
  layout->addWidget(m_tabletInfo);
  AddOkCancel(*this);
}

void GeneralSettingsDialog::accept() {
  GeneralSettings s;
  s.padding = m_padding->value();
  s.embedTextures = m_embedTextures->isChecked();
  s.defWidth = m_defWidth->value();
  s.defHeight = m_defHeight->value();
  s.backupMinutes = m_backup->value();
  s.undoLevels = m_undo->value();
  s.skin = m_skin->currentText().toStdString();
  s.tablet = m_tablet->isChecked();
  s.Clamp();
  const AppTheme theme = m_theme->currentIndex() == 1 ? AppTheme::kDark : AppTheme::kLight;
  const bool saved = SaveGeneralSettings(App().Profile(), s);
  if (!(SaveAppTheme(App().Profile(), theme) && saved)) ShowRefusal("The settings could not be saved.");
  if (m_doc) m_doc->m_undoLevels = s.undoLevels;
  ApplyTabletSetting(s.tablet);
  ApplyAppTheme(theme);
  QDialog::accept();
}

}  // namespace tessel
