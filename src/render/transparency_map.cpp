#include "render/transparency_map.h"

#include <algorithm>
#include <cmath>

#include "base/app_context.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "render/coverage_mask.h"
#include "render/map_names.h"
#include "render/map_names.h"
#include "render/pixel_math.h"
#include "render/texture_bank.h"

namespace tessel {

namespace {

constexpr const char* kMapCategory = "TR";
constexpr double kZeroRadius = 0.01;

double Finite(double v, double fallback) { return std::isfinite(v) ? v : fallback; }
inline double Clamp01(double t) { return t < 0.0 ? 0.0 : t > 1.0 ? 1.0 : t; }

}  // namespace

CBuiltinMapField::CBuiltinMapField(BuiltinMap kind, int w, int h, const CMapGeometry& g, bool invert, int amount)
    : m_kind(kind), m_width(w), m_height(h), m_invert(invert), m_scale(amount < 255),
      m_factor(amount * px::kInv255) {
  if (kind == BuiltinMap::kBurst) {
    m_burst.emplace(kGradientBurst, w, h, 1.0);
    m_weights.resize(size_t(std::max(w, 1)));
    return;
  }
  m_x0 = px::Trunc(w * Finite(g.startX, 0.0));
  m_y0 = px::Trunc((1.0 - Finite(g.startY, 0.5)) * h);
  const int x1 = px::Trunc(w * Finite(g.endX, 1.0));
  const int y1 = px::Trunc((1.0 - Finite(g.endY, 0.5)) * h);
  const double dx = double(x1) - m_x0, dy = double(y1) - m_y0;
  m_d = std::sqrt(dx * dx + dy * dy);
  if (m_d != 0.0) {
    m_ux = dx / m_d;
    m_uy = dy / m_d;
  }
  m_rx = m_d == 0.0 ? kZeroRadius : m_d;
  m_ry = m_rx * h / w;
  const double b = Finite(g.bias, 0.5) - 0.5;
  if (b > 0) {
    m_biasSide = 1;
    m_k = 2 * b;
  } else if (b < 0) {
    m_biasSide = -1;
    m_k = -2 * b;
  }
}

double CBuiltinMapField::Shaped(double t) const {
  if (m_biasSide > 0) t = Clamp01(m_k * t * t + (1 - m_k) * t);
  else if (m_biasSide < 0) t = Clamp01(m_k * (1 - (1 - t) * (1 - t)) + (1 - m_k) * t);
  if (m_invert) t = 1 - t;
  if (m_scale) t = t * m_factor;
  return t;
}

void CBuiltinMapField::Row(int y, double* t) const {
  const int w = m_width;
  switch (m_kind) {
    case BuiltinMap::kLinear:
    case BuiltinMap::kBilinear: {
      if (m_d == 0.0) {
        for (int x = 0; x < w; ++x) t[x] = Shaped(0.0);
        return;
      }
      const double along = (y - m_y0) * m_uy;
      const bool both = m_kind == BuiltinMap::kBilinear;
      for (int x = 0; x < w; ++x) {
        double v = (along + (x - m_x0) * m_ux) / m_d;
        if (both) v = std::fabs(v);
        t[x] = Shaped(Clamp01(v));
      }
      return;
    }
    case BuiltinMap::kRadial: {
      const double ry = (y - m_y0) / m_ry;
      for (int x = 0; x < w; ++x) {
        const double rx = (x - m_x0) / m_rx;
        t[x] = Shaped(Clamp01(std::sqrt(rx * rx + ry * ry)));
      }
      return;
    }
    case BuiltinMap::kBurst: {
      // No bias for the burst: only invert and amount.
      m_burst->Row(y, m_weights.data());
      for (int x = 0; x < w; ++x) {
        double v = m_weights[size_t(x)] * px::kInv255;
        if (m_invert) v = 1 - v;
        t[x] = m_scale ? v * m_factor : v;
      }
      return;
    }
  }
}

double CBuiltinMapField::At(int x, int y) const {
  std::vector<double> row(size_t(std::max(m_width, 1)));
  Row(y, row.data());
  return row[size_t(x)];
}

void TransparentRow(const double* t, const uint8_t* mask, uint8_t* p, int width) {
  for (int x = 0; x < width; ++x, p += 4) p[px::kAlpha] = uint8_t(px::TruncClamp255((1.0 - t[x]) * mask[x]));
}

void WashRow(const double* t, const uint8_t* mask, uint8_t* p, int width) {
  for (int x = 0; x < width; ++x, p += 4) {
    const int v = px::TruncClamp255(t[x] * 255.0);
    p[0] = uint8_t(px::AddSat(p[0], v));
    p[1] = uint8_t(px::AddSat(p[1], v));
    p[2] = uint8_t(px::AddSat(p[2], v));
    p[3] = mask[x];
  }
}

void CopyMaskToAlpha(const CCoverageMask& mask, CDIBSection& bitmap) {
  const int w = std::min(mask.width, bitmap.Width()), h = std::min(mask.height, bitmap.Height());
  for (int y = 0; y < h; ++y) {
    const uint8_t* m = mask.Row(y);
    uint8_t* p = bitmap.RowFromTop(y) + px::kAlpha;
    for (int x = 0; x < w; ++x, p += 4) *p = m[x];
  }
}

std::string MissingTransparencyMessage(const std::string& name) {
  return "This file uses missing transparent texture:" + name +
         "\nThe texture was not saved to the project file\nand it is also missing in the subfirectory Transp.";
}

namespace {

void ApplyBuiltin(CDrawObject& o, BuiltinMap kind, const CCoverageMask& mask) {
  CDIBSection& bitmap = o.m_bitmap;
  const int w = bitmap.Width(), h = bitmap.Height();
  const CMapGeometry g{o.m_transpGeom[0], o.m_transpGeom[3], o.m_transpGeom[1], o.m_transpGeom[4],
                       o.m_transpGeom[2]};
  const CBuiltinMapField field(kind, w, h, g, o.m_layerTranspMode != 0, o.m_transpAmount);
  std::vector<double> t(static_cast<size_t>(w));
  const bool transparent = o.m_transpMode != 0;
  for (int y = 0; y < h; ++y) {
    field.Row(y, t.data());
    if (transparent)
      TransparentRow(t.data(), mask.Row(y), bitmap.RowFromTop(y), w);
    else
      WashRow(t.data(), mask.Row(y), bitmap.RowFromTop(y), w);
  }
}

// An image map tiled from the top-left corner: v = mean of the texel's bytes (255 − v
// inverted). Wash: (v · amount) >> 8 added to each colour byte, the mask becoming the
// alpha in the same pass. Transparent:
// alpha = m · (255 · 255 − v · amount) / (255 · 255), so a white texel at full amount
// clears the pixel and a black one keeps the mask.
void ApplyImage(CDrawObject& o, const CDIBSection& picture, const CCoverageMask& mask) {
  CDIBSection& bitmap = o.m_bitmap;
  const int w = bitmap.Width(), h = bitmap.Height();
  const int tw = picture.Width(), th = picture.Height();
  const int scale = ((o.m_texParam2 & 1) && o.m_renderScale > 1) ? o.m_renderScale : 1;
  const bool invert = o.m_layerTranspMode != 0;
  const int amount = std::min(o.m_transpAmount, 255);
  const bool transparent = o.m_transpMode != 0;
  // The map value of every texel column, looked up once per row.
  std::vector<int> xs(static_cast<size_t>(w));
  for (int x = 0; x < w; ++x) xs[size_t(x)] = (x / scale) % tw * 3;
  for (int y = 0; y < h; ++y) {
    const uint8_t* row = picture.RowFromTop((y / scale) % th);
    const uint8_t* m = mask.Row(y);
    uint8_t* p = bitmap.RowFromTop(y);
    if (transparent) {
      for (int x = 0; x < w; ++x, p += 4) {
        const uint8_t* texel = row + xs[size_t(x)];
        int v = px::Mean3(texel[0], texel[1], texel[2]);
        if (invert) v = 255 - v;
        p[px::kAlpha] = uint8_t(m[x] * (65025 - v * amount) / 65025);
      }
    } else {
      for (int x = 0; x < w; ++x, p += 4) {
        const uint8_t* texel = row + xs[size_t(x)];
        int v = px::Mean3(texel[0], texel[1], texel[2]);
        if (invert) v = 255 - v;
        const int add = (v * amount) >> 8;
        p[0] = uint8_t(px::AddSat(p[0], add));
        p[1] = uint8_t(px::AddSat(p[1], add));
        p[2] = uint8_t(px::AddSat(p[2], add));
        p[3] = m[x];
      }
    }
  }
}

}  // namespace

void ApplyTransparencyMap(CDrawObject& o, const CCoverageMask& mask) {
  CDIBSection& bitmap = o.m_bitmap;
  if (bitmap.IsEmpty() || bitmap.BitsPerPixel() != 32 || mask.width != bitmap.Width() ||
      mask.height != bitmap.Height() || mask.bytes.empty())
    return;
  const std::string& name = o.m_transpName;
  if (o.m_transpAmount <= 0 || name.empty() || name == kFlatMapName) {
    CopyMaskToAlpha(mask, bitmap);
    return;
  }
  if (name == kLinearMapName) return ApplyBuiltin(o, BuiltinMap::kLinear, mask);
  if (name == kBilinearMapName) return ApplyBuiltin(o, BuiltinMap::kBilinear, mask);
  if (name == kRadialMapName) return ApplyBuiltin(o, BuiltinMap::kRadial, mask);
  if (name == kBurstMapName) return ApplyBuiltin(o, BuiltinMap::kBurst, mask);
  // A reserved texture name stored as a map name is no map; it never reaches the files.
  if (IsReservedMapName(name)) {
    CopyMaskToAlpha(mask, bitmap);
    return;
  }
  const CTextureEntry* entry = App().TextureBank().FindOrLoad(name, kMapCategory);
  if (!entry || entry->picture.IsEmpty() || entry->picture.BitsPerPixel() != 24) {
    App().Messages().Message(MissingTransparencyMessage(name), MsgButtons::kOk);
    App().NoteMissingTexture(FileNamePart(name));
    o.m_transpName.clear();
    CopyMaskToAlpha(mask, bitmap);
    return;
  }
  ApplyImage(o, entry->picture, mask);
}

}  // namespace tessel
