// The "Brush Properties" dialog, opened from the painting editor's tool panel.
#pragma once

class QWidget;

namespace tessel {

class CBrush;

// Runs the dialog modally on brush. OK writes the edited settings into brush and
// returns true; Cancel returns false with brush unchanged.
bool RunBrushPropertiesDialog(QWidget* parent, CBrush& brush);

}  // namespace tessel
