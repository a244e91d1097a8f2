// The shell's single instance hand-over and the deferred package rebuild.
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/shell.h"
#include "base/app_context.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/package.h"
#include "document/vellum_doc.h"

namespace tessel {

class ShellTest : public QObject {
  Q_OBJECT

 private slots:
  // A second claim in the same user's runtime folder hands its files, made absolute,
  // to the first one and is told to end.
  void secondStartHandsOverItsFiles() {
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QList<QStringList> received;
    QVERIFY(ClaimSingleInstance({}, [&received](const QStringList& f) { received << f; }));
    QVERIFY(!ClaimSingleInstance({QStringLiteral("poster.tsl"), QStringLiteral("/tmp/a b.tsl")},
                                 [](const QStringList&) { QFAIL("the second start must not listen"); }));
    QTRY_COMPARE(received.size(), 1);
    const QStringList expected{QDir::current().absoluteFilePath(QStringLiteral("poster.tsl")),
                               QStringLiteral("/tmp/a b.tsl")};
    QCOMPARE(received.first(), expected);
    // A start without files still reaches the first (which raises its window).
    QVERIFY(!ClaimSingleInstance({}, [](const QStringList&) {}));
    QTRY_COMPARE(received.size(), 2);
    QVERIFY(received.last().isEmpty());
  }

  // A lock left behind by a crashed run (its process is gone) does not keep the
  // program from starting.
  void staleLockOfACrashedRunIsTakenOver() {
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QFile stale(runtime.filePath(QStringLiteral("tessel-%1.lock").arg(getuid())));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    // The pid of a child that has ended: no process runs under it now.
    const pid_t dead = fork();
    if (dead == 0) _exit(0);
    QVERIFY(dead > 0);
    waitpid(dead, nullptr, 0);
    stale.write(QByteArray::number(dead) + "\ntessel\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    int handedOver = 0;
    QVERIFY(ClaimSingleInstance({}, [&handedOver](const QStringList&) { ++handedOver; }));
    // It holds the lock now and listens: the next start hands over to it.
    QVERIFY(!ClaimSingleInstance({}, [](const QStringList&) {}));
    QTRY_COMPARE(handedOver, 1);
  }

  void compactPackagesAreRebuiltShortlyAfterOpening() {
    CAppContext context;
    CVellumDoc doc;
    CDrawObject* box = doc.NewObject();
    box->CreateRectangle(10, 10, 30, 20);
    CDrawObject* package = CreatePackage(doc, {box});
    QVERIFY(package);
    QCOMPARE(CompactPackages(doc), 1);
    QVERIFY(HasCompactedPackages(doc));

    QObject owner;
    int repaints = 0;
    StartDocumentTimers(&owner, doc, [&repaints]() { ++repaints; });
    QCOMPARE(repaints, 0);  // not at once: the window shows first
    QTRY_COMPARE(repaints, 1);
    QVERIFY(!HasCompactedPackages(doc));
    auto& recorder = static_cast<CRecordingMessages&>(App().Messages());
    QVERIFY(recorder.ProgressCalls() >= 1);
    QVERIFY(recorder.MessageTexts().empty());
  }

  void documentWithoutPackagesIsNotRepainted() {
    CAppContext context;
    CVellumDoc doc;
    int repaints = 0;
    {
      QObject owner;
      StartDocumentTimers(&owner, doc, [&repaints]() { ++repaints; });
      QTest::qWait(400);
    }
    QCOMPARE(repaints, 0);
    QCOMPARE(static_cast<CRecordingMessages&>(App().Messages()).ProgressCalls(), 0);
  }

  // The timers belong to their owner: once it is gone nothing fires into the document.
  void timersEndWithTheirOwner() {
    CAppContext context;
    auto doc = std::make_unique<CVellumDoc>();
    CDrawObject* box = doc->NewObject();
    box->CreateRectangle(0, 0, 8, 8);
    CreatePackage(*doc, {box});
    CompactPackages(*doc);
    int repaints = 0;
    auto owner = std::make_unique<QObject>();
    StartDocumentTimers(owner.get(), *doc, [&repaints]() { ++repaints; });
    owner.reset();
    doc.reset();
    QTest::qWait(400);
    QCOMPARE(repaints, 0);
  }
};

// Runs the shell tests; the GUI test program's main calls this beside its own cases.
int RunShellTests(int argc, char** argv) {
  ShellTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace tessel

#include "shell_test.moc"
