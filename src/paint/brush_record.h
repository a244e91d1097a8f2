// The pieces of brush files: the bitmap record and the errors a damaged file raises.
//
// Bitmap record: u32 empty flag; when 0, u32 width, u32 height, u32 byte count
// (= width × height × 4) and the pixels, blue-green-red-alpha, bottom row first.
#pragma once

#include <string>

#include "base/archive.h"

namespace tessel {

class CDIBSection;

// The texts the user sees for damaged brush files.
constexpr const char* kCorruptedDataMsg = "Corupted Data!";
constexpr const char* kBitmapReadErrorMsg = "Bitmap:: Data Read Error!";

// A brush file that cannot be loaded; what() is the message shown to the user.
class CBrushDataError : public CArchiveException {
 public:
  explicit CBrushDataError(const std::string& message) : CArchiveException(message) {}
};

// Largest side of a bitmap in a brush file, and most hose frames in one brush: far
// beyond any real brush, small enough that a hostile file cannot claim gigabytes.
constexpr int kMaxBrushBitmapSide = 4096;
constexpr int kMaxHoseFrames = 512;

// Writes bitmap (32-bit or empty) as a bitmap record.
void WriteBitmapRecord(CArchive& ar, const CDIBSection& bitmap);

// Reads a bitmap record into out (replaced only on success). Throws CBrushDataError
// with "Corupted Data!" for an impossible size or a byte count that differs from
// width × height × 4, and with "Bitmap:: Data Read Error!" when the pixels run short.
void ReadBitmapRecord(CArchive& ar, CDIBSection& out);

}  // namespace tessel
