// Cursor shapes of the editing view.
#include "app/view_cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tessel {

namespace {
constexpr int kCursorSize = 32;

// A white-rimmed black drawing, so the cursor shows on dark and light canvases.
QCursor DrawnCursor(const QPainterPath& path, QPoint hotSpot) {
  QPixmap pixmap(kCursorSize, kCursorSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.strokePath(path, QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.strokePath(path, QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  return QCursor(pixmap, hotSpot.x(), hotSpot.y());
}

// A magnifier; with plus, a cross inside the lens (the zoom rectangle being dragged).
QCursor ZoomCursor(bool plus) {
  QPainterPath path;
  path.addEllipse(QRectF(3, 3, 16, 16));
  path.moveTo(17, 17);
  path.lineTo(27, 27);
  if (plus) {
    path.moveTo(7, 11);
    path.lineTo(15, 11);
    path.moveTo(11, 7);
    path.lineTo(11, 15);
  }
  return DrawnCursor(path, {11, 11});
}

// Three quarters of a circle with an arrow head.
QCursor RotateCursor() {
  QPainterPath path;
  path.arcMoveTo(QRectF(6, 6, 20, 20), 90);
  path.arcTo(QRectF(6, 6, 20, 20), 90, 270);
  path.moveTo(16, 6);
  path.lineTo(21, 2);
  path.moveTo(16, 6);
  path.lineTo(21, 10);
  return DrawnCursor(path, {16, 16});
}
// A pencil with its tip at the bottom-left, where it draws.
QCursor PencilCursor() {
  QPainterPath path;
  path.addPolygon(QPolygonF({{2, 29}, {4, 22}, {22, 4}, {27, 9}, {9, 27}, {2, 29}}));
  path.moveTo(4, 22);
  path.lineTo(9, 27);
  return DrawnCursor(path, {2, 29});
}

// A cross whose centre is the hot spot, with a small plus (add a point) or the two
// corner brackets of a crop region.
QCursor MarkedCross(bool crop) {
  QPainterPath path;
  path.moveTo(10, 2);
  path.lineTo(10, 18);
  path.moveTo(2, 10);
  path.lineTo(18, 10);
  if (crop) {
    path.moveTo(16, 22);
    path.lineTo(22, 22);
    path.lineTo(22, 16);
    path.moveTo(24, 30);
    path.lineTo(30, 30);
    path.lineTo(30, 24);
  } else {
    path.moveTo(20, 25);
    path.lineTo(28, 25);
    path.moveTo(24, 21);
    path.lineTo(24, 29);
  }
  return DrawnCursor(path, {10, 10});
}
}  // namespace

QCursor CursorFor(ViewCursor cursor) {
  using V = ViewCursor;
  switch (cursor) {
    case V::kDefault:
    case V::kArrow: return Qt::ArrowCursor;
    case V::kSizeNWSE: return Qt::SizeFDiagCursor;
    case V::kSizeNESW: return Qt::SizeBDiagCursor;
    case V::kSizeNS: return Qt::SizeVerCursor;
    case V::kSizeWE: return Qt::SizeHorCursor;
    case V::kFreeResize: return Qt::CrossCursor;
    case V::kMove: return Qt::SizeAllCursor;
    case V::kConstrainedMove: return Qt::ClosedHandCursor;
    case V::kHandle11:
    case V::kHandle12: return Qt::PointingHandCursor;
    case V::kZoom: return ZoomCursor(false);
    case V::kZoomDrag: return ZoomCursor(true);
    case V::kRotate: return RotateCursor();
    case V::kPencil: return PencilCursor();
    case V::kAddPoint: return MarkedCross(false);
    case V::kCrop: return MarkedCross(true);
    case V::kCrosshair:
    case V::kPaintTransparency:
    case V::kColorTransparency:
    case V::kPaintOpaque: return Qt::CrossCursor;
    case V::kText: return Qt::IBeamCursor;
    case V::kPointEdit:
    case V::kLights: return Qt::PointingHandCursor;
    case V::kSkewH: return Qt::SplitHCursor;
    case V::kSkewV: return Qt::SplitVCursor;
    case V::kWait: return Qt::WaitCursor;
  }
  return Qt::ArrowCursor;
}

}  // namespace tessel
