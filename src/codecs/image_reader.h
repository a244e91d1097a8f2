// Reading image files into bitmaps: BMP, JPEG, PNG, TIFF, GIF, TGA, PCX and PSD, told
// apart by their content (the file name's extension is only a hint).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tessel {

class CDIBSection;

// Reads an image file into a 32-bit blue-green-red-alpha bottom-up bitmap (opaque
// where the file has no alpha). Returns false with a reason in *error (when given) for
// a missing, unreadable, unsupported, truncated or hostile file; out is then empty.
bool ReadImageFile(const std::string& path, CDIBSection& out, std::string* error);

// The same from bytes in memory.
bool ReadImageMemory(const uint8_t* data, size_t size, CDIBSection& out, std::string* error);

// Reads an image file into a 24-bit bottom-up bitmap, as the texture store keeps them.
bool ReadImageFile24(const std::string& path, CDIBSection& out, std::string* error);

}  // namespace tessel
