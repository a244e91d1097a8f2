#include <gtest/gtest.h>

#include <filesystem>

#include "base/app_context.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "io/png_writer.h"
#include "render/coverage_mask.h"
#include "render/map_names.h"
#include "render/render_progress.h"
#include "render/texture_bank.h"
#include "render/texture_step.h"
#include "test_util.h"

namespace tessel {
namespace {

constexpr uint32_t Rgb(int r, int g, int b) { return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16; }

// A 24-bit picture from rows of (r, g, b) texels, top row first.
CDIBSection Picture(const std::vector<std::vector<std::array<int, 3>>>& rows) {
  CDIBSection pic;
  pic.Create(int(rows[0].size()), int(rows.size()), 24);
  for (size_t y = 0; y < rows.size(); ++y)
    for (size_t x = 0; x < rows[y].size(); ++x) {
      uint8_t* p = pic.RowFromTop(int(y)) + 3 * x;
      p[0] = uint8_t(rows[y][x][2]);
      p[1] = uint8_t(rows[y][x][1]);
      p[2] = uint8_t(rows[y][x][0]);
    }
  return pic;
}

const std::vector<std::vector<std::array<int, 3>>> kChecker = {{{255, 0, 0}, {0, 255, 0}},
                                                               {{0, 0, 255}, {90, 120, 150}}};

// An object with a w × h bitmap of colour (r, g, b) and a full mask.
struct CTextured {
  CDrawObject o;
  CCoverageMask mask;
  CTextured(int w, int h, const std::string& texture) {
    o.m_width = w;
    o.m_height = h;
    o.m_bitmap.Create(w, h, 32);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        uint8_t* p = o.m_bitmap.RowFromTop(y) + 4 * x;
        p[0] = 30, p[1] = 20, p[2] = 10, p[3] = 0;
      }
    mask.Reset(w, h, 255);
    o.m_textureName = texture;
  }
  std::array<int, 3> At(int x, int y) const {
    const uint8_t* p = o.m_bitmap.RowFromTop(y) + 4 * x;
    return {p[2], p[1], p[0]};
  }
  bool Apply() { return ApplyTexture(o, mask); }
};

using Rgb3 = std::array<int, 3>;

std::unique_ptr<CAppContext> ContextIn(const test::TempDir& program, const test::TempDir& user) {
  return std::make_unique<CAppContext>(std::make_unique<CProfile>(), std::make_unique<CRecordingMessages>(),
                                       AppPaths(program.Path(), user.Path()));
}

TEST(TextureStep, ImageTextureFromTheStore) {
  CAppContext app;
  App().TextureBank().Add("Checker.png", "TXT", Picture(kChecker));
  CTextured t(4, 4, "CHECKER.png");  // the store ignores letter case
  EXPECT_TRUE(t.Apply());
  // Corner of the 2 × 2 texture at (1, 1); it tiles.
  EXPECT_EQ(t.At(1, 1), (Rgb3{255, 0, 0}));
  EXPECT_EQ(t.At(2, 1), (Rgb3{0, 255, 0}));
  EXPECT_EQ(t.At(1, 2), (Rgb3{0, 0, 255}));
  EXPECT_EQ(t.At(0, 0), (Rgb3{90, 120, 150}));
  EXPECT_EQ(t.At(3, 3), (Rgb3{255, 0, 0}));

  // Half amount in "Multiply", and the transparent flag cutting into the mask.
  CTextured m(4, 4, "Checker.png");
  m.o.m_textureAmount = 128;
  m.o.m_textureParam1 = 1;  // Multiply
  m.o.m_textureMode = 1;
  EXPECT_TRUE(m.Apply());
  EXPECT_EQ(m.At(0, 0), (Rgb3{(10 * 127 + 10 * 90 / 255 * 128) / 255, (20 * 127 + 20 * 120 / 255 * 128) / 255,
                              (30 * 127 + 30 * 150 / 255 * 128) / 255}));
  EXPECT_EQ(m.mask.Row(0)[0], 255 - ((120 * 128) >> 8));  // brightness (90 + 120 + 150) / 3
  EXPECT_EQ(m.mask.Row(1)[1], 255 - ((85 * 128) >> 8));
  // Amount 0: found, but the colour stays.
  CTextured off(4, 4, "Checker.png");
  off.o.m_textureAmount = 0;
  EXPECT_TRUE(off.Apply());
  EXPECT_EQ(off.At(1, 1), (Rgb3{10, 20, 30}));
}

TEST(TextureStep, GradientNamesAreExactAndNeverFiles) {
  test::TempDir program, user;
  auto app = ContextIn(program, user);
  CTextured lin(10, 2, kLinearGradientName);
  lin.o.m_color2 = Rgb(255, 255, 255);
  EXPECT_FALSE(lin.Apply());
  EXPECT_EQ(lin.At(0, 0), (Rgb3{34, 43, 52}));    // weight trunc(0.5 / 10 · 255 · 255/128) = 25
  EXPECT_EQ(lin.At(9, 0), (Rgb3{255, 255, 255}));  // amount 255: past the end
  for (const char* name : {kRadialGradientName, kBurstGradientName, kLinearMapName, kFlatMapName}) {
    CTextured t(6, 6, name);
    t.Apply();
    EXPECT_EQ(t.o.m_textureName, name);
  }
  EXPECT_TRUE(App().m_missingTextures.empty());
  EXPECT_TRUE(App().TextureBank().Entries().empty());
  // A different letter case is a file name, and no such file exists.
  CTextured other(6, 6, "linear gradient.tmb");
  EXPECT_FALSE(other.Apply());
  EXPECT_EQ(other.At(0, 0), (Rgb3{10, 20, 30}));
  EXPECT_TRUE(other.o.m_textureName.empty());
  EXPECT_EQ(App().m_missingTextures, std::vector<std::string>{"linear gradient.tmb"});
  // Nothing at all: no texture.
  CTextured none(3, 3, kNoTextureName);
  EXPECT_FALSE(none.Apply());
  EXPECT_EQ(none.At(1, 1), (Rgb3{10, 20, 30}));
}

TEST(TextureStep, TexturesLoadFromTheFoldersUserFirst) {
  test::TempDir program, user;
  auto app = ContextIn(program, user);
  std::filesystem::create_directories(program.File("Textures"));
  std::filesystem::create_directories(user.File("Textures"));
  CDIBSection red, blue;
  red.Create(2, 2, 32);
  blue.Create(3, 1, 32);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) red.RowFromBottom(y)[4 * x + 2] = 200, red.RowFromBottom(y)[4 * x + 3] = 255;
  for (int x = 0; x < 3; ++x) blue.RowFromBottom(0)[4 * x] = 180, blue.RowFromBottom(0)[4 * x + 3] = 255;
  std::string error;
  ASSERT_TRUE(WritePngBgra(program.File("Textures/Red.png"), red, false, &error)) << error;
  ASSERT_TRUE(WritePngBgra(program.File("Textures/Both.png"), red, false, &error)) << error;
  ASSERT_TRUE(WritePngBgra(user.File("Textures/Both.png"), blue, false, &error)) << error;

