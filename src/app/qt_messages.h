// CQtMessages: the desktop program's IUserMessages. Message boxes are Qt message boxes
// with the core's texts unchanged; status texts go to the main window's status label
// and progress to its progress bar, pumping pending events so the window stays drawn.
#pragma once

#include <QPointer>

#include "base/user_messages.h"

class QLabel;
class QProgressBar;
class QTimer;
class QWidget;

namespace tessel {

class CQtMessages : public IUserMessages {
 public:
  // Boxes open over parent; status and progress go to the two widgets. Any of them may
  // be null (a box then has no parent; texts and progress are dropped).
  void Attach(QWidget* parent, QLabel* status, QProgressBar* progress);

  MsgAnswer Message(const std::string& text, MsgButtons buttons) override;
  void Status(const std::string& text) override;
  // Shows the bar while pos lies below range; pos >= range (or range <= 0) hides it, and
  // so does a pause of more than a second (work that stops reporting before its end).
  void Progress(int pos, int range, const std::string& text) override;
  // A password-style line edit; nullopt when cancelled.
  std::optional<std::string> AskText(const std::string& title, const std::string& prompt) override;

 private:
  QPointer<QWidget> m_parent;
  QPointer<QLabel> m_status;
  QPointer<QProgressBar> m_progress;
  QPointer<QTimer> m_hideTimer;
};

}  // namespace tessel
