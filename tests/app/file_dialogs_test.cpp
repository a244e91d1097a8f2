// The Open and Save As dialogs: where they start, what they remember, the extension rule.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/shell.h"
#include "base/app_context.h"
#include "base/profile.h"
#include "base/user_messages.h"

namespace tessel {

class FileDialogsTest : public QObject {
  Q_OBJECT

 private:
  // Runs action on the file dialog as soon as it shows; records the folder it showed.
  static QString WhileOpen(QStringList* filters, std::function<void(QFileDialog&)> action,
                           const std::function<QString()>& ask) {
    QString shownFolder;
    QTimer::singleShot(0, [&]() {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      shownFolder = dialog->directory().absolutePath();
      if (filters) *filters = dialog->nameFilters();
      action(*dialog);
    });
    const QString chosen = ask();
    return shownFolder + QLatin1Char('|') + chosen;
  }

  static void MakeFile(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
  }

 private slots:
  void openStartsInSamplesThenInTheLastFolder() {
    QTemporaryDir program, user, other;
    QVERIFY(QDir(program.path()).mkdir(QStringLiteral("Samples")));
    CAppContext context(std::make_unique<CProfile>(), std::make_unique<CRecordingMessages>(),
                        AppPaths(program.path().toStdString(), user.path().toStdString()));
    const QString samples = QDir(program.path()).absoluteFilePath(QStringLiteral("Samples"));
    QStringList filters;
    QCOMPARE(WhileOpen(&filters, [](QFileDialog& d) { d.reject(); }, [] { return AskOpenFileName(nullptr); }),
             samples + QLatin1Char('|'));
    const QStringList expected{QStringLiteral("Tessel Projects (*.tsl)"), QStringLiteral("Sketchlet Projects (*.mnx)"),
                               QStringLiteral("Rich JPG (*.jpg *.jpeg)")};
    QCOMPARE(filters.mid(0, 3), expected);
    QVERIFY(filters.value(3).startsWith(QStringLiteral("Pictures (")));
    QCOMPARE(filters.value(4), QStringLiteral("All files (*)"));

    // A file chosen elsewhere moves the next start there.
    const QString chosen = QDir(other.path()).absoluteFilePath(QStringLiteral("poster.tsl"));
    MakeFile(chosen);
    QCOMPARE(WhileOpen(nullptr, [&](QFileDialog& d) { d.selectFile(chosen); static_cast<QDialog&>(d).accept(); },
                       [] { return AskOpenFileName(nullptr); }),
             samples + QLatin1Char('|') + chosen);
    const QString next = WhileOpen(nullptr, [](QFileDialog& d) { d.reject(); }, [] { return AskOpenFileName(nullptr); });
    QCOMPARE(next, QDir(other.path()).absolutePath() + QLatin1Char('|'));
  }

  void saveAsAddsTheProjectExtension() {
    QTemporaryDir folder;
    CAppContext context;
    const QString suggested = QDir(folder.path()).absoluteFilePath(QStringLiteral("drawing.tsl"));
    const QString typed = QDir(folder.path()).absoluteFilePath(QStringLiteral("copy"));
    const QString result = WhileOpen(nullptr, [&](QFileDialog& d) { d.selectFile(typed); static_cast<QDialog&>(d).accept(); },
                                     [&] { return AskSaveFileName(nullptr, suggested); });
    QCOMPARE(result, QDir(folder.path()).absolutePath() + QLatin1Char('|') + typed + QStringLiteral(".tsl"));
  }
};

// Runs the file dialog tests; the GUI test program's main calls this beside its own cases.
int RunFileDialogTests(int argc, char** argv) {
  FileDialogsTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace tessel

#include "file_dialogs_test.moc"
