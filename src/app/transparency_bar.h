// The "Transparency" bar: the transparency map (an image of the transparency folder or a
// built-in gradient map), its amount, mode, invert flag and bias, and the tool that
// places the gradient map on the object.
#pragma once

#include "app/property_bar.h"

namespace tessel {

class MapPicker;

class TransparencyBar : public PropertyBar {
  Q_OBJECT
 public:
  explicit TransparencyBar(MainWindow& main);

  MapPicker* Picker() const { return m_picker; }

 private:
  void AddMap();
  void AddPlacementTool();

  MapPicker* m_picker = nullptr;
};

}  // namespace tessel
