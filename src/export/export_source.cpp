#include "export/export_source.h"

#include <algorithm>
#include <cmath>

#include "base/dib_section.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"

namespace tessel {

bool SourceNeedsTransparency(const CExportSettings& s) {
  return s.type == ExportType::kPngTransparent || s.type == ExportType::kPsd || s.alphaMaskOnly;
}

void ApplyColourCorrection(std::vector<uint8_t>& rgb, const std::array<double, 3>& gain) {
  uint8_t table[3][256];
  for (int c = 0; c < 3; ++c)
    for (int v = 0; v < 256; ++v) table[c][v] = uint8_t(std::clamp(std::lround(v * gain[size_t(c)]), 0L, 255L));
  for (size_t i = 0; i + 2 < rgb.size(); i += 3) {
    rgb[i] = table[0][rgb[i]];
    rgb[i + 1] = table[1][rgb[i + 1]];
    rgb[i + 2] = table[2][rgb[i + 2]];
  }
}

void SourceFromComposite(const CDIBSection& composite, const CExportSettings& s, CExportSource& out) {
  const int w = composite.Width(), h = composite.Height();
  out.width = w;
  out.height = h;
  out.rgb.resize(size_t(w) * size_t(h) * 3);
  out.alpha.resize(size_t(w) * size_t(h));
  for (int y = 0; y < h; ++y) {
    const uint8_t* src = composite.RowFromTop(y);
    uint8_t* rgb = out.rgb.data() + size_t(y) * size_t(w) * 3;
    uint8_t* alpha = out.alpha.data() + size_t(y) * size_t(w);
    if (s.alphaMaskOnly) {
      const uint8_t flip = s.negative ? 255 : 0;
      for (int x = 0; x < w; ++x, src += 4, rgb += 3) {
        alpha[x] = src[3];
        rgb[0] = rgb[1] = rgb[2] = uint8_t(src[3] ^ flip);  // 255 - a when negative
      }
    } else {
      for (int x = 0; x < w; ++x, src += 4, rgb += 3) {
        rgb[0] = src[2];
        rgb[1] = src[1];
        rgb[2] = src[0];
        alpha[x] = src[3];
      }
    }
  }
  if (s.useColourCorrection) ApplyColourCorrection(out.rgb, s.gain);
}

bool BuildExportSource(CVellumDoc& doc, const CExportSettings& s, CExportSource& out) {
  CompositeOptions options;
  options.transparent = SourceNeedsTransparency(s);
  // The dialog's background colour stands in for the document's during this render.
  const uint32_t savedBackground = doc.m_background;
  doc.m_background = s.background;
  CDIBSection composite;
  const bool ok = ComposeDocument(doc, 1, options, composite);
  doc.m_background = savedBackground;
  if (!ok || composite.IsEmpty()) return false;
  SourceFromComposite(composite, s, out);
  return true;
}

}  // namespace tessel
