// What the "Quick Styles" window and the object library window share: each is a small
// floating tool window of the main window that follows its active document and
// remembers whether the user left it open.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/document_follower.h"

namespace tessel {

class DocumentWindow;
class MainWindow;

class LibraryToolWindow : public QWidget, public IDocumentFollower {
  Q_OBJECT
 public:
  // A tool window above main titled title; it does not take the focus when shown.
  LibraryToolWindow(MainWindow& main, const QString& title);

  // Shows the window (when hidden) and raises it.
  void Reveal();
  // 1 while the user keeps the window open, 0 once closed.
  int Shown() const { return m_shown; }
  // Shows the window after the main window when shown (the stored state) is 1.
  void RestoreShown(int shown);

  // Moves the window's top-left corner to pos, or nearer when that would leave too
  // little of it on a screen to grab (a stored place from a larger screen).
  void MoveOnScreen(QPoint pos);

  void SetWindow(DocumentWindow* window) override;
  DocumentWindow* Window() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

  MainWindow& m_main;

 private:
  QPointer<DocumentWindow> m_window;
  int m_shown = 0;
};

}  // namespace tessel
