// AppPaths: the program folder (shipped data) and the user folder (writable data).
// Data files are looked up in the user folder first, then in the program folder.
#pragma once

#include <string>

namespace tessel {

class AppPaths {
 public:
  AppPaths() = default;
  AppPaths(std::string programFolder, std::string userFolder)
      : m_program(std::move(programFolder)), m_user(std::move(userFolder)) {}

  // Program folder: $TESSEL_HOME, else <exeDir>/../share/tessel when it exists, else
  // the source tree's data/ folder. User folder: $TESSEL_USER_HOME, else
  // $XDG_DATA_HOME/Tessel, else ~/.local/share/Tessel.
  static AppPaths FromEnvironment(const std::string& exeDir);

  const std::string& ProgramFolder() const { return m_program; }
  const std::string& UserFolder() const { return m_user; }

  // The path of name inside a data folder ("Textures", "Styles", ...): the user
  // folder's copy when it exists, else the program folder's (which may not exist).
  std::string Find(const std::string& folder, const std::string& name) const;
  // Where writable files such as "backup.tsl" and "export.tmp" go.
  std::string UserFile(const std::string& name) const { return m_user + "/" + name; }

 private:
  std::string m_program;
  std::string m_user;
};

}  // namespace tessel
