// Printing: the fit of the canvas on the page, the composite's orientation and colours,
// and a whole print into a PDF file.
#include <QFileInfo>
#include <QObject>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "app/print.h"
#include "base/app_context.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"

namespace tessel {

class PrintTest : public QObject {
  Q_OBJECT

 private slots:
  void canvasFitsThePageCentredWithItsAspect() {
    // A wide canvas on a tall page: full width, centred vertically.
    QCOMPARE(FitCentred(QSizeF(400, 300), QRectF(0, 0, 800, 1000)), QRectF(0, 200, 800, 600));
    // A tall canvas on a wide area with an offset: full height, centred horizontally.
    QCOMPARE(FitCentred(QSizeF(100, 200), QRectF(10, 20, 500, 100)), QRectF(235, 20, 50, 100));
    // Small canvases grow to the page as well.
    QCOMPARE(FitCentred(QSizeF(10, 10), QRectF(0, 0, 50, 50)), QRectF(0, 0, 50, 50));
    QVERIFY(FitCentred(QSizeF(0, 10), QRectF(0, 0, 50, 50)).isNull());
  }

  void compositeIsTopDownWithTheBackground() {
    CAppContext context;
    CVellumDoc doc;
    doc.m_width = 40;
    doc.m_height = 30;
    doc.m_background = 0x00FF0000;  // blue (0x00BBGGRR)
    CDrawObject* box = doc.NewObject();
    box->m_color = 0x000000FF;  // red
    box->CreateRectangle(4, 4, 16, 10);  // near the top-left corner
    const QImage image = CanvasImage(doc);
    QCOMPARE(image.size(), QSize(40, 30));
    QCOMPARE(image.pixelColor(35, 25), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(10, 7), QColor(255, 0, 0));
  }

  void printsIntoAPdf() {
    CAppContext context;
    CVellumDoc doc;
    QTemporaryDir dir;
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = dir.filePath(QStringLiteral("canvas.pdf"));
    printer.setOutputFileName(path);
    QVERIFY(PrintCanvas(printer, doc));
    QVERIFY(QFileInfo(path).size() > 0);
  }
};

// Runs the printing tests; the GUI test program's main calls this beside its own cases.
int RunPrintTests(int argc, char** argv) {
  PrintTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace tessel

#include "print_test.moc"
