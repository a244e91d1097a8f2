// CLogFont: the logical font of artistic text, as stored in object records.
#pragma once

#include <cstdint>
#include <string>

namespace tessel {

class CProfile;

struct CLogFont {
  static constexpr size_t kFaceNameMax = 31;  // characters, before the terminating zero

  int32_t height = 20;
  int32_t width = 0;
  int32_t escapement = 0;
  int32_t orientation = 0;
  int32_t weight = 400;
  uint8_t italic = 0;
  uint8_t underline = 0;
  uint8_t strikeOut = 0;
  uint8_t charSet = 0;
  uint8_t outPrecision = 0;
  uint8_t clipPrecision = 0;
  uint8_t quality = 0;
  uint8_t pitchAndFamily = 0x20;
  std::string faceName = "Arial";

  // The defaults of new objects: section "Font" of the profile ("Height", "Width",
  // "Escape", "Orient", "Weight", "Italic", "Name"); the face name is cut to 31 characters.
  static CLogFont FromProfile(const CProfile& profile);
  bool operator==(const CLogFont& o) const;
};

}  // namespace tessel
