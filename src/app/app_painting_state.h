// The one painting state of the application, shared by every painting editor, the
// painting tool panel and the brush library window: the tool, the current brush,
// opacity, blend mode, the two ink colours, the clone source and the pen-pressure source.
#pragma once

namespace tessel {

struct CPaintingState;
class CEventPressure;

// The application's painting state, made on first use with the default brush built and
// the pressure source the "GSettings"/"Tablet" profile switch asks for. Lives until the
// program ends.
CPaintingState& AppPaintingState();

// Chooses the pressure source of the painting state: with tabletOn the tablet source
// (made once, kept while on) is used and returned; otherwise full pressure always, and
// null is returned.
CEventPressure* UseTabletPressure(CPaintingState& state, bool tabletOn);

// Switches pen pressure of the application's state on or off (the settings changed).
void ApplyTabletSetting(bool on);

}  // namespace tessel
