// The document dialogs, driven through their named widgets: refusals keep the dialog
// open and the document unchanged; accepted values reach the document and profile.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "app/document_dialogs.h"
#include "app/shell.h"
#include "base/app_context.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "document/vellum_doc.h"

namespace tessel {

class DialogsTest : public QObject {
  Q_OBJECT

 private:
  static CRecordingMessages& Recorder() { return static_cast<CRecordingMessages&>(App().Messages()); }

  template <typename T>
  static T* Field(QDialog& dialog, const char* name) {
    T* w = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!w) qFatal("no widget named %s", name);
    return w;
  }

  static void PressOk(QDialog& dialog) {
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  }

  // Fills the size fields, presses OK; returns the messages shown.
  static std::vector<std::string> TrySize(SizeColorDialog& dialog, int width, int height) {
    Recorder().Clear();
    Field<QSpinBox>(dialog, "width")->setValue(width);
    Field<QSpinBox>(dialog, "height")->setValue(height);
    PressOk(dialog);
    return Recorder().MessageTexts();
  }

 private slots:
  void sizeRefusalsKeepTheDialogOpenAndTheCanvas() {
    CAppContext context;
    CVellumDoc doc;
    SizeColorDialog dialog(nullptr, doc);
    const std::vector<std::string> tooWide{"The maximum size allowed is 1800 x 1500"};
    const std::vector<std::string> tooSmall{"The size must be bigger than 0 in both directions."};
    QCOMPARE(TrySize(dialog, 1801, 10), tooWide);
    QCOMPARE(TrySize(dialog, 10, 1501), tooWide);
    QCOMPARE(TrySize(dialog, -5, 10), tooWide);  // negative sizes count as huge
    QCOMPARE(TrySize(dialog, 0, 10), tooSmall);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(doc.m_width, 400);
    QCOMPARE(doc.m_height, 300);
    QVERIFY(!doc.m_modified);
  }

