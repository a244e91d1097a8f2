// PaintEditorHost: the painting editor of one document window. It opens the editor on
// an object ("Bitmap Brush Edit on Object", a double-click on a bitmap or an object with
// a layer, a press of the "Paint Transparency" or "Paint Opaque" tool), routes the
// window's mouse and tablet input to it in view pixels, shows the working layer on the
// canvas at the view's zoom, takes undo, redo and Esc while it runs, and on the end
// hands the layer back to the object with one document undo step.
#pragma once

#include <QObject>
#include <memory>

#include "base/rect.h"
#include "paint/paint_editor.h"
#include "view/paint_editor_route.h"

class QEvent;
class QKeyEvent;
class QPointF;
class QTabletEvent;
class QWheelEvent;

namespace tessel {

class CDrawObject;
class CEventPressure;
class DocumentWindow;
class PaintEditorDisplay;
struct CPaintingState;

class PaintEditorHost : public QObject, public IPaintEditorRoute {
  Q_OBJECT
 public:
  // Watches the window's viewport and keys and becomes its view's painting route.
  explicit PaintEditorHost(DocumentWindow& window);
  ~PaintEditorHost() override;

  bool Running() const { return m_editor != nullptr; }
  // The editor and its object while it runs, else null.
  CPaintEditor* Editor() { return m_editor.get(); }
  CDrawObject* Object() { return m_object; }

  // Commits the working layer: the object is rendered again and the document records
  // one undo step when the layer changed. Returns whether it changed; false when the
  // editor was not running.
  bool EndEditing();
  // Undo and redo of the editor's own strokes; false when there was none.
  bool UndoStroke();
  bool RedoStroke();

  // The window is going: input is no longer watched and a running editor is dropped
  // without touching the document.
  void Detach();

  // "Paint on Edge", kept for the next editor as well.
  bool PaintOnEdge() const { return m_paintOnEdge; }
  void SetPaintOnEdge(bool on);

  // ---- IPaintEditorRoute ----
  bool RouteCommand(ViewCommand command) override;
  void RouteState(ViewCommand command, CommandState& state) const override;
  bool OpenEditor(CDrawObject& object, int paintTool) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Opens the editor on object's layer or painted transparency.
  bool Open(CDrawObject& object, int paintTool, PaintTarget target);
  // The tablet's pressure source while "Tablet" is on, else null.
  CEventPressure* Tablet() const;
  // Input while the editor is closed: the double-click and the paint tools' press.
  bool IdleViewportEvent(QEvent* event);
  bool RunningViewportEvent(QEvent* event);
  bool KeyEvent(QKeyEvent* event);
  void TabletEvent(QTabletEvent* event);
  // Ctrl zooms, the wheel alone scrolls (Shift: sideways).
  void WheelEvent(QWheelEvent* event);
  // The editor's view mapping from the view's zoom and scroll, before every event.
  void SyncMapping();
  void PointerDown(const QPointF& at, bool right);
  void PointerMove(const QPointF& at);
  void PointerUp(const QPointF& at);
  // Repaints after the working layer may have changed.
  void AfterInput();
  void PaintCanvas();
  // The editor's end, the view back to its tools and the window's bars told.
  void Close();

  DocumentWindow& m_window;
  CPaintingState& m_state;
  std::unique_ptr<CPaintEditor> m_editor;
  std::unique_ptr<PaintEditorDisplay> m_display;
  CDrawObject* m_object = nullptr;
  bool m_tabletDown = false;
  CPointD m_lastPoint;                 // the pointer's last position in a stroke
  bool m_paintOnEdge = false;
  bool m_layerChanged = true;
};

}  // namespace tessel
