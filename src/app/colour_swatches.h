// The program's colour swatches: a fixed palette offered beside every colour choice of
// the property bars and as the custom colours of the colour dialog.
#pragma once

#include <QWidget>
#include <vector>

#include "document/object_fields.h"

namespace tessel {

// The palette, 0x00BBGGRR colours in display order (two rows of kSwatchesPerRow).
const std::vector<COLORREF>& ProgramSwatches();
constexpr int kSwatchesPerRow = 12;

// A grid of small swatch buttons, named "swatch0", "swatch1", ... A left click picks the
// swatch as the first colour, a right click as the second.
class SwatchRow : public QWidget {
  Q_OBJECT
 public:
  explicit SwatchRow(QWidget* parent = nullptr);

 signals:
  // second: the right button chose the swatch.
  void picked(COLORREF colour, bool second);
};

}  // namespace tessel
