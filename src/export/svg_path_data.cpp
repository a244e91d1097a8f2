#include "export/svg_path_data.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace tessel {

namespace {
bool IsNumber(const std::string& token) { return !std::isalpha(static_cast<unsigned char>(token[0])); }

// The reading position over the tokens; Number() takes the next token when it is one.
class TokenCursor {
 public:
  explicit TokenCursor(std::vector<std::string> tokens) : m_tokens(std::move(tokens)) {}
  bool AtEnd() const { return m_pos >= m_tokens.size(); }
  const std::string& Take() { return m_tokens[m_pos++]; }
  bool Number(double* v) {
    if (AtEnd() || !IsNumber(m_tokens[m_pos])) return false;
    *v = std::strtod(m_tokens[m_pos++].c_str(), nullptr);
    return std::isfinite(*v);
  }
  bool Pair(double* x, double* y) { return Number(x) && Number(y); }

 private:
  std::vector<std::string> m_tokens;
  size_t m_pos = 0;
};
}  // namespace

std::vector<std::string> TokenizePathData(const std::string& d) {
  std::vector<std::string> tokens;
  size_t i = 0;
  while (i < d.size()) {
    const char c = d[i];
    if (std::isalpha(static_cast<unsigned char>(c))) {
      tokens.emplace_back(1, c);
      ++i;
      continue;
    }
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+')) {
      ++i;
      continue;
    }
    size_t j = i + 1;
    bool point = c == '.';
    while (j < d.size()) {
      const char n = d[j];
      if (std::isdigit(static_cast<unsigned char>(n))) {
        ++j;
      } else if (n == '.' && !point) {
        point = true, ++j;
      } else if ((n == 'e' || n == 'E') && j + 1 < d.size() &&
                 (std::isdigit(static_cast<unsigned char>(d[j + 1])) ||
                  ((d[j + 1] == '-' || d[j + 1] == '+') && j + 2 < d.size() &&
                   std::isdigit(static_cast<unsigned char>(d[j + 2]))))) {
        j += 2;  // an exponent belongs to its number
        while (j < d.size() && std::isdigit(static_cast<unsigned char>(d[j]))) ++j;
        break;
      } else {
        break;
      }
    }
    const std::string number = d.substr(i, j - i);
    if (number.find_first_of("0123456789") != std::string::npos) tokens.push_back(number);
    i = j;
  }
  return tokens;
}

std::vector<CSvgPoint> ParsePathData(const std::string& d) {
  TokenCursor cur(TokenizePathData(d));
  std::vector<CSvgPoint> points;
  double x = 0, y = 0;            // current point
  double startX = 0, startY = 0;  // first point of the contour
  while (!cur.AtEnd()) {
    const std::string& token = cur.Take();
    if (IsNumber(token)) continue;  // a number no command takes
    const char c = token[0];
    const bool rel = std::islower(static_cast<unsigned char>(c));
    const double ox = rel ? x : 0, oy = rel ? y : 0;
    double a = 0, b = 0;
    switch (std::toupper(static_cast<unsigned char>(c))) {
      case 'M':
        if (!cur.Pair(&a, &b)) break;
        x = startX = ox + a, y = startY = oy + b;
        points.push_back({x, y, kSvgMove});
        break;
      case 'L':
        if (!cur.Pair(&a, &b)) break;
        x = ox + a, y = oy + b;
        points.push_back({x, y, kSvgLine});
        break;
      case 'H':
        if (!cur.Number(&a)) break;
        x = ox + a;
        points.push_back({x, y, kSvgLine});
        break;
      case 'V':
        if (!cur.Number(&b)) break;
        y = (rel ? y : 0) + b;
        points.push_back({x, y, kSvgLine});
        break;
      case 'C': {
        double p[6];
        bool ok = true;
        for (double& v : p) ok = ok && cur.Number(&v);
        if (!ok) break;
        for (int k = 0; k < 3; ++k) points.push_back({ox + p[2 * k], oy + p[2 * k + 1], kSvgCurve});
        x = ox + p[4], y = oy + p[5];
        break;
      }
      case 'Z':
        if (!rel) break;  // only the lower-case letter closes the contour
        points.push_back({startX, startY, kSvgClose});
        x = startX, y = startY;
        break;
      default:
        break;
    }
  }
  return points;
}

}  // namespace tessel
