// Opening a file as a document: projects, Editable Rich JPG files (which carry a whole
// project) and plain JPEG pictures (which become one bitmap object).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/project_file.h"

namespace tessel {

class CVellumDoc;

// Opens path into doc. A JPEG with the Rich JPG trailer loads the project it carries;
// one without opens as a bitmap object at the top-left corner of the canvas (a new
// document takes the picture's size, up to the largest canvas); anything else is read
// as a project file. Failures are reported to the user ("Corrupted rich JPG file (2)",
// "Uncompression failed ", the project reader's and image reader's messages) and doc
// keeps what it had.
LoadResult OpenDocumentFile(CVellumDoc& doc, const std::string& path);

// Reads a serialized project held in memory into doc (objects appended, other fields
// replaced), without writing a preview meanwhile; damaged data reports
// "Corrupted rich JPG file (2)".
LoadResult LoadProjectBytes(CVellumDoc& doc, std::vector<uint8_t> bytes, const std::string& path);

}  // namespace tessel
