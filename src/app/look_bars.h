// The look bars of the main window ("Color & Texture", "Transparency", "Bevel"): docked on
// the right as tabs, each shown and hidden by its View menu command, and the window
// layout kept between runs.
#pragma once

#include "app/app_commands.h"

namespace tessel {

class MainWindow;

// Creates the three bars in main (docked right, tabbed together), ticks their View menu
// commands while they are shown, and restores the saved window layout when main is
// first shown and saves it whenever main closes.
void InstallLookBars(MainWindow& main);
// Shows the bar of command when it is hidden, brings it to the front when another bar's
// tab covers it, and hides it otherwise. False
// for a command that names no look bar.
bool ToggleLookBar(MainWindow& main, AppCommand command);

}  // namespace tessel
