// The "Quick Styles" window and the object library window in the desktop program:
// styles clicked onto the selection or into the look of new objects, styles added,
// replaced and removed in the user's folder, library objects inserted by double-click
// and by a drop on the canvas, and the windows' remembered places.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/document_window.h"
#include "app/main_window.h"
#include "app/object_library_panel.h"
#include "app/object_library_window.h"
#include "app/quick_styles_window.h"
#include "app/thumbnail_list.h"
#include "base/app_context.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "gui_test_support.h"
#include "library/library_files.h"
#include "library/new_object_defaults.h"
#include "library/object_library.h"
#include "view/vellum_view.h"

using namespace tessel;

namespace tessel {

namespace {
constexpr int kBevelTab = 2;
constexpr int kTextureTab = 0;
constexpr int kUserTab = 7;

// With TESSEL_GUI_SHOTS naming a folder, the widget as it looks goes there.
void Shot(QWidget* widget, const char* name) {
  const QString dir = qEnvironmentVariable("TESSEL_GUI_SHOTS");
  if (!dir.isEmpty()) widget->grab().save(dir + "/libraries-" + name + ".png");
}

bool SameBevel(const CObjectFields& a, const CObjectFields& b) {
  return a.m_bevelType == b.m_bevelType && a.m_bevelWidth == b.m_bevelWidth && a.m_bevelParam1 == b.m_bevelParam1 &&
         a.m_bevelParam2 == b.m_bevelParam2;
}

bool SameColorAndTexture(const CObjectFields& a, const CObjectFields& b) {
  return a.m_color == b.m_color && a.m_color2 == b.m_color2 && a.m_textureName == b.m_textureName &&
         a.m_textureAmount == b.m_textureAmount && a.m_textureParam1 == b.m_textureParam1 &&
         a.m_textureParam2 == b.m_textureParam2;
}

bool SameBitmap(const CDIBSection& a, const CDIBSection& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    if (std::memcmp(a.RowFromTop(y), b.RowFromTop(y), size_t(a.Width()) * 4) != 0) return false;
  return true;
}

bool Exists(const std::string& path) { return QFile::exists(QString::fromStdString(path)); }
}  // namespace

class LibraryWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    m_window = guitest::OpenWindowWithNewDocument();
    m_doc = m_window->ActiveWindow();
    QVERIFY(m_doc);
    m_styles = m_window->findChild<QuickStylesWindow*>("quickStylesWindow");
    m_library = m_window->findChild<ObjectLibraryWindow*>("objectLibraryWindow");
    QVERIFY(m_styles && m_library);
    guitest::Recorder().Clear();
  }
  void cleanup() {
    guitest::CloseWithoutQuestions(m_window);
  }

  void nineTabsOpenFromTheViewMenu() {
    QTabWidget* tabs = m_styles->Tabs();
    const QStringList expected = {"Texture", "Transp", "Bevel", "Effect", "Lights", "Library A",
                                  "Library B", "User", "Objects"};
    QCOMPARE(tabs->count(), expected.size());
    for (int i = 0; i < tabs->count(); ++i) QCOMPARE(tabs->tabText(i), expected[i]);
    QCOMPARE(tabs->widget(kObjectsTab), static_cast<QWidget*>(m_styles->Objects()));
    // The tabs read the folders of the user's copy of Styles/.
    QVERIFY(QString::fromStdString(m_styles->Folder(kBevelTab).Path()).startsWith(guitest::ScratchDir()));
    QVERIFY(QString::fromStdString(m_styles->Folder(kBevelTab).Path()).endsWith("/Styles/Bevel"));
    QVERIFY(QString::fromStdString(m_styles->Folder(3).Path()).endsWith("/Styles/Shadow"));

    for (const char* id : {"view.quick-styles", "view.object-library"}) {
      QAction* action = m_window->Action(id);
      QVERIFY2(action && action->isEnabled(), id);
    }
    m_styles->close();
    m_library->close();
    QVERIFY(!m_styles->isVisible() && !m_library->isVisible());
    m_window->Action("view.quick-styles")->trigger();
    m_window->Action("view.object-library")->trigger();
    QVERIFY(m_styles->isVisible() && m_library->isVisible());

    tabs->setCurrentIndex(kBevelTab);
    ThumbnailList* list = m_styles->StyleList(kBevelTab);
    QCOMPARE(list->count(), int(m_styles->Folder(kBevelTab).Numbers().size()));
    QVERIFY(list->count() > 0);
    QCOMPARE(list->item(0)->icon().actualSize({100, 100}), QSize(50, 50));
    QTest::qWait(50);
    Shot(m_styles, "quick-styles");
    Shot(m_library, "object-library");
    tabs->setCurrentIndex(kObjectsTab);
    QTest::qWait(50);
    Shot(m_styles, "quick-styles-objects");
  }

  void bevelStyleClickChangesOnlyTheBevelInOneUndoStep() {
    CDrawObject* rect = DrawRectangle({20, 20}, {140, 100});
    QVERIFY(rect);
    // A colour no style has: copying more than the bevel would change it.
    m_doc->View().EditLook([](CDrawObject& o) { o.m_color = 0x123456; });
    CDrawObject before;
    before = *rect;
    const CDIBSection beforeBitmap = rect->m_bitmap.Clone();
    // The first bevel style that differs from the new rectangle's bevel.
    const CStyleFolder& folder = m_styles->Folder(kBevelTab);
    std::unique_ptr<CDrawObject> style;
    int n = 0;
    for (int candidate : folder.Numbers()) {
      style = folder.Load(candidate, nullptr);
      if (style && !SameBevel(*style, before)) {
        n = candidate;
        break;
      }
    }
    QVERIFY(n > 0);
    const size_t undoSteps = Doc().m_undoList.size();
    ClickStyle(kBevelTab, n);

    QCOMPARE(Doc().ObjectCount(), 1);
    QVERIFY(SameBevel(*rect, *style));
    QVERIFY(SameColorAndTexture(*rect, before));
    QCOMPARE(rect->m_lightsOn, before.m_lightsOn);
    QCOMPARE(rect->m_transpName, before.m_transpName);
    QCOMPARE(rect->m_effect, before.m_effect);
    QCOMPARE(rect->GetBoxRect(), before.GetBoxRect());
    QVERIFY(!SameBitmap(rect->m_bitmap, beforeBitmap));  // rendered again
    QCOMPARE(Doc().m_undoList.size(), undoSteps + 1);
    QVERIFY(Doc().m_modified);

    QVERIFY(Doc().CanUndo());
    m_window->Action("edit.undo")->trigger();
    QVERIFY(SameBevel(*Doc().ObjectAt(0), before));
  }

  void clickWithNothingSelectedStylesTheNextObject() {
    CDrawObject* first = DrawRectangle({20, 20}, {100, 80});
    QVERIFY(first);
    CDrawObject before;
    before = *first;
    const CDIBSection beforeBitmap = first->m_bitmap.Clone();
    m_doc->View().SelectObject(nullptr);
    const CStyleFolder& textures = m_styles->Folder(kTextureTab);
    std::unique_ptr<CDrawObject> style;
    int n = 0;
    for (int candidate : textures.Numbers()) {
      style = textures.Load(candidate, nullptr);
      if (style && !style->IsText() && !SameColorAndTexture(*style, before)) {
        n = candidate;
        break;
      }
    }
    QVERIFY(n > 0);
    const size_t undoSteps = Doc().m_undoList.size();
    ClickStyle(kTextureTab, n);
    // No object changed and nothing to undo; the status line names the style.
    QVERIFY(SameColorAndTexture(*first, before));
    QVERIFY(SameBitmap(first->m_bitmap, beforeBitmap));
    QCOMPARE(Doc().m_undoList.size(), undoSteps);
    const std::string status = "Object Default:Style" + std::to_string(n) + ".sty";
    QVERIFY(guitest::Recorder().StatusTexts().back() == status);
    // The look the property bars show while nothing is selected follows.
    QVERIFY(SameColorAndTexture(m_doc->View().DefaultLook(), *style));

    CDrawObject* second = DrawRectangle({150, 20}, {250, 80});
    QVERIFY(second && second != first);
    QCOMPARE(second->m_color, style->m_color);
    QCOMPARE(second->m_color2, style->m_color2);
    QCOMPARE(second->m_textureName, style->m_textureName);
    QCOMPARE(second->m_textureAmount, style->m_textureAmount);
    QVERIFY(SameBevel(*second, *style));
  }

  void textStyleWithNothingSelectedSetsTheTextDefaults() {
    // A text object stored as a style on the Lights tab (before the tab is first shown).
    const int lightsTab = 4;
    const CStyleFolder& folder = m_styles->Folder(lightsTab);
    const int n = folder.FreeNumber();
    CDrawObject text;
    text.m_type = kTypePolynome;
    text.m_envelope = 1;
    text.m_text = "Aa";
    text.m_color = 0x00AA55;
    text.m_bevelWidth = 7;
    text.m_width = 60;
    text.m_height = 30;
    QVERIFY(WriteObjectFile(folder.StyleFile(n), text, nullptr));
    const CObjectDefaults objectBefore = m_doc->View().NewObjectDefaults().looks.object;

    ClickStyle(lightsTab, n);
    const CNewObjectDefaults& looks = m_doc->View().NewObjectDefaults().looks;
    QCOMPARE(looks.text.m_color, COLORREF(0x00AA55));
    QCOMPARE(looks.text.m_bevelWidth, 7);
    QCOMPARE(looks.object.m_color, objectBefore.m_color);
    QCOMPARE(looks.object.m_bevelWidth, objectBefore.m_bevelWidth);
    QCOMPARE(guitest::Recorder().StatusTexts().back(), "Text Default:Style" + std::to_string(n) + ".sty");
    QCOMPARE(Doc().ObjectCount(), 0);
    QVERIFY(QFile::remove(QString::fromStdString(folder.StyleFile(n))));
  }

  void menusOfferOnlyWhatTheSelectionAllows() {
    m_styles->Tabs()->setCurrentIndex(kUserTab);
    ThumbnailList* list = m_styles->StyleList(kUserTab);
    QCOMPARE(MenuEntries(list), QStringList({"Add to Styles-", "Replace Style-", "Remove from Styles+"}));
    QVERIFY(DrawRectangle({10, 10}, {50, 50}));
    QCOMPARE(MenuEntries(list), QStringList({"Add to Styles+", "Replace Style+", "Remove from Styles+"}));
    ThumbnailList* objects = m_library->Panel()->List();
    m_library->Reveal();
    objects->SelectNumber(1);
    QCOMPARE(MenuEntries(objects), QStringList({"Insert+", "Add to Library+", "Replace+", "Remove from Library+"}));
    m_doc->View().SelectObject(nullptr);
    QCOMPARE(MenuEntries(objects), QStringList({"Insert+", "Add to Library-", "Replace-", "Remove from Library+"}));
  }

  void stylesAreAddedReplacedAndRemovedInTheUserFolder() {
    CDrawObject* rect = DrawRectangle({30, 30}, {130, 90});
    QVERIFY(rect);
    m_styles->Tabs()->setCurrentIndex(kUserTab);
    const CStyleFolder& folder = m_styles->Folder(kUserTab);
    QVERIFY(QString::fromStdString(folder.Path()).startsWith(guitest::ScratchDir()));
    ThumbnailList* list = m_styles->StyleList(kUserTab);
    const int styles = list->count();

    // Added under the first free number, with its thumbnail, and selected.
    const int n = folder.FreeNumber();
    m_styles->AddToStyles();
    QVERIFY(Exists(folder.StyleFile(n)) && Exists(folder.ThumbnailFile(n)));
    QCOMPARE(list->count(), styles + 1);
    QCOMPARE(list->SelectedNumber(), n);
    QCOMPARE(folder.Load(n, nullptr)->m_color, rect->m_color);

    // Replace asks first; No keeps the stored style.
    const COLORREF oldColor = rect->m_color;
    rect->m_color = 0x00FF00;
    m_styles->ReplaceSelectedStyle();
    QCOMPARE(guitest::Recorder().MessageTexts().back(), std::string("Do you want to replace this style?"));
    QCOMPARE(folder.Load(n, nullptr)->m_color, oldColor);
    guitest::Recorder().ScriptAnswer(MsgAnswer::kYes);
    m_styles->ReplaceSelectedStyle();
    QCOMPARE(folder.Load(n, nullptr)->m_color, COLORREF(0x00FF00));
    QCOMPARE(list->count(), styles + 1);

    // A style whose thumbnail is lost shows its object rendered instead.
    QVERIFY(QFile::remove(QString::fromStdString(folder.ThumbnailFile(n))));
    const QPixmap rendered = LibraryThumbnail(folder.ThumbnailFile(n), folder.StyleFile(n));
    QCOMPARE(rendered.size(), QSize(50, 50));
    const QColor middle = rendered.toImage().pixelColor(25, 25);
    QVERIFY(middle.green() > 200);  // the rectangle's new colour, 0x00FF00
    QVERIFY(middle.red() < 64 && middle.blue() < 64);
    QVERIFY(LibraryThumbnail(folder.ThumbnailFile(n), folder.StyleFile(n) + ".missing").isNull());

    // Remove refuses without a selected style, asks, and deletes both files.
    list->clearSelection();
    m_styles->RemoveSelectedStyle();
    QCOMPARE(guitest::Recorder().MessageTexts().back(), std::string("Please Select a style first!"));
    m_styles->ReplaceSelectedStyle();
    QCOMPARE(guitest::Recorder().MessageTexts().back(),
             std::string("You have to first select the style to be replaced.."));
    list->SelectNumber(n);
    m_styles->RemoveSelectedStyle();  // answered No
    QVERIFY(Exists(folder.StyleFile(n)));
    guitest::Recorder().ScriptAnswer(MsgAnswer::kYes);
    list->SelectNumber(n);
    m_styles->RemoveSelectedStyle();
    QVERIFY(!Exists(folder.StyleFile(n)) && !Exists(folder.ThumbnailFile(n)));
    QCOMPARE(list->count(), styles);
    QVERIFY(!list->ItemOf(n));

    // A style in the middle leaves a gap that the next new style fills.
    if (styles >= 2) {
      guitest::Recorder().ScriptAnswer(MsgAnswer::kYes);
      list->SelectNumber(2);
      m_styles->RemoveSelectedStyle();
      QVERIFY(!list->ItemOf(2));
      m_styles->AddToStyles();
      QVERIFY(Exists(folder.StyleFile(2)));
      QCOMPARE(list->SelectedNumber(), 2);
    }
  }

  void libraryDoubleClickAndDropInsertObjects() {
    m_library->Reveal();
    QVERIFY(QTest::qWaitForWindowExposed(m_library));
    ObjectLibraryPanel* panel = m_library->Panel();
    ThumbnailList* list = panel->List();
    const CObjectLibrary library(panel->Folder());
    QVERIFY(QString::fromStdString(panel->Folder()).endsWith("/Objects/Basic"));
    QCOMPARE(panel->Libraries()->currentText(), QString("Basic"));
    QCOMPARE(list->count(), library.Count());
    QVERIFY(list->count() > 1);

    // A double-click inserts the object where it was stored, in one undo step.
    const size_t undoSteps = Doc().m_undoList.size();
    const QRect first = list->visualItemRect(list->item(0));
    DoubleClick(list->viewport(), first.center());
    QCOMPARE(Doc().ObjectCount(), 1);
    QCOMPARE(Doc().m_undoList.size(), undoSteps + 1);
    const std::unique_ptr<CDrawObject> stored = library.Load(1, nullptr);
    QCOMPARE(Doc().ObjectAt(0)->m_width, stored->m_width);
    QVERIFY(!Doc().ObjectAt(0)->m_bitmap.IsEmpty());

    // A drag carries the object file; dropped on the canvas the object is centred on
    // the drop point.
    const QModelIndex second = list->model()->index(1, 0);
    std::unique_ptr<QMimeData> data(list->model()->mimeData({second}));
    QVERIFY(data && data->hasUrls());
    QCOMPARE(data->urls().front().toLocalFile(), QString::fromStdString(library.ObjectFile(2)));
    const CPoint at{200, 150};
    const QPoint window = At(at.x, at.y);
    QDragEnterEvent enter(window, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(m_doc->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(window), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(m_doc->viewport(), &drop);
    QCOMPARE(Doc().ObjectCount(), 2);
    const CRect box = Doc().ObjectAt(1)->GetBoxRect();
    QVERIFY(std::abs((box.left + box.right) / 2 - at.x) <= 1);
    QVERIFY(std::abs((box.top + box.bottom) / 2 - at.y) <= 1);
  }

  void libraryEntriesAreAddedAndRemovedInABrowsedFolder() {
    const std::string scratch = (guitest::ScratchDir() + "/browsed-library").toStdString();
    QVERIFY(QDir().mkpath(QString::fromStdString(scratch)));
    ObjectLibraryPanel* panel = m_library->Panel();
    panel->SetFolder(scratch);
    QCOMPARE(panel->Libraries()->currentText(), QString::fromStdString(scratch));
    QCOMPARE(CurrentObjectLibrary(), scratch);
    QCOMPARE(panel->List()->count(), 0);

    CDrawObject* rect = DrawRectangle({10, 10}, {60, 50});
    QVERIFY(rect);
    panel->AddSelectedObject();
    panel->AddSelectedObject();
    panel->AddSelectedObject();
    QCOMPARE(panel->List()->count(), 3);
    QVERIFY(Exists(CObjectLibrary(scratch).ThumbnailFile(3)));

    // Removing entry 2 closes the gap.
    panel->List()->clearSelection();
    panel->RemoveSelectedEntry();
    QCOMPARE(guitest::Recorder().MessageTexts().back(), std::string("Please Select a object in the Library first!"));
    guitest::Recorder().ScriptAnswer(MsgAnswer::kYes);
    panel->List()->SelectNumber(2);
    panel->RemoveSelectedEntry();
    QCOMPARE(panel->List()->count(), 2);
    QCOMPARE(CObjectLibrary(scratch).Count(), 2);

    // The stored current library returns to the program's own for later tests.
    panel->SetFolder(ObjectLibraryRoot() + "/Basic");
  }

  void windowsRememberTheirPlaceAndTab() {
    m_styles->Tabs()->setCurrentIndex(kBevelTab);
    m_styles->move(120, 140);
    m_styles->resize(400, 160);
    m_library->move(600, 90);
    m_library->close();
    m_window.reset();
    const CProfile& profile = App().Profile();
    QCOMPARE(profile.GetInt("Style", "Tabsel", -1), kBevelTab);
    QCOMPARE(profile.GetInt("Style", "Left", -1), 120);
    QCOMPARE(profile.GetInt("Style", "Top", -1), 140);
    QCOMPARE(profile.GetInt("Style", "Width", -1), 400);
    QCOMPARE(profile.GetInt("Style", "Status", -1), 1);
    QCOMPARE(profile.GetInt("ObLib", "Left", -1), 600);
    QCOMPARE(profile.GetInt("ObLib", "Status", -1), 0);

    init();
    QCOMPARE(m_styles->Tabs()->currentIndex(), kBevelTab);
    QCOMPARE(m_styles->pos(), QPoint(120, 140));
    QCOMPARE(m_styles->size(), QSize(400, 160));
    QTRY_VERIFY(m_styles->isVisible());
    QTest::qWait(20);
    QVERIFY(!m_library->isVisible());
    m_library->Reveal();
    m_styles->Tabs()->setCurrentIndex(5);

    // A place beyond the screen (stored on a larger one) is pulled back onto it.
    m_window.reset();
    App().Profile().WriteInt("ObLib", "Left", 5000);
    App().Profile().WriteInt("ObLib", "Top", 3000);
    init();
    const QRect screen = m_library->screen()->availableGeometry();
    QVERIFY(screen.contains(m_library->pos()));
    QVERIFY(m_library->pos().x() > screen.right() - 100);
    QVERIFY(m_library->pos().y() > screen.bottom() - 100);
  }

 private:
  CVellumDoc& Doc() { return m_doc->Document(); }
  QPoint At(int x, int y) {
    const CPoint w = m_doc->View().DocumentToWindow(CPoint{x, y});
    return {w.x, w.y};
  }
  // Draws a rectangle with the mouse and returns it (selected).
  CDrawObject* DrawRectangle(CPoint from, CPoint to) {
    m_window->Action("tool.rectangle")->trigger();
    QTest::mousePress(m_doc->viewport(), Qt::LeftButton, {}, At(from.x, from.y));
    QTest::mouseMove(m_doc->viewport(), At((from.x + to.x) / 2, (from.y + to.y) / 2));
    QTest::mouseMove(m_doc->viewport(), At(to.x, to.y));
    QTest::mouseRelease(m_doc->viewport(), Qt::LeftButton, {}, At(to.x, to.y));
    m_window->Action("tool.select")->trigger();
    const int count = Doc().ObjectCount();
    return count ? Doc().ObjectAt(count - 1) : nullptr;
  }
  // The context menu of a list as its entries with + (enabled) or - (disabled).
  QStringList MenuEntries(ThumbnailList* list) {
    QStringList entries;
    QTimer::singleShot(0, [&entries] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (QAction* action : menu->actions())
        if (!action->isSeparator()) entries << action->text() + (action->isEnabled() ? "+" : "-");
      menu->close();
    });
    emit list->customContextMenuRequested(QPoint(5, 5));
    return entries;
  }
  // A press and release, then the double-click event the second press becomes.
  void DoubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &dbl);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
  }
  // Clicks the thumbnail of style n on a tab.
  void ClickStyle(int tab, int n) {
    m_styles->Tabs()->setCurrentIndex(tab);
    m_styles->show();
    ThumbnailList* list = m_styles->StyleList(tab);
    QListWidgetItem* item = list->ItemOf(n);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  }

  std::unique_ptr<MainWindow> m_window;
  QPointer<DocumentWindow> m_doc;
  QuickStylesWindow* m_styles = nullptr;
  ObjectLibraryWindow* m_library = nullptr;
};

int RunLibraryWindowsTests(int argc, char** argv) {
  LibraryWindowsTest tests;
  return QTest::qExec(&tests, argc, argv);
}

}  // namespace tessel

#include "library_windows_test.moc"
