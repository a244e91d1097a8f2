#include "base/profile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>

#include "base/safe_file.h"

namespace tessel {

namespace {
std::string Trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return {};
  const size_t e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

// A value that would not survive a plain "key=value" line (blanks at either end, a line
// break, a leading quote) is written in double quotes with \\, \", \n and \r escapes.
std::string EncodeValue(const std::string& v) {
  const bool plain = v.find_first_of("\r\n") == std::string::npos && Trim(v) == v && (v.empty() || v.front() != '"');
  if (plain) return v;
  std::string out = "\"";
  for (const char c : v) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out + '"';
}

// Reverses EncodeValue; a value without surrounding quotes is taken as it stands.
std::string DecodeValue(const std::string& v) {
  if (v.size() < 2 || v.front() != '"' || v.back() != '"') return v;
  std::string out;
  for (size_t i = 1; i + 1 < v.size(); ++i) {
    char c = v[i];
    if (c == '\\' && i + 2 < v.size()) {
      const char e = v[++i];
      c = e == 'n' ? '\n' : e == 'r' ? '\r' : e;
    }
    out += c;
  }
  return out;
}
}  // namespace

CProfile::CProfile(std::string iniPath) : m_path(std::move(iniPath)) { Load(); }

std::string CProfile::DefaultPath() {
  if (const char* p = std::getenv("TESSEL_CONFIG"); p && *p) return p;
  std::string base;
  if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x) {
    base = x;
  } else if (const char* h = std::getenv("HOME"); h && *h) {
    base = std::string(h) + "/.config";
  } else {
    base = ".";
  }
  return base + "/Corvana/Tessel.ini";
}

void CProfile::Load() {
  std::ifstream in(m_path);
  std::string line, section;
  while (std::getline(in, line)) {
    line = Trim(line);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    m_sections[section][Trim(line.substr(0, eq))] = DecodeValue(Trim(line.substr(eq + 1)));
  }
}

bool CProfile::Save() const {
  if (m_path.empty()) return true;
  std::string text;
  for (const auto& [section, keys] : m_sections) {
    text += "[" + section + "]\n";
    for (const auto& [key, value] : keys) text += key + "=" + EncodeValue(value) + "\n";
    text += "\n";
  }
  std::string error;
  return WriteFileSafely(m_path, text.data(), text.size(), &error, /*createDirs=*/true);
}

int CProfile::GetInt(const std::string& section, const std::string& key, int def) const {
  const std::string s = GetString(section, key, "");
  if (s.empty()) return def;
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(s.c_str(), &end, 10);
  if (end == s.c_str() || *end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX) return def;
  return int(v);
}

std::string CProfile::GetString(const std::string& section, const std::string& key,
                                const std::string& def) const {
  const auto s = m_sections.find(section);
  if (s == m_sections.end()) return def;
  const auto k = s->second.find(key);
  return k == s->second.end() ? def : k->second;
}

bool CProfile::WriteInt(const std::string& section, const std::string& key, int value) {
  return WriteString(section, key, std::to_string(value));
}

bool CProfile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  m_sections[section][key] = value;
  return Save();
}

}  // namespace tessel
