// tessel-cli import-svg: an SVG drawing read into a new project of its size.
#include "base/app_context.h"
#include "base/user_messages.h"
#include "cli/cli_app.h"
#include "cli/cli_args.h"
#include "cli/cli_commands.h"
#include "document/project_file.h"
#include "document/vellum_doc.h"
#include "export/svg_import.h"

namespace tessel::cli {

int RunImportSvg(CliArgs& args, const CliOptions& opt) {
  const auto& pos = args.Positional();
  if (!args.Ok()) return UsageError(args.Error());
  if (pos.size() != 2) return UsageError("import-svg takes an SVG file and an output project file");
  CliApp app(opt);
  CVellumDoc doc;
  doc.OnNewDocument();
  int count = 0;
  std::string error;
  if (!ImportSvg(pos[0], doc, true, &count, &error)) {
    App().Messages().Message(error, MsgButtons::kOk);
    return kExitFailure;
  }
  App().Messages().Status("Total number of objects read: " + std::to_string(count));
  return SaveProjectFile(doc, pos[1]) ? kExitOk : kExitFailure;
}

}  // namespace tessel::cli
