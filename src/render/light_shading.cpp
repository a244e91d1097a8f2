#include "render/light_shading.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/dib_section.h"
#include "filters/parallel_rows.h"
#include "render/coverage_mask.h"
#include "render/light_set.h"
#include "render/pixel_math.h"

namespace tessel {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kMinElevation = 0.1;
constexpr double kMinRelief = 1.0;
constexpr double kMaxRelief = 1e6;      // keeps 6 · relief a sane number
constexpr double kReliefPerUnit = 6.0;  // heights reach |trunc(6 s)| pixels
constexpr double kViewerHeight = 100.0;
constexpr int kMaxRenderScale = 64;
constexpr double kHotSpotLimit = 0.9;   // a spot's rim always fades, so its edge never aliases
constexpr double kMaxFactor = 100.0;    // material values and intensities are held to ±this
constexpr double kMaxReach = 1e4;       // light distances and positions, in box sizes
constexpr double kMaxShininess = 10000.0;
constexpr int kPowerSteps = 4096;
constexpr double kMaxTabledPower = 100.0;

double Dot(const CVec3& a, const CVec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// v over its length; v itself when the length is 0.
CVec3 Normalised(const CVec3& v) {
  const double len = std::sqrt(Dot(v, v));
  return len > 0.0 ? CVec3{v.x / len, v.y / len, v.z / len} : v;
}

double Held(double v, double lo, double hi, double fallback) {
  return std::isfinite(v) ? std::clamp(v, lo, hi) : fallback;
}

// The height of one map unit: |trunc(6 s)| / 255, the relief s held at 1.0 or more.
double HeightPerUnit(double relief) {
  return std::fabs(std::trunc(kReliefPerUnit * Held(relief, kMinRelief, kMaxRelief, kMinRelief))) / 255.0;
}

// A light with everything that does not change over the pixels worked out.
struct CPreparedLight {
  int type = CLight::kDistant;
  CVec3 dir;           // unit vector towards a distant light; a spot shines along −dir
  CVec3 pos;           // point and spot position
  double footZ2 = 1;   // point: squared height of the light, at least 1
  double cosCone = 0;  // spot: cosine of the cone and of the hot spot
  double cosHot = 1;
  double intensity = 1;
};

// The material and lights of a set, checked and ready for the pixel loop.
struct CRig {
  std::vector<CPreparedLight> lights;  // distant, point and spot
  double ambient = 0;                  // ka · (1 + Σ I of ambient lights)
  double kd = 0, ks = 0, kr = 0;
  CPowerCurve power{0.0};  // x^shininess
  double c1[3] = {1, 1, 1}, c2[3] = {1, 1, 1};  // blue, green, red, 0..1
  double relief = kMinRelief;
  int renderScale = 1;  // heights and the viewer grow with an enlarged render
  CVec3 viewer;
  const CDIBSection* environment = nullptr;
  bool needView = false;
};

void ColourOf(uint32_t colour, double* out) {
  out[px::kBlue] = ((colour >> 16) & 0xFF) * px::kInv255;
  out[px::kGreen] = ((colour >> 8) & 0xFF) * px::kInv255;
  out[px::kRed] = (colour & 0xFF) * px::kInv255;
}

bool PrepareLight(const CLight& l, int w, int h, CPreparedLight& out) {
  for (double v : {l.azimuth, l.elevation, l.focus, l.cone, l.distance, l.x, l.y, l.intensity})
    if (!std::isfinite(v)) return false;  // a damaged record; the light is left out
  out.type = l.type;
  out.intensity = std::clamp(l.intensity, -kMaxFactor, kMaxFactor);
  const double elevation = std::max(l.elevation, kMinElevation);
  out.dir = Normalised({std::cos(l.azimuth), std::sin(l.azimuth), 1.0 / elevation});
  // Held far outside any box, so that a damaged record cannot overflow to infinities.
  const double d = std::clamp(l.distance, -kMaxReach, kMaxReach) * w;
  const double x = std::clamp(l.x, -kMaxReach, kMaxReach), y = std::clamp(l.y, -kMaxReach, kMaxReach);
  out.pos = {x * w + d * std::cos(l.azimuth), (1.0 - y) * h + d * std::sin(l.azimuth), d / elevation};
  const double z = std::max(out.pos.z, 1.0);
  out.footZ2 = z * z;
  const double cone = std::clamp(l.cone, 0.0, kPi);
  out.cosCone = std::cos(cone);
  out.cosHot = std::cos(cone * std::clamp(l.focus, 0.0, kHotSpotLimit));
  return true;
}

CRig PrepareRig(const CLightSet& set, int w, int h, int renderScale) {
  CRig rig;
  double ambientLights = 0.0;
  for (const CLight& l : set.m_lights) {
    if (l.type == CLight::kAmbient) {
      if (std::isfinite(l.intensity)) ambientLights += std::clamp(l.intensity, -kMaxFactor, kMaxFactor);
      continue;
    }
    CPreparedLight p;
    if (l.type >= CLight::kDistant && l.type <= CLight::kSpot && PrepareLight(l, w, h, p)) rig.lights.push_back(p);
  }
  rig.ambient = Held(set.m_ambient, -kMaxFactor, kMaxFactor, 0.0) * (1.0 + ambientLights);
  rig.kd = Held(set.m_diffuse, -kMaxFactor, kMaxFactor, 0.0);
  rig.ks = Held(set.m_specular, -kMaxFactor, kMaxFactor, 0.0);
  rig.power = CPowerCurve(Held(set.m_shininess, 0.0, kMaxShininess, 0.0));
  rig.kr = Held(set.m_reflection, 0.0, 1.0, 0.0);
  rig.relief = Held(set.m_relief, kMinRelief, kMaxRelief, kMinRelief);
  ColourOf(set.m_color1, rig.c1);
  ColourOf(set.m_color2, rig.c2);
  rig.renderScale = std::clamp(renderScale, 1, kMaxRenderScale);
  rig.viewer = {w / 2.0, h / 2.0, kViewerHeight * rig.renderScale};
  const CDIBSection& env = set.m_environment.picture;
  if (!env.IsEmpty() && (env.BitsPerPixel() == 24 || env.BitsPerPixel() == 32)) rig.environment = &env;
  rig.needView = rig.environment || (rig.ks != 0.0 && !rig.lights.empty());
  return rig;
}

// The light that reaches a point p with normal n from one light: adds I f (N·L) to
// diffuse and I f (N·B)^shininess to highlight.
void AddLight(const CRig& rig, const CPreparedLight& l, const CVec3& p, const CVec3& n, const CVec3& view,
              double& diffuse, double& highlight) {
  CVec3 toLight = l.dir;
  double f = 1.0;
  if (l.type != CLight::kDistant) {
    const CVec3 v{l.pos.x - p.x, l.pos.y - p.y, l.pos.z - p.z};
    const double len2 = Dot(v, v);
    if (len2 <= 0.0) return;
    const double inv = 1.0 / std::sqrt(len2);
    toLight = {v.x * inv, v.y * inv, v.z * inv};
    if (l.type == CLight::kPoint) {
      f = l.footZ2 / (l.footZ2 + v.x * v.x + v.y * v.y);
    } else {
      const double c = Dot(toLight, l.dir);
      if (c <= l.cosCone) return;
      if (c < l.cosHot) {
        const double t = (c - l.cosCone) / (l.cosHot - l.cosCone);
        f = t * t * (3.0 - 2.0 * t);
      }
    }
  }
  const double nl = Dot(n, toLight);
  if (nl <= 0.0) return;
  const double w = l.intensity * f;
  diffuse += w * nl;
  if (rig.ks == 0.0) return;
  const double nb = Dot(n, Normalised({toLight.x + view.x, toLight.y + view.y, toLight.z + view.z}));
  if (nb > 0.0) highlight += w * rig.power(nb);
}

// The environment colour (blue, green, red, 0..1) seen in direction r of a mirror ball.
void EnvironmentColour(const CDIBSection& env, const CVec3& r, double* out) {
  const double m = 2.0 * std::sqrt(r.x * r.x + r.y * r.y + (r.z + 1.0) * (r.z + 1.0));
  const double u = m > 0.0 ? std::clamp(r.x / m + 0.5, 0.0, 1.0) : 0.5;
  const double v = m > 0.0 ? std::clamp(r.y / m + 0.5, 0.0, 1.0) : 0.5;
  const int ex = int(u * (env.Width() - 1) + 0.5), ey = int(v * (env.Height() - 1) + 0.5);
  const uint8_t* t = env.RowFromTop(ey) + ex * env.BytesPerPixel();
  for (int ch = 0; ch < 3; ++ch) out[ch] = t[ch] * px::kInv255;
}

// Shades one pixel (blue, green, red at pixel) at p with normal n, weighed by the mask m.
void ShadePixel(const CRig& rig, uint8_t* pixel, const CVec3& p, const CVec3& n, int m) {
  CVec3 view;
  if (rig.needView) view = Normalised({rig.viewer.x - p.x, rig.viewer.y - p.y, rig.viewer.z - p.z});
  double diffuse = 0.0, highlight = 0.0;
  for (const CPreparedLight& l : rig.lights) AddLight(rig, l, p, n, view, diffuse, highlight);
  const double light = rig.ambient + rig.kd * diffuse, shine = rig.ks * highlight;
  double env[3] = {0, 0, 0};
  if (rig.environment) {
    const double nv = 2.0 * Dot(n, view);
    EnvironmentColour(*rig.environment, Normalised({nv * n.x - view.x, nv * n.y - view.y, nv * n.z - view.z}), env);
  }
  for (int ch = 0; ch < 3; ++ch) {
    double lit = pixel[ch] * px::kInv255 * rig.c1[ch] * light + rig.c2[ch] * shine;
    if (rig.environment) lit = lit * (1.0 - rig.kr) + rig.kr * env[ch];
    const double v = lit * 255.0;
    if (!(v == v)) continue;  // cannot happen with the held inputs; never a NaN cast
    pixel[ch] = uint8_t(px::Mix255(pixel[ch], px::TruncClamp255(v), m));
  }
}

}  // namespace

CPowerCurve::CPowerCurve(double n) : m_n(n), m_tabled(n >= 1.0 && n <= kMaxTabledPower) {
  if (!m_tabled) return;
  m_table.resize(kPowerSteps + 2);  // one beyond the end, so that x = 1 interpolates too
  for (int i = 0; i <= kPowerSteps; ++i) m_table[size_t(i)] = std::pow(double(i) / kPowerSteps, n);
  m_table[kPowerSteps + 1] = 1.0;
}

double CPowerCurve::operator()(double x) const {
  if (!m_tabled) return std::pow(x, m_n);
  const double t = std::clamp(x, 0.0, 1.0) * kPowerSteps;
  const int i = int(t);
  const double a = m_table[size_t(i)];
  return a + (m_table[size_t(i) + 1] - a) * (t - i);
}

void SampleHeightRow(const CHeightMap& map, int y, double relief, int width, double* out) {
  if (map.IsEmpty()) {
    std::fill_n(out, width, 0.0);
    return;
  }
  const double scale = HeightPerUnit(relief);
  const uint8_t* row = map.bytes + size_t(map.height - (y % map.height) - 1) * size_t(map.width);
  for (int x = 0, col = 0; x < width; ++x) {
    out[x] = row[col] * scale;
    if (++col == map.width) col = 0;
  }
}

double SampleHeight(const CHeightMap& map, int x, int y, double relief) {
  if (map.IsEmpty()) return 0.0;
  const int row = map.height - (y % map.height) - 1, col = x % map.width;
  return map.bytes[size_t(row) * size_t(map.width) + size_t(col)] * HeightPerUnit(relief);
}

CVec3 MeanTriangleNormal(double c, const double* left, const double* up, const double* right, const double* down) {
  // Differences to the neighbours; the surface rises by dl to the left (−x), du upwards
  // (−y), dr to the right and dd downwards, so a triangle's normal is (−∂h/∂x, −∂h/∂y, 1).
  CVec3 sum;
  int count = 0;
  auto add = [&](double nx, double ny) {
    const double len = std::sqrt(nx * nx + ny * ny + 1.0);
    sum = {sum.x + nx / len, sum.y + ny / len, sum.z + 1.0 / len};
    ++count;
  };
  if (left && down) add(*left - c, -(*down - c));
  if (left && up) add(*left - c, *up - c);
  if (right && up) add(-(*right - c), *up - c);
  if (right && down) add(-(*right - c), -(*down - c));
  if (count == 0) return {0.0, 0.0, 1.0};
  return {sum.x / count, sum.y / count, sum.z / count};
}

bool ShadeLights(CDIBSection& bitmap, const CCoverageMask& mask, const CLightSet& set, const CHeightMap& map,
                 int renderScale) {
  const int w = bitmap.Width(), h = bitmap.Height();
  if (bitmap.IsEmpty() || bitmap.BitsPerPixel() != 32 || mask.width != w || mask.height != h ||
      mask.bytes.size() != size_t(w) * size_t(h))
    return false;
  const CRig rig = PrepareRig(set, w, h, renderScale);
  if (set.m_lights.empty() && !rig.environment) return false;
  const bool flat = map.IsEmpty();
  auto band = [&](int begin, int end) {
    // Heights of the rows above, at and below the current one.
    std::vector<double> rows[3];
    for (auto& r : rows) r.assign(size_t(w), 0.0);
    auto fill = [&](std::vector<double>& r, int y) {
      if (flat || y < 0 || y >= h) return;
      SampleHeightRow(map, y, rig.relief, w, r.data());
      if (rig.renderScale > 1)
        for (double& v : r) v *= rig.renderScale;
    };
    fill(rows[0], begin - 1);
    fill(rows[1], begin);
    for (int y = begin; y < end; ++y) {
      fill(rows[2], y + 1);
      const double* up = y > 0 ? rows[0].data() : nullptr;
      const double* mid = rows[1].data();
      const double* down = y + 1 < h ? rows[2].data() : nullptr;
      const uint8_t* m = mask.Row(y);
      uint8_t* pixel = bitmap.RowFromTop(y);
      for (int x = 0; x < w; ++x, pixel += 4) {
        if (m[x] == 0) continue;
        CVec3 n{0.0, 0.0, 1.0};
        if (!flat) {
          n = Normalised(MeanTriangleNormal(mid[x], x > 0 ? mid + x - 1 : nullptr, up ? up + x : nullptr,
                                            x + 1 < w ? mid + x + 1 : nullptr, down ? down + x : nullptr));
        }
        ShadePixel(rig, pixel, {double(x), double(y), mid[x]}, n, m[x]);
      }
      std::rotate(rows, rows + 1, rows + 3);
    }
  };
  filters::ForEachBand(h, filters::BandCount(w, h), band);
  return true;
}

}  // namespace tessel
