#include "render/lights_step.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/app_context.h"
#include "base/dib_section.h"
#include "document/draw_object.h"
#include "render/coverage_mask.h"
#include "render/light_shading.h"
#include "render/map_names.h"
#include "render/texture_3d.h"
#include "render/texture_bank.h"
#include "render/texture_mapping.h"

namespace tessel {

namespace {
constexpr const char* kBumpCategory = "BUM";
constexpr const char* kNoBumpName = "None.jpg";
constexpr int kMaxBumpSide = 4096;  // a tile larger than this gains nothing
constexpr int kFullDepth = 100;     // |depth − 100| at which the colour relief is whole
}  // namespace

CReliefMap BumpReliefMap(const CDIBSection& picture, const CBumpSettings& s) {
  CReliefMap map;
  const CTextureImage texture(picture);
  if (!texture.IsValid()) return map;
  const double scale = std::isfinite(s.scale) ? std::fabs(s.scale) * std::max(s.enlarge, 1) : 1.0;
  auto side = [&](int n) { return int(std::clamp(std::lround(n * scale), 1L, long(kMaxBumpSide))); };
  map.width = side(texture.width);
  map.height = side(texture.height);
  map.bytes.resize(size_t(map.width) * size_t(map.height));
  const int amount = std::clamp(s.amount, 0, 255);
  const double su = double(texture.width) / map.width, sv = double(texture.height) / map.height;
  for (int y = 0; y < map.height; ++y) {
    uint8_t* out = map.bytes.data() + size_t(map.height - 1 - y) * size_t(map.width);  // bottom-up
    const double v = (y + 0.5) * sv - 0.5;
    for (int x = 0; x < map.width; ++x) {
      uint8_t bgr[3];
      SampleBilinear(texture, (x + 0.5) * su - 0.5, v, bgr);
      int l = ReliefLuminance(bgr[2], bgr[1], bgr[0]);
      if (s.invert) l = 255 - l;
      out[x] = uint8_t(l * amount / 255);
    }
  }
  return map;
}

CReliefMap ColourReliefMap(const CDrawObject& o) {
  CReliefMap map;
  const CDIBSection& bitmap = o.m_bitmap;
  if (bitmap.IsEmpty() || bitmap.BitsPerPixel() != 32) return map;
  map.width = bitmap.Width();
  map.height = bitmap.Height();
  const int depth = o.m_texture3DDepth;
  const int strength = int(std::min<int64_t>(std::llabs(int64_t(depth) - kFlat3DTextureDepth), kFullDepth));
  const std::vector<uint8_t> field = LuminanceHeightField(bitmap, depth <= kFlat3DTextureDepth);  // top-down
  map.bytes.resize(field.size());
  for (int y = 0; y < map.height; ++y) {
    const uint8_t* in = field.data() + size_t(y) * size_t(map.width);
    uint8_t* out = map.bytes.data() + size_t(map.height - 1 - y) * size_t(map.width);
    for (int x = 0; x < map.width; ++x) out[x] = uint8_t(in[x] * strength / kFullDepth);
  }
  return map;
}

bool RenderLights(CDrawObject& o, const CCoverageMask& mask) {
  if (o.m_bumpName == kNoBumpName) o.m_bumpName.clear();
  CReliefMap relief;
  if (!o.m_bumpName.empty()) {
    const CTextureEntry* entry = App().TextureBank().FindOrLoad(o.m_bumpName, kBumpCategory);
    if (entry) {
      CBumpSettings s;
      s.scale = o.m_bumpScale;
      s.amount = o.m_bumpAmount;
      s.invert = o.m_bumpMode != 0;
      s.enlarge = o.m_renderScale;
      relief = BumpReliefMap(entry->picture, s);
    } else {
      App().NoteMissingTexture(FileNamePart(o.m_bumpName));
      o.m_bumpName.clear();
    }
  }
  if (relief.bytes.empty() && o.m_texture3D) relief = ColourReliefMap(o);
  const CHeightMap map{relief.bytes.empty() ? nullptr : relief.bytes.data(), relief.width, relief.height};
  if (o.m_bitmap.Width() != o.m_width || o.m_bitmap.Height() != o.m_height) return false;
  return ShadeLights(o.m_bitmap, mask, o.m_lights, map, o.m_renderScale);
}

}  // namespace tessel
