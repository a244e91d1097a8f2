// DocumentWindow: the scrolling canvas window of one document. It owns the document and
// its editing view, implements IViewHost for the view, turns Qt input into the view's
// calls (window pixels of the viewport, modifier states) and draws what the view
// composes: the canvas buffer, scaled to the zoom, and the overlays over it.
#pragma once

#include <QAbstractScrollArea>
#include <functional>
#include <memory>

#include "view/view_host.h"

namespace tessel {

class CVellumDoc;
class CVellumView;
class PaintEditorHost;

class DocumentWindow : public QAbstractScrollArea, public IViewHost {
  Q_OBJECT
 public:
  // Takes the document (loaded or new) and makes its view; the view's first update
  // runs when the window is first shown.
  explicit DocumentWindow(std::unique_ptr<CVellumDoc> doc, QWidget* parent = nullptr);
  ~DocumentWindow() override;

  CVellumDoc& Document() { return *m_doc; }
  CVellumView& View() { return *m_view; }
  // The title the tab shows: the file name (or the untitled name) and "*" when modified.
  QString Title() const;
  void SetUntitledName(const QString& name) { m_untitled = name; }
  // The zoom combo entry the view last asked for (0..10).
  int ZoomComboIndex() const { return m_zoomCombo; }
  // Runs the view's first update now when it has not run (tests call it before show).
  void EnsureInitialUpdate();
  // Repaints everything, recomposing all objects.
  void RepaintAll();
  // Marks the document modified when a new undo step appeared since the last call.
  void NoteEdits();
  // The painting editor of this window (running or not).
  PaintEditorHost& Painting() { return *m_painting; }
  // Asked before the window closes with a modified document: true lets it close.
  std::function<bool(DocumentWindow&)> m_confirmClose;

  // ---- IViewHost ----
  void Invalidate(const CRect& clientRect) override;
  void InvalidateAll() override;
  void SetCapture(bool capture) override;
  void SetCursor(ViewCursor cursor) override;
  CSize ClientSize() const override;
  void ScrollBarsChanged() override;
  void Status(const std::string& text) override;
  void SelectionChanged() override;
  void LayersChanged() override;
  void SetZoomCombo(int index) override;
  void SetClipboardData(const std::string& mimeType, const std::vector<uint8_t>& bytes) override;
  bool GetClipboardData(const std::string& mimeType, std::vector<uint8_t>* bytes) override;
  bool GetClipboardImage(CDIBSection* image) override;
  std::string AskOpenImageFile() override;
  bool AskBlueprintPosition(int* x, int* y) override;
  void SetClipboardImage(const CDIBSection& picture) override;
  bool AskText(TextRequest* request) override;
  std::string AskImageFile() override;
  bool AskNumber(const std::string& title, int* value) override;
  void ShowToolTip(const std::string& text) override;

 signals:
  void statusText(const QString& text);
  void selectionChanged();
  void layersChanged();
  void zoomComboChanged(int index);
  // The object menu should open at a global position.
  void contextMenuRequested(const QPoint& globalPos);
  // A gesture or key finished: the window's actions and bars should follow.
  void edited();
  // A project file was dropped on the window: it should open as a document.
  void openRequested(const QString& path);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Files dropped on the window: projects open as documents (through openRequested),
  // other files are imported at the drop point.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  std::unique_ptr<CVellumDoc> m_doc;
  std::unique_ptr<CVellumView> m_view;
  QString m_untitled;
  int m_zoomCombo = 4;
  bool m_initialized = false;
  bool m_updatingScrollBars = false;
  const void* m_lastUndoHead = nullptr;
  int m_cursorShown = -1;
  PaintEditorHost* m_painting = nullptr;  // a child of this window
};

}  // namespace tessel
