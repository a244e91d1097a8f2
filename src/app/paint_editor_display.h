// What the window shows while the painting editor runs: the canvas with the edited
// object rendered from the working layer, between the objects below and above it.
#pragma once

#include <memory>

#include "base/dib_section.h"
#include "paint/paint_editor.h"

namespace tessel {

class CDrawObject;
class CVellumDoc;

class PaintEditorDisplay {
 public:
  // Composes the background and the objects below object once (they do not change
  // while the editor runs). object must be in doc and outlive the display.
  PaintEditorDisplay(CVellumDoc& doc, CDrawObject& object, bool lensesOff);
  ~PaintEditorDisplay();

  // The background with the objects below the edited one, canvas-sized, top-left at
  // the canvas origin: what the clone tool reads as "the layers below".
  const CDIBSection& Below() const { return m_below; }
  // The document's blueprint where it lies on the canvas, over Below(), 32-bit and
  // canvas-sized: what the clone tool reads in its blueprint mode. Empty when the
  // document has no blueprint.
  const CDIBSection& BlueprintOnCanvas() const { return m_blueprint; }

  // The whole canvas with the object shown as it renders with layer in place of its
  // own layer (or, for kTransparency, of its painted transparency); the object is
  // rendered again only when layerChanged (or on the first call).
  const CDIBSection& Compose(const CDIBSection& layer, bool layerChanged, PaintTarget target = PaintTarget::kLayer);

 private:
  CVellumDoc& m_doc;
  CDrawObject& m_object;
  bool m_lensesOff;
  std::unique_ptr<CDrawObject> m_shown;  // a copy of the object carrying the working layer
  bool m_rendered = false;
  CDIBSection m_below;
  CDIBSection m_blueprint;
  CDIBSection m_canvas;
};

}  // namespace tessel
