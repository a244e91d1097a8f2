#include "export/svg_values.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace tessel {

namespace {
constexpr double kPointsPerInch = 72.0;  // the drawing's inch, as the importer has always read it
constexpr double kMmPerInch = 25.4;
constexpr double kPointsPerPica = 12.0;

std::string Lower(std::string s) {
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string Trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

// Scans one number at text[i]; returns its end, or i when none starts there.
size_t ScanNumber(const std::string& t, size_t i) {
  size_t j = i;
  if (j < t.size() && (t[j] == '-' || t[j] == '+')) ++j;
  size_t digits = 0;
  while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) ++j, ++digits;
  if (j < t.size() && t[j] == '.') {
    ++j;
    while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) ++j, ++digits;
  }
  if (!digits) return i;
  if (j < t.size() && (t[j] == 'e' || t[j] == 'E')) {
    size_t k = j + 1;
    if (k < t.size() && (t[k] == '-' || t[k] == '+')) ++k;
    if (k < t.size() && std::isdigit(static_cast<unsigned char>(t[k]))) {
      while (k < t.size() && std::isdigit(static_cast<unsigned char>(t[k]))) ++k;
      j = k;
    }
  }
  return j;
}

struct NamedColour {
  const char* name;
  COLORREF rgb;  // 0xRRGGBB as written in CSS
};
constexpr NamedColour kColours[] = {
    {"black", 0x000000}, {"blue", 0x0000FF},   {"red", 0xFF0000},    {"white", 0xFFFFFF}, {"teal", 0x008080},
    {"aqua", 0x00FFFF},  {"navy", 0x000080},   {"yellow", 0xFFFF00}, {"olive", 0x808000}, {"lime", 0x00FF00},
    {"green", 0x008000}, {"maroon", 0x800000}, {"gray", 0x808080},   {"silver", 0xC0C0C0},
    {"purple", 0x800080}, {"fuchsia", 0xFF00FF},
};

COLORREF FromRgb(unsigned r, unsigned g, unsigned b) { return COLORREF(r | (g << 8) | (b << 16)); }
unsigned Channel(double v) { return unsigned(std::clamp(v, 0.0, 255.0)); }
}  // namespace

std::vector<double> SvgNumbers(const std::string& text) {
  std::vector<double> out;
  for (size_t i = 0; i < text.size();) {
    const size_t end = ScanNumber(text, i);
    if (end == i) {
      ++i;
      continue;
    }
    const double v = std::strtod(text.substr(i, end - i).c_str(), nullptr);
    if (std::isfinite(v)) out.push_back(v);
    i = end;
  }
  return out;
}

std::optional<double> SvgNumber(const std::string& text) {
  const std::string t = Trim(text);
  const size_t end = ScanNumber(t, 0);
  if (end == 0) return std::nullopt;
  const double v = std::strtod(t.substr(0, end).c_str(), nullptr);
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<double> SvgLength(const std::string& text) {
  const std::string t = Lower(Trim(text));
  const auto v = SvgNumber(t);
  if (!v) return std::nullopt;
  const std::string unit = Trim(t.substr(ScanNumber(t, 0)));
  if (unit == "%") return std::nullopt;
  if (unit.rfind("in", 0) == 0) return *v * kPointsPerInch;
  if (unit == "mm") return *v * kPointsPerInch / kMmPerInch;
  if (unit == "cm") return *v * kPointsPerInch * 10 / kMmPerInch;
  if (unit == "pc") return *v * kPointsPerPica;
  return *v;
}

std::optional<COLORREF> SvgColour(const std::string& text) {
  const std::string t = Lower(Trim(text));
  if (t == "none") return std::nullopt;
  if (!t.empty() && t[0] == '#') {
    std::string hex = t.substr(1);
    hex = hex.substr(0, hex.find_first_not_of("0123456789abcdef"));
    if (hex.size() == 3) hex = {hex[0], hex[0], hex[1], hex[1], hex[2], hex[2]};
    if (hex.size() < 6) return COLORREF(0);
    const unsigned long v = std::strtoul(hex.substr(0, 6).c_str(), nullptr, 16);
    return FromRgb(unsigned(v >> 16) & 0xFF, unsigned(v >> 8) & 0xFF, unsigned(v) & 0xFF);
  }
  if (t.rfind("rgb(", 0) == 0) {
    const auto n = SvgNumbers(t.substr(4));
    if (n.size() < 3) return COLORREF(0);
    return FromRgb(Channel(n[0]), Channel(n[1]), Channel(n[2]));
  }
  for (const auto& c : kColours)
    if (t == c.name) return FromRgb(c.rgb >> 16, (c.rgb >> 8) & 0xFF, c.rgb & 0xFF);
  return COLORREF(0);
}

CSvgTransform SvgTransformList(const std::string& text) {
  const std::string t = Lower(text);
  CSvgTransform result;
  size_t i = 0;
  while (i < t.size()) {
    const size_t open = t.find('(', i);
    if (open == std::string::npos) break;
    const size_t close = t.find(')', open);
    const std::string name = Trim(t.substr(i, open - i));
    const auto n = SvgNumbers(t.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1));
    CSvgTransform step;
    if (name.size() >= 9 && name.compare(name.size() - 9, 9, "translate") == 0) {
      step.tx = n.size() > 0 ? n[0] : 0;
      step.ty = n.size() > 1 ? n[1] : 0;
    } else if (name.size() >= 5 && name.compare(name.size() - 5, 5, "scale") == 0) {
      step.sx = n.size() > 0 ? n[0] : 1.0;
      step.sy = n.size() > 1 ? n[1] : step.sx;
    } else if (name.size() >= 6 && name.compare(name.size() - 6, 6, "matrix") == 0 && n.size() == 6 &&
               n[1] == 0 && n[2] == 0) {
      step = {n[0], n[3], n[4], n[5]};
    }
    result = result.Then(step);
    if (close == std::string::npos) break;
    i = close + 1;
  }
  return result;
}

std::optional<std::string> SvgStyleProperty(const std::string& style, const std::string& name) {
  size_t i = 0;
  while (i < style.size()) {
    size_t end = style.find(';', i);
    if (end == std::string::npos) end = style.size();
    const std::string item = style.substr(i, end - i);
    const size_t colon = item.find(':');
    if (colon != std::string::npos && Lower(Trim(item.substr(0, colon))) == name) return Trim(item.substr(colon + 1));
    i = end + 1;
  }
  return std::nullopt;
}

}  // namespace tessel
