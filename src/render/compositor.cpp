#include "render/compositor.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "base/dib_section.h"
#include "base/program_constants.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "render/blend_modes.h"
#include "render/lens.h"
#include "render/lens_flare.h"
#include "render/render_progress.h"
#include "render/wireframe.h"

namespace tessel {

namespace {
enum Effect { kDropShadow = 1, kSunShadow = 2, kCutout = 6, kInsetShadow = 7, kGlowLast = 9,
              kThickBorderLens = 17, kThickCenterLens = 18 };
constexpr int kLensShadowDistance = 5;
constexpr int kLensShadowAngle = 45;
constexpr int kSunShadowDrop = 5;

// The canvas area a composite must write: the clip, or the whole canvas without one.
CRect WriteArea(const CDIBSection& canvas, const CRect& clip) {
  const CRect all{0, 0, canvas.Width(), canvas.Height()};
  if (clip.IsEmpty()) return all;
  return {std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, all.right),
          std::min(clip.bottom, all.bottom)};
}

// Composites a bottom-up 32-bit picture with its top-left corner at (left, top), only
// inside area.
void Blit(CDIBSection& canvas, const CDIBSection& picture, int left, int top, int mode, bool keepAlpha,
          const CRect& area) {
  if (picture.IsEmpty() || picture.BitsPerPixel() != 32) return;
  const int x0 = std::max(left, area.left), x1 = std::min(left + picture.Width(), area.right);
  const int y0 = std::max(top, area.top), y1 = std::min(top + picture.Height(), area.bottom);
  if (x0 >= x1 || y0 >= y1) return;
  for (int y = y0; y < y1; ++y) {
    const uint8_t* src = picture.RowFromTop(y - top) + 4 * (x0 - left);
    uint8_t* dst = canvas.RowFromTop(y) + 4 * x0;
    CompositeRow(mode, src, dst, x1 - x0, keepAlpha);
  }
}

bool IsLensWithShadow(const CDrawObject& o) {
  return (o.m_effect == kThickBorderLens || o.m_effect == kThickCenterLens) && o.m_lensDropMask > 0;
}

// The object's box, bitmaps and render scale while it is rendered enlarged; restored
// when the scope ends.
class ScaledRender {
 public:
  ScaledRender(CDrawObject& o, int scale) : m_o(o), m_scale(scale) {
    if (scale == 1) return;
    m_box = {o.m_left, o.m_top, o.m_width, o.m_height};
    m_bitmap = std::move(o.m_bitmap);
    m_shadow = std::move(o.m_shadowBitmap);
    m_margin = o.m_effectSoftness;
    o.m_left *= scale, o.m_top *= scale, o.m_width *= scale, o.m_height *= scale;
    o.m_effectSoftness *= scale;
    o.m_renderScale = scale;
    o.RenderObject(false, nullptr);
  }
  ~ScaledRender() {
    if (m_scale == 1) return;
    m_o.m_left = m_box[0], m_o.m_top = m_box[1], m_o.m_width = m_box[2], m_o.m_height = m_box[3];
    m_o.m_effectSoftness = m_margin;
    m_o.m_renderScale = 1;
    m_o.m_path.m_width = m_o.m_lineWidth;
    m_o.m_bitmap = std::move(m_bitmap);
    m_o.m_shadowBitmap = std::move(m_shadow);
  }
  ScaledRender(const ScaledRender&) = delete;
  ScaledRender& operator=(const ScaledRender&) = delete;

 private:
  CDrawObject& m_o;
  int m_scale;
  std::array<int, 4> m_box{};
  int m_margin = 0;
  CDIBSection m_bitmap, m_shadow;
};

// Rule 5: the object drawn as its lens. Returns false when the lens has nothing to show
// (an unknown kind, no bitmap, or a flare on a bitmap object), so that the object is
// drawn plainly instead.
bool DrawAsLens(CDIBSection& canvas, CDrawObject& o, const CompositeOptions& options, bool keepAlpha) {
  const int canvasW = options.canvasWidth > 0 ? options.canvasWidth : canvas.Width();
  const int canvasH = options.canvasHeight > 0 ? options.canvasHeight : canvas.Height();
  const CRect area = WriteArea(canvas, options.clip);
  if (o.m_effect == kEffectLensFlare) {
    if (o.IsBitmap()) return false;  // its layer is its picture, never a flare
    UpdateFlareLayer(o, canvasW, canvasH);
    const double opacity = std::clamp(o.m_opacity, 0, 255) * kInv255;
    const double share = std::clamp(o.m_effectParam2, 0, 255) * kInv255;
    AddFlareLight(canvas, o.m_layer, opacity * share, keepAlpha, area);
    return true;
  }
  // A lens writes only into its box: outside the area there is nothing to compute.
  const CRect box = o.GetBoxRect();
  if (box.right <= area.left || box.left >= area.right || box.bottom <= area.top || box.top >= area.bottom)
    return true;
  CDIBSection work;
  if (!DrawLens(canvas, o, canvasW, canvasH, options.background, work)) return false;
  Blit(canvas, work, o.m_left, o.m_top, o.m_shadowOption, keepAlpha, area);
  return true;
}
}  // namespace

