// The painting editor's own undo: each finished stroke keeps the pixels of the
// rectangle it changed, before and after, so that a step costs only its rectangle.
#pragma once

#include <deque>

#include "base/dib_section.h"
#include "base/rect.h"

namespace tessel {

// Paint steps kept for undo.
constexpr int kPaintUndoDepth = 32;

class CPaintUndo {
 public:
  // Records a stroke that changed rect (layer memory rows) of layer, whose pixels were
  // those of before. Forgets the redo steps and the oldest step beyond the depth.
  void Record(const CDIBSection& before, const CDIBSection& layer, const CRect& rect);
  // Puts the last step's old pixels back into layer; returns the rectangle restored,
  // empty when there is nothing to undo (or the layer's size changed).
  CRect Undo(CDIBSection& layer);
  // Puts the last undone step's new pixels back; empty when there is nothing to redo.
  CRect Redo(CDIBSection& layer);
  bool CanUndo() const { return !m_undo.empty(); }
  bool CanRedo() const { return !m_redo.empty(); }
  void Clear();

 private:
  struct Step {
    CRect rect;
    CDIBSection before, after;
  };
  static CRect Apply(CDIBSection& layer, const CRect& rect, const CDIBSection& pixels);

  std::deque<Step> m_undo;
  std::deque<Step> m_redo;
};

}  // namespace tessel
