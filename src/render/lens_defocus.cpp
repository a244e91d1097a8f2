// "Defocus Filter Lens": the area under the lens blurred by a separable kernel, with a
// colour fringe: along the rows, green is read (fx, fy) away from blue and red the
// other way, as a lens that does not focus all colours alike. Positions are clamped to
// the nearest edge pixel, so nothing beyond the source is read.
#include <algorithm>
#include <cmath>
#include <vector>

#include "base/program_constants.h"
#include "filters/parallel_rows.h"
#include "render/lens_kernels.h"

namespace tessel::lens {

namespace {

constexpr double kMaxSoftness = 500.0;

int ClampIndex(int v, int size) { return std::clamp(v, 0, size - 1); }

// Byte offsets of the pixels the first pass reads for one row: the taps of output
// column x are entries x .. x + 2n of each table.
struct CTapColumns {
  std::vector<int> blue, green, red;
};

CTapColumns TapColumns(const CLensJob& job, int n, int fx) {
  CTapColumns t;
  const int count = job.w + 2 * n;
  t.blue.resize(size_t(count)), t.green.resize(size_t(count)), t.red.resize(size_t(count));
  for (int j = 0; j < count; ++j) {
    const int col = ClampIndex(ClampIndex(j - n, job.w) + job.ox, job.srcW);
    t.blue[size_t(j)] = 4 * col;
    t.green[size_t(j)] = 4 * ClampIndex(col + fx, job.srcW) + 1;
    t.red[size_t(j)] = 4 * ClampIndex(col - fx, job.srcW) + 2;
  }
  return t;
}

uint8_t ClampSum(float v) { return uint8_t(v <= 0.0f ? 0 : v >= 255.0f ? 255 : int(v)); }

// First pass, along rows, into tmp (3 bytes a pixel, bottom row first).
void BlurRows(const CLensJob& job, const CDefocusKernel& kernel, int fx, int fy, std::vector<uint8_t>& tmp) {
  const int n = kernel.n;
  const CTapColumns taps = TapColumns(job, n, fx);
  const float* k = kernel.weights.data();
  filters::ForEachBand(job.h, filters::BandCount(job.w, job.h), [&](int begin, int end) {
    for (int r = begin; r < end; ++r) {
      const int row = ClampIndex(r + job.oy, job.srcH);
      const uint8_t* rowB = job.source->RowFromBottom(row);
      const uint8_t* rowG = job.source->RowFromBottom(ClampIndex(row + fy, job.srcH));
      const uint8_t* rowR = job.source->RowFromBottom(ClampIndex(row - fy, job.srcH));
      uint8_t* out = tmp.data() + size_t(r) * size_t(job.w) * 3;
      for (int x = 0; x < job.w; ++x, out += 3) {
        const int* tb = taps.blue.data() + x;
        const int* tg = taps.green.data() + x;
        const int* tr = taps.red.data() + x;
        float b = 0, g = 0, red = 0;
        for (int i = 0; i <= 2 * n; ++i) {
          b += k[i] * rowB[tb[i]];
          g += k[i] * rowG[tg[i]];
          red += k[i] * rowR[tr[i]];
        }
        out[0] = ClampSum(b), out[1] = ClampSum(g), out[2] = ClampSum(red);
      }
    }
  });
}

// Second pass, along columns, over tmp; mixes with the object's pixels into work.
void BlurColumns(const CLensJob& job, const CDefocusKernel& kernel, const std::vector<uint8_t>& tmp,
                 CDIBSection& work) {
  const int n = kernel.n;
  const size_t rowBytes = size_t(job.w) * 3;
  filters::ForEachBand(job.h, filters::BandCount(job.w, job.h), [&](int begin, int end) {
    std::vector<float> acc(rowBytes);
    for (int r = begin; r < end; ++r) {
      std::fill(acc.begin(), acc.end(), 0.0f);
      for (int i = -n; i <= n; ++i) {
        const float ki = kernel.weights[size_t(i + n)];
        const uint8_t* src = tmp.data() + size_t(ClampIndex(r + i, job.h)) * rowBytes;
        for (size_t j = 0; j < rowBytes; ++j) acc[j] += ki * src[j];
      }
      const uint8_t* obj = job.object->RowFromBottom(r);
      uint8_t* out = work.RowFromBottom(r);
      for (int x = 0; x < job.w; ++x, obj += 4, out += 4) {
        const uint8_t blurred[3] = {ClampSum(acc[3 * size_t(x)]), ClampSum(acc[3 * size_t(x) + 1]),
                                    ClampSum(acc[3 * size_t(x) + 2])};
        Mix(blurred, obj, job.p, true, out);
      }
    }
  });
}

}  // namespace

CDefocusKernel MakeDefocusKernel(double softness) {
  const float sigma = float(std::clamp(softness, 0.0, kMaxSoftness) + 0.5);
  CDefocusKernel kernel;
  kernel.n = int((sigma + 1.5f) * 2);
  kernel.weights.resize(size_t(2 * kernel.n + 1));
  float sum = 0;
  for (int i = -kernel.n; i <= kernel.n; ++i) {
    const float t = float(i) / sigma;
    const float v = std::exp(-0.5f * (t * t));
    kernel.weights[size_t(i + kernel.n)] = v;
    sum += v;
  }
  for (float& v : kernel.weights) v /= sum;
  return kernel;
}

void DefocusLens(const CLensJob& job, CDIBSection& work) {
  const double a = (360 - job.angle) * kDegToRad;
  int fx = 0, fy = 0;
  if (job.d > 0) {
    fx = int(std::clamp(std::cos(a) * 10 * job.d * 0.04 * job.renderScale, -1e9, 1e9));
    fy = int(std::clamp(std::sin(a) * 10 * job.d * 0.04 * job.renderScale, -1e9, 1e9));
  }
  const CDefocusKernel kernel = MakeDefocusKernel(job.s);
  std::vector<uint8_t> tmp(size_t(job.w) * size_t(job.h) * 3);
  BlurRows(job, kernel, fx, fy, tmp);
  BlurColumns(job, kernel, tmp, work);
}

}  // namespace tessel::lens
