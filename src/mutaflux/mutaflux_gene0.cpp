// Genes 0, 10 and 11. Per pixel, with A the centre angle, D the centre distance and H
// the half diagonal:
//   R22 = S(6,0,2000) + A when 90 < P6 < 181, else 0
//   R23 = Hyp(S(3,-500,500) + R13, R14) when P6 < 181, else |S(3,0,1012) + R13 - R14|
//   R5  = CosX(max(R3,R4), |R3 - S(5,0,333) - R4|);  R6 = SinY(|R3 - S(4,30,255) - R4|, R23)
//   R7  = Angle(R5,R6);  R8 = |R5-R6| / 2;  R9 = SinY(R7,R8) / 5
//   R10 = 2·Angle(R7,R8);  R11 = |R7-R8|
//   first  = ||R10 - S(7,0,225) - R11| - S(7,-60,0) - R9|
//   R15 = Cos512(S(1,10,512)·A·14 / 1024);  R13 = Cos512(S(0,-180,-3600)·D / H + R22)
//   R14 = S(2, R15/4, 3·R15)
//   second = ||R10 - S(7,-25,80) - R11| - S(7,30,-65) - R9|
//   third  = ||R10 - S(7,150,-70) - R11| - R9|
// R13 and R14 feed the next pixel's R23, so the pattern flows along the rows.
//
// Gene 0 never writes R3 and R4; they stay at the 0 Generate cleared them to, which
// makes R5 and the angle of R6 the same for every pixel. Then R7 to R11 and the three
// colours depend on R6 alone, and R6 stays within a few thousand of h/2 (|R23| is at
// most 1012 + 512 + 1536): the colours are worked out once for each value of R6 met
// and kept in a table.
#include <vector>

#include "mutaflux/mutaflux_genes.h"
#include "mutaflux/mutaflux_trig.h"

namespace tessel::mutaflux {

namespace {

// R7 to R11 and the three colours, which follow from R6.
struct CFromR6 {
  int32_t r7, r8, r9, r10, r11;
  int32_t first, second, third;
};

// Clamped colours of one value of R6, packed as bytes 0..2, with bit 24 set once known.
constexpr uint32_t kKnown = 1u << 24;
// R6 - h/2 within ±kMemoReach is kept; the bound above leaves a margin.
constexpr int32_t kMemoReach = 3200;

}  // namespace

void RunGene0(const CGeneFrame& f, CChannelOrder order) {
  const int* P = f.p;
  const CStepTrig trig = CStepTrig::Get();
  int32_t* R = f.r;
  const int32_t w = f.width, h = f.height, halfW = w / 2, halfH = h / 2;
  const int32_t H = HalfDiag(w, h);

  const bool angleOffset = 90 < P[6] && P[6] < 181;
  const bool hypotenuse = P[6] < 181;
  const int32_t s6 = ScaleParam(P[6], 0, 2000);
  const int32_t s3Hyp = ScaleParam(P[3], -500, 500), s3Abs = ScaleParam(P[3], 0, 1012);
  const int32_t s1 = ScaleParam(P[1], 10, 512), s0 = ScaleParam(P[0], -180, -3600);
  const int32_t s7a = ScaleParam(P[7], 0, 225), s7b = ScaleParam(P[7], -60, 0);
  const int32_t s7c = ScaleParam(P[7], -25, 80), s7d = ScaleParam(P[7], 30, -65);
  const int32_t s7e = ScaleParam(P[7], 150, -70);

  const int32_t r3 = R[3], r4 = R[4];
  const int32_t r5 = CosX(Max(r3, r4), AbsDiff(r3, ScaleParam(P[5], 0, 333) + r4), halfW);
  const double sin6 = trig.Sin(AbsDiff(r3, ScaleParam(P[4], 30, 255) + r4));

  auto fromR6 = [&](int32_t r6) {
    CFromR6 v;
    v.r7 = Angle(r5, r6);
    v.r8 = AbsDiff(r5, r6) / 2;
    v.r9 = trig.SinY(v.r7, v.r8, halfH) / 5;
    v.r10 = Angle(v.r7, v.r8) * 2;
    v.r11 = AbsDiff(v.r7, v.r8);
    v.first = AbsDiff(AbsDiff(v.r10, s7a + v.r11), s7b + v.r9);
    v.second = AbsDiff(AbsDiff(v.r10, s7c + v.r11), s7d + v.r9);
    v.third = AbsDiff(AbsDiff(v.r10, s7e + v.r11), v.r9);
    return v;
  };
  auto pack = [](const CFromR6& v) {
    return kKnown | uint32_t(ClampChannel(v.first)) | uint32_t(ClampChannel(v.second)) << 8 |
           uint32_t(ClampChannel(v.third)) << 16;
  };
  std::vector<uint32_t> memo(size_t(2 * kMemoReach + 1), 0);

  int32_t r6 = 0, r13 = R[13], r14 = R[14], r15 = 0, r22 = 0, r23 = 0;
  for (int32_t y = 0; y < h; ++y) {
    uint8_t* px = f.Row(y);
    const int32_t dy = y - halfH;
    for (int32_t x = 0; x < w; ++x, px += 4) {
      const int32_t dx = x - halfW;
      const int32_t A = CenterAngle(dx, dy), D = CenterDist(dx, dy);
      r22 = angleOffset ? s6 + A : 0;
      r23 = hypotenuse ? Hyp(s3Hyp + r13, r14) : AbsDiff(s3Abs + r13, r14);
      r6 = TruncToInt(sin6 * r23 + halfH);
      const int64_t slot = int64_t(r6) - halfH + kMemoReach;
      uint32_t colours;
      if (slot >= 0 && slot <= 2 * kMemoReach) {
        uint32_t& kept = memo[size_t(slot)];
        if (!kept) kept = pack(fromR6(r6));
        colours = kept;
      } else {
        colours = pack(fromR6(r6));
      }
      px[order.first] = uint8_t(colours);
      px[order.second] = uint8_t(colours >> 8);
      px[order.third] = uint8_t(colours >> 16);
      r15 = trig.Cos512((s1 * A * 14) / 1024);
      r13 = trig.Cos512(DivOrZero(s0 * D, H) + r22);
      r14 = ScaleParam(P[2], r15 / 4, r15 * 3);
    }
  }
  const CFromR6 last = fromR6(r6);
  R[5] = r5, R[6] = r6, R[7] = last.r7, R[8] = last.r8, R[9] = last.r9, R[10] = last.r10, R[11] = last.r11;
  R[13] = r13, R[14] = r14, R[15] = r15, R[22] = r22, R[23] = r23;
}

}  // namespace tessel::mutaflux
