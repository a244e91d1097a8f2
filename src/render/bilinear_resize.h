// Resampling a 32-bit picture to another size with bilinear filtering: the pictures an
// object carries (its image, its painted layers) follow the object's box.
#pragma once

namespace tessel {

class CDIBSection;

// Writes src resampled to dest's size into dest (both 32-bit); pixel centres of dest
// map onto pixel centres of src, edges repeat. Nothing happens when either is empty or
// not 32-bit.
void ResizeBilinear32(const CDIBSection& src, CDIBSection& dest);

}  // namespace tessel
