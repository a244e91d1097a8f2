// Encoding PNG pictures in memory through libpng: the one encoder behind the PNG files
// of the CLI and of the export.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tessel {

enum class PngColour { kGray, kRgb, kRgba, kPalette };

// Bytes per pixel of a row handed to EncodePng for the colour type.
int PngChannels(PngColour colour);

// Encodes a width × height picture, 8 bits a channel, whose rows (top row first)
// fill(y, row) writes, PngChannels(colour) bytes a pixel. paletteRgb holds red, green,
// blue triples (1 to 256 of them) for kPalette and is ignored otherwise. Returns the
// file's bytes, or nothing with *error set for an empty picture or a libpng failure.
std::vector<uint8_t> EncodePng(int width, int height, PngColour colour,
                               const std::function<void(int y, uint8_t* row)>& fill,
                               const std::vector<uint8_t>& paletteRgb, std::string* error);

}  // namespace tessel
