// Inside the Mutaflux generator: the kernels that run one gene family over a whole
// buffer, and the channel orders that tell the genes of one family apart.
#pragma once

#include <cstddef>
#include <cstdint>

#include "mutaflux/mutaflux_math.h"

namespace tessel::mutaflux {

// Byte offsets of the colour channels in a pixel; byte 3 (alpha) is never written.
constexpr int kBlue = 0;
constexpr int kGreen = 1;
constexpr int kRed = 2;

// The channels that receive a formula's first, second and third colour.
struct CChannelOrder {
  int first;
  int second;
  int third;
};

// The channel order of each gene 0..13 whose family writes its colours in a chosen
// order (genes 3, 4, 5, 6, 7 and 9 name their channels themselves).
constexpr CChannelOrder kGeneChannels[14] = {
    {kBlue, kGreen, kRed},  // 0
    {kRed, kGreen, kBlue},  // 1
    {kRed, kGreen, kBlue},  // 2
    {},                     // 3
    {},                     // 4
    {},                     // 5
    {},                     // 6
    {},                     // 7
    {kBlue, kGreen, kRed},  // 8
    {},                     // 9
    {kRed, kGreen, kBlue},  // 10
    {kGreen, kRed, kBlue},  // 11
    {kBlue, kGreen, kRed},  // 12
    {kRed, kBlue, kGreen},  // 13
};

// What a kernel works on. The buffer holds width × height pixels of 4 bytes, pixel
// (x, y) at byte (width · y + x) · 4; both sizes are at least 1. The registers are
// cleared before the kernel runs and hold, when it returns, what the last pixel left.
struct CGeneFrame {
  uint8_t* pixels;
  int width;
  int height;
  const int* p;  // P0..P7
  int32_t* r;    // R[0..255]

  uint8_t* Row(int y) const { return pixels + size_t(width) * size_t(y) * 4; }
};

// Genes 0, 10 and 11: a field of angles and distances fed back from pixel to pixel.
void RunGene0(const CGeneFrame& f, CChannelOrder order);
// Genes 1, 8 and 13: distances from the centre and the edges.
void RunGene1(const CGeneFrame& f, CChannelOrder order);
// Genes 2 and 12: the directions from the four corners.
void RunGene2(const CGeneFrame& f, CChannelOrder order);
// Gene 3: crossed sine waves folded into bands.
void RunGene3(const CGeneFrame& f);
// Genes 4, 5 and 6: two spirals mixed per channel by the bits of P2.
void RunGene4(const CGeneFrame& f, int gene);
// Gene 7: rings distorted by waves along x and y.
void RunGene7(const CGeneFrame& f);
// Gene 9: nested sines of the position.
void RunGene9(const CGeneFrame& f);

// The plain transcription of every formula for one pixel (gene already 0..13).
void ReferencePixel(const CGeneFrame& f, int gene, int x, int y);

// Writes v, clamped to 0..255, into channel c of the pixel at px.
inline void WriteChannel(uint8_t* px, int c, int32_t v) { px[c] = ClampChannel(v); }

}  // namespace tessel::mutaflux
