#include "render/wireframe.h"

#include <memory>

#include "base/dib_section.h"
#include "document/draw_object.h"
#include "render/outline_path.h"

namespace tessel {

namespace {
constexpr uint32_t kShapePen = 0x000000;   // 0x00RRGGBB
constexpr uint32_t kBitmapPen = 0x800000;  // dark red

struct CairoDeleter {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};

// One pen's lines as an 8-bit coverage raster of the canvas size, rows from the top.
class PenRaster {
 public:
  PenRaster(int width, int height) : m_stride(cairo_format_stride_for_width(CAIRO_FORMAT_A8, width)) {
    if (m_stride <= 0) return;
    m_pixels.assign(size_t(m_stride) * size_t(height), 0);
    m_surface.reset(cairo_image_surface_create_for_data(m_pixels.data(), CAIRO_FORMAT_A8, width, height, m_stride));
    m_cr.reset(cairo_create(m_surface.get()));
    cairo_set_line_width(m_cr.get(), 1.0);
    // Paths are laid half a pixel in, so that a line through pixel centres covers one
    // row or column.
    cairo_translate(m_cr.get(), 0.5, 0.5);
  }
  cairo_t* Context() const { return cairo_status(m_cr.get()) == CAIRO_STATUS_SUCCESS ? m_cr.get() : nullptr; }
  void Stroke() {
    cairo_stroke(m_cr.get());
    m_used = true;
  }
  // Blends the pen colour into the canvas by the coverage of its lines.
  void Paint(CDIBSection& canvas, uint32_t rgb) {
    if (!m_used) return;
    cairo_surface_flush(m_surface.get());
    const int pen[3] = {int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int(rgb >> 16)};  // blue, green, red
    for (int y = 0; y < canvas.Height(); ++y) {
      const uint8_t* cover = m_pixels.data() + size_t(y) * size_t(m_stride);
      uint8_t* p = canvas.RowFromTop(y);
      for (int x = 0; x < canvas.Width(); ++x, p += 4) {
        const int a = cover[x];
        if (a == 0) continue;
        for (int c = 0; c < 3; ++c) p[c] = uint8_t((p[c] * (255 - a) + pen[c] * a) / 255);
        p[3] = uint8_t(p[3] + (255 - p[3]) * a / 255);
      }
    }
  }

 private:
  int m_stride;
  std::vector<uint8_t> m_pixels;
  std::unique_ptr<cairo_surface_t, CairoDeleter> m_surface;
  std::unique_ptr<cairo_t, CairoDeleter> m_cr;
  bool m_used = false;
};

void AddOutline(cairo_t* cr, const CDrawObject& o) {
  cairo_save(cr);
  cairo_translate(cr, o.m_left, o.m_top);
  const PointMapper map(o.MaskMargin(), o.m_width, o.m_height, 0);
  if (o.IsPath()) AddShapePath(cr, o.m_path, map);
  else AddContours(cr, o.m_polynome, map);
  cairo_restore(cr);
}
}  // namespace

void DrawWireframes(CDIBSection& canvas, const std::vector<const CDrawObject*>& objects, int originX, int originY,
                    int scale) {
  if (canvas.IsEmpty() || canvas.BitsPerPixel() != 32) return;
  PenRaster shapes(canvas.Width(), canvas.Height()), bitmaps(canvas.Width(), canvas.Height());
  if (!shapes.Context() || !bitmaps.Context()) return;
  for (const CDrawObject* o : objects) {
    if (o->m_hidden || o->m_width < 1 || o->m_height < 1) continue;
    if (o->IsBitmap()) {
      cairo_t* cr = bitmaps.Context();
      cairo_rectangle(cr, double(o->m_left) * scale - originX, double(o->m_top) * scale - originY,
                      double(o->m_width) * scale - 1, double(o->m_height) * scale - 1);
      bitmaps.Stroke();
    } else if (o->IsPath() || o->IsPolynome()) {
      cairo_t* cr = shapes.Context();
      cairo_save(cr);
      cairo_translate(cr, -originX, -originY);
      cairo_scale(cr, scale, scale);
      AddOutline(cr, *o);
      cairo_restore(cr);
      shapes.Stroke();
    }
  }
  shapes.Paint(canvas, kShapePen);
  bitmaps.Paint(canvas, kBitmapPen);
}

void DrawWireframe(CDIBSection& canvas, const CDrawObject& object, int originX, int originY) {
  DrawWireframes(canvas, {&object}, originX, originY, 1);
}

}  // namespace tessel
