#include "document/log_font.h"

#include "base/profile.h"

namespace tessel {

CLogFont CLogFont::FromProfile(const CProfile& p) {
  CLogFont f;
  f.height = p.GetInt("Font", "Height", 20);
  f.width = p.GetInt("Font", "Width", 0);
  f.escapement = p.GetInt("Font", "Escape", 0);
  f.orientation = p.GetInt("Font", "Orient", 0);
  f.weight = p.GetInt("Font", "Weight", 400);
  f.italic = uint8_t(p.GetInt("Font", "Italic", 0));
  f.faceName = p.GetString("Font", "Name", "Arial").substr(0, kFaceNameMax);
  return f;
}

bool CLogFont::operator==(const CLogFont& o) const {
  return height == o.height && width == o.width && escapement == o.escapement && orientation == o.orientation &&
         weight == o.weight && italic == o.italic && underline == o.underline && strikeOut == o.strikeOut &&
         charSet == o.charSet && outPrecision == o.outPrecision && clipPrecision == o.clipPrecision &&
         quality == o.quality && pitchAndFamily == o.pitchAndFamily && faceName == o.faceName;
}

}  // namespace tessel
