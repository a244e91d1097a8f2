// The commands of tessel-cli. Each takes its own arguments (global options already
// removed) and returns the process exit status.
#pragma once

#include <optional>
#include <string>

namespace tessel::cli {

class CliArgs;

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Options every command accepts.
struct CliOptions {
  bool quiet = false;
  bool yes = false;
  std::optional<std::string> password;
};

// Prints "tessel-cli: <error>" and returns kExitUsage.
int UsageError(const std::string& error);

int RunInfo(CliArgs& args, const CliOptions& opt);
int RunResave(CliArgs& args, const CliOptions& opt);
int RunRender(CliArgs& args, const CliOptions& opt);
// mutaflux --gene G --words A,B,C --size WxH OUT.png: one Mutaflux pattern as a PNG.
int RunMutaflux(CliArgs& args, const CliOptions& opt);
int RunMask(CliArgs& args, const CliOptions& opt);
// filter IN OUT.png NAME [key=value ...] | filter --list: a bitmap filter or tweak effect.
int RunFilter(CliArgs& args, const CliOptions& opt);
// import-svg IN.svg OUT.tsl: an SVG drawing as a new project of its size.
int RunImportSvg(CliArgs& args, const CliOptions& opt);
// script TEMPLATE.mms IN.tsl BASENAME EXT [-o OUT]: a script generated from a template.
int RunScript(CliArgs& args, const CliOptions& opt);
// export IN OUT --type T [options]: the document through the export engine.
int RunExport(CliArgs& args, const CliOptions& opt);

}  // namespace tessel::cli
