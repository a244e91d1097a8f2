#include "base/archive.h"

#include <cstring>
#include <fstream>

namespace tessel {

namespace {
constexpr uint8_t kLongLength = 0xFF;
constexpr uint16_t kVeryLongLength = 0xFFFF;
constexpr size_t kShortLimit = 0xFF;     // lengths below this take one byte
constexpr size_t kMediumLimit = 0xFFFE;  // lengths below this take 0xFF + u16
}  // namespace

CArchive::CArchive() : m_storing(true) {}

CArchive::CArchive(std::vector<uint8_t> bytes) : m_storing(false), m_data(std::move(bytes)) {}

CArchive CArchive::FromFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw CArchiveException("Cannot open file " + path);
  // istream::read turns a failing read (a folder opens but cannot be read) into badbit
  // instead of letting the stream buffer's exception escape past our callers.
  std::vector<uint8_t> bytes;
  char chunk[1 << 16];
  while (in) {
    in.read(chunk, sizeof chunk);
    bytes.insert(bytes.end(), chunk, chunk + in.gcount());
  }
  if (in.bad()) throw CArchiveException("Cannot read file " + path);
  return CArchive(std::move(bytes));
}

void CArchive::WriteBytes(const void* data, size_t size) {
  const auto* p = static_cast<const uint8_t*>(data);
  m_data.insert(m_data.end(), p, p + size);
}

void CArchive::WriteU8(uint8_t v) { m_data.push_back(v); }

void CArchive::WriteU16(uint16_t v) {
  const uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)};
  WriteBytes(b, 2);
}

void CArchive::WriteU32(uint32_t v) {
  const uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
  WriteBytes(b, 4);
}

void CArchive::WriteF32(float v) {
  uint32_t bits;
  std::memcpy(&bits, &v, 4);
  WriteU32(bits);
}

void CArchive::WriteF64(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, 8);
  WriteU32(uint32_t(bits));
  WriteU32(uint32_t(bits >> 32));
}

void CArchive::WriteString(const std::string& s) {
  const size_t n = s.size();
  if (n < kShortLimit) {
    WriteU8(uint8_t(n));
  } else if (n < kMediumLimit) {
    WriteU8(kLongLength);
    WriteU16(uint16_t(n));
  } else {
    WriteU8(kLongLength);
    WriteU16(kVeryLongLength);
    WriteU32(uint32_t(n));
  }
  WriteBytes(s.data(), n);
}

const uint8_t* CArchive::Take(size_t size) {
  if (size > Remaining()) throw CArchiveException("Unexpected end of file");
  const uint8_t* p = m_data.data() + m_pos;
  m_pos += size;
  return p;
}

uint8_t CArchive::ReadU8() { return *Take(1); }

uint16_t CArchive::ReadU16() {
  const uint8_t* p = Take(2);
  return uint16_t(p[0] | (p[1] << 8));
}

uint32_t CArchive::ReadU32() {
  const uint8_t* p = Take(4);
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

float CArchive::ReadF32() {
  const uint32_t bits = ReadU32();
  float v;
  std::memcpy(&v, &bits, 4);
  return v;
}

double CArchive::ReadF64() {
  const uint64_t lo = ReadU32();
  const uint64_t hi = ReadU32();
  const uint64_t bits = lo | (hi << 32);
  double v;
  std::memcpy(&v, &bits, 8);
  return v;
}

std::string CArchive::ReadString() {
  size_t n = ReadU8();
  if (n == kLongLength) {
    n = ReadU16();
    if (n == kVeryLongLength) n = ReadU32();
  }
  const uint8_t* p = Take(n);
  return std::string(reinterpret_cast<const char*>(p), n);
}

void CArchive::ReadBytes(void* out, size_t size) {
  const uint8_t* p = Take(size);
  if (size) std::memcpy(out, p, size);
}

void CArchive::Skip(size_t size) { Take(size); }

bool CArchive::XferBlockMarker() {
  if (m_storing) {
    WriteU32(0);
    return true;
  }
  return ReadU32() != kEndMarker;
}

void CArchive::CheckCount(uint64_t count, uint64_t minBytesEach) const {
  if (minBytesEach == 0) minBytesEach = 1;
  if (count > Remaining() / minBytesEach)
    throw CArchiveException("Count " + std::to_string(count) + " exceeds the data that follows");
}

}  // namespace tessel
