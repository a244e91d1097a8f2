// LayersDock: the list of a document's objects, top first, with each object's name,
// kind and a visibility box. Clicking a row selects that object in the view; unticking
// the box hides the object (one undo step).
#pragma once

#include <QDockWidget>
#include <QPointer>

class QTreeWidget;
class QTreeWidgetItem;

namespace tessel {

class CDrawObject;
class DocumentWindow;

// The kind of an object as the list names it ("Closed Path", "Bitmap", "Package", ...).
QString ObjectKindName(const CDrawObject& object);

class LayersDock : public QDockWidget {
  Q_OBJECT
 public:
  explicit LayersDock(QWidget* parent = nullptr);

  // Shows the objects of window's document (null: an empty list).
  void SetWindow(DocumentWindow* window);
  // Fills the list again from the document.
  void Rebuild();
  // Highlights the row of the view's current object.
  void SyncSelection();
  QTreeWidget* Tree() const { return m_tree; }
  // The object of a row, or null when the document no longer has it.
  CDrawObject* ObjectOfRow(int row) const;

 signals:
  // The document or the selection was changed from the list.
  void edited();

 private:
  void OnItemChanged(QTreeWidgetItem* item, int column);
  void OnItemClicked(QTreeWidgetItem* item);

  QTreeWidget* m_tree;
  QPointer<DocumentWindow> m_window;
  bool m_filling = false;
};

}  // namespace tessel
