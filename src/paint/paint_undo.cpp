#include "paint/paint_undo.h"

#include <cstring>

#include "paint/brush_bitmaps.h"

namespace tessel {

void CPaintUndo::Record(const CDIBSection& before, const CDIBSection& layer, const CRect& rect) {
  if (rect.IsEmpty()) return;
  m_redo.clear();
  m_undo.push_back({rect, CropBitmap(before, rect), CropBitmap(layer, rect)});
  while (int(m_undo.size()) > kPaintUndoDepth) m_undo.pop_front();
}

CRect CPaintUndo::Apply(CDIBSection& layer, const CRect& rect, const CDIBSection& pixels) {
  if (rect.right > layer.Width() || rect.bottom > layer.Height() || rect.left < 0 || rect.top < 0) return {};
  for (int y = 0; y < rect.Height(); ++y)
    std::memcpy(layer.RowFromBottom(rect.top + y) + rect.left * 4, pixels.RowFromBottom(y), size_t(rect.Width()) * 4);
  return rect;
}

CRect CPaintUndo::Undo(CDIBSection& layer) {
  if (m_undo.empty()) return {};
  Step step = std::move(m_undo.back());
  m_undo.pop_back();
  const CRect r = Apply(layer, step.rect, step.before);
  m_redo.push_back(std::move(step));
  return r;
}

CRect CPaintUndo::Redo(CDIBSection& layer) {
  if (m_redo.empty()) return {};
  Step step = std::move(m_redo.back());
  m_redo.pop_back();
  const CRect r = Apply(layer, step.rect, step.after);
  m_undo.push_back(std::move(step));
  return r;
}

void CPaintUndo::Clear() {
  m_undo.clear();
  m_redo.clear();
}

}  // namespace tessel
