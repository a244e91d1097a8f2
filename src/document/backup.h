// The automatic backup ("backup.tsl" in the user folder) and crash recovery.
#pragma once

#include <string>

namespace tessel {

class CProfile;
class CVellumDoc;

constexpr char kRecoveryQuestion[] =
    "It seems that last time the software didn't close properly.\n"
    "Do you want to try to recover the last document from a backup?";

// The backup file of the current application context.
std::string BackupPath();
// Writes the whole document (uncompressed, no preview, frames untouched) to path with
// the status texts "Doing Backup ...", then "Backup Finished (Backup.tsl)" or "Backup
// Failed...". The previous backup survives a failed write.
bool WriteBackup(CVellumDoc& doc, const std::string& path);
// Minutes between backups ("Settings"/"Backup", default 5); 0 when switched off.
int BackupIntervalMinutes(const CProfile& profile);
// "Backup"/"Running" is 1 when the previous run did not end properly.
bool PreviousRunCrashed(const CProfile& profile);
// Sets "Backup"/"Running": 1 at start-up, 0 on an orderly close.
void SetRunning(CProfile& profile, bool running);

}  // namespace tessel
