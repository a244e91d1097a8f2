// Rasterising an object's outline into its coverage mask with cairo: white on black
// in an 8-bit work raster at s times the box size, without anti-aliasing (pixel-centre
// sampling), then averaged down.
#include "render/coverage_mask.h"

#include <algorithm>
#include <memory>

#include "base/safe_round.h"
#include "document/draw_object.h"
#include "render/outline_path.h"

namespace tessel {

namespace {
constexpr int kBevelOutline = 7;
constexpr int kBevelFeather = 9;
constexpr int kBevel3DBall = 12;
constexpr int kBallInset = 11;          // object pixels between the box and the ball
constexpr double kOutlineShrink = 1.5;  // per cent of the rectangle per unit of bevel width
constexpr double kFeatherShrink = 0.5;

struct CairoDeleter {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
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
  if (!AddShapePath(cr, path, map)) return;
  if (path.m_closed) {
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr);
  } else {
    StrokeWhite(cr, double(path.m_width) * s);
  }
}

void DrawContours(cairo_t* cr, const CDrawObject& o, const PointMapper& map, int s) {
  AddContours(cr, o.m_polynome, map);
  if (o.m_polynome.m_open) {
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
