#include "document/undo_snapshot.h"

#include <string>
#include <unordered_map>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"

namespace tessel {

namespace {
constexpr int kProgressAbove = 4;       // snapshots of more objects show a progress window
constexpr uint64_t kMinEntryBytes = 64;  // a uid and the smallest record

// Reads every entry before anything in the document changes, so a damaged snapshot
// leaves the document as it was.
std::vector<std::unique_ptr<CDrawObject>> ReadEntries(const CUndoSnapshot& snapshot) {
  CArchive ar(snapshot);
  const uint32_t count = ar.ReadU32();
  ar.CheckCount(count, kMinEntryBytes);
  std::vector<std::unique_ptr<CDrawObject>> objects;
  objects.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    std::string uid = ar.ReadString();
    auto object = std::make_unique<CDrawObject>();
    object->SerializeFields(ar, true);
    object->m_uid = std::move(uid);
    objects.push_back(std::move(object));
  }
  if (ar.ReadU32() != CArchive::kEndMarker) throw CArchiveException("Undo snapshot without its end word");
  return objects;
}

bool HoldsBoxBitmap(const CDrawObject& o, const CDrawObject& box) {
  return !o.m_bitmap.IsEmpty() && o.m_bitmap.Width() == box.m_width && o.m_bitmap.Height() == box.m_height;
}
}  // namespace

CUndoSnapshot WriteUndoSnapshot(CVellumDoc& doc) {
  CArchive ar;
  ar.WriteU32(uint32_t(doc.m_objects.size()));
  for (auto& object : doc.m_objects) {
    ar.WriteString(object->m_uid);
    object->SerializeFields(ar, false);
  }
  ar.WriteEndMarker();
  return ar.TakeBuffer();
}

int LoadUndoSnapshot(const CUndoSnapshot& snapshot, CVellumDoc& doc) {
  std::vector<std::unique_ptr<CDrawObject>> loaded = ReadEntries(snapshot);

  // The first object of the current list with each uid.
  std::unordered_map<std::string, CDrawObject*> current;
  current.reserve(doc.m_objects.size());
  for (auto& o : doc.m_objects) current.emplace(o->m_uid, o.get());

  IUserMessages& ui = App().Messages();
  const int count = int(loaded.size());
  const bool showProgress = count > kProgressAbove;
  int rendered = 0;
  for (int i = 0; i < count; ++i) {
    CDrawObject& object = *loaded[size_t(i)];
    if (showProgress)
      ui.Progress(i, count, "Rendering Object " + std::to_string(i + 1) + " of " + std::to_string(count));
    auto found = current.find(object.m_uid);
    CDrawObject* old = found == current.end() ? nullptr : found->second;
    // The old list is destroyed below, so its bitmaps are moved rather than copied. A
    // second object with the same uid then finds the bitmap gone and renders.
    if (old && HoldsBoxBitmap(*old, object) && object.RendersLike(*old)) {
      object.m_bitmap = std::move(old->m_bitmap);
      object.m_shadowBitmap = std::move(old->m_shadowBitmap);
      object.m_rendered = old->m_rendered;
      object.m_mask = old->m_mask;
    } else {
      object.AllocateBitmaps(object.m_width, object.m_height);
      ++rendered;
    }
  }
  doc.m_objects.clear();
  for (auto& object : loaded) doc.m_objects.push_back(std::move(object));
  return rendered;
}

}  // namespace tessel
