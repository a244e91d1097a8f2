// CProfile: the program's settings as sections and keys with integer and string
// values. Stored as an INI file, or kept in memory only (tests, the CLI's --no-config).
// Every string survives the file: values with blanks at either end, line breaks or a
// leading quote are written in double quotes with backslash escapes.
#pragma once

#include <map>
#include <string>

namespace tessel {

class CProfile {
 public:
  // An in-memory profile that is never written anywhere.
  CProfile() = default;
  // A profile backed by an INI file; reads it now when it exists.
  explicit CProfile(std::string iniPath);

  // The value of section/key, or the caller's default when the key is absent or (for
  // integers) not a number.
  int GetInt(const std::string& section, const std::string& key, int def) const;
  std::string GetString(const std::string& section, const std::string& key, const std::string& def) const;

  // Stores a value; a file-backed profile writes the file at once. Returns false when
  // the file could not be written.
  bool WriteInt(const std::string& section, const std::string& key, int value);
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);

  const std::string& Path() const { return m_path; }
  // The default INI path: $TESSEL_CONFIG, else $XDG_CONFIG_HOME/Corvana/Tessel.ini,
  // else ~/.config/Corvana/Tessel.ini.
  static std::string DefaultPath();

 private:
  bool Save() const;
  void Load();

  std::string m_path;
  std::map<std::string, std::map<std::string, std::string>> m_sections;
};

}  // namespace tessel
