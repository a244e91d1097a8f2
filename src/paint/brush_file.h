// Brush files (.br1): one brush record as an archive stream.
#pragma once

#include <string>

namespace tessel {

class CBrush;

// Reads a .br1 file into brush. A file that cannot be opened returns false silently
// with nothing changed; a damaged one shows "Corupted Data!" or "Bitmap:: Data Read
// Error!" and returns false, brush unchanged.
bool LoadBrushFile(const std::string& path, CBrush& brush);

// Writes brush as a .br1 file, replacing any old one atomically. False with the reason
// in *error (when given) if it cannot be written.
bool StoreBrushFile(const std::string& path, const CBrush& brush, std::string* error = nullptr);

}  // namespace tessel
