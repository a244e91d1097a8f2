#include "view/guidelines_text.h"

#include <cstdint>
#include <limits>

namespace tessel {

namespace {
// The leading number of a line the way atoi reads it, without its overflow: the
// value saturates at the int32 limits.
int32_t LeadingNumber(const std::string& line) {
  size_t i = line.find_first_not_of(" \t");
  if (i == std::string::npos) return 0;
  bool negative = false;
  if (line[i] == '+' || line[i] == '-') negative = line[i++] == '-';
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  int64_t value = 0;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
    value = value * 10 + (line[i] - '0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) return static_cast<int32_t>(-value);
  return static_cast<int32_t>(value == kLimit ? kLimit - 1 : value);
}
}  // namespace

std::string FormatGuidelineText(const std::vector<int32_t>& positions) {
  std::string text;
  for (const int32_t p : positions) text += std::to_string(p) + "\r\n";
  return text;
}

std::vector<int32_t> ParseGuidelineText(const std::string& text) {
  std::vector<int32_t> positions;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) positions.push_back(LeadingNumber(line));
    start = end + 1;
  }
  return positions;
}

std::string CheckGridDistance(int distance) {
  return distance < kMinGridDistance ? kMinGridMessage : "";
}

}  // namespace tessel
