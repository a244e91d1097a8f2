// Drawing what the editing view composed onto the window: the canvas buffer scaled by
// the zoom and the overlay primitives over it.
#pragma once

#include "view/view_overlay.h"

class QPainter;

namespace tessel {

class ZoomView;
struct ViewPaint;

// Draws paint.buffer into the window rectangle of paint.bufferRect, smoothly scaled when
// paint.halftone is set. Nothing for a blank paint or a missing buffer.
void DrawViewBuffer(QPainter& painter, const ViewPaint& paint, const ZoomView& zoom);
// Draws the overlays in order; document coordinates are mapped through zoom.
void DrawOverlays(QPainter& painter, const OverlayList& overlays, const ZoomView& zoom);

}  // namespace tessel
