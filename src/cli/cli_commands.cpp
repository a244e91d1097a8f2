#include "cli/cli_commands.h"

#include <cstdio>
#include <iostream>

#include "base/archive.h"
#include "cli/cli_app.h"
#include "cli/cli_args.h"
#include "cli/info_json.h"
#include "document/project_file.h"
#include "document/vellum_doc.h"
#include "export/rich_jpeg.h"
#include "io/png_writer.h"
#include "render/compositor.h"
#include "base/dib_section.h"

namespace tessel::cli {

namespace {
// The magic string at the start of a project, or "" when it cannot be read. An
// Editable Rich JPG's project is the one in its trailer.
std::string ReadMagic(const std::string& path) {
  try {
    CArchive ar = CArchive::FromFile(path);
    std::vector<uint8_t> project;
    const auto& bytes = ar.Buffer();
    if (ExtractRichProject(bytes.data(), bytes.size(), &project) == RichJpegResult::kProject)
      return CArchive(std::move(project)).ReadString();
    return ar.ReadString();
  } catch (const CArchiveException&) {
    return "";
  }
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
  if (!LoadProject(doc, path)) {
    for (const auto& m : app.messages->MessagesOnly()) std::fprintf(stderr, "%s\n", m.c_str());
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
  if (!LoadProject(doc, pos[0])) return kExitFailure;
  return SaveProjectFile(doc, pos[1]) ? kExitOk : kExitFailure;
}

int RunRender(CliArgs& args, const CliOptions& opt) {
  CompositeOptions options;
  options.transparent = args.Flag("--transparent");
  options.lensesOff = args.Flag("--lenses-off");
  options.wireframe = args.Flag("--wireframe");
  const long scale = args.Int("--scale", 1, 16).value_or(1);
  const auto& pos = args.Positional();
  if (!args.Ok()) return UsageError(args.Error());
  if (pos.size() != 2) return UsageError("render takes a project file and an output PNG");
  CliApp app(opt);
  CVellumDoc doc;
  if (!LoadProject(doc, pos[0])) return kExitFailure;
  CDIBSection canvas;
  if (!ComposeDocument(doc, int(scale), options, canvas)) {
    std::fprintf(stderr, "The canvas of %d x %d at scale %ld is too large.\n", doc.m_width, doc.m_height, scale);
    return kExitFailure;
  }
  std::string error;
  if (!WritePngBgra(pos[1], canvas, true, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace tessel::cli
