// Files shared by the styles and the object library: one object record per file,
// numbered file names, thumbnails, and the user's writable copy of a data folder.
#pragma once

#include <memory>
#include <string>

#include "base/dib_section.h"

namespace tessel {

class CDrawObject;

// folder + "/" + stem + n + extension, e.g. NumberedFile(dir, "Style", 3, ".sty").
std::string NumberedFile(const std::string& folder, const char* stem, int n, const char* extension);

// The writable copy of a data folder ("Styles", "Objects"): the user folder's, which is
// first filled with a copy of the program folder's when it does not exist yet. Without
// a user folder the program folder's is used.
std::string UserDataFolder(const std::string& name);

// Writes the object's record (the project file's encoding, no uid) to path, replacing
// the file atomically and creating missing folders. Returns false with *error set.
bool WriteObjectFile(const std::string& path, CDrawObject& object, std::string* error);

// Reads a file written by WriteObjectFile into a new object (not rendered). A missing,
// short, damaged or overlong file, or one whose record names no known object kind,
// gives null and *error says why.
std::unique_ptr<CDrawObject> ReadObjectFile(const std::string& path, std::string* error);

// The picture of a library thumbnail before scaling: the object's box grown by 10 on
// every side and widened to a square, with the object (rendered when it has no bitmap)
// composited on white, or on a grey checkerboard when checkerboard is set. 32-bit.
CDIBSection RenderLibraryPicture(const CDrawObject& object, bool checkerboard);

// Renders the library picture (checkerboard when the object is see-through: a
// transparency map, painted transparency or opacity below 255) and writes it as a
// 50 x 50 thumbnail. Returns false with *error set.
bool WriteLibraryThumbnail(const std::string& path, const CDrawObject& object, std::string* error);

}  // namespace tessel
