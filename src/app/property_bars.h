// The property bars of the main window: "Color & Texture", "Transparency" and "Bevel" in
// one tab group, "Effect", "Outline", "Lights & Material" and "Object Properties" in a
// second, both docked on the right; each is shown and hidden by its View menu command,
// and the window layout is kept between runs.
#pragma once

#include "app/app_commands.h"

namespace tessel {

class MainWindow;

// Creates the bars in main, ticks their View menu commands while they are shown, and
// restores the saved window layout when main is first shown and saves it whenever main
// closes.
void InstallPropertyBars(MainWindow& main);
// Shows the bar of command when it is hidden, brings it to the front when another bar's
// tab covers it, and hides it otherwise. False for a command that names no bar.
bool TogglePropertyBar(MainWindow& main, AppCommand command);

}  // namespace tessel
