#include "app/paint_editor_host.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTabletEvent>
#include <QWheelEvent>

#include "app/app_painting_state.h"
#include "app/canvas_painter.h"
#include "app/document_window.h"
#include "app/paint_editor_display.h"
#include "base/app_context.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "paint/paint_editor.h"
#include "paint/painting_state.h"
#include "paint/pressure_source.h"
#include "view/general_settings.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
const QColor kOutsideCanvas(225, 225, 225);
const QColor kEditedFrame(0, 90, 200);
// Cursor indices of tablet reports: the pen's tip, its eraser end.
constexpr int kPenTip = 1;
constexpr int kPenEraser = 2;
// A wheel notch (120 eighths of a degree) scrolls three lines.
constexpr int kWheelNotch = 120;
constexpr int kWheelLines = 3;

CPointD ViewPoint(const QPointF& p) { return {p.x(), p.y()}; }
}  // namespace

PaintEditorHost::PaintEditorHost(DocumentWindow& window)
    : QObject(&window), m_window(window), m_state(AppPaintingState()) {
  window.viewport()->installEventFilter(this);
  window.installEventFilter(this);
  window.View().m_paintEditorRoute = this;
}

PaintEditorHost::~PaintEditorHost() = default;

CEventPressure* PaintEditorHost::Tablet() const {
  // Asked each time: the settings dialog may swap the state's pressure source.
  return dynamic_cast<CEventPressure*>(m_state.m_pressure.get());
}

bool PaintEditorHost::OpenEditor(CDrawObject& object, int paintTool) {
  return Open(object, paintTool, PaintTarget::kLayer);
}

bool PaintEditorHost::Open(CDrawObject& object, int paintTool, PaintTarget target) {
  if (Running() || m_window.Document().Position(&object) < 0) return false;
  CVellumView& view = m_window.View();
  if (paintTool > 0) m_state.m_tool = paintTool;
  UseTabletPressure(m_state, LoadGeneralSettings(App().Profile()).tablet);
  m_object = &object;
  m_display = std::make_unique<PaintEditorDisplay>(m_window.Document(), object, view.m_lensesOff);
  m_editor = std::make_unique<CPaintEditor>(object, m_state, target);
  m_editor->SetPaintOnEdge(m_paintOnEdge);
  const CDIBSection& blueprint = m_display->BlueprintOnCanvas();
  m_editor->SetCloneImages(&m_display->Below(), blueprint.IsEmpty() ? nullptr : &blueprint);
  m_layerChanged = true;
  view.SelectObject(&object);
  view.BeginPaintEditor();
  m_window.SetCursor(ViewCursor::kCrosshair);
  m_window.viewport()->update();
  emit m_window.edited();
  return true;
}

bool PaintEditorHost::EndEditing() {
  if (!Running()) return false;
  if (m_editor->InStroke()) m_editor->ButtonUp(m_lastPoint);  // a stroke still held ends where it is
  const bool changed = m_editor->Commit();
  if (changed) {
    m_object->RenderObject(false, nullptr);
    m_window.Document().SaveUndo();
  }
  Close();
  return changed;
}

void PaintEditorHost::Close() {
  m_editor.reset();
  m_display.reset();
  m_object = nullptr;
  m_tabletDown = false;
  m_window.View().EndPaintEditor();
  m_window.NoteEdits();
  m_window.viewport()->update();
  emit m_window.edited();
}

void PaintEditorHost::Detach() {
  m_window.viewport()->removeEventFilter(this);
  m_window.removeEventFilter(this);
  m_editor.reset();
  m_display.reset();
  m_object = nullptr;
}

bool PaintEditorHost::UndoStroke() {
  if (!Running() || !m_editor->Undo()) return false;
  AfterInput();
  return true;
}

bool PaintEditorHost::RedoStroke() {
  if (!Running() || !m_editor->Redo()) return false;
  AfterInput();
  return true;
}

void PaintEditorHost::SetPaintOnEdge(bool on) {
  m_paintOnEdge = on;
  if (m_editor) m_editor->SetPaintOnEdge(on);
}

// ---- the view's route ----

