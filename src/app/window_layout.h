// Keeping the main window's layout between runs: its geometry and the places of its
// docks and toolbars (each needs an objectName), in the profile section "Window".
#pragma once

class QMainWindow;

namespace tessel {

// Restores the layout saved in the profile when window is first shown (by then every
// dock and toolbar exists) and saves it whenever window is asked to close.
void KeepWindowLayout(QMainWindow& window);
// Writes window's layout to the profile now.
void SaveWindowLayout(const QMainWindow& window);
// Applies the layout saved in the profile; false when none is saved or it does not fit.
bool RestoreWindowLayout(QMainWindow& window);

}  // namespace tessel
