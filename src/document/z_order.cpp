// Stacking order of objects: front, back, forward and backward.
#include <algorithm>

#include "document/draw_object.h"
#include "document/vellum_doc.h"

namespace tessel {

namespace {
bool Selected(const std::vector<CDrawObject*>& selection, const CDrawObject* o) {
  return std::find(selection.begin(), selection.end(), o) != selection.end();
}
}  // namespace

bool CVellumDoc::BringToFront(const std::vector<CDrawObject*>& selection) {
  // Moving the selected objects to the tail in list order keeps their relative order.
  ObjectList moved;
  for (auto it = m_objects.begin(); it != m_objects.end();) {
    auto next = std::next(it);
    if (Selected(selection, it->get())) moved.splice(moved.end(), m_objects, it);
    it = next;
  }
  if (moved.empty()) return false;
  m_objects.splice(m_objects.end(), moved);
  m_modified = true;
  return true;
}

bool CVellumDoc::SendToBack(const std::vector<CDrawObject*>& selection) {
  ObjectList moved;
  for (auto it = m_objects.begin(); it != m_objects.end();) {
    auto next = std::next(it);
    if (Selected(selection, it->get())) moved.splice(moved.end(), m_objects, it);
    it = next;
  }
  if (moved.empty()) return false;
  m_objects.splice(m_objects.begin(), moved);
  m_modified = true;
  return true;
}

bool CVellumDoc::BringForward(const std::vector<CDrawObject*>& selection) {
  // From the top down, each selected object trades places with an unselected successor,
  // so a run of selected objects moves up together and keeps its order.
  bool changed = false;
  if (m_objects.empty()) return false;
  for (auto it = std::prev(m_objects.end()); it != m_objects.begin();) {
    auto prev = std::prev(it);
    if (Selected(selection, prev->get()) && !Selected(selection, it->get())) {
      std::iter_swap(prev, it);
      changed = true;
    }
    it = prev;
  }
  if (changed) m_modified = true;
  return changed;
}

bool CVellumDoc::SendBackward(CDrawObject* object) {
  auto it = Find(object);
  if (it == m_objects.end() || it == m_objects.begin()) return false;
  std::iter_swap(std::prev(it), it);
  m_modified = true;
  return true;
}

}  // namespace tessel
