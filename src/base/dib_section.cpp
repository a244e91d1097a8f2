#include "base/dib_section.h"

namespace tessel {

ptrdiff_t CDIBSection::StrideFor(int width, int bitsPerPixel) {
  if (width <= 0 || (bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32)) return 0;
  const int64_t rowBytes = int64_t(width) * (bitsPerPixel / 8);
  return ptrdiff_t((rowBytes + 3) & ~int64_t(3));
}

bool CDIBSection::SizeAllowed(int64_t width, int64_t height, int bitsPerPixel) {
  if (width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension) return false;
  const ptrdiff_t stride = StrideFor(int(width), bitsPerPixel);
  return stride > 0 && uint64_t(stride) * uint64_t(height) <= kMaxBytes;
}

bool CDIBSection::Create(int width, int height, int bitsPerPixel) {
  Release();
  if (!SizeAllowed(width, height, bitsPerPixel)) return false;
  m_width = width;
  m_height = height;
  m_bpp = bitsPerPixel;
  m_stride = StrideFor(width, bitsPerPixel);
  m_pixels.assign(size_t(m_stride) * size_t(height), 0);
  return true;
}

CDIBSection& CDIBSection::operator=(CDIBSection&& o) noexcept {
  if (this != &o) {
    m_width = std::exchange(o.m_width, 0);
    m_height = std::exchange(o.m_height, 0);
    m_bpp = std::exchange(o.m_bpp, 0);
    m_stride = std::exchange(o.m_stride, 0);
    m_pixels = std::move(o.m_pixels);
    o.m_pixels.clear();
  }
  return *this;
}

void CDIBSection::Release() {
  m_width = m_height = m_bpp = 0;
  m_stride = 0;
  std::vector<uint8_t>().swap(m_pixels);
}

CDIBSection CDIBSection::Clone() const {
  CDIBSection copy;
  copy.m_width = m_width;
  copy.m_height = m_height;
  copy.m_bpp = m_bpp;
  copy.m_stride = m_stride;
  copy.m_pixels = m_pixels;
  return copy;
}

}  // namespace tessel
