// Opening a brush or library file for reading and turning its failures into messages.
#pragma once

#include <functional>
#include <string>

namespace tessel {

class CArchive;

// Reads the whole file and runs read over it. A file that cannot be opened returns
// false without a message. When read throws, the user is shown the failure ("Corupted
// Data!" for a damaged record, "Bitmap:: Data Read Error!" for short pixels) and false
// is returned; the caller keeps nothing of what read built.
bool LoadArchiveFile(const std::string& path, const std::function<void(CArchive&)>& read);

}  // namespace tessel