bool PaintEditorHost::RouteCommand(ViewCommand command) {
  using C = ViewCommand;
  if (command == C::kPaintOnEdge) {
    SetPaintOnEdge(!m_paintOnEdge);
    return true;
  }
  if (!Running()) return false;
  switch (command) {
    case C::kUndo: UndoStroke(); return true;
    case C::kRedo: RedoStroke(); return true;
    case C::kPressEsc: EndEditing(); return true;
    // Zoom is the view's own; the editor follows its mapping at the next event.
    case C::kZoomIn:
    case C::kZoomOut:
    case C::kOriginalSize: return false;
    default: return true;  // every other command waits until the editor ends
  }
}

void PaintEditorHost::RouteState(ViewCommand command, CommandState& state) const {
  using C = ViewCommand;
  if (command == C::kPaintOnEdge) {
    state.enabled = true;
    state.checked = m_paintOnEdge;
  }
  if (!Running()) return;
  if (command == C::kUndo) state.enabled = m_editor->CanUndo();
  if (command == C::kRedo) state.enabled = m_editor->CanRedo();
  if (command == C::kPaintEditObject) state.enabled = false;
}

// ---- input ----

bool PaintEditorHost::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &m_window) {
    if (Running() && event->type() == QEvent::KeyPress) return KeyEvent(static_cast<QKeyEvent*>(event));
    // Closing the window keeps the painting: it goes into the document first, so the
    // question about saving sees it.
    if (Running() && event->type() == QEvent::Close) EndEditing();
    return false;
  }
  if (watched != m_window.viewport()) return false;
  // An object taken out of the document meanwhile (from the layers list) ends editing.
  if (Running() && m_window.Document().Position(m_object) < 0) Close();
  return Running() ? RunningViewportEvent(event) : IdleViewportEvent(event);
}

bool PaintEditorHost::IdleViewportEvent(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonPress) return false;
  auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() != Qt::LeftButton) return false;
  CVellumView& view = m_window.View();
  const CPoint at = {int(mouse->position().x()), int(mouse->position().y())};
  if (type == QEvent::MouseButtonDblClick) {
    if (view.Tool() != kToolSelect) return false;
    CDrawObject* object = view.PaintableObjectAt(at);
    return object && OpenEditor(*object, 0);
  }
  // "Paint Transparency" and "Paint Opaque" open the editor on the object pressed,
  // with the eraser or the opacity brush.
  const int tool = view.Tool();
  if (tool != kToolPaintTransparency && tool != kToolPaintOpaque) return false;
  CDrawObject* object = view.ObjectAtPoint(view.WindowToDocument(at), false, false);
  if (!object) return true;
  m_window.setFocus(Qt::MouseFocusReason);
  // A bitmap object's picture carries its own alpha; other objects get painted
  // transparency, which their render applies over the shape.
  const PaintTarget target = object->IsBitmap() ? PaintTarget::kLayer : PaintTarget::kTransparency;
  return Open(*object, tool == kToolPaintTransparency ? kToolEraseTransparent : kToolMakeOpaque, target);
}

bool PaintEditorHost::RunningViewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::Paint: PaintCanvas(); return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      m_window.setFocus(Qt::MouseFocusReason);
      if (CEventPressure* tablet = Tablet()) tablet->Reset();  // the mouse paints at full pressure
      if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton)
        PointerDown(mouse->position(), mouse->button() == Qt::RightButton);
      return true;
    }
    case QEvent::MouseMove:
      PointerMove(static_cast<QMouseEvent*>(event)->position());
      return true;
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        PointerUp(static_cast<QMouseEvent*>(event)->position());
      return true;
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease: TabletEvent(static_cast<QTabletEvent*>(event)); return true;
    case QEvent::Wheel: WheelEvent(static_cast<QWheelEvent*>(event)); return true;
    case QEvent::ContextMenu: return true;
    default: return false;
  }
}

void PaintEditorHost::TabletEvent(QTabletEvent* event) {
  event->accept();  // no mouse events are made from it
  if (CEventPressure* tablet = Tablet()) {
    const bool eraser = event->pointerType() == QPointingDevice::PointerType::Eraser;
    tablet->PacketFraction(eraser ? kPenEraser : kPenTip, event->pressure());
  }
  switch (event->type()) {
    case QEvent::TabletPress:
      m_tabletDown = true;
      PointerDown(event->position(), event->button() == Qt::RightButton);
      break;
    case QEvent::TabletMove:
      if (m_tabletDown) PointerMove(event->position());
      break;
    default:
      if (m_tabletDown) PointerUp(event->position());
      m_tabletDown = false;
      break;
  }
}

