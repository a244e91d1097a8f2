// Gene 3: two crossed waves. With H the half diagonal (a quotient by H is 0 when H is 0):
//   a = Cos512(P1·y·16 / H);  b = Sin512(a + P0·x·32 / H)
//   c = Cos512(P3·x·16 / H);  R1 = (b + Sin512(c + P2·y·32 / H)) · 32
//   for (Pm, channel) = (P5, red), (P6, green), (P7, blue):
//     R0 = R1·Pm / 128 / 128 + S(4, -255, 255);  channel = Fold(R0)
// The terms of x alone are worked out once per column and those of y once per row.
#include <vector>

#include "mutaflux/mutaflux_genes.h"
#include "mutaflux/mutaflux_trig.h"

namespace tessel::mutaflux {

void RunGene3(const CGeneFrame& f) {
  const int* P = f.p;
  const CStepTrig trig = CStepTrig::Get();
  const int32_t w = f.width, h = f.height, H = HalfDiag(w, h);
  const int32_t s4 = ScaleParam(P[4], -255, 255);

  std::vector<int32_t> bShift(static_cast<size_t>(w)), cWave(static_cast<size_t>(w));  // P0·x·32 / H and c
  for (int32_t x = 0; x < w; ++x) {
    bShift[size_t(x)] = DivOrZero(P[0] * x * 32, H);
    cWave[size_t(x)] = trig.Cos512(DivOrZero(P[3] * x * 16, H));
  }
  int32_t r0 = 0, r1 = 0;
  for (int32_t y = 0; y < h; ++y) {
    uint8_t* px = f.Row(y);
    const int32_t a = trig.Cos512(DivOrZero(P[1] * y * 16, H));
    const int32_t cShift = DivOrZero(P[2] * y * 32, H);
    for (int32_t x = 0; x < w; ++x, px += 4) {
      const int32_t b = trig.Sin512(a + bShift[size_t(x)]);
      r1 = (b + trig.Sin512(cWave[size_t(x)] + cShift)) * 32;
      r0 = (r1 * P[5]) / 128 / 128 + s4;
      WriteChannel(px, kRed, Fold(r0));
      r0 = (r1 * P[6]) / 128 / 128 + s4;
      WriteChannel(px, kGreen, Fold(r0));
      r0 = (r1 * P[7]) / 128 / 128 + s4;
      WriteChannel(px, kBlue, Fold(r0));
    }
  }
  f.r[0] = r0;
  f.r[1] = r1;
}

}  // namespace tessel::mutaflux
