// CPaintEditor: painting on one object's bitmap layer. It keeps a working copy of the
// layer, turns pointer events (view pixels) into strokes, stamps the current brush along
// each segment with the painting state's tool, blend mode, opacity and pen pressure, and
// keeps its own undo of finished strokes. Commit() hands the layer back to the object.
#pragma once

#include <vector>

#include "base/dib_section.h"
#include "base/rect.h"
#include "paint/edge_map.h"
#include "paint/paint_undo.h"

namespace tessel {

class CDrawObject;
struct CPaintingState;
struct CDabParams;

// What the editor paints on: the object's bitmap layer (the picture of a bitmap
// object), or its painted transparency, whose alpha scales the rendered object's.
enum class PaintTarget { kLayer, kTransparency };

class CPaintEditor {
 public:
  // Starts editing object's layer (an object without one gets a transparent layer of
  // its box size) or, with kTransparency, its painted transparency (an object without
  // one gets an opaque white one of its box size, which changes nothing). Both object
  // and state must outlive the editor.
  CPaintEditor(CDrawObject& object, CPaintingState& state, PaintTarget target = PaintTarget::kLayer);
  PaintTarget Target() const { return m_target; }

  // View mapping: view pixels per layer pixel, and where the layer's top-left corner
  // lies in the view.
  void SetZoom(double zoom) { m_zoom = zoom > 0 ? zoom : 1.0; }
  void SetLayerOffset(double x, double y) { m_offsetX = x, m_offsetY = y; }
  double Zoom() const { return m_zoom; }

  // "Paint on Edge": limits opacity near the object's outline (the map is built from
  // the object's coverage mask when switched on).
  void SetPaintOnEdge(bool on);
  bool PaintOnEdge() const { return m_paintOnEdge; }
  const CEdgeMap& EdgeMap() const { return m_edge; }

  // Images the clone tool reads: the composite of the layers below the object and the
  // blueprint, both in canvas pixels with the canvas's top-left at their top-left.
  // They must outlive their use; nullptr removes one.
  void SetCloneImages(const CDIBSection* layersBelow, const CDIBSection* blueprint);

  // Pointer handlers, in view pixels. Down starts a stroke (or performs Color Pick,
  // or sets the Rubber Stamp's source with right or a first left click); move extends
  // the stroke; up ends it and records it for undo.
  void ButtonDown(CPointD view, bool rightButton = false);
  void MouseMove(CPointD view);
  void ButtonUp(CPointD view);
  bool InStroke() const { return m_inStroke; }

  const CDIBSection& Layer() const { return m_layer; }
  // The layer rectangle (memory rows) changed since the last call, then forgotten.
  CRect TakeDirtyRect();
  // The view rectangle the last segment asked to repaint.
  const CRect& RedrawRect() const { return m_redraw; }

  bool Undo();
  bool Redo();
  bool CanUndo() const { return m_undo.CanUndo(); }
  bool CanRedo() const { return m_undo.CanRedo(); }

  // Copies the working layer into the object (its layer or its painted transparency);
  // true when it differs from what the object had.
  bool Commit();

  // Every dab placed so far (layer column, memory row), for replays and tests.
  const std::vector<CRect>& DabLog() const { return m_dabLog; }
  void SetLogDabs(bool on) { m_logDabs = on; }

 private:
  enum class Family { kBrush, kAlpha, kStamp, kNone };
  Family FamilyOf(int tool) const;
  void Segment(CPointD p0, CPointD p1);
  bool PrepareInk(Family family, CDabParams& params);
  void PickColour(CPointD view);
  void SetStampSource(CPointD view);

  CDrawObject& m_object;
  CPaintingState& m_state;
  PaintTarget m_target;
  CDIBSection m_layer;   // working copy
  CDIBSection m_base;    // the layer as the stroke started
  CEdgeMap m_edge;
  bool m_paintOnEdge = false;
  const CDIBSection* m_layersBelow = nullptr;
  const CDIBSection* m_blueprint = nullptr;

  double m_zoom = 1.0;
  double m_offsetX = 0.0, m_offsetY = 0.0;
  bool m_inStroke = false;
  bool m_firstSegment = true;
  CPointD m_last;        // previous pointer position
  int m_angle = 0;       // last stroke direction
  CRect m_dirty, m_strokeRect, m_redraw;
  CPaintUndo m_undo;

  // Rubber Stamp: the source image, its point, and the shift fixed by the first stroke.
  CDIBSection m_stampSource;
  bool m_stampSourceSet = false;
  bool m_stampShiftSet = false;
  CPointD m_stampPoint;
  int m_stampDx = 0, m_stampDy = 0;

  bool m_logDabs = false;
  std::vector<CRect> m_dabLog;
};

}  // namespace tessel
