#include "app/object_library_window.h"

#include <QScreen>
#include <QVBoxLayout>

#include "app/object_library_panel.h"

namespace tessel {

namespace {
constexpr char kTitle[] = "Object Library";
// Two columns of thumbnails; the stored place keeps no size.
constexpr int kWidth = 150;
constexpr int kHeight = 330;
}  // namespace

ObjectLibraryWindow::ObjectLibraryWindow(MainWindow& main)
    : LibraryToolWindow(main, kTitle), m_panel(new ObjectLibraryPanel(main, true, this)) {
  setObjectName("objectLibraryWindow");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_panel);
  m_settings = CObjectLibraryWindowSettings::Load(screen()->availableGeometry().width());
  MoveOnScreen({m_settings.left, m_settings.top});
  resize(kWidth, kHeight);
  RestoreShown(m_settings.shown);
}

ObjectLibraryWindow::~ObjectLibraryWindow() {
  m_settings.shown = Shown();
  m_settings.left = pos().x();
  m_settings.top = pos().y();
  m_settings.Save();
}

void ObjectLibraryWindow::SetWindow(DocumentWindow* window) {
  LibraryToolWindow::SetWindow(window);
  m_panel->SetWindow(window);
}

}  // namespace tessel
