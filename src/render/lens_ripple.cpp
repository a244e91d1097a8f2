// "Ripple Lens": rings of waves around the box centre. A pixel at distance ρ reads the
// source at distance
//   ρ′ = A · t · sin(t² · 3.14159 / 180 / W) / M + ρ,   t = M − ρ,
// along the same direction, where A is the strength (shadow distance), W the wave
// width (softness, at least 0.1) and M the distance to the farthest corner: the waves
// grow closer and weaker towards the rim.
#include <algorithm>
#include <cmath>

#include "filters/parallel_rows.h"
#include "render/lens_kernels.h"

namespace tessel::lens {

namespace {
constexpr double kMinWaveWidth = 0.1;
constexpr double kRipplePi = 3.14159;
}  // namespace

void RippleLens(const CLensJob& job, CDIBSection& work) {
  const double waveWidth = std::max(job.s, kMinWaveWidth);
  const double amplitude = job.d;
  const int cx = job.w / 2, cy = job.h / 2;
  // The farthest corner pixel (0, 0), (w − 1, 0), (0, h − 1) or (w − 1, h − 1).
  const double far = std::max(std::hypot(double(cx), double(cy)), std::hypot(double(job.w - 1 - cx), double(cy)));
  const double farTop = std::max(std::hypot(double(cx), double(job.h - 1 - cy)),
                                 std::hypot(double(job.w - 1 - cx), double(job.h - 1 - cy)));
  const int m = std::max(int(std::max(far, farTop)), 1);  // 1 × 1 boxes have no corner distance
  const Edge edge = job.visibleTest ? Edge::kVisible : Edge::kBackground;
  filters::ForEachBand(job.h, filters::BandCount(job.w, job.h), [&](int begin, int end) {
    for (int r = begin; r < end; ++r) {
      const uint8_t* obj = job.object->RowFromBottom(r);
      uint8_t* out = work.RowFromBottom(r);
      const int dy = r - cy;
      for (int x = 0; x < job.w; ++x, obj += 4, out += 4) {
        const int dx = x - cx;
        const float rho = std::sqrt(float(int64_t(dx) * dx + int64_t(dy) * dy));  // single precision
        double sx = x, sy = r;
        if (rho >= 1) {
          const float t = float(m) - rho;
          const double rho2 = amplitude * t * std::sin(double(t) * t * kRipplePi / 180 / waveWidth) / m + rho;
          sx = dx * rho2 / rho + cx + job.ox;
          sy = dy * rho2 / rho + cy + job.oy;
        }
        uint8_t lensColour[3];
        // Positions on or beyond the source's first or last pixel show the background.
        if (!(sx > 0 && sx < job.srcW - 1 && sy > 0 && sy < job.srcH - 1)) {
          lensColour[0] = job.background[0], lensColour[1] = job.background[1], lensColour[2] = job.background[2];
        } else {
          Sample(job, sx, sy, edge, lensColour);
        }
        Mix(lensColour, obj, job.p, false, out);
      }
    }
  });
}

}  // namespace tessel::lens
