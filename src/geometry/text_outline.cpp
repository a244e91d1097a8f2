#include "geometry/text_outline.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>

namespace tessel {

namespace {

// Synthetic oblique: x grows by this times the height above the baseline, a 12 degree
// slant, the one FreeType and most toolkits use for a missing italic.
constexpr double kObliqueShear = 0.2126;
// Synthetic bold thickens every stroke by an em / 24, as FreeType's own emboldening does.
constexpr int kEmboldenDivisor = 24;
// OS/2 weight class from which a face counts as bold (600 is "Semibold").
constexpr int kBoldWeightClass = 600;
// Metrics used when a face does not give its own (rare broken fonts).
constexpr double kFallbackLineHeightEm = 1.2;
constexpr double kFallbackAscenderEm = 0.8;

void SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}

// One opened face and what it is.
struct CFontFace {
  FT_Face m_face = nullptr;
  std::string m_family;
  std::string m_file;
  bool m_bold = false;
  bool m_italic = false;
};

bool FaceIsBold(FT_Face face) {
  if (auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2)); os2 && os2->version != 0xFFFF)
    return os2->usWeightClass >= kBoldWeightClass;
  return (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
}

// The process's FreeType library, fontconfig and every face opened so far. Faces are
// opened once and kept for the life of the process: a drawing uses a handful of fonts
// and reopening (and fontconfig matching) costs far more than building an outline.
class CFontStore {
 public:
  static CFontStore& Get() {
    static CFontStore store;
    return store;
  }
  ~CFontStore() {
    for (auto& f : m_faces) FT_Done_Face(f.second->m_face);
    if (m_library) FT_Done_FreeType(m_library);
    if (m_config) FcConfigDestroy(m_config);
  }

  // FT faces are not thread-safe; whoever uses a face holds this.
  std::mutex m_mutex;

  // The face fontconfig matches for a face name, bold and italic (cached per request).
  const CFontFace* Match(const std::string& name, bool bold, bool italic, std::string* error) {
    const std::string key = name + '\n' + char('0' + bold) + char('0' + italic);
    if (auto it = m_matches.find(key); it != m_matches.end()) return it->second;
    if (!m_config && !(m_config = FcInitLoadConfigAndFonts())) {
      SetError(error, "No font available: fontconfig could not load its configuration");
      return nullptr;
    }
    FcPattern* pattern = FcPatternCreate();
    if (!name.empty()) FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);  // only outline fonts give contours
    FcConfigSubstitute(m_config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(m_config, pattern, &result);
    FcPatternDestroy(pattern);
    FcChar8* file = nullptr;
    int index = 0;
    const bool found = match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch;
    const std::string path = found ? reinterpret_cast<const char*>(file) : "";
    if (match) FcPatternGetInteger(match, FC_INDEX, 0, &index);
    if (match) FcPatternDestroy(match);
    if (!found) {
      SetError(error, "No font available for \"" + name + "\": fontconfig found no font at all");
      return nullptr;
    }
    const CFontFace* face = Open(path, index, error);
    if (face) m_matches[key] = face;
    return face;
  }

  // The face at file (face index within the file), opened once.
  const CFontFace* Open(const std::string& file, int index, std::string* error) {
    const std::string key = file + '#' + std::to_string(index);
    if (auto it = m_faces.find(key); it != m_faces.end()) return it->second.get();
    if (!m_library && FT_Init_FreeType(&m_library) != 0) {
      m_library = nullptr;
      SetError(error, "No font available: FreeType could not be initialised");
      return nullptr;
    }
    FT_Face face = nullptr;
    if (FT_New_Face(m_library, file.c_str(), index, &face) != 0) {
      SetError(error, "No font available: cannot open the font file " + file);
      return nullptr;
    }
    if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
      FT_Done_Face(face);
      SetError(error, "No font available: " + file + " has no glyph outlines");
      return nullptr;
    }
    auto f = std::make_unique<CFontFace>();
    f->m_face = face;
    f->m_family = face->family_name ? face->family_name : "";
    f->m_file = file;
    f->m_bold = FaceIsBold(face);
    f->m_italic = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    return (m_faces[key] = std::move(f)).get();
  }

 private:
  CFontStore() = default;
  FT_Library m_library = nullptr;
  // A configuration of our own rather than fontconfig's global one, so that it can be
  // released at exit without pulling it from under other users of fontconfig.
  FcConfig* m_config = nullptr;
  std::map<std::string, std::unique_ptr<CFontFace>> m_faces;  // by file and face index
  std::map<std::string, const CFontFace*> m_matches;          // by request
};

