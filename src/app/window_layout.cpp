#include "app/window_layout.h"

#include <QEvent>
#include <QMainWindow>

#include "base/app_context.h"
#include "base/profile.h"

namespace tessel {

namespace {
constexpr char kSection[] = "Window";
constexpr char kGeometryKey[] = "Geometry";
constexpr char kStateKey[] = "State";

QByteArray ReadBlob(const char* key) {
  const std::string text = App().Profile().GetString(kSection, key, "");
  return QByteArray::fromBase64(QByteArray::fromStdString(text));
}

void WriteBlob(const char* key, const QByteArray& blob) {
  App().Profile().WriteString(kSection, key, blob.toBase64().toStdString());
}

// Restores on the first Show event, saves on every Close event (also one that the
// window then refuses: the layout is worth keeping either way).
class LayoutKeeper : public QObject {
 public:
  explicit LayoutKeeper(QMainWindow& window) : QObject(&window), m_window(window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &m_window) {
      if (event->type() == QEvent::Show && !m_restored) {
        m_restored = true;
        RestoreWindowLayout(m_window);
      } else if (event->type() == QEvent::Close) {
        SaveWindowLayout(m_window);
      }
    }
    return false;
  }

 private:
  QMainWindow& m_window;
  bool m_restored = false;
};
}  // namespace

void KeepWindowLayout(QMainWindow& window) { window.installEventFilter(new LayoutKeeper(window)); }

void SaveWindowLayout(const QMainWindow& window) {
  WriteBlob(kGeometryKey, window.saveGeometry());
  WriteBlob(kStateKey, window.saveState());
}

bool RestoreWindowLayout(QMainWindow& window) {
  const QByteArray geometry = ReadBlob(kGeometryKey);
  const QByteArray state = ReadBlob(kStateKey);
  if (state.isEmpty()) return false;
  if (!geometry.isEmpty()) window.restoreGeometry(geometry);
  return window.restoreState(state);
}

}  // namespace tessel
