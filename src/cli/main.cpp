// tessel-cli: headless work on Tessel projects.
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_commands.h"

namespace {

constexpr char kUsage[] =
    "Usage: tessel-cli COMMAND [ARGS] [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  info FILE.tsl --json        Load the project (rendering every object) and print one JSON\n"
    "                              object: magic, version, every stored document field, textures,\n"
    "                              groups, objects with every stored field, and the messages.\n"
    "  resave IN.tsl OUT.tsl       Load and save again (bitmaps compressed, as Save does).\n"
    "  render IN.tsl OUT.png [--transparent] [--scale N] [--lenses-off] [--wireframe]\n"
    "                              Write the document composite as an RGBA PNG.\n"
    "\n"
    "Options:\n"
    "  -q                          Do not print status lines.\n"
    "  --password TEXT             Answer the password prompt of a protected project.\n"
    "  --yes                       Answer Yes to questions (such as overwriting a locked file).\n"
    "  -h, --help                  Show this text.\n"
    "\n"
    "Exit status: 0 success, 1 failure (the message is printed to stderr), 2 bad usage.\n";

int Usage(const char* error) {
  if (error) std::fprintf(stderr, "tessel-cli: %s\n", error);
  std::fputs(kUsage, error ? stderr : stdout);
  return error ? tessel::cli::kExitUsage : tessel::cli::kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tessel::cli;
  CliOptions opt;
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= argc) return std::nullopt;
      return std::string(argv[++i]);
    };
    if (a == "-h" || a == "--help") return Usage(nullptr);
    if (a == "-q") opt.quiet = true;
    else if (a == "--yes") opt.yes = true;
    else if (a == "--json") opt.json = true;
    else if (a == "--transparent") opt.transparent = true;
    else if (a == "--lenses-off") opt.lensesOff = true;
    else if (a == "--wireframe") opt.wireframe = true;
    else if (a == "--password") {
      opt.password = value();
      if (!opt.password) return Usage("--password needs a value");
    } else if (a == "--scale") {
      const auto v = value();
      char* end = nullptr;
      const long n = v ? std::strtol(v->c_str(), &end, 10) : 0;
      if (!v || *end || n < 1 || n > 16) return Usage("--scale needs a whole number from 1 to 16");
      opt.scale = int(n);
    } else if (a.size() > 1 && a[0] == '-') {
      return Usage(("unknown option " + a).c_str());
    } else {
      args.push_back(a);
    }
  }
  if (args.empty()) return Usage("no command given");
  const std::string command = args[0];
  args.erase(args.begin());
  if (command == "info") {
    if (args.size() != 1) return Usage("info takes one project file");
    if (!opt.json) return Usage("info needs --json");
    return RunInfo(args[0], opt);
  }
  if (command == "resave") {
    if (args.size() != 2) return Usage("resave takes an input and an output file");
    return RunResave(args[0], args[1], opt);
  }
  if (command == "render") {
    if (args.size() != 2) return Usage("render takes a project file and an output PNG");
    return RunRender(args[0], args[1], opt);
  }
  return Usage(("unknown command " + command).c_str());
}
