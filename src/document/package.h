// Packages and clones: a package is a bitmap object that keeps the objects it was made
// from as a stored object list and shows their picture; a clone mirrors the picture of
// a package. The stored list ("package stream") is u32 count, the object records
// (without uids), the package document's settings and the end marker.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessel {

class CDrawObject;
class CVellumDoc;

// The package stream of the objects (in the given order) with the snap flag, the
// guidelines and the grid distance of settings. Bitmaps are written compressed.
std::vector<uint8_t> WritePackageStream(const std::vector<const CDrawObject*>& objects, const CVellumDoc& settings);

// Reads a package stream: its objects (rendered) are appended to into, its settings
// replace those of into. Returns "" or the message to show; on failure into keeps
// nothing that was read.
std::string ReadPackageStream(const std::vector<uint8_t>& stream, CVellumDoc& into);

// "Create Package": packs the objects (taken in list order) into a new bitmap object
// "Package" placed where they were, on top of the document; the packed objects are
// deleted. Returns the package, or null when nothing was given or nothing is visible.
CDrawObject* CreatePackage(CVellumDoc& doc, const std::vector<CDrawObject*>& selection);

// "Un-Pack": puts the package's objects back into the document at the package's place
// and deletes the package. Returns the unpacked objects and sets *message to the
// status text "N objects selected"; on failure returns nothing, sets *message to the
// reason and leaves the document unchanged.
std::vector<CDrawObject*> UnPack(CVellumDoc& doc, CDrawObject* package, std::string* message);

// "Create Clone": a bitmap object "Clone" on top of the document that shows the
// package's picture; the package gets an identity number when it has none.
CDrawObject* CreateClone(CVellumDoc& doc, CDrawObject& package);

// "Reload from package": resets the picture placement and renders the picture again
// from the stream. Returns "" or the message to show.
std::string ReloadFromPackage(CVellumDoc& doc, CDrawObject& package);

// "Compact Package" texts, shown before and after compacting.
extern const char* const kCompactPackageNotice;
extern const char* const kCompactPackageDone;
// Drops the pictures of every package and clone (they are rebuilt after loading).
// Returns the number of objects compacted.
int CompactPackages(CVellumDoc& doc);
// True when the document holds a package or clone stored without its picture.
bool HasCompactedPackages(const CVellumDoc& doc);
// Rebuilds the pictures of compacted packages from their streams, then those of their
// clones. Returns the number of objects rebuilt; a package whose stream cannot be read
// keeps an empty picture and its message is appended to *messages.
int RebuildCompactedPackages(CVellumDoc& doc, std::vector<std::string>* messages);

}  // namespace tessel
