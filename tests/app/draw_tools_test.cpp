// The creation tools in the desktop program: every kind of object drawn with the mouse
// on a new document, the tool option bar, the text editor, dropped files, and the
// drawing saved and opened again.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSpinBox>
#include <QInputDialog>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QtTest>

#include "app/app_commands.h"
#include "app/document_window.h"
#include "app/main_window.h"
#include "app/tool_dialogs.h"
#include "app/tool_value_bar.h"
#include "base/dib_section.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "gui_test_support.h"
#include "view/vellum_view.h"

using namespace tessel;

namespace tessel {

namespace {
constexpr int kShadeTolerance = 24;

struct Drawn {
  std::string name;
  int type;
  CRect box;
  bool operator==(const Drawn& o) const { return name == o.name && type == o.type && box == o.box; }
};

// With TESSEL_GUI_SHOTS naming a folder (a run on a real display), the screen as it
// is goes there as name.png, so that the tools in use can be looked at.
void Shot(const char* name) {
  const QString dir = qEnvironmentVariable("TESSEL_GUI_SHOTS");
  if (dir.isEmpty()) return;
  QTest::qWait(100);  // let the window paint
  QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/" + name + ".png");
}

std::vector<Drawn> Objects(const CVellumDoc& doc) {
  std::vector<Drawn> out;
  for (int i = 0; i < doc.ObjectCount(); ++i) {
    const CDrawObject* o = doc.ObjectAt(i);
    out.push_back({o->m_name, o->m_type, o->GetBoxRect()});
  }
  return out;
}
}  // namespace

class DrawToolsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    m_window = guitest::OpenWindowWithNewDocument();
    m_doc = m_window->ActiveWindow();
    QVERIFY(m_doc);
  }
  void cleanup() {
    guitest::CloseWithoutQuestions(m_window);
  }

  void toolsToolbarHoldsEveryToolOnce() {
    auto* bar = m_window->findChild<QToolBar*>("toolsToolbar");
    QVERIFY(bar);
    int tools = 0;
    for (const CommandInfo& c : ViewCommandTable()) {
      if (!IsToolAction(c.name)) continue;
      ++tools;
      QAction* action = m_window->Action(c.name);
      QVERIFY2(bar->actions().contains(action), c.name);
      QVERIFY2(action->isCheckable() && !action->icon().isNull(), c.name);
    }
    QCOMPARE(bar->actions().size(), tools);
    if (!qEnvironmentVariableIsEmpty("TESSEL_GUI_SHOTS")) {
      for (QMenu* menu : m_window->menuBar()->findChildren<QMenu*>()) {
        if (menu->title() != "&Tools" && menu->title() != "&Canvas") continue;
        menu->popup(m_window->mapToGlobal(QPoint(menu->title() == "&Tools" ? 200 : 150, 30)));
        Shot(menu->title() == "&Tools" ? "tools-menu" : "canvas-menu");
        menu->hide();
      }
    }
    Tool("tool.star");
    QVERIFY(m_window->Action("tool.star")->isChecked());
    QVERIFY(!m_window->Action("tool.select")->isChecked());
  }

  void optionBarShowsAndSetsTheToolValue() {
    auto* bar = m_window->findChild<ToolValueBar*>("toolValueBar");
    QVERIFY(bar);
    QVERIFY(!bar->Field()->isEnabled());
    QCOMPARE(bar->Label()->text(), QString("No tool options"));
    Tool("tool.rounded-rectangle");
    QCOMPARE(bar->Label()->text(), QString("Corners: "));
    QCOMPARE(bar->Field()->value(), 100);
    Tool("tool.star");
    QCOMPARE(bar->Label()->text(), QString("Angles: "));
    QCOMPARE(bar->Field()->value(), 6);
    bar->Field()->setValue(8);
    QCOMPARE(m_doc->View().ToolValue(), 8);
    bar->Field()->setValue(1);  // a star needs three points
    QCOMPARE(m_doc->View().ToolValue(), 3);
    Tool("tool.select");
    QVERIFY(!bar->Field()->isEnabled());
  }

  void everyKindIsDrawnSavedAndOpenedAgain() {
    const CDrawObject* o = nullptr;
    const struct {
      const char* tool;
      const char* name;
    } shapes[] = {{"tool.rectangle", "Rectangle"}, {"tool.circle", "Circle"},
                  {"tool.rounded-rectangle", "Round-Rect"}, {"tool.star", "Star"}};
    int count = 0;
    for (const auto& s : shapes) {
      // Side by side in two rows, 100 by 50 each.
      const CPoint from{20 + count % 2 * 110, 20 + count / 2 * 60};
      const CPoint to{from.x + 100, from.y + 50};
      Tool(s.tool);
      if (std::string(s.tool) == "tool.star") {
        Press(from.x, from.y);
        Move(to.x, to.y);
        Shot("star-drag");
        Release(to.x, to.y);
      } else {
        Drag(from, to);
      }
      QCOMPARE(Doc().ObjectCount(), ++count);
      o = Top();
      QCOMPARE(o->m_name, std::string(s.name));
      QCOMPARE(o->GetBoxRect(), (CRect{from.x - 2, from.y - 2, to.x + 2, to.y + 2}));
      QVERIFY(m_window->Action("tool.select")->isChecked());  // back to the selector
    }

    Tool("tool.path");
    Click(200, 100);
    Click(300, 100);
    Click(250, 180);
    Move(280, 140);
    Shot("path-in-progress");
    Press(250, 180, Qt::RightButton);  // ends the path open
    Release(250, 180, Qt::RightButton);
    QCOMPARE(Doc().ObjectCount(), ++count);
    QCOMPARE(Top()->m_name, std::string("Path"));
    QCOMPARE(Top()->m_type, int(kTypePath));
    QCOMPARE(Top()->m_path.m_closed, 0);

    Tool("tool.pencil");
    Move(100, 200);
    QCOMPARE(m_doc->viewport()->cursor().shape(), Qt::BitmapCursor);  // the drawn pencil
    Press(100, 200);
    for (CPoint p : {CPoint{150, 200}, CPoint{200, 220}, CPoint{200, 280}, CPoint{150, 300}, CPoint{100, 250}})
      Move(p.x, p.y);
    Move(103, 197);
    Shot("pencil-closing");
    Release(103, 197);
    QCOMPARE(Doc().ObjectCount(), ++count);
    QCOMPARE(Top()->m_name, std::string("Free Path"));
    QCOMPARE(Top()->m_path.m_closed, 1);

    Tool("tool.arrow");
    Click(300, 250);
    Click(400, 250);
    Move(430, 260);
    Shot("arrow-in-progress");
    Click(430, 260);
    QCOMPARE(Doc().ObjectCount(), ++count);
    QCOMPARE(Top()->m_name, std::string("Arrow"));
    QCOMPARE(Top()->GetBoxRect(), (CRect{298, 218, 402, 282}));

    // The text editor opens with the defaults and is filled as a user would.
    QString shownFont;
    QTimer::singleShot(0, [&shownFont] {
      auto* dialog = qobject_cast<TextEditorDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      shownFont = dialog->findChild<QFontComboBox*>("font")->currentFont().family();
      dialog->findChild<QPlainTextEdit*>("text")->setPlainText("Tessel");
      dialog->findChild<QDoubleSpinBox*>("size")->setValue(40);
      dialog->findChild<QCheckBox*>("bold")->setChecked(true);
      Shot("text-editor");
      dialog->accept();
    });
    Tool("tool.text");
    Click(20, 140);
    QVERIFY(!shownFont.isEmpty());
    QCOMPARE(Doc().ObjectCount(), ++count);
    QVERIFY(Top()->IsText());
    QCOMPARE(Top()->m_text, std::string("Tessel"));
    QCOMPARE(Top()->m_textBold, 1);
    QCOMPARE(m_doc->View().TextDefaults().m_textSize, 40.0);  // the choice is the next default

    // A cancelled editor adds nothing.
    QTimer::singleShot(0, [] {
      if (auto* dialog = qobject_cast<TextEditorDialog*>(QApplication::activeModalWidget())) dialog->reject();
    });
    Tool("tool.text");
    Click(300, 320);
    QCOMPARE(Doc().ObjectCount(), count);
    Tool("tool.star");
    Shot("all-kinds-star-options");
    Tool("tool.select");

    const std::vector<Drawn> drawn = Objects(Doc());
    const QString path = guitest::ScratchDir() + "/drawn.tsl";
    QVERIFY(m_window->SaveDocument(*m_doc, path));
    QVERIFY(m_window->OpenFile(path));
    DocumentWindow* reopened = m_window->ActiveWindow();
    QVERIFY(reopened != m_doc);
    QVERIFY(Objects(reopened->Document()) == drawn);
  }

  void droppedFilesImportAtThePointOrOpen() {
    const QString svg = guitest::ScratchDir() + "/drop.svg";
    QFile file(svg);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\"?>\n<svg width=\"100\" height=\"100\"><rect x=\"10\" y=\"20\" "
               "width=\"30\" height=\"40\"/></svg>\n");
    file.close();
    Drop(svg, {100, 50});
    QCOMPARE(Doc().ObjectCount(), 1);
    QCOMPARE(Top()->GetBoxRect(), (CRect{108, 68, 142, 112}));
    QVERIFY(Doc().m_modified);

    const QString project = guitest::ScratchDir() + "/dropped.tsl";
    QVERIFY(m_window->SaveDocument(*m_doc, project));
    Drop(project, {10, 10});
    QCOMPARE(Doc().ObjectCount(), 1);  // not imported
    QTRY_VERIFY(m_window->ActiveWindow() != m_doc);
    QCOMPARE(m_window->ActiveWindow()->Document().ObjectCount(), 1);

    // Outside the document windows every file opens as a document.
    const int windows = m_window->findChildren<DocumentWindow*>().size();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(project)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(m_window.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(m_window.get(), &drop);
    QCOMPARE(m_window->findChildren<DocumentWindow*>().size(), windows + 1);
  }

  void canvasRequestsUseTheirDialogsAndTheClipboard() {
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<BlueprintPositionDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      dialog->findChild<QSpinBox*>("x")->setValue(-15);
      dialog->findChild<QSpinBox*>("y")->setValue(40);
      dialog->accept();
    });
    int x = 3, y = 4;
    QVERIFY(m_doc->AskBlueprintPosition(&x, &y));
    QCOMPARE(x, -15);
    QCOMPARE(y, 40);
    QTimer::singleShot(0, [] {
      if (auto* dialog = qobject_cast<BlueprintPositionDialog*>(QApplication::activeModalWidget())) dialog->reject();
    });
    QVERIFY(!m_doc->AskBlueprintPosition(&x, &y));
    QCOMPARE(x, -15);

    // The clone tag's number dialog: OK gives the number typed, Cancel keeps the old one.
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      dialog->setIntValue(7);
      dialog->accept();
    });
    int number = 2;
    QVERIFY(m_doc->AskNumber("Package Number", &number));
    QCOMPARE(number, 7);
    QTimer::singleShot(0, [] {
      if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) dialog->reject();
    });
    QVERIFY(!m_doc->AskNumber("Package Number", &number));
    QCOMPARE(number, 7);

    // A 24-bit bottom-up picture: its first row in memory is the bottom one.
    CDIBSection picture;
    QVERIFY(picture.Create(2, 2, 24));
    uint8_t* bottom = picture.RowFromTop(1);
    bottom[0] = 255;  // blue at the bottom left
    uint8_t* top = picture.RowFromTop(0);
    top[3 + 2] = 255;  // red at the top right
    m_doc->SetClipboardImage(picture);
    const QImage image = QGuiApplication::clipboard()->image();
    QCOMPARE(image.size(), QSize(2, 2));
    QCOMPARE(image.pixel(0, 1), qRgba(0, 0, 255, 255));
    QCOMPARE(image.pixel(1, 0), qRgba(255, 0, 0, 255));
    QCOMPARE(image.pixel(0, 0), qRgba(0, 0, 0, 255));

    // The menu command hands the selected rectangle over as a picture.
    QGuiApplication::clipboard()->clear();
    Tool("tool.rectangle");
    Drag({20, 20}, {120, 70});
    QAction* copy = m_window->Action("object.copy-as-bitmap");
    QVERIFY(copy->isEnabled());
    copy->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    QVERIFY(copied.width() >= 100 && copied.height() >= 50);
    // The middle shows the fill colour (0x00BBGGRR), give or take the shading.
    const QColor middle(copied.pixel(copied.width() / 2, copied.height() / 2));
    const COLORREF fill = Top()->m_color;
    QVERIFY(std::abs(middle.red() - int(fill & 0xFF)) <= kShadeTolerance);
    QVERIFY(std::abs(middle.green() - int(fill >> 8 & 0xFF)) <= kShadeTolerance);
    QVERIFY(std::abs(middle.blue() - int(fill >> 16 & 0xFF)) <= kShadeTolerance);
  }

 private:
  CVellumDoc& Doc() { return m_doc->Document(); }
  CDrawObject* Top() { return Doc().ObjectAt(Doc().ObjectCount() - 1); }
  void Tool(const char* id) {
    QAction* action = m_window->Action(id);
    QVERIFY(action && action->isEnabled());
    action->trigger();
  }
  QPoint At(int x, int y) {
    const CPoint w = m_doc->View().DocumentToWindow(CPoint{x, y});
    return {w.x, w.y};
  }
  void Press(int x, int y, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(m_doc->viewport(), b, {}, At(x, y)); }
  void Release(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseRelease(m_doc->viewport(), b, {}, At(x, y));
  }
  void Move(int x, int y) { QTest::mouseMove(m_doc->viewport(), At(x, y)); }
  void Click(int x, int y) { Press(x, y), Release(x, y); }
  void Drag(CPoint from, CPoint to) {
    Press(from.x, from.y);
    Move((from.x + to.x) / 2, (from.y + to.y) / 2);
    Move(to.x, to.y);
    Release(to.x, to.y);
  }
  void Drop(const QString& path, CPoint doc) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at = At(doc.x, doc.y);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(m_doc->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(m_doc->viewport(), &drop);
  }

  std::unique_ptr<MainWindow> m_window;
  QPointer<DocumentWindow> m_doc;
};

int RunDrawToolsTests(int argc, char** argv) {
  DrawToolsTest tests;
  return QTest::qExec(&tests, argc, argv);
}

}  // namespace tessel

#include "draw_tools_test.moc"
