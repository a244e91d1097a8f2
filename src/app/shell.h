// The application shell around the main window: one running instance, crash recovery,
// the timers of a document window, the file dialogs, the document dialogs of the Edit,
// Canvas and File menus, and printing.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QObject;
class QWidget;

namespace tessel {

class CVellumDoc;
class CVellumView;
class MainWindow;

// ---- single_instance.cpp ----
// Claims the one running instance. When another instance runs, hands it the files and
// returns false (this process should end). Otherwise returns true; files that later
// starts hand over arrive through onFiles on the main thread.
bool ClaimSingleInstance(const QStringList& files, std::function<void(const QStringList&)> onFiles);

// ---- startup.cpp ----
// Shortly after the main window shows: asks the recovery question when the previous run
// did not end properly and opens the backup on Yes; otherwise opens the files named on
// the command line, or a new document. Then marks the program as running.
void ScheduleStartup(MainWindow& window, const QStringList& files);
// An orderly close: marks the program as no longer running.
void MarkOrderlyExit();

// ---- document_timers.cpp ----
// Starts the timers of a document window: the automatic backup every "Settings"/"Backup"
// minutes (re-read after each backup; below 1 stops it) and, once 200 ms after the first
// update, the rebuild of packages and clones stored compact. owner ends them.
void StartDocumentTimers(QObject* owner, CVellumDoc& doc, std::function<void()> repaint);

// ---- file_dialogs.cpp ----
// The Open dialog (projects, Sketchlet projects, Rich JPG, pictures), starting in the
// Samples folder the first time. Empty when cancelled.
QString AskOpenFileName(QWidget* parent);
// The Save As dialog for projects; the name gets ".tsl" when it has no extension.
QString AskSaveFileName(QWidget* parent, const QString& suggested);
// name with ".tsl" appended when it has no extension ("" stays "").
QString WithProjectExtension(const QString& name);

// ---- document_dialogs.cpp ----
// Each returns true when the user pressed OK and the document (or profile) changed;
// the caller then updates the document's views. The dialogs themselves are declared in
// app/document_dialogs.h.
// "Size and Color..." (refusals shown, dialog stays open).
bool RunSizeAndColorDialog(QWidget* parent, CVellumDoc& doc);
// "Edit Guidelines && Grid..." ("Guidelines & Grid").
bool RunGuidelinesDialog(QWidget* parent, CVellumDoc& doc);
// "Production Notes...".
bool RunProductionNotesDialog(QWidget* parent, CVellumDoc& doc);
// "General Settings..."; doc (may be null) receives the new undo levels.
bool RunGeneralSettingsDialog(QWidget* parent, CVellumDoc* doc);

// ---- print.cpp ----
// "Print...": Qt's print dialog, then the canvas composite fitted to the page.
void PrintDocument(QWidget* parent, CVellumDoc& doc);

}  // namespace tessel
