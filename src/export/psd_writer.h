// Layered Photoshop files: one layer per visible object (its shadow as a layer of its
// own below it), each with its blend mode, and the opaque merged picture at the end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/dib_section.h"

namespace tessel {

class CVellumDoc;

// One layer of a PSD file: a 32-bit BGRA bottom-up picture placed with its top-left
// corner at (left, top) on the canvas (may be negative).
struct CPsdLayer {
  const CDIBSection* bitmap = nullptr;  // not owned; outlives the write
  int left = 0, top = 0;
  std::string name;
  int blendMode = 0;  // object blend code; 0..8 have PSD keys, others become "norm"
};

// The largest canvas or layer side a PSD file holds.
constexpr int kPsdMaxSide = 30000;

// Packs one row with PackBits in pieces of at most 127 source bytes and appends it to
// out; a packed row of odd length gets one 0 byte more. Returns the bytes appended.
size_t PackBitsRow(const uint8_t* row, size_t count, std::vector<uint8_t>& out);

// The four-letter PSD blend key of an object blend code ("norm" for unknown codes).
const char* PsdBlendKey(int blendMode);

// The layers of the document, bottom first: for each visible object with a rendered
// bitmap its shadow (when its effect casts one) named "Shadow " + name, then the object.
std::vector<CPsdLayer> BuildPsdLayers(const CVellumDoc& doc);

// The whole file: header, layers and the merged picture (32-bit BGRA bottom-up, the
// canvas size). Returns false with *error set when a side exceeds kPsdMaxSide.
bool EncodePsd(const std::vector<CPsdLayer>& layers, const CDIBSection& merged, std::vector<uint8_t>& out,
               std::string* error);

// Writes the document as a layered PSD at path: layers from BuildPsdLayers, the merged
// picture opaque on the background. Nothing is left at path on failure; *error (when
// given) gets "Can't create the file" or the reason the document cannot be written.
bool WritePsd(CVellumDoc& doc, const std::string& path, std::string* error);

}  // namespace tessel
