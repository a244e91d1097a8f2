// SVG export: each path and contour object as one <path> with its fill colour, its
// opacity and a stroke; packages are opened and their objects written in place.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace tessel {

class CDrawObject;
class CVellumDoc;

// The <path> element of one path (kind 1) or contour (kind 4) object, ending in a line
// feed; "" for other kinds and for objects without points.
std::string SvgPathElement(const CDrawObject& object);

// The whole SVG text of the document: header, one element per exported object (bitmap,
// hidden and Sparkle objects skipped, packages opened), closing comment.
std::string SvgDocumentText(const CVellumDoc& doc);

// Writes SvgDocumentText to path. On failure nothing is left at path, *error (when
// given) is "Cannot Create " followed by the path, and false is returned.
bool ExportSvg(const CVellumDoc& doc, const std::string& path, std::string* error);

// The objects stored in a package's bytes (a count, then object records), read without
// rendering; empty when the bytes are damaged.
std::vector<std::unique_ptr<CDrawObject>> ReadPackageObjects(const std::vector<uint8_t>& bytes);

}  // namespace tessel
