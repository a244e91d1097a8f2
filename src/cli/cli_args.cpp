#include "cli/cli_args.h"

#include <algorithm>
#include <cstdlib>

namespace tessel::cli {

bool CliArgs::Flag(const std::string& name) {
  auto it = std::find(m_args.begin(), m_args.end(), name);
  if (it == m_args.end()) return false;
  m_args.erase(it);
  return true;
}

std::optional<std::string> CliArgs::Value(const std::string& name) {
  auto it = std::find(m_args.begin(), m_args.end(), name);
  if (it == m_args.end()) return std::nullopt;
  if (std::next(it) == m_args.end()) {
    Fail(name + " needs a value");
    m_args.erase(it);
    return std::nullopt;
  }
  std::string v = *std::next(it);
  m_args.erase(it, it + 2);
  return v;
}

std::optional<std::string> CliArgs::TakeFront() {
  if (m_args.empty()) return std::nullopt;
  std::string front = m_args.front();
  m_args.erase(m_args.begin());
  return front;
}

std::optional<long> CliArgs::Int(const std::string& name, long lo, long hi) {
  const auto v = Value(name);
  if (!v) return std::nullopt;
  char* end = nullptr;
  const long n = std::strtol(v->c_str(), &end, 10);
  if (v->empty() || *end || n < lo || n > hi) {
    Fail(name + " needs a whole number from " + std::to_string(lo) + " to " + std::to_string(hi));
    return std::nullopt;
  }
  return n;
}

const std::vector<std::string>& CliArgs::Positional() {
  for (const auto& a : m_args)
    if (a.size() > 1 && a[0] == '-') Fail("unknown option " + a);
  return m_args;
}

bool ParseIntList(const std::string& text, std::vector<long>* out) {
  out->clear();
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = text.find(',', start);
    const std::string part = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    // Decimal, or hexadecimal after "0x"; a leading zero is not octal.
    const bool hex = part.size() > 2 && part[0] == '0' && (part[1] == 'x' || part[1] == 'X');
    char* end = nullptr;
    const long v = std::strtol(part.c_str(), &end, hex ? 16 : 10);
    if (part.empty() || *end) return false;
    out->push_back(v);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return true;
}

}  // namespace tessel::cli
