// Bottom-up BGRA bitmaps and Qt images. On a little-endian machine Format_ARGB32 keeps
// its bytes as blue, green, red, alpha, the order of the core's bitmaps, so each row
// is one copy.
#include "app/qt_image.h"

#include <cstring>

#include "base/dib_section.h"

namespace tessel {

namespace {
constexpr int kDibBits = 32;
constexpr int kPixelBytes = 4;
}  // namespace

QImage ImageFromDib(const CDIBSection& dib) {
  if (dib.IsEmpty() || dib.BitsPerPixel() != kDibBits) return {};
  QImage image(dib.Width(), dib.Height(), QImage::Format_ARGB32);
  if (image.isNull()) return {};
  for (int y = 0; y < dib.Height(); ++y)
    std::memcpy(image.scanLine(y), dib.RowFromTop(y), size_t(dib.Width()) * kPixelBytes);
  return image;
}

bool DibFromImage(const QImage& image, CDIBSection* dib) {
  if (image.isNull() || !CDIBSection::SizeAllowed(image.width(), image.height(), kDibBits)) return false;
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  if (!dib->Create(argb.width(), argb.height(), kDibBits)) return false;
  for (int y = 0; y < argb.height(); ++y)
    std::memcpy(dib->RowFromTop(y), argb.constScanLine(y), size_t(argb.width()) * kPixelBytes);
  return true;
}

QImage WrapDibRowsFlipped(const CDIBSection& dib) {
  if (dib.IsEmpty() || dib.BitsPerPixel() != kDibBits) return {};
  return QImage(dib.Bits(), dib.Width(), dib.Height(), int(CDIBSection::StrideFor(dib.Width(), kDibBits)),
                QImage::Format_RGB32);
}

}  // namespace tessel
