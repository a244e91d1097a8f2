// "Motion Linear", "Motion Zoom", "Backlight" and "Blurrrr!": one smear routine.
//
// Smearing keeps the ink. Each covered pixel x and each pixel y of its path exchange
// colour both ways, weighted by the partner's alpha m:
//   Δ(x) += m(y) · (c(y) − c(x)) / 2n,   Δ(y) += m(x) · (c(x) − c(y)) / 2n
// (n the number of samples of the path, L or at most 32 spread evenly over L pixels)
// so every exchange moves as much ink (m · c) one way as the other: Σ m · (c + Δ) = Σ m · c,
// the alpha is unchanged and nothing leaks out of the mask. Every new colour is a mix of
// old ones, so edges do not pile up or clip. The result is mixed with the original colour
// by the bevel depth. Line paths are summed per pixel (q meets q ± each step) in bands of
// rows on both cores; rays are exchanged pair by pair on one thread.
//
// Paths (L = 3 · bevel width · scale pixels, at most 512):
//  - line: the L pixels behind x, away from the light angle (a motion trail);
//  - rays: L points from x outwards from the box centre, the furthest moved by
//    L / (half the box diagonal) of x's distance from the centre (a zoom).
// "Blurrrr!" smears along a line centred on x and then across it (a box blur turned by
// the light angle). "Backlight" spreads the light that the shape does not cover,
// 255 − alpha, inwards along the rays: the shape darkens as a silhouette and its rim
// glows where that light spills over it.
#include <algorithm>
#include <cmath>
#include <vector>

#include "document/draw_object.h"
#include "render/bevel_kinds.h"
#include "render/coverage_mask.h"
#include "filters/gaussian_blur.h"
#include "filters/parallel_rows.h"
#include "render/pixel_math.h"

namespace tessel {

namespace {

constexpr int kSmearPerWidth = 3;
constexpr int kMaxSmear = 512;
// Longer paths are sampled this many times, evenly, which keeps a wide smear affordable.
constexpr int kMaxSamples = 32;
constexpr int kPathLine = 0;
constexpr int kPathRays = 2;
constexpr int kSmearColour = 0;
constexpr int kSmearCross = 1;
constexpr double kSilhouette = 0.5;  // a backlit shape loses up to half its brightness
constexpr double kGlowGain = 2.0;
constexpr double kGlowSoftening = 1.0;  // blur radius of the glow

// Where one pixel's ink goes: the pixel indices of its path inside the box.
class CSmearPath {
 public:
  // A path `length` pixels long, sampled at most kMaxSamples times, evenly.
  CSmearPath(int w, int h, int length)
      : m_w(w), m_h(h), m_samples(std::min(length, kMaxSamples)),
        m_spacing(m_samples > 1 ? double(length - 1) / (m_samples - 1) : 0.0), m_length(length) {}
  int Samples() const { return m_samples; }

  struct CStep {
    int dx, dy;
  };
  // The steps of a line path, null for rays.
  const std::vector<CStep>* LineSteps() const { return m_rays ? nullptr : &m_steps; }

  // A straight path of `length` steps along dir, starting at p (centred: around p).
  void SetLine(CPlaneDir dir, bool centred) {
    m_rays = false;
    m_steps.clear();
    const double first = centred ? -(m_length - 1) / 2.0 : 0.0;
    for (int i = 0; i < m_samples; ++i) {
      const double t = first + i * m_spacing;
      m_steps.push_back({int(std::lround(t * dir.x)), int(std::lround(t * dir.y))});
    }
  }
  // Rays from the box centre: outwards (sign 1) or inwards (−1).
  void SetRays(int sign) {
    m_rays = true;
    m_cx = (m_w - 1) / 2.0, m_cy = (m_h - 1) / 2.0;
    const double halfDiagonal = std::max(1.0, std::hypot(m_cx, m_cy));
    m_zoom = sign / halfDiagonal;  // step i moves by i / halfDiagonal of the distance
  }
  // The indices of p's path inside the box, into out.
  void Collect(int x, int y, std::vector<int>& out) const {
    out.clear();
    for (int i = 0; i < m_samples; ++i) {
      int qx, qy;
      if (m_rays) {
        // floor(v + 0.5) rounds halves the same way on both sides of the centre.
        const double t = m_zoom * i * m_spacing;
        qx = x + int(std::floor((x - m_cx) * t + 0.5));
        qy = y + int(std::floor((y - m_cy) * t + 0.5));
      } else {
        qx = x + m_steps[size_t(i)].dx;
        qy = y + m_steps[size_t(i)].dy;
      }
      if (qx >= 0 && qx < m_w && qy >= 0 && qy < m_h) out.push_back(qy * m_w + qx);
    }
  }

