// CByteReader: bounds-checked reading of little- and big-endian fields from a buffer.
// A read past the end returns 0 and clears Ok() for good, so a parser can read a whole
// header and check once.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tessel {

class CByteReader {
 public:
  CByteReader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

  bool Ok() const { return m_ok; }
  size_t Pos() const { return m_pos; }
  size_t Size() const { return m_size; }
  size_t Remaining() const { return m_size - m_pos; }
  // Pointer to the current position; at least Remaining() bytes follow.
  const uint8_t* Ptr() const { return m_data + m_pos; }

  // Moves to an absolute offset; past the end fails.
  bool Seek(uint64_t pos) {
    if (pos > m_size) return m_ok = false;
    m_pos = size_t(pos);
    return m_ok;
  }
  bool Skip(uint64_t n) { return n <= Remaining() ? Seek(m_pos + n) : (m_ok = false); }

  uint8_t U8() { return Take(1) ? m_data[m_pos - 1] : 0; }
  uint16_t U16LE() {
    if (!Take(2)) return 0;
    const uint8_t* p = m_data + m_pos - 2;
    return uint16_t(p[0] | p[1] << 8);
  }
  uint32_t U32LE() {
    if (!Take(4)) return 0;
    const uint8_t* p = m_data + m_pos - 4;
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
  }
  int32_t S32LE() { return int32_t(U32LE()); }
  uint16_t U16BE() {
    if (!Take(2)) return 0;
    const uint8_t* p = m_data + m_pos - 2;
    return uint16_t(p[0] << 8 | p[1]);
  }
  uint32_t U32BE() {
    if (!Take(4)) return 0;
    const uint8_t* p = m_data + m_pos - 4;
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
  }

 private:
  bool Take(size_t n) {
    if (!m_ok || n > Remaining()) return m_ok = false;
    m_pos += n;
    return true;
  }

  const uint8_t* m_data;   // the buffer, not owned
  size_t m_size;           // its length in bytes
  size_t m_pos = 0;        // offset of the next byte to read
  bool m_ok = true;        // false after any read or seek past the end
};

}  // namespace tessel
