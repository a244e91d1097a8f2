// What the shape and add-point tools draw over the current object: its anchors (the
// selected one filled), its control handles with the lines to their anchors, and the
// eight envelope handles of an envelope object.
#include <algorithm>
#include <cmath>

#include "document/draw_object.h"
#include "document/object_point_edit.h"
#include "geometry/envelope.h"
#include "view/vellum_view.h"
#include "view/view_selection_geometry.h"

namespace tessel {

namespace {
constexpr int kAnchorHalf = 3;    // anchors are 6 by 6 window pixels
constexpr int kControlHalf = 2;   // control handles 4 by 4
constexpr double kThousand = 1000.0;

CPoint Rounded(CPointD p) { return {int(std::lround(p.x)), int(std::lround(p.y))}; }

OverlayItem Square(CPoint centre, int half, bool filled, uint32_t colour) {
  OverlayItem item;
  item.kind = filled ? OverlayKind::kFillRect : OverlayKind::kRect;
  item.rect = {centre.x - half, centre.y - half, centre.x + half, centre.y + half};
  item.color = colour;
  item.window = true;
  return item;
}

OverlayItem Line(CPoint a, CPoint b) {
  OverlayItem item;
  item.kind = OverlayKind::kLine;
  item.points = {a, b};
  item.color = kAzure;
  item.dotted = true;
  item.window = true;
  return item;
}

bool PointTool(int tool) { return tool == kToolShape || tool == kToolAddPoint; }

// Where envelope handle h of the object stands, in document pixels.
CPointD EnvelopeHandleAtDoc(const CDrawObject& o, int h) {
  const CRect box = o.GetInnerRect();
  const CPointD p = EnvelopeHandle(o.m_polynome.m_envelope, h);
  return {box.left + p.x / kThousand * box.Width(), box.top + p.y / kThousand * box.Height()};
}
}  // namespace

void CVellumView::AddPointOverlays(OverlayList& out) const {
  if (!PointTool(m_tool) || !m_current) return;
  const CDrawObject& o = *m_current;
  auto window = [&](CPointD p) { return DocumentToWindow(Rounded(p)); };
  const int count = ObjectPointCount(o);
  const int selected = SelectedPoint();
  for (int i = 0; i < count; ++i) {
    if (IsObjectControl(o, i)) continue;
    int anchor = -1, in = -1, outControl = -1;
    ObjectAnchorControls(o, i, &anchor, &in, &outControl);
    const CPoint a = window(ObjectPointAt(o, i));
    for (int c : {in, outControl}) {
      if (c < 0) continue;
      const CPoint h = window(ObjectPointAt(o, c));
      if (h.x == a.x && h.y == a.y) continue;  // a control on its anchor is not shown
      out.push_back(Line(a, h));
      out.push_back(Square(h, kControlHalf, c == selected, kAzure));
    }
    out.push_back(Square(a, kAnchorHalf, i == selected, kAzure));
  }
  if (o.IsPolynomeEnvelope() || o.IsBitmapEnvelope())
    for (int h = 0; h < kEnvelopeHandles; ++h)
      out.push_back(Square(window(EnvelopeHandleAtDoc(o, h)), kAnchorHalf, h == m_envelopeHandle, kFramePurple));
}

void CVellumView::InvalidatePointArea() {
  if (!m_current) return;
  const CDrawObject& o = *m_current;
  CRect area = ObjectArea(o);
  auto take = [&](CPointD p) {
    const CPoint q = Rounded(p);
    area = area.Union({q.x, q.y, q.x + 1, q.y + 1});
  };
  for (int i = 0; i < ObjectPointCount(o); ++i) take(ObjectPointAt(o, i));
  if (o.IsPolynomeEnvelope() || o.IsBitmapEnvelope())
    for (int h = 0; h < kEnvelopeHandles; ++h) take(EnvelopeHandleAtDoc(o, h));
  // The handles reach a few window pixels beyond their points at every zoom.
  const int reach = int(std::ceil((kAnchorHalf + 1) / double(Scale())));
  InvalidateWithHandles(area.Inflated(reach));
}

}  // namespace tessel
