// The look bars in the desktop program: each control changes its field of the selected
// object, re-renders it and records one undo step; with nothing selected it changes the
// look of new objects; a slider drag previews and records one step on release; the bars
// sit on the right as tabs, the View menu shows and hides them, and the window layout
// survives a restart.
#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "app/bevel_bar.h"
#include "app/color_texture_bar.h"
#include "app/colour_swatches.h"
#include "app/document_window.h"
#include "app/main_window.h"
#include "app/map_picker.h"
#include "app/transparency_bar.h"
#include "base/app_context.h"
#include "base/dib_section.h"
#include "base/profile.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "render/map_names.h"
#include "view/vellum_view.h"
#include "gui_test_support.h"

namespace tessel {

namespace {
constexpr int kUndoRoom = 30;
constexpr COLORREF kGreen = 0x00FF00;
constexpr COLORREF kYellow = 0x00FFFF;

std::vector<uint8_t> Pixels(const CDrawObject& o) {
  return std::vector<uint8_t>(o.m_bitmap.Bits(), o.m_bitmap.Bits() + o.m_bitmap.SizeBytes());
}

int SwatchIndexOf(COLORREF colour) {
  const auto& palette = ProgramSwatches();
  return int(std::find(palette.begin(), palette.end(), colour) - palette.begin());
}
}  // namespace

class LookBarsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    m_window = guitest::OpenWindowWithNewDocument();
    m_doc = m_window->ActiveWindow();
    QVERIFY(m_doc);
    Doc().m_undoLevels = kUndoRoom;  // every step of a test stays countable
    m_window->Action("tool.rectangle")->trigger();
    Drag(40, 40, 160, 120);
    QCOMPARE(Doc().ObjectCount(), 1);
    QCOMPARE(m_doc->View().LookTarget(), Top());
  }
  void cleanup() {
    guitest::CloseWithoutQuestions(m_window);
  }

  void barsAreTabsOnTheRightShownByTheViewMenu() {
    auto* colour = Bar<ColorTextureBar>("colorTextureBar");
    auto* transp = Bar<TransparencyBar>("transparencyBar");
    auto* bevel = Bar<BevelBar>("bevelBar");
    QCOMPARE(colour->windowTitle(), QString("Color && Texture"));  // the tab shows one "&"
    for (QDockWidget* bar : {static_cast<QDockWidget*>(colour), static_cast<QDockWidget*>(transp),
                             static_cast<QDockWidget*>(bevel)})
      QCOMPARE(m_window->dockWidgetArea(bar), Qt::RightDockWidgetArea);
    const auto tabs = m_window->tabifiedDockWidgets(colour);
    QVERIFY(tabs.contains(transp) && tabs.contains(bevel));

    QAction* show = m_window->Action("view.bevel-bar");
    QVERIFY(show && show->isEnabled() && show->isCheckable() && show->isChecked());
    QCOMPARE(m_window->Action("view.color-texture-bar")->text(), QString("Color && Texture"));
    // The bar behind the first tab comes to the front, then hides, then shows again.
    QVERIFY(bevel->visibleRegion().isEmpty());
    show->trigger();
    QVERIFY(!bevel->isHidden() && !bevel->visibleRegion().isEmpty());
    QVERIFY(show->isChecked());
    show->trigger();
    QVERIFY(bevel->isHidden());
    QVERIFY(!show->isChecked());
    show->trigger();
    QVERIFY(!bevel->isHidden());
    QVERIFY(show->isChecked());
    // Closing the bar by its own button unticks the command too.
    bevel->close();
    QVERIFY(!show->isChecked());

    auto* kinds = bevel->findChild<QComboBox*>("bevelType");
    QCOMPARE(kinds->count(), 23);
    QCOMPARE(kinds->itemText(6), QString("Frame "));
    QCOMPARE(kinds->itemText(22), QString("Vertical"));

    // A bar deleted on its own stops following the document at once.
    delete bevel;
    m_window->NotifyEdited(true);
    QVERIFY(!m_window->findChild<BevelBar*>());
  }

  // With TESSEL_BAR_SHOTS naming a folder, each bar showing a textured, bevelled object
  // is drawn there as a picture.
  void shots() {
    const QString dir = qEnvironmentVariable("TESSEL_BAR_SHOTS");
    if (dir.isEmpty()) QSKIP("TESSEL_BAR_SHOTS not set");
    m_doc->View().EditLook([](CDrawObject& o) {
      o.m_textureName = "Wood.png";
      o.m_transpName = kLinearMapName;
      o.m_transpAmount = 200;
      o.m_bevelType = 1;
    });
    m_window->NotifyEdited(false);
    QTest::qWait(50);
    QVERIFY(m_window->grab().save(QDir(dir).filePath("bars-look-window.png")));
    for (const char* name : {"colorTextureBar", "transparencyBar", "bevelBar"}) {
      auto* bar = Bar<QDockWidget>(name);
      bar->setFloating(true);
      bar->show();
      const auto* body = static_cast<QScrollArea*>(bar->widget())->widget();
      bar->resize(320, body->sizeHint().height() + 40);
      QTest::qWait(50);
      QVERIFY(bar->grab().save(QDir(dir).filePath(QString("bars-look-%1.png").arg(name))));
    }
  }

  void swatchesAndTextureEditTheSelection() {
    auto* bar = Bar<ColorTextureBar>("colorTextureBar");
    ExpectOneStep([&] { bar->findChild<QToolButton*>(Swatch(kGreen))->click(); });
    QCOMPARE(Top()->m_color, kGreen);
    QCOMPARE(bar->findChild<QToolButton*>("fillColor")->icon().pixmap(4, 4).toImage().pixelColor(1, 1),
             QColor(0, 255, 0));
    // The right button gives the second colour.
    ExpectOneStep([&] { emit bar->findChild<QToolButton*>(Swatch(kYellow))->customContextMenuRequested({}); }, false);
    QCOMPARE(Top()->m_color2, kYellow);

    auto* angle = bar->findChild<QSlider*>("gradientAngle");
    QVERIFY(!angle->isEnabled());
    ExpectOneStep([&] { Pick(bar->Picker(), kLinearGradientName); });
    QCOMPARE(Top()->m_textureName, std::string(kLinearGradientName));
    QVERIFY(angle->isEnabled());
    ExpectOneStep([&] { angle->setValue(90); });
    QCOMPARE(Top()->m_gradientParam, 90);
    ExpectOneStep([&] { bar->findChild<QSlider*>("textureAmount")->setValue(64); });
    QCOMPARE(Top()->m_textureAmount, 64);

    // An image of the texture folder, with its thumbnail.
    QListWidgetItem* wood = bar->Picker()->ItemFor("Wood.png");
    QVERIFY(wood && !wood->icon().isNull());
    QCOMPARE(wood->text(), QString("Wood"));
    auto* mode = bar->findChild<QComboBox*>("textureMode");
    QVERIFY(!mode->isEnabled());
    ExpectOneStep([&] { Pick(bar->Picker(), "Wood.png"); });
    QCOMPARE(Top()->m_textureName, std::string("Wood.png"));
    QVERIFY(mode->isEnabled() && !angle->isEnabled());
    QCOMPARE(mode->count(), 14);
    ExpectOneStep([&] { Activate(mode, 1); });
    QCOMPARE(Top()->m_textureParam1, 1);
    ExpectOneStep([&] { bar->findChild<QCheckBox*>("textureTransparent")->click(); });
    QCOMPARE(Top()->m_textureMode, 1);
    ExpectOneStep([&] { bar->findChild<QCheckBox*>("texture3D")->click(); });
    QCOMPARE(Top()->m_texture3D, 1);

    // Choosing the entry already shown records nothing.
    ExpectNoStep([&] { Pick(bar->Picker(), "Wood.png"); });
    ExpectOneStep([&] { Pick(bar->Picker(), ""); });
    QVERIFY(Top()->m_textureName.empty());
  }

  void colourDialogOffersTheSwatchesAndSetsTheColour() {
    auto* bar = Bar<ColorTextureBar>("colorTextureBar");
    QColor firstCustom;
    QTimer::singleShot(0, this, [&] {
      auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      firstCustom = QColorDialog::customColor(0);
      dialog->setCurrentColor(QColor(0, 0, 255));
      dialog->accept();
    });
    ExpectOneStep([&] { bar->findChild<QToolButton*>("fillColor")->click(); });
    QCOMPARE(firstCustom, ToQColor(ProgramSwatches()[0]));
    QCOMPARE(Top()->m_color, COLORREF(0xFF0000));
  }

  void newTextureFilesShowWhenThePickerIsShownAgain() {
    auto* bar = Bar<ColorTextureBar>("colorTextureBar");
    const QString folder = QString::fromStdString(App().Paths().UserFolder()) + "/Textures";
    QVERIFY(QDir().mkpath(folder));
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::green);
    QVERIFY(image.save(folder + "/Lawn.png"));
    QVERIFY(!bar->Picker()->ItemFor("Lawn.png"));
    bar->Picker()->hide();
    bar->Picker()->show();
    QVERIFY(bar->Picker()->ItemFor("Lawn.png"));
    ExpectOneStep([&] { Pick(bar->Picker(), "Lawn.png"); });
    QCOMPARE(Top()->m_textureName, std::string("Lawn.png"));
    QVERIFY(QFile::remove(folder + "/Lawn.png"));
  }

  void textureResetsRestoreOnlyTheirPlacement() {
    auto* bar = Bar<ColorTextureBar>("colorTextureBar");
    ExpectOneStep([&] { Pick(bar->Picker(), "Bricks.png"); });
    Top()->m_texOffsetX = 7;
    Top()->m_texScaleX = 2.0;
    Top()->m_texAngle = 30.0;
    ExpectOneStep([&] { bar->findChild<QPushButton*>("resetOffset")->click(); });
    QCOMPARE(Top()->m_texOffsetX, 0);
    QCOMPARE(Top()->m_texScaleX, 2.0);
    ExpectOneStep([&] { bar->findChild<QPushButton*>("resetAngle")->click(); });
    QCOMPARE(Top()->m_texAngle, 0.0);
    QCOMPARE(Top()->m_texScaleX, 2.0);
  }

  void mutafluxCancelChangesNothing() {
    auto* bar = Bar<ColorTextureBar>("colorTextureBar");
    auto* button = bar->findChild<QPushButton*>("mutafluxButton");
    bool opened = false;
    QTimer::singleShot(0, this, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      opened = dialog != nullptr;
      if (auto* d = qobject_cast<QDialog*>(dialog)) d->reject();
    });
    ExpectNoStep([&] { button->click(); });
    QVERIFY(opened);
    QCOMPARE(Top()->m_mutafluxIndex, 0);
    QVERIFY(!button->isChecked());
  }

  void transparencyBarEditsTheSelection() {
    auto* bar = Bar<TransparencyBar>("transparencyBar");
    QCOMPARE(Top()->m_transpAmount, 0);
    // A map chosen while the amount is 0 comes at full strength, so that it shows.
    ExpectOneStep([&] { Pick(bar->Picker(), kLinearMapName); });
    QCOMPARE(Top()->m_transpName, std::string(kLinearMapName));
    QCOMPARE(Top()->m_transpAmount, 255);
    auto* place = bar->findChild<QPushButton*>("transpPlacement");
    QVERIFY(place->isEnabled());
    place->click();
    QVERIFY(m_doc->View().State(ViewCommand::kToolTranspMap).checked);
    QVERIFY(m_window->Action("tool.transparency-map")->isChecked());
    ExpectOneStep([&] { bar->findChild<QCheckBox*>("transpInvert")->click(); });
    QCOMPARE(Top()->m_layerTranspMode, 1);
    ExpectOneStep([&] { bar->findChild<QCheckBox*>("transpMode")->click(); });
    QCOMPARE(Top()->m_transpMode, 0);
    ExpectOneStep([&] { bar->findChild<QSlider*>("transpBias")->setValue(80); });
    QCOMPARE(Top()->m_transpGeom[2], 0.8);
    ExpectOneStep([&] { bar->findChild<QSlider*>("transpAmount")->setValue(100); });
    QCOMPARE(Top()->m_transpAmount, 100);
    QVERIFY(bar->Picker()->ItemFor("Clouds.png"));
    ExpectOneStep([&] { Pick(bar->Picker(), "Clouds.png"); });
    QCOMPARE(Top()->m_transpName, std::string("Clouds.png"));
    QCOMPARE(Top()->m_transpAmount, 100);
    QVERIFY(!bar->findChild<QSlider*>("transpBias")->isEnabled());
    // The placement tool places gradient maps only.
    QVERIFY(!bar->findChild<QPushButton*>("transpPlacement")->isEnabled());
  }

  void bevelSliderDragPreviewsThenRecordsOneStep() {
    auto* bar = Bar<BevelBar>("bevelBar");
    auto* depth = bar->findChild<QSlider*>("bevelDepth");
    QVERIFY(!depth->isEnabled());  // "No Bevel"
    ExpectOneStep([&] { Activate(bar->findChild<QComboBox*>("bevelType"), 1); });
    QCOMPARE(Top()->m_bevelType, 1);
    QVERIFY(depth->isEnabled());
    QCOMPARE(depth->value(), 75);
    const size_t steps = Steps();
    const std::vector<uint8_t> before = Pixels(*Top());
    depth->setSliderDown(true);
    depth->setSliderPosition(150);
    QVERIFY(Pixels(*Top()) != before);  // the preview renders at once
    depth->setSliderPosition(160);
    QCOMPARE(Steps(), steps);
    depth->setSliderDown(false);
    QCOMPARE(Steps(), steps + 1);
    QCOMPARE(Top()->m_bevelParam1, 160);
    QCOMPARE(PropertyBar::ValueFieldOf(depth)->value(), 160);
    // A typed value moves the slider and edits.
    ExpectOneStep([&] { PropertyBar::ValueFieldOf(bar->findChild<QSlider*>("bevelAngle"))->setValue(45); });
    QCOMPARE(Top()->m_bevelParam2, 45);
    ExpectOneStep([&] { bar->findChild<QSlider*>("bevelWidth")->setValue(20); });
    QCOMPARE(Top()->m_bevelWidth, 20);
    // One undo takes back the width; the drag's step comes back as one.
    m_window->Action("edit.undo")->trigger();
    m_window->Action("edit.undo")->trigger();
    QCOMPARE(Top()->m_bevelParam1, 160);
    m_window->Action("edit.undo")->trigger();
    QCOMPARE(Top()->m_bevelParam1, 75);
    QCOMPARE(depth->value(), 75);
  }

  void withNothingSelectedTheBarsSetTheLookOfNewObjects() {
    CVellumView& view = m_doc->View();
    view.SelectObject(nullptr);
    m_window->NotifyEdited(false);
    auto* colour = Bar<ColorTextureBar>("colorTextureBar");
    auto* transp = Bar<TransparencyBar>("transparencyBar");
    auto* bevel = Bar<BevelBar>("bevelBar");
    const std::vector<uint8_t> before = Pixels(*Top());
    ExpectNoStep([&] {
      colour->findChild<QToolButton*>(Swatch(kGreen))->click();
      Pick(colour->Picker(), kRadialGradientName);
      Pick(transp->Picker(), kRadialMapName);
      Activate(bevel->findChild<QComboBox*>("bevelType"), 12);
      bevel->findChild<QSlider*>("bevelWidth")->setValue(30);
    });
    QVERIFY(Pixels(*Top()) == before);
    QCOMPARE(Top()->m_color, CObjectFields().m_color);
    const CDrawObject& look = view.DefaultLook();
    QCOMPARE(look.m_color, kGreen);
    QCOMPARE(look.m_transpName, std::string(kRadialMapName));
    QCOMPARE(bevel->findChild<QComboBox*>("bevelType")->currentIndex(), 12);

    m_window->Action("tool.rectangle")->trigger();
    Drag(200, 60, 300, 160);
    QCOMPARE(Doc().ObjectCount(), 2);
    const CDrawObject& made = *Top();
    QCOMPARE(made.m_color, kGreen);
    QCOMPARE(made.m_textureName, std::string(kRadialGradientName));
    QCOMPARE(made.m_transpName, std::string(kRadialMapName));
    QCOMPARE(made.m_transpAmount, 255);
    QCOMPARE(made.m_bevelType, 12);
    QCOMPARE(made.m_bevelWidth, 30);
  }

  void windowLayoutSurvivesARestart() {
    auto* transp = Bar<TransparencyBar>("transparencyBar");
    m_window->addDockWidget(Qt::LeftDockWidgetArea, transp);
    Bar<BevelBar>("bevelBar")->hide();
    Doc().m_modified = false;
    QVERIFY(m_window->close());
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCOMPARE(m_window->dockWidgetArea(Bar<TransparencyBar>("transparencyBar")), Qt::LeftDockWidgetArea);
    QVERIFY(Bar<BevelBar>("bevelBar")->isHidden());
    QVERIFY(!m_window->Action("view.bevel-bar")->isChecked());
    // Later windows start from the first-run layout again.
    App().Profile().WriteString("Window", "State", "");
    App().Profile().WriteString("Window", "Geometry", "");
  }

 private:
  CVellumDoc& Doc() { return m_doc->Document(); }
  CDrawObject* Top() { return Doc().ObjectAt(Doc().ObjectCount() - 1); }
  size_t Steps() { return Doc().m_undoList.size(); }
  template <class T>
  T* Bar(const char* name) {
    auto* bar = m_window->findChild<T*>(name);
    if (!bar) qFatal("no bar %s", name);
    return bar;
  }
  static QString Swatch(COLORREF colour) { return QString("swatch%1").arg(SwatchIndexOf(colour)); }

  // Runs action and checks that the selected object changed its stored look, was
  // rendered again (pixelsChange) and that exactly one undo step was recorded.
  template <class Action>
  void ExpectOneStep(Action action, bool pixelsChange = true) {
    const size_t steps = Steps();
    const std::vector<uint8_t> before = Pixels(*Top());
    action();
    QCOMPARE(Steps(), steps + 1);
    if (pixelsChange) QVERIFY(Pixels(*Top()) != before);
  }
  template <class Action>
  void ExpectNoStep(Action action) {
    const size_t steps = Steps();
    action();
    QCOMPARE(Steps(), steps);
  }
  static void Pick(MapPicker* picker, const std::string& stored) {
    QListWidgetItem* item = picker->ItemFor(stored);
    QVERIFY2(item, stored.c_str());
    picker->scrollToItem(item);
    QTest::mouseClick(picker->viewport(), Qt::LeftButton, {}, picker->visualItemRect(item).center());
  }
  static void Activate(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
  void Drag(int x0, int y0, int x1, int y1) {
    auto at = [&](int x, int y) {
      const CPoint w = m_doc->View().DocumentToWindow(CPoint{x, y});
      return QPoint(w.x, w.y);
    };
    QTest::mousePress(m_doc->viewport(), Qt::LeftButton, {}, at(x0, y0));
    QTest::mouseMove(m_doc->viewport(), at((x0 + x1) / 2, (y0 + y1) / 2));
    QTest::mouseMove(m_doc->viewport(), at(x1, y1));
    QTest::mouseRelease(m_doc->viewport(), Qt::LeftButton, {}, at(x1, y1));
  }
  std::unique_ptr<MainWindow> m_window;
  QPointer<DocumentWindow> m_doc;
};

int RunLookBarsTests(int argc, char** argv) {
  LookBarsTest tests;
  return QTest::qExec(&tests, argc, argv);
}

}  // namespace tessel

#include "look_bars_test.moc"
