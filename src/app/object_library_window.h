// ObjectLibraryWindow: the object library in a floating window of its own (see
// ObjectLibraryPanel). Its position and whether it is open are remembered.
#pragma once

#include "app/library_tool_window.h"
#include "library/library_window_settings.h"

namespace tessel {

class ObjectLibraryPanel;

class ObjectLibraryWindow : public LibraryToolWindow {
  Q_OBJECT
 public:
  explicit ObjectLibraryWindow(MainWindow& main);
  // Stores the window's place and open state.
  ~ObjectLibraryWindow() override;

  void SetWindow(DocumentWindow* window) override;
  void Refresh() override {}

  ObjectLibraryPanel* Panel() const { return m_panel; }

 private:
  CObjectLibraryWindowSettings m_settings;
  ObjectLibraryPanel* m_panel;
};

}  // namespace tessel
