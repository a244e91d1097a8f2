// The standard outlines of rectangles, ellipses, rounded rectangles and stars.
#include <algorithm>
#include <cmath>

#include "geometry/bezier.h"

namespace tessel {

namespace {
// Half of the circle constant 0.5522847498 for a radius of 0.5.
constexpr double kK = 0.2761423749154;
constexpr double kA = 0.2238576250846;  // 0.5 - k
constexpr double kB = 0.7761423749154;  // 0.5 + k
constexpr double kPi = 3.14159265358979323846;

// Appends a straight segment from (x0, y0) toward the next anchor: both controls sit on
// the segment's end points.
void Straight(CBezier& b, double x0, double y0, double x1, double y1) {
  b.AddPoint(x0, y0);
  b.AddPoint(x0, y0);
  b.AddPoint(x1, y1);
}
}  // namespace

void CBezier::MakeRectangle() {
  Clear();
  Straight(*this, 0, 0, 1, 0);
  Straight(*this, 1, 0, 1, 1);
  Straight(*this, 1, 1, 0, 1);
  Straight(*this, 0, 1, 0, 0);
  m_closed = 1;
}

void CBezier::MakeEllipse() {
  Clear();
  const double pts[12][2] = {{0, 0.5}, {0, kA}, {kA, 0}, {0.5, 0}, {kB, 0}, {1, kA},
                             {1, 0.5}, {1, kB}, {kB, 1}, {0.5, 1}, {kA, 1}, {0, kB}};
  for (const auto& p : pts) AddPoint(p[0], p[1]);
  m_closed = 1;
}

void CBezier::MakeRoundRect(double r, int width, int height) {
  Clear();
  const double w = std::max(width, 1), h = std::max(height, 1);
  double v = r * w / h;
  r = std::min(r, 0.5);
  v = std::min(v, 0.5);
  // The multiplier is applied to the radius fraction itself, so corners are flatter
  // than circular arcs.
  const double cr = r * kK, cv = v * kK;
  const double pts[24][2] = {
      {0, v},     {0, cv},     {cr, 0},     {r, 0},     {0.5, 0},     {0.5, 0},
      {1 - r, 0}, {1 - cr, 0}, {1, cv},     {1, v},     {1, 0.5},     {1, 0.5},
      {1, 1 - v}, {1, 1 - cv}, {1 - cr, 1}, {1 - r, 1}, {0.5, 1},     {0.5, 1},
      {r, 1},     {cr, 1},     {0, 1 - cv}, {0, 1 - v}, {0, 0.5},     {0, 0.5}};
  for (const auto& p : pts) AddPoint(p[0], p[1]);
  m_closed = 1;
}

void CBezier::MakeStar(int n, double d) {
  Clear();
  n = std::max(n, 3);
  d = std::max(d, 1.0);
  auto outer = [&](int i) {
    const double t = i * 2 * kPi / n;
    return CPointD{(std::cos(t) + 1) * 0.5, (std::sin(t) + 1) * 0.5};
  };
  for (int i = 0; i < n; ++i) {
    const CPointD p = outer(i), q1 = outer((i + 1) % n);
    const double phi = (i + 0.5) * 2 * kPi / n;
    const CPointD q{std::cos(phi) / (2 * d) + 0.5, std::sin(phi) / (2 * d) + 0.5};
    Straight(*this, p.x, p.y, q.x, q.y);
    Straight(*this, q.x, q.y, q1.x, q1.y);
  }
  m_closed = 1;
}

}  // namespace tessel
