#include <algorithm>

#include "document/draw_object.h"
#include "mutaflux/mutaflux_fill.h"
#include "render/bitmap_image_step.h"
#include "render/colour_correction.h"
#include "render/coverage_mask.h"
#include "render/bevel.h"
#include "render/drop_mask.h"
#include "render/edge_bevels.h"
#include "render/lens.h"
#include "render/lens_environment.h"
#include "render/lights_step.h"
#include "render/outline.h"
#include "render/painted_layers.h"
#include "render/perspective.h"
#include "render/render_progress.h"
#include "render/surface_step.h"
#include "render/texture_3d.h"
#include "render/texture_step.h"
#include "render/transparency_map.h"

namespace tessel {

namespace {
constexpr int kOpaqueEnough = 254;  // opacity 254 and 255 leave the alpha untouched
constexpr COLORREF kBumpOutGrey = 0x808080;  // "Bump Out" starts from a grey bitmap

void Report(RenderProgress* progress, int position, const char* text) {
  if (progress) progress->SetStep(position, text);
}

void FillColour(CDIBSection& bitmap, COLORREF colour) {
  const uint8_t r = uint8_t(colour), g = uint8_t(colour >> 8), b = uint8_t(colour >> 16);
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = bitmap.RowFromBottom(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 4) {
      p[0] = b;
      p[1] = g;
      p[2] = r;
    }
  }
}

void ScaleAlpha(CDIBSection& bitmap, int opacity) {
  opacity = std::clamp(opacity, 0, 255);  // a damaged record may hold anything
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = bitmap.RowFromBottom(y) + 3;
    for (int x = 0; x < bitmap.Width(); ++x, p += 4) *p = uint8_t(*p * opacity / 255);
  }
}

// Step 20: the rendered flag and the opacity.
void FinishRender(CDrawObject& o) {
  o.m_rendered = 1;
  if (o.m_opacity < kOpaqueEnough) {
    ScaleAlpha(o.m_bitmap, o.m_opacity);
    if (o.m_effect > 0) ScaleAlpha(o.m_shadowBitmap, o.m_opacity);
  }
}
}  // namespace

int PrepareCoverageMask(CDrawObject& o, CCoverageMask& mask) {
  mask.Reset(o.m_width, o.m_height, 255);
  if (o.m_type == kTypeBitmap) return 0;
  // Open paths are stroked with the line width, enlarged with the render.
  constexpr int64_t kMaxPen = 1 << 16;
  o.m_path.m_width = int32_t(std::clamp<int64_t>(int64_t(o.m_lineWidth) * o.m_renderScale, 0, kMaxPen));
  return BuildCoverageMask(o, mask);
}

// The render runs its steps in a fixed order, each switched on by the object's fields:
// size, mask and colour (or the bitmap object's picture), the grey base of "Bump Out",
// the outline ring, texture and 3D texture, feathering, then (unless only the shape is
// wanted) the painted layer, transparency, painted transparency, the thick lenses'
// environment, outline, bevel, perspective, drop mask, lights, surface, colour
// correction and opacity.
void CDrawObject::RenderObject(bool maskOnly, RenderProgress* progress) {
  if (m_width < 1 || m_height < 1) return;
  if (m_bitmap.Width() != m_width || m_bitmap.Height() != m_height || m_bitmap.BitsPerPixel() != 32)
    m_bitmap.Create(m_width, m_height, 32);
  if (m_bitmap.IsEmpty()) return;
  CCoverageMask mask;
  if (m_type == kTypeBitmap) {
    Report(progress, 2, "Aplying Bitmap Alpha");
    ApplyBitmapImage(*this, mask);
    m_mask = 0;
  } else {
    Report(progress, 1, "Preparing Mask");
    m_mask = PrepareCoverageMask(*this, mask);
    if (m_mutafluxIndex > 0) {
      Report(progress, 2, "Aplying Mutaflux");
      const CMutafluxWords words{uint32_t(m_mutafluxParam[0]), uint32_t(m_mutafluxParam[1]),
                                 uint32_t(m_mutafluxParam[2])};
      FillMutaflux(m_bitmap, m_mutafluxIndex - 1, words);
    } else {
      FillColour(m_bitmap, m_color);
    }
  }
  if (m_bevelType == kBevelBumpOut) FillColour(m_bitmap, kBumpOutGrey);
  if (m_bevelType == kBevelOutline) {
    Report(progress, 3, "Outlining...");
    OutlineBevel(mask, double(m_renderScale) * m_bevelWidth / 3.0);
  }
  Report(progress, 4, "Applying Texture");
  const bool imageTexture = ApplyTexture(*this, mask);
  if (m_texture3D && imageTexture && !m_lightsOn) {
    Report(progress, 4, "3D Texture");
    Apply3DTexture(*this);
  }
  if (m_bevelType == kBevelFeather) {
    Report(progress, 5, "Feathering");
    FeatherMask(*this, mask);
  }
  if (maskOnly) {
    CopyMaskToAlpha(mask, m_bitmap);  // the box-sized mask sets every alpha byte
    return;
  }
  // A "Lens Flare" keeps its canvas-sized flare in the layer; it is no painting.
  const bool paintedLayer = m_type != kTypeBitmap && m_effect != kEffectLensFlare && !m_layer.IsEmpty();
  if (paintedLayer) {
    Report(progress, 6, "Adding Bitmap Layer");
    ApplyBitmapLayer(*this, mask);
  }
  Report(progress, 7, "Transparency");
  ApplyTransparencyMap(*this, mask);
  if (!m_paintTransp.IsEmpty()) ApplyPaintedTransparency(*this);
  if ((m_effect == kLensThickBorder || m_effect == kLensThickCenter) && m_lensEnvironment == 1) {
    Report(progress, 8, "Calculating Environment");
    ApplyLensEnvironment(*this);
  }
  if (m_outlineType > 0) {
    Report(progress, 9, "Adding Outline");
    AddOutline(*this, mask, m_bitmap);
  }
  // The bevels shade within the mask; the embossed ones leave their height field in it.
  Report(progress, 10, "Applying Bevel");
  ApplyBevel(*this, mask);
  if ((m_type == kTypeBitmap || m_packageSize > 0) && HasPerspective()) {
    Report(progress, 13, "Applying Perspective Transformation");
    WarpBitmapAndMask(CPerspectiveMap::FromBoxUnits(m_perspX, m_perspY, m_width, m_height), m_bitmap, mask);
  }
  if (NeedsDropMask(*this)) {
    Report(progress, 11, "Creating Drop Mask");
    BuildDropMask(*this, mask);
    // "Knock-Out" leaves only the shadow, but the painted layer stays visible.
    if (m_effect == kEffectKnockOut && paintedLayer) ApplyBitmapLayer(*this, mask);
  } else if (m_effect == 0) {
    m_shadowBitmap.Release();  // a shadow left from an earlier effect
  }
  if (m_lightsOn) {
    Report(progress, 12, "Rendering Lights... (long operation)");
    RenderLights(*this, mask);
  }
  if (SurfaceStepRuns(*this)) {
    Report(progress, 13, "Surface");
    ApplySurface(*this, mask);
  }
  Report(progress, 13, "Applying Color Correction");
  ApplyColorCorrection(*this);
  FinishRender(*this);
}

}  // namespace tessel
