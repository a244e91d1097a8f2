// ObjectLibraryPanel: the object library as a widget: a drop-down list of the library
// folders, "Browse..." for any other folder, and the thumbnails of the current library.
// A double-click inserts the object into the active document; a drag carries the
// object file to a document window. Its context menu stores the selected object ("Add
// to Library", "Replace") or deletes an entry ("Remove from Library"). The "Objects"
// tab of the "Quick Styles" window and the object library window each hold one.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

class QComboBox;
class QFileSystemWatcher;
class QMenu;
class QPushButton;
class QTimer;

namespace tessel {

class CDrawObject;
class DocumentWindow;
class MainWindow;
class ThumbnailList;

class ObjectLibraryPanel : public QWidget {
  Q_OBJECT
 public:
  // stacked: "Browse..." below the drop-down list (narrow windows) instead of beside it.
  ObjectLibraryPanel(MainWindow& main, bool stacked, QWidget* parent = nullptr);

  // The document that double-clicks insert into and whose selection is stored (null:
  // none).
  void SetWindow(DocumentWindow* window);
  // The folder shown.
  const std::string& Folder() const { return m_folder; }
  // Shows folder (any folder) and makes it the current library.
  void SetFolder(const std::string& folder);
  // Reads the libraries and the shown folder's entries again.
  void Reload();

  ThumbnailList* List() const { return m_list; }
  QComboBox* Libraries() const { return m_libraries; }

  // The entries' commands, as the context menu runs them.
  // Inserts entry n's object into the active document (one undo step); false when
  // nothing was inserted.
  bool Insert(int n);
  void AddSelectedObject();
  void ReplaceSelectedEntry();
  void RemoveSelectedEntry();

 private:
  void FillLibraries();
  void FillEntries();
  void Browse();
  void ShowMenu(const QPoint& at);
  // The object the library commands store: the view's current object (or the first of
  // its multi-selection); null when nothing is selected.
  CDrawObject* SelectedObject() const;
  // After a change of the library's files: the list again, with entry n selected.
  void Changed(int n);

  MainWindow& m_main;
  QPointer<DocumentWindow> m_window;
  std::string m_folder;
  QComboBox* m_libraries;
  QPushButton* m_browse;
  ThumbnailList* m_list;
  // Changes that another panel or program made show up after a short delay.
  QFileSystemWatcher* m_watcher;
  QTimer* m_reloadDelay;
};

}  // namespace tessel
