// Inside the lens routines: the state of one lens call, bilinear sampling of the
// source, the mix with the object's pixel, and the three lens families.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "base/dib_section.h"

namespace tessel::lens {

// Everything a lens family reads, fixed for one call. Pixels are (x, r): x from the
// left, r rows up from the bottom row (the memory order of the bitmaps).
struct CLensJob {
  int kind = 0;
  int w = 0, h = 0;                     // the object bitmap and the work bitmap
  const CDIBSection* object = nullptr;  // the object's rendered bitmap
  const CDIBSection* source = nullptr;
  int srcW = 0, srcH = 0;
  int ox = 0, oy = 0;                   // the box's bottom-left pixel in the source
  int left = 0, top = 0;                // the box on the canvas
  int canvasW = 0, canvasH = 0;
  bool visibleTest = true;              // the visible-canvas test of kinds 11, 13 and 14
  uint8_t background[3] = {0, 0, 0};    // blue, green, red
  int p = 0;                            // share of the lens colour, 0..255
  int d = 0;                            // shadow distance: strength
  double s = 0.0;                       // shadow softness: curve or blur width
  int angle = 0;                        // shadow angle, degrees
  int renderScale = 1;
};

// How a sample treats positions whose neighbours fall outside the source.
enum class Edge { kBackground, kVisible, kWrap };

// Floor of v; NaN and far-away values land far outside every picture.
inline int FloorIndex(double v) {
  constexpr double kFar = double(1 << 29);
  if (!(v > -kFar && v < kFar)) return -(1 << 29);
  return int(std::floor(v));
}

// v modulo size, raised into 0..size − 1 when the remainder is negative.
inline int Wrap(int v, int size) {
  const int m = v % size;
  return m < 0 ? m + size : m;
}

// True when the sample at (x0, y0) of a source lying under the box looks off the
// visible canvas: Y = top + h − y0 is the canvas row, counted from 1 at the top.
inline bool OffVisibleCanvas(const CLensJob& job, int x0, int y0) {
  const int64_t cx = int64_t(job.left) + x0, cy = int64_t(job.top) + job.h - y0;
  return cx < 0 || cx >= job.canvasW - 1 || cy <= 0 || cy >= job.canvasH - 1;
}

// The bilinear colour (blue, green, red) of the source at (sx, sy): the four pixels
// (x0, y0), (x0 + 1, y0), (x0, y0 + 1), (x0 + 1, y0 + 1) weighted (1 − fx)(1 − fy),
// fx(1 − fy), (1 − fx)fy and fx·fy, each channel truncated. kBackground and kVisible
// give the background colour where a neighbour lies outside the source (kVisible also
// off the visible canvas); kWrap wraps the neighbours into the source.
inline void Sample(const CLensJob& job, double sx, double sy, Edge edge, uint8_t* out) {
  int x0 = FloorIndex(sx), y0 = FloorIndex(sy);
  const double fx = sx - std::floor(sx), fy = sy - std::floor(sy);
  int x1 = x0 + 1, y1 = y0 + 1;
  if (edge == Edge::kWrap) {
    x0 = Wrap(x0, job.srcW), x1 = Wrap(x1, job.srcW), y0 = Wrap(y0, job.srcH), y1 = Wrap(y1, job.srcH);
  } else if (x0 < 0 || x1 >= job.srcW || y0 < 0 || y1 >= job.srcH ||
             (edge == Edge::kVisible && OffVisibleCanvas(job, x0, y0))) {
    out[0] = job.background[0], out[1] = job.background[1], out[2] = job.background[2];
    return;
  }
  const uint8_t* row0 = job.source->RowFromBottom(y0);
  const uint8_t* row1 = job.source->RowFromBottom(y1);
  const uint8_t *p00 = row0 + 4 * x0, *p10 = row0 + 4 * x1, *p01 = row1 + 4 * x0, *p11 = row1 + 4 * x1;
  const double w00 = (1 - fx) * (1 - fy), w10 = fx * (1 - fy), w01 = (1 - fx) * fy, w11 = fx * fy;
  for (int c = 0; c < 3; ++c) out[c] = uint8_t(p00[c] * w00 + p10[c] * w10 + p01[c] * w01 + p11[c] * w11);
}

// Writes the lens pixel: the lens colour lens (blue, green, red) mixed with the object's
// pixel obj as (O · (255 − p) + L · p) >> 8, or taken unchanged when p is 250 or more
// and always is false; the alpha is the object's.
inline void Mix(const uint8_t* lens, const uint8_t* obj, int p, bool always, uint8_t* out) {
  constexpr int kWholeLens = 250;
  if (p >= kWholeLens && !always) {
    out[0] = lens[0], out[1] = lens[1], out[2] = lens[2];
  } else {
    for (int c = 0; c < 3; ++c) out[c] = uint8_t((obj[c] * (255 - p) + lens[c] * p) >> 8);
  }
  out[3] = obj[3];
}

// The blur kernel of "Defocus Filter Lens": σ = S + 0.5, n = trunc((σ + 1.5) · 2),
// k(i) = exp(−0.5 · (i/σ)²) for i = −n..n divided by their sum, all in single precision
// (unlike the program's Gaussian blur it is defined at S = 0 too). A negative S counts
// as 0, and S is capped so that a damaged value cannot ask for a huge kernel.
struct CDefocusKernel {
  int n = 0;
  std::vector<float> weights;  // k(−n..n)
};
CDefocusKernel MakeDefocusKernel(double softness);

// The lens families: each writes every pixel of work (32-bit, w × h).
void ScaleMapLens(const CLensJob& job, CDIBSection& work);  // 11, 12, 13, 15, 16, 17, 18
void RippleLens(const CLensJob& job, CDIBSection& work);    // 14
void DefocusLens(const CLensJob& job, CDIBSection& work);   // 19

}  // namespace tessel::lens
