#include "base/profile.h"

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
    m_sections[section][Trim(line.substr(0, eq))] = Trim(line.substr(eq + 1));
  }
}

bool CProfile::Save() const {
  if (m_path.empty()) return true;
  std::string text;
  for (const auto& [section, keys] : m_sections) {
    text += "[" + section + "]\n";
    for (const auto& [key, value] : keys) text += key + "=" + value + "\n";
    text += "\n";
  }
  std::string error;
  return WriteFileSafely(m_path, text.data(), text.size(), &error, /*createDirs=*/true);
}

int CProfile::GetInt(const std::string& section, const std::string& key, int def) const {
  const std::string s = GetString(section, key, "");
  if (s.empty()) return def;
  char* end = nullptr;
  const long v = std::strtol(s.c_str(), &end, 10);
  return (end && *end == '\0') ? int(v) : def;
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