 private:
  int m_w, m_h, m_samples;
  double m_spacing;  // pixels between samples
  int m_length;
  bool m_rays = false;
  std::vector<CStep> m_steps;
  double m_cx = 0.0, m_cy = 0.0, m_zoom = 0.0;
};

// Colour planes (blue, green, red per pixel) and weights (alpha / 255) of a picture.
struct CInk {
  std::vector<float> colour;
  std::vector<float> weight;
};

CInk ReadInk(const CDIBSection& bmp) {
  const int w = bmp.Width(), h = bmp.Height();
  CInk ink;
  ink.colour.resize(size_t(w) * h * 3);
  ink.weight.resize(size_t(w) * h);
  for (int y = 0; y < h; ++y) {
    const uint8_t* p = bmp.RowFromTop(y);
    for (int x = 0; x < w; ++x, p += 4) {
      const size_t i = size_t(y) * w + x;
      for (int c = 0; c < 3; ++c) ink.colour[3 * i + c] = p[c];
      ink.weight[i] = float(p[px::kAlpha] * px::kInv255);
    }
  }
  return ink;
}

// The exchanges of a line path gathered per pixel: as each step s pairs x with x + s,
// pixel q meets q + s and q − s, and Δ(q) sums both. Rows only write their own Δ, so
// bands of rows run on both cores.
void GatherLine(const CInk& ink, std::vector<float>& delta, int w, int h,
                const std::vector<CSmearPath::CStep>& steps, float half) {
  filters::ForEachBand(h, filters::BandCount(w, h), [&](int rowBegin, int rowEnd) {
    for (int y = rowBegin; y < rowEnd; ++y)
      for (int x = 0; x < w; ++x) {
        const size_t i = size_t(y) * w + x;
        if (ink.weight[i] <= 0.0f) continue;
        const float* ci = ink.colour.data() + 3 * i;
        float* di = delta.data() + 3 * i;
        for (const CSmearPath::CStep& s : steps)
          for (const int sign : {1, -1}) {
            const int qx = x + sign * s.dx, qy = y + sign * s.dy;
            if (qx < 0 || qx >= w || qy < 0 || qy >= h) continue;
            const size_t q = size_t(qy) * w + qx;
            const float mq = ink.weight[q];
            if (mq <= 0.0f) continue;
            const float* cq = ink.colour.data() + 3 * q;
            for (int c = 0; c < 3; ++c) di[c] += half * mq * (cq[c] - ci[c]);
          }
      }
  });
}

// One ink-keeping smear of ink.colour along the path (see the top of the file).
void SmearColour(CInk& ink, int w, int h, const CSmearPath& path) {
  std::vector<float> delta(ink.colour.size(), 0.0f);
  if (const auto* steps = path.LineSteps()) {
    GatherLine(ink, delta, w, h, *steps, 0.5f / float(path.Samples()));
    for (size_t i = 0; i < ink.colour.size(); ++i) ink.colour[i] += delta[i];
    return;
  }
  std::vector<int> dest;
  const float half = 0.5f / float(path.Samples());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const size_t i = size_t(y) * w + x;
      const float mi = ink.weight[i];
      if (mi <= 0.0f) continue;
      path.Collect(x, y, dest);
      const float* ci = ink.colour.data() + 3 * i;
      float* di = delta.data() + 3 * i;
      for (const int q : dest) {
        const float mq = ink.weight[size_t(q)];
        if (mq <= 0.0f) continue;
        const float* cq = ink.colour.data() + 3 * size_t(q);
        float* dq = delta.data() + 3 * size_t(q);
        for (int c = 0; c < 3; ++c) {
          const float diff = cq[c] - ci[c];
          di[c] += half * mq * diff;
          dq[c] -= half * mi * diff;
        }
      }
    }
  for (size_t i = 0; i < ink.colour.size(); ++i) ink.colour[i] += delta[i];
}

// The light around the shape, 255 − alpha, spread evenly along each pixel's path.
std::vector<float> SmearLight(const CInk& ink, int w, int h, const CSmearPath& path) {
  std::vector<float> glow(ink.weight.size(), 0.0f);
  std::vector<int> dest;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const float light = 255.0f * (1.0f - ink.weight[size_t(y) * w + x]);
      if (light <= 0.0f) continue;
      path.Collect(x, y, dest);
      const float share = light / float(path.Samples());
      for (const int q : dest) glow[size_t(q)] += share;
    }
  return glow;
}

