// tessel-cli script: a web page or multimedia script generated from a template.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/app_context.h"
#include "base/safe_file.h"
#include "base/user_messages.h"
#include "cli/cli_app.h"
#include "cli/cli_args.h"
#include "cli/cli_commands.h"
#include "document/vellum_doc.h"
#include "export/script_generator.h"

namespace tessel::cli {

namespace {
// A template path as given, else a name in the Script folders ("Rollover Image Map" or
// "Rollover Image Map.mms").
std::string FindTemplate(const std::string& given) {
  if (std::filesystem::is_regular_file(given)) return given;
  const std::string name = given.size() > 4 && given.compare(given.size() - 4, 4, ".mms") == 0 ? given : given + ".mms";
  return App().Paths().Find("Script", name);
}
}  // namespace

int RunScript(CliArgs& args, const CliOptions& opt) {
  const auto out = args.Value("-o");
  const auto& pos = args.Positional();
  if (!args.Ok()) return UsageError(args.Error());
  if (pos.size() != 4) return UsageError("script takes a template, a project file, a base name and an extension");
  CliApp app(opt);
  const std::string path = FindTemplate(pos[0]);
  std::ifstream in(path, std::ios::binary);
  if (!in || !std::filesystem::is_regular_file(path)) {
    App().Messages().Message("Cannot open " + pos[0], MsgButtons::kOk);
    return kExitFailure;
  }
  std::ostringstream templ;
  templ << in.rdbuf();
  CVellumDoc doc;
  if (!LoadProject(doc, pos[1])) return kExitFailure;
  CScriptInputs inputs{doc.m_width, doc.m_height, pos[2], pos[3], &doc};
  std::string error;
  const auto text = GenerateScript(templ.str(), inputs, &error);
  if (!text) {
    App().Messages().Message(error, MsgButtons::kOk);
    return kExitFailure;
  }
  if (!out) {
    std::fwrite(text->data(), 1, text->size(), stdout);
    return kExitOk;
  }
  if (!WriteFileSafely(*out, text->data(), text->size(), &error)) {
    App().Messages().Message(error, MsgButtons::kOk);
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace tessel::cli
