// The commands of tessel-cli. Each returns the process exit status.
#pragma once

#include <optional>
#include <string>

namespace tessel::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct CliOptions {
  bool quiet = false;
  bool yes = false;
  bool json = false;
  bool transparent = false;
  bool lensesOff = false;
  bool wireframe = false;
  int scale = 1;
  std::optional<std::string> password;
};

int RunInfo(const std::string& path, const CliOptions& opt);
int RunResave(const std::string& in, const std::string& out, const CliOptions& opt);
int RunRender(const std::string& in, const std::string& out, const CliOptions& opt);

}  // namespace tessel::cli
