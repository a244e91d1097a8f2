// The bitmap block of project files and object records: an empty flag, the size, and
// the 32-bit pixels either raw or zlib-compressed. Pixels are stored as they lie in
// memory: bottom-up rows of blue, green, red, alpha.
#pragma once

namespace tessel {

class CArchive;
class CDIBSection;

// Writes the bitmap (compressed when compress is set). A bitmap of another depth is
// written as its 32-bit conversion. Throws CArchiveException("Writing failed -
// Memory??") when the compression buffer cannot be had.
void WriteBitmapBlock(CArchive& ar, const CDIBSection& bitmap, bool compress);

// Reads a block into bitmap (empty when the block says so). A compressed block that
// does not inflate is reported with "Uncompression failed " and keeps its size with
// zeroed pixels. Throws CArchiveException on sizes the data cannot hold.
void ReadBitmapBlock(CArchive& ar, CDIBSection& bitmap);

}  // namespace tessel