  CTextured t(4, 4, "Red.png");
  EXPECT_TRUE(t.Apply());
  EXPECT_EQ(t.At(2, 2), (Rgb3{200, 0, 0}));
  const CTextureEntry* e = App().TextureBank().Find("red.png", "TXT");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->picture.BitsPerPixel(), 24);
  EXPECT_EQ(e->picture.Width(), 2);

  const CTextureEntry* both = App().TextureBank().FindOrLoad("Both.png", "TXT");
  ASSERT_NE(both, nullptr);
  EXPECT_EQ(both->picture.Width(), 3);  // the user folder's copy
  // Each category reads its own folder: there is no Transp/Red.png.
  EXPECT_EQ(App().TextureBank().FindOrLoad("Red.png", "TR"), nullptr);
  EXPECT_EQ(App().TextureBank().FindOrLoad("Red.png", "XYZ"), nullptr);
  EXPECT_EQ(CTextureBank::FolderFor("SKN"), "Surface");
  EXPECT_EQ(CTextureBank::FolderFor("BUM"), "Bumpmap");
}

TEST(TextureStep, OldEntriesWithoutCategoryAndRenderScale) {
  CAppContext app;
  App().TextureBank().Add("Two.png", "", Picture({{{200, 0, 0}, {0, 100, 0}}}));
  // 1:1 at render scale 2 unless the object asks textures to grow with the render.
  CTextured same(8, 2, "two.png");
  same.o.m_renderScale = 2;
  EXPECT_TRUE(same.Apply());
  EXPECT_EQ(same.At(3, 0), (Rgb3{200, 0, 0}));  // corner at (8 − 2) / 2 = 3
  EXPECT_EQ(same.At(4, 0), (Rgb3{0, 100, 0}));
  EXPECT_EQ(same.At(5, 0), (Rgb3{200, 0, 0}));
  CTextured grown(8, 2, "two.png");
  grown.o.m_renderScale = 2;
  grown.o.m_texParam1 = 1;
  EXPECT_TRUE(grown.Apply());
  EXPECT_EQ(grown.At(2, 0), (Rgb3{200, 0, 0}));  // texel centres two pixels apart
  EXPECT_EQ(grown.At(3, 0), (Rgb3{100, 50, 0}));
  EXPECT_EQ(grown.At(4, 0), (Rgb3{0, 100, 0}));
  // Only textures fall back to entries without category.
  EXPECT_EQ(App().TextureBank().Find("two.png", "TR"), nullptr);
}

