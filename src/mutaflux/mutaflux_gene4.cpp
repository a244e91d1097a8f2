// Genes 4, 5 and 6: two spirals around the centre, mixed into the channels. With A the
// centre angle and D the centre distance:
//   R0 = (Sin512(Mod1024((S(3,-8,8)·D + A) · S(0,1,24))) + 512) / 4
//   R1 = (Sin512(Mod1024((S(4,-8,8)·D + A) · S(1,1,24))) + 512) / 4
//   mx = max, mn = min, up = R1 - R0, down = R0 - R1; bit(n) tests bit n of P2.
// Gene 4: red   = Lerp(P5, 64, 192, bit(128) ? mn : down, bit(16) ? mx : up)
//         green = Lerp(P6, 64, 192, bit(64) ? mn : down, bit(8) ? mx : up)
//         blue  = Lerp(P7, 64, 192, bit(32) ? mn : down, bit(4) ? mx : up)
// Gene 5: red as gene 4; green = bit(64) ? Lerp(P6, 64, 192, mn, mx) : P6·|down| / 128,
//         blue = bit(32) ? Lerp(P7, 64, 192, mn, mx) : P7·|down| / 128
// Gene 6: red = bit(128) ? Lerp(P5, 64, 192, mn, mx) : Sin512(R1·R0 / (P5 + 32)) / 2,
//         green and blue as gene 5.
// The gene is a template argument and the bits of P2 are read once, so the loop holds
// no choice that changes from pixel to pixel.
#include "mutaflux/mutaflux_genes.h"
#include "mutaflux/mutaflux_trig.h"

namespace tessel::mutaflux {

namespace {

// The two values a channel's Lerp runs between, picked once from mn, down, mx and up.
enum : int { kMin = 0, kDown = 1, kMax = 2, kUp = 3 };

template <int kGene>
void RunSpirals(const CGeneFrame& f) {
  const int* P = f.p;
  const CStepTrig trig = CStepTrig::Get();
  const int32_t w = f.width, h = f.height, halfW = w / 2, halfH = h / 2;
  const int32_t tight0 = ScaleParam(P[3], -8, 8), turns0 = ScaleParam(P[0], 1, 24);
  const int32_t tight1 = ScaleParam(P[4], -8, 8), turns1 = ScaleParam(P[1], 1, 24);
  const int P2 = P[2], P5 = P[5], P6 = P[6], P7 = P[7];
  auto bit = [P2](int n) { return (P2 & n) != 0; };
  // The end points of each channel's Lerp. Gene 4 picks both ends by bits of P2; genes 5
  // and 6 lerp green and blue from mn to mx, gene 5 takes gene 4's red, and gene 6 lerps
  // red only when bit 128 is set (so its lower end is mn) and up to mx.
  const int redLo = bit(128) ? kMin : kDown, redHi = (kGene == 6 || bit(16)) ? kMax : kUp;
  const int greenLo = (kGene != 4 || bit(64)) ? kMin : kDown, greenHi = (kGene != 4 || bit(8)) ? kMax : kUp;
  const int blueLo = (kGene != 4 || bit(32)) ? kMin : kDown, blueHi = (kGene != 4 || bit(4)) ? kMax : kUp;
  const bool greenLerp = kGene == 4 || bit(64), blueLerp = kGene == 4 || bit(32);
  const bool redSine = kGene == 6 && !bit(128);

  int32_t r0 = 0, r1 = 0;
  for (int32_t y = 0; y < h; ++y) {
    uint8_t* px = f.Row(y);
    const int32_t dy = y - halfH;
    for (int32_t x = 0; x < w; ++x, px += 4) {
      const int32_t dx = x - halfW;
      const int32_t A = CenterAngle(dx, dy), D = CenterDist(dx, dy);
      r0 = (trig.Sin512(Mod1024((tight0 * D + A) * turns0)) + 512) / 4;
      r1 = (trig.Sin512(Mod1024((tight1 * D + A) * turns1)) + 512) / 4;
      const int32_t down = r0 - r1;
      const int32_t v[4] = {Min(r0, r1), down, Max(r0, r1), r1 - r0};
      const int32_t absDown = down < 0 ? -down : down;
      WriteChannel(px, kRed,
                   redSine ? trig.Sin512((r1 * r0) / (P5 + 32)) / 2 : Lerp(P5, 64, 192, v[redLo], v[redHi]));
      WriteChannel(px, kGreen, greenLerp ? Lerp(P6, 64, 192, v[greenLo], v[greenHi]) : (P6 * absDown) / 128);
      WriteChannel(px, kBlue, blueLerp ? Lerp(P7, 64, 192, v[blueLo], v[blueHi]) : (P7 * absDown) / 128);
    }
  }
  f.r[0] = r0;
  f.r[1] = r1;
}

}  // namespace

void RunGene4(const CGeneFrame& f, int gene) {
  if (gene == 4) return RunSpirals<4>(f);
  if (gene == 5) return RunSpirals<5>(f);
  RunSpirals<6>(f);
}

}  // namespace tessel::mutaflux
