// CDIBSection: an owning device-independent bitmap of 8, 24 or 32 bits per pixel.
// Rows are padded to four bytes as in Windows DIBs. Object bitmaps are 32-bit BGRA and
// bottom-up: memory row 0 is the bottom row of the picture. "Empty" (no pixels) is a
// state of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace tessel {

// Non-owning view of pixel rows, so that one kernel serves an object bitmap, a mask or
// a sub-rectangle. Row(i) is memory row i; which way is up is the owner's business.
struct CBitmapView {
  uint8_t* data = nullptr;
  ptrdiff_t stride = 0;
  int width = 0;
  int height = 0;
  int bytesPerPixel = 0;
  uint8_t* Row(int i) const { return data + i * stride; }
};

class CDIBSection {
 public:
  // Largest width or height accepted, and largest pixel buffer, so that a hostile
  // size never turns into a huge allocation.
  static constexpr int kMaxDimension = 1 << 16;
  static constexpr size_t kMaxBytes = size_t(1) << 30;

  CDIBSection() = default;
  // Moving leaves the source empty (size 0 as well as no pixels).
  CDIBSection(CDIBSection&& o) noexcept { *this = std::move(o); }
  CDIBSection& operator=(CDIBSection&& o) noexcept;
  // Copies are made on purpose only, through Clone().
  CDIBSection(const CDIBSection&) = delete;
  CDIBSection& operator=(const CDIBSection&) = delete;

  // Replaces the contents by a zero-filled bitmap. Returns false (and leaves the
  // bitmap empty) for a non-positive or too large size or an unsupported depth.
  bool Create(int width, int height, int bitsPerPixel = 32);
  // Releases the pixels; the bitmap becomes empty.
  void Release();
  CDIBSection Clone() const;

  bool IsEmpty() const { return m_pixels.empty(); }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  int BitsPerPixel() const { return m_bpp; }
  int BytesPerPixel() const { return m_bpp / 8; }
  ptrdiff_t Stride() const { return m_stride; }
  size_t SizeBytes() const { return m_pixels.size(); }
  uint8_t* Bits() { return m_pixels.data(); }
  const uint8_t* Bits() const { return m_pixels.data(); }

  // Memory row y of a bottom-up bitmap: y = 0 is the bottom row of the picture.
  uint8_t* RowFromBottom(int y) { return m_pixels.data() + y * m_stride; }
  const uint8_t* RowFromBottom(int y) const { return m_pixels.data() + y * m_stride; }
  // Picture row y counted from the top of a bottom-up bitmap.
  uint8_t* RowFromTop(int y) { return RowFromBottom(m_height - 1 - y); }
  const uint8_t* RowFromTop(int y) const { return RowFromBottom(m_height - 1 - y); }

  CBitmapView View() { return {m_pixels.data(), m_stride, m_width, m_height, BytesPerPixel()}; }

  // Row stride in bytes for the given width and depth, or 0 when out of range.
  static ptrdiff_t StrideFor(int width, int bitsPerPixel);
  // True when a bitmap of this size and depth may be created.
  static bool SizeAllowed(int64_t width, int64_t height, int bitsPerPixel);

  bool operator==(const CDIBSection& o) const {
    return m_width == o.m_width && m_height == o.m_height && m_bpp == o.m_bpp && m_pixels == o.m_pixels;
  }

 private:
  int m_width = 0;
  int m_height = 0;
  int m_bpp = 0;
  ptrdiff_t m_stride = 0;
  std::vector<uint8_t> m_pixels;
};

}  // namespace tessel
