// Rasterising an object's outline into its coverage mask with cairo: white on black
// in an 8-bit work raster at s times the box size, without anti-aliasing (pixel-centre
// sampling), then averaged down.
#include "render/coverage_mask.h"

#include <cairo.h>

#include <algorithm>
#include <memory>

#include "base/safe_round.h"
#include "document/draw_object.h"
#include "geometry/envelope.h"

namespace tessel {

namespace {
constexpr int kBevelOutline = 7;
constexpr int kBevelFeather = 9;
constexpr int kBevel3DBall = 12;
constexpr int kBallInset = 11;          // object pixels between the box and the ball
constexpr double kShrinkPixels = 20.0;  // work pixels an Outline or Feather figure is pulled in
constexpr double kOutlineShrink = 1.5;  // per cent of the rectangle per unit of bevel width
constexpr double kFeatherShrink = 0.5;
constexpr double kThousandth = 0.001;

struct CairoDeleter {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};

// The rectangle the outline is drawn into and how unit coordinates map onto it.
class PointMapper {
 public:
  PointMapper(int margin, int workW, int workH, double shrinkPercent) : m_left(margin), m_top(margin) {
    m_width = std::max(workW - 2 * margin, 1);
    m_height = std::max(workH - 2 * margin, 1);
    if (shrinkPercent > 0) {
      m_fx = shrinkPercent / 100 + kShrinkPixels / m_width;
      m_fy = shrinkPercent / 100 + kShrinkPixels / m_height;
    }
  }
  // A unit coordinate (0..1), rounded to the nearest work pixel.
  double X(double nx) const { return m_left + CoordTrunc(Pull(Flat(nx, m_width), m_fx) * m_width + 0.5); }
  double Y(double ny) const { return m_top + CoordTrunc(Pull(Flat(ny, m_height), m_fy) * m_height + 0.5); }
  // A contour coordinate in thousandths, truncated.
  double ContourX(double px) const {
    return m_left + CoordTrunc(Pull(Flat(px * kThousandth, m_width), m_fx) * m_width);
  }
  double ContourY(double py) const {
    return m_top + CoordTrunc(Pull(Flat(py * kThousandth, m_height), m_fy) * m_height);
  }

