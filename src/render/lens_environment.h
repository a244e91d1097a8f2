// "Calculating Environment": a thick lens ("Thick Border Lens", "Thick Center Lens")
// whose environment flag is set shows no canvas below it; instead its own picture is
// seen through the thick glass, bent as the lens bends what lies below.
#pragma once

namespace tessel {

class CDrawObject;

// Bends the colours of the object bitmap through the object's thick lens (kinds 17 and
// 18 only), keeping its alpha. Returns false, with nothing changed, for another effect
// kind or an empty bitmap.
bool ApplyLensEnvironment(CDrawObject& object);

}  // namespace tessel
