// The timers of a document window: the automatic backup and the deferred rebuild of
// compact packages.
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "app/shell.h"
#include "base/app_context.h"
#include "base/user_messages.h"
#include "document/backup.h"
#include "document/package.h"

namespace tessel {

namespace {
constexpr int kMsPerMinute = 60 * 1000;
constexpr int kRebuildDelayMs = 200;
constexpr char kRebuildText[] = "Rebuilding Packages...";

// While the backup is switched off the setting is looked at again every minute, so
// switching it on in "General Settings" takes effect without reopening the document.
int NextBackupDelayMs(bool* backupDue) {
  const int minutes = BackupIntervalMinutes(App().Profile());
  *backupDue = minutes >= 1;
  return (minutes >= 1 ? minutes : 1) * kMsPerMinute;
}

void StartBackupTimer(QObject* owner, CVellumDoc& doc) {
  auto* timer = new QTimer(owner);
  timer->setSingleShot(true);
  auto due = std::make_shared<bool>(false);
  QObject::connect(timer, &QTimer::timeout, owner, [timer, due, &doc]() {
    if (*due) WriteBackup(doc, BackupPath());
    timer->start(NextBackupDelayMs(due.get()));
  });
  timer->start(NextBackupDelayMs(due.get()));
}

void RebuildPackages(CVellumDoc& doc, const std::function<void()>& repaint) {
  if (!HasCompactedPackages(doc)) return;
  IUserMessages& messages = App().Messages();
  messages.Progress(0, 1, kRebuildText);
  std::vector<std::string> failures;
  RebuildCompactedPackages(doc, &failures);
  messages.Progress(1, 1, kRebuildText);
  for (const std::string& text : failures) messages.Message(text, MsgButtons::kOk);
  repaint();
}
}  // namespace

void StartDocumentTimers(QObject* owner, CVellumDoc& doc, std::function<void()> repaint) {
  StartBackupTimer(owner, doc);
  auto* rebuild = new QTimer(owner);
  rebuild->setSingleShot(true);
  QObject::connect(rebuild, &QTimer::timeout, owner,
                   [&doc, repaint = std::move(repaint)]() { RebuildPackages(doc, repaint); });
  rebuild->start(kRebuildDelayMs);
}

}  // namespace tessel
