#include "paint/paint_editor.h"

#include <algorithm>
#include <cstring>

#include "base/program_constants.h"
#include "document/draw_object.h"
#include "paint/dab_compositor.h"
#include "paint/paint_segment.h"
#include "paint/painting_state.h"

namespace tessel {

namespace {

constexpr uint8_t kOpaqueWhite = 255;

// The object's layer (or painted transparency) as a 32-bit working copy: 24-bit layers
// become opaque 32-bit ones; an object without a layer gets a transparent one of its
// box size, and one without painted transparency an opaque white one, which leaves the
// object as it is.
CDIBSection WorkingCopy(const CDrawObject& object, PaintTarget target) {
  const CDIBSection& src = target == PaintTarget::kLayer ? object.m_layer : object.m_paintTransp;
  CDIBSection layer;
  if (src.IsEmpty()) {
    layer.Create(std::max(1, int(object.m_width)), std::max(1, int(object.m_height)), 32);
    if (target == PaintTarget::kTransparency) std::memset(layer.Bits(), kOpaqueWhite, layer.SizeBytes());
    return layer;
  }
  if (src.BitsPerPixel() == 32) return src.Clone();
  if (!layer.Create(src.Width(), src.Height(), 32)) return layer;
  const int bpp = src.BytesPerPixel();
  for (int y = 0; y < src.Height(); ++y) {
    const uint8_t* s = src.RowFromBottom(y);
    uint8_t* d = layer.RowFromBottom(y);
    for (int x = 0; x < src.Width(); ++x, s += bpp, d += 4) {
      const bool grey = bpp == 1;
      d[kBlue] = s[0];
      d[kGreen] = grey ? s[0] : s[1];
      d[kRed] = grey ? s[0] : s[2];
      d[kAlpha] = 255;
    }
  }
  return layer;
}

}  // namespace

CPaintEditor::CPaintEditor(CDrawObject& object, CPaintingState& state, PaintTarget target)
    : m_object(object), m_state(state), m_target(target), m_layer(WorkingCopy(object, target)) {}

void CPaintEditor::SetPaintOnEdge(bool on) {
  m_paintOnEdge = on;
  if (on && (m_edge.width != m_layer.Width() || m_edge.height != m_layer.Height()))
    m_edge = BuildObjectEdgeMap(m_object, m_layer.Width(), m_layer.Height());
}

void CPaintEditor::SetCloneImages(const CDIBSection* layersBelow, const CDIBSection* blueprint) {
  m_layersBelow = layersBelow;
  m_blueprint = blueprint;
}

CPaintEditor::Family CPaintEditor::FamilyOf(int tool) const {
  switch (tool) {
    case kToolBrush:
    case kToolCloneBottom: return Family::kBrush;
    case kToolMakeOpaque:
    case kToolEraseTransparent: return Family::kAlpha;
    case kToolRubberStamp: return Family::kStamp;
    default: return Family::kNone;
  }
}

void CPaintEditor::ButtonDown(CPointD view, bool rightButton) {
  const int tool = m_state.m_tool;
  if (tool == kToolColorPick) {
    PickColour(view);
    return;
  }
  if (tool == kToolRubberStamp && (rightButton || !m_stampSourceSet)) {
    SetStampSource(view);
    return;
  }
  if (rightButton || FamilyOf(tool) == Family::kNone || m_layer.IsEmpty()) return;
  m_base = m_layer.Clone();
  m_inStroke = true;
  m_firstSegment = true;
  m_strokeRect = {};
  if (tool == kToolRubberStamp && !m_stampShiftSet) {
    const CPointD p0 = ViewToLayer(view, m_zoom, m_offsetX, m_offsetY);
    m_stampDx = int(m_stampPoint.x - p0.x);
    m_stampDy = -int(m_stampPoint.y - p0.y);  // memory rows run upward
    m_stampShiftSet = true;
  }
  Segment(view, view);
  m_firstSegment = false;
}

void CPaintEditor::MouseMove(CPointD view) {
  if (m_inStroke) Segment(m_last, view);
}

void CPaintEditor::ButtonUp(CPointD view) {
  if (!m_inStroke) return;
  if (view.x != m_last.x || view.y != m_last.y) Segment(m_last, view);
  m_inStroke = false;
  m_undo.Record(m_base, m_layer, m_strokeRect);
  m_base.Release();
}

void CPaintEditor::PickColour(CPointD view) {
  const CPointD p = ViewToLayer(view, m_zoom, m_offsetX, m_offsetY);
  const int x = int(p.x), yTop = int(p.y);
  if (x < 0 || yTop < 0 || x >= m_layer.Width() || yTop >= m_layer.Height()) return;
  const uint8_t* px = m_layer.RowFromTop(yTop) + x * 4;
  m_state.m_paintColour = uint32_t(px[kRed]) | uint32_t(px[kGreen]) << 8 | uint32_t(px[kBlue]) << 16;
  m_state.m_brush.SetColour(m_state.m_paintColour);
  m_state.m_tool = kToolBrush;
}

void CPaintEditor::SetStampSource(CPointD view) {
  m_stampPoint = ViewToLayer(view, m_zoom, m_offsetX, m_offsetY);
  m_stampSource = m_layer.Clone();
  m_stampSourceSet = true;
  m_stampShiftSet = false;
}

bool CPaintEditor::PrepareInk(Family family, CDabParams& p) {
  const CBrush& brush = m_state.m_brush;
  if (family == Family::kStamp) {
    p.ink = {InkKind::kClone, 0, &m_stampSource, m_stampDx, m_stampDy};
    return !m_stampSource.IsEmpty();
  }
  if (m_state.m_tool == kToolCloneBottom) {
    const CDIBSection* src = m_state.m_cloneSource == CloneSource::kBlueprint ? m_blueprint : m_layersBelow;
    if (!src || src->IsEmpty()) return false;
    // Layer column x is canvas column left + x; memory row y is canvas row
    // top + H − 1 − y, which is source memory row y + (source height − top − H).
    p.ink = {InkKind::kClone, 0, src, int(m_object.m_left), src->Height() - int(m_object.m_top) - m_layer.Height()};
    return true;
  }
  const bool ownColours = brush.m_tipKind >= kTipImageBrush && !brush.m_colourOverlay;
  p.ink = {ownColours ? InkKind::kDabColour : InkKind::kColour, m_state.m_paintColour, nullptr, 0, 0};
  return true;
}

void CPaintEditor::Segment(CPointD p0, CPointD p1) {
  m_last = p1;
  IPressureSource& pen = *m_state.m_pressure;
  if (pen.IsEraser()) return;
  CBrush& brush = m_state.m_brush;
  const Family family = FamilyOf(m_state.m_tool);
  CDabParams params;
  if (family == Family::kNone || brush.m_dab.IsEmpty() || !PrepareInk(family, params)) return;
  const int hw = brush.m_dab.Width() / 2, hh = brush.m_dab.Height() / 2;
  int angle = 0;
  if (brush.m_tipKind == kTipImageHose && brush.m_hoseMode == kHoseDirectional)
    angle = m_angle = StrokeAngle(p0, p1, m_angle);
  CSegmentInput in;
  in.p0 = p0, in.p1 = p1, in.zoom = m_zoom, in.offsetX = m_offsetX, in.offsetY = m_offsetY;
  in.layerHeight = m_layer.Height();
  in.dabWidth = brush.m_dab.Width(), in.dabHeight = brush.m_dab.Height();
  in.step = brush.DabStep();
  in.spacingEnabled = brush.m_spacingEnabled != 0;
  in.firstSegment = m_firstSegment;
  int pressure = kFullPressure;
  if (brush.m_pressureMode > 0) {
    pressure = pen.GetPressure();
    if (pressure < kFullPressure) pen.Reset();
  }
  params.blendMode = m_state.m_blendMode;
  params.opacity = m_state.m_opacity;
  params.pressure = pressure;
  params.pressureMode = brush.m_pressureMode;
  params.edge = m_paintOnEdge ? &m_edge : nullptr;
  for (const CDabPlacement& at : PlaceDabs(in)) {
    const CDIBSection& dab = brush.NextDab(angle);
    CRect r;
    if (family == Family::kAlpha) {
      const AlphaTool tool = m_state.m_tool == kToolEraseTransparent ? AlphaTool::kErase : AlphaTool::kMakeOpaque;
      r = CompositeAlphaDab(m_layer, dab, at.left, at.bottom, tool, params.opacity, pressure, params.pressureMode,
                            params.edge);
    } else {
      r = CompositeDab(m_layer, m_base, dab, at.left, at.bottom, params);
    }
    m_dirty = m_dirty.Union(r);
    m_strokeRect = m_strokeRect.Union(r);
    if (m_logDabs) m_dabLog.push_back({at.left, at.bottom, at.left + dab.Width(), at.bottom + dab.Height()});
  }
  m_redraw = SegmentRedrawRect(p0, p1, hw, hh, m_zoom);
}

CRect CPaintEditor::TakeDirtyRect() {
  const CRect r = m_dirty;
  m_dirty = {};
  return r;
}

bool CPaintEditor::Undo() {
  if (m_inStroke) return false;
  const CRect r = m_undo.Undo(m_layer);
  m_dirty = m_dirty.Union(r);
  return !r.IsEmpty();
}

bool CPaintEditor::Redo() {
  if (m_inStroke) return false;
  const CRect r = m_undo.Redo(m_layer);
  m_dirty = m_dirty.Union(r);
  return !r.IsEmpty();
}

bool CPaintEditor::Commit() {
  CDIBSection& stored = m_target == PaintTarget::kLayer ? m_object.m_layer : m_object.m_paintTransp;
  if (stored == m_layer) return false;
  // Unpainted transparency stays absent rather than becoming a white sheet.
  if (stored.IsEmpty() && m_target == PaintTarget::kTransparency && m_layer == WorkingCopy(m_object, m_target))
    return false;
  stored = m_layer.Clone();
  return true;
}

}  // namespace tessel
