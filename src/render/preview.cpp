#include "render/preview.h"

#include <algorithm>

#include "base/dib_section.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"

namespace tessel {

std::vector<uint8_t> MakeProjectPreview(CVellumDoc& doc) {
  CDIBSection canvas;
  if (!ComposeDocument(doc, 1, {}, canvas)) return {};
  // Larger canvases shrink to fit; smaller ones keep their size. Each preview pixel
  // takes the canvas pixel under its centre.
  const double scale = std::min({1.0, double(kPreviewSide) / canvas.Width(), double(kPreviewSide) / canvas.Height()});
  const int w = std::max(1, int(canvas.Width() * scale)), h = std::max(1, int(canvas.Height() * scale));
  const int left = (kPreviewSide - w) / 2, top = (kPreviewSide - h) / 2;
  std::vector<uint8_t> out(size_t(kPreviewByteCount), 255);
  for (int y = 0; y < h; ++y) {
    const uint8_t* src = canvas.RowFromTop(std::min(int((y + 0.5) / scale), canvas.Height() - 1));
    uint8_t* dst = out.data() + (size_t(top + y) * kPreviewSide + size_t(left)) * 3;
    for (int x = 0; x < w; ++x, dst += 3) {
      const uint8_t* p = src + 4 * std::min(int((x + 0.5) / scale), canvas.Width() - 1);
      dst[0] = p[0], dst[1] = p[1], dst[2] = p[2];
    }
  }
  return out;
}

}  // namespace tessel
