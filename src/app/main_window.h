// MainWindow: the desktop program's main frame: documents as tabs, each with its canvas
// view; the menus and toolbars built from the command tables; the status bar with its
// progress bar; the layers dock and the object bar.
#pragma once

#include <QMainWindow>
#include <memory>

class QAction;

namespace tessel {

class CVellumDoc;
class CVellumView;
class DocumentWindow;
class IDocumentFollower;
class LayersDock;
class ObjectBar;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Opens a project (.tsl, .mnx, Rich JPG or picture) in a new tab; false when it
  // could not be read (the user has been told why).
  bool OpenFile(const QString& path);
  // A new empty document in a new tab.
  void NewDocument();
  // Saves the document of window to path (a project file); true when written. The
  // path joins the recent files.
  bool SaveDocument(DocumentWindow& window, const QString& path);
  // The document window of the current tab, or null.
  DocumentWindow* ActiveWindow() const;
  CVellumDoc* ActiveDocument() const;
  CVellumView* ActiveView() const;
  // Raises and activates the window (a second start handed over a file).
  void BringToFront();

  // The action with a menu id ("edit.undo"), or null.
  QAction* Action(const QString& id) const;
  LayersDock* Layers() const;
  ObjectBar* ObjectFields() const;
  // Sets every action's enabled and checked state from the active view.
  void UpdateActions();
  // Keeps follower in step with the active document (not owned; it must outlive the
  // window or be removed first).
  void AddFollower(IDocumentFollower* follower);
  void RemoveFollower(IDocumentFollower* follower);
  // A panel changed the active document: the canvas, the layers list, the bars and the
  // actions follow (objectsChanged: objects were added, removed or reordered).
  void NotifyEdited(bool objectsChanged);

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Files dropped outside a document window open as documents.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};

}  // namespace tessel
