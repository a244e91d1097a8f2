// Filling an object bitmap with a Mutaflux pattern.
#pragma once

#include <cstdint>

#include "mutaflux/mutaflux_generator.h"

namespace tessel {

class CDIBSection;

// Fills the colour bytes of a 32-bit bitmap with the pattern of gene (negative numbers
// act as 0) and the packed parameter words; alpha is left as it is. The generator's row
// y = 0 is memory row 0, the bottom row of a bottom-up object bitmap. Returns false, and
// touches nothing, when the bitmap is empty or not 32 bits per pixel.
bool FillMutaflux(CDIBSection& bitmap, int32_t gene, const CMutafluxWords& words);

}  // namespace tessel