// Splits UTF-8 text into lines of code points. A byte that does not start a valid
// UTF-8 sequence is taken as Latin-1, so that texts of older projects still show.
// Control characters draw nothing and are dropped.
std::vector<std::u32string> SplitLines(const std::string& text) {
  std::vector<std::u32string> lines(1);
  const size_t n = text.size();
  for (size_t i = 0; i < n;) {
    const auto c = uint8_t(text[i]);
    int len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    char32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
    bool valid = len > 0 && i + len <= n;
    for (int k = 1; valid && k < len; ++k) {
      const auto b = uint8_t(text[i + k]);
      valid = (b & 0xC0) == 0x80;
      cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMinimum[5] = {0, 0, 0x80, 0x800, 0x10000};  // shorter forms are overlong
    if (!valid || cp < kMinimum[len] || cp > 0x10FFFF) {
      cp = c;
      len = 1;
    }
    i += len;
    if (cp == U'\n')
      lines.emplace_back();
    else if (cp >= 0x20 && !(cp >= 0x7F && cp < 0xA0))
      lines.back().push_back(cp);
  }
  return lines;
}

// Receives one glyph's outline from FT_Outline_Decompose (font units, y up) and
// appends it in pixels (y down), with the pen position, baseline and shear applied.
// Every segment becomes a line or a cubic: a conic with control q from p0 to p2 is the
// cubic with controls p0 + 2/3 (q - p0) and p2 + 2/3 (q - p2), exactly.
struct CGlyphSink {
  std::vector<std::vector<CPolyPoint>>* m_contours = nullptr;
  double m_originX = 0;
  double m_baseline = 0;
  double m_scale = 1;
  double m_shear = 0;
  bool m_inContour = false;  // the last contour is still being written
  bool m_lastWasLine = false;

  CPolyPoint Map(const FT_Vector* v, uint8_t flag = 0) const {
    const double x = double(v->x), y = double(v->y);
    return {m_originX + (x + m_shear * y) * m_scale, m_baseline - y * m_scale, flag};
  }
  std::vector<CPolyPoint>& Current() { return m_contours->back(); }

  // The last contour is closed implicitly: a final line back onto its start is dropped,
  // and a contour that encloses nothing is removed.
  void FinishContour() {
    if (!m_inContour) return;
    m_inContour = false;
    auto& c = Current();
    if (m_lastWasLine && c.size() > 1 && c.back().x == c.front().x && c.back().y == c.front().y) c.pop_back();
    if (c.size() < 3) m_contours->pop_back();
  }

  static int MoveTo(const FT_Vector* to, void* user) {
    auto* s = static_cast<CGlyphSink*>(user);
    s->FinishContour();
    s->m_contours->push_back({s->Map(to, kPolyIsland)});
    s->m_inContour = true;
    s->m_lastWasLine = false;
    return 0;
  }
  static int LineTo(const FT_Vector* to, void* user) {
    auto* s = static_cast<CGlyphSink*>(user);
    s->Current().push_back(s->Map(to));
    s->m_lastWasLine = true;
    return 0;
  }
  static int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
    auto* s = static_cast<CGlyphSink*>(user);
    auto& c = s->Current();
    const CPolyPoint p0 = c.back(), q = s->Map(control), p2 = s->Map(to);
    constexpr double k = 2.0 / 3.0;
    c.push_back({p0.x + k * (q.x - p0.x), p0.y + k * (q.y - p0.y), kPolyCurve});
    c.push_back({p2.x + k * (q.x - p2.x), p2.y + k * (q.y - p2.y), 0});
    c.push_back(p2);
    s->m_lastWasLine = false;
    return 0;
  }
  static int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    auto* s = static_cast<CGlyphSink*>(user);
    auto& c = s->Current();
    c.push_back(s->Map(c1, kPolyCurve));
    c.push_back(s->Map(c2));
    c.push_back(s->Map(to));
    s->m_lastWasLine = false;
    return 0;
  }
};

const FT_Outline_Funcs kSinkFuncs = {&CGlyphSink::MoveTo, &CGlyphSink::LineTo, &CGlyphSink::ConicTo,
                                     &CGlyphSink::CubicTo, 0, 0};

