// Genes 2 and 12: the directions of the pixel seen from the four corners,
//   R0 = Angle(x, y);  R1 = Angle(x, h - y);  R2 = Angle(w - x, y);  R3 = Angle(w - x, h - y)
// and for colours i = 0, 1, 2: R5 = R[S(3+i, 0, 4)]; v = 255 - R5 when P6 < 128, else R5;
// colour = S(i, -128, 128) + v.
// Only the corners the parameters pick are measured per pixel (at most three of the
// four arctangents); the registers are completed from the last pixel at the end.
#include "mutaflux/mutaflux_genes.h"

namespace tessel::mutaflux {

namespace {
void CornerAngles(int32_t x, int32_t y, int32_t w, int32_t h, const bool* need, int32_t* r) {
  if (need[0]) r[0] = Angle(x, y);
  if (need[1]) r[1] = Angle(x, h - y);
  if (need[2]) r[2] = Angle(w - x, y);
  if (need[3]) r[3] = Angle(w - x, h - y);
}
}  // namespace

void RunGene2(const CGeneFrame& f, CChannelOrder order) {
  const int* P = f.p;
  const int32_t w = f.width, h = f.height;
  const int reg[3] = {ScaleParam(P[3], 0, 4), ScaleParam(P[4], 0, 4), ScaleParam(P[5], 0, 4)};
  const int32_t base[3] = {ScaleParam(P[0], -128, 128), ScaleParam(P[1], -128, 128), ScaleParam(P[2], -128, 128)};
  // v = 255 - R5 or R5: colour = base + sign · R5 + offset.
  const bool invert = P[6] < 128;
  const int32_t sign = invert ? -1 : 1, offset = invert ? 255 : 0;
  bool need[4] = {false, false, false, false};
  for (int i : reg) need[i] = true;

  int32_t r[4] = {0, 0, 0, 0};
  for (int32_t y = 0; y < h; ++y) {
    uint8_t* px = f.Row(y);
    for (int32_t x = 0; x < w; ++x, px += 4) {
      CornerAngles(x, y, w, h, need, r);
      WriteChannel(px, order.first, base[0] + offset + sign * r[reg[0]]);
      WriteChannel(px, order.second, base[1] + offset + sign * r[reg[1]]);
      WriteChannel(px, order.third, base[2] + offset + sign * r[reg[2]]);
    }
  }
  const bool all[4] = {true, true, true, true};
  CornerAngles(w - 1, h - 1, w, h, all, r);
  for (int i = 0; i < 4; ++i) f.r[i] = r[i];
  f.r[5] = r[reg[2]];
}

}  // namespace tessel::mutaflux
