#include "app/library_tool_window.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QTimer>

#include "app/document_window.h"
#include "app/main_window.h"

namespace tessel {

LibraryToolWindow::LibraryToolWindow(MainWindow& main, const QString& title)
    : QWidget(&main, Qt::Tool), m_main(main) {
  setWindowTitle(title);
  // Showing a library must not pull the keyboard away from the canvas.
  setAttribute(Qt::WA_ShowWithoutActivating);
}

void LibraryToolWindow::Reveal() {
  show();
  raise();
}

void LibraryToolWindow::RestoreShown(int shown) {
  m_shown = shown;
  // After the main window has appeared, so that the tool window stays above it.
  if (shown) QTimer::singleShot(0, this, [this] { show(); });
}

void LibraryToolWindow::SetWindow(DocumentWindow* window) { m_window = window; }
DocumentWindow* LibraryToolWindow::Window() const { return m_window; }

void LibraryToolWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  m_shown = 1;
}

void LibraryToolWindow::closeEvent(QCloseEvent* event) {
  m_shown = 0;
  QWidget::closeEvent(event);
}

}  // namespace tessel
