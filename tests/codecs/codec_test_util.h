// Helpers for the image reader tests: building files byte by byte and reading pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/dib_section.h"
#include "codecs/image_reader.h"

namespace tessel::test {

using Bytes = std::vector<uint8_t>;

inline void Put8(Bytes& b, uint32_t v) { b.push_back(uint8_t(v)); }
inline void Put16(Bytes& b, uint32_t v) { b.insert(b.end(), {uint8_t(v), uint8_t(v >> 8)}); }
inline void Put32(Bytes& b, uint32_t v) { b.insert(b.end(), {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}); }
inline void Put16BE(Bytes& b, uint32_t v) { b.insert(b.end(), {uint8_t(v >> 8), uint8_t(v)}); }
inline void Put32BE(Bytes& b, uint32_t v) { b.insert(b.end(), {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)}); }
inline void Append(Bytes& b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); }

// Pixel (x, y) counted from the top-left of a 32-bit bitmap as 0xAARRGGBB.
inline uint32_t PixelAt(const CDIBSection& bmp, int x, int y) {
  const uint8_t* p = bmp.RowFromTop(y) + 4 * x;
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// All pixels, top row first, as 0xAARRGGBB.
inline std::vector<uint32_t> Pixels(const CDIBSection& bmp) {
  std::vector<uint32_t> all;
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) all.push_back(PixelAt(bmp, x, y));
  return all;
}

// Reads bytes through the image loader; on failure returns an empty bitmap and the reason.
inline CDIBSection Decode(const Bytes& bytes, std::string* error = nullptr) {
  CDIBSection out;
  std::string why;
  ReadImageMemory(bytes.data(), bytes.size(), out, &why);
  if (error) *error = why;
  return out;
}

// Every proper prefix of the file must be refused with a reason, without a crash.
inline std::string FirstAcceptedPrefix(const Bytes& bytes) {
  for (size_t n = 0; n < bytes.size(); ++n) {
    CDIBSection out;
    std::string why;
    if (ReadImageMemory(bytes.data(), n, out, &why)) return "prefix of " + std::to_string(n) + " bytes accepted";
    if (why.empty()) return "prefix of " + std::to_string(n) + " bytes refused without a reason";
    if (!out.IsEmpty()) return "prefix of " + std::to_string(n) + " bytes left pixels behind";
  }
  return "";
}

}  // namespace tessel::test
