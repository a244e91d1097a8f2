// The canvas window of one document: IViewHost for its view, Qt input to view calls,
// and the paint of the composed canvas.
#include "app/document_window.h"

#include <limits>

#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QInputDialog>
#include <QToolTip>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QUrl>

#include "app/canvas_painter.h"
#include "app/paint_editor_host.h"
#include "app/qt_image.h"
#include "app/shell.h"
#include "app/tool_dialogs.h"
#include "app/view_cursors.h"
#include "base/dib_section.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
const QColor kOutsideCanvas(225, 225, 225);
// The keyboard opens the object menu this far right of and below the client corner.
constexpr int kKeyboardMenuOffset = 5;
constexpr int kClipboardBits = 32;
constexpr uint8_t kOpaqueAlpha = 255;
constexpr char kProjectSuffix[] = "tsl";

ViewKeys KeysOf(Qt::KeyboardModifiers m) {
  ViewKeys keys;
  keys.shift = m & Qt::ShiftModifier;
  keys.ctrl = m & Qt::ControlModifier;
  keys.alt = m & Qt::AltModifier;
  return keys;
}

CPoint PointOf(const QPointF& p) { return {int(p.x()), int(p.y())}; }

ViewKey KeyOf(int key) {
  switch (key) {
    case Qt::Key_Left: return ViewKey::kLeft;
    case Qt::Key_Right: return ViewKey::kRight;
    case Qt::Key_Up: return ViewKey::kUp;
    case Qt::Key_Down: return ViewKey::kDown;
    case Qt::Key_Delete: return ViewKey::kDelete;
    case Qt::Key_Escape: return ViewKey::kEscape;
    default: return ViewKey::kOther;
  }
}
}  // namespace

