// The default answers of the window interface.
#include "view/view_host.h"

#include "base/dib_section.h"
#include "io/png_encode.h"

namespace tessel {

void IViewHost::SetClipboardImage(const CDIBSection& picture) {
  if (picture.IsEmpty() || picture.BitsPerPixel() != 24) return;
  // PNG rows are red, green, blue from the top.
  const auto fill = [&](int y, uint8_t* row) {
    const uint8_t* s = picture.RowFromTop(y);
    for (int x = 0; x < picture.Width(); ++x, s += 3, row += 3) row[0] = s[2], row[1] = s[1], row[2] = s[0];
  };
  std::vector<uint8_t> png = EncodePng(picture.Width(), picture.Height(), PngColour::kRgb, fill, {}, nullptr);
  if (!png.empty()) SetClipboardData(kPngMime, png);
}

}  // namespace tessel
