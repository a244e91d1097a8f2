// The Qt test program: one QApplication and one application context (file profile and
// user folder in a scratch folder, recorded messages), then every test class.
#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "base/app_context.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "gui_test_support.h"

int RunUnitTests(int argc, char** argv);
int RunSmokeTests(int argc, char** argv);
namespace tessel {
int RunShellTests(int argc, char** argv);
int RunDialogTests(int argc, char** argv);
int RunFileDialogTests(int argc, char** argv);
int RunPrintTests(int argc, char** argv);
int RunDrawToolsTests(int argc, char** argv);
// ---- property bars (look) ----
int RunLookBarsTests(int argc, char** argv);

// ---- property bars (effect) ----

int RunEffectBarsTests(int argc, char** argv);

// ---- Bitmap menu ----
int RunBitmapMenuTests(int argc, char** argv);

// ---- export and script generator ----
int RunExportDialogTests(int argc, char** argv);

// ---- Quick Styles and object library windows ----
int RunLibraryWindowsTests(int argc, char** argv);

// ---- Mutaflux, brushes and settings ----
int RunMutafluxDialogTests(int argc, char** argv);
int RunBrushWindowsTests(int argc, char** argv);

// ---- painting editor ----
int RunPaintEditorTests(int argc, char** argv);

}  // namespace tessel

namespace {
tessel::CRecordingMessages* g_recorder = nullptr;
QString g_scratch;
}  // namespace

namespace guitest {
tessel::CRecordingMessages& Recorder() { return *g_recorder; }
QString ScratchDir() { return g_scratch; }
}  // namespace guitest

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir scratch;
  g_scratch = scratch.path();
  // Nothing the tests do may touch the user's own settings.
  qputenv("TESSEL_CONFIG", (g_scratch + "/Tessel.ini").toUtf8());
  qputenv("TESSEL_USER_HOME", (g_scratch + "/user").toUtf8());
  QApplication app(argc, argv);
  auto recorder = std::make_unique<tessel::CRecordingMessages>();
  g_recorder = recorder.get();
  tessel::CAppContext context(std::make_unique<tessel::CProfile>(tessel::CProfile::DefaultPath()),
                              std::move(recorder), tessel::AppPaths(TESSEL_DATA_DIR, (g_scratch + "/user").toStdString()));
  int failures = RunUnitTests(argc, argv);
  failures += RunSmokeTests(argc, argv);
  failures += tessel::RunShellTests(argc, argv);
  failures += tessel::RunDialogTests(argc, argv);
  failures += tessel::RunFileDialogTests(argc, argv);
  failures += tessel::RunPrintTests(argc, argv);
  failures += tessel::RunDrawToolsTests(argc, argv);
  // ---- property bars (look) ----
  failures += tessel::RunLookBarsTests(argc, argv);

  // ---- property bars (effect) ----

  failures += tessel::RunEffectBarsTests(argc, argv);

  // ---- Bitmap menu ----
  failures += tessel::RunBitmapMenuTests(argc, argv);

  // ---- export and script generator ----
  failures += tessel::RunExportDialogTests(argc, argv);

  // ---- Quick Styles and object library windows ----
  failures += tessel::RunLibraryWindowsTests(argc, argv);

  // ---- Mutaflux, brushes and settings ----
  failures += tessel::RunMutafluxDialogTests(argc, argv);
  failures += tessel::RunBrushWindowsTests(argc, argv);

  // ---- painting editor ----
  failures += tessel::RunPaintEditorTests(argc, argv);

  return failures == 0 ? 0 : 1;
}
