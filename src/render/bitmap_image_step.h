// The picture of a bitmap object: its image resampled into the box, its alpha becoming
// the coverage mask.
#pragma once

namespace tessel {

class CDrawObject;
struct CCoverageMask;

// Fills the object bitmap's colour from the object's image (m_layer) resampled to the
// box with bilinear filtering, and the mask from the image's alpha. An object without
// an image is left transparent (mask 0). Unturned (m_bitmapAngle a multiple of 360)
// the image fills the box; turned, it keeps its proportions, is turned counter-
// clockwise by m_bitmapAngle about the box centre and is as large as fits the box,
// transparent around it. The layer placement fields and the bitmap envelope do not
// act yet.
void ApplyBitmapImage(CDrawObject& object, CCoverageMask& mask);

}  // namespace tessel
