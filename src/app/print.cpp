// "Print...": the canvas composite, fitted to the printable page and centred.
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "app/shell.h"
#include "base/app_context.h"
#include "base/dib_section.h"
#include "base/user_messages.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"

namespace tessel {

namespace {
constexpr char kTooLarge[] = "Not enough memory to print the canvas.";

// The composite as a top-down image (the bitmap is bottom-up BGRA, which in memory is
// what QImage calls RGB32 on this little-endian machine).
QImage CompositeImage(CVellumDoc& doc) {
  CDIBSection canvas;
  CompositeOptions options;
  options.background = doc.m_background;
  if (!ComposeDocument(doc, 1, options, canvas) || canvas.IsEmpty()) return {};
  const QImage bottomUp(canvas.Bits(), canvas.Width(), canvas.Height(), canvas.Stride(), QImage::Format_RGB32);
  return bottomUp.mirrored(false, true);  // a deep copy, so canvas may go
}

// The largest rectangle of the image's aspect inside page, centred.
QRectF FitCentred(const QSizeF& image, const QRectF& page) {
  const qreal scale = std::min(page.width() / image.width(), page.height() / image.height());
  const QSizeF size = image * scale;
  return QRectF(page.center() - QPointF(size.width() / 2, size.height() / 2), size);
}
}  // namespace

void PrintDocument(QWidget* parent, CVellumDoc& doc) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return;
  const QImage image = CompositeImage(doc);
  if (image.isNull()) {
    App().Messages().Message(kTooLarge, MsgButtons::kOk);
    return;
  }
  QPainter painter(&printer);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // The painter starts at the printable area's top-left corner.
  const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
  painter.drawImage(FitCentred(image.size(), page), image);
}

}  // namespace tessel
