// The document's undo and redo lists.
#include "document/undo_snapshot.h"
#include "document/vellum_doc.h"

namespace tessel {

namespace {
// Puts a snapshot at the head of the undo list; when the list already holds more than
// levels snapshots the oldest goes first, so at most levels steps can be undone. A
// lowered level therefore trims the list by one snapshot per push.
void PushUndo(std::list<CUndoSnapshot>& undo, CUndoSnapshot snapshot, int levels) {
  if (undo.size() > size_t(levels > 0 ? levels : 0)) undo.pop_back();
  undo.push_front(std::move(snapshot));
}
}  // namespace

void CVellumDoc::SaveUndo() {
  if (m_undoLevels < 1) return;
  PushUndo(m_undoList, WriteUndoSnapshot(*this), m_undoLevels);
  m_redoList.clear();
}

void CVellumDoc::ResetUndo() {
  m_undoList.clear();
  m_redoList.clear();
  SaveUndo();
}

bool CVellumDoc::Undo(int* rendered) {
  if (!CanUndo()) return false;
  m_redoList.splice(m_redoList.begin(), m_undoList, m_undoList.begin());
  const int count = LoadUndoSnapshot(m_undoList.front(), *this);
  if (rendered) *rendered = count;
  m_modified = true;
  return true;
}

bool CVellumDoc::Redo(int* rendered) {
  if (!CanRedo()) return false;
  CUndoSnapshot snapshot = std::move(m_redoList.front());
  m_redoList.pop_front();
  PushUndo(m_undoList, std::move(snapshot), m_undoLevels);
  const int count = LoadUndoSnapshot(m_undoList.front(), *this);
  if (rendered) *rendered = count;
  m_modified = true;
  return true;
}

}  // namespace tessel
