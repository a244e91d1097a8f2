// "Print...": the canvas composite, fitted to the printable page and centred.
#include "app/print.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "app/shell.h"
#include "base/app_context.h"
#include "base/dib_section.h"
#include "base/user_messages.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"

namespace tessel {

namespace {
constexpr char kPrintFailed[] = "The canvas could not be printed.";
}  // namespace

QImage CanvasImage(CVellumDoc& doc) {
  CDIBSection canvas;
  CompositeOptions options;
  options.background = doc.m_background;
  if (!ComposeDocument(doc, 1, options, canvas) || canvas.IsEmpty()) return {};
  // Bottom-up BGRA rows are, in memory, what QImage calls RGB32 on a little-endian
  // machine; mirrored() turns them top-down and copies, so canvas may go.
  const QImage bottomUp(canvas.Bits(), canvas.Width(), canvas.Height(), canvas.Stride(), QImage::Format_RGB32);
  return bottomUp.mirrored(false, true);
}

QRectF FitCentred(const QSizeF& image, const QRectF& area) {
  if (image.isEmpty()) return {};
  const qreal scale = std::min(area.width() / image.width(), area.height() / image.height());
  const QSizeF size = image * scale;
  return QRectF(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

bool PrintCanvas(QPrinter& printer, CVellumDoc& doc) {
  const QImage image = CanvasImage(doc);
  if (image.isNull()) return false;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // The painter starts at the printable area's top-left corner.
  const QRectF area(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
  painter.drawImage(FitCentred(image.size(), area), image);
  return painter.end();
}

void PrintDocument(QWidget* parent, CVellumDoc& doc) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!PrintCanvas(printer, doc)) App().Messages().Message(kPrintFailed, MsgButtons::kOk);
}

}  // namespace tessel