DocumentWindow::DocumentWindow(std::unique_ptr<CVellumDoc> doc, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(std::move(doc)) {
  m_view = std::make_unique<CVellumView>(*m_doc, *this);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  // The paint covers the whole client area; no background erase.
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  auto endScroll = [this] {
    m_view->OnScroll({horizontalScrollBar()->value(), verticalScrollBar()->value()}, true);
    viewport()->update();
  };
  connect(horizontalScrollBar(), &QScrollBar::sliderReleased, this, endScroll);
  connect(verticalScrollBar(), &QScrollBar::sliderReleased, this, endScroll);
  m_lastUndoHead = m_doc->m_undoList.empty() ? nullptr : &m_doc->m_undoList.front();
  // The painting editor watches the viewport's input before the view sees it.
  m_painting = new PaintEditorHost(*this);
}

DocumentWindow::~DocumentWindow() {
  // The editor must not see the viewport's last events once the document is going.
  m_painting->Detach();
}

QString DocumentWindow::Title() const {
  const QString name =
      m_doc->m_pathName.empty() ? m_untitled : QFileInfo(QString::fromStdString(m_doc->m_pathName)).fileName();
  return m_doc->m_modified ? name + "*" : name;
}

void DocumentWindow::EnsureInitialUpdate() {
  if (m_initialized) return;
  m_initialized = true;
  m_view->OnSize(ClientSize());
  m_view->OnInitialUpdate();
  StartDocumentTimers(this, *m_doc, [this] { RepaintAll(); });
}

void DocumentWindow::RepaintAll() {
  m_view->RequestFullRedraw();
  viewport()->update();
}

void DocumentWindow::NoteEdits() {
  const void* head = m_doc->m_undoList.empty() ? nullptr : &m_doc->m_undoList.front();
  // A new snapshot at the head of the undo list is a finished change of the objects.
  if (head != m_lastUndoHead) m_doc->m_modified = true;
  m_lastUndoHead = head;
}

// ---- IViewHost ----

void DocumentWindow::Invalidate(const CRect& r) {
  viewport()->update(QRect(QPoint(r.left, r.top), QSize(r.Width(), r.Height())).normalized());
}

void DocumentWindow::InvalidateAll() { viewport()->update(); }

void DocumentWindow::SetCapture(bool) {
  // Qt holds the mouse for the widget between a press and its release already.
}

void DocumentWindow::SetCursor(ViewCursor cursor) {
  if (int(cursor) == m_cursorShown) return;
  m_cursorShown = int(cursor);
  viewport()->setCursor(CursorFor(cursor));
}

CSize DocumentWindow::ClientSize() const { return {viewport()->width(), viewport()->height()}; }

void DocumentWindow::ScrollBarsChanged() {
  const CSize device = m_view->DeviceSize();
  const CSize client = ClientSize();
  const CSize line = m_view->LineSize();
  const CPoint pos = m_view->ScrollPosition();
  m_updatingScrollBars = true;
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  h->setRange(0, std::max(0, device.cx - client.cx));
  h->setPageStep(std::max(1, client.cx));
  h->setSingleStep(std::max(1, line.cx));
  h->setValue(pos.x);
  v->setRange(0, std::max(0, device.cy - client.cy));
  v->setPageStep(std::max(1, client.cy));
  v->setSingleStep(std::max(1, line.cy));
  v->setValue(pos.y);
  m_updatingScrollBars = false;
  viewport()->update();
}

void DocumentWindow::Status(const std::string& text) { emit statusText(QString::fromStdString(text)); }
void DocumentWindow::SelectionChanged() { emit selectionChanged(); }
void DocumentWindow::LayersChanged() { emit layersChanged(); }

void DocumentWindow::SetZoomCombo(int index) {
  m_zoomCombo = index;
  emit zoomComboChanged(index);
}

void DocumentWindow::SetClipboardData(const std::string& mimeType, const std::vector<uint8_t>& bytes) {
  auto data = std::make_unique<QMimeData>();
  data->setData(QString::fromStdString(mimeType),
                QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
  QGuiApplication::clipboard()->setMimeData(data.release());  // the clipboard owns it
}

bool DocumentWindow::GetClipboardData(const std::string& mimeType, std::vector<uint8_t>* bytes) {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  const QString type = QString::fromStdString(mimeType);
  if (!data || !data->hasFormat(type)) return false;
  const QByteArray raw = data->data(type);
  bytes->assign(raw.begin(), raw.end());
  return true;
}

bool DocumentWindow::GetClipboardImage(CDIBSection* image) {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasImage()) return false;
  return DibFromImage(QGuiApplication::clipboard()->image(), image);
}

std::string DocumentWindow::AskOpenImageFile() {
  return AskPictureFile(this, "Load Blueprint from File", false).toStdString();
}

bool DocumentWindow::AskNumber(const std::string& title, int* value) {
  bool ok = false;
  const int chosen = QInputDialog::getInt(this, QString::fromStdString(title), QString::fromStdString(title) + ":",
                                          *value, 0, std::numeric_limits<int>::max(), 1, &ok);
  if (ok) *value = chosen;
  return ok;
}

void DocumentWindow::ShowToolTip(const std::string& text) {
  if (text.empty())
    QToolTip::hideText();
  else
    QToolTip::showText(QCursor::pos(), QString::fromStdString(text), viewport());
}

bool DocumentWindow::AskBlueprintPosition(int* x, int* y) {
  BlueprintPositionDialog dialog(this, *x, *y);
  if (dialog.exec() != QDialog::Accepted) return false;
  *x = dialog.X();
  *y = dialog.Y();
  return true;
}

void DocumentWindow::SetClipboardImage(const CDIBSection& picture) {
  // The picture is 24-bit; the clipboard takes it through the 32-bit conversion.
  CDIBSection wide;
  if (picture.IsEmpty() || !wide.Create(picture.Width(), picture.Height(), kClipboardBits)) return;
  const int channels = picture.BitsPerPixel() / 8;
  for (int y = 0; y < picture.Height(); ++y) {
    const uint8_t* from = picture.RowFromTop(y);
    uint8_t* to = wide.RowFromTop(y);
    for (int x = 0; x < picture.Width(); ++x) {
      to[x * 4] = from[x * channels];
      to[x * 4 + 1] = from[x * channels + 1];
      to[x * 4 + 2] = from[x * channels + 2];
      to[x * 4 + 3] = channels == 4 ? from[x * channels + 3] : kOpaqueAlpha;
    }
  }
  QGuiApplication::clipboard()->setImage(ImageFromDib(wide));
}

bool DocumentWindow::AskText(TextRequest* request) {
  TextEditorDialog dialog(this, *request);
  if (dialog.exec() != QDialog::Accepted) return false;
  dialog.Fill(request);
  return true;
}

std::string DocumentWindow::AskImageFile() {
  return AskPictureFile(this, "Insert Image from File", true).toStdString();
}

// ---- Qt events ----

void DocumentWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void DocumentWindow::dropEvent(QDropEvent* event) {
  // The scroll area hands the viewport's drop on with viewport coordinates.
  const CPoint doc = m_view->WindowToDocument(PointOf(event->position()));
  for (const QUrl& url : event->mimeData()->urls()) {
    const QString path = url.toLocalFile();
    if (path.isEmpty()) continue;
    if (QFileInfo(path).suffix().compare(kProjectSuffix, Qt::CaseInsensitive) == 0)
      emit openRequested(path);
    else
      m_view->ImportFile(path.toStdString(), &doc);
  }
  event->acceptProposedAction();
  NoteEdits();
  emit edited();
}

void DocumentWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.fillRect(event->rect(), kOutsideCanvas);
  if (!m_initialized) return;
  const QRect clip = event->rect();
  const ViewPaint& paint = m_view->Paint({clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1});
  if (paint.blank) return;
  DrawViewBuffer(painter, paint, *m_view);
  DrawOverlays(painter, paint.overlays, *m_view);
}

