#include "app/built_in_maps.h"

#include <QPainter>

#include "render/map_names.h"

namespace tessel {

namespace {
constexpr int kSide = kMapThumbnailSize;
constexpr int kBurstRays = 8;
// The colour gradients run from the default fill colour to the default second colour;
// the maps from opaque (black, value 0) to transparent (white, value 1).
const QColor kFrom(255, 0, 0);
const QColor kTo(0, 0, 255);
const QColor kOpaque(Qt::black);
const QColor kClear(Qt::white);

template <class Paint>
QPixmap Draw(Paint paint) {
  QPixmap pixmap(kSide, kSide);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(painter, QRectF(0, 0, kSide, kSide));
  return pixmap;
}

QPixmap Linear(const QColor& a, const QColor& b) {
  return Draw([&](QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    p.fillRect(r, g);
  });
}

QPixmap Radial(const QColor& a, const QColor& b) {
  return Draw([&](QPainter& p, const QRectF& r) {
    QRadialGradient g(r.center(), r.width() / 2);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    p.fillRect(r, g);
  });
}

QPixmap Bilinear(const QColor& a, const QColor& b) {
  return Draw([&](QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, b);
    g.setColorAt(0.5, a);
    g.setColorAt(1, b);
    p.fillRect(r, g);
  });
}

QPixmap Burst(const QColor& a, const QColor& b) {
  return Draw([&](QPainter& p, const QRectF& r) {
    QConicalGradient g(r.center(), 0);
    for (int i = 0; i <= kBurstRays * 2; ++i) g.setColorAt(double(i) / (kBurstRays * 2), i % 2 ? b : a);
    p.fillRect(r, g);
  });
}

QPixmap Plain(const QColor& colour, bool crossed) {
  return Draw([&](QPainter& p, const QRectF& r) {
    p.fillRect(r, colour);
    if (!crossed) return;
    p.setPen(QPen(Qt::gray, 2));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
  });
}
}  // namespace

std::vector<MapPicker::BuiltIn> BuiltInTextures() {
  return {
      {"No Texture", "", Plain(Qt::white, true)},
      {"Linear Gradient", kLinearGradientName, Linear(kFrom, kTo)},
      {"Radial Gradient", kRadialGradientName, Radial(kFrom, kTo)},
      {"Burst Gradient", kBurstGradientName, Burst(kFrom, kTo)},
  };
}

std::vector<MapPicker::BuiltIn> BuiltInTransparencyMaps() {
  return {
      {"Flat", "", Plain(kOpaque, false)},
      {"Linear", kLinearMapName, Linear(kOpaque, kClear)},
      {"Radial", kRadialMapName, Radial(kOpaque, kClear)},
      {"Bilinear", kBilinearMapName, Bilinear(kOpaque, kClear)},
      {"Burst", kBurstMapName, Burst(kOpaque, kClear)},
  };
}

}  // namespace tessel