 private:
  static double Flat(double n, int size) { return size < 2 ? 0.5 : n; }
  static double Pull(double n, double f) { return (1 - f) * n + f / 2; }
  int m_left, m_top, m_width, m_height;
  double m_fx = 0, m_fy = 0;
};

double ShrinkPercent(const CDrawObject& o) {
  if (!o.IsClosed()) return 0;
  if (o.m_bevelType == kBevelOutline) return int(o.m_bevelWidth * kOutlineShrink);
  if (o.m_bevelType == kBevelFeather) return int(o.m_bevelWidth * kFeatherShrink);
  return 0;
}

// Strokes follow pixel centres as a raster pen does: a line through integer
// coordinates covers that row or column of pixels.
void StrokeWhite(cairo_t* cr, double width) {
  cairo_save(cr);
  cairo_translate(cr, 0.5, 0.5);
  cairo_set_line_width(cr, std::max(width, 1.0));
  cairo_set_line_cap(cr, width > 1 ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr, width > 1 ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_MITER);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void DrawShapePath(cairo_t* cr, const CDrawObject& o, const PointMapper& map, int s) {
  const CBezier& path = o.m_path;
  const int used = path.UsedPointCount();
  if (used == 0) return;
  auto at = [&](int i) { return std::pair<double, double>(map.X(path.m_points[size_t(i)].x), map.Y(path.m_points[size_t(i)].y)); };
  const auto [x0, y0] = at(0);
  cairo_move_to(cr, x0, y0);
  for (int k = 0; k < path.SegmentCount(); ++k) {
    const int i = 3 * k;
    const auto [ax, ay] = at(i + 1);
    const auto [bx, by] = at(i + 2);
    const auto [cx, cy] = at(i + 3 < used ? i + 3 : 0);  // a closed path returns to its start
    cairo_curve_to(cr, ax, ay, bx, by, cx, cy);
  }
  if (path.m_closed) {
    cairo_close_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr);
  } else {
    StrokeWhite(cr, double(path.m_width) * s);
  }
}

void DrawContours(cairo_t* cr, const CDrawObject& o, const PointMapper& map, int s) {
  const CPolynome& poly = o.m_polynome;
  const bool envelope = !IsIdentityEnvelope(poly.m_envelope);
  auto at = [&](size_t i) {
    CPointD p{poly.m_points[i].x, poly.m_points[i].y};
    if (envelope) p = ApplyEnvelope(poly.m_envelope, p);
    return std::pair<double, double>(map.ContourX(p.x), map.ContourY(p.y));
  };
  const size_t n = poly.m_points.size();
  for (size_t i = 0; i < n;) {
    const auto [x, y] = at(i);
    if (i == 0 || (poly.m_points[i].flag & kPolyIsland)) {
      if (i) cairo_close_path(cr);
      cairo_move_to(cr, x, y);
      ++i;
    } else if ((poly.m_points[i].flag & kPolyCurve) && i + 2 < n) {
      const auto [bx, by] = at(i + 1);
      const auto [cx, cy] = at(i + 2);
      cairo_curve_to(cr, x, y, bx, by, cx, cy);
      i += 3;
    } else {
      cairo_line_to(cr, x, y);
      ++i;
    }
  }
  if (n) cairo_close_path(cr);
  if (poly.m_open) {
    StrokeWhite(cr, double(o.m_lineWidth) * o.m_renderScale * s);
  } else {
    cairo_set_fill_rule(cr, o.m_layerFlag ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr);
  }
}

// The ball: an ellipse inset from the box, filled white with a one-pixel black rim.
void DrawBall(cairo_t* cr, const CDrawObject& o, int s) {
  const int inset = kBallInset * o.m_renderScale;
  const double e = inset * s;
  const double right = double(o.m_width - inset) * s, bottom = double(o.m_height - inset) * s;
  if (right <= e || bottom <= e) return;
  cairo_save(cr);
  cairo_translate(cr, (e + right) / 2, (e + bottom) / 2);
  cairo_scale(cr, (right - e) / 2, (bottom - e) / 2);
  cairo_arc(cr, 0, 0, 1, 0, 2 * 3.14159265358979323846);
  cairo_restore(cr);
  cairo_fill_preserve(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 0);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  StrokeWhite(cr, 1.0);
}
}  // namespace

int BuildCoverageMask(CDrawObject& o, CCoverageMask& mask) {
  const bool ball = o.m_bevelType == kBevel3DBall;
  if (!ball && o.m_type != kTypePath && o.m_type != kTypePolynome) return 0;
  if (o.m_width < 1 || o.m_height < 1) return 0;
  const MaskSampling sampling = ChooseMaskSampling(o);
  const int s = sampling.factor;
  const int workW = o.m_width * s, workH = o.m_height * s;
  const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_A8, workW);
  if (stride <= 0) return 0;
  std::vector<uint8_t> work;
  try {
    work.assign(size_t(stride) * size_t(workH), 0);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  std::unique_ptr<cairo_surface_t, CairoDeleter> surface(
      cairo_image_surface_create_for_data(work.data(), CAIRO_FORMAT_A8, workW, workH, stride));
  std::unique_ptr<cairo_t, CairoDeleter> cr(cairo_create(surface.get()));
  if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) return 0;
  cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_NONE);
  cairo_set_source_rgba(cr.get(), 1, 1, 1, 1);

  if (ball) {
    DrawBall(cr.get(), o, s);
  } else if (o.m_type == kTypePath) {
    const PointMapper map(o.MaskMargin() * s, workW, workH, ShrinkPercent(o));
    DrawShapePath(cr.get(), o, map, s);
  } else {
    int margin = sampling.margin;
    if (workW - 2 * margin < 1 || workH - 2 * margin < 1) margin = 1;
    const PointMapper map(margin, workW, workH, ShrinkPercent(o));
    DrawContours(cr.get(), o, map, s);
  }
  cairo_surface_flush(surface.get());
  ReduceWorkRaster(work.data(), stride, s, mask);
  return 1;
}

}  // namespace tessel
