#include "mutaflux/mutaflux_fill.h"

#include "base/dib_section.h"

namespace tessel {

bool FillMutaflux(CDIBSection& bitmap, int32_t gene, const CMutafluxWords& words) {
  if (bitmap.IsEmpty() || bitmap.BitsPerPixel() != 32) return false;
  // 32-bit rows need no padding: the stride is width · 4, so the rows lie one after
  // another exactly as the generator addresses them.
  MutafluxGenerator gen;
  gen.SetTarget(bitmap.Bits(), bitmap.Width(), bitmap.Height());
  gen.SetParams(words);
  gen.SetGene(gene);
  gen.Generate();
  return true;
}

}  // namespace tessel
