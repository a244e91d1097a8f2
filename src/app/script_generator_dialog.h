// The "Web/Multimedia Script Generator" dialog: a library of script templates (".mms"
// files of the Script folders), the template being edited ("Script" tab), the generated
// text ("Output" tab) and the file it is written to. Widgets carry object names for
// tests: "scriptList", "tabs", "scriptText", "outputText", "outputFile", "browseOutput",
// "generateClose", "justClose", "saveScript", "newScript", "deleteScript", "testScript".
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTabWidget;

namespace tessel {

class CVellumDoc;

class ScriptGeneratorDialog : public QDialog {
  Q_OBJECT
 public:
  // doc may be null: each loop body then appears once. Selects the template named by
  // the profile's `Script`/`Sel`, else the first one.
  ScriptGeneratorDialog(QWidget* parent, const CVellumDoc* doc);

  // The names of the templates (user folder and program folder, without ".mms"), sorted.
  static QStringList ScriptNames();
  // Fills the Output tab from the template and writes it to the output file. False when
  // the template lacks its start tag ("Can't find <#SCRIPTSTART>") or the file cannot be
  // written ("Cannot Create " and the path); the message has been shown.
  bool Generate();
  QString OutputPath() const;

  // Replaces opening the generated file with its associated program (tests); an empty
  // hook restores it. The hook returns false when nothing could open the file.
  using OpenHook = std::function<bool(const QString& path)>;
  static void SetOpenHook(OpenHook hook);

 private:
  QWidget* BuildLibraryColumn();
  void FillList(const QString& select);
  void LoadSelected();
  void SaveScript();
  void NewScript();
  void DeleteScript();
  void TestScript();
  void BrowseOutput();
  // Writes the template text under name into the user folder's Script folder.
  bool WriteTemplate(const QString& name);
  QString SelectedName() const;

  const CVellumDoc* m_doc;
  QListWidget* m_list = nullptr;
  QTabWidget* m_tabs = nullptr;
  QPlainTextEdit* m_script = nullptr;
  QPlainTextEdit* m_output = nullptr;
  QLineEdit* m_outputFile = nullptr;
};

}  // namespace tessel
