// The application's one painting state: the current brush, tool, opacity, blend mode,
// ink colours and pen-pressure source shared by the painting editor, its tool panel and
// the brush library window.
#pragma once

namespace tessel {

struct CPaintingState;

// The state, made on first use with the pressure source the "GSettings"/"Tablet"
// profile switch asks for. Lives until the program ends.
CPaintingState& AppPaintingState();

// Switches pen pressure on (tablet events feed the state's pressure source) or off
// (full pressure always). Called at first use and when the settings change.
void ApplyTabletSetting(bool on);

}  // namespace tessel
