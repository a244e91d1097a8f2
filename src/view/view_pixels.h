// Pixel helpers of the view's paint buffers: 32-bit bottom-up bitmaps that cover a
// rectangle of the document (bitmap pixel (0, 0) shows the rectangle's top-left).
#pragma once

#include <cstdint>

#include "base/rect.h"

namespace tessel {

class CDIBSection;

// Fills the part of documentRect inside the buffer with colour (0x00BBGGRR), opaque.
void FillDocumentRect(CDIBSection& buffer, const CRect& bufferRect, const CRect& documentRect, uint32_t colour);

// Lays a 24- or 32-bit bottom-up picture with its top-left at document (x, y) over the
// buffer, only inside clip: opaque when mix is 255, otherwise mixed mix/255 over what
// is there. Other depths draw nothing.
void DrawPicture(CDIBSection& buffer, const CRect& bufferRect, const CDIBSection& picture, int x, int y,
                 const CRect& clip, int mix);

// Copies the pixels of source (covering sourceRect) into target (covering targetRect)
// where the two rectangles overlap, and only inside limit when it is not empty.
void CopyDocumentPixels(CDIBSection& target, const CRect& targetRect, const CDIBSection& source,
                        const CRect& sourceRect, const CRect& limit = {});

// The overlap of two rectangles (empty when they do not meet).
CRect Intersect(const CRect& a, const CRect& b);
// True when outer covers all of inner.
bool Covers(const CRect& outer, const CRect& inner);

}  // namespace tessel
