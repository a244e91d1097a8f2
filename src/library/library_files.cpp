#include "library/library_files.h"

#include <algorithm>
#include <filesystem>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/safe_file.h"
#include "codecs/thumbnail.h"
#include "document/draw_object.h"
#include "render/compositor.h"

namespace tessel {

namespace fs = std::filesystem;

namespace {
constexpr int kThumbnailMargin = 10;
constexpr int kCheckerCells = 10;  // squares across the picture, about 5 pixels each once scaled
constexpr uint8_t kCheckerLight = 255, kCheckerDark = 204;

bool KnownKind(int32_t type) {
  return type == kTypeNone || type == kTypePath || type == kTypeBitmap || type == kTypePolynome;
}

void FillBackground(CDIBSection& picture, bool checkerboard) {
  const int cell = std::max(1, picture.Width() / kCheckerCells);
  for (int y = 0; y < picture.Height(); ++y) {
    uint8_t* p = picture.RowFromTop(y);
    for (int x = 0; x < picture.Width(); ++x, p += 4) {
      const bool dark = checkerboard && ((x / cell + y / cell) & 1);
      p[0] = p[1] = p[2] = dark ? kCheckerDark : kCheckerLight;
      p[3] = 255;
    }
  }
}
}  // namespace

std::string NumberedFile(const std::string& folder, const char* stem, int n, const char* extension) {
  return folder + "/" + stem + std::to_string(n) + extension;
}

std::string UserDataFolder(const std::string& name) {
  const AppPaths& paths = App().Paths();
  const std::string program = paths.ProgramFolder() + "/" + name;
  if (paths.UserFolder().empty()) return program;
  const std::string user = paths.UserFolder() + "/" + name;
  std::error_code ec;
  if (fs::is_directory(user, ec)) return user;
  fs::create_directories(user, ec);
  if (ec) return program;
  if (fs::is_directory(program, ec))
    fs::copy(program, user, fs::copy_options::recursive | fs::copy_options::skip_existing, ec);
  return user;
}

bool WriteObjectFile(const std::string& path, CDrawObject& object, std::string* error) {
  CArchive ar;
  object.SerializeFields(ar, true);
  return WriteFileSafely(path, ar.Buffer().data(), ar.Buffer().size(), error, true);
}

std::unique_ptr<CDrawObject> ReadObjectFile(const std::string& path, std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error) *error = fs::path(path).filename().string() + ": " + why;
    return nullptr;
  };
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return fail("the file does not exist");
  auto object = std::make_unique<CDrawObject>();
  try {
    CArchive ar = CArchive::FromFile(path);
    object->SerializeFields(ar, true);
    if (ar.Remaining() != 0) return fail("the file holds more than one object record");
  } catch (const CArchiveException& e) {
    return fail(std::string("the file is damaged (") + e.what() + ")");
  }
  if (!KnownKind(object->m_type)) return fail("the record is no drawing object");
  return object;
}

CDIBSection RenderLibraryPicture(const CDrawObject& object, bool checkerboard) {
  const CRect box = object.GetBoxRect().Inflated(kThumbnailMargin);
  const int side = std::max(box.Width(), box.Height());
  const int left = box.left - (side - box.Width()) / 2, top = box.top - (side - box.Height()) / 2;
  CDIBSection picture;
  if (!picture.Create(side, side, 32)) return picture;
  FillBackground(picture, checkerboard);

  // A copy placed in the picture's coordinates, shown even when hidden in its drawing.
  CDrawObject placed;
  placed = object;
  placed.m_left = object.m_left - left;
  placed.m_top = object.m_top - top;
  placed.m_hidden = 0;
  if (object.m_bitmap.IsEmpty()) {
    placed.AllocateBitmaps(object.m_width, object.m_height);
  } else {
    placed.m_bitmap = object.m_bitmap.Clone();
    placed.m_shadowBitmap = object.m_shadowBitmap.Clone();
  }
  DrawObject(picture, placed, CompositeOptions{});
  return picture;
}

bool WriteLibraryThumbnail(const std::string& path, const CDrawObject& object, std::string* error) {
  constexpr int kOpaque = 255;
  const bool seeThrough = object.m_transpAmount > 0 || !object.m_paintTransp.IsEmpty() || object.m_opacity < kOpaque;
  return WriteThumbnail(path, RenderLibraryPicture(object, seeThrough), error);
}

}  // namespace tessel
