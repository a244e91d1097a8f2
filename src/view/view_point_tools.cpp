// The shape tool (code 5) and the add-point tool (code 7): dragging the points and
// control handles of paths and polynomes, the envelope handles of envelope objects, the
// light direction of "3D Ball" objects, and moving the object with Alt.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "document/draw_object.h"
#include "document/object_point_edit.h"
#include "document/vellum_doc.h"
#include "geometry/envelope.h"
#include "view/vellum_view.h"
#include "view/view_host.h"
#include "view/view_selection_geometry.h"

namespace tessel {

namespace {
constexpr int kBallBevel = 12;               // "3D Ball": the shape tool turns its light
constexpr double kRadiansPerPixel = 0.05;    // light-direction drag
constexpr double kMinLightLength2 = 0.000001;
constexpr double kDefaultLight[3] = {-0.6476, -0.52906, 0.54827};
constexpr double kPointHitWindow = 4.0;      // a point is hit within 4 window pixels
constexpr double kThousand = 1000.0;

constexpr char kBitmapRefusal[] =
    "To edit the bitmap shape you must convert the bitmap to the envelope (Menu Bitmap).";
constexpr char kPackageRefusal[] =
    "To edit the Package shape you must convert it to the envelope. (Menu Object, Convert - To Envelope)";
constexpr char kAltHint[] = "To Move object while in SHAPE mode, press Alt";
constexpr char kPolyHint[] = "Add point to the Polynome. SHIFT - insert island";
constexpr char kPolyRetryHint[] = "Add point to the Polynome. CTRL - add detached point";
constexpr char kPathHint[] = "Add point to the existing Path";
constexpr char kSelectHint[] = "Select Path or Polynome";

bool HasEnvelopeHandles(const CDrawObject& o) { return o.IsPolynomeEnvelope() || o.IsBitmapEnvelope(); }

std::string PointStatus(const CDrawObject& o, int index) {
  char text[64];
  std::snprintf(text, sizeof text, o.IsPolynome() ? "Polynome Point: %d" : "Path Point: %d", index);
  return text;
}
}  // namespace

int CVellumView::SelectedPoint() const {
  return m_selectedPoint >= 0 && m_pointOwner != m_current ? -1 : m_selectedPoint;
}

bool CVellumView::ShapeToolDoubleClick(CPoint doc) {
  CDrawObject* picked = ObjectAtPoint(doc, false, false);
  if (!picked || !HasEditablePoints(*picked)) return false;
  SelectObject(picked);
  Execute(ViewCommand::kToolShape);
  return true;
}

double CVellumView::PointTolerance() const { return kPointHitWindow / double(Scale()); }

std::string CVellumView::AddPointHint() const {
  if (m_current && m_current->IsPolynome() && !m_current->IsPolynomeEnvelope()) return kPolyHint;
  if (m_current && m_current->IsPath()) return kPathHint;
  return kSelectHint;
}

int CVellumView::EnvelopeHandleAt(CPoint doc) const {
  if (!m_current || !HasEnvelopeHandles(*m_current)) return -1;
  const CRect box = m_current->GetInnerRect();
  const double tolerance = PointTolerance();
  for (int h = 0; h < kEnvelopeHandles; ++h) {
    const CPointD p = EnvelopeHandle(m_current->m_polynome.m_envelope, h);
    const double x = box.left + p.x / kThousand * box.Width(), y = box.top + p.y / kThousand * box.Height();
    if (std::fabs(x - doc.x) <= tolerance && std::fabs(y - doc.y) <= tolerance) return h;
  }
  return -1;
}

void CVellumView::PointToolDown(CPoint doc, ViewKeys keys) {
  if (m_tool == kToolAddPoint) AddPointPress(doc, keys);
  else ShapeToolPress(doc, keys);
}

void CVellumView::StartPointGesture(PointGesture gesture, CPoint doc) {
  m_pointGesture = gesture;
  m_pointEdited = false;
  m_pointLast = doc;
  m_pointBefore = m_current ? ObjectArea(*m_current) : CRect{};
  m_dragging = true;
  m_host.SetCapture(true);
  InvalidatePointArea();
}

void CVellumView::ShapeToolPress(CPoint doc, ViewKeys keys) {
  m_envelopeHandle = -1;
  // Presses away from the current object pick another one.
  CDrawObject* o = m_current && m_current->GetBoxRect().Contains(doc.x, doc.y) ? m_current : nullptr;
  if (o && o->IsBitmap() && !o->IsBitmapEnvelope()) {
    m_host.Status(o->IsPackage() ? kPackageRefusal : kBitmapRefusal);
    return;
  }
  if (o && o->m_bevelType == kBallBevel) {
    m_selectedPoint = -2;
    StartPointGesture(PointGesture::kLight, doc);
    return;
  }
  if (m_current) {
    const int handle = EnvelopeHandleAt(doc);
    if (handle >= 0) {
      m_envelopeHandle = handle;
      StartPointGesture(PointGesture::kEnvelope, doc);
      return;
    }
    const int index = FindObjectPoint(*m_current, {double(doc.x), double(doc.y)}, PointTolerance(), keys.ctrl);
    if (index >= 0) {
      m_selectedPoint = index;
      m_pointOwner = m_current;
      m_host.Status(PointStatus(*m_current, index));
      StartPointGesture(PointGesture::kPoint, SnapGridAndGuides(doc));
      return;
    }
  }
  PickInShapeTool(doc, keys);
}

void CVellumView::PickInShapeTool(CPoint doc, ViewKeys keys) {
  CDrawObject* picked = ObjectAtPoint(doc, false, false);
  m_selectedPoint = -1;
  InvalidatePointArea();
  SelectObject(picked);
  if (!picked) return;
  InvalidatePointArea();
  if (!keys.alt) {
    m_host.Status(kAltHint);
    return;
  }
  StartPointGesture(PointGesture::kMoveObject, doc);
}

void CVellumView::AddPointPress(CPoint doc, ViewKeys keys) {
  const CPoint snapped = SnapGridAndGuides(doc);
  if (!m_current) {
    SelectObject(ObjectAtPoint(snapped, false, false));
    m_host.Status(AddPointHint());
    return;
  }
  CDrawObject& o = *m_current;
  const bool polynome = o.IsPolynome();
  const CRect before = ObjectArea(o);
  const int index =
      InsertObjectPoint(o, {double(snapped.x), double(snapped.y)}, PointTolerance(), keys.shift && polynome);
  if (index < 0) {
    SelectObject(ObjectAtPoint(snapped, false, false));
    m_host.Status(polynome && m_current == &o ? kPolyRetryHint : AddPointHint());
    return;
  }
  m_selectedPoint = keys.ctrl && polynome && index + 1 < ObjectPointCount(o) ? index + 1 : index;
  m_pointOwner = &o;
  StartPointGesture(PointGesture::kPoint, snapped);
  m_pointBefore = before;
  m_pointEdited = true;  // the insertion itself is the edit
}

void CVellumView::TurnLightDirection(int dx, int dy) {
  auto& v = m_current->m_lightDir;
  // Horizontal movement turns about the vertical axis, vertical movement about the
  // horizontal one.
  const double a = dx * kRadiansPerPixel, b = dy * kRadiansPerPixel;
  const double x1 = v[0] * std::cos(a) + v[2] * std::sin(a), z1 = -v[0] * std::sin(a) + v[2] * std::cos(a);
  const double y2 = v[1] * std::cos(b) - z1 * std::sin(b), z2 = v[1] * std::sin(b) + z1 * std::cos(b);
  double x = x1, y = y2, z = z2;
  double len2 = x * x + y * y + z * z;
  if (len2 <= kMinLightLength2) {
    x = kDefaultLight[0], y = kDefaultLight[1], z = kDefaultLight[2];
    len2 = x * x + y * y + z * z;
  }
  const double len = std::sqrt(len2);
  v = {x / len, y / len, z / len};
}

void CVellumView::PointToolMove(CPoint doc, ViewKeys keys) {
  if (!m_current || m_pointGesture == PointGesture::kNone) return;
  CDrawObject& o = *m_current;
  InvalidatePointArea();
  switch (m_pointGesture) {
    case PointGesture::kPoint: {
      const CPoint p = SnapGridAndGuides(doc);
      if (p.x == m_pointLast.x && p.y == m_pointLast.y) break;
      MoveObjectPoint(o, m_selectedPoint, p.x - m_pointLast.x, p.y - m_pointLast.y);
      if (!keys.shift) RealignObjectHandles(o, m_selectedPoint);
      m_pointLast = p;
      m_pointEdited = true;
      break;
    }
    case PointGesture::kEnvelope: {
      const CRect box = o.GetInnerRect();
      const CPointD at{(doc.x - box.left) * kThousand / std::max(box.Width(), 1),
                       (doc.y - box.top) * kThousand / std::max(box.Height(), 1)};
      SetEnvelopeHandle(o.m_polynome.m_envelope, m_envelopeHandle, at);
      m_pointEdited = true;
      break;
    }
    case PointGesture::kLight:
      if (doc.x == m_pointLast.x && doc.y == m_pointLast.y) break;
      TurnLightDirection(doc.x - m_pointLast.x, doc.y - m_pointLast.y);
      m_pointLast = doc;
      m_pointEdited = true;
      break;
    case PointGesture::kMoveObject:
      if (doc.x == m_pointLast.x && doc.y == m_pointLast.y) break;
      o.SetPosition(o.m_left + doc.x - m_pointLast.x, o.m_top + doc.y - m_pointLast.y);
      m_pointLast = doc;
      m_pointEdited = true;
      break;
    case PointGesture::kNone: break;
  }
  InvalidatePointArea();
}

void CVellumView::PointToolUp(CPoint /*doc*/, ViewKeys /*keys*/) {
  const PointGesture gesture = m_pointGesture;
  m_pointGesture = PointGesture::kNone;
  m_envelopeHandle = -1;
  if (m_selectedPoint == -2) m_selectedPoint = -1;
  const bool edited = m_pointEdited;
  m_pointEdited = false;
  if (!m_current || gesture == PointGesture::kNone) return;
  CDrawObject& o = *m_current;
  if (edited) {
    if (gesture == PointGesture::kPoint) FinishPointEdit(o);
    else if (gesture != PointGesture::kMoveObject) o.RenderObject(false, nullptr);
    m_doc.m_modified = true;
    InvalidateWithHandles(m_pointBefore.Union(ObjectArea(o)));
    InvalidatePointArea();
    SaveUndo();
    m_host.SelectionChanged();
  }
  if (m_tool == kToolAddPoint) {
    SetTool(kToolShape);
    if (m_selectedPoint >= 0) m_host.Status(PointStatus(o, m_selectedPoint));
  }
}

void CVellumView::DeleteSelectedPoint() {
  const int selected = SelectedPoint();
  if (!m_current || selected < 0 || selected >= ObjectPointCount(*m_current)) return;
  CDrawObject& o = *m_current;
  const CRect before = ObjectArea(o);
  InvalidatePointArea();
  if (!DeleteObjectPoint(o, selected)) return;
  m_selectedPoint = -1;
  FinishPointEdit(o);
  m_doc.m_modified = true;
  InvalidateWithHandles(before.Union(ObjectArea(o)));
  SaveUndo();
  m_host.SelectionChanged();
}

}  // namespace tessel
