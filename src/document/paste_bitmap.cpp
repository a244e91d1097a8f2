#include "document/paste_bitmap.h"

#include "base/archive.h"
#include "document/bitmap_object.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "render/objects_to_bitmap.h"

namespace tessel {

namespace {
// Fewest bytes one stored object record takes; bounds the count read from the data.
constexpr uint64_t kMinRecordBytes = 64;
const char* const kBitmapName = "Bitmap";

std::vector<CDrawObject*> Pointers(const std::vector<std::unique_ptr<CDrawObject>>& objects) {
  std::vector<CDrawObject*> list;
  for (const auto& o : objects) list.push_back(o.get());
  return list;
}

// A 32-bit copy of a 24- or 32-bit picture (24-bit pixels become opaque).
CDIBSection To32Bits(const CDIBSection& image) {
  if (image.BitsPerPixel() == 32) return image.Clone();
  CDIBSection out;
  if (image.BitsPerPixel() != 24 || !out.Create(image.Width(), image.Height(), 32)) return out;
  for (int y = 0; y < image.Height(); ++y) {
    const uint8_t* s = image.RowFromBottom(y);
    uint8_t* d = out.RowFromBottom(y);
    for (int x = 0; x < image.Width(); ++x, s += 3, d += 4) d[0] = s[0], d[1] = s[1], d[2] = s[2], d[3] = 255;
  }
  return out;
}
}  // namespace

bool ReadClipboardObjects(const std::vector<uint8_t>& bytes, std::vector<std::unique_ptr<CDrawObject>>* objects) {
  objects->clear();
  try {
    CArchive ar(bytes);
    const uint32_t count = ar.ReadU32();
    ar.CheckCount(count, kMinRecordBytes);
    for (uint32_t i = 0; i < count; ++i) {
      auto object = std::make_unique<CDrawObject>();
      object->SerializeFields(ar, false);
      objects->push_back(std::move(object));
    }
  } catch (const CArchiveException&) {
    objects->clear();
  }
  return !objects->empty();
}

CDrawObject* PasteAsBitmap(CVellumDoc& doc, const std::vector<uint8_t>& clipboard) {
  std::vector<std::unique_ptr<CDrawObject>> objects;
  if (!ReadClipboardObjects(clipboard, &objects)) return nullptr;
  CDIBSection picture;
  const CRect covered = RenderObjectsToBitmap(Pointers(objects), picture, {}, doc);
  if (picture.IsEmpty()) return nullptr;
  CDrawObject* o = doc.NewObject();
  o->m_layer = std::move(picture);
  o->m_name = kBitmapName;
  const bool beyond = covered.left >= doc.m_width || covered.top >= doc.m_height;
  MakeBitmapObject(*o, beyond ? 0 : covered.left, beyond ? 0 : covered.top);
  return o;
}

bool PasteImageInside(CDrawObject& target, const CDIBSection& image) {
  CDIBSection layer = To32Bits(image);
  if (layer.IsEmpty()) return false;
  target.m_layer = std::move(layer);
  target.m_imageWidth = target.m_layer.Width();
  target.m_imageHeight = target.m_layer.Height();
  target.RenderObject(false, nullptr);
  return true;
}

bool PasteObjectsInside(CDrawObject& target, const std::vector<uint8_t>& clipboard, const CVellumDoc& doc) {
  std::vector<std::unique_ptr<CDrawObject>> objects;
  if (!ReadClipboardObjects(clipboard, &objects)) return false;
  CDIBSection picture;
  if (objects.size() == 1 && objects.front()->IsBitmap())
    picture = objects.front()->m_layer.Clone();
  else
    RenderObjectsToBitmap(Pointers(objects), picture, {}, doc);
  return PasteImageInside(target, picture);
}

}  // namespace tessel
