// The flare layer of a "Lens Flare" object: kept in m_layer at the canvas size, drawn
// again only when what it was drawn from changes, and added onto the canvas as light.
#include <algorithm>
#include <cmath>
#include <vector>

#include "base/dib_section.h"
#include "document/draw_object.h"
#include "render/lens_flare.h"
#include "render/pixel_math.h"

namespace tessel {

namespace {

constexpr int kEmptyLayerSize = 8;

// Everything the flare is drawn from; a change in any of them draws it again.
std::vector<double> FlareInputs(const CDrawObject& o, int canvasW, int canvasH) {
  return {double(o.m_left),        double(o.m_top),        double(o.m_width),          double(o.m_height),
          double(canvasW),         double(canvasH),        o.m_effectDistanceF,        double(o.m_effectParam1),
          double(o.m_effectAngle), double(o.m_effectParam2), double(o.m_color)};
}

void FillBlack(CDIBSection& layer) {
  for (int y = 0; y < layer.Height(); ++y) {
    uint8_t* p = layer.RowFromBottom(y);
    for (int x = 0; x < layer.Width(); ++x, p += 4) p[0] = p[1] = p[2] = 0, p[3] = 255;
  }
}

}  // namespace

bool UpdateFlareLayer(CDrawObject& o, int canvasW, int canvasH) {
  std::vector<double> inputs = FlareInputs(o, canvasW, canvasH);
  if (!o.m_layer.IsEmpty() && o.m_layer.Width() == canvasW && o.m_layer.Height() == canvasH &&
      !o.m_flareRebuild && inputs == o.m_flareInputs)
    return false;
  o.m_flareInputs = std::move(inputs);
  o.m_flareRebuild = 0;
  if (!o.m_layer.Create(canvasW, canvasH, 32)) return false;
  FillBlack(o.m_layer);
  const int64_t halfW = o.m_width / 2, halfH = o.m_height / 2;
  CFlareSpec spec;
  spec.x = int(std::clamp<int64_t>(int64_t(o.m_left) + halfW, -(1 << 30), 1 << 30));
  spec.y = int(std::clamp<int64_t>(int64_t(canvasH) - halfH - o.m_top, -(1 << 30), 1 << 30));
  spec.radius = px::Trunc(std::sqrt(double(halfW * halfW + halfH * halfH)));
  spec.size1 = px::Trunc(o.m_effectDistanceF * 10);
  spec.size2 = px::Trunc(o.m_effectParam1 * 0.04 * 6 + 4);
  spec.angle = o.m_effectAngle + 45.0;
  spec.intensity = float(std::clamp(o.m_effectParam2, 0, 255)) / 255.0f;
  spec.mode = CFlareSpec::kFull;
  spec.tint = o.m_color;
  DrawFlare(o.m_layer, spec);
  return true;
}

void AddFlareLight(CDIBSection& canvas, const CDIBSection& layer, double factor, bool keepAlpha,
                   const CRect& area) {
  if (canvas.IsEmpty() || layer.IsEmpty() || canvas.BitsPerPixel() != 32 || layer.BitsPerPixel() != 32) return;
  factor = std::clamp(factor, 0.0, 1.0);
  if (factor == 0) return;
  const int w = std::min(canvas.Width(), layer.Width()), h = std::min(canvas.Height(), layer.Height());
  const int x0 = area.IsEmpty() ? 0 : std::clamp(area.left, 0, w);
  const int x1 = area.IsEmpty() ? w : std::clamp(area.right, x0, w);
  const int y0 = area.IsEmpty() ? 0 : std::clamp(area.top, 0, h);
  const int y1 = area.IsEmpty() ? h : std::clamp(area.bottom, y0, h);
  for (int y = y0; y < y1; ++y) {
    const uint8_t* src = layer.RowFromTop(y) + 4 * x0;
    uint8_t* dst = canvas.RowFromTop(y) + 4 * x0;
    for (int x = x0; x < x1; ++x, src += 4, dst += 4) {
      const int add[3] = {int(src[0] * factor), int(src[1] * factor), int(src[2] * factor)};
      if (keepAlpha) {
        for (int c = 0; c < 3; ++c) dst[c] = uint8_t(px::AddSat(dst[c], add[c]));
        continue;
      }
      // Light over a transparent canvas: the coverage grows with the brightest channel
      // and the colour is the premultiplied sum, so light over nothing stays its colour.
      const int m = std::max({add[0], add[1], add[2]});
      if (m == 0) continue;
      const int a = dst[3], outA = a + m * (255 - a) / 255;
      for (int c = 0; c < 3; ++c) dst[c] = uint8_t(std::min(255, (dst[c] * a / 255 + add[c]) * 255 / outA));
      dst[3] = uint8_t(outA);
    }
  }
}

void EmptyFlareLayer(CDrawObject& o) {
  o.m_layer.Create(kEmptyLayerSize, kEmptyLayerSize, 32);
  o.m_flareInputs.clear();
}

}  // namespace tessel
