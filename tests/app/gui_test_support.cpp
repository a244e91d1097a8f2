#include "gui_test_support.h"

#include <QtTest>

#include "app/document_window.h"
#include "app/main_window.h"
#include "document/vellum_doc.h"

namespace guitest {

std::unique_ptr<tessel::MainWindow> OpenWindowWithNewDocument() {
  auto window = std::make_unique<tessel::MainWindow>();
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) return window;
  window->NewDocument();
  if (tessel::DocumentWindow* doc = window->ActiveWindow()) doc->EnsureInitialUpdate();
  return window;
}

void CloseWithoutQuestions(std::unique_ptr<tessel::MainWindow>& window) {
  if (!window) return;
  for (auto* w : window->findChildren<tessel::DocumentWindow*>()) w->Document().m_modified = false;
  window.reset();
}

}  // namespace guitest
