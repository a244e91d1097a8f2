// Start-up after the main window shows: crash recovery or the command-line files, and
// the "Backup"/"Running" flag.
#include <QTimer>

#include "app/main_window.h"
#include "app/shell.h"
#include "base/app_context.h"
#include "base/user_messages.h"
#include "document/backup.h"
#include "document/vellum_doc.h"

namespace tessel {

namespace {
constexpr int kStartupDelayMs = 200;

// Opens the backup as an untitled document, so that Save asks where to put it rather
// than overwriting the backup. False when the user declined or it could not be read.
bool RecoverBackup(MainWindow& window) {
  if (App().Messages().Message(kRecoveryQuestion, MsgButtons::kYesNo) != MsgAnswer::kYes) return false;
  if (!window.OpenFile(QString::fromStdString(BackupPath()))) return false;
  if (CVellumDoc* doc = window.ActiveDocument()) {
    doc->m_pathName.clear();
    doc->m_modified = true;
  }
  return true;
}
}  // namespace

void ScheduleStartup(MainWindow& window, const QStringList& files) {
  QTimer::singleShot(kStartupDelayMs, &window, [&window, files]() {
    bool opened = PreviousRunCrashed(App().Profile()) && RecoverBackup(window);
    if (!opened) {
      for (const QString& f : files) opened |= window.OpenFile(f);
    }
    // A start whose files could not be read still shows a document.
    if (!opened) window.NewDocument();
    SetRunning(App().Profile(), true);
  });
}

void MarkOrderlyExit() {
  // A file-backed profile writes itself on every change, so this is the last word.
  SetRunning(App().Profile(), false);
}

}  // namespace tessel
