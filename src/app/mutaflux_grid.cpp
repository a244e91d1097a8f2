#include "app/mutaflux_grid.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/qt_image.h"
#include "mutaflux/mutaflux_breeding.h"

namespace tessel {

namespace {
using B = CMutafluxBreeder;
constexpr int kFramePen = 2;
}  // namespace

MutafluxGrid::MutafluxGrid(QWidget* parent, CMutafluxBreeder& breeder) : QWidget(parent), m_breeder(breeder) {
  setObjectName(QStringLiteral("mutafluxGrid"));
  setFixedSize(B::kPreviewWidth, B::kPreviewHeight);
  setCursor(Qt::PointingHandCursor);
}

QSize MutafluxGrid::sizeHint() const { return {B::kPreviewWidth, B::kPreviewHeight}; }

void MutafluxGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  for (int i = 0; i < B::kVariantCount; ++i) {
    int column = 0, row = 0;
    B::CellOfVariant(i, &column, &row);
    painter.drawImage(QPoint(column * B::kCellWidth, row * B::kCellHeight), ImageFromDib(m_breeder.VariantPreview(i)));
  }
  const QRect centre(B::kCellWidth, B::kCellHeight, 2 * B::kCellWidth, 2 * B::kCellHeight);
  painter.drawImage(centre.topLeft(), ImageFromDib(m_breeder.CentrePreview()));
  QPen pen(Qt::black);
  pen.setWidth(kFramePen);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(centre);
}

void MutafluxGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  if (m_breeder.ClickAt(p.x(), p.y()) == B::Click::kIgnored) return;
  update();
  emit changed();
}

}  // namespace tessel
