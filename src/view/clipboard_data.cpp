#include "view/clipboard_data.h"

#include "base/archive.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"

namespace tessel {

namespace {
// Fewest bytes one object record takes; bounds the count read from the clipboard.
constexpr uint64_t kMinRecordBytes = 64;

bool HoldsPackage(const CVellumDoc& doc, int32_t packageId) {
  for (const auto& o : doc.m_objects)
    if (o->IsPackage() && o->m_packageId == packageId) return true;
  return false;
}
}  // namespace

std::vector<uint8_t> WriteClipboardObjects(const std::vector<const CDrawObject*>& objects) {
  CArchive ar;
  ar.WriteU32(uint32_t(objects.size()));
  // Storing does not change the object; SerializeFields serves both directions.
  for (const CDrawObject* o : objects) const_cast<CDrawObject*>(o)->SerializeFields(ar, false);
  return ar.TakeBuffer();
}

std::vector<std::unique_ptr<CDrawObject>> ReadClipboardObjects(const std::vector<uint8_t>& bytes,
                                                               const CVellumDoc& target) {
  std::vector<std::unique_ptr<CDrawObject>> read;
  // Every record is read before any is rendered, so damaged data costs no render.
  try {
    CArchive ar(bytes);
    const uint32_t count = ar.ReadU32();
    ar.CheckCount(count, kMinRecordBytes);
    for (uint32_t i = 0; i < count; ++i) {
      auto object = std::make_unique<CDrawObject>();
      object->SerializeFields(ar, true);
      read.push_back(std::move(object));
    }
  } catch (const CArchiveException&) {
    return {};
  }
  for (auto& o : read) {
    o->m_inGroup = 0;
    // The copy is a package of its own: clones of the original keep following it.
    o->m_packageId = 0;
    if (o->m_cloneOf > 0 && !HoldsPackage(target, o->m_cloneOf)) o->m_cloneOf = 0;
    o->FinishLoading();
  }
  return read;
}

}  // namespace tessel
