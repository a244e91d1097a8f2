// Files written by export tests are normally removed with their temporary folder. The
// outside checks (tests/scripts/check_*.sh) set TESSEL_KEEP_OUTPUT to a folder to get
// copies of them for other programs to open.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace tessel::test {

inline void KeepForOutsideCheck(const std::string& path) {
  const char* folder = std::getenv("TESSEL_KEEP_OUTPUT");
  if (!folder || !*folder) return;
  std::error_code ec;
  std::filesystem::copy_file(path, std::filesystem::path(folder) / std::filesystem::path(path).filename(),
                             std::filesystem::copy_options::overwrite_existing, ec);
}

}  // namespace tessel::test
