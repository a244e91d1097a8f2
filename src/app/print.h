// Printing the canvas: the composite at its own size, scaled to fit the printable area
// with its aspect kept, centred.
#pragma once

#include <QImage>
#include <QRectF>

class QPrinter;

namespace tessel {

class CVellumDoc;

// The document composite at scale 1 as a top-down image; null when it cannot be made.
QImage CanvasImage(CVellumDoc& doc);
// The largest rectangle with image's aspect inside area, centred in it.
QRectF FitCentred(const QSizeF& image, const QRectF& area);
// Prints the canvas on printer's first page. False (nothing printed) when the composite
// or the page could not be made.
bool PrintCanvas(QPrinter& printer, CVellumDoc& doc);

}  // namespace tessel
