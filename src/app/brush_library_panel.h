// The brush library window: a combo of the libraries in the Brushes folders, the
// brushes of the chosen library with their previews, and the buttons that add, edit,
// delete, sort, load and save brushes. Choosing a brush copies it into the
// application's current brush (AppPaintingState()).
#pragma once

#include <QDockWidget>
#include <QWidget>

#include "paint/brush_library.h"

class QComboBox;
class QMainWindow;
class QListWidget;

namespace tessel {

// Widgets: "brushLibraries" (combo), "brushList", and the buttons "newBrush",
// "editBrush", "deleteBrush", "sortBrushes", "loadBrush", "saveBrush",
// "loadLibrary", "saveLibrary".
class BrushLibraryPanel : public QWidget {
  Q_OBJECT
 public:
  // Opens the start library ("default" when present).
  explicit BrushLibraryPanel(QWidget* parent = nullptr);

  CBrushLibrary& Library() { return m_library; }
  // Opens the library of that name from the Brushes folders; false (nothing changed)
  // when it cannot be read.
  bool OpenLibrary(const QString& name);
  // Copies the brush at index into the current brush; false for a bad index.
  bool ChooseBrush(int index);
  // Shows the library's brushes again (after a change made elsewhere).
  void Reload();

 signals:
  // The current brush was replaced by a library brush.
  void brushChosen();

 private:
  void NewBrush();
  void EditBrush();
  void DeleteBrush();
  void LoadBrush();
  void SaveBrush();
  void LoadLibrary();
  void SaveLibrary();
  // Shows brush in the properties dialog; on OK appends it to the library.
  void AddAfterDialog(CBrush brush);
  void FillLibraries();

  CBrushLibrary m_library;
  QComboBox* m_libraries = nullptr;
  QListWidget* m_list = nullptr;
};

// The panel as a dock window of the main frame ("brushLibraryDock", title "Brushes").
class BrushLibraryDock : public QDockWidget {
  Q_OBJECT
 public:
  explicit BrushLibraryDock(QWidget* parent = nullptr);
  BrushLibraryPanel* Panel() const { return m_panel; }

 private:
  BrushLibraryPanel* m_panel;
};

// Adds a hidden brush library dock to the right side of window and returns it.
BrushLibraryDock* InstallBrushLibrary(QMainWindow& window);
// Shows and raises the dock ("Brush Library").
void ShowBrushLibrary(BrushLibraryDock& dock);

}  // namespace tessel