// Lays the lines out in the face: unhinted outlines in font units scaled to the em
// size, advances and kerning summed per line, baselines one face height apart.
void LayOut(const TextStyle& style, const CFontFace& font, CTextOutline& out) {
  const FT_Face face = font.m_face;
  const double em = face->units_per_EM;
  const double scale = style.size / em;
  const FT_Pos strength = (style.bold && !font.m_bold) ? FT_Pos(em / kEmboldenDivisor) : 0;
  const double lineHeight = face->height > 0                          ? face->height
                            : face->ascender - face->descender > 0 ? face->ascender - face->descender
                                                                      : kFallbackLineHeightEm * em;
  const double ascender = face->ascender > 0 ? face->ascender : kFallbackAscenderEm * em;

  out = CTextOutline();
  out.m_family = font.m_family;
  out.m_fontFile = font.m_file;
  out.m_syntheticBold = strength > 0;
  out.m_syntheticItalic = style.italic && !font.m_italic;

  CGlyphSink sink;
  sink.m_contours = &out.m_contours;
  sink.m_scale = scale;
  sink.m_shear = out.m_syntheticItalic ? kObliqueShear : 0.0;

  const std::vector<std::u32string> lines = SplitLines(style.text);
  std::vector<size_t> lineFirstContour;
  std::vector<double> lineAdvance;
  for (size_t i = 0; i < lines.size(); ++i) {
    lineFirstContour.push_back(out.m_contours.size());
    sink.m_baseline = (double(i) * lineHeight + ascender) * scale;
    FT_Pos pen = 0;
    FT_UInt previous = 0;
    for (char32_t cp : lines[i]) {
      const FT_UInt glyph = FT_Get_Char_Index(face, cp);
      FT_Vector kern{0, 0};
      if (previous && glyph && FT_HAS_KERNING(face) &&
          FT_Get_Kerning(face, previous, glyph, FT_KERNING_UNSCALED, &kern) == 0)
        pen += kern.x;
      previous = 0;
      // NO_SCALE gives the design outline in font units: unhinted, exact at any size.
      if (FT_Load_Glyph(face, glyph, FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP) != 0) continue;
      FT_GlyphSlot slot = face->glyph;
      if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (strength > 0) FT_Outline_Embolden(&slot->outline, strength);
        const size_t before = out.m_contours.size();
        sink.m_originX = double(pen) * scale;
        const bool decomposed = FT_Outline_Decompose(&slot->outline, &kSinkFuncs, &sink) == 0;
        sink.FinishContour();
        if (!decomposed) out.m_contours.resize(before);  // drop a glyph that failed half-way
      }
      pen += slot->metrics.horiAdvance + strength;
      previous = glyph;
    }
    lineAdvance.push_back(double(pen) * scale);
  }

  out.m_advance = *std::max_element(lineAdvance.begin(), lineAdvance.end());
  out.m_lineCount = int(lines.size());
  out.m_lineHeight = lineHeight * scale;
  const double alignFactor = style.align == 1 ? 0.5 : style.align == 2 ? 1.0 : 0.0;
  lineFirstContour.push_back(out.m_contours.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    const double dx = (out.m_advance - lineAdvance[i]) * alignFactor;
    for (size_t c = lineFirstContour[i]; c < lineFirstContour[i + 1]; ++c)
      for (auto& p : out.m_contours[c]) p.x += dx;
  }

  // The box is the layout box (widest advance by line count x line height) rather than
  // the ink bounds: the text keeps its place when a line changes, and its height stays
  // line count x line height, which the mask's supersampling of live text reads. Where
  // ink (or a control point) overhangs it (italics, synthetic bold, swashes, accents
  // above the ascender) the box grows to take it in, because the object's box must hold
  // every point of the text; the origin moves to the grown box's top-left.
  double minX = 0, minY = 0, maxX = out.m_advance, maxY = out.m_lineCount * out.m_lineHeight;
  for (const auto& contour : out.m_contours)
    for (const auto& p : contour) {
      minX = std::min(minX, p.x);
      maxX = std::max(maxX, p.x);
      minY = std::min(minY, p.y);
      maxY = std::max(maxY, p.y);
    }
  if (minX < 0 || minY < 0)
    for (auto& contour : out.m_contours)
      for (auto& p : contour) {
        p.x -= minX;
        p.y -= minY;
      }
  out.m_width = maxX - minX;
  out.m_height = maxY - minY;
}

bool CheckStyle(const TextStyle& style, std::string* error) {
  if (style.text.empty()) {
    SetError(error, "The text is empty");
    return false;
  }
  if (!(style.size > 0) || !std::isfinite(style.size)) {
    SetError(error, "The text size must be a positive number of pixels");
    return false;
  }
  return true;
}

}  // namespace

bool BuildTextOutline(const TextStyle& style, CTextOutline& out, std::string* error) {
  if (!CheckStyle(style, error)) return false;
  CFontStore& store = CFontStore::Get();
  std::lock_guard<std::mutex> lock(store.m_mutex);
  const CFontFace* font = store.Match(style.faceName, style.bold, style.italic, error);
  if (!font) return false;
  LayOut(style, *font, out);
  return true;
}

bool BuildTextOutlineFromFile(const TextStyle& style, const std::string& fontFile, CTextOutline& out,
                              std::string* error) {
  if (!CheckStyle(style, error)) return false;
  CFontStore& store = CFontStore::Get();
  std::lock_guard<std::mutex> lock(store.m_mutex);
  const CFontFace* font = store.Open(fontFile, 0, error);
  if (!font) return false;
  LayOut(style, *font, out);
  return true;
}

}  // namespace tessel
