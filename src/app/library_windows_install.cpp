// The main window's part of the library windows: both are made with the frame, follow
// its active document and open from the View menu.
#include "app/library_tool_window.h"
#include "app/main_window_impl.h"
#include "app/object_library_window.h"
#include "app/quick_styles_window.h"

namespace tessel {

void MainWindow::Impl::InstallLibraryWindows() {
  quickStyles = new QuickStylesWindow(self);
  self.AddFollower(quickStyles);
  objectLibrary = new ObjectLibraryWindow(self);
  self.AddFollower(objectLibrary);
}

void MainWindow::Impl::RevealLibraryWindow(AppCommand id) {
  LibraryToolWindow* window = nullptr;
  if (id == AppCommand::kQuickStyles) window = quickStyles;
  if (id == AppCommand::kObjectLibrary) window = objectLibrary;
  if (window) window->Reveal();
}

}  // namespace tessel
