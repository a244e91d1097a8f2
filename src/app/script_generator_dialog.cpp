// The script generator dialog over the core's GenerateScript.
#include "app/script_generator_dialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <set>

#include "base/app_context.h"
#include "base/app_paths.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "document/vellum_doc.h"
#include "export/script_generator.h"

namespace tessel {

namespace {
constexpr char kFolder[] = "Script";
constexpr char kSuffix[] = ".mms";
constexpr char kSection[] = "Script";
constexpr char kSelectedKey[] = "Sel";
constexpr char kImageExtension[] = "png";  // unless the template names its own
constexpr char kOutputName[] = "index.html";
constexpr char kNoAssociation[] = "There is no association in windows with this fyle type";
constexpr int kTextWidth = 520;
constexpr int kTextHeight = 360;
constexpr int kBrowseWidthFactor = 3;

ScriptGeneratorDialog::OpenHook& Hook() {
  static ScriptGeneratorDialog::OpenHook hook;
  return hook;
}

QString UserScriptPath(const QString& name) {
  return QString::fromStdString(App().Paths().UserFolder()) + "/" + kFolder + "/" + name + kSuffix;
}

QString FoundScriptPath(const QString& name) {
  return QString::fromStdString(App().Paths().Find(kFolder, (name + kSuffix).toStdString()));
}

// The document's title with ".html" in its folder when that folder takes files, else
// in the home folder.
QString DefaultOutputPath(const CVellumDoc* doc) {
  if (!doc || doc->m_pathName.empty()) return QDir::home().filePath(kOutputName);
  const QFileInfo project(QString::fromStdString(doc->m_pathName));
  const QString name = project.completeBaseName() + ".html";
  return QFileInfo(project.path()).isWritable() ? project.dir().filePath(name) : QDir::home().filePath(name);
}

QPushButton* Button(const char* text, const char* name) {
  auto* button = new QPushButton(text);
  button->setObjectName(name);
  return button;
}
}  // namespace

ScriptGeneratorDialog::ScriptGeneratorDialog(QWidget* parent, const CVellumDoc* doc) : QDialog(parent), m_doc(doc) {
  setWindowTitle("Web/Multimedia Script Generator");
  setObjectName("scriptGenerator");
  m_tabs = new QTabWidget;
  m_tabs->setObjectName("tabs");
  m_script = new QPlainTextEdit;
  m_script->setObjectName("scriptText");
  m_output = new QPlainTextEdit;
  m_output->setObjectName("outputText");
  m_output->setReadOnly(true);
  for (QPlainTextEdit* edit : {m_script, m_output}) edit->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_tabs->addTab(m_script, "Script");
  m_tabs->addTab(m_output, "Output");
  m_tabs->setMinimumSize(kTextWidth, kTextHeight);

  m_outputFile = new QLineEdit(DefaultOutputPath(doc));
  m_outputFile->setObjectName("outputFile");
  auto* browse = Button("...", "browseOutput");
  browse->setFixedWidth(browse->fontMetrics().horizontalAdvance("...") * kBrowseWidthFactor);
  auto* outputRow = new QHBoxLayout;
  outputRow->addWidget(new QLabel("Output File"));
  outputRow->addWidget(m_outputFile, 1);
  outputRow->addWidget(browse);

  auto* test = Button("TEST", "testScript");
  auto* generate = Button("Generate && Close", "generateClose");
  auto* justClose = Button("Just Close", "justClose");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(test);
  buttons->addStretch(1);
  buttons->addWidget(generate);
  buttons->addWidget(justClose);

  auto* columns = new QHBoxLayout;
  columns->addWidget(BuildLibraryColumn());
  columns->addWidget(m_tabs, 1);
  auto* all = new QVBoxLayout(this);
  all->addLayout(columns, 1);
  all->addLayout(outputRow);
  all->addLayout(buttons);

  connect(browse, &QPushButton::clicked, this, [this] { BrowseOutput(); });
  connect(test, &QPushButton::clicked, this, [this] { TestScript(); });
  connect(generate, &QPushButton::clicked, this, [this] {
    if (Generate()) accept();
  });
  connect(justClose, &QPushButton::clicked, this, &QDialog::reject);
  // Return in the output file name generates; the other buttons need a click.
  for (QPushButton* b : findChildren<QPushButton*>()) b->setAutoDefault(false);
  generate->setDefault(true);
  FillList(QString::fromStdString(App().Profile().GetString(kSection, kSelectedKey, "")));
  connect(m_list, &QListWidget::currentRowChanged, this, [this] { LoadSelected(); });
}

QWidget* ScriptGeneratorDialog::BuildLibraryColumn() {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  m_list = new QListWidget;
  m_list->setObjectName("scriptList");
  auto* save = Button("Save", "saveScript");
  auto* add = Button("New >", "newScript");
  auto* remove = Button("Del", "deleteScript");
  auto* row = new QHBoxLayout;
  for (QPushButton* b : {save, add, remove}) row->addWidget(b);
  layout->addWidget(new QLabel("Script Library:"));
  layout->addWidget(m_list, 1);
  layout->addLayout(row);
  connect(save, &QPushButton::clicked, this, [this] { SaveScript(); });
  connect(add, &QPushButton::clicked, this, [this] { NewScript(); });
  connect(remove, &QPushButton::clicked, this, [this] { DeleteScript(); });
  return column;
}

QStringList ScriptGeneratorDialog::ScriptNames() {
  std::set<QString> names;  // the user's copy and the program's share one entry
  for (const std::string& root : {App().Paths().UserFolder(), App().Paths().ProgramFolder()}) {
    if (root.empty()) continue;
    const QDir dir(QString::fromStdString(root) + "/" + kFolder);
    for (const QFileInfo& f : dir.entryInfoList({QString("*") + kSuffix}, QDir::Files))
      names.insert(f.completeBaseName());
  }
  return QStringList(names.begin(), names.end());
}

void ScriptGeneratorDialog::FillList(const QString& select) {
  const QSignalBlocker quiet(m_list);
  m_list->clear();
  m_list->addItems(ScriptNames());
  const QList<QListWidgetItem*> found = m_list->findItems(select, Qt::MatchExactly);
  m_list->setCurrentRow(found.isEmpty() ? 0 : m_list->row(found.first()));
  LoadSelected();
}

QString ScriptGeneratorDialog::SelectedName() const {
  const QListWidgetItem* item = m_list->currentItem();
  return item ? item->text() : QString();
}

void ScriptGeneratorDialog::LoadSelected() {
  const QString name = SelectedName();
  m_script->clear();
  if (name.isEmpty()) return;
  App().Profile().WriteString(kSection, kSelectedKey, name.toStdString());
  QFile file(FoundScriptPath(name));
  if (file.open(QIODevice::ReadOnly)) m_script->setPlainText(QString::fromUtf8(file.readAll()));
  m_tabs->setCurrentIndex(0);
}

QString ScriptGeneratorDialog::OutputPath() const { return m_outputFile->text().trimmed(); }

bool ScriptGeneratorDialog::Generate() {
  const QFileInfo output(OutputPath());
  CScriptInputs inputs;
  inputs.canvasWidth = m_doc ? m_doc->m_width : 0;
  inputs.canvasHeight = m_doc ? m_doc->m_height : 0;
  inputs.baseName = output.completeBaseName().toStdString();
  inputs.extension = kImageExtension;
  inputs.doc = m_doc;
  std::string error;
  const auto text = GenerateScript(m_script->toPlainText().toStdString(), inputs, &error);
  if (!text) {
    App().Messages().Message(error, MsgButtons::kOk);
    return false;
  }
  m_output->setPlainText(QString::fromStdString(*text));
  m_tabs->setCurrentIndex(1);
  QFile file(output.filePath());
  if (OutputPath().isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(text->data(), qint64(text->size())) != qint64(text->size())) {
    App().Messages().Message("Cannot Create " + OutputPath().toStdString(), MsgButtons::kOk);
    return false;
  }
  return true;
}

bool ScriptGeneratorDialog::WriteTemplate(const QString& name) {
  const QString path = UserScriptPath(name);
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  const QByteArray bytes = m_script->toPlainText().toUtf8();
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()) return true;
  App().Messages().Message("Cannot Create " + path.toStdString(), MsgButtons::kOk);
  return false;
}

