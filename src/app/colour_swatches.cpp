#include "app/colour_swatches.h"

#include <QGridLayout>
#include <QToolButton>

#include "app/property_bar.h"

namespace tessel {

namespace {
constexpr int kCellSize = 14;
constexpr int kCellSpacing = 2;
}  // namespace

const std::vector<COLORREF>& ProgramSwatches() {
  // Greys, then the hues at full and at half strength.
  static const std::vector<COLORREF> palette = {
      0x000000, 0x404040, 0x808080, 0xA0A0A0, 0xC0C0C0, 0xFFFFFF,  //
      0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000,  //
      0xFF00FF, 0x8000FF, 0x000080, 0x004080, 0x008080, 0x008000,  //
      0x808000, 0x800000, 0x800080, 0x80C0FF, 0xFFC080, 0xC0FFC0,
  };
  return palette;
}

SwatchRow::SwatchRow(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(kCellSpacing);
  const auto& palette = ProgramSwatches();
  for (size_t i = 0; i < palette.size(); ++i) {
    const COLORREF colour = palette[i];
    auto* cell = new QToolButton(this);
    cell->setObjectName(QString("swatch%1").arg(i));
    cell->setFixedSize(kCellSize, kCellSize);
    cell->setAutoRaise(false);
    cell->setToolTip("Click: first color, right click: second color");
    cell->setStyleSheet(QString("QToolButton{background:%1;border:1px solid #555;}").arg(ToQColor(colour).name()));
    cell->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(cell, &QToolButton::clicked, this, [this, colour] { emit picked(colour, false); });
    connect(cell, &QToolButton::customContextMenuRequested, this, [this, colour] { emit picked(colour, true); });
    grid->addWidget(cell, int(i) / kSwatchesPerRow, int(i) % kSwatchesPerRow);
  }
  grid->setColumnStretch(kSwatchesPerRow, 1);
}

}  // namespace tessel
