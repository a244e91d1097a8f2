#include "render/texture_step.h"

#include <algorithm>
#include <vector>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "render/colour_gradient.h"
#include "render/coverage_mask.h"
#include "render/map_names.h"
#include "render/map_names.h"
#include "render/pixel_math.h"
#include "render/texture_bank.h"
#include "render/texture_mapping.h"
#include "render/texture_modes.h"

namespace tessel {

namespace {

constexpr const char* kTextureCategory = "TXT";

// The texture transparent flag: mask = max(0, mask − ((b · amount) >> 8)) with b the texel
// brightness.
void CutMaskRow(uint8_t* mask, const uint8_t* texels, int width, int amount) {
  for (int x = 0; x < width; ++x, texels += 3) {
    const int b = px::Mean3(texels[0], texels[1], texels[2]);
    mask[x] = uint8_t(std::max(0, mask[x] - ((b * amount) >> 8)));
  }
}

CTexturePlacement PlacementOf(const CDrawObject& o) {
  CTexturePlacement p;
  p.scaleX = o.m_texScaleX;
  p.scaleY = o.m_texScaleY;
  p.angle = o.m_texAngle;
  p.angle2 = o.m_texAngle2;
  p.offsetX = o.m_texOffsetX;
  p.offsetY = o.m_texOffsetY;
  p.perspAmount = o.m_texPerspAmount;
  p.perspAngle = o.m_texPerspAngle;
  p.enlarge = ((o.m_texParam1 & 1) && o.m_renderScale > 1) ? o.m_renderScale : 1;
  return p;
}

}  // namespace

void MapImageTexture(CDrawObject& o, const CDIBSection& picture, CCoverageMask& mask) {
  CDIBSection& bitmap = o.m_bitmap;
  const int w = bitmap.Width(), h = bitmap.Height();
  const CTextureImage texture(picture);
  if (!texture.IsValid() || bitmap.BitsPerPixel() != 32 || w < 1 || h < 1) return;
  const bool cut = o.m_textureMode != 0 && mask.width == w && mask.height == h;
  const int amount = std::min(o.m_textureAmount, 255);
  const CTextureMapping mapping(PlacementOf(o), w, h, texture.width, texture.height);
  std::vector<uint8_t> texels(size_t(w) * 3);
  for (int y = 0; y < h; ++y) {
    mapping.SampleRow(texture, y, texels.data());
    if (cut) CutMaskRow(mask.Row(y), texels.data(), w, amount);
    CombineTextureRow(o.m_textureParam1, bitmap.RowFromTop(y), texels.data(), w, amount, o.m_color2);
  }
}

bool ApplyTexture(CDrawObject& o, CCoverageMask& mask) {
  const std::string& name = o.m_textureName;
  if (name.empty() || name == kNoTextureName) return false;
  const int amount = o.m_textureAmount;
  if (name == kLinearGradientName) {
    if (amount > 0) LinearColourGradient(o.m_bitmap, o.m_color2, o.m_gradientParam, amount);
    return false;
  }
  if (name == kRadialGradientName) {
    if (amount > 0) RadialColourGradient(o.m_bitmap, o.m_color2, amount);
    return false;
  }
  if (name == kBurstGradientName) {
    if (amount > 0) BurstColourGradient(o.m_bitmap, mask, o.m_color2, amount);
    return false;
  }
  // A reserved map name stored as a texture name is no texture; it is never opened.
  if (IsReservedMapName(name)) return false;
  const CTextureEntry* entry = App().TextureBank().FindOrLoad(name, kTextureCategory);
  if (!entry) {
    App().NoteMissingTexture(FileNamePart(name));
    o.m_textureName.clear();
    return false;
  }
  if (amount > 0) MapImageTexture(o, entry->picture, mask);
  return true;
}

}  // namespace tessel
