// The main window with a sample open: selecting with the mouse and from the layers list,
// dragging, undo, the object bar, saving and opening again.
#include <cstdlib>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

#include "app/document_window.h"
#include "app/layers_dock.h"
#include "app/main_window.h"
#include "app/object_bar.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "gui_test_support.h"
#include "view/vellum_view.h"

using namespace tessel;

namespace {
const QString kSample = QStringLiteral(TESSEL_SAMPLES_DIR "/Welcome.tsl");
constexpr int kOpaque = 255;

// A document point inside the object where its rendered picture is opaque, as near the
// box centre as possible, so that the pixel test finds the object there.
bool OpaquePointOf(const CDrawObject& o, CPoint* point) {
  const CDIBSection& bits = o.m_bitmap;
  if (bits.IsEmpty()) return false;
  const int cx = bits.Width() / 2, cy = bits.Height() / 2;
  for (int r = 0; r < std::max(cx, cy); ++r)
    for (int y = std::max(0, cy - r); y <= std::min(bits.Height() - 1, cy + r); ++y)
      for (int x = std::max(0, cx - r); x <= std::min(bits.Width() - 1, cx + r); ++x)
        if (bits.RowFromTop(y)[x * 4 + 3] == kOpaque) {
          *point = {o.m_left + x, o.m_top + y};
          return true;
        }
  return false;
}

QPoint WindowPoint(const CVellumView& view, CPoint doc) {
  const CPoint w = view.DocumentToWindow(doc);
  return {w.x, w.y};
}

struct Box {
  int left, top, width, height, hidden;
  std::string name;
  bool operator==(const Box& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height && hidden == o.hidden &&
           name == o.name;
  }
};

std::vector<Box> Boxes(const CVellumDoc& doc) {
  std::vector<Box> boxes;
  for (int i = 0; i < doc.ObjectCount(); ++i) {
    const CDrawObject* o = doc.ObjectAt(i);
    boxes.push_back({o->m_left, o->m_top, o->m_width, o->m_height, o->m_hidden, o->m_name});
  }
  return boxes;
}
}  // namespace

