// Line pictures of the creation tools' buttons.
#include <cmath>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <string>

#include "app/app_icons.h"

namespace tessel {

namespace {
const QColor kFill(180, 210, 255);
const QColor kInk(40, 40, 40);
constexpr int kStarTips = 5;

void DrawRectangle(QPainter& p) {
  p.setBrush(kFill);
  p.drawRect(QRectF(3, 6, 18, 12));
}

void DrawCircle(QPainter& p) {
  p.setBrush(kFill);
  p.drawEllipse(QRectF(3, 3, 18, 18));
}

void DrawRoundRect(QPainter& p) {
  p.setBrush(kFill);
  p.drawRoundedRect(QRectF(3, 5, 18, 14), 5, 5);
}

void DrawStar(QPainter& p) {
  QPolygonF star;
  for (int i = 0; i < 2 * kStarTips; ++i) {
    const double r = i % 2 ? 4.0 : 10.0;
    const double a = M_PI * i / kStarTips - M_PI / 2;
    star << QPointF(12 + r * std::cos(a), 12.5 + r * std::sin(a));
  }
  p.setBrush(QColor(255, 210, 80));
  p.drawPolygon(star);
}

void DrawPath(QPainter& p) {
  QPainterPath path;
  path.moveTo(3, 19);
  path.lineTo(8, 8);
  path.cubicTo(12, 2, 16, 22, 21, 6);
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setBrush(kFill);
  for (const QPointF& node : {QPointF(3, 19), QPointF(8, 8), QPointF(21, 6)})
    p.drawRect(QRectF(node.x() - 1.5, node.y() - 1.5, 3, 3));
}

void DrawPencil(QPainter& p) {
  p.setBrush(QColor(240, 200, 90));
  p.drawPolygon(QPolygonF({{5, 19}, {6, 14}, {17, 3}, {21, 7}, {10, 18}}));
  p.setBrush(kInk);
  p.drawPolygon(QPolygonF({{5, 19}, {6, 16}, {8, 18}}));
}

void DrawArrowLine(QPainter& p) {
  p.drawLine(QPointF(3, 20), QPointF(17, 6));
  p.setBrush(kInk);
  p.drawPolygon(QPolygonF({{21, 3}, {12, 6}, {18, 12}}));
}

void DrawCropRegion(QPainter& p) {
  QPen dashed = p.pen();
  dashed.setStyle(Qt::DashLine);
  dashed.setWidthF(1);
  p.setPen(dashed);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(5, 5, 14, 14));
  p.setPen(QPen(kInk, 2));
  p.drawPolyline(QPolygonF({{2, 6}, {6, 6}, {6, 2}}));
  p.drawPolyline(QPolygonF({{18, 22}, {18, 18}, {22, 18}}));
}

void DrawText(QPainter& p) {
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(20);
  p.setFont(font);
  p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, "A");
}

void DrawImage(QPainter& p) {
  p.setBrush(QColor(250, 250, 250));
  p.drawRect(QRectF(2, 4, 20, 16));
  p.setBrush(QColor(90, 170, 90));
  p.drawPolygon(QPolygonF({{3, 19}, {9, 11}, {13, 16}, {16, 13}, {21, 19}}));
  p.setBrush(QColor(255, 200, 60));
  p.drawEllipse(QRectF(14, 6, 4, 4));
}

void DrawTexture(QPainter& p) {
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) {
      p.setBrush((x + y) % 2 ? QColor(250, 250, 250) : QColor(150, 110, 70));
      p.drawRect(QRectF(3 + x * 6, 3 + y * 6, 6, 6));
    }
  p.setBrush(kFill);
  p.drawEllipse(QRectF(17, 17, 5, 5));  // the rotation handle
}

void DrawPerspective(QPainter& p) {
  p.setBrush(kFill);
  p.drawPolygon(QPolygonF({{8, 4}, {16, 4}, {22, 20}, {2, 20}}));
  p.drawLine(QPointF(12, 4), QPointF(12, 20));
}

void DrawLights(QPainter& p) {
  p.setBrush(QColor(255, 230, 90));
  p.drawEllipse(QRectF(7, 7, 10, 10));
  for (int i = 0; i < 8; ++i) {
    const double a = M_PI * i / 4;
    p.drawLine(QPointF(12 + 7 * std::cos(a), 12 + 7 * std::sin(a)), QPointF(12 + 10 * std::cos(a), 12 + 10 * std::sin(a)));
  }
}

