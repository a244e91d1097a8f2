// The shading of an object by its light set: per pixel, a surface normal from the height
// map, the light of every ambient, distant, point and spot light, and the reflection of
// the environment picture.
//
// Geometry. Box pixels (x, y) have y pointing down; the surface at a pixel lies at the
// height H(x, y) of the map. A light's direction is (cos azimuth, sin azimuth,
// 1 / elevation) normalised (elevation held at 0.1 or more); point and spot lights sit at
// (x_ref · w + D cos azimuth, (1 − y_ref) · h + D sin azimuth, D / elevation), D = distance
// · w, and a spot shines back along that direction at its reference point.
//
// Shading equation, per channel with the colour c (0..1), the light colour C1 and the
// highlight colour C2 (the set's two colours / 255), the normal N and, per light, the unit
// vector L towards it, its intensity I and its factor f:
//   lit = c · C1 · (ka · (1 + Σ I of ambient lights) + kd · Σ I f max(0, N·L))
//         + C2 · ks · Σ I f P(max(0, N·B))                     (B the unit half vector of L
//                                                        and the view, only where N·L > 0;
//                                                        P the curve x^shininess)
//   with f = 1 for distant lights;
//        f = z² / (z² + r²) for point lights, z the light's height (at least 1) and r the
//          distance from the point under the light, so light falls off with distance;
//        f for spots: 0 outside the cone, 1 inside the hot spot (the cone times
//          min(focus, 0.9)), a smooth step between.
// With an environment picture: lit = lit · (1 − kr) + kr · E / 255, E the colour the
// reflected view vector picks from the picture as from a mirrored ball (sphere mapping),
// the viewer standing above the box centre at height 100. The pixel then becomes
// D + (trunc(lit · 255, held to 0..255) − D) · m / 255 with m the mask value.
#pragma once

#include <cstdint>
#include <vector>

namespace tessel {

class CDIBSection;
class CLightSet;
struct CCoverageMask;

// An 8-bit height map, rows stored bottom-up; it tiles the box.
struct CHeightMap {
  const uint8_t* bytes = nullptr;  // width × height
  int width = 0;
  int height = 0;
  bool IsEmpty() const { return !bytes || width < 1 || height < 1; }
};

struct CVec3 {
  double x = 0.0, y = 0.0, z = 0.0;
};

// The height of box pixel (x, y) (y from the top): map[(mh − (y mod mh) − 1) · mw +
// (x mod mw)] / 255 · |trunc(6 · relief)|, relief held at 1.0 or more. 0 for no map.
double SampleHeight(const CHeightMap& map, int x, int y, double relief);

// SampleHeight of box row y for x = 0 .. width − 1 into out, with the map row found once
// and the wrapped column stepped instead of divided.
void SampleHeightRow(const CHeightMap& map, int y, double relief, int width, double* out);

// The highlight curve x^n for x in 0..1: read from a table of 4096 steps with linear
// interpolation for n from 1 to 100 (within 1e-4 of pow), computed by pow otherwise.
class CPowerCurve {
 public:
  explicit CPowerCurve(double n);
  double operator()(double x) const;

 private:
  double m_n;
  bool m_tabled;
  std::vector<double> m_table;
};

// The mean of the unit normals of the triangles that a pixel of height c forms with its
// neighbours: left–lower, left–upper, right–upper and right–lower, each pair only where
// both neighbours exist (a null pointer marks one outside the box). Each triangle's normal
// is (± difference, ± difference, 1) over its length with z up; the mean is not
// normalised again. (0, 0, 1) when no pair exists.
CVec3 MeanTriangleNormal(double c, const double* left, const double* up, const double* right, const double* down);

// Shades the 32-bit bottom-up bitmap by the light set over the height map (an empty map
// is a flat surface), within the top-down mask of the same size; alpha is kept. An
// enlarged render (renderScale above 1, with the map already enlarged as much) multiplies
// the heights and the viewer's height by it, so that it looks like the screen render.
// Returns false (nothing done) for an empty or mis-sized bitmap or mask, or a set with
// neither lights nor environment picture.
bool ShadeLights(CDIBSection& bitmap, const CCoverageMask& mask, const CLightSet& set, const CHeightMap& map,
                 int renderScale = 1);

}  // namespace tessel
