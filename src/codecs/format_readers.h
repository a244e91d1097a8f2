// The per-format readers behind ReadImageMemory, and what they share. Internal to
// src/codecs/. Every reader parses a whole file held in memory, fills out with a 32-bit
// BGRA bottom-up bitmap (alpha 255 where the file has none) and returns true, or
// returns false with a reason in *error (when given) and leaves out empty.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tessel {

class CDIBSection;

namespace codecs {

bool ReadBmp(const uint8_t* data, size_t size, CDIBSection& out, std::string* error);
bool ReadPng(const uint8_t* data, size_t size, CDIBSection& out, std::string* error);
bool ReadJpeg(const uint8_t* data, size_t size, CDIBSection& out, std::string* error);
bool ReadTiff(const uint8_t* data, size_t size, CDIBSection& out, std::string* error);
bool ReadGif(const uint8_t* data, size_t size, CDIBSection& out, std::string* error);
bool ReadTga(const uint8_t* data, size_t size, CDIBSection& out, std::string* error);
bool ReadPcx(const uint8_t* data, size_t size, CDIBSection& out, std::string* error);
bool ReadPsd(const uint8_t* data, size_t size, CDIBSection& out, std::string* error);

// A compressed picture never decodes to more pixels than this per byte of file (deflate
// tops out near 1032:1 on one-bit rows, LZW and PackBits far lower); larger claims are
// refused before anything is allocated.
constexpr uint64_t kMaxPixelsPerByte = 16384;

// Sets *error (when given) and returns false.
bool Fail(std::string* error, const std::string& why);

// Creates out as a 32-bit bitmap of the given size when the size is allowed, and, for a
// compressed picture, plausible for a file of fileSize bytes. Otherwise fails with a
// reason naming the format.
bool CreateChecked(CDIBSection& out, int64_t width, int64_t height, bool compressed, size_t fileSize,
                   const char* format, std::string* error);

// Sets alpha to 255 in every pixel when all alpha bytes of the bitmap are 0: 32-bit BMP
// and TGA writers often leave the fourth byte unused.
void OpaqueWhenAlphaUnused(CDIBSection& bitmap);

}  // namespace codecs
}  // namespace tessel
