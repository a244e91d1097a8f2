#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "render/compositor.h"
#include "render/lens.h"
#include "render/lens_kernels.h"

namespace tessel {
namespace {

// A 20 × 20 canvas whose blue rises 8 a column and green 8 a row (from the top), so a
// bilinear sample of it is the same linear function: blue 8X + 40, green 8Y + 40, red 100.
constexpr int kCanvas = 20;
constexpr uint32_t kBackground = 0x00336699;  // blue 0x33, green 0x66, red 0x99

CDIBSection GradientCanvas() {
  CDIBSection c;
  c.Create(kCanvas, kCanvas, 32);
  for (int y = 0; y < kCanvas; ++y)
    for (int x = 0; x < kCanvas; ++x) {
      uint8_t* p = c.RowFromTop(y) + 4 * x;
      p[0] = uint8_t(8 * x + 40), p[1] = uint8_t(8 * y + 40), p[2] = 100, p[3] = 255;
    }
  return c;
}

// A 10 × 10 lens at (left, top) whose own picture is opaque (blue 200, green 10, red 60).
void MakeLens(CDrawObject& o, int effect, int d, double s, int left = 5, int top = 5) {
  o.m_effect = effect;
  o.m_effectParam1 = d;
  o.m_effectDistanceF = s;
  o.m_effectParam2 = 255;
  o.m_left = left, o.m_top = top, o.m_width = 10, o.m_height = 10;
  o.m_bitmap.Create(10, 10, 32);
  for (size_t i = 0; i < o.m_bitmap.SizeBytes(); i += 4) {
    uint8_t* p = o.m_bitmap.Bits() + i;
    p[0] = 200, p[1] = 10, p[2] = 60, p[3] = 255;
  }
}

// Blue, green, red of lens pixel (x, r), r counted up from the bottom row.
std::array<int, 3> At(const CDIBSection& work, int x, int r) {
  const uint8_t* p = work.RowFromBottom(r) + 4 * x;
  return {p[0], p[1], p[2]};
}
constexpr std::array<int, 3> kBg = {0x33, 0x66, 0x99};

std::array<int, 3> Lens(int effect, int d, double s, int x, int r, int left = 5, int top = 5) {
  CDrawObject o;
  MakeLens(o, effect, d, s, left, top);
  CDIBSection work;
  EXPECT_TRUE(DrawLens(GradientCanvas(), o, kCanvas, kCanvas, kBackground, work));
  return At(work, x, r);
}

// The box at (5, 5): its pixel (x, r) shows canvas blue 80 + 8x and green 152 − 8r.
TEST(Lens, ScaleMapLensesSampleWhereTheirCurveSays) {
  CAppContext app;
  // "Magnifying Lens" with d = 0 shows the canvas unchanged but for its rightmost
  // column and top row, whose neighbours lie beyond the source.
  EXPECT_EQ(Lens(11, 0, 2, 3, 4), (std::array<int, 3>{104, 120, 100}));
  EXPECT_EQ(Lens(11, 0, 2, 9, 4), kBg);
  EXPECT_EQ(Lens(11, 0, 2, 3, 9), kBg);
  // d = 15, S = 2 at (2, 2): ρ = 4, K = 1 − 0.5 · (1 − 4/√50), sx = sy = 2.6515.
  EXPECT_EQ(Lens(11, 15, 2, 2, 2), (std::array<int, 3>{101, 130, 100}));
  // d = 30, S = 0: K = 0 becomes 0.01, every pixel looks at the centre (sx = 4.95, 5.04).
  EXPECT_EQ(Lens(11, 30, 0, 0, 0), (std::array<int, 3>{119, 112, 100}));
  EXPECT_EQ(Lens(11, 30, 0, 9, 9), (std::array<int, 3>{120, 111, 100}));
  // "Concave Glass" d = 10: K = 1 − ρ/R.
  EXPECT_EQ(Lens(12, 10, 2, 2, 2), (std::array<int, 3>{109, 122, 100}));
  // "Upside Down" turns the area by half a turn; its leftmost column and bottom row
  // show the background.
  EXPECT_EQ(Lens(13, 0, 2, 3, 4), (std::array<int, 3>{128, 112, 100}));
  EXPECT_EQ(Lens(13, 0, 2, 0, 4), kBg);
  EXPECT_EQ(Lens(13, 0, 2, 4, 0), kBg);
  // "Crazy Sphere": the centre stays, (2, 2) pulls in (K = 0.5198).
  EXPECT_EQ(Lens(16, 0, 0, 5, 5), (std::array<int, 3>{120, 112, 100}));
  EXPECT_EQ(Lens(16, 0, 0, 2, 2), (std::array<int, 3>{107, 124, 100}));
  EXPECT_EQ(Lens(16, 4, 3, 7, 3), (std::array<int, 3>{128, 120, 100}));
}

TEST(Lens, FishEyeReadsTheWholeCanvas) {
  CAppContext app;
  // q = 5, b = (d + 1) · 0.5, K = 1.5 with S = 0: (1, 1) shows canvas (4, 4), outside the box.
  EXPECT_EQ(Lens(15, 0, 0, 1, 1), (std::array<int, 3>{72, 160, 100}));
  EXPECT_EQ(Lens(15, 0, 0, 9, 9), (std::array<int, 3>{168, 64, 100}));
  // A stronger fish-eye looks past the canvas edge and shows the background there.
  EXPECT_EQ(Lens(15, 3, 2, 2, 7), kBg);
}

TEST(Lens, ThickLensesTileTheAreaUnderThem) {
  CAppContext app;
  // Alpha 255 everywhere and S = 0 (no smoothing): "Thick Border" keeps K = 1 and wraps
  // the right neighbour of its last column instead of showing the background.
  EXPECT_EQ(Lens(17, 10, 0, 9, 9), (std::array<int, 3>{152, 80, 100}));
  // "Thick Center" d = 10: K = 1 − 0.25 · 2 = 0.5.
  EXPECT_EQ(Lens(18, 10, 0, 0, 0), (std::array<int, 3>{100, 132, 100}));
  // d = 60: K = −2, (9, 9) looks at −3, wrapped to 7.
  EXPECT_EQ(Lens(18, 60, 0, 9, 9), (std::array<int, 3>{136, 96, 100}));
  EXPECT_EQ(Lens(18, 60, 0, 0, 0), (std::array<int, 3>{120, 112, 100}));
}

TEST(Lens, RippleBendsAroundTheCentre) {
  CAppContext app;
  // A = 0: no wave, but positions on the source's first or last pixel show the background.
  EXPECT_EQ(Lens(14, 0, 1, 3, 4), (std::array<int, 3>{104, 120, 100}));
  EXPECT_EQ(Lens(14, 0, 1, 0, 4), kBg);
  EXPECT_EQ(Lens(14, 0, 1, 3, 9), kBg);
  // M = 7; A = 5, W = 1 at (2, 5): ρ = 3, t = 4, ρ′ = 5 · 4 · sin(16°) / 7 + 3.
  EXPECT_EQ(Lens(14, 5, 1, 2, 5)[0], 89);
  EXPECT_EQ(Lens(14, 5, 1, 2, 5)[1], 112);
  EXPECT_EQ(Lens(14, 8, 2, 3, 3)[0], 99);
  EXPECT_EQ(Lens(14, 8, 2, 3, 3)[1], 132);
}

TEST(Lens, VisibleCanvasTestAndMixing) {
  CAppContext app;
  // A magnifier whose box runs off the right edge: canvas column 19 (the last) shows the
  // background, unless the visible-canvas test is switched off.
  EXPECT_EQ(Lens(11, 0, 0, 7, 4, 12, 5), kBg);
  EXPECT_EQ(Lens(11, 0, 0, 6, 4, 12, 5), (std::array<int, 3>{184, 120, 100}));
  CDrawObject o;
  MakeLens(o, 11, 0, 0, 12, 5);
  CDIBSection source;
  source.Create(10, 10, 32);
  for (int r = 0; r < 10; ++r)
    for (int x = 0; x < 8; ++x) std::copy_n(GradientCanvas().RowFromTop(14 - r) + 4 * (12 + x), 4,
                                            source.RowFromBottom(r) + 4 * x);
  CLensInput in;
  in.source = &source, in.left = 12, in.top = 5, in.canvasWidth = kCanvas, in.canvasHeight = kCanvas;
  in.background = kBackground;
  in.anyPosition = true;
  CDIBSection work;
  ASSERT_TRUE(RenderLensImage(o, in, work));
  EXPECT_EQ(At(work, 7, 4), (std::array<int, 3>{192, 120, 100}));

  // p mixes the object's own pixel (200, 10, 60) in: p = 0 leaves (O · 255) >> 8,
  // p = 128 gives (O · 127 + L · 128) >> 8; 250 and above show only the lens.
  const auto mixed = [&](int p) {
    MakeLens(o, 11, 0, 2);
    o.m_effectParam2 = p;
    DrawLens(GradientCanvas(), o, kCanvas, kCanvas, kBackground, work);
    return At(work, 3, 4);  // lens colour (104, 120, 100)
  };
  EXPECT_EQ(mixed(0), (std::array<int, 3>{199, 9, 59}));
  EXPECT_EQ(mixed(128), (std::array<int, 3>{(200 * 127 + 104 * 128) >> 8, (10 * 127 + 120 * 128) >> 8,
                                            (60 * 127 + 100 * 128) >> 8}));
  EXPECT_EQ(mixed(250), (std::array<int, 3>{104, 120, 100}));
  EXPECT_EQ(work.RowFromBottom(4)[4 * 3 + 3], 255);  // the object's alpha
}

TEST(Lens, DefocusBlursWithAColourFringe) {
  CAppContext app;
  const lens::CDefocusKernel k0 = lens::MakeDefocusKernel(0);
  EXPECT_EQ(k0.n, 4);  // σ = 0.5
  EXPECT_NEAR(k0.weights[4], 1 / (1 + 2 * (std::exp(-2.0) + std::exp(-8.0))), 1e-6);
  EXPECT_EQ(lens::MakeDefocusKernel(-5).n, 4);  // a negative softness counts as 0

  // A white vertical line at canvas column 15 under a 21-wide lens at (5, 0); d = 5 and
  // angle 0 put green 2 columns left of blue and red 2 columns right.
  CDIBSection canvas;
  canvas.Create(kCanvas + 10, kCanvas, 32);
  for (int y = 0; y < kCanvas; ++y) std::fill_n(canvas.RowFromTop(y) + 4 * 15, 4, uint8_t(255));
  CDrawObject o;
  MakeLens(o, kLensDefocus, 5, 0.0, 5, 0);
  o.m_effectAngle = 0;
  o.m_lensEnvironment = 1;
  o.m_bitmap.Create(21, 10, 32);
  CDIBSection work;
  ASSERT_TRUE(DrawLens(canvas, o, canvas.Width(), kCanvas, 0, work));
  EXPECT_EQ(o.m_lensEnvironment, 0);
  int peak[3] = {0, 0, 0};
  for (int c = 0; c < 3; ++c)
    for (int x = 0; x < 21; ++x)
      if (At(work, x, 5)[c] > At(work, peak[c], 5)[c]) peak[c] = x;
  EXPECT_EQ(peak[0], 10);
  EXPECT_EQ(peak[1], 8);
  EXPECT_EQ(peak[2], 12);
  // Always mixed: 255 · w(0) · w(0)-ish, then (L · 255) >> 8 with the object alpha 0.
  EXPECT_NEAR(At(work, 10, 5)[0], (int(255 * k0.weights[4]) * 255) >> 8, 2);
  EXPECT_EQ(work.RowFromBottom(5)[4 * 10 + 3], 0);
}

TEST(Lens, RefusesWhatIsNotACanvasLens) {
  CAppContext app;
  CDrawObject o;
  MakeLens(o, 20, 0, 0);
  CDIBSection work;
  EXPECT_FALSE(DrawLens(GradientCanvas(), o, kCanvas, kCanvas, 0, work));
  MakeLens(o, 11, 0, 0);
  o.m_bitmap.Release();
  EXPECT_FALSE(DrawLens(GradientCanvas(), o, kCanvas, kCanvas, 0, work));
  // A one-pixel box has no radius; it must not divide by zero.
  MakeLens(o, 15, 3, 2);
  o.m_bitmap.Create(1, 1, 32);
  EXPECT_TRUE(DrawLens(GradientCanvas(), o, kCanvas, kCanvas, 0, work));
}

}  // namespace
}  // namespace tessel
