#include "document/combine_objects.h"

#include <algorithm>
#include <cmath>

#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "geometry/envelope.h"
#include "geometry/path_contours.h"

namespace tessel {

const char* const kCombineBitmapFirst =
    "You can't combine bitmap object with vector objects.\nThe Combine Objects command works only for vector objects.";
const char* const kCombineBitmapsSkipped =
    "Finished....\nHowever the bitmap objects you had in the selection\nwere not combined with the vector "
    "objects.\nThe Combine Objects command works only for vector objects...";

namespace {
constexpr double kThousand = 1000.0;

// Contour points in canvas pixels and the area the contours are drawn into.
struct CanvasOutline {
  std::vector<CPolyPoint> points;
  double left = 0, top = 0, right = 0, bottom = 0;

  void Include(double x0, double y0, double x1, double y1) {
    left = std::min(left, x0), top = std::min(top, y0);
    right = std::max(right, x1), bottom = std::max(bottom, y1);
  }
};

// Adds the object's outline, bent by its envelope, at its place on the canvas. The
// outline of paths and contour sets is drawn into the box less the mask margin.
void AddOutline(const CDrawObject& o, CanvasOutline& out) {
  const CPolynome poly = o.IsPath() ? PathToContours(o.m_path) : o.m_polynome;
  const bool bend = !o.IsPath() && !IsIdentityEnvelope(poly.m_envelope);
  const CRect inner = o.GetInnerRect();
  const double w = std::max(inner.Width(), 1), h = std::max(inner.Height(), 1);
  const size_t first = out.points.size();
  for (const CPolyPoint& p : poly.m_points) {
    CPointD q{p.x, p.y};
    if (bend) q = ApplyEnvelope(poly.m_envelope, q);
    out.points.push_back({inner.left + q.x * w / kThousand, inner.top + q.y * h / kThousand, p.flag});
  }
  if (out.points.size() > first) out.points[first].flag |= kPolyIsland;  // each object starts its own contour
  out.Include(inner.left, inner.top, inner.right, inner.bottom);
}

// Makes the object a plain contour set holding the outline, its box refitted so that
// every point (controls too, which bound the curves) lies inside, and renders it.
void TakeOutline(CDrawObject& o, const CanvasOutline& outline, int32_t open) {
  CanvasOutline area = outline;
  for (const CPolyPoint& p : outline.points) area.Include(p.x, p.y, p.x, p.y);
  const CRect inner{int(std::floor(area.left)), int(std::floor(area.top)), int(std::ceil(area.right)),
                    int(std::ceil(area.bottom))};
  const double w = std::max(inner.Width(), 1), h = std::max(inner.Height(), 1);

  CPolynome poly;
  poly.m_polyMode = o.m_polynome.m_polyMode;
  poly.m_open = open;
  for (const CPolyPoint& p : outline.points)
    poly.m_points.push_back({(p.x - inner.left) * kThousand / w, (p.y - inner.top) * kThousand / h, p.flag});
  o.m_polynome = std::move(poly);
  o.m_type = kTypePolynome;
  o.m_envelope = 0;
  o.m_text.clear();
  const CRect box = inner.Inflated(o.MaskMargin());
  o.m_left = box.left;
  o.m_top = box.top;
  o.AllocateBitmaps(box.Width(), box.Height());
}
}  // namespace

CombineResult CombineObjects(CVellumDoc& doc, const std::vector<CDrawObject*>& selection, CombineMode mode) {
  CombineResult result;
  if (selection.empty() || !selection.front()) return result;
  CDrawObject& target = *selection.front();
  if (target.IsBitmap()) {
    result.message = kCombineBitmapFirst;
    return result;
  }
  const int32_t open = target.IsPath() ? (target.m_path.m_closed ? 0 : 1) : target.m_polynome.m_open;
  CanvasOutline outline;
  const CRect start = target.GetInnerRect();
  outline.left = start.left, outline.top = start.top, outline.right = start.right, outline.bottom = start.bottom;
  AddOutline(target, outline);

  bool skipped = false;
  for (size_t i = 1; i < selection.size(); ++i) {
    CDrawObject* member = selection[i];
    if (!member || member == &target || doc.Position(member) < 0) continue;
    if (member->IsBitmap()) {
      skipped = true;
      continue;
    }
    AddOutline(*member, outline);
    doc.RemoveObject(member);
  }
  target.m_layerFlag = mode;
  TakeOutline(target, outline, open);
  doc.ValidateGroups();
  doc.m_modified = true;
  result.changed = true;
  if (skipped) result.message = kCombineBitmapsSkipped;
  return result;
}

}  // namespace tessel
