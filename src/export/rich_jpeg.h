// Editable Rich JPG: an ordinary JPEG followed by a trailer that carries the whole
// project, so that the same file is a picture everywhere and a project here.
//
//   marker        6 bytes   length byte 5 and "CMPCD"
//   unpacked size u32 LE    bytes of the serialized project
//   packed size   u32 LE    bytes of the zlib stream, or 0 when stored raw
//   project data            packed size (or unpacked size) bytes
//   magic         10 bytes  "STANDALONE"
//   block length  u32 LE    bytes from the marker up to the magic
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/app_context.h"

namespace tessel {

class CVellumDoc;

// A packed project of this size or more is refused as damaged.
constexpr uint32_t kRichMaxPackedSize = 10000000;
// Nor is a project that claims to unpack to more than this.
constexpr uint32_t kRichMaxUnpackedSize = 512u << 20;

constexpr char kRichCorrupted[] = "Corrupted rich JPG file (2)";
constexpr char kRichUncompressFailed[] = "Uncompression failed ";

// Switches the application's preview setting off for its lifetime: the project inside
// a Rich JPG carries no preview picture, on writing or reading.
class CPreviewSettingOff {
 public:
  CPreviewSettingOff() : m_saved(App().m_writePreview) { App().m_writePreview = false; }
  ~CPreviewSettingOff() { App().m_writePreview = m_saved; }
  CPreviewSettingOff(const CPreviewSettingOff&) = delete;
  CPreviewSettingOff& operator=(const CPreviewSettingOff&) = delete;

 private:
  bool m_saved;
};

// The trailer for a serialized project: zlib-compressed when that works, else raw.
std::vector<uint8_t> BuildRichTrailer(const std::vector<uint8_t>& project);

// Serializes the document as a project file does (without a preview picture) and
// returns the JPEG bytes followed by its trailer; empty with the reason in *error when
// the project cannot be serialized or is too large.
std::vector<uint8_t> AppendRichTrailer(std::vector<uint8_t> jpeg, CVellumDoc& doc, std::string* error);

enum class RichJpegResult {
  kPlainJpeg,   // no trailer: an ordinary JPEG
  kProject,     // the serialized project was extracted
  kCorrupted,   // the trailer is there but does not hold together
  kUncompressFailed,
};

// Looks for the trailer at the end of the file's bytes and extracts the serialized
// project into *project. Every length is checked against the file before use.
RichJpegResult ExtractRichProject(const uint8_t* data, size_t size, std::vector<uint8_t>* project);

// The message shown for a failed extraction ("" for the other results).
std::string RichJpegMessage(RichJpegResult result);

}  // namespace tessel
