// What the selection draws over the canvas: the current object's frame and handles,
// the multi-selection frame, and the outline of the running gesture (moved or resized
// object, marquee, frame being dragged, rotation, skew handles).
#include <cmath>

#include "document/draw_object.h"
#include "view/vellum_view.h"
#include "view/view_selection_geometry.h"

namespace tessel {

namespace {
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
constexpr int kFrameInset = 2;  // the frame is drawn 2 pixels inside the selection rectangle

OverlayItem WindowRect(OverlayKind kind, const CRect& r, uint32_t colour) {
  OverlayItem item;
  item.kind = kind;
  item.rect = r;
  item.color = colour;
  item.window = true;
  return item;
}

// The inverting dotted outline of a document rectangle (rubber bands, dragged outlines).
OverlayItem RubberBand(const CRect& documentRect) {
  OverlayItem item;
  item.kind = OverlayKind::kRect;
  item.rect = documentRect.Normalized();
  item.invert = true;
  item.dotted = true;
  return item;
}

void AddHandles(OverlayList& out, const CRect (&rects)[13]) {
  for (int h = kHandleTopLeft; h <= kHandleLeft; ++h)
    if (!rects[h].IsEmpty())
      out.push_back(WindowRect(OverlayKind::kFillRect, rects[h], h == kHandleBottomRight ? kHandleGrey : kAzure));
}

uint32_t FrameColour(const CDrawObject& o) {
  if (o.IsPolynomeEnvelope()) return kFramePurple;
  if (o.IsPolynome()) return kFrameGreen;
  return kAzure;
}

bool IsCloneSource(const CDrawObject& o) { return o.IsPackage() && o.m_packageId > 0; }

// The object's box turned by angle degrees (counter-clockwise on screen) about its centre.
OverlayItem RotatedBox(const CDrawObject& o, int angle) {
  const double cx = o.m_left + o.m_width / 2, cy = o.m_top + o.m_height / 2;
  const double c = std::cos(angle * kRadiansPerDegree), s = std::sin(angle * kRadiansPerDegree);
  const CRect box = o.GetBoxRect();
  const CPoint corners[4] = {{box.left, box.top}, {box.right, box.top}, {box.right, box.bottom}, {box.left, box.bottom}};
  OverlayItem item;
  item.kind = OverlayKind::kPolyline;
  item.closed = true;
  item.invert = true;
  for (const CPoint& p : corners) {
    const double dx = p.x - cx, dy = p.y - cy;
    item.points.push_back({int(std::lround(cx + dx * c + dy * s)), int(std::lround(cy - dx * s + dy * c))});
  }
  return item;
}
}  // namespace

void CVellumView::AddSelectionOverlays(OverlayList& out) {
  ComputeHandleRects(m_handleRects);
  if (m_current) {
    const CDrawObject& o = *m_current;
    const CRect frame = DocumentToWindow(o.GetSelectionRect());
    const bool cloneLike = o.IsClone() || IsCloneSource(o);
    OverlayItem outline = WindowRect(OverlayKind::kRect, frame.Inflated(-kFrameInset), cloneLike ? kGuideBlue : FrameColour(o));
    outline.dotted = cloneLike;
    out.push_back(outline);
    if (m_tool == kToolSkew) {
      CRect skew[5];
      ComputeSkewHandleRects(skew);
      for (int h = 1; h <= 4; ++h) out.push_back(WindowRect(OverlayKind::kFillRect, skew[h], kAzure));
    } else if (IsPlacementTool(m_tool)) {
      AddPlacementOverlays(out);  // Placement tools draw their own handles
    } else {
      AddHandles(out, m_handleRects);
    }
    if (cloneLike) {
      const CRect tag = m_handleRects[kHandleExtra11];
      out.push_back(WindowRect(OverlayKind::kFillRect, tag, kAzure));
      OverlayItem label = WindowRect(OverlayKind::kText, tag, kGuideBlue);
      label.text = o.IsClone() ? "Clone" : "Source";
      out.push_back(label);
    }
  } else if (!m_multi.empty()) {
    out.push_back(WindowRect(OverlayKind::kRect, DocumentToWindow(SelectionFrame()), kAzure));
    AddHandles(out, m_handleRects);
  }

  // Shape tool
  AddPointOverlays(out);

  if (!m_dragging) return;
  switch (m_tool) {
    case kToolSelect:
      if (!m_current) break;
      if (m_handle != kHandleNone && m_current->m_pendingResize) {
        const auto& p = m_current->m_pendingRect;
        out.push_back(RubberBand({p[0], p[1], p[0] + p[2], p[1] + p[3]}));
      } else if (m_handle == kHandleNone) {
        out.push_back(RubberBand(m_current->GetBoxRect()));
      }
      break;
    case kToolMarquee:
    case kToolMoveSelection: out.push_back(RubberBand(m_gestureRect)); break;
    case kToolRotate:
      if (m_current) out.push_back(RotatedBox(*m_current, m_rotationAngle));
      break;
    default: break;
  }
}

}  // namespace tessel
