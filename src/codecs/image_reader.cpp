// The image loader: reads the whole file once, tells the format by its first bytes and
// hands the buffer to that format's reader.
#include "codecs/image_reader.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "base/dib_section.h"
#include "codecs/format_readers.h"

namespace tessel {

namespace {

// Largest image file read into memory.
constexpr uint64_t kMaxFileBytes = uint64_t(1) << 30;

bool StartsWith(const uint8_t* data, size_t size, const char* magic, size_t n) {
  return size >= n && std::memcmp(data, magic, n) == 0;
}

// TGA has no signature: accept a header whose fields make sense together.
bool LooksLikeTga(const uint8_t* d, size_t size) {
  if (size < 18) return false;
  const int mapType = d[1], type = d[2], depth = d[16];
  if (mapType > 1) return false;
  switch (type) {
    case 1: case 9: return mapType == 1 && (depth == 8 || depth == 16);
    case 2: case 10: return depth == 15 || depth == 16 || depth == 24 || depth == 32;
    case 3: case 11: return depth == 8 || depth == 16;
    default: return false;
  }
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::string* error) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return codecs::Fail(error, "Cannot open " + path);
  struct stat info;
  if (::fstat(::fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode))
    return codecs::Fail(error, "Cannot read " + path);
  const uint64_t length = uint64_t(info.st_size);
  if (length > kMaxFileBytes) return codecs::Fail(error, "Image file too large: " + path);
  bytes.resize(size_t(length));
  if (length > 0 && std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
    return codecs::Fail(error, "Cannot read " + path);
  return true;
}

}  // namespace

bool ReadImageMemory(const uint8_t* data, size_t size, CDIBSection& out, std::string* error) {
  out.Release();
  if (!data || size == 0) return codecs::Fail(error, "Empty image file");
  bool ok;
  if (StartsWith(data, size, "\x89PNG", 4))
    ok = codecs::ReadPng(data, size, out, error);
  else if (StartsWith(data, size, "\xFF\xD8", 2))
    ok = codecs::ReadJpeg(data, size, out, error);
  else if (StartsWith(data, size, "BM", 2))
    ok = codecs::ReadBmp(data, size, out, error);
  else if (StartsWith(data, size, "GIF8", 4))
    ok = codecs::ReadGif(data, size, out, error);
  else if (StartsWith(data, size, "II*\0", 4) || StartsWith(data, size, "MM\0*", 4))
    ok = codecs::ReadTiff(data, size, out, error);
  else if (StartsWith(data, size, "8BPS", 4))
    ok = codecs::ReadPsd(data, size, out, error);
  else if (data[0] == 0x0A && (size < 2 || data[1] <= 5) && (size < 3 || data[2] <= 1) && !LooksLikeTga(data, size))
    ok = codecs::ReadPcx(data, size, out, error);
  else if (LooksLikeTga(data, size))
    ok = codecs::ReadTga(data, size, out, error);
  else
    return codecs::Fail(error, "Unknown image file format");
  if (!ok) out.Release();
  return ok;
}

bool ReadImageFile(const std::string& path, CDIBSection& out, std::string* error) {
  out.Release();
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, bytes, error)) return false;
  return ReadImageMemory(bytes.data(), bytes.size(), out, error);
}

bool ReadImageFile24(const std::string& path, CDIBSection& out, std::string* error) {
  out.Release();
  CDIBSection full;
  if (!ReadImageFile(path, full, error)) return false;
  if (!out.Create(full.Width(), full.Height(), 24)) return codecs::Fail(error, "Out of memory reading " + path);
  // The texture store keeps colour only: alpha is dropped.
  for (int y = 0; y < full.Height(); ++y) {
    const uint8_t* s = full.RowFromBottom(y);
    uint8_t* d = out.RowFromBottom(y);
    for (int x = 0; x < full.Width(); ++x, s += 4, d += 3) {
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
    }
  }
  return true;
}

}  // namespace tessel
