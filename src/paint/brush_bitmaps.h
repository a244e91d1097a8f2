// Small bitmap helpers of the brush engine: trimming a dab to its visible part, the
// library preview, and a picture's grey level as coverage.
#pragma once

#include <cstdint>

#include "base/dib_section.h"
#include "base/rect.h"

namespace tessel {

// The box (bottom-up memory rows as top..bottom) of the pixels whose alpha is not 0,
// widened by one pixel on each side and clamped to the bitmap; empty when every pixel
// is transparent.
CRect AlphaBounds(const CDIBSection& bitmap);

// bitmap cut to AlphaBounds; unchanged when nothing is visible or nothing to cut.
void TrimToAlpha(CDIBSection& bitmap);

// The part of a 32-bit bitmap inside box (memory rows), as a new bitmap.
CDIBSection CropBitmap(const CDIBSection& bitmap, const CRect& box);

// A side × side preview of an image dab: the centred square of a larger dab, or the
// whole of a smaller one, scaled; with overlay the colour becomes colorref (alpha kept);
// then laid over white. An empty dab gives a white square.
CDIBSection MakeImagePreview(const CDIBSection& dab, int side, bool overlay, uint32_t colorref);

// A copy of bitmap placed in the middle of a transparent width × height bitmap (cut
// where it is larger).
CDIBSection CentreOnCanvas(const CDIBSection& bitmap, int width, int height);

}  // namespace tessel
