// The built-in entries of the texture and transparency-map pickers, with thumbnails
// drawn to suggest each procedural map.
#pragma once

#include <vector>

#include "app/map_picker.h"

namespace tessel {

// "No Texture" (stores the empty name) and the three colour gradients.
std::vector<MapPicker::BuiltIn> BuiltInTextures();
// "Flat" (stores the empty name: no map) and the four procedural transparency maps.
std::vector<MapPicker::BuiltIn> BuiltInTransparencyMaps();

}  // namespace tessel
