// Thumbnails (.tmb files): 50 x 50 pictures stored as uncompressed 24-bit BMP files.
// They are read back like any image, through ReadImageFile / ReadImageFile24.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessel {

class CDIBSection;

constexpr int kThumbnailSize = 50;

// Scales a picture (8-bit grey, 24-bit or 32-bit BGRA, which is laid over white) to
// width x height with a box filter: each target pixel is the mean of the source pixels
// its area covers (the nearest one when enlarging). Returns a 24-bit bitmap, empty
// when the picture is empty.
CDIBSection ScaleToBgr(const CDIBSection& picture, int width, int height);

// The bytes of an uncompressed bottom-up 24-bit BMP file of a 24-bit bitmap (nothing
// for any other bitmap).
std::vector<uint8_t> EncodeBmp24(const CDIBSection& bitmap);

// Writes the picture scaled to 50 x 50 as a 24-bit BMP, replacing the file atomically.
// Returns false with *error (when given) set when the picture is empty or the file
// cannot be written.
bool WriteThumbnail(const std::string& path, const CDIBSection& picture, std::string* error = nullptr);

}  // namespace tessel
