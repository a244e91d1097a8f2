#include "app/library_tool_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>

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

void LibraryToolWindow::MoveOnScreen(QPoint pos) {
  // At least this much of the window stays on the screen.
  constexpr int kVisible = 50;
  const QRect area = (QGuiApplication::screenAt(pos) ? QGuiApplication::screenAt(pos) : screen())->availableGeometry();
  pos.setX(std::clamp(pos.x(), area.left(), std::max(area.left(), area.right() - kVisible)));
  pos.setY(std::clamp(pos.y(), area.top(), std::max(area.top(), area.bottom() - kVisible)));
  move(pos);
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
