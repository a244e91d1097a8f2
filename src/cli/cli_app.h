// The application context of one tessel-cli command: the user's profile, the program
// folders, and messages that go to stderr and into a log.
#pragma once

#include <memory>
#include <string>

#include "base/app_context.h"
#include "cli/cli_messages.h"

namespace tessel {
class CVellumDoc;
}

namespace tessel::cli {

struct CliOptions;

struct CliApp {
  CCliMessages* messages;
  std::unique_ptr<CAppContext> context;
  explicit CliApp(const CliOptions& opt);
};

// Loads a project file, an Editable Rich JPG or a JPEG picture into doc; false (with
// the message shown) when it cannot.
bool LoadProject(CVellumDoc& doc, const std::string& path);

}  // namespace tessel::cli
