#include "document/object_point_edit.h"

#include <algorithm>

#include "document/draw_object.h"
#include "geometry/envelope.h"
#include "geometry/outline_transform.h"
#include "geometry/path_point_edit.h"
#include "geometry/polynome_point_edit.h"

namespace tessel {

namespace {
bool EditsPath(const CDrawObject& o) { return o.IsPath(); }
bool EditsPoly(const CDrawObject& o) { return o.IsPolynome() && !o.IsText(); }
}  // namespace

bool HasEditablePoints(const CDrawObject& o) { return EditsPath(o) || EditsPoly(o); }

int ObjectPointCount(const CDrawObject& o) {
  if (EditsPath(o)) return o.m_path.UsedPointCount();
  if (EditsPoly(o)) return int(o.m_polynome.m_points.size());
  return 0;
}

CPointD ObjectPointAt(const CDrawObject& o, int i) {
  if (EditsPath(o)) return PathPointAt(o.m_path, o.GetInnerRect(), i);
  if (EditsPoly(o)) return PolyPointAt(o.m_polynome, o.GetInnerRect(), i);
  return {};
}

bool IsObjectControl(const CDrawObject& o, int i) {
  if (EditsPath(o)) return i >= 0 && !CBezier::IsAnchor(i);
  if (EditsPoly(o)) return IsPolyControl(o.m_polynome, i);
  return false;
}

void ObjectAnchorControls(const CDrawObject& o, int i, int* anchor, int* in, int* out) {
  *anchor = *in = *out = -1;
  if (EditsPath(o)) {
    const int a = PathAnchorOf(o.m_path, i);
    if (a < 0) return;
    const int used = o.m_path.UsedPointCount();
    *anchor = a;
    *in = a > 0 ? a - 1 : (o.m_path.m_closed ? used - 1 : -1);
    *out = a + 1 < used ? a + 1 : -1;
    return;
  }
  if (!EditsPoly(o) || i < 0 || i >= ObjectPointCount(o)) return;
  const CPolynome& p = o.m_polynome;
  const int a = !IsPolyControl(p, i) ? i : (p.m_points[size_t(i)].flag & kPolyCurve) ? i - 1 : i + 1;
  *anchor = a;
  if (a >= 1 && IsPolyControl(p, a - 1)) *in = a - 1;
  if (a + 1 < ObjectPointCount(o) && IsPolyControl(p, a + 1) && (p.m_points[size_t(a + 1)].flag & kPolyCurve)) *out = a + 1;
}

int FindObjectPoint(const CDrawObject& o, CPointD p, double tolerance, bool handles) {
  if (EditsPath(o)) return FindPathPoint(o.m_path, o.GetInnerRect(), p, tolerance, handles);
  if (EditsPoly(o)) return FindPolyPoint(o.m_polynome, o.GetInnerRect(), p, tolerance, handles);
  return -1;
}

void MoveObjectPoint(CDrawObject& o, int i, double dx, double dy) {
  if (EditsPath(o)) MovePathPoint(o.m_path, o.GetInnerRect(), i, dx, dy);
  if (EditsPoly(o)) MovePolyPoint(o.m_polynome, o.GetInnerRect(), i, dx, dy);
}

void RealignObjectHandles(CDrawObject& o, int i) {
  if (EditsPath(o)) RealignPathHandles(o.m_path, o.GetInnerRect(), i);
  if (EditsPoly(o)) RealignPolyHandles(o.m_polynome, o.GetInnerRect(), i);
}

int InsertObjectPoint(CDrawObject& o, CPointD p, double tolerance, bool island) {
  if (EditsPath(o)) return InsertPathPoint(o.m_path, o.GetInnerRect(), p, tolerance);
  if (EditsPoly(o)) return InsertPolyPoint(o.m_polynome, o.GetInnerRect(), p, tolerance, island);
  return -1;
}

bool DeleteObjectPoint(CDrawObject& o, int i) {
  if (EditsPath(o)) return DeletePathPoint(o.m_path, i);
  if (EditsPoly(o)) return DeletePolyPoint(o.m_polynome, i);
  return false;
}

void FinishPointEdit(CDrawObject& o) {
  const CRect inner = o.GetInnerRect();
  CBezier path = o.m_path;
  CPolynome poly = o.m_polynome;
  CRect r;
  if (EditsPath(o) && !path.m_points.empty()) {
    r = TransformBezier(path, inner, CAffine{});
  } else if (EditsPoly(o) && !poly.IsEmpty() && IsIdentityEnvelope(poly.m_envelope)) {
    r = TransformPolynome(poly, inner, CAffine{});
  } else {
    o.RenderObject(false, nullptr);
    return;
  }
  const int border = o.MaskMargin();
  const int width = r.Width() + 2 * border, height = r.Height() + 2 * border;
  if (!CDIBSection::SizeAllowed(std::max(width, 1), std::max(height, 1), 32)) {
    o.RenderObject(false, nullptr);
    return;
  }
  o.m_path = std::move(path);
  o.m_polynome = std::move(poly);
  o.m_left = r.left - border;
  o.m_top = r.top - border;
  o.AllocateBitmaps(width, height);
}

}  // namespace tessel
