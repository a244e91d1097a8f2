// The desktop program's parts that need no window: the command tables and the action
// list, bitmap conversions, and the canvas painter.
#include <QAction>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QtTest>
#include <map>
#include <set>

#include "app/app_commands.h"
#include "app/canvas_painter.h"
#include "app/main_window.h"
#include "app/qt_image.h"
#include "base/dib_section.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"

using namespace tessel;

namespace {
// A zoom mapping at scale 1 whose client is exactly the logical size (no centring).
class FixedZoom : public ZoomView {
 public:
  explicit FixedZoom(CSize size) : m_size(size) { SetLogicalSize(size); }
  CSize ClientSize() const override { return m_size; }

 private:
  CSize m_size;
};

QProcessEnvironment EnvironmentWithoutDisplay() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  env.remove("QT_QPA_PLATFORM");
  return env;
}

QString RunProgram(const QStringList& args, int* exitCode) {
  QProcess process;
  process.setProcessEnvironment(EnvironmentWithoutDisplay());
  process.start(TESSEL_GUI_PATH, args);
  process.waitForFinished(30000);
  *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  return QString::fromUtf8(process.readAllStandardOutput());
}

void FillRow(CDIBSection& dib, int rowFromTop, uint8_t b, uint8_t g, uint8_t r) {
  uint8_t* row = dib.RowFromTop(rowFromTop);
  for (int x = 0; x < dib.Width(); ++x) {
    row[x * 4] = b;
    row[x * 4 + 1] = g;
    row[x * 4 + 2] = r;
    row[x * 4 + 3] = 255;
  }
}
}  // namespace

class GuiUnitTests : public QObject {
  Q_OBJECT
 private slots:
  void plainLabelsDropMnemonics() {
    QCOMPARE(PlainLabel("Cu&t"), std::string("Cut"));
    QCOMPARE(PlainLabel("&Open..."), std::string("Open..."));
    QCOMPARE(PlainLabel("Edit Guidelines && Grid..."), std::string("Edit Guidelines & Grid..."));
    QCOMPARE(PlainLabel("&&&File"), std::string("&File"));
    QCOMPARE(PlainLabel("Trailing&"), std::string("Trailing&"));
  }

  void actionListRunsWithoutDisplay() {
    int code = -1;
    const QString out = RunProgram({"--action-list"}, &code);
    QCOMPARE(code, 0);
    const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    QVERIFY(lines.contains("edit.undo\tUndo\tCtrl+Z"));
    QVERIFY(lines.contains("file.open\tOpen...\tCtrl+O"));
    QVERIFY(lines.contains("edit.guidelines\tEdit Guidelines & Grid...\t"));
    QVERIFY(lines.contains("edit.delete\tDelete Object\tDel"));
    QVERIFY(lines.contains("tool.skew\tSkew\t"));
    // Every command of both tables, each once.
    const int commands = int(ViewCommandTable().size() + AppCommandTable().size());
    QCOMPARE(lines.size(), commands);
    std::set<QString> ids;
    for (const QString& line : lines) {
      QCOMPARE(line.count('\t'), 2);
      ids.insert(line.section('\t', 0, 0));
    }
    QCOMPARE(int(ids.size()), commands);
  }

  void noTwoActionsShareAShortcut() {
    std::map<QKeySequence, QString> owners;
    for (const std::string& line : ActionListLines()) {
      const QString text = QString::fromStdString(line);
      const QKeySequence key(text.section('\t', 2));
      if (key.isEmpty()) continue;
      const auto [it, fresh] = owners.emplace(key, text.section('\t', 0, 0));
      QVERIFY2(fresh, qPrintable(text.section('\t', 0, 0) + " and " + it->second));
    }
  }

  void versionAndHelpWithoutDisplay() {
    int code = -1;
    QCOMPARE(RunProgram({"--version"}, &code), QString("Tessel " TESSEL_VERSION "\n"));
    QCOMPARE(code, 0);
    QVERIFY(RunProgram({"--help"}, &code).contains("--action-list"));
    QCOMPARE(code, 0);
  }

