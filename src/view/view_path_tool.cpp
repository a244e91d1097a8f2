// New line or path (tool 8): every press adds a point; dragging before the release
// pulls out the point's handles (mirrored through it, so the curve passes smoothly);
// Shift makes the segment to the new point straight. Pressing the start point again
// closes the path; a double-click or a right press ends it open.
#include "document/draw_object.h"
#include "view/creation_geometry.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

namespace {
// Each point is kept as three records: incoming handle, point, outgoing handle.
constexpr size_t kRecordsPerPoint = 3;
// The path is made only from two points or more (at least this many records).
constexpr size_t kMinPathRecords = 4;
constexpr int kOverlayMargin = 2;

// The records of the last point.
CPointD& Incoming(std::vector<CPointD>& list) { return list[list.size() - 3]; }
CPointD& Anchor(std::vector<CPointD>& list) { return list[list.size() - 2]; }
CPointD& Outgoing(std::vector<CPointD>& list) { return list.back(); }

// From (incoming, point, outgoing) per point to the path's own order: point, outgoing
// handle, incoming handle of the next point. An open path ends with its last point; a
// closed one returns through the first point's incoming handle.
std::vector<CPointD> PathRecords(const std::vector<CPointD>& list, bool closed) {
  std::vector<CPointD> out;
  const size_t n = list.size() / kRecordsPerPoint;
  for (size_t i = 0; i < n; ++i) {
    const size_t at = kRecordsPerPoint * i;
    out.push_back(list[at + 1]);
    if (i + 1 < n) {
      out.push_back(list[at + 2]);
      out.push_back(list[at + 3]);
    } else if (closed) {
      out.push_back(list[at + 2]);
      out.push_back(list[0]);
    }
  }
  return out;
}
}  // namespace

void CVellumView::PathToolDown(CPoint doc, ViewKeys keys) {
  const CPoint p = SnapGridAndGuides(doc);
  if (!m_pointList.empty() && NearStart(p, m_startPoint)) {
    FinishPath(true);
    return;
  }
  if (m_pointList.empty()) m_startPoint = p;
  const CPointD at = ToPointD(p);
  CPointD incoming = at;
  m_straightPress = keys.shift && !m_pointList.empty();
  if (m_straightPress) {
    // Both handles of the segment lie on the previous point: a straight line.
    Outgoing(m_pointList) = Anchor(m_pointList);
    incoming = Anchor(m_pointList);
  }
  m_pointList.insert(m_pointList.end(), {incoming, at, at});
  m_rubberPoint = p;
  m_dragging = true;
  m_host.SetCapture(true);
  InvalidateDocument(PointBounds(m_pointList, kOverlayMargin));
}

void CVellumView::PathToolMove(CPoint doc) {
  std::vector<CPointD> touched = {ToPointD(m_rubberPoint), ToPointD(doc)};
  m_rubberPoint = doc;
  if (m_dragging && !m_pointList.empty()) {
    // The handles follow the mouse while the button is held; the release fixes them.
    touched.insert(touched.end(), m_pointList.begin(), m_pointList.end());
    PathToolUp(doc);
    touched.insert(touched.end(), m_pointList.end() - kRecordsPerPoint, m_pointList.end());
  } else if (!m_pointList.empty()) {
    touched.push_back(Anchor(m_pointList));
  }
  InvalidateDocument(PointBounds(touched, kOverlayMargin));
}

void CVellumView::PathToolUp(CPoint doc) {
  if (m_pointList.empty()) return;
  const CPointD handle = ToPointD(SnapGridAndGuides(doc));
  const CPointD anchor = Anchor(m_pointList);
  Outgoing(m_pointList) = handle;
  // After a Shift press the incoming handle stays where it keeps the segment straight.
  if (!m_straightPress) Incoming(m_pointList) = {2 * anchor.x - handle.x, 2 * anchor.y - handle.y};
}

void CVellumView::FinishPath(bool closed) {
  InvalidateDocument(PointBounds(m_pointList, kOverlayMargin).Union(
      PointBounds({ToPointD(m_rubberPoint)}, kOverlayMargin)));
  const bool enough = m_pointList.size() >= kMinPathRecords;
  const std::vector<CPointD> records = PathRecords(m_pointList, closed);
  ResetCreation();
  if (enough) {
    CDrawObject* object = BeginNewObject(false);
    FinishNewObject(object, object->CreatePath(records, closed));
  }
  SetTool(kToolSelect);
}

}  // namespace tessel
