#include "export/rich_jpeg.h"

#include <zlib.h>

#include <cstring>

#include "base/app_context.h"
#include "base/archive.h"
#include "document/project_file.h"

namespace tessel {

namespace {

constexpr char kMarker[] = "CMPCD";
constexpr size_t kMarkerBytes = 6;  // length byte and the five letters
constexpr char kMagic[] = "STANDALONE";
constexpr size_t kMagicBytes = 10;
constexpr size_t kTailBytes = kMagicBytes + 4;  // magic and block length
constexpr size_t kHeadBytes = kMarkerBytes + 8;  // marker and the two sizes
constexpr uint64_t kMaxInflateRatio = 1032;
constexpr uint64_t kInflateSlack = 1024;

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

uint32_t Get32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }

}  // namespace

std::vector<uint8_t> BuildRichTrailer(const std::vector<uint8_t>& project) {
  const uLong unpacked = uLong(project.size());
  // compress's own bound; the file format's "size + size / 1000 + 12" is below it for
  // some inputs, and a stream that does not fit is simply stored raw.
  std::vector<uint8_t> packed(compressBound(unpacked));
  uLongf packedSize = uLongf(packed.size());
  if (compress(packed.data(), &packedSize, project.data(), unpacked) != Z_OK || packedSize > kRichMaxPackedSize)
    packedSize = 0;
  std::vector<uint8_t> out;
  out.push_back(uint8_t(sizeof kMarker - 1));
  out.insert(out.end(), kMarker, kMarker + sizeof kMarker - 1);
  Put32(out, uint32_t(unpacked));
  Put32(out, uint32_t(packedSize));
  if (packedSize > 0) out.insert(out.end(), packed.begin(), packed.begin() + long(packedSize));
  else out.insert(out.end(), project.begin(), project.end());
  const uint32_t blockLength = uint32_t(out.size());
  out.insert(out.end(), kMagic, kMagic + kMagicBytes);
  Put32(out, blockLength);
  return out;
}

std::vector<uint8_t> AppendRichTrailer(std::vector<uint8_t> jpeg, CVellumDoc& doc, std::string* error) {
  CArchive ar;
  try {
    const CPreviewSettingOff previewOff;
    App().m_compressBitmaps = true;
    WriteProject(ar, doc, false);
  } catch (const CArchiveException& e) {
    if (error) *error = e.what();
    return {};
  }
  if (ar.Buffer().size() > kRichMaxUnpackedSize) {
    if (error) *error = "The project is too large for a Rich JPG file";
    return {};
  }
  const std::vector<uint8_t> trailer = BuildRichTrailer(ar.Buffer());
  jpeg.insert(jpeg.end(), trailer.begin(), trailer.end());
  return jpeg;
}

RichJpegResult ExtractRichProject(const uint8_t* data, size_t size, std::vector<uint8_t>* project) {
  if (!data || size < kTailBytes || std::memcmp(data + size - kTailBytes, kMagic, kMagicBytes) != 0)
    return RichJpegResult::kPlainJpeg;
  const uint64_t blockLength = Get32(data + size - 4);
  if (blockLength < kHeadBytes || blockLength > size - kTailBytes) return RichJpegResult::kCorrupted;
  const uint8_t* block = data + size - kTailBytes - blockLength;
  if (block[0] != kMarkerBytes - 1 || std::memcmp(block + 1, kMarker, kMarkerBytes - 1) != 0)
    return RichJpegResult::kCorrupted;
  const uint32_t unpacked = Get32(block + kMarkerBytes);
  const uint32_t packed = Get32(block + kMarkerBytes + 4);
  const uint64_t stored = packed > 0 ? packed : unpacked;
  // The data must fill the block exactly, and no size may exceed the limits.
  if (packed > kRichMaxPackedSize || unpacked > kRichMaxUnpackedSize || stored != blockLength - kHeadBytes)
    return RichJpegResult::kCorrupted;
  // Deflate never expands more than about 1032:1, so a larger claim is a lie that would
  // only cost memory.
  if (packed > 0 && uint64_t(unpacked) > uint64_t(packed) * kMaxInflateRatio + kInflateSlack)
    return RichJpegResult::kUncompressFailed;
  const uint8_t* body = block + kHeadBytes;
  if (packed == 0) {
    project->assign(body, body + unpacked);
    return RichJpegResult::kProject;
  }
  std::vector<uint8_t> out(unpacked);
  uLongf outSize = unpacked;
  if (uncompress(out.data(), &outSize, body, packed) != Z_OK || outSize != unpacked)
    return RichJpegResult::kUncompressFailed;
  *project = std::move(out);
  return RichJpegResult::kProject;
}

std::string RichJpegMessage(RichJpegResult result) {
  switch (result) {
    case RichJpegResult::kCorrupted: return kRichCorrupted;
    case RichJpegResult::kUncompressFailed: return kRichUncompressFailed;
    default: return "";
  }
}

}  // namespace tessel
