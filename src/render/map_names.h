// The reserved names of built-in textures and transparency maps. They are stored in an
// object's texture or map name, compared exactly (letter case included), and never
// opened as files; any other name is an image file of the category's folder.
#pragma once

#include <string>

namespace tessel {

// Texture names.
inline const char* const kNoTextureName = "No Texture.bmp";
inline const char* const kLinearGradientName = "Linear Gradient.tmb";
inline const char* const kRadialGradientName = "Radial Gradient.tmb";
inline const char* const kBurstGradientName = "Burst Gradient.tmb";

// Transparency map names.
inline const char* const kFlatMapName = "Flat.tmb";
inline const char* const kLinearMapName = "Linear.tmb";
inline const char* const kRadialMapName = "Radial.tmb";
inline const char* const kBilinearMapName = "Bilinear.tmb";
inline const char* const kBurstMapName = "Burst.tmb";

// True for any of the eight reserved ".tmb" names, compared exactly.
inline bool IsReservedMapName(const std::string& name) {
  for (const char* n : {kFlatMapName, kLinearMapName, kRadialMapName, kBilinearMapName, kBurstMapName,
                        kLinearGradientName, kRadialGradientName, kBurstGradientName})
    if (name == n) return true;
  return false;
}

// The file-name part of a stored name: what follows its last backslash or slash.
inline std::string FileNamePart(const std::string& path) {
  const size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace tessel