class CStepLog : public RenderProgress {
 public:
  void SetStep(int position, const std::string& text) override { steps.push_back(std::to_string(position) + " " + text); }
  std::vector<std::string> steps;
};

TEST(TextureStep, MissingTextureIsDroppedAfterTheFirstRender) {
  test::TempDir program, user;
  auto app = ContextIn(program, user);
  CDrawObject o;
  o.m_color = Rgb(10, 20, 30);
  o.m_textureName = "C:\\Textures\\nowhere.jpg";
  o.CreateRectangle(0, 0, 20, 20);
  EXPECT_EQ(o.m_rendered, 1);
  EXPECT_TRUE(o.m_textureName.empty());
  EXPECT_EQ(App().m_missingTextures, std::vector<std::string>{"nowhere.jpg"});
  const uint8_t* p = o.m_bitmap.RowFromTop(o.m_height / 2) + 4 * (o.m_width / 2);
  EXPECT_EQ((Rgb3{p[2], p[1], p[0]}), (Rgb3{10, 20, 30}));
  EXPECT_EQ(p[3], 255);
  EXPECT_TRUE(static_cast<CRecordingMessages&>(App().Messages()).MessageTexts().empty());
  o.RenderObject(false, nullptr);
  EXPECT_EQ(App().m_missingTextures.size(), 1u);
}

TEST(RenderObject, TexturedAndTransparencyMappedObject) {
  CAppContext app;
  App().TextureBank().Add("Checker.png", "TXT", Picture(kChecker));
  CDrawObject o;
  o.m_color = Rgb(10, 20, 30);
  o.m_textureName = "Checker.png";
  o.m_transpName = kLinearMapName;
  o.m_transpAmount = 255;
  o.m_transpGeom = {0.0, 1.0, 0.5, 0.5, 0.5, 0.0};  // left to right
  o.CreateRectangle(0, 0, 40, 20);
  const int w = o.m_width, h = o.m_height;
  ASSERT_GT(w, 10);
  CStepLog log;
  o.RenderObject(false, &log);
  EXPECT_EQ(log.steps, (std::vector<std::string>{"1 Preparing Mask", "4 Applying Texture", "7 Transparency",
                                                 "10 Applying Bevel", "13 Applying Color Correction"}));
  const int y = h / 2, x = w / 2;
  const uint8_t* p = o.m_bitmap.RowFromTop(y) + 4 * x;
  // Texel of the tiled checker and alpha (1 − x / w) · 255 inside the mask.
  const int tx = ((x - (w - 2) / 2) % 2 + 2) % 2, ty = ((y - (h - 2) / 2) % 2 + 2) % 2;
  const auto texel = kChecker[size_t(ty)][size_t(tx)];
  EXPECT_EQ((Rgb3{p[2], p[1], p[0]}), texel);
  EXPECT_EQ(p[3], int((1.0 - double(x) / w) * 255));
  EXPECT_EQ(o.m_bitmap.RowFromTop(0)[3], 0) << "the border outside the outline stays clear";

  // Opacity halves the alpha after the map; mask-only renders keep the texture and the mask.
  o.m_opacity = 127;
  o.RenderObject(false, nullptr);
  EXPECT_EQ(o.m_bitmap.RowFromTop(y)[4 * x + 3], int((1.0 - double(x) / w) * 255) * 127 / 255);
  o.m_opacity = 255;
  o.RenderObject(true, nullptr);
  EXPECT_EQ(o.m_bitmap.RowFromTop(y)[4 * x + 3], 255);
  EXPECT_EQ(o.m_bitmap.RowFromTop(y)[4 * x + 2], texel[0]);

  // "Bump Out" greys the colour before the texture: Multiply on grey (a mask-only render
  // stops before the bevel). The full render then keeps only the relief: black or white.
  o.m_bevelType = 8;
  o.m_textureParam1 = 1;
  o.m_transpName.clear();
  o.RenderObject(true, nullptr);
  p = o.m_bitmap.RowFromTop(y) + 4 * x;
  EXPECT_EQ((Rgb3{p[2], p[1], p[0]}), (Rgb3{texel[0] * 128 / 255, texel[1] * 128 / 255, texel[2] * 128 / 255}));
  EXPECT_EQ(p[3], 255);
  o.RenderObject(false, nullptr);
  p = o.m_bitmap.RowFromTop(y) + 4 * x;
  EXPECT_TRUE(p[0] == 0 || p[0] == 255);
  EXPECT_LT(p[3], 255);
}

}  // namespace
}  // namespace tessel
