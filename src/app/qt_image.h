// Conversions between the core's 32-bit bottom-up BGRA bitmaps and Qt images.
#pragma once

#include <QImage>

namespace tessel {

class CDIBSection;

// A top-down QImage (Format_ARGB32, straight alpha) with the pixels of a 32-bit dib;
// a null image for an empty or non-32-bit dib.
QImage ImageFromDib(const CDIBSection& dib);
// Fills dib with image's pixels as a 32-bit bottom-up BGRA bitmap (straight alpha).
// False for a null image or one too large for a bitmap.
bool DibFromImage(const QImage& image, CDIBSection* dib);
// The dib's pixels seen as an opaque image without copying: the rows appear upside down
// (the first row in memory is the bottom row), so draw it flipped. Valid while dib lives.
QImage WrapDibRowsFlipped(const CDIBSection& dib);

}  // namespace tessel