void DocumentWindow::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  if (m_initialized) m_view->OnSize(ClientSize());
}

void DocumentWindow::showEvent(QShowEvent* event) {
  QAbstractScrollArea::showEvent(event);
  EnsureInitialUpdate();
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
  if (m_doc->m_modified && m_confirmClose && !m_confirmClose(*this)) {
    event->ignore();
    return;
  }
  event->accept();
}

void DocumentWindow::scrollContentsBy(int, int) {
  if (m_updatingScrollBars) return;
  // A drag of the thumb ends with its release; every other scroll ends at once.
  const bool dragging = horizontalScrollBar()->isSliderDown() || verticalScrollBar()->isSliderDown();
  m_view->OnScroll({horizontalScrollBar()->value(), verticalScrollBar()->value()}, !dragging);
  viewport()->update();
}

void DocumentWindow::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const CPoint p = PointOf(event->position());
  const ViewKeys keys = KeysOf(event->modifiers());
  if (event->button() == Qt::LeftButton) m_view->OnLButtonDown(p, keys);
  if (event->button() == Qt::RightButton) m_view->OnRButtonDown(p, keys);
}

void DocumentWindow::mouseMoveEvent(QMouseEvent* event) {
  // The view sets the cursor for the new position itself.
  m_view->OnMouseMove(PointOf(event->position()), KeysOf(event->modifiers()));
}

void DocumentWindow::mouseReleaseEvent(QMouseEvent* event) {
  const CPoint p = PointOf(event->position());
  const ViewKeys keys = KeysOf(event->modifiers());
  if (event->button() == Qt::LeftButton) m_view->OnLButtonUp(p, keys);
  if (event->button() == Qt::RightButton && m_view->OnRButtonUp(p, keys))
    emit contextMenuRequested(viewport()->mapToGlobal(event->position().toPoint()));
  NoteEdits();
  emit edited();
}

void DocumentWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  const CPoint p = PointOf(event->position());
  const ViewKeys keys = KeysOf(event->modifiers());
  if (event->button() == Qt::LeftButton) m_view->OnLButtonDblClk(p, keys);
  if (event->button() == Qt::RightButton) m_view->OnRButtonDblClk(p, keys);
  NoteEdits();
  emit edited();
}

void DocumentWindow::wheelEvent(QWheelEvent* event) {
  const QPoint angle = event->angleDelta();
  const int delta = angle.y() != 0 ? angle.y() : angle.x();
  m_view->OnWheel(PointOf(event->position()), delta, KeysOf(event->modifiers()));
  event->accept();
  emit edited();
}

void DocumentWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Menu) {
    emit contextMenuRequested(viewport()->mapToGlobal(QPoint(kKeyboardMenuOffset, kKeyboardMenuOffset)));
    return;
  }
  if (m_view->OnKeyDown(KeyOf(event->key()), KeysOf(event->modifiers()))) {
    NoteEdits();
    emit edited();
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

}  // namespace tessel