void WriteColour(CDIBSection& bmp, const std::vector<float>& colour, double strength) {
  const int w = bmp.Width(), h = bmp.Height();
  for (int y = 0; y < h; ++y) {
    uint8_t* p = bmp.RowFromTop(y);
    for (int x = 0; x < w; ++x, p += 4) {
      if (p[px::kAlpha] == 0) continue;
      const float* c = colour.data() + 3 * (size_t(y) * w + x);
      for (int k = 0; k < 3; ++k) p[k] = uint8_t(px::TruncClamp255(p[k] + (c[k] - p[k]) * strength + 0.5));
    }
  }
}

// The glow, kGlowGain times the spread light, as bytes softened by the program's blur
// (radius 1), which fills the gaps between the samples of a long path.
std::vector<uint8_t> GlowPlane(const std::vector<float>& glow, int w, int h) {
  std::vector<uint8_t> plane(glow.size());
  for (size_t i = 0; i < glow.size(); ++i) plane[i] = uint8_t(px::TruncClamp255(kGlowGain * glow[i] + 0.5));
  GaussianBlurPlane(CBitmapView{plane.data(), w, w, h, 1}, kGlowSoftening, BlurAxes::kBoth);
  return plane;
}

void WriteBacklight(CDIBSection& bmp, const std::vector<uint8_t>& glow, double strength) {
  const int w = bmp.Width(), h = bmp.Height();
  const double dim = 1.0 - kSilhouette * strength;
  for (int y = 0; y < h; ++y) {
    uint8_t* p = bmp.RowFromTop(y);
    const uint8_t* g = glow.data() + size_t(y) * w;
    for (int x = 0; x < w; ++x, p += 4) {
      if (p[px::kAlpha] == 0) continue;
      const double lit = g[x] * px::kInv255 * strength;
      for (int k = 0; k < 3; ++k) {
        const double base = p[k] * dim;
        p[k] = uint8_t(px::TruncClamp255(base + (255.0 - base) * lit + 0.5));
      }
    }
  }
}

}  // namespace

bool MotionBevel(CDrawObject& o, const CCoverageMask&, int smear, int pathKind) {
  const int w = o.m_width, h = o.m_height;
  const int64_t reach = int64_t(o.m_bevelWidth) * kSmearPerWidth * std::max(1, o.m_renderScale);
  const int length = int(std::clamp<int64_t>(reach, 1, std::min(kMaxSmear, std::max(w, h))));
  const double strength = BevelStrength(o);
  if (length < 2 || strength <= 0.0) return true;  // a smear of one pixel changes nothing
  const CPlaneDir toLight = TowardLight(o.m_bevelParam2);
  CInk ink = ReadInk(o.m_bitmap);
  CSmearPath path(w, h, length);
  if (smear == kSmearColour || smear == kSmearCross) {
    if (pathKind == kPathRays) {
      path.SetRays(1);
    } else {
      path.SetLine(smear == kSmearCross ? toLight : CPlaneDir{-toLight.x, -toLight.y}, smear == kSmearCross);
    }
    SmearColour(ink, w, h, path);
    if (smear == kSmearCross) {
      path.SetLine({-toLight.y, toLight.x}, true);
      SmearColour(ink, w, h, path);
    }
    WriteColour(o.m_bitmap, ink.colour, strength);
  } else {
    if (pathKind == kPathRays) path.SetRays(-1);
    else path.SetLine(toLight, false);
    WriteBacklight(o.m_bitmap, GlowPlane(SmearLight(ink, w, h, path), w, h), strength);
  }
  return true;
}

}  // namespace tessel
