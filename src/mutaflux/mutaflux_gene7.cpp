// Gene 7: rings whose radius and angle wobble with waves along x and y. With A the
// centre angle, D the centre distance, H the half diagonal, single() rounding to float
// and T(k, lo, hi, v) = trunc(S(k, lo, hi) · v):
//   xp = single(x / w · 100);  yp = single(y / h · 100);  rd = single(D / H · 200)
//   xi = trunc(xp);  yi = trunc(yp);  Q = trunc(single(rd + Sin512(yi)) - Cos512(xi))
//   r1  = single(rd - S(3,0,100) + Sin512(T(4,0,10,yp)))
//   SY1 = SinY(A - Sin512(T(1,-32,10,yp)) - Cos512(T(1,-4,4,xp)), trunc(r1 - Cos512(T(4,-10,10,xp))))
//   CX1 = CosX(trunc(A - sin(S(0,-10,4)·yp) - Cos512(T(0,-4,30,xp))), Q)     (sin in radians)
//   red = Lerp(CX1 - SY1, -S(2,0,1024), S(2,0,1024), 0, 255)
//   CX2 = CosX(S(4,0,25)·red - Sin512(T(0,-10,4,yp)) - Cos512(T(0,-4,30,xp)), Q)
//   SY2 = SinY(S(4,0,25)·red - Sin512(T(1,-32,10,yp)) - Cos512(T(1,-4,30,xp)), Q)
//   green = Lerp(CX2 - SY2, -S(2,0,1024), S(3,0,1024), 0, 255)
//   CX3 = CosX(4·red - Sin512(T(0,-10,4,yp)) - Cos512(T(0,-4,30,xp)), Q)
//   SY3 = SinY(4·green - Sin512(T(1,-32,10,yp)) - Cos512(T(0,-4,4,xp)), Q)
//   blue = Lerp(CX3 - SY3, -S(2,0,1024), S(3,0,1024), 0, 255)
// red and green enter the later steps unclamped. D / H is taken as 0 when H is 0.
// Every term of x alone is worked out once per column, every term of y once per row.
#include <cmath>
#include <vector>

#include "mutaflux/mutaflux_genes.h"
#include "mutaflux/mutaflux_trig.h"

namespace tessel::mutaflux {

namespace {

// trunc(s · v) for a scaled parameter s and a single-precision position v.
inline int32_t Times(int32_t s, float v) { return TruncToInt(s * double(v)); }

// The terms of one column.
struct CColumn {
  float xp;
  int32_t cosXi;     // Cos512(xi)
  int32_t cos1x4;    // Cos512(T(1,-4,4,xp))
  int32_t cos4x10;   // Cos512(T(4,-10,10,xp))
  int32_t cos0x30;   // Cos512(T(0,-4,30,xp))
  int32_t cos1x30;   // Cos512(T(1,-4,30,xp))
  int32_t cos0x4;    // Cos512(T(0,-4,4,xp))
};

}  // namespace

void RunGene7(const CGeneFrame& f) {
  const int* P = f.p;
  const CStepTrig trig = CStepTrig::Get();
  const int32_t w = f.width, h = f.height, halfW = w / 2, halfH = h / 2;
  const int32_t H = HalfDiag(w, h);
  const int32_t s0a = ScaleParam(P[0], -4, 30), s0b = ScaleParam(P[0], -10, 4), s0c = ScaleParam(P[0], -4, 4);
  const int32_t s1a = ScaleParam(P[1], -32, 10), s1b = ScaleParam(P[1], -4, 4), s1c = ScaleParam(P[1], -4, 30);
  const int32_t s2 = ScaleParam(P[2], 0, 1024), s3 = ScaleParam(P[3], 0, 1024);
  const int32_t s3r = ScaleParam(P[3], 0, 100);
  const int32_t s4a = ScaleParam(P[4], 0, 10), s4b = ScaleParam(P[4], -10, 10), s4c = ScaleParam(P[4], 0, 25);
  const CFixedLerp redLerp(-s2, s2, 0, 255), blendLerp(-s2, s3, 0, 255);

  std::vector<CColumn> columns(static_cast<size_t>(w));
  for (int32_t x = 0; x < w; ++x) {
    CColumn& c = columns[size_t(x)];
    c.xp = float(double(x) / w * 100.0);
    c.cosXi = trig.Cos512(TruncToInt(c.xp));
    c.cos1x4 = trig.Cos512(Times(s1b, c.xp));
    c.cos4x10 = trig.Cos512(Times(s4b, c.xp));
    c.cos0x30 = trig.Cos512(Times(s0a, c.xp));
    c.cos1x30 = trig.Cos512(Times(s1c, c.xp));
    c.cos0x4 = trig.Cos512(Times(s0c, c.xp));
  }

  for (int32_t y = 0; y < h; ++y) {
    uint8_t* px = f.Row(y);
    const int32_t dy = y - halfH;
    const float yp = float(double(y) / h * 100.0);
    const int32_t sinYi = trig.Sin512(TruncToInt(yp));
    const int32_t sin4y = trig.Sin512(Times(s4a, yp));
    const int32_t sin1y = trig.Sin512(Times(s1a, yp));
    const double wave0y = std::sin(s0b * double(yp));
    const int32_t sin0y = trig.Sin512(Times(s0b, yp));
    const CColumn* c = columns.data();
    for (int32_t x = 0; x < w; ++x, px += 4, ++c) {
      const int32_t dx = x - halfW;
      const int32_t A = CenterAngle(dx, dy), D = CenterDist(dx, dy);
      const float rd = float((H == 0 ? 0.0 : double(D) / H) * 200.0);
      const int32_t Q = TruncToInt(double(float(double(rd) + sinYi)) - c->cosXi);
      const float r1 = float((double(rd) - s3r) + sin4y);
      const int32_t sy1 = trig.SinY(A - sin1y - c->cos1x4, TruncToInt(double(r1) - c->cos4x10), halfH);
      const int32_t cx1 = trig.CosX(TruncToInt(A - wave0y - c->cos0x30), Q, halfW);
      const int32_t red = redLerp(cx1 - sy1);
      const int32_t cx2 = trig.CosX(s4c * red - sin0y - c->cos0x30, Q, halfW);
      const int32_t sy2 = trig.SinY(s4c * red - sin1y - c->cos1x30, Q, halfH);
      const int32_t green = blendLerp(cx2 - sy2);
      WriteChannel(px, kRed, red);
      WriteChannel(px, kGreen, green);
      const int32_t cx3 = trig.CosX(4 * red - sin0y - c->cos0x30, Q, halfW);
      const int32_t sy3 = trig.SinY(4 * green - sin1y - c->cos0x4, Q, halfH);
      WriteChannel(px, kBlue, blendLerp(cx3 - sy3));
    }
  }
}

}  // namespace tessel::mutaflux
