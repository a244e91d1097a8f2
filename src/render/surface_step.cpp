#include "render/surface_step.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "base/app_context.h"
#include "base/dib_section.h"
#include "document/draw_object.h"
#include "render/coverage_mask.h"
#include "render/map_names.h"
#include "render/pixel_math.h"
#include "render/texture_bank.h"
#include "render/texture_mapping.h"
#include "render/texture_modes.h"

namespace tessel {

namespace {

constexpr const char* kSurfaceCategory = "SKN";
constexpr const char* kNoSurfaceName = "None.jpg";

// The mean brightness of all texels of the skin.
int MeanBrightness(const CTextureImage& skin) {
  int64_t sum = 0;
  for (const uint8_t* row : skin.rows)
    for (int x = 0; x < skin.width; ++x) sum += px::Mean3(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
  return int(sum / (int64_t(skin.width) * skin.height));
}

// Skin mode over one row: B = D + (b − b̄), then mixed by the amount.
void SkinRow(uint8_t* colour, const uint8_t* texels, int width, int meanBrightness, int amount) {
  for (int x = 0; x < width; ++x, colour += 4, texels += 3) {
    const int lift = px::Mean3(texels[0], texels[1], texels[2]) - meanBrightness;
    for (int ch = 0; ch < 3; ++ch) colour[ch] = uint8_t(px::Mix255(colour[ch], px::Clamp255(colour[ch] + lift), amount));
  }
}

// The blended row weighed into the bitmap row by the mask.
void MaskedCopyRow(uint8_t* row, const uint8_t* blended, const uint8_t* mask, int width) {
  for (int x = 0; x < width; ++x, row += 4, blended += 4) {
    const int m = mask[x];
    if (m == 0) continue;
    for (int ch = 0; ch < 3; ++ch) row[ch] = uint8_t(px::Mix255(row[ch], blended[ch], m));
  }
}

}  // namespace

bool BlendSurfaceSkin(CDIBSection& bitmap, const CDIBSection& skin, const CSurfaceBlend& blend,
                      const CCoverageMask& mask) {
  const int w = bitmap.Width(), h = bitmap.Height();
  const CTextureImage texture(skin);
  if (bitmap.IsEmpty() || bitmap.BitsPerPixel() != 32 || !texture.IsValid() || blend.amount <= 0 ||
      mask.width != w || mask.height != h || mask.bytes.size() != size_t(w) * size_t(h))
    return false;
  const int amount = std::min(blend.amount, 255);
  const bool skinMode = blend.mode < 1 || blend.mode >= kTextureModeCount;
  const int meanBrightness = skinMode ? MeanBrightness(texture) : 0;
  CTexturePlacement placement;
  placement.scaleX = placement.scaleY = blend.scale;
  placement.enlarge = std::max(blend.enlarge, 1);
  const CTextureMapping mapping(placement, w, h, texture.width, texture.height);
  std::vector<uint8_t> texels(size_t(w) * 3), blended(size_t(w) * 4);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = bitmap.RowFromTop(y);
    mapping.SampleRow(texture, y, texels.data());
    std::memcpy(blended.data(), row, blended.size());
    if (skinMode) SkinRow(blended.data(), texels.data(), w, meanBrightness, amount);
    else CombineTextureRow(blend.mode, blended.data(), texels.data(), w, amount, blend.colour2);
    MaskedCopyRow(row, blended.data(), mask.Row(y), w);
  }
  return true;
}

bool SurfaceStepRuns(CDrawObject& o) {
  if (o.m_surfaceName == kNoSurfaceName) o.m_surfaceName.clear();
  return o.m_surfaceAmount > 0 && !o.m_surfaceName.empty();
}

bool ApplySurface(CDrawObject& o, const CCoverageMask& mask) {
  if (!SurfaceStepRuns(o)) return false;
  const CTextureEntry* entry = App().TextureBank().FindOrLoad(o.m_surfaceName, kSurfaceCategory);
  if (!entry) {
    App().NoteMissingSkin(FileNamePart(o.m_surfaceName));
    o.m_surfaceName.clear();
    return false;
  }
  CSurfaceBlend blend;
  blend.amount = o.m_surfaceAmount;
  blend.scale = o.m_surfaceScale;
  blend.mode = o.m_surfaceMode;
  blend.enlarge = o.m_renderScale;
  blend.colour2 = o.m_color2;
  return BlendSurfaceSkin(o.m_bitmap, entry->picture, blend, mask);
}

}  // namespace tessel
