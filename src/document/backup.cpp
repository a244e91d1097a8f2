#include "document/backup.h"

#include "base/app_context.h"
#include "base/archive.h"
#include "base/profile.h"
#include "base/safe_file.h"
#include "base/user_messages.h"
#include "document/project_file.h"
#include "document/vellum_doc.h"

namespace tessel {

std::string BackupPath() { return App().Paths().UserFile("backup.tsl"); }

bool WriteBackup(CVellumDoc& doc, const std::string& path) {
  IUserMessages& ui = App().Messages();
  doc.m_backupBusy = 1;
  ui.Status("Doing Backup ...");
  bool ok = false;
  try {
    CArchive ar;
    App().m_compressBitmaps = false;
    WriteProject(ar, doc, true);
    ok = WriteFileSafely(path, ar.Buffer().data(), ar.Buffer().size(), nullptr, /*createDirs=*/true);
  } catch (const CArchiveException&) {
    ok = false;
  }
  ui.Status(ok ? "Backup Finished (Backup.tsl)" : "Backup Failed...");
  doc.m_backupBusy = 0;
  return ok;
}

int BackupIntervalMinutes(const CProfile& profile) {
  const int minutes = profile.GetInt("Settings", "Backup", 5);
  return minutes < 1 ? 0 : minutes;
}

bool PreviousRunCrashed(const CProfile& profile) { return profile.GetInt("Backup", "Running", 0) == 1; }

void SetRunning(CProfile& profile, bool running) { profile.WriteInt("Backup", "Running", running ? 1 : 0); }

}  // namespace tessel
