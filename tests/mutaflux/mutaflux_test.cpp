// Mutaflux: the building blocks, parameter packing, hand-worked pixels of every gene,
// the register carried from pixel to pixel, tiny buffers, and the fast kernels against
// the plain reference.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "base/dib_section.h"
#include "mutaflux/mutaflux_fill.h"
#include "mutaflux/mutaflux_generator.h"
#include "mutaflux/mutaflux_math.h"
#include "mutaflux/mutaflux_trig.h"

namespace tessel {
namespace {

using namespace mutaflux;
using Params = std::array<int, 8>;
using Bgr = std::array<int, 3>;  // blue, green, red bytes of a pixel

// A generated buffer; alpha starts at 77 so that a write to it shows.
struct CRun {
  int width;
  std::vector<uint8_t> bytes;
  MutafluxGenerator gen;
  Bgr At(int x, int y) const {
    const uint8_t* p = &bytes[(size_t(width) * y + x) * 4];
    return {p[0], p[1], p[2]};
  }
};

CRun Pattern(int gene, int w, int h, const Params& p, bool reference = false) {
  CRun r{w, std::vector<uint8_t>(size_t(w) * h * 4, 77), {}};
  for (int k = 0; k < 8; ++k) r.gen.SetParam(k, p[k]);
  r.gen.SetTarget(r.bytes.data(), w, h);
  r.gen.SetGene(gene);
  reference ? r.gen.GenerateReference() : r.gen.Generate();
  return r;
}

const Params kZero{};

TEST(MutafluxMath, BuildingBlocksTruncateAndClampAsWritten) {
  EXPECT_EQ(ScaleParam(64, -255, 255), -127);  // 64·510/256 - 255 = -127.5 → toward zero
  EXPECT_EQ(ScaleParam(255, 0, 4), 3);         // 255·4/256 = 3.98
  EXPECT_EQ(ScaleParam(255, 30, -65), -64);    // 255·(-95)/256 + 30 = -64.6
  EXPECT_EQ(ScaleParam(0, -180, -3600), -180);
  EXPECT_EQ(Sin512(256), 512);
  EXPECT_EQ(Sin512(128), 362);  // 512·sin(π/4) = 362.04
  EXPECT_EQ(Sin512(-128), -362);
  EXPECT_EQ(Sin512(512), 0);    // sin(π) is 1.2e-16, not 0, and truncates to 0
  EXPECT_EQ(Cos512(512), -512);
  EXPECT_EQ(CosX(0, 10, 3), 13);
  EXPECT_EQ(SinY(256, -7, 2), -5);
  EXPECT_EQ(Angle(0, 0), 0);
  EXPECT_EQ(Angle(-1, 0), 512);   // π · 1024/2π = 512.00000001
  EXPECT_EQ(Angle(0, -4), -256);
  EXPECT_EQ(Angle(3, 1), 52);     // atan(1/3) = 0.3218 rad = 52.4 steps
  EXPECT_EQ(Hyp(-270, 116), 293);  // sqrt(86356) = 293.9
  EXPECT_EQ(Hyp(40000, 40000), INT32_MIN);  // 3.2e9 wraps negative in 32 bits: no root
  EXPECT_EQ(Lerp(5, 3, 3, 1, 9), 9);        // t1 = t0 gives y1
  EXPECT_EQ(Lerp(-384, -511, 0, 255, 0), 191);  // -255/511·127 + 255 = 191.6
  EXPECT_EQ(Lerp(-1, 1, 512, 0, 255), 0);       // -0.998 truncates to 0
  EXPECT_EQ(Fold(255), 255);
  EXPECT_EQ(Fold(256), 255);   // bit 8 set: 511 - 256
  EXPECT_EQ(Fold(600), 88);    // 0x258: bit 8 clear, 0x58
  EXPECT_EQ(Fold(800), 223);   // 0x320: bit 8 set, 511 - 0x120
  EXPECT_EQ(Fold(-255), 254);  // 0x...FF01: bit 8 set, 511 - 257
  EXPECT_EQ(Fold(-128), 127);  // 0x...FF80: bit 8 set, 511 - 384
  EXPECT_EQ(Mod1024(-1500), -476);
  EXPECT_EQ(Mod1024(2050), 2);
  EXPECT_EQ(CenterDist(-2, -2), 2);
  EXPECT_EQ(HalfDiag(1, 1), 0);
  EXPECT_EQ(HalfDiag(4, 3), 2);
  EXPECT_EQ(DivOrZero(-7, 2), -3);
  EXPECT_EQ(DivOrZero(5, 0), 0);
  EXPECT_EQ(TruncToInt(std::nan("")), INT32_MIN);
  EXPECT_EQ(TruncToInt(-2.9), -2);
}

TEST(MutafluxMath, TableAndFixedLerpEqualThePlainForms) {
  const CStepTrig trig = CStepTrig::Get();
  for (int32_t a = -CStepTrig::kReach - 300; a <= CStepTrig::kReach + 300; ++a) {
    ASSERT_EQ(trig.Sin(a), std::sin(a * kStepToRadians)) << a;
    ASSERT_EQ(trig.Cos(a), std::cos(a * kStepToRadians)) << a;
    ASSERT_EQ(trig.Sin512(a), Sin512(a)) << a;
    ASSERT_EQ(trig.Cos512(a), Cos512(a)) << a;
    ASSERT_EQ(trig.CosX(a, 333, 7), CosX(a, 333, 7)) << a;
    ASSERT_EQ(trig.SinY(a, -1201, 50), SinY(a, -1201, 50)) << a;
  }
  const int32_t ends[] = {-511, -17, 0, 1, 64, 255, 512};
  for (int32_t t0 : ends)
    for (int32_t t1 : ends)
      for (int32_t y1 : ends) {
        const CFixedLerp lerp(t0, t1, 5, y1);
        for (int32_t t = -600; t <= 600; t += 7) ASSERT_EQ(lerp(t), Lerp(t, t0, t1, 5, y1)) << t0 << " " << t1;
      }
}

TEST(MutafluxGenerator, ParametersPackClampAndIgnoreStrayIndices) {
  MutafluxGenerator gen;
  // Bits 24-31 of every word and the gene byte of C play no part.
  gen.SetParams(0xFF332211u, 0xEE665544u, 0xDDAA8877u);
  for (int k = 0; k < 8; ++k) EXPECT_EQ(gen.GetParam(k), 0x11 * (k + 1)) << k;
  const CMutafluxWords w = gen.Words(9);
  EXPECT_EQ(w.a, 0x00332211u);
  EXPECT_EQ(w.b, 0x00665544u);
  EXPECT_EQ(w.c, 0x00098877u);
  EXPECT_EQ(MutafluxLibraryGene(w.c), 9);

  gen.SetParam(0, -5);
  gen.SetParam(1, 300);
  gen.SetParam(2, 255);
  gen.SetParam(8, 1);
  gen.SetParam(-1, 1);
  EXPECT_EQ(gen.GetParam(0), 0);
  EXPECT_EQ(gen.GetParam(1), 255);
  EXPECT_EQ(gen.GetParam(2), 255);
  EXPECT_EQ(gen.GetParam(3), 0x44);
  EXPECT_EQ(gen.GetParam(8), 0);
  EXPECT_EQ(gen.GetParam(-1), 0);

  gen.SetGene(-7);
  EXPECT_EQ(gen.Gene(), 0);
  gen.SetGene(200);
  EXPECT_EQ(gen.Gene(), 200);
}

TEST(MutafluxGenerator, GeneNumbersOutsideZeroToThirteenUseGeneZero) {
  const Params p{40, 200, 7, 90, 13, 255, 120, 66};
  const auto zero = Pattern(0, 9, 6, p).bytes;
  for (int gene : {-1, -100000, 14, 99, INT32_MAX}) EXPECT_EQ(Pattern(gene, 9, 6, p).bytes, zero) << gene;
  EXPECT_NE(Pattern(13, 9, 6, p).bytes, zero);
}

TEST(MutafluxGenerator, AlphaIsNeverWrittenAndNoBufferMeansNothingHappens) {
  for (int gene = 0; gene < 14; ++gene) {
    const CRun r = Pattern(gene, 11, 7, {200, 3, 255, 91, 180, 0, 181, 127});
    for (size_t i = 3; i < r.bytes.size(); i += 4) ASSERT_EQ(r.bytes[i], 77) << gene;
  }
  MutafluxGenerator gen;
  gen.Generate();  // no target: returns at once
  uint8_t untouched[4] = {1, 2, 3, 4};
  gen.SetTarget(untouched, 0, 1);
  gen.Generate();
  EXPECT_EQ(untouched[0], 1);
}

TEST(MutafluxGene0, RegistersFlowFromPixelToPixel) {
  // 2 × 1, all parameters 0: w/2 = 1, h/2 = 0, H = trunc(sqrt(5)/2) = 1; S(3,-500,500) = -500,
  // S(4,30,255) = 30, sin(30 steps) = 0.18304; S(7,..) = 0, -60, -25, 30, 150.
  CRun r = Pattern(0, 2, 1, kZero);
  // Pixel (0,0), A = Angle(-1,0) = 512, D = 1, R13 = R14 = 0 at the start:
  //   R23 = Hyp(-500, 0) = 500; R5 = CosX(0, 0) = w/2 = 1; R6 = trunc(0.18304·500) = 91;
  //   R7 = Angle(1, 91) = 254; R8 = 45; R9 = trunc(sin(254 steps)·45)/5 = 44/5 = 8;
  //   R10 = 2·Angle(254, 45) = 2·28 = 56; R11 = 209;
  //   blue = ||56 - 209| + 60 - 8| = 205; green = ||56 + 25 - 209| - 38| = 90; red = |56 - 359| - 8 = 295 → 255.
  //   Then R15 = Cos512(10·512·14/1024 = 70) = 465, R13 = Cos512(-180·1/1) = 230, R14 = S(2, 116, 1395) = 116.
  EXPECT_EQ(r.At(0, 0), (Bgr{205, 90, 255}));
  // Pixel (1,0) is the centre (A = D = 0) and sees R13 = 230, R14 = 116:
  //   R23 = Hyp(-270, 116) = 293; R6 = trunc(0.18304·293) = 53; R7 = Angle(1, 53) = 252; R8 = 26;
  //   R9 = trunc(sin(252 steps)·26)/5 = 25/5 = 5; R10 = 2·Angle(252, 26) = 2·16 = 32; R11 = 226;
  //   blue = |194 + 55| = 249; green = |169 - 35| = 134; red = |32 - 376| - 5 = 339 → 255.
  EXPECT_EQ(r.At(1, 0), (Bgr{249, 134, 255}));
  // The last pixel leaves R15 = Cos512(0) = 512, R13 = Cos512(0) = 512, R14 = S(2, 128, 1536) = 128.
  EXPECT_EQ(r.gen.Register(13), 512);
  EXPECT_EQ(r.gen.Register(14), 128);
  EXPECT_EQ(r.gen.Register(23), 293);
  EXPECT_EQ(r.gen.Register(3), 0);
  EXPECT_EQ(r.gen.Register(256), 0);
  // A second run clears the registers first, so pixel (0,0) is the same again.
  r.gen.Generate();
  EXPECT_EQ(r.At(0, 0), (Bgr{205, 90, 255}));

  // P6 = 200: R23 = |S(3,0,1012) + R13 - R14|. At (0,0) it is 0, so R6 = 0, R7 = Angle(1,0) = 0,
  // R8 = 0, R9 = 0, R10 = 2·Angle(0,0) = 0, R11 = 0: blue = |0 + 60| = 60, green = |25 - 30| = 5,
  // red = 150. At (1,0): R23 = |230 - 116| = 114, R6 = 20, R7 = Angle(1,20) = 247, R8 = 9, R9 = 8/5 = 1,
  // R10 = 2·Angle(247,9) = 10, R11 = 238: blue = 228 + 59 → 255, green = |203 - 31| = 172, red = 377 → 255.
  r = Pattern(0, 2, 1, {0, 0, 0, 0, 0, 0, 200, 0});
  EXPECT_EQ(r.At(0, 0), (Bgr{60, 5, 150}));
  EXPECT_EQ(r.At(1, 0), (Bgr{255, 172, 255}));
  // P6 = 100 adds R22 = S(6,0,2000) + A = 781 + 512 to the angle of R13: at (0,0) R13 = Cos512(1113) = 437,
  // so at (1,0) R23 = Hyp(-63, 116) = 132, R6 = 24, R7 = 249, R8 = 11, R9 = 2, R10 = 14, R11 = 238:
  // blue = 224 + 58 → 255, green = |199 - 32| = 167, red = 372 → 255.
  r = Pattern(0, 2, 1, {0, 0, 0, 0, 0, 0, 100, 0});
  EXPECT_EQ(r.At(1, 0), (Bgr{255, 167, 255}));
  EXPECT_EQ(r.gen.Register(22), 781);
}

TEST(MutafluxGene1, CentreAndEdgeDistances) {
  // 4 × 4, P0..P2 = 128 (S(k,-255,255) = 0), register indices S(3..5,0,4) = 1, 2, 3.
  const Params p{128, 128, 128, 64, 128, 192, 0, 0};
  // (0,0): A = Angle(-2,-2) = -384, D = 2; d = 2·255/4 = 127, xs = ys = 0 → R0 = 127, R1 = 127, R2 = 0;
  // upper half: R3 = Lerp(-384, -511, 0, 255, 0) = 191. Colours R1, R2, R3 = 127, 0, 191.
  EXPECT_EQ(Pattern(1, 4, 4, p).At(0, 0), (Bgr{191, 0, 127}));  // gene 1: red, green, blue
  EXPECT_EQ(Pattern(8, 4, 4, p).At(0, 0), (Bgr{127, 0, 191}));  // gene 8: blue, green, red
  EXPECT_EQ(Pattern(13, 4, 4, p).At(0, 0), (Bgr{0, 191, 127}));  // gene 13: red, blue, green
  // (1,3): A = Angle(-1,1) = 384, D = 1; d = 63, xs = 63, ys = 191 → R1 = -128, R2 = -128;
  // lower half: R3 = Lerp(384, 1, 512, 0, 255) = trunc(255/511·383) = 191. Colours 128, 128, 191.
  EXPECT_EQ(Pattern(1, 4, 4, p).At(1, 3), (Bgr{191, 128, 128}));
  // With P3..P5 = 0 every colour reads R0: (3,1) has d = 63, xs = 191, so |R0| = 128 in all three.
  EXPECT_EQ(Pattern(1, 4, 4, {128, 128, 128, 0, 0, 0, 0, 0}).At(3, 1), (Bgr{128, 128, 128}));
}

TEST(MutafluxGene2, DirectionsFromTheCorners) {
  // 4 × 4 at (1,1): R0 = Angle(1,1) = 128, R1 = Angle(1,3) = 203, R2 = Angle(3,1) = 52,
  // R3 = Angle(3,3) = 128. Indices 1, 2, 3; S(j,-128,128) = 0 for P = 128.
  Params p{128, 128, 128, 64, 128, 192, 200, 0};
  EXPECT_EQ(Pattern(2, 4, 4, p).At(1, 1), (Bgr{128, 52, 203}));   // P6 ≥ 128: red 203, green 52, blue 128
  EXPECT_EQ(Pattern(12, 4, 4, p).At(1, 1), (Bgr{203, 52, 128}));  // gene 12 swaps red and blue
  p[6] = 127;                                                    // P6 < 128: 255 - R5
  EXPECT_EQ(Pattern(2, 4, 4, p).At(1, 1), (Bgr{127, 203, 52}));
}

TEST(MutafluxGene3, CrossedWavesFold) {
  // 4 × 3: H = trunc(5/2) = 2. P0 = 16 and P1..P3 = 0: a = 512, c = 512, Sin512(c) = Sin512(512) = 0,
  // b = Sin512(512 + 16·x·32/2) = Sin512(512 + 256x), so R1 = 32·b. S(4,-255,255) = 0 for P4 = 128.
  const CRun r = Pattern(3, 4, 3, {16, 0, 0, 0, 128, 255, 128, 0});
  EXPECT_EQ(r.At(0, 1), (Bgr{0, 0, 0}));      // b = Sin512(512) = 0
  // x = 1: b = Sin512(768) = -512, R1 = -16384; red: -16384·255/128/128 = -255 → Fold = 511 - 257 = 254;
  // green: -16384·128/128/128 = -128 → Fold = 511 - 384 = 127; blue: 0.
  EXPECT_EQ(r.At(1, 1), (Bgr{0, 127, 254}));
  EXPECT_EQ(r.At(2, 1), (Bgr{0, 0, 0}));      // Sin512(1024) = trunc(-1.2e-13) = 0
  EXPECT_EQ(r.At(3, 1), (Bgr{0, 128, 255}));  // Sin512(1280) = 512: R0 = 255 and 128, folded unchanged
}

TEST(MutafluxGene4, SpiralsMixedByTheBitsOfP2) {
  // 5 × 5 at (4,2): A = 0, D = 2. S(3,-8,8) = 4 (P3 = 192), S(0,1,24) = 1, S(4,-8,8) = 0 (P4 = 128):
  // R0 = (Sin512(8) + 512)/4 = (25 + 512)/4 = 134, R1 = (0 + 512)/4 = 128;
  // mn = 128, mx = 134, up = -6, down = 6. P5 = 192 takes Lerp's upper end, P6 = 64 its lower, P7 = 128 the middle.
  auto at = [](int gene, int p2) { return Pattern(gene, 5, 5, {0, 0, p2, 192, 128, 192, 64, 128}).At(4, 2); };
  // P2 = 140 (bits 128, 8, 4):
  EXPECT_EQ(at(4, 140), (Bgr{70, 6, 0}));   // red = up = -6 → 0; green = down = 6; blue = (6 + 134)/2 = 70
  EXPECT_EQ(at(5, 140), (Bgr{6, 3, 0}));    // green = 64·6/128 = 3, blue = 128·6/128 = 6
  EXPECT_EQ(at(6, 140), (Bgr{6, 3, 134}));  // bit 128: red = Lerp(192, 64, 192, 128, 134) = 134
  // P2 = 0, gene 6: red = Sin512(128·134/(192 + 32) = 76)/2 = 230/2 = 115.
  EXPECT_EQ(at(6, 0), (Bgr{6, 3, 115}));
  // P2 = 255: every channel lerps mn..mx: 134, 128, and 128 + 6·64/128 = 131.
  for (int gene : {4, 5, 6}) EXPECT_EQ(at(gene, 255), (Bgr{131, 128, 134})) << gene;
}

TEST(MutafluxGene7, RingsAndWavesUseUnclampedColours) {
  // 4 × 4 centre (2,2), P2 = P3 = 128, others 0: A = D = 0, H = 2, xp = yp = 50, rd = 0;
  // S(2,0,1024) = S(3,0,1024) = 512, S(3,0,100) = 50, S(4,..) = 0 or -10, S(0,-10,4) = -10, S(1,..) = -32, -4.
  //   Q = (0 + Sin512(50)) - Cos512(50) = 154 - 488 = -334; r1 = -50 + Sin512(0) = -50
  //   SY1 = SinY(-Sin512(-1600) - Cos512(-200), -50 - Cos512(-500)) = SinY(-195 - 172, 460) = -355
  //   CX1 = CosX(trunc(-sin(-500 rad) - 172) = -172, -334) = -162
  //   red = Lerp(193, -512, 512, 0, 255) = 175; green = Lerp(-223 - 261, -512, 512, 0, 255) = 6
  //   CX3 = CosX(4·175 + 37 - 172, -334) = 318, SY3 = SinY(4·6 - 195 - 172, -334) = 289 → blue = Lerp(29, ..) = 134
  EXPECT_EQ(Pattern(7, 4, 4, {0, 0, 128, 128, 0, 0, 0, 0}).At(2, 2), (Bgr{134, 6, 175}));
  // With P = 128, 128, 64, 32, 40: green comes out -106, is written as 0, and enters SY3 as 4·(-106).
  EXPECT_EQ(Pattern(7, 4, 4, {128, 128, 64, 32, 40, 0, 0, 0}).At(2, 2), (Bgr{37, 0, 116}));
}

TEST(MutafluxGene9, NestedSinesAndOnePixelWideBuffers) {
  // 3 × 2, k = S(0,2,255) = 2, S(1..3,1,255) = 254 for P = 255; colour = trunc(254/255 · t).
  const Params p{0, 255, 255, 255, 0, 0, 0, 0};
  const CRun r = Pattern(9, 3, 2, p);
  // (0,0): u = v = -511. blue: Sin512(Sin512(-43) - Sin512(-155)) = Sin512(-133 + 416) = 504, /2 = 252 → 251;
  // green: Sin512(-133 - Sin512(-81)) = Sin512(111) = 322 → 161 → 160; red: Sin512(-207 + 366) = 423 → 211 → 210.
  EXPECT_EQ(r.At(0, 0), (Bgr{251, 160, 210}));
  // (1,0): u = trunc(1023/2 - 511) = 0: blue Sin512(-50 + 160) = 319 → 159 → 158; green Sin512(-50 + 87) = 115
  // → 57 → 56; red Sin512(109 + 233) = 442 → 221 → 220.
  EXPECT_EQ(r.At(1, 0), (Bgr{158, 56, 220}));
  // One column wide: Lerp(x, 0, 0, -511, 512) is 512, so the column equals the last column of a wider buffer.
  const CRun narrow = Pattern(9, 1, 2, p);
  for (int y = 0; y < 2; ++y) EXPECT_EQ(narrow.At(0, y), r.At(2, y)) << y;
}

TEST(MutafluxGenerator, OnePixelBuffersOfEveryGene) {
  // A = D = 0 and the half diagonal is 0: quotients by it are taken as 0.
  const Params mixed{128, 128, 128, 64, 128, 192, 200, 255};
  const Params edges{0, 64, 255, 0, 0, 0, 0, 0};
  struct Case {
    int gene;
    Params p;
    Bgr bgr;
  };
  const Case cases[] = {
      // R23 = 500, R5 = 0, R6 = 91, R7 = Angle(0,91) = 256, R8 = 45, R9 = 9, R10 = 56, R11 = 211:
      // first = |155 + 51| = 206, second = |130 - 39| = 91, third = 296
      {0, kZero, {206, 91, 255}},
      {10, kZero, {255, 91, 206}},
      {11, kZero, {255, 206, 91}},
      // All registers 0 (R3 = Lerp(0, 1, 512, 0, 255) = trunc(-0.499) = 0): |S(k,-255,255)| = 255, 127, 253
      {1, edges, {253, 127, 255}},
      {8, edges, {255, 127, 253}},
      {13, edges, {127, 253, 255}},
      // R1 = Angle(0,1) = 256, R2 = Angle(1,0) = 0, R3 = Angle(1,1) = 128
      {2, mixed, {128, 0, 255}},
      {12, mixed, {255, 0, 128}},
      // a = Cos512(0) = 512, b = Sin512(512) = 0, R1 = 0, R0 = S(4,-255,255) = -255, Fold = 254
      {3, kZero, {254, 254, 254}},
      // R0 = R1 = 128: with bit 128 of P2 red = Lerp(192, 64, 192, 128, 128) = 128; |down| = 0 elsewhere
      {4, {0, 0, 255, 0, 0, 0, 0, 0}, {128, 128, 128}},
      {5, kZero, {0, 0, 0}},
      {6, mixed, {0, 0, 128}},
      // rd = 0, Q = 0 - 512; S(2,0,1024) = 0 makes every Lerp flat: 255
      {7, kZero, {255, 255, 255}},
      // u = v = 512, k = 2: t = 250, 162, 215 → trunc(254/255·t) = 249, 161, 214
      {9, {0, 255, 255, 255, 0, 0, 0, 0}, {249, 161, 214}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Pattern(c.gene, 1, 1, c.p).At(0, 0), c.bgr) << "gene " << c.gene;
    EXPECT_EQ(Pattern(c.gene, 1, 1, c.p, true).At(0, 0), c.bgr) << "reference gene " << c.gene;
  }
}

TEST(MutafluxGenerator, FastKernelsGiveTheReferenceBytes) {
  std::mt19937 rng(20240611);
  std::vector<Params> params = {kZero, {255, 255, 255, 255, 255, 255, 255, 255}, {90, 91, 127, 128, 180, 181, 90, 181}};
  for (int i = 0; i < 6; ++i) {
    Params p;
    for (int& v : p) v = int(rng() % 256);
    params.push_back(p);
  }
  const int sizes[][2] = {{1, 1}, {1, 6}, {6, 1}, {2, 2}, {13, 9}, {40, 23}};
  for (int gene : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 300})
    for (const Params& p : params)
      for (const auto& s : sizes) {
        SCOPED_TRACE(testing::Message() << "gene " << gene << " " << s[0] << "x" << s[1] << " P0 " << p[0]);
        const CRun fast = Pattern(gene, s[0], s[1], p), plain = Pattern(gene, s[0], s[1], p, true);
        ASSERT_EQ(fast.bytes, plain.bytes);
        for (int i = 0; i < MutafluxGenerator::kRegisterCount; ++i)
          ASSERT_EQ(fast.gen.Register(i), plain.gen.Register(i)) << "R" << i;
      }
  // Gene 3 on a wide buffer forms angles beyond the sine table (P0·x·32/H reaches 16800).
  const Params wide{255, 255, 255, 255, 100, 255, 200, 50};
  EXPECT_EQ(Pattern(3, 600, 2, wide).bytes, Pattern(3, 600, 2, wide, true).bytes);
}

TEST(MutafluxFill, FillsAnObjectBitmapRowForRow) {
  const CMutafluxWords words{0x00804020, 0x00C0A060, 0x0000FFE0};
  CDIBSection bmp;
  ASSERT_TRUE(bmp.Create(7, 3, 32));
  for (size_t i = 3; i < bmp.SizeBytes(); i += 4) bmp.Bits()[i] = 255;
  ASSERT_TRUE(FillMutaflux(bmp, 4, words));

  MutafluxGenerator gen;
  std::vector<uint8_t> plain(7 * 3 * 4, 255);
  gen.SetTarget(plain.data(), 7, 3);
  gen.SetParams(words);
  gen.SetGene(4);
  gen.Generate();
  // Memory row y of the bottom-up bitmap is the generator's row y.
  for (int y = 0; y < 3; ++y)
    EXPECT_TRUE(std::equal(plain.begin() + y * 28, plain.begin() + (y + 1) * 28, bmp.RowFromBottom(y))) << y;

  CDIBSection grey, empty;
  ASSERT_TRUE(grey.Create(4, 4, 24));
  EXPECT_FALSE(FillMutaflux(grey, 0, words));
  EXPECT_FALSE(FillMutaflux(empty, 0, words));
}

}  // namespace
}  // namespace tessel