void ScriptGeneratorDialog::SaveScript() {
  const QString name = SelectedName();
  if (!name.isEmpty()) WriteTemplate(name);
}

void ScriptGeneratorDialog::NewScript() {
  const auto answer = App().Messages().AskText("New Script", "Please specify a name for the new script");
  if (!answer) return;
  // The name becomes a file name in the Script folder.
  const QString name = QString::fromStdString(*answer).trimmed().remove('/');
  if (name.isEmpty() || !WriteTemplate(name)) return;
  const QString text = m_script->toPlainText();
  FillList(name);
  m_script->setPlainText(text);
}

void ScriptGeneratorDialog::DeleteScript() {
  const QString name = SelectedName();
  if (name.isEmpty()) return;
  const std::string question = "Do you want to delete the Script: " + name.toStdString();
  if (App().Messages().Message(question, MsgButtons::kYesNo) != MsgAnswer::kYes) return;
  const QString path = FoundScriptPath(name);
  if (!QFile::remove(path)) {
    App().Messages().Message("Cannot delete " + path.toStdString(), MsgButtons::kOk);
    return;
  }
  const int row = m_list->currentRow();
  FillList(QString());
  m_list->setCurrentRow(std::min(row, m_list->count() - 1));
}

void ScriptGeneratorDialog::TestScript() {
  if (!Generate()) return;
  const QString path = QFileInfo(OutputPath()).absoluteFilePath();
  const bool opened = Hook() ? Hook()(path) : QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  if (!opened) App().Messages().Message(kNoAssociation, MsgButtons::kOk);
}

void ScriptGeneratorDialog::BrowseOutput() {
  const QString path = QFileDialog::getSaveFileName(this, "Output File", OutputPath());
  if (!path.isEmpty()) m_outputFile->setText(path);
}

void ScriptGeneratorDialog::SetOpenHook(OpenHook hook) { Hook() = std::move(hook); }

}  // namespace tessel
