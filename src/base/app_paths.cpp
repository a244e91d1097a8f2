#include "base/app_paths.h"

#include <cstdlib>
#include <filesystem>

namespace tessel {

namespace {
std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return (v && *v) ? std::string(v) : std::string();
}
}  // namespace

AppPaths AppPaths::FromEnvironment(const std::string& exeDir) {
  namespace fs = std::filesystem;
  std::string program = Env("TESSEL_HOME");
  if (program.empty()) {
    const fs::path installed = fs::path(exeDir) / ".." / "share" / "tessel";
    std::error_code ec;
    program = fs::is_directory(installed, ec) ? installed.lexically_normal().string() : std::string(TESSEL_SOURCE_DATA_DIR);
  }
  std::string user = Env("TESSEL_USER_HOME");
  if (user.empty()) {
    const std::string xdg = Env("XDG_DATA_HOME");
    user = !xdg.empty() ? xdg + "/Tessel" : Env("HOME") + "/.local/share/Tessel";
  }
  return AppPaths(program, user);
}

std::string AppPaths::Find(const std::string& folder, const std::string& name) const {
  std::error_code ec;
  const std::string user = m_user + "/" + folder + "/" + name;
  if (!m_user.empty() && std::filesystem::exists(user, ec)) return user;
  return m_program + "/" + folder + "/" + name;
}

}  // namespace tessel
