// The lights tool (code 27): six handles of the current object's current light. Its
// reference point R lies at the light's position in the box (y counted from the
// bottom); the azimuth handle at the light's distance along the azimuth (point A);
// the distance handle that far left of R; elevation below R (below A for a point
// light), cone above R and focus right of R, each as far as its value reaches.
#include <algorithm>
#include <cmath>

#include "document/draw_object.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
constexpr double kTwoPi = 6.283185307179586;
constexpr double kConeReach = 0.5555555555555556;  // cone 1 reaches this share of the distance
constexpr double kHandleGap = 10.0;                // cone, focus and point elevation start 10 pixels out
constexpr double kElevationPerPixel = 0.02;
constexpr double kPointElevationStep = 0.01;
constexpr double kMaxCone = 1.5, kMaxFocus = 2.0;
constexpr double kFarLight = 5000.0;               // a light this far right is not moved by its handle

enum LightHandle { kPosition = 1, kAzimuth = 2, kDistance = 3, kElevation = 4, kCone = 5, kFocus = 6 };

struct LightFrame {
  CPointD r;  // the light's reference point in document pixels
  CPointD a;  // the point at the light's distance along the azimuth
  double lx;  // the light's x relative to the object
};

LightFrame FrameOf(const CDrawObject& o, const CLight& light, double dist) {
  LightFrame f;
  f.lx = light.x * o.m_width;
  const double ly = (1.0 - light.y) * o.m_height;
  f.r = {o.m_left + f.lx, o.m_top + ly};
  f.a = {f.r.x + dist * std::cos(light.azimuth), f.r.y - dist * std::sin(light.azimuth)};
  return f;
}

double Distance(CPoint m, CPointD p) { return std::hypot(m.x - p.x, m.y - p.y); }
}  // namespace

std::vector<CPointD> CVellumView::LightHandlePoints() const {
  const CDrawObject& o = *m_current;
  const CLightSet& set = o.m_lights;
  if (m_currentLight >= int(set.m_lights.size())) return {};
  const CLight& light = set.m_lights[size_t(m_currentLight)];
  const double dist = set.GetLightParam(m_currentLight, "DIST", o.m_width);
  const LightFrame f = FrameOf(o, light, dist);
  std::vector<CPointD> points(7);
  points[kPosition] = f.r;
  points[kAzimuth] = f.a;
  points[kDistance] = {f.r.x - dist, f.r.y};
  if (light.type == CLight::kPoint)
    points[kElevation] = {f.a.x, f.a.y + kHandleGap + (light.elevation > 0 ? 1.0 / (light.elevation * kPointElevationStep) : 0)};
  else
    points[kElevation] = {f.r.x, f.r.y + light.elevation / kElevationPerPixel};
  points[kCone] = {f.r.x, f.r.y - (kHandleGap + light.cone * dist * kConeReach)};
  points[kFocus] = {f.r.x + kHandleGap + light.focus * (dist * kConeReach * light.cone + kHandleGap), f.r.y};
  return points;
}

void CVellumView::LightsMove(CPoint m) {
  CDrawObject& o = *m_current;
  CLightSet& set = o.m_lights;
  if (m_currentLight >= int(set.m_lights.size()) || o.m_width <= 0 || o.m_height <= 0) return;
  CLight& light = set.m_lights[size_t(m_currentLight)];
  const int w = o.m_width, i = m_currentLight;
  const double dist = set.GetLightParam(i, "DIST", w);
  const LightFrame f = FrameOf(o, light, dist);
  const bool pointLight = light.type == CLight::kPoint;
  const double d = Distance(m, f.r);
  switch (m_handle) {
    case kAzimuth:
      if (!pointLight) {
        set.SetLightParam(i, "AZIM", kTwoPi - std::atan2(m.y - f.r.y, m.x - f.r.x), w);
        break;
      }
      [[fallthrough]];  // a point light has no direction: the handle moves it
    case kPosition:
      if (f.lx < kFarLight) {
        light.x += double(m.x - m_placementLast.x) / o.m_width;
        light.y -= double(m.y - m_placementLast.y) / o.m_height;
      }
      break;
    case kDistance: set.SetLightParam(i, "DIST", f.r.x - m.x, w); break;
    case kElevation:
      if (pointLight)
        set.SetLightParam(i, "ELEV", 1.0 / std::max(0.01, (Distance(m, f.a) - kHandleGap) * kPointElevationStep), w);
      else
        set.SetLightParam(i, "ELEV", d * kElevationPerPixel, w);
      break;
    case kCone: {
      const double reach = dist * kConeReach;
      if (reach == 0) break;  // no distance: the cone cannot be measured
      const double beyond = d - kHandleGap == 0 ? 1.0 : d - kHandleGap;
      set.SetLightParam(i, "CONE", std::clamp(beyond / reach, 0.0, kMaxCone), w);
      break;
    }
    case kFocus: {
      const double reach = dist * kConeReach * light.cone + kHandleGap;
      if (reach == 0) break;
      set.SetLightParam(i, "FOCUS", std::clamp((d - kHandleGap) / reach, 0.0, kMaxFocus), w);
      break;
    }
    default: break;
  }
}

}  // namespace tessel
