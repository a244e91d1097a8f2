// Folding the layers painted on an object into its render: the bitmap layer over the
// colours, the painted transparency into the alpha.
#pragma once

namespace tessel {

class CDrawObject;
struct CCoverageMask;

// Composites the object's bitmap layer (m_layer, 32-bit, resampled to the box when its
// size differs) over the object bitmap's colours by the layer's alpha, within the
// mask: a pixel takes trunc(layer alpha · mask / 255) of the layer. Does nothing for an
// empty layer or a bitmap whose size differs from the mask.
void ApplyBitmapLayer(CDrawObject& object, const CCoverageMask& mask);

// Scales every alpha of the object bitmap by the painted transparency (m_paintTransp,
// its alpha channel, resampled to the box when its size differs): alpha becomes
// trunc(alpha · t / 255). Skipped for an empty layer or when the object bitmap's size
// differs from the box.
void ApplyPaintedTransparency(CDrawObject& object);

}  // namespace tessel
