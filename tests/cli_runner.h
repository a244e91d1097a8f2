// Running the tessel-cli program from a test, as outside checks do.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace tessel::test {

struct CliRun {
  int status;       // exit status, -1 when the program did not exit normally
  std::string out;  // standard output (add "2>&1" to the arguments for stderr too)
};

// Runs tessel-cli with args through the shell and collects its output.
inline CliRun Cli(const std::string& args) {
  const std::string cmd = std::string(TESSEL_CLI_PATH) + " " + args;
  FILE* p = popen(cmd.c_str(), "r");
  CliRun r{-1, ""};
  if (!p) return r;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
  const int raw = pclose(p);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

}  // namespace tessel::test
