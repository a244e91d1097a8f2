// The canvas buffer and the overlays on a QPainter.
#include "app/canvas_painter.h"

#include <algorithm>

#include <QPainter>
#include <QPolygon>

#include "app/qt_colour.h"
#include "app/qt_image.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
constexpr int kLabelPointSize = 9;
constexpr char kLabelFont[] = "Arial";

QPoint ToWindow(const OverlayItem& item, const ZoomView& zoom, const CPoint& p) {
  const CPoint w = item.window ? p : zoom.DocumentToWindow(p);
  return {w.x, w.y};
}

QRect ToWindow(const OverlayItem& item, const ZoomView& zoom) {
  const CRect r = item.window ? item.rect : zoom.DocumentToWindow(item.rect);
  return QRect(QPoint(r.left, r.top), QSize(r.Width(), r.Height())).normalized();
}

QPen PenOf(const OverlayItem& item) {
  // An inverting pen draws white with XOR, so a second drawing erases the first.
  QPen pen(item.invert ? QColor(Qt::white) : ToQColor(item.color));
  pen.setCosmetic(true);
  pen.setWidth(1);
  if (item.dotted) pen.setStyle(Qt::DotLine);
  return pen;
}

void DrawItem(QPainter& p, const OverlayItem& item, const ZoomView& zoom) {
  switch (item.kind) {
    case OverlayKind::kRect: {
      const QRect r = ToWindow(item, zoom);
      // Right and bottom are exclusive; QPainter's outline covers width + 1 pixels.
      if (r.width() > 0 && r.height() > 0) p.drawRect(r.adjusted(0, 0, -1, -1));
      break;
    }
    case OverlayKind::kFillRect:
      p.fillRect(ToWindow(item, zoom), item.invert ? QColor(Qt::white) : ToQColor(item.color));
      break;
    case OverlayKind::kLine:
      if (item.points.size() >= 2)
        p.drawLine(ToWindow(item, zoom, item.points[0]), ToWindow(item, zoom, item.points[1]));
      break;
    case OverlayKind::kPolyline: {
      QPolygon polygon;
      for (const CPoint& pt : item.points) polygon << ToWindow(item, zoom, pt);
      if (item.closed)
        p.drawPolygon(polygon);
      else
        p.drawPolyline(polygon);
      break;
    }
    case OverlayKind::kStipple: {
      // The crop region is lightly dotted, the area outside the canvas more densely.
      const Qt::BrushStyle style = item.stipple == 0 ? Qt::Dense6Pattern : Qt::Dense4Pattern;
      p.fillRect(ToWindow(item, zoom), QBrush(ToQColor(item.color), style));
      break;
    }
    case OverlayKind::kPixels:
      for (const CPoint& pt : item.points) p.drawPoint(ToWindow(item, zoom, pt));
      break;
    case OverlayKind::kText: {
      const QRect r = ToWindow(item, zoom);
      p.setFont(QFont(kLabelFont, kLabelPointSize));
      p.drawText(r.topLeft() + QPoint(0, p.fontMetrics().ascent()), QString::fromStdString(item.text));
      break;
    }
  }
}
}  // namespace


void DrawViewBuffer(QPainter& painter, const ViewPaint& paint, const ZoomView& zoom) {
  if (paint.blank || !paint.buffer || paint.bufferRect.IsEmpty()) return;
  const QImage rows = WrapDibRowsFlipped(*paint.buffer);
  if (rows.isNull()) return;
  // The buffer's top-left pixel is the document point bufferRect.left, top.
  const int sw = std::min(rows.width(), paint.bufferRect.Width());
  const int sh = std::min(rows.height(), paint.bufferRect.Height());
  const CRect target = zoom.DocumentToWindow(
      CRect{paint.bufferRect.left, paint.bufferRect.top, paint.bufferRect.left + sw, paint.bufferRect.top + sh});
  if (sw <= 0 || sh <= 0 || target.IsEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, paint.halftone);
  // The rows lie bottom-up in memory: draw them through a vertical flip, without a copy.
  painter.translate(target.left, target.bottom);
  painter.scale(double(target.Width()) / sw, -double(target.Height()) / sh);
  painter.drawImage(QRectF(0, 0, sw, sh), rows, QRectF(0, rows.height() - sh, sw, sh));
  painter.restore();
}

void DrawOverlays(QPainter& painter, const OverlayList& overlays, const ZoomView& zoom) {
  for (const OverlayItem& item : overlays) {
    painter.save();
    painter.setPen(PenOf(item));
    painter.setBrush(Qt::NoBrush);
    if (item.invert) painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    DrawItem(painter, item, zoom);
    painter.restore();
  }
}

}  // namespace tessel
