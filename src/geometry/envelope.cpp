#include "geometry/envelope.h"

namespace tessel {

namespace {
constexpr double kBox = 1000.0;
enum Handle { kTL, kTR, kBR, kBL, kTop, kRight, kBottom, kLeft };

// Rest positions of the handles, in thousandths.
constexpr CPointD kRest[kEnvelopeHandles] = {{0, 0},      {kBox, 0},    {kBox, kBox}, {0, kBox},
                                             {kBox / 2, 0}, {kBox, kBox / 2}, {kBox / 2, kBox}, {0, kBox / 2}};

CPointD Add(CPointD a, CPointD b) { return {a.x + b.x, a.y + b.y}; }
CPointD Scale(CPointD a, double k) { return {a.x * k, a.y * k}; }

// The quadratic through a (t = 0), mid (t = 0.5) and b (t = 1).
CPointD EdgeAt(CPointD a, CPointD mid, CPointD b, double t) {
  const CPointD control = Add(Scale(mid, 2), Scale(Add(a, b), -0.5));
  const double s = 1 - t;
  return Add(Add(Scale(a, s * s), Scale(control, 2 * s * t)), Scale(b, t * t));
}
}  // namespace

bool IsIdentityEnvelope(const EnvelopeValues& env) {
  for (double v : env)
    if (v != 0.0) return false;
  return true;
}

CPointD EnvelopeHandle(const EnvelopeValues& env, int i) {
  if (i < 0 || i >= kEnvelopeHandles) return {};
  return {kRest[i].x + env[size_t(2 * i)], kRest[i].y + env[size_t(2 * i + 1)]};
}

void SetEnvelopeHandle(EnvelopeValues& env, int i, CPointD position) {
  if (i < 0 || i >= kEnvelopeHandles) return;
  env[size_t(2 * i)] = position.x - kRest[i].x;
  env[size_t(2 * i + 1)] = position.y - kRest[i].y;
}

CPointD ApplyEnvelope(const EnvelopeValues& env, CPointD p) {
  if (IsIdentityEnvelope(env)) return p;
  CPointD h[kEnvelopeHandles];
  for (int i = 0; i < kEnvelopeHandles; ++i) h[i] = EnvelopeHandle(env, i);
  const double u = p.x / kBox, v = p.y / kBox;
  // Coons patch: the two ruled surfaces between opposite edges, less the bilinear
  // surface of the corners.
  const CPointD top = EdgeAt(h[kTL], h[kTop], h[kTR], u);
  const CPointD bottom = EdgeAt(h[kBL], h[kBottom], h[kBR], u);
  const CPointD left = EdgeAt(h[kTL], h[kLeft], h[kBL], v);
  const CPointD right = EdgeAt(h[kTR], h[kRight], h[kBR], v);
  const CPointD ruledV = Add(Scale(top, 1 - v), Scale(bottom, v));
  const CPointD ruledU = Add(Scale(left, 1 - u), Scale(right, u));
  const CPointD bilinear = Add(Add(Scale(h[kTL], (1 - u) * (1 - v)), Scale(h[kTR], u * (1 - v))),
                               Add(Scale(h[kBL], (1 - u) * v), Scale(h[kBR], u * v)));
  return Add(Add(ruledV, ruledU), Scale(bilinear, -1));
}

}  // namespace tessel
