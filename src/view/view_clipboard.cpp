// The view's clipboard commands: copy, cut, paste (objects or a picture) and paste
// attributes.
#include "base/archive.h"
#include "document/bitmap_object.h"
#include "document/draw_object.h"
#include "document/object_attributes.h"
#include "document/vellum_doc.h"
#include "view/clipboard_data.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

namespace {
// True when a rectangle starts beyond the canvas, so that nothing of it would show.
bool StartsBeyondCanvas(const CRect& r, const CVellumDoc& doc) {
  return r.left >= doc.m_width || r.top >= doc.m_height;
}
}  // namespace

void CVellumView::Copy() {
  const std::vector<CDrawObject*> selected = SelectedObjects();
  if (selected.empty()) return;
  m_host.SetClipboardData(kVelvetlineMime, WriteClipboardObjects({selected.begin(), selected.end()}));
}

void CVellumView::Cut() {
  if (SelectedObjects().empty()) return;
  Copy();
  RemoveSelected();
  SaveUndo();
}

void CVellumView::Paste() {
  std::vector<uint8_t> bytes;
  if (m_host.GetClipboardData(kVelvetlineMime, &bytes)) {
    PasteObjects(bytes);
    return;
  }
  CDIBSection picture;
  if (m_host.GetClipboardImage(&picture)) PasteImage(std::move(picture));
}

bool CVellumView::PasteObjects(const std::vector<uint8_t>& bytes) {
  std::vector<std::unique_ptr<CDrawObject>> read = ReadClipboardObjects(bytes, m_doc);
  if (read.empty()) return false;
  std::vector<CDrawObject*> pasted;
  for (auto& o : read) pasted.push_back(m_doc.AddObject(std::move(o)));
  m_doc.m_modified = true;
  m_multi.clear();
  if (pasted.size() == 1) {
    CDrawObject* object = pasted.front();
    if (StartsBeyondCanvas(object->GetBoxRect(), m_doc)) object->SetPosition(0, 0);
    SelectObject(object);
  } else {
    m_current = nullptr;
    m_multi = pasted;
    m_host.Status(" " + std::to_string(pasted.size()) + " objects selected");
    const CRect frame = SelectionFrame();
    if (!frame.IsEmpty() && StartsBeyondCanvas(frame, m_doc))
      for (CDrawObject* o : pasted) o->SetPosition(o->m_left - frame.left, o->m_top - frame.top);
  }
  m_host.SelectionChanged();
  m_host.LayersChanged();
  RequestFullRedraw();
  SaveUndo();
  return true;
}

bool CVellumView::PasteImage(CDIBSection picture) {
  std::unique_ptr<CDrawObject> made = MakeBitmapObject(std::move(picture));
  if (!made) return false;
  made->SetPosition(m_doc.m_width / 2 - made->m_width / 2, m_doc.m_height / 2 - made->m_height / 2);
  CDrawObject* object = m_doc.AddObject(std::move(made));
  m_doc.m_modified = true;
  SaveUndo();
  SelectObject(object);
  m_host.SelectionChanged();
  m_host.LayersChanged();
  RequestFullRedraw();
  return true;
}

void CVellumView::PasteAttributes() {
  if (!m_current) return;
  std::vector<uint8_t> bytes;
  if (!m_host.GetClipboardData(kVelvetlineMime, &bytes)) return;
  CArchive clipboard(std::move(bytes));
  if (!tessel::PasteAttributes(clipboard, *m_current)) return;
  m_doc.m_modified = true;
  SaveUndo();
  RequestFullRedraw();
  m_host.SelectionChanged();
}

}  // namespace tessel
