// Placeholders of the shell functions while they are being written; each is removed
// here when its own file implements it.
#include "app/shell.h"

namespace tessel {

bool ClaimSingleInstance(const QStringList&, std::function<void(const QStringList&)>) { return true; }
void ScheduleStartup(MainWindow&, const QStringList&) {}
void MarkOrderlyExit() {}
void StartDocumentTimers(QObject*, CVellumDoc&, std::function<void()>) {}
QString AskOpenFileName(QWidget*) { return {}; }
QString AskSaveFileName(QWidget*, const QString&) { return {}; }
bool RunSizeAndColorDialog(QWidget*, CVellumDoc&) { return false; }
bool RunGuidelinesDialog(QWidget*, CVellumDoc&) { return false; }
bool RunProductionNotesDialog(QWidget*, CVellumDoc&) { return false; }
bool RunGeneralSettingsDialog(QWidget*, CVellumDoc*) { return false; }
void PrintDocument(QWidget*, CVellumDoc&) {}

}  // namespace tessel
