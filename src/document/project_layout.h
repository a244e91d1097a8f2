// Parts of the project file layout shared by the reader and the writer.
#pragma once

#include <cstdint>

namespace tessel {

class CArchive;
class CVellumDoc;

constexpr uint32_t kLegacyBlockMarker = 0xFFFFFFFEu;  // -2

// Clears the application's compression flag when the document's read or write ends,
// however it ends.
struct CompressionFlagReset {
  ~CompressionFlagReset();
};

// Canvas size, background and the embedded-textures flag (items 4-6).
void XferCanvas(CArchive& ar, CVellumDoc& doc);
// Crop rectangle and flag, then the groups (items 10-12).
void XferCropAndGroups(CArchive& ar, CVellumDoc& doc);
// Items 14-25, after the item-13 marker: blueprint, guidelines, export settings,
// production notes, fine print and the string lists. A loading archive stops early
// (returning false) where an older file ends with -1.
bool XferDocumentTail(CArchive& ar, CVellumDoc& doc);

}  // namespace tessel
