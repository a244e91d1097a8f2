// The path data ("d") of SVG <path> elements read into outline points of a contour set.
#pragma once

#include <string>
#include <vector>

namespace tessel {

// Point types of imported outlines.
enum SvgPointType { kSvgLine = 2, kSvgClose = 3, kSvgCurve = 4, kSvgMove = 6 };

struct CSvgPoint {
  double x = 0, y = 0;
  int type = kSvgLine;
};

// Splits path data into tokens: each letter is a token of its own and numbers are
// tokens (a sign, a second point or any other character starts a new one).
std::vector<std::string> TokenizePathData(const std::string& d);

// Reads path data: "M"/"m" one pair as a move, "L"/"l" one pair as a line point, "H"/"h"
// one x and "V"/"v" one y, "C"/"c" three pairs as curve points (lower case relative to
// the current point), "z" a copy of the contour's first point. Numbers that no command
// takes, "Z" and every other letter are skipped. A command whose numbers are missing
// adds nothing.
std::vector<CSvgPoint> ParsePathData(const std::string& d);

}  // namespace tessel
