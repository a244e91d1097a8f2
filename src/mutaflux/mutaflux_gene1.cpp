// Genes 1, 8 and 13. With A the centre angle and D the centre distance:
//   d = D·255 / w;  xs = x·255 / w;  ys = y·255 / h
//   R0 = d - xs;  R1 = d - ys;  R2 = xs - ys
//   R3 = Lerp(A, -511, 0, 255, 0) above the middle row (y < h/2), else Lerp(A, 1, 512, 0, 255)
//   colour i = |S(i-1, -255, 255) + R[S(i+2, 0, 4)]|, the register index being 0..3.
#include "mutaflux/mutaflux_genes.h"

namespace tessel::mutaflux {

void RunGene1(const CGeneFrame& f, CChannelOrder order) {
  const int* P = f.p;
  const int32_t w = f.width, h = f.height, halfW = w / 2, halfH = h / 2;
  const int32_t base1 = ScaleParam(P[0], -255, 255), base2 = ScaleParam(P[1], -255, 255);
  const int32_t base3 = ScaleParam(P[2], -255, 255);
  const int reg1 = ScaleParam(P[3], 0, 4), reg2 = ScaleParam(P[4], 0, 4), reg3 = ScaleParam(P[5], 0, 4);

  const CFixedLerp upperHalf(-511, 0, 255, 0), lowerHalf(1, 512, 0, 255);

  int32_t r[4] = {0, 0, 0, 0};
  for (int32_t y = 0; y < h; ++y) {
    uint8_t* px = f.Row(y);
    const int32_t dy = y - halfH, ys = (y * 255) / h;
    const CFixedLerp& shade = y < halfH ? upperHalf : lowerHalf;
    for (int32_t x = 0; x < w; ++x, px += 4) {
      const int32_t dx = x - halfW;
      const int32_t A = CenterAngle(dx, dy), D = CenterDist(dx, dy);
      const int32_t d = (D * 255) / w, xs = (x * 255) / w;
      r[0] = d - xs;
      r[1] = d - ys;
      r[2] = xs - ys;
      r[3] = shade(A);
      WriteChannel(px, order.first, std::abs(base1 + r[reg1]));
      WriteChannel(px, order.second, std::abs(base2 + r[reg2]));
      WriteChannel(px, order.third, std::abs(base3 + r[reg3]));
    }
  }
  for (int i = 0; i < 4; ++i) f.r[i] = r[i];
}

}  // namespace tessel::mutaflux
