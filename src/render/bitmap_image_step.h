// The picture of a bitmap object: its image resampled into the box, its alpha becoming
// the coverage mask.
#pragma once

namespace tessel {

class CDrawObject;
struct CCoverageMask;

// Fills the object bitmap's colour from the object's image (m_layer) resampled to the
// box with bilinear filtering, and the mask from the image's alpha. An object without
// an image is left transparent (mask 0). The layer placement fields and the bitmap
// envelope do not act yet: the image fills the box.
void ApplyBitmapImage(CDrawObject& object, CCoverageMask& mask);

}  // namespace tessel
