// Glyph outlines of artistic text. The font is the face that fontconfig matches for a
// logical font (face name, bold, italic); FreeType supplies its outlines, which are
// laid out line by line and returned as closed contours of lines and cubic segments in
// pixels, ready to become the contour set of a text object.
//
//   TextStyle style;
//   style.text = "Hello\nworld";
//   style.size = 48;  // em height in pixels
//   CTextOutline outline;
//   std::string error;
//   if (!BuildTextOutline(style, outline, &error)) ... error says why
//
// Fonts are looked up and opened once per process and kept; building is guarded by
// one mutex, so it may be called from any thread.
#pragma once

#include <string>
#include <vector>

#include "geometry/polynome.h"

namespace tessel {

struct TextStyle {
  std::string text;                 // UTF-8 (bytes that are not UTF-8 read as Latin-1); "\n" breaks lines
  std::string faceName = "Arial";   // logical face name handed to fontconfig
  bool bold = false;                // a bold face, or a synthetic bold when none exists
  bool italic = false;              // an italic face, or a synthetic oblique when none exists
  double size = 20.0;               // em height in pixels
  int align = 0;                    // 0 left, 1 center, 2 right within the widest line
};

struct CTextOutline {
  // Closed contours in pixels, y down, origin at the top-left of the box. Each starts
  // with a kPolyIsland point; a kPolyCurve point and the two after it are the controls
  // and end of a cubic; the last point joins the first with a straight line.
  std::vector<std::vector<CPolyPoint>> m_contours;
  double m_width = 0;       // box: the layout box, grown where ink overhangs it
  double m_height = 0;
  double m_advance = 0;     // advance of the widest line
  double m_lineHeight = 0;  // baseline to baseline, from the face's height metric
  int m_lineCount = 0;
  std::string m_family;     // family name of the face used
  std::string m_fontFile;   // its file
  bool m_syntheticBold = false;    // bold was asked and the face is not bold
  bool m_syntheticItalic = false;  // italic was asked and the face is not italic
};

// Builds the outline of style.text in the face fontconfig matches for the style.
// Returns false, with a reason in *error when given, for an empty text or when no
// scalable font can be found or opened.
bool BuildTextOutline(const TextStyle& style, CTextOutline& out, std::string* error = nullptr);

// The same with the face at fontFile (face index 0) instead of a fontconfig match;
// style.faceName is ignored and bold and italic are synthesised when the face lacks them.
bool BuildTextOutlineFromFile(const TextStyle& style, const std::string& fontFile, CTextOutline& out,
                              std::string* error = nullptr);

}  // namespace tessel
