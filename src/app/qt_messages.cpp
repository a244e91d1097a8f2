// Message boxes, the status line and the progress bar of the desktop program.
#include "app/qt_messages.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QTimer>

namespace tessel {

namespace {
constexpr char kBoxTitle[] = "Tessel";
constexpr int kProgressHideMs = 1000;
}  // namespace

void CQtMessages::Attach(QWidget* parent, QLabel* status, QProgressBar* progress) {
  m_parent = parent;
  m_status = status;
  m_progress = progress;
  if (!progress) return;
  m_hideTimer = new QTimer(progress);  // the bar owns it
  m_hideTimer->setSingleShot(true);
  m_hideTimer->setInterval(kProgressHideMs);
  QObject::connect(m_hideTimer, &QTimer::timeout, progress, &QWidget::hide);
}

MsgAnswer CQtMessages::Message(const std::string& text, MsgButtons buttons) {
  const QString qtext = QString::fromStdString(text);
  switch (buttons) {
    case MsgButtons::kOk:
      QMessageBox::information(m_parent, kBoxTitle, qtext);
      return MsgAnswer::kOk;
    case MsgButtons::kYesNo:
      return QMessageBox::question(m_parent, kBoxTitle, qtext, QMessageBox::Yes | QMessageBox::No) ==
                     QMessageBox::Yes
                 ? MsgAnswer::kYes
                 : MsgAnswer::kNo;
    case MsgButtons::kYesNoCancel: {
      const auto answer = QMessageBox::question(m_parent, kBoxTitle, qtext,
                                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      if (answer == QMessageBox::Yes) return MsgAnswer::kYes;
      if (answer == QMessageBox::No) return MsgAnswer::kNo;
      return MsgAnswer::kCancel;
    }
  }
  return MsgAnswer::kCancel;
}

void CQtMessages::Status(const std::string& text) {
  if (m_status) m_status->setText(QString::fromStdString(text));
}

void CQtMessages::Progress(int pos, int range, const std::string& text) {
  if (!text.empty()) Status(text);
  if (!m_progress) return;
  if (range <= 0 || pos >= range) {
    m_progress->hide();
    return;
  }
  m_progress->setRange(0, range);
  m_progress->setValue(pos);
  m_progress->show();
  if (m_hideTimer) m_hideTimer->start();
  // Long work runs on this thread: let the bar and the status line draw themselves.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

std::optional<std::string> CQtMessages::AskText(const std::string& title, const std::string& prompt) {
  bool ok = false;
  const QString text = QInputDialog::getText(m_parent, QString::fromStdString(title),
                                             QString::fromStdString(prompt), QLineEdit::Password, QString(), &ok);
  if (!ok) return std::nullopt;
  return text.toStdString();
}

}  // namespace tessel
