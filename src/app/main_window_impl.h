// The private state of MainWindow, shared by its source files (main_window.cpp builds
// the frame and routes commands, main_window_files.cpp opens, saves and closes).
#pragma once

#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <map>
#include <string>
#include <vector>

#include "app/app_commands.h"
#include "app/main_window.h"

class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QProgressBar;

namespace tessel {
class BrushLibraryDock;
class IDocumentFollower;
class PaintToolPanel;
class ToolValueBar;
}

namespace tessel {

struct MainWindow::Impl {
  explicit Impl(MainWindow& window) : self(window) {}

  // ---- main_window.cpp ----
  void BuildActions();
  void BuildMenus();
  void BuildToolbars();
  void BuildStatusBar();
  void OnAppCommand(AppCommand id);
  void OnViewCommand(ViewCommand id);
  void OnZoomEntry(int index);
  // Everything that shows the active document follows it (after a command or gesture).
  void AfterEdit(bool objectsChanged);
  void OnWindowActivated();
  void ShowContextMenu(const QPoint& globalPos);
  void UpdateTitles();
  void ShowHelp();
  void ShowAbout();

  // ---- main_window_files.cpp ----
  DocumentWindow* AddWindow(std::unique_ptr<CVellumDoc> doc);
  bool Save(DocumentWindow& window);
  bool SaveAs(DocumentWindow& window);
  void Export();
  // File > Import: asks for a file and adds its content to the window's document.
  void Import(DocumentWindow& window);
  bool ConfirmClose(DocumentWindow& window);
  QStringList RecentFiles() const;
  void AddRecent(const QString& path);
  void UpdateRecentMenu();
  void OpenRecent(int index);
  // The untouched new document of the active tab (no objects, no file, unmodified).
  QMdiSubWindow* UntouchedNewDocument() const;

  MainWindow& self;
  QMdiArea* mdi = nullptr;
  std::map<std::string, QAction*> actions;
  std::vector<std::pair<ViewCommand, QAction*>> viewActions;
  std::vector<std::pair<AppCommand, QAction*>> appActions;
  QComboBox* zoomCombo = nullptr;
  QLabel* status = nullptr;
  QProgressBar* progress = nullptr;
  LayersDock* layers = nullptr;
  ObjectBar* objectBar = nullptr;
  ToolValueBar* toolValueBar = nullptr;
  std::vector<IDocumentFollower*> followers;

  // ---- property bars ----


  // ---- Bitmap menu ----

  // ---- export and script generator ----
  // File > "Web/Multimedia Script Generator..." on the window's document.
  void RunScriptGenerator(DocumentWindow& window);

  // ---- Quick Styles and object library windows ----
  // (library_windows_install.cpp) Makes both windows, following the active document.
  void InstallLibraryWindows();
  // Shows and raises the window of kQuickStyles or kObjectLibrary.
  void RevealLibraryWindow(AppCommand id);
  class QuickStylesWindow* quickStyles = nullptr;
  class ObjectLibraryWindow* objectLibrary = nullptr;

  // ---- Mutaflux, brushes and settings ----
  BrushLibraryDock* brushLibrary = nullptr;

  // ---- painting editor ----
  PaintToolPanel* paintPanel = nullptr;

  QTimer refreshTimer;
  QPointer<QMdiSubWindow> lastActive;
  int untitledCount = 0;
};

}  // namespace tessel
