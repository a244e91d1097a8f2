// Colour reduction for palette images: a palette chosen by Wu's variance-minimising
// cut of the colour cube, and every pixel mapped to its nearest palette colour with or
// without dithering.
#pragma once

#include <cstdint>
#include <vector>

#include "export/export_settings.h"

namespace tessel {

// Palette entries of 4 bytes: blue, green, red and a reserved 0, as BMP files and the
// export modules take them.
struct CPalette {
  std::vector<uint8_t> entries;
  int Count() const { return int(entries.size() / 4); }
  // Appends 0 entries up to count (a 256-entry palette of a smaller image).
  void PadTo(int count);
};

// The palette of at most `colours` (clamped to 1..256) colours for packed RGB pixels
// (red, green, blue): the image's own colours when it has no more than that, else Wu's
// quantizer. Returns an empty palette for an empty image.
CPalette ChoosePalette(const uint8_t* rgb, size_t pixelCount, int colours);

// Maps packed RGB pixels (width x height, top row first) to palette indices with the
// dither mode: none (nearest colour), error diffusion (half of the error to the right
// neighbour, half to the one below) or Floyd-Steinberg (7/16, 3/16, 5/16, 1/16 over a
// serpentine scan). Returns one index per pixel, top row first.
std::vector<uint8_t> MapToPalette(const uint8_t* rgb, int width, int height, const CPalette& palette,
                                  DitherMode dither);

// ChoosePalette and MapToPalette together. False (and nothing changed) for an empty
// image or one too large to index.
bool ReduceColours(const uint8_t* rgb, int width, int height, int colours, DitherMode dither, CPalette& palette,
                   std::vector<uint8_t>& indices);

}  // namespace tessel
