// The Image Hose settings of the "Brush Properties" dialog: how the next frame is
// chosen and which pictures are the frames.
#pragma once

class QWidget;

namespace tessel {

class CBrush;

// Runs the dialog modally on brush. Widgets: "hoseMode" ("Sequential", "Random",
// "Directional"), "addFrames", "clearFrames", "frameCount". On OK the mode and frames go
// into brush and its dab becomes the first frame enlarged to the largest frame; returns
// true. Cancel returns false with brush unchanged.
bool RunImageHoseDialog(QWidget* parent, CBrush& brush);

}  // namespace tessel
