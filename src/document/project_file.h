// Project files (.tsl): reading every version from "QUILLDAW1.0" to "QUILLDA5" and
// writing "QUILLDA5". The same object records serve packages, undo and the clipboard.
#pragma once

#include <string>

namespace tessel {

class CArchive;
class CVellumDoc;

enum class LoadResult {
  kLoaded,
  kNotProject,        // "This is not a valid project file"
  kNewerVersion,      // "This file was probably created with newer version of the software."
  kPasswordMismatch,  // "Password didn't match"
  kDamaged,           // truncated or impossible data
  kCannotOpen,
};

constexpr char kProjectMagic[] = "QUILLDA5";

// 1 "QUILLDAW1.0", 2 "QUILLDAW2.0", 21 "QUILLDA2.1", 3 "QUILLDA3", 4 "QUILLDA4",
// 5 "QUILLDA5"; 0 for anything else.
int VersionOfMagic(const std::string& magic);

// Reads a whole project from the archive into doc, with the status texts and messages
// of a load. notEmptyNotice shows "Document is Not Empty" where a load into a document
// that already holds objects does. Throws CArchiveException on damaged data.
LoadResult ReadProject(CArchive& ar, CVellumDoc& doc, bool notEmptyNotice = false);

// Opens a project file into doc. On success the objects read are appended to doc's and
// the other fields replaced; on any failure doc keeps what it had (except for a newer
// version, which leaves an empty 640 x 480 white canvas). Reports failures to the user.
LoadResult LoadProjectFile(CVellumDoc& doc, const std::string& path);

// Writes the whole project. For the automatic backup (backup true) frames are not
// saved first and no preview is written. Clears the application's compression flag.
void WriteProject(CArchive& ar, CVellumDoc& doc, bool backup);

// Save and Save As: asks before overwriting a "LOCK:" file that was loaded, writes with
// compressed bitmaps through a temporary file, and reports failures. Returns true when
// the file was written.
bool SaveProjectFile(CVellumDoc& doc, const std::string& path);

// True for a name ending in ".tsl" (any letter case); Save sends other names through
// Save As.
bool IsProjectFileName(const std::string& path);

}  // namespace tessel