void DrawTransparencyMap(QPainter& p) {
  QLinearGradient ramp(3, 0, 21, 0);
  ramp.setColorAt(0, QColor(40, 40, 40));
  ramp.setColorAt(1, QColor(255, 255, 255));
  p.setBrush(ramp);
  p.drawRect(QRectF(3, 5, 18, 14));
}

void DrawShapeTool(QPainter& p) {
  p.setBrush(Qt::NoBrush);
  QPainterPath curve;
  curve.moveTo(3, 20);
  curve.cubicTo(6, 6, 16, 6, 21, 14);
  p.drawPath(curve);
  p.setBrush(QColor(250, 250, 250));
  p.drawRect(QRectF(9.5, 7.5, 5, 5));  // the point being edited
  p.setBrush(kInk);
  p.drawPolygon(QPolygonF({{12, 10}, {12, 22}, {15, 19}, {18, 23}, {19, 22}, {16, 18}, {20, 18}}));
}

void DrawAddPoint(QPainter& p) {
  p.setBrush(Qt::NoBrush);
  QPainterPath curve;
  curve.moveTo(2, 18);
  curve.cubicTo(6, 8, 12, 8, 16, 14);
  p.drawPath(curve);
  p.setPen(QPen(kInk, 2));
  p.drawLine(QPointF(18, 3), QPointF(18, 11));
  p.drawLine(QPointF(14, 7), QPointF(22, 7));
}

// Tools added later have no picture of their own: their first letter on a tile.
void DrawLetterTile(QPainter& p, const std::string& id) {
  const std::string name = id.substr(id.find('.') + 1);
  p.setBrush(QColor(235, 235, 235));
  p.drawRoundedRect(QRectF(2, 2, 20, 20), 3, 3);
  QFont font = p.font();
  font.setPixelSize(14);
  p.setFont(font);
  p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, QString(QChar(name.empty() ? '?' : name[0])).toUpper());
}

// The paint tools: a brush over a checkered (see-through) or a solid patch.
void DrawPaintBrush(QPainter& p) {
  p.setBrush(QColor(200, 150, 90));
  p.drawPolygon(QPolygonF({{20, 2}, {22, 4}, {13, 13}, {11, 11}}));
  p.setBrush(kInk);
  p.drawEllipse(QRectF(8, 11, 5, 5));
}

void DrawPaintTransparency(QPainter& p) {
  p.setBrush(Qt::Dense6Pattern);
  p.drawRect(QRectF(2, 12, 12, 10));
  DrawPaintBrush(p);
}

void DrawPaintOpaque(QPainter& p) {
  p.setBrush(kFill);
  p.drawRect(QRectF(2, 12, 12, 10));
  DrawPaintBrush(p);
}

struct ToolIconEntry {
  const char* id;
  void (*draw)(QPainter&);
};

constexpr ToolIconEntry kToolIcons[] = {
    {"tool.rectangle", DrawRectangle}, {"tool.circle", DrawCircle}, {"tool.rounded-rectangle", DrawRoundRect},
    {"tool.star", DrawStar},           {"tool.path", DrawPath},     {"tool.pencil", DrawPencil},
    {"tool.arrow", DrawArrowLine},     {"tool.export-crop", DrawCropRegion}, {"tool.text", DrawText},
    {"tool.image", DrawImage},         {"tool.texture", DrawTexture}, {"tool.perspective", DrawPerspective},
    {"tool.lights", DrawLights},       {"tool.transparency-map", DrawTransparencyMap},
    {"tool.shape", DrawShapeTool},     {"tool.add-point", DrawAddPoint},
    {"tool.paint-transparency", DrawPaintTransparency}, {"tool.paint-opaque", DrawPaintOpaque},
};
}  // namespace

QIcon ToolIcon(const std::string& id) {
  for (const ToolIconEntry& entry : kToolIcons)
    if (id == entry.id) return PaintedIcon(entry.draw);
  if (id.rfind("tool.", 0) != 0) return {};
  return PaintedIcon([&id](QPainter& p) { DrawLetterTile(p, id); });
}

}  // namespace tessel
