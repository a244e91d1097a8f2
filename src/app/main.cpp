// tessel: the desktop drawing program. --version, --action-list and --help answer
// without a display; otherwise the main window opens with the files named.
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "app/app_commands.h"
#include "app/app_style.h"
#include "app/main_window.h"
#include "app/qt_messages.h"
#include "app/shell.h"
#include "base/app_context.h"
#include "base/profile.h"

namespace {

constexpr char kUsage[] =
    "Usage: tessel [OPTION] [FILE...]\n"
    "Opens the drawing program with each FILE (a .tsl project, a Sketchlet .mnx project,\n"
    "a Rich JPG or a picture) in its own tab, or a new document.\n"
    "\n"
    "  --version      print the program's version and exit\n"
    "  --action-list  print every menu and toolbar action, one a line:\n"
    "                 id, label as the menu shows it, shortcut, separated by tabs\n"
    "  --help         print this text and exit\n"
    "\n"
    "When the program already runs, the files open in the running window.\n";

std::string ExeDir() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}

// Handles the options that need no window; returns the exit status, or -1 to go on.
int RunConsoleOption(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("Tessel %s\n", TESSEL_VERSION);
      return 0;
    }
    if (std::strcmp(argv[i], "--action-list") == 0) {
      for (const std::string& line : tessel::ActionListLines()) std::printf("%s\n", line.c_str());
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  const int consoleStatus = RunConsoleOption(argc, argv);
  if (consoleStatus >= 0) return consoleStatus;

  QApplication app(argc, argv);
  QApplication::setApplicationName("Tessel");
  QApplication::setOrganizationName("Corvana");
  QApplication::setApplicationVersion(TESSEL_VERSION);
  QStringList files = QApplication::arguments().mid(1);

  tessel::CAppContext context(std::make_unique<tessel::CProfile>(tessel::CProfile::DefaultPath()),
                              std::make_unique<tessel::CQtMessages>(), tessel::AppPaths::FromEnvironment(ExeDir()));
  tessel::ApplyAppTheme(tessel::LoadAppTheme(context.Profile()));
  tessel::MainWindow* window = nullptr;
  const bool first = tessel::ClaimSingleInstance(files, [&window](const QStringList& handed) {
    if (!window) return;
    for (const QString& f : handed) window->OpenFile(f);
    window->BringToFront();
  });
  if (!first) return 0;

  auto mainWindow = std::make_unique<tessel::MainWindow>();
  window = mainWindow.get();
  mainWindow->show();
  tessel::ScheduleStartup(*mainWindow, files);
  const int status = app.exec();
  window = nullptr;
  if (status == 0) tessel::MarkOrderlyExit();
  return status;
}
