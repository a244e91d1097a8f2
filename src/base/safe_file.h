// Writing a file so that a crash or a full disk never destroys the last good copy.
#pragma once

#include <cstddef>
#include <string>

namespace tessel {

// Writes the bytes to a temporary file in the target's folder, flushes it to disk and
// renames it over the target. On failure the target is untouched, the temporary file
// is removed, *error (when given) says why, and false is returned. With createDirs the
// missing parent folders are made first.
bool WriteFileSafely(const std::string& path, const void* data, size_t size, std::string* error,
                     bool createDirs = false);

}  // namespace tessel
