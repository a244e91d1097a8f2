// Binary archive used by project files, undo snapshots, clipboard data, styles, the
// object library, brush files and gene libraries: little-endian integers and doubles
// without padding, and strings with a one-, three- or seven-byte length prefix.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessel {

// Thrown by a loading archive on a short read or an impossible size. The code that
// opens a file catches it and turns it into a message for the user.
class CArchiveException : public std::runtime_error {
 public:
  explicit CArchiveException(const std::string& what) : std::runtime_error(what) {}
};

class CArchive {
 public:
  // A storing archive that appends to an in-memory buffer (see Buffer()).
  CArchive();
  // A loading archive over a copy of the given bytes.
  explicit CArchive(std::vector<uint8_t> bytes);
  // A loading archive over the whole contents of a file; throws CArchiveException when
  // the file cannot be read.
  static CArchive FromFile(const std::string& path);

  bool IsStoring() const { return m_storing; }
  bool IsLoading() const { return !m_storing; }

  // Storing.
  void WriteU8(uint8_t v);
  void WriteU16(uint16_t v);
  void WriteU32(uint32_t v);
  void WriteI32(int32_t v) { WriteU32(static_cast<uint32_t>(v)); }
  void WriteF32(float v);
  void WriteF64(double v);
  void WriteString(const std::string& s);
  void WriteBytes(const void* data, size_t size);
  void WriteEndMarker() { WriteU32(kEndMarker); }

  // Loading; each throws CArchiveException when the data runs out.
  uint8_t ReadU8();
  uint16_t ReadU16();
  uint32_t ReadU32();
  int32_t ReadI32() { return static_cast<int32_t>(ReadU32()); }
  float ReadF32();
  double ReadF64();
  std::string ReadString();
  void ReadBytes(void* out, size_t size);
  void Skip(size_t size);

  // Symmetric transfer: writes the value when storing, reads it into the value when
  // loading. Keeps record layouts in one place for both directions.
  void Xfer(uint8_t& v) { m_storing ? WriteU8(v) : void(v = ReadU8()); }
  void Xfer(int32_t& v) { m_storing ? WriteI32(v) : void(v = ReadI32()); }
  void Xfer(uint32_t& v) { m_storing ? WriteU32(v) : void(v = ReadU32()); }
  void Xfer(float& v) { m_storing ? WriteF32(v) : void(v = ReadF32()); }
  void Xfer(double& v) { m_storing ? WriteF64(v) : void(v = ReadF64()); }
  void Xfer(std::string& v) { m_storing ? WriteString(v) : void(v = ReadString()); }

  // A block marker of an extensible record: storing writes 0 and returns true; loading
  // reads a word and returns false when it is the end marker -1 (an older, shorter
  // record ends here).
  bool XferBlockMarker();

  // Throws unless count items of at least minBytesEach bytes can still follow. Called
  // before a count read from a file is used to allocate or loop.
  void CheckCount(uint64_t count, uint64_t minBytesEach) const;

  size_t Remaining() const { return m_data.size() - m_pos; }
  size_t Position() const { return m_pos; }
  // The bytes written so far (storing) or the whole input (loading).
  const std::vector<uint8_t>& Buffer() const { return m_data; }
  std::vector<uint8_t> TakeBuffer() { return std::move(m_data); }

  static constexpr uint32_t kEndMarker = 0xFFFFFFFFu;

 private:
  const uint8_t* Take(size_t size);

  bool m_storing;
  std::vector<uint8_t> m_data;
  size_t m_pos = 0;
};

}  // namespace tessel
