// Shape creators and the break/close operations of drawing objects.
#include <algorithm>

#include "document/draw_object.h"
#include "geometry/free_path.h"

namespace tessel {

namespace {
constexpr int kShapeGrow = 2;      // the first box of a shape exceeds the drag by this
constexpr double kCornerScale = 1024.0;
constexpr int kBreakGrow = 10;     // a broken path's box grows by this on every side
}  // namespace

void CDrawObject::FitBoxToOutline(int left, int top, int width, int height, const char* name) {
  m_type = kTypePath;
  m_name = name;
  m_left = left - kShapeGrow;
  m_top = top - kShapeGrow;
  const CRect r = m_path.NormalizeToBox(0, 0, width + 2 * kShapeGrow, height + 2 * kShapeGrow);
  m_left += r.left;
  m_top += r.top;
  AllocateBitmaps(r.Width(), r.Height());
}

void CDrawObject::CreateRectangle(int left, int top, int right, int bottom) {
  m_path.MakeRectangle();
  FitBoxToOutline(left, top, right - left, bottom - top, "Rectangle");
}

void CDrawObject::CreateCircle(int left, int top, int right, int bottom) {
  m_path.MakeEllipse();
  m_polynome.Clear();
  FitBoxToOutline(left, top, right - left, bottom - top, "Circle");
}

void CDrawObject::CreateRoundRect(int left, int top, int right, int bottom, int corner) {
  const int w = right - left + 2 * kShapeGrow, h = bottom - top + 2 * kShapeGrow;
  m_path.MakeRoundRect(corner / kCornerScale, w, h);
  FitBoxToOutline(left, top, right - left, bottom - top, "Round-Rect");
}

void CDrawObject::CreateStar(int left, int top, int right, int bottom, int points, double depth) {
  m_path.MakeStar(points, depth);
  m_type = kTypePath;
  m_name = "Star";
  m_left = left - kShapeGrow;
  m_top = top - kShapeGrow;
  AllocateBitmaps(right - left + 2 * kShapeGrow, bottom - top + 2 * kShapeGrow);
}

namespace {
// Puts pixel points into the path in unit coordinates of the rectangle r.
void SetPathPoints(CBezier& path, const std::vector<CPointD>& points, const CRect& r) {
  const double w = std::max(r.Width(), 1), h = std::max(r.Height(), 1);
  path.Clear();
  for (const auto& p : points) path.AddPoint((p.x - r.left) / w, (p.y - r.top) / h);
}
}  // namespace

bool CDrawObject::CreatePath(const std::vector<CPointD>& points, bool closed) {
  CBezier pixels;
  pixels.m_closed = closed ? 1 : 0;
  for (const auto& p : points) pixels.AddPoint(p.x, p.y);
  const CRect bounds = pixels.GetBounds(0, 0, 1, 1);
  if (points.empty() || (bounds.Width() == 0 && bounds.Height() == 0)) return false;
  SetPathPoints(m_path, points, bounds);
  m_path.m_closed = closed ? 1 : 0;
  m_type = kTypePath;
  m_name = "Path";
  const int border = MaskMargin();
  m_left = bounds.left - border;
  m_top = bounds.top - border;
  AllocateBitmaps(bounds.Width() + 2 * border, bounds.Height() + 2 * border);
  return true;
}

bool CDrawObject::CreateFreePath(const std::vector<CPointD>& points, bool close) {
  constexpr size_t kMinPointsToClose = 6;
  const std::vector<CPointD> stroke = CleanFreeHandStroke(points, close);
  const CRect bounds = SampledCurveBounds(stroke);
  if (stroke.empty() || bounds.Width() < 1 || bounds.Height() < 1) return false;
  SetPathPoints(m_path, stroke, bounds);
  m_path.m_closed = (close && points.size() >= kMinPointsToClose) ? 1 : 0;
  m_type = kTypePath;
  m_name = "Free Path";
  const int border = MaskMargin();
  m_left = bounds.left - border;
  m_top = bounds.top - border;
  AllocateBitmaps(bounds.Width() + 2 * border, bounds.Height() + 2 * border);
  return true;
}

namespace {
// Rescales the polynome so that its points span 0..1000 and returns their pixel
// bounds inside the rectangle (left, top, width, height).
CRect RefitPolynome(CPolynome& poly, int left, int top, int width, int height) {
  const CRect b = poly.GetBounds(left, top, width, height);
  if (poly.IsEmpty()) return {left, top, left + width, top + height};
  double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
  for (const auto& p : poly.m_points) {
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  const double sx = maxX > minX ? 1000.0 / (maxX - minX) : 1.0;
  const double sy = maxY > minY ? 1000.0 / (maxY - minY) : 1.0;
  for (auto& p : poly.m_points) {
    p.x = (p.x - minX) * sx;
    p.y = (p.y - minY) * sy;
  }
  return b;
}

void RefitPolynomeObject(CDrawObject& o, int oldBorder) {
  const CRect b = RefitPolynome(o.m_polynome, o.m_left + oldBorder, o.m_top + oldBorder,
                                o.m_width - 2 * oldBorder, o.m_height - 2 * oldBorder);
  const int border = o.MaskMargin();
  o.m_left = b.left - border;
  o.m_top = b.top - border;
  o.AllocateBitmaps(b.Width() + 2 * border, b.Height() + 2 * border);
}
}  // namespace

void CDrawObject::BreakPath() {
  if (IsPolynome()) {
    const int oldBorder = MaskMargin();
    m_polynome.m_open = 1;
    RefitPolynomeObject(*this, oldBorder);
    return;
  }
  if (!IsPath() || !m_path.m_closed || m_path.m_points.empty()) return;
  m_path.Open();
  const int b2 = 2 * MaskMargin();
  const CRect b = m_path.GetBounds(0, 0, m_width - b2, m_height - b2);
  m_left += b.left - kBreakGrow;
  m_top += b.top - kBreakGrow;
  AllocateBitmaps(b.Width() + b2 + 2 * kBreakGrow, b.Height() + b2 + 2 * kBreakGrow);
}

void CDrawObject::ClosePath() {
  if (IsPolynome()) {
    const int oldBorder = MaskMargin();
    m_polynome.m_open = 0;
    RefitPolynomeObject(*this, oldBorder);
    return;
  }
  if (!IsPath() || m_path.m_closed || m_path.m_points.empty()) return;
  m_path.Close();
  const int b2 = 2 * MaskMargin();
  const CRect b = m_path.GetBounds(0, 0, m_width - b2, m_height - b2);
  m_left += b.left + kBreakGrow;
  m_top += b.top + kBreakGrow;
  AllocateBitmaps(b.Width() + b2 - 2 * kBreakGrow, b.Height() + b2 - 2 * kBreakGrow);
}

}  // namespace tessel
