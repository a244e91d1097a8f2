// Reading the values of SVG attributes and style properties: numbers, lengths,
// colours and transforms. Hostile text never throws; what cannot be read is reported.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/object_fields.h"

namespace tessel {

// An axis-aligned mapping x' = sx * x + tx, y' = sy * y + ty (translate and scale).
struct CSvgTransform {
  double sx = 1, sy = 1, tx = 0, ty = 0;
  double X(double x) const { return sx * x + tx; }
  double Y(double y) const { return sy * y + ty; }
  // The mapping that applies inner first, then this.
  CSvgTransform Then(const CSvgTransform& inner) const {
    return {sx * inner.sx, sy * inner.sy, sx * inner.tx + tx, sy * inner.ty + ty};
  }
};

// Every number in the text, in order: an optional sign, digits with at most one point,
// an optional exponent; anything else separates. Values that are not finite are dropped.
std::vector<double> SvgNumbers(const std::string& text);

// The first number of the text, or nullopt.
std::optional<double> SvgNumber(const std::string& text);

// A length in pixels: a number with an optional unit ("in"/"inch" x 72, "pt", "pc", "mm",
// "cm", "px"); nullopt when it holds no number or is a percentage.
std::optional<double> SvgLength(const std::string& text);

// A paint value: "#rrggbb" or "#rgb", "rgb(r, g, b)", or a colour keyword (other keywords
// give black); nullopt for "none".
std::optional<COLORREF> SvgColour(const std::string& text);

// A transform list: translate(x [y]), scale(sx [sy]) and matrix(a 0 0 d e f) compose in
// order; rotations and skews, which an axis-aligned mapping cannot hold, are ignored.
CSvgTransform SvgTransformList(const std::string& text);

// The value of a property in a CSS style text ("fill:red; stroke:none"), or nullopt.
std::optional<std::string> SvgStyleProperty(const std::string& style, const std::string& name);

}  // namespace tessel
