// Shared by the Mutaflux, brush and settings window tests: a context whose program and
// user folders are fresh scratch folders, acting on the next modal dialog, and saving
// window pictures when TESSEL_SHOT_DIR names a folder.
#pragma once

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "base/app_context.h"
#include "base/profile.h"
#include "base/user_messages.h"

namespace guitest {

// An application context over scratch folders (or over programFolder when given) with
// an in-memory profile and recorded messages.
class ScratchContext {
 public:
  explicit ScratchContext(const QString& programFolder = QString())
      : m_context(std::make_unique<tessel::CProfile>(), std::make_unique<tessel::CRecordingMessages>(),
                  tessel::AppPaths((programFolder.isEmpty() ? Program() : programFolder).toStdString(),
                                   User().toStdString())) {}
  QString Program() const { return m_dir.path() + "/program"; }
  QString User() const { return m_dir.path() + "/user"; }
  tessel::CRecordingMessages& Messages() {
    return static_cast<tessel::CRecordingMessages&>(tessel::App().Messages());
  }

 private:
  QTemporaryDir m_dir;
  tessel::CAppContext m_context;
};

// Runs act on the modal dialog of type D once it shows (polled from the event loop).
template <typename D>
void WhenModal(std::function<void(D&)> act) {
  QTimer::singleShot(0, [act] {
    if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
      act(*dialog);
      return;
    }
    WhenModal<D>(act);
  });
}

// Saves a picture of widget as <TESSEL_SHOT_DIR>/<name>.png when that variable is set.
inline void SaveShot(QWidget& widget, const QString& name) {
  const QString dir = qEnvironmentVariable("TESSEL_SHOT_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  widget.adjustSize();
  widget.grab().save(dir + "/" + name + ".png");
}

}  // namespace guitest