  void menusCarryEveryTableAction() {
    MainWindow window;
    std::set<QAction*> inMenus;
    std::function<void(QMenu*)> collect = [&](QMenu* menu) {
      for (QAction* a : menu->actions()) {
        inMenus.insert(a);
        if (a->menu()) collect(a->menu());
      }
    };
    for (QAction* top : window.menuBar()->actions()) collect(top->menu());
    for (const std::string& line : ActionListLines()) {
      const QString id = QString::fromStdString(line).section('\t', 0, 0);
      QAction* action = window.Action(id);
      QVERIFY2(action, qPrintable(id));
      ActionRef ref;
      QVERIFY(FindAction(id.toStdString(), &ref));
      QCOMPARE(action->shortcut(), QKeySequence(ref.shortcut));
      if (*ref.shortcut) QVERIFY2(!action->shortcut().isEmpty(), ref.shortcut);  // Qt parsed it
      if (std::string(ref.name) != "view.escape") QVERIFY2(inMenus.count(action), qPrintable(id));
    }
    // With no document every view command is off.
    QVERIFY(!window.Action("edit.undo")->isEnabled());
    QVERIFY(!window.Action("file.save")->isEnabled());
    QVERIFY(window.Action("file.open")->isEnabled());
  }

  void bitmapsConvertWithTheirOrientation() {
    CDIBSection dib;
    QVERIFY(dib.Create(3, 2, 32));
    FillRow(dib, 0, 10, 20, 30);   // top row
    FillRow(dib, 1, 40, 50, 60);   // bottom row
    dib.RowFromTop(0)[3] = 128;    // a half transparent pixel keeps its straight colour
    const QImage image = ImageFromDib(dib);
    QCOMPARE(image.size(), QSize(3, 2));
    QCOMPARE(image.pixel(0, 0), qRgba(30, 20, 10, 128));
    QCOMPARE(image.pixel(2, 1), qRgba(60, 50, 40, 255));
    CDIBSection back;
    QVERIFY(DibFromImage(image, &back));
    QVERIFY(back == dib);
    QVERIFY(!DibFromImage(QImage(), &back));
    QVERIFY(ImageFromDib(CDIBSection()).isNull());
  }

  void bufferAndOverlaysLandWhereTheViewSays() {
    CDIBSection dib;
    QVERIFY(dib.Create(6, 4, 32));
    for (int y = 0; y < 4; ++y) FillRow(dib, y, 0, 0, uint8_t(50 * (y + 1)));  // red grows downwards
    FixedZoom zoom({6, 4});
    ViewPaint paint;
    paint.buffer = &dib;
    paint.bufferRect = {0, 0, 6, 4};
    OverlayItem frame;
    frame.kind = OverlayKind::kRect;
    frame.rect = {1, 1, 4, 3};
    frame.color = 0x00FF00;  // green
    frame.window = true;
    OverlayItem dot;
    dot.kind = OverlayKind::kPixels;
    dot.points = {{5, 3}};
    dot.color = 0xFF0000;  // blue
    paint.overlays = {frame, dot};
    QImage target(6, 4, QImage::Format_RGB32);
    target.fill(Qt::black);
    {
      QPainter p(&target);
      DrawViewBuffer(p, paint, zoom);
      DrawOverlays(p, paint.overlays, zoom);
    }
    QCOMPARE(target.pixel(0, 0), qRgb(50, 0, 0));
    QCOMPARE(target.pixel(5, 2), qRgb(150, 0, 0));
    QCOMPARE(target.pixel(0, 3), qRgb(200, 0, 0));
    // The hollow rectangle's right and bottom are exclusive: columns 1..3, rows 1..2.
    QCOMPARE(target.pixel(1, 1), qRgb(0, 255, 0));
    QCOMPARE(target.pixel(3, 2), qRgb(0, 255, 0));
    QCOMPARE(target.pixel(4, 1), qRgb(100, 0, 0));
    QCOMPARE(target.pixel(1, 3), qRgb(200, 0, 0));
    QCOMPARE(target.pixel(5, 3), qRgb(0, 0, 255));
  }
};

int RunUnitTests(int argc, char** argv) {
  GuiUnitTests tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "gui_unit_tests.moc"
