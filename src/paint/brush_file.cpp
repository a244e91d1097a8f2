#include "paint/brush_file.h"

#include "base/archive.h"
#include "base/safe_file.h"
#include "paint/brush.h"
#include "paint/brush_load.h"

namespace tessel {

bool LoadBrushFile(const std::string& path, CBrush& brush) {
  CBrush loaded;
  const bool ok = LoadArchiveFile(path, [&](CArchive& ar) { loaded.Load(ar); });
  if (ok) brush = std::move(loaded);
  return ok;
}

bool StoreBrushFile(const std::string& path, const CBrush& brush, std::string* error) {
  CArchive ar;
  brush.Store(ar);
  return WriteFileSafely(path, ar.Buffer().data(), ar.Buffer().size(), error);
}

}  // namespace tessel