  void acceptedSizeSetsCanvasColourAndOptions() {
    CAppContext context;
    CVellumDoc doc;
    SizeColorDialog dialog(nullptr, doc);
    dialog.SetBackground(0x00336699);
    Field<QCheckBox>(dialog, "sizeOption2")->setChecked(true);
    QVERIFY(TrySize(dialog, 1800, 1500).empty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(doc.m_width, 1800);
    QCOMPARE(doc.m_height, 1500);
    QCOMPARE(doc.m_background, COLORREF(0x00336699));
    QCOMPARE(doc.m_sizeFlag1, 0);
    QCOMPARE(doc.m_sizeFlag2, 1);
  }

  void guidelinesShowOnePositionALine() {
    CAppContext context;
    CVellumDoc doc;
    doc.m_guidesV = {10, -4};
    doc.m_guidesH = {250};
    GuidelinesDialog dialog(nullptr, doc);
    QCOMPARE(Field<QPlainTextEdit>(dialog, "vertical")->toPlainText(), QStringLiteral("10\n-4\n"));
    QCOMPARE(Field<QPlainTextEdit>(dialog, "horizontal")->toPlainText(), QStringLiteral("250\n"));
  }

  void gridBelowFiveIsRefusedAndChangesNothing() {
    CAppContext context;
    CVellumDoc doc;
    GuidelinesDialog dialog(nullptr, doc);
    Field<QPlainTextEdit>(dialog, "vertical")->setPlainText(QStringLiteral("77"));
    Field<QSpinBox>(dialog, "distance")->setValue(4);
    PressOk(dialog);
    const std::vector<std::string> refused{
        "Minimal Grid settings is 5 pixels.\nTo switch Grid On/Off use menu Edit - Snap to Grid"};
    QCOMPARE(Recorder().MessageTexts(), refused);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(doc.m_guidesV.empty());
    QCOMPARE(doc.m_gridDistance, 20);
    QCOMPARE(App().Profile().GetInt("Grid", "Num", -1), -1);
  }

  void guidelinesTextIsParsedAndGridStored() {
    CAppContext context;
    CVellumDoc doc;
    doc.m_guidesH = {1, 2, 3};
    GuidelinesDialog dialog(nullptr, doc);
    Field<QPlainTextEdit>(dialog, "vertical")->setPlainText(QStringLiteral("10\n\nabc\n30"));
    Field<QPlainTextEdit>(dialog, "horizontal")->setPlainText(QString());
    Field<QSpinBox>(dialog, "distance")->setValue(5);
    PressOk(dialog);
    QVERIFY(Recorder().MessageTexts().empty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(doc.m_guidesV, (std::vector<int32_t>{10, 0, 30}));
    QVERIFY(doc.m_guidesH.empty());
    QCOMPARE(doc.m_gridDistance, 5);
    QCOMPARE(App().Profile().GetInt("Grid", "Num", -1), 5);
  }

  void productionNotesKeepWindowsLineEnds() {
    CAppContext context;
    CVellumDoc doc;
    doc.m_notes = "first\r\nsecond";
    ProductionNotesDialog dialog(nullptr, doc);
    QCOMPARE(Field<QPlainTextEdit>(dialog, "notes")->toPlainText(), QStringLiteral("first\nsecond"));
    PressOk(dialog);
    QCOMPARE(doc.m_notes, std::string("first\r\nsecond"));
    QVERIFY(!doc.m_modified);  // nothing was edited

    ProductionNotesDialog edit(nullptr, doc);
    Field<QLineEdit>(edit, "author")->setText(QStringLiteral("Ada"));
    Field<QLineEdit>(edit, "rights")->setText(QStringLiteral("LOCK:"));
    Field<QPlainTextEdit>(edit, "notes")->setPlainText(QStringLiteral("a\nb\nc"));
    Field<QCheckBox>(edit, "showOnLoad")->setChecked(true);
    PressOk(edit);
    QCOMPARE(doc.m_notesAuthor, std::string("Ada"));
    QVERIFY(doc.IsLocked());
    QCOMPARE(doc.m_notes, std::string("a\r\nb\r\nc"));
    QCOMPARE(doc.m_showNotesOnLoad, 1);
    QVERIFY(doc.m_modified);
  }

  void generalSettingsReachProfileAndUndoLevels() {
    CAppContext context;
    CVellumDoc doc;
    GeneralSettingsDialog dialog(nullptr, &doc);
    QCOMPARE(Field<QSpinBox>(dialog, "undo")->value(), 4);
    QCOMPARE(Field<QSpinBox>(dialog, "undo")->maximum(), 30);
    Field<QSpinBox>(dialog, "undo")->setValue(12);
    Field<QSpinBox>(dialog, "backup")->setValue(0);
    Field<QSpinBox>(dialog, "defWidth")->setValue(640);
    Field<QComboBox>(dialog, "skin")->setCurrentText(QStringLiteral("Night"));
    Field<QCheckBox>(dialog, "embedTextures")->setChecked(true);
    PressOk(dialog);
    QCOMPARE(doc.m_undoLevels, 12);
    CProfile& p = App().Profile();
    QCOMPARE(p.GetInt("Settings", "Undo", -1), 12);
    QCOMPARE(p.GetInt("Settings", "Backup", -1), 0);
    QCOMPARE(p.GetInt("Settings", "DefWidth", -1), 640);
    QCOMPARE(p.GetInt("Settings", "STexture", -1), 1);
    QCOMPARE(p.GetString("GSettings", "Skin", ""), std::string("Night"));

    GeneralSettingsDialog withoutDocument(nullptr, nullptr);
    PressOk(withoutDocument);  // no document to update: must not crash
    QCOMPARE(p.GetInt("Settings", "Undo", -1), 12);
  }

  void saveNamesGetTheProjectExtension() {
    QCOMPARE(WithProjectExtension(QStringLiteral("/tmp/poster")), QStringLiteral("/tmp/poster.tsl"));
    QCOMPARE(WithProjectExtension(QStringLiteral("/tmp/poster.tsl")), QStringLiteral("/tmp/poster.tsl"));
    QCOMPARE(WithProjectExtension(QStringLiteral("/tmp/poster.old")), QStringLiteral("/tmp/poster.old"));
    QCOMPARE(WithProjectExtension(QStringLiteral("/tmp/my.dir/poster")), QStringLiteral("/tmp/my.dir/poster.tsl"));
    QCOMPARE(WithProjectExtension(QString()), QString());
  }
};

// Runs the dialog tests; the GUI test program's main calls this beside its own cases.
int RunDialogTests(int argc, char** argv) {
  DialogsTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace tessel

#include "dialogs_test.moc"
