// The "Color & Texture" bar: fill and second colour, the texture (an image of the
// texture folder or a built-in colour gradient) with its mode, amount and angle, the
// "3D Texture" relief, the resets of the texture placement and the Mutaflux pattern.
#pragma once

#include "app/property_bar.h"

namespace tessel {

class MapPicker;

class ColorTextureBar : public PropertyBar {
  Q_OBJECT
 public:
  explicit ColorTextureBar(MainWindow& main);

  MapPicker* Picker() const { return m_picker; }

 private:
  void AddColours();
  void AddTexture();
  void AddPlacementResets();
  void AddMutaflux();
  // Opens the Mutaflux dialog on a copy of the shown object's fields and applies the
  // chosen pattern.
  void EditMutaflux();

  MapPicker* m_picker = nullptr;
};

}  // namespace tessel