class GuiSmokeTests : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QVERIFY(m_window->OpenFile(kSample));
    m_doc = m_window->ActiveWindow();
    QVERIFY(m_doc);
    m_doc->EnsureInitialUpdate();
    QVERIFY(m_doc->Document().ObjectCount() > 0);
  }
  void cleanup() {
    if (m_doc) m_doc->Document().m_modified = false;  // no question on close
    m_window.reset();
  }

  void openedSampleFillsLayersAndTitle() {
    const CVellumDoc& doc = m_doc->Document();
    QCOMPARE(m_doc->Title(), QString("Welcome.tsl"));
    QTreeWidget* tree = m_window->Layers()->Tree();
    QCOMPARE(tree->topLevelItemCount(), doc.ObjectCount());
    const CDrawObject* top = doc.ObjectAt(doc.ObjectCount() - 1);
    const QString topName = top->m_name.empty() ? "(unnamed)" : QString::fromStdString(top->m_name);
    QCOMPARE(tree->topLevelItem(0)->text(0), topName);
    QCOMPARE(tree->topLevelItem(0)->text(1), ObjectKindName(*top));
    QVERIFY(!m_window->ObjectFields()->isEnabled());  // nothing selected yet
    QVERIFY(!m_window->Action("edit.undo")->isEnabled());
  }

  void layersRowSelectsAndHides() {
    CVellumDoc& doc = m_doc->Document();
    QTreeWidget* tree = m_window->Layers()->Tree();
    QTreeWidgetItem* second = tree->topLevelItem(1);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(second).center());
    CDrawObject* below = doc.ObjectAt(doc.ObjectCount() - 2);
    QCOMPARE(m_doc->View().CurrentObject(), below);
    QVERIFY(m_window->ObjectFields()->isEnabled());
    QCOMPARE(m_window->ObjectFields()->FieldBox(ObjectBar::kX)->value(), below->m_left);

    second->setCheckState(0, Qt::Unchecked);
    QCOMPARE(doc.ObjectAt(doc.ObjectCount() - 2)->m_hidden, 1);
    QVERIFY(doc.m_modified);
    QVERIFY(doc.CanUndo());
    QVERIFY(m_doc->Title().endsWith('*'));
  }

  void objectBarMovesAndResizesWithUndo() {
    CVellumDoc& doc = m_doc->Document();
    CDrawObject* top = doc.ObjectAt(doc.ObjectCount() - 1);
    m_doc->View().SelectObject(top);
    m_window->ObjectFields()->Refresh();
    const int left = top->m_left, width = top->m_width;
    QSpinBox* x = m_window->ObjectFields()->FieldBox(ObjectBar::kX);
    x->setValue(left + 7);
    m_window->ObjectFields()->Apply(ObjectBar::kX);
    QCOMPARE(top->m_left, left + 7);
    QSpinBox* w = m_window->ObjectFields()->FieldBox(ObjectBar::kW);
    w->setValue(width + 10);
    m_window->ObjectFields()->Apply(ObjectBar::kW);
    QCOMPARE(top->m_width, width + 10);
    QCOMPARE(top->m_left, left + 7);
    QVERIFY(doc.Undo());
    QVERIFY(doc.Undo());
    QCOMPARE(doc.ObjectAt(doc.ObjectCount() - 1)->m_left, left);
    QCOMPARE(doc.ObjectAt(doc.ObjectCount() - 1)->m_width, width);
  }

  void clickSelectsDragMovesUndoReturns() {
    CVellumDoc& doc = m_doc->Document();
    CVellumView& view = m_doc->View();
    const int topIndex = doc.ObjectCount() - 1;
    CDrawObject* top = doc.ObjectAt(topIndex);
    // No guideline may catch the press (it would drag the guideline) or the moved box.
    doc.m_guidesV.clear();
    doc.m_guidesH.clear();
    CPoint inside;
    QVERIFY(OpaquePointOf(*top, &inside));
    const QPoint press = WindowPoint(view, inside);
    QWidget* canvas = m_doc->viewport();
    QTest::mouseClick(canvas, Qt::LeftButton, {}, press);
    QCOMPARE(view.CurrentObject(), top);

    // Nor may a canvas edge catch the moved box (4 pixels).
    const int left = top->m_left, topY = top->m_top;
    QPoint offset;
    for (const QPoint candidate : {QPoint(30, 20), QPoint(-30, -20), QPoint(30, -20), QPoint(-30, 20)}) {
      const int l = left + candidate.x(), t = topY + candidate.y();
      if (std::abs(l) >= 4 && std::abs(t) >= 4 && std::abs(l + top->m_width - doc.m_width) >= 4 &&
          std::abs(t + top->m_height - doc.m_height) >= 4) {
        offset = candidate;
        break;
      }
    }
    QVERIFY(!offset.isNull());
    QTest::mousePress(canvas, Qt::LeftButton, {}, press);
    QTest::mouseMove(canvas, press + offset / 3);
    QTest::mouseMove(canvas, press + offset);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, press + offset);
    QCOMPARE(top->m_left, left + offset.x());
    QCOMPARE(top->m_top, topY + offset.y());
    QVERIFY(doc.m_modified);

    m_window->UpdateActions();
    QVERIFY(m_window->Action("edit.undo")->isEnabled());
    m_window->Action("edit.undo")->trigger();
    QCOMPARE(doc.ObjectAt(topIndex)->m_left, left);
    QCOMPARE(doc.ObjectAt(topIndex)->m_top, topY);
  }

  void savedFileOpensWithTheSameObjects() {
    CVellumDoc& doc = m_doc->Document();
    CDrawObject* top = doc.ObjectAt(doc.ObjectCount() - 1);
    top->SetPosition(top->m_left + 3, top->m_top + 4);
    top->m_hidden = 1;
    doc.m_modified = true;
    const QString path = guitest::ScratchDir() + "/saved.tsl";
    QVERIFY(m_window->SaveDocument(*m_doc, path));
    QVERIFY(!doc.m_modified);
    QCOMPARE(m_doc->Title(), QString("saved.tsl"));

    MainWindow other;
    other.show();
    QVERIFY(other.OpenFile(path));
    QVERIFY(other.ActiveDocument());
    QVERIFY(Boxes(*other.ActiveDocument()) == Boxes(doc));
    QCOMPARE(other.ActiveDocument()->m_width, doc.m_width);
    QCOMPARE(other.ActiveDocument()->m_background, doc.m_background);
  }

  void canvasIsPaintedAtEveryZoom() {
    const CVellumDoc& doc = m_doc->Document();
    CVellumView& view = m_doc->View();
    auto* combo = m_window->findChild<QComboBox*>("zoomCombo");
    QVERIFY(combo);
    QCOMPARE(combo->count(), 11);
    QCOMPARE(combo->itemText(0), QString("10%"));
    QCOMPARE(combo->itemText(10), QString("Custom"));
    const QRgb outside = qRgb(225, 225, 225);
    for (const char* id : {"view.zoom-50", "view.zoom-100", "view.zoom-200"}) {
      m_window->Action(id)->trigger();
      QCOMPARE(combo->currentText(), QString(id).section('-', 1) + "%");
      const QImage shown = m_doc->viewport()->grab().toImage();
      const QPoint centre = WindowPoint(view, {doc.m_width / 2, doc.m_height / 2});
      QVERIFY2(shown.pixel(centre) != outside, id);
      if (view.Scale() < 1) QCOMPARE(shown.pixel(1, 1), outside);
    }
    QCOMPARE(view.Scale(), 2.0f);
  }

  void rightClickShowsTheObjectMenu() {
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
      QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (QAction* a : menu->actions()) shown << a->objectName() + "=" + a->text();
      menu->close();
    });
    QTest::mouseClick(m_doc->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    // The entries are the window's own actions, so they run the view's commands.
    QCOMPARE(shown.size(), int(m_doc->View().ContextMenuEntries().size()));
    QCOMPARE(shown.mid(0, 3),
             QStringList({"edit.copy=&Copy", "edit.paste=&Paste", "edit.paste-attributes=Paste Atributes"}));
    QVERIFY(shown.contains("object.break-path=Break Path"));
  }

  void closingAModifiedDocumentAsks() {
    m_doc->Document().m_modified = true;
    auto answer = [](QMessageBox::StandardButton button, QString* text) {
      QTimer::singleShot(0, [button, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        *text = box->text();
        box->button(button)->click();
      });
    };
    QString asked;
    answer(QMessageBox::Cancel, &asked);
    QVERIFY(!m_doc->parentWidget()->close());
    QCOMPARE(asked, QString("Save changes to Welcome.tsl?"));
    QVERIFY(m_window->ActiveWindow() == m_doc);
    answer(QMessageBox::Discard, &asked);
    QVERIFY(m_doc->parentWidget()->close());
    QTRY_VERIFY(m_doc.isNull());
    QVERIFY(!m_window->ActiveWindow());
  }

 private:
  std::unique_ptr<MainWindow> m_window;
  QPointer<DocumentWindow> m_doc;
};

int RunSmokeTests(int argc, char** argv) {
  GuiSmokeTests tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "gui_smoke_tests.moc"
