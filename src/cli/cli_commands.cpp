#include "cli/cli_commands.h"

#include "cli/cli_args.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iostream>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/profile.h"
#include "cli/cli_messages.h"
#include "cli/info_json.h"
#include "document/project_file.h"
#include "document/vellum_doc.h"

namespace tessel::cli {

namespace {
std::string ExeDir() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}

// The application context of one command: the user's profile, messages for the CLI.
struct CliApp {
  CCliMessages* messages;
  std::unique_ptr<CAppContext> context;

  explicit CliApp(const CliOptions& opt) {
    auto m = std::make_unique<CCliMessages>(opt.quiet, opt.yes, opt.password);
    messages = m.get();
    context = std::make_unique<CAppContext>(std::make_unique<CProfile>(CProfile::DefaultPath()), std::move(m),
                                            AppPaths::FromEnvironment(ExeDir()));
  }
};

// The magic string at the start of a file, or "" when it cannot be read.
std::string ReadMagic(const std::string& path) {
  try {
    CArchive ar = CArchive::FromFile(path);
    return ar.ReadString();
  } catch (const CArchiveException&) {
    return "";
  }
}

bool Load(CVellumDoc& doc, const std::string& path) {
  if (!std::filesystem::is_regular_file(path)) {
    App().Messages().Message("Cannot open " + path, MsgButtons::kOk);
    return false;
  }
  return LoadProjectFile(doc, path) == LoadResult::kLoaded;
}
}  // namespace

int UsageError(const std::string& error) {
  std::fprintf(stderr, "tessel-cli: %s (see tessel-cli --help)\n", error.c_str());
  return kExitUsage;
}

int RunInfo(CliArgs& args, const CliOptions& opt) {
  const bool json = args.Flag("--json");
  const auto& pos = args.Positional();
  if (!args.Ok()) return UsageError(args.Error());
  if (pos.size() != 1) return UsageError("info takes one project file");
  if (!json) return UsageError("info needs --json");
  const std::string path = pos[0];
  CliApp app(opt);
  // The JSON carries every text; stderr keeps only the messages that explain a failure.
  app.messages->SetQuiet(true);
  app.messages->SetEchoMessages(false);
  CVellumDoc doc;
  if (!Load(doc, path)) {
    for (const auto& m : app.messages->Log()) std::fprintf(stderr, "%s\n", m.c_str());
    return kExitFailure;
  }
  const auto j = ProjectInfoJson(doc, ReadMagic(path), App().m_loadedVersion, App().TextureBank(),
                                 app.messages->Log());
  std::cout << j.dump(2) << "\n";
  return kExitOk;
}

int RunResave(CliArgs& args, const CliOptions& opt) {
  const auto& pos = args.Positional();
  if (!args.Ok()) return UsageError(args.Error());
  if (pos.size() != 2) return UsageError("resave takes an input and an output file");
  CliApp app(opt);
  CVellumDoc doc;
  if (!Load(doc, pos[0])) return kExitFailure;
  return SaveProjectFile(doc, pos[1]) ? kExitOk : kExitFailure;
}

int RunRender(CliArgs& args, const CliOptions& opt) {
  (void)opt;
  args.Flag("--transparent");
  args.Flag("--lenses-off");
  args.Flag("--wireframe");
  args.Int("--scale", 1, 16);
  const auto& pos = args.Positional();
  if (!args.Ok()) return UsageError(args.Error());
  if (pos.size() != 2) return UsageError("render takes a project file and an output PNG");
  std::fprintf(stderr, "tessel-cli: render is not available yet: this build has no document compositor.\n");
  return kExitFailure;
}

}  // namespace tessel::cli
