// The 3D texture, surface and colour correction steps and where they run in a render.
#include <gtest/gtest.h>

#include "base/app_context.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "render/colour_correction.h"
#include "render/coverage_mask.h"
#include "render/render_progress.h"
#include "render/surface_step.h"
#include "render/texture_3d.h"
#include "render/texture_bank.h"

namespace tessel {
namespace {

// Gives the object a bitmap holding the grey values of one row, repeated downwards.
void Stripe(CDrawObject& o, const std::vector<int>& row, int h) {
  o.m_width = int(row.size());
  o.m_height = h;
  o.m_bitmap.Create(o.m_width, h, 32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < o.m_width; ++x) std::fill_n(o.m_bitmap.RowFromTop(y) + 4 * x, 3, uint8_t(row[size_t(x)]));
}

std::vector<int> RedRow(const CDrawObject& o, int y) {
  std::vector<int> r;
  for (int x = 0; x < o.m_width; ++x) r.push_back(o.m_bitmap.RowFromTop(y)[4 * x + 2]);
  return r;
}

TEST(Texture3D, DepthSetsStrengthAndSignOfTheRelief) {
  CAppContext app;
  // A step from 60 to 180 (and back, across the wrap-around, which the border copies hide).
  const std::vector<int> step = {60, 60, 60, 180, 180, 180};
  const std::vector<std::pair<int, std::vector<int>>> cases = {
      {50, {60, 60, 0, 53, 180, 180}}, {100, step}, {150, {60, 60, 118, 238, 180, 180}}};
  for (const auto& [depth, want] : cases) {
    CDrawObject o;
    Stripe(o, step, 4);
    o.m_texture3DDepth = depth;
    ASSERT_TRUE(Apply3DTexture(o));
    for (int y = 0; y < 4; ++y) EXPECT_EQ(RedRow(o, y), want) << "depth " << depth << " row " << y;
  }
  EXPECT_EQ((std::vector<int>{ReliefLuminance(255, 0, 0), ReliefLuminance(0, 255, 0), ReliefLuminance(0, 0, 255)}),
            (std::vector<int>{75, 149, 28}));
}

TEST(ColorCorrection, CurvesPerChannel) {
  EXPECT_EQ(MakeCorrectionTable(2.0)[128], 192);
  EXPECT_EQ(MakeCorrectionTable(0.5)[128], 64);
  const CCorrectionTable same = MakeCorrectionTable(std::nan(""));
  for (int i = 0; i < 256; ++i) ASSERT_EQ(same[size_t(i)], i);

  CAppContext app;
  CDrawObject o;
  Stripe(o, {128, 128}, 1);
  o.m_bitmap.RowFromTop(0)[3] = 77;
  EXPECT_FALSE(ApplyColorCorrection(o));  // 1.0, 1.0, 1.0: nothing to do
  o.m_colorGain = {2.0, 0.5, 1.0};
  ASSERT_TRUE(ApplyColorCorrection(o));
  const uint8_t* p = o.m_bitmap.RowFromTop(0);
  EXPECT_EQ((std::vector<int>{p[2], p[1], p[0], p[3]}), (std::vector<int>{192, 64, 128, 77}));
}

TEST(Surface, SkinGrainWithinTheMaskAndMissingSkinsDropped) {
  CAppContext app;
  CDIBSection skin;  // brightness 100 and 200 in a 2 × 1 tile: the mean is 150
  skin.Create(2, 1, 24);
  std::fill_n(skin.RowFromTop(0), 3, uint8_t(100));
  std::fill_n(skin.RowFromTop(0) + 3, 3, uint8_t(200));
  App().TextureBank().Add("Grain.png", "SKN", std::move(skin));
  CDrawObject o;
  Stripe(o, {128, 128, 128, 128}, 2);
  CCoverageMask mask;
  mask.Reset(4, 2, 255);
  mask.Row(1)[0] = mask.Row(1)[1] = 0;
  o.m_surfaceName = "grain.png";
  o.m_surfaceAmount = 255;
  o.m_surfaceScale = 1.0;
  ASSERT_TRUE(ApplySurface(o, mask));
  // The tile is centred: its first texel lands on x = 1.
  EXPECT_EQ(RedRow(o, 0), (std::vector<int>{178, 78, 178, 78}));
  EXPECT_EQ(RedRow(o, 1), (std::vector<int>{128, 128, 178, 78}));

  for (const char* name : {"None.jpg", "lost.jpg"}) {
    o.m_surfaceName = name;
    EXPECT_FALSE(ApplySurface(o, mask));
    EXPECT_TRUE(o.m_surfaceName.empty());
  }
  EXPECT_EQ(App().m_missingSkins, std::vector<std::string>{"lost.jpg"});
  EXPECT_TRUE(static_cast<CRecordingMessages&>(App().Messages()).MessageTexts().empty());
}

class CStepLog : public RenderProgress {
 public:
  void SetStep(int position, const std::string& text) override { steps.push_back(std::to_string(position) + " " + text); }
  std::vector<std::string> steps;
};

TEST(RenderObject, ReliefLightsSurfaceAndCorrectionRunInOrder) {
  CAppContext app;
  CDIBSection picture;
  picture.Create(2, 2, 24);
  App().TextureBank().Add("Tex.png", "TXT", picture.Clone());
  App().TextureBank().Add("Skin.png", "SKN", std::move(picture));
  CDrawObject o;
  o.m_textureName = "Tex.png";
  o.m_texture3D = 1;
  o.CreateRectangle(0, 0, 20, 20);
  CStepLog relief, lit;
  o.RenderObject(false, &relief);
  o.m_lightsOn = 1;  // lights take over the relief
  o.m_surfaceName = "Skin.png";
  o.RenderObject(false, &lit);
  const std::vector<std::string> start = {"1 Preparing Mask", "4 Applying Texture"},
                                 end = {"7 Transparency", "10 Applying Bevel"};
  EXPECT_EQ(relief.steps, (std::vector<std::string>{start[0], start[1], "4 3D Texture", end[0], end[1],
                                                    "13 Applying Color Correction"}));
  EXPECT_EQ(lit.steps, (std::vector<std::string>{start[0], start[1], end[0], end[1],
                                                 "12 Rendering Lights... (long operation)", "13 Surface",
                                                 "13 Applying Color Correction"}));
}

}  // namespace
}  // namespace tessel
