// The "Bevel" bar: the bevel kind with its width, depth and light angle.
#pragma once

#include "app/property_bar.h"

namespace tessel {

class BevelBar : public PropertyBar {
  Q_OBJECT
 public:
  explicit BevelBar(MainWindow& main);
};

// The bevel kinds in the order of their numbers (m_bevelType 0..22).
const QStringList& BevelKindNames();

}  // namespace tessel
