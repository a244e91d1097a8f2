// The inner shadow of "Cutout" and "Inset + Shadow": the object looks cut into the
// canvas, its rim casting a shadow inwards.
#pragma once

namespace tessel {

class CDrawObject;
struct CCoverageMask;

// Darkens the object bitmap's colour towards the shadow colour where the outside of the
// shape, blurred with radius m_effectDistance · render scale and shifted by the shadow
// offset, reaches in: with b the blurred mask (padded by the shadow margin, 0 beyond)
// at the pixel minus the offset and P the shadow opacity, s = (255 − b) · P / 255 and
// each channel becomes (c · (255 − s) + shadow colour · s) / 255. The alpha is not
// changed. Returns false (nothing done) when mask or bitmap is not box-sized.
bool ApplyInnerShadow(CDrawObject& object, const CCoverageMask& mask);

}  // namespace tessel
