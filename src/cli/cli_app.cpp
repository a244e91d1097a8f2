#include "cli/cli_app.h"

#include <filesystem>

#include "base/profile.h"
#include "cli/cli_commands.h"
#include "document/package.h"
#include "document/project_file.h"
#include "document/vellum_doc.h"
#include "export/open_document.h"

namespace tessel::cli {

namespace {
std::string ExeDir() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}
}  // namespace

CliApp::CliApp(const CliOptions& opt) {
  auto m = std::make_unique<CCliMessages>(opt.quiet, opt.yes, opt.password);
  messages = m.get();
  context = std::make_unique<CAppContext>(std::make_unique<CProfile>(CProfile::DefaultPath()), std::move(m),
                                          AppPaths::FromEnvironment(ExeDir()));
}

bool LoadProject(CVellumDoc& doc, const std::string& path) {
  if (!std::filesystem::is_regular_file(path)) {
    App().Messages().Message("Cannot open " + path, MsgButtons::kOk);
    return false;
  }
  // Rich JPG files carry a project; plain JPEG pictures open as a bitmap object.
  if (OpenDocumentFile(doc, path) != LoadResult::kLoaded) return false;
  // The view rebuilds packages stored compacted shortly after opening; so does the CLI.
  if (HasCompactedPackages(doc)) {
    std::vector<std::string> messages;
    RebuildCompactedPackages(doc, &messages);
    for (const std::string& m : messages) App().Messages().Message(m, MsgButtons::kOk);
  }
  return true;
}

}  // namespace tessel::cli
