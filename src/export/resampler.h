// Resizing packed 8-bit pictures (1 to 4 channels, top row first, rows without gaps)
// with the export dialog's five filters.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "export/export_settings.h"

namespace tessel {

// Called with the per cent done (0..100); returning false cancels the resize.
using ResampleProgress = std::function<bool(int percent)>;

// Resizes src (sw x sh, channels bytes per pixel) to dw x dh. Box, Bilinear, Hamming and
// Blackman run two separable passes over per-pixel contribution lists, rows first (0..50
// per cent) then columns (50..100), with the filter's support widened by 1 / scale when
// shrinking; Bicubic interpolates the 4 x 4 neighbourhood of each output pixel. A side
// whose size is unchanged is copied. Returns the resized pixels, or an empty vector when
// a size is not positive or the progress callback cancelled.
std::vector<uint8_t> Resample(const uint8_t* src, int sw, int sh, int channels, int dw, int dh,
                              ResampleFilter filter, const ResampleProgress& progress = nullptr);

// The continuous filter kernels, exposed for tests: value at x and support radius.
double FilterKernel(ResampleFilter filter, double x);
double FilterSupport(ResampleFilter filter);

}  // namespace tessel
