// A test context whose program and user folders are fresh temporary folders.
#pragma once

#include <filesystem>
#include <memory>

#include "base/app_context.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "test_util.h"

namespace tessel::test {

struct LibraryContext {
  TempDir dir;
  CAppContext app{std::make_unique<CProfile>(), std::make_unique<CRecordingMessages>(),
                  AppPaths(dir.File("program"), dir.File("user"))};
  LibraryContext() { std::filesystem::create_directories(dir.File("program")); }
  CRecordingMessages& Messages() { return static_cast<CRecordingMessages&>(app.Messages()); }
  bool Exists(const std::string& path) const { return std::filesystem::exists(path); }
};

}  // namespace tessel::test