bool ShadowOrigin(const CDrawObject& o, int* x, int* y) {
  const int e = o.m_effect;
  int distance = o.m_effectParam1, angle = o.m_effectAngle;
  const bool lensShadow = IsLensWithShadow(o);
  if (lensShadow) distance = kLensShadowDistance, angle = kLensShadowAngle;
  if (!((e >= kDropShadow && e <= kGlowLast && e != kCutout) || lensShadow)) return false;
  int dx = int(std::cos(angle * kDegToRad) * distance * o.m_renderScale);
  int dy = int(std::sin(angle * kDegToRad) * distance * o.m_renderScale);
  if (e == kInsetShadow) dx = dy = 0;
  if (e == kSunShadow) dy += kSunShadowDrop * o.m_renderScale;
  *x = o.m_left - o.m_effectSoftness + dx;
  *y = o.m_top - o.m_effectSoftness + dy;
  return true;
}

CRect EffectRect(const CDrawObject& o) {
  CRect r = o.GetBoxRect();
  int x = 0, y = 0;
  if (!o.m_shadowBitmap.IsEmpty() && ShadowOrigin(o, &x, &y))
    r = r.Union({x, y, x + o.m_shadowBitmap.Width(), y + o.m_shadowBitmap.Height()});
  return r;
}

void DrawObject(CDIBSection& canvas, CDrawObject& o, const CompositeOptions& options) {
  if (o.m_hidden) return;
  const bool keepAlpha = !options.transparent;
  const int e = o.m_effect;
  if (e != kThickBorderLens && e != kThickCenterLens) o.m_lensEnvironment = 0;
  const CRect area = WriteArea(canvas, options.clip);
  int x = 0, y = 0;
  if (ShadowOrigin(o, &x, &y))
    Blit(canvas, o.m_shadowBitmap, x - options.originX, y - options.originY, kBlendNormal, keepAlpha, area);
  if (options.lensesOff && e == kEffectLensFlare && !o.IsBitmap()) EmptyFlareLayer(o);
  // Lenses read the canvas at document positions, so they need a canvas whose pixel
  // (0, 0) is the document's origin.
  const bool atOrigin = options.originX == 0 && options.originY == 0;
  if (e >= kFirstLensEffect && !options.lensesOff && o.m_lensEnvironment == 0 && atOrigin &&
      DrawAsLens(canvas, o, options, keepAlpha))
    return;
  Blit(canvas, o.m_bitmap, o.m_left - options.originX, o.m_top - options.originY, o.m_shadowOption, keepAlpha,
       area);
}

bool ComposeDocument(CVellumDoc& doc, int scale, const CompositeOptions& options, CDIBSection& out,
                     RenderProgress* progress) {
  scale = std::max(scale, 1);
  CompositeOptions drawOptions = options;
  drawOptions.background = doc.m_background;
  if (!out.Create(doc.m_width * scale, doc.m_height * scale, 32)) return false;
  const uint8_t b = uint8_t(doc.m_background >> 16), g = uint8_t(doc.m_background >> 8),
                r = uint8_t(doc.m_background), a = options.transparent ? 0 : 255;
  for (int y = 0; y < out.Height(); ++y) {
    uint8_t* p = out.RowFromBottom(y);
    for (int x = 0; x < out.Width(); ++x, p += 4) p[0] = b, p[1] = g, p[2] = r, p[3] = a;
  }
  if (options.wireframe) {
    std::vector<const CDrawObject*> objects;
    for (const auto& object : doc.m_objects) objects.push_back(object.get());
    DrawWireframes(out, objects, 0, 0, scale);
    return true;
  }
  int index = 0;
  const int count = doc.ObjectCount();
  for (auto& object : doc.m_objects) {
    ++index;
    if (object->m_hidden) continue;
    if (progress)
      progress->SetStep(index, "Rendering Object " + std::to_string(index) + " of " + std::to_string(count));
    const ScaledRender scaled(*object, scale);
    DrawObject(out, *object, drawOptions);
  }
  return true;
}

}  // namespace tessel
