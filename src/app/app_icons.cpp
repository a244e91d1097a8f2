// Simple line pictures for the toolbar buttons.
#include "app/app_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tessel {

namespace {
constexpr int kIconSize = 24;
const QColor kInk(40, 40, 40);
const QColor kPaper(250, 250, 250);
const QColor kAccent(0, 128, 255);

using Drawer = void (*)(QPainter&);

void DrawPage(QPainter& p) {
  p.setBrush(kPaper);
  p.drawPolygon(QPolygonF({{5, 2}, {15, 2}, {20, 7}, {20, 22}, {5, 22}}));
  p.drawPolyline(QPolygonF({{15, 2}, {15, 7}, {20, 7}}));
}

void DrawFolder(QPainter& p) {
  p.setBrush(QColor(240, 200, 90));
  p.drawPolygon(QPolygonF({{2, 6}, {9, 6}, {11, 8}, {21, 8}, {21, 20}, {2, 20}}));
}

void DrawDisk(QPainter& p) {
  p.setBrush(kAccent);
  p.drawRect(QRectF(3, 3, 18, 18));
  p.setBrush(kPaper);
  p.drawRect(QRectF(7, 3, 10, 6));
  p.drawRect(QRectF(6, 13, 12, 8));
}

void DrawScissors(QPainter& p) {
  p.drawEllipse(QRectF(3, 15, 6, 6));
  p.drawEllipse(QRectF(15, 15, 6, 6));
  p.drawLine(QPointF(8, 16), QPointF(17, 3));
  p.drawLine(QPointF(16, 16), QPointF(7, 3));
}

void DrawCopy(QPainter& p) {
  p.setBrush(kPaper);
  p.drawRect(QRectF(3, 3, 11, 14));
  p.drawRect(QRectF(9, 7, 11, 14));
}

void DrawPaste(QPainter& p) {
  p.setBrush(QColor(200, 160, 100));
  p.drawRect(QRectF(4, 4, 16, 18));
  p.setBrush(kPaper);
  p.drawRect(QRectF(8, 2, 8, 5));
  p.drawRect(QRectF(8, 10, 10, 10));
}

void DrawTurnArrow(QPainter& p, bool right) {
  QPainterPath path;
  const double dir = right ? -1 : 1;
  path.moveTo(12 - 7 * dir, 9);
  path.cubicTo(12 + 8 * dir, 5, 12 + 10 * dir, 18, 12 - 2 * dir, 19);
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setBrush(kInk);
  p.drawPolygon(QPolygonF({{12 - 9 * dir, 9}, {12 - 3 * dir, 4}, {12 - 3 * dir, 13}}));
}

void DrawUndo(QPainter& p) { DrawTurnArrow(p, false); }
void DrawRedo(QPainter& p) { DrawTurnArrow(p, true); }

void DrawSelectArrow(QPainter& p) {
  p.setBrush(kInk);
  p.drawPolygon(QPolygonF({{6, 2}, {6, 19}, {10, 15}, {13, 22}, {16, 21}, {13, 14}, {19, 14}}));
}

void DrawMagnifier(QPainter& p) {
  p.setBrush(kPaper);
  p.drawEllipse(QRectF(3, 3, 13, 13));
  QPen thick = p.pen();
  thick.setWidthF(3);
  p.setPen(thick);
  p.drawLine(QPointF(14, 14), QPointF(21, 21));
}

void DrawRotate(QPainter& p) {
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(4, 4, 16, 16), 90 * 16, 270 * 16);
  p.setBrush(kInk);
  p.drawPolygon(QPolygonF({{12, 1}, {17, 4}, {12, 7}}));
}

void DrawSkew(QPainter& p) {
  p.setBrush(QColor(180, 210, 255));
  p.drawPolygon(QPolygonF({{8, 5}, {21, 5}, {16, 19}, {3, 19}}));
}

struct IconEntry {
  const char* id;
  Drawer draw;
};

constexpr IconEntry kIcons[] = {
    {"file.new", DrawPage},      {"file.open", DrawFolder},         {"file.save", DrawDisk},
    {"edit.cut", DrawScissors},  {"edit.copy", DrawCopy},           {"edit.paste", DrawPaste},
    {"edit.undo", DrawUndo},     {"edit.redo", DrawRedo},           {"tool.select", DrawSelectArrow},
    {"tool.zoom", DrawMagnifier}, {"tool.rotate", DrawRotate},      {"tool.skew", DrawSkew},
};
}  // namespace

QIcon PaintedIcon(const IconDrawer& draw) {
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kInk, 1.5));
  draw(p);
  p.end();
  return QIcon(pixmap);
}

QIcon ActionIcon(const std::string& id) {
  for (const IconEntry& entry : kIcons)
    if (id == entry.id) return PaintedIcon(entry.draw);
  return ToolIcon(id);
}

}  // namespace tessel