void PaintEditorHost::WheelEvent(QWheelEvent* event) {
  const QPoint angle = event->angleDelta();
  const int delta = angle.y() != 0 ? angle.y() : angle.x();
  if (delta == 0) return;
  if (event->modifiers() & Qt::ControlModifier) {
    // Zoom as the menu does; the editor follows the view's mapping.
    m_window.View().Execute(delta > 0 ? ViewCommand::kZoomIn : ViewCommand::kZoomOut);
    m_window.viewport()->update();
    emit m_window.edited();
    return;
  }
  const bool sideways = (event->modifiers() & Qt::ShiftModifier) || angle.y() == 0;
  QScrollBar* bar = sideways ? m_window.horizontalScrollBar() : m_window.verticalScrollBar();
  bar->setValue(bar->value() - delta * kWheelLines * bar->singleStep() / kWheelNotch);
}

bool PaintEditorHost::KeyEvent(QKeyEvent* event) {
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  if (event->key() == Qt::Key_Escape)
    EndEditing();
  else if (ctrl && event->key() == Qt::Key_Z)
    UndoStroke();
  else if (ctrl && event->key() == Qt::Key_Y)
    RedoStroke();
  else
    return false;
  return true;
}

void PaintEditorHost::SyncMapping() {
  const CVellumView& view = m_window.View();
  const CSize logical = view.LogicalSize(), device = view.DeviceSize();
  const double zx = logical.cx > 0 ? double(device.cx) / logical.cx : 1.0;
  const double zy = logical.cy > 0 ? double(device.cy) / logical.cy : 1.0;
  // The layer is stretched over the object's box.
  const int layerWidth = m_editor->Layer().Width();
  const double stretch = layerWidth > 0 && m_object->m_width > 0 ? double(m_object->m_width) / layerWidth : 1.0;
  const CPoint origin = view.ViewportOrigin();
  m_editor->SetZoom(zx * stretch);
  m_editor->SetLayerOffset(origin.x + m_object->m_left * zx, origin.y + m_object->m_top * zy);
}

void PaintEditorHost::PointerDown(const QPointF& at, bool right) {
  SyncMapping();
  m_lastPoint = ViewPoint(at);
  m_editor->ButtonDown(m_lastPoint, right);
  AfterInput();
}

void PaintEditorHost::PointerMove(const QPointF& at) {
  if (!m_editor->InStroke()) return;
  SyncMapping();
  m_lastPoint = ViewPoint(at);
  m_editor->MouseMove(m_lastPoint);
  AfterInput();
}

void PaintEditorHost::PointerUp(const QPointF& at) {
  if (!m_editor->InStroke()) {
    emit m_window.edited();  // Color Pick changed the paint colour
    return;
  }
  SyncMapping();
  m_editor->ButtonUp(ViewPoint(at));
  AfterInput();
  emit m_window.edited();
}

void PaintEditorHost::AfterInput() {
  if (!m_editor->TakeDirtyRect().IsEmpty()) {
    m_layerChanged = true;
    m_window.viewport()->update();
  }
}

void PaintEditorHost::PaintCanvas() {
  QPainter painter(m_window.viewport());
  painter.fillRect(m_window.viewport()->rect(), kOutsideCanvas);
  const CVellumView& view = m_window.View();
  ViewPaint paint;
  paint.buffer = &m_display->Compose(m_editor->Layer(), m_layerChanged, m_editor->Target());
  m_layerChanged = false;
  paint.bufferRect = {0, 0, paint.buffer->Width(), paint.buffer->Height()};
  paint.halftone = view.Scale() < 1.0f;
  DrawViewBuffer(painter, paint, view);
  // A frame around the object being painted.
  const CRect box = view.DocumentToWindow(m_object->GetBoxRect());
  painter.setPen(QPen(kEditedFrame, 1, Qt::DashLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRect(box.left, box.top, box.Width(), box.Height()).adjusted(-1, -1, 0, 0));
}

}  // namespace tessel
