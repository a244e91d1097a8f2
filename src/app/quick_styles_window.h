// QuickStylesWindow: the "Quick Styles" window. Eight tabs show the styles of their
// folders below Styles/ as thumbnails; the ninth, "Objects", holds the object library.
// A click on a style puts the tab's group of attributes on the selected objects (one
// undo step) or, with nothing selected, makes the style's colour, texture and bevel the
// look of new objects. The lists' context menu adds the selected object as a style
// ("Add to Styles"), overwrites the selected style ("Replace Style") or deletes it
// ("Remove from Styles"). Position, size and the open tab are remembered.
#pragma once

#include <vector>

#include "app/library_tool_window.h"
#include "library/library_window_settings.h"
#include "library/style_library.h"

class QMenu;
class QTabWidget;

namespace tessel {

class CDrawObject;
class ObjectLibraryPanel;
class ThumbnailList;

class QuickStylesWindow : public LibraryToolWindow {
  Q_OBJECT
 public:
  explicit QuickStylesWindow(MainWindow& main);
  // Stores the window's place, size, tab and open state.
  ~QuickStylesWindow() override;

  void SetWindow(DocumentWindow* window) override;
  void Refresh() override {}

  QTabWidget* Tabs() const { return m_tabs; }
  // The thumbnails of style tab 0..7.
  ThumbnailList* StyleList(int tab) const { return m_lists[size_t(tab)]; }
  ObjectLibraryPanel* Objects() const { return m_objects; }
  const CStyleFolder& Folder(int tab) const { return m_folders[size_t(tab)]; }

  // A click on style n of a style tab: the tab's group onto the selected objects with
  // one undo step, or the defaults of new objects when nothing is selected.
  StyleResult Apply(int tab, int n);
  // The menu commands on the current style tab (nothing on the "Objects" tab).
  void AddToStyles();
  void ReplaceSelectedStyle();
  void RemoveSelectedStyle();

 private:
  void OnTabChanged(int tab);
  // Reads the style files of a tab into its list (again), selecting style n.
  void FillTab(int tab, int select = 0);
  void FillMenu(QMenu& menu);
  // The current style tab, or -1 on the "Objects" tab.
  int StyleTab() const;
  CDrawObject* SelectedObject() const;

  CStylesWindowSettings m_settings;
  QTabWidget* m_tabs;
  std::vector<CStyleFolder> m_folders;
  std::vector<ThumbnailList*> m_lists;
  std::vector<bool> m_filled;
  ObjectLibraryPanel* m_objects;
};

}  // namespace tessel
