// The Effect, Outline, Lights & Material and Object bars in the desktop program: every
// control reaches its field of the selected object, which is rendered again with one
// undo step; without a selection the look of new objects changes instead; the
// "Multimedia Extension" dialog sets the frames; the View menu shows and hides the bars.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <algorithm>

#include "app/bump_map_dialog.h"
#include "app/document_window.h"
#include "app/effect_bar.h"
#include "app/lights_bar.h"
#include "app/main_window.h"
#include "app/multimedia_dialog.h"
#include "app/object_properties_bar.h"
#include "app/outline_bar.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "gui_test_support.h"
#include "view/vellum_view.h"
#include "view/view_tool.h"

namespace tessel {

namespace {
constexpr uint8_t kPoison = 0x5A;  // no render leaves every byte at this value
constexpr int kUndoRoom = 30;

// With TESSEL_GUI_SHOTS naming a folder, widget goes there as name.png.
void Shot(QWidget* widget, const char* name) {
  const QString dir = qEnvironmentVariable("TESSEL_GUI_SHOTS");
  if (dir.isEmpty()) return;
  if (auto* dock = qobject_cast<QDockWidget*>(widget)) dock->raise();  // the front tab
  QTest::qWait(50);
  widget->grab().save(dir + "/" + name + ".png");
}

// Picks colour in the colour dialog that the next modal step opens.
void AnswerColourDialog(QColor colour) {
  QTimer::singleShot(0, [colour] {
    auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    dialog->setCurrentColor(colour);
    dialog->accept();
  });
}

void Choose(QComboBox* combo, const QString& text) {
  const int index = combo->findText(text);
  QVERIFY2(index >= 0, qPrintable(text));
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}
}  // namespace

class EffectBarsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_window = guitest::OpenWindowWithNewDocument();
    m_docWindow = m_window->ActiveWindow();
    QVERIFY(m_docWindow);
    Doc().m_undoLevels = kUndoRoom;
    m_object = nullptr;
  }
  void cleanup() {
    guitest::CloseWithoutQuestions(m_window);
  }

  void barsAreTabsOnTheRightAndTheViewMenuShowsAndHidesThem() {
    const char* const docks[] = {"effectBar", "outlineBar", "lightsBar", "objectPropertiesBar"};
    const char* const commands[] = {"view.effect-bar", "view.outline-bar", "view.lights-bar",
                                    "view.object-properties-bar"};
    auto* effect = m_window->findChild<QDockWidget*>("effectBar");
    QVERIFY(effect);
    const QList<QDockWidget*> tabs = m_window->tabifiedDockWidgets(effect);
    for (int i = 0; i < 4; ++i) {
      auto* dock = m_window->findChild<QDockWidget*>(docks[i]);
      QVERIFY2(dock, docks[i]);
      QCOMPARE(m_window->dockWidgetArea(dock), Qt::RightDockWidgetArea);
      if (i > 0) QVERIFY2(tabs.contains(dock), docks[i]);
      QAction* action = m_window->Action(commands[i]);
      QVERIFY2(action && action->isCheckable() && action->isChecked(), commands[i]);
      // A bar behind another tab comes to the front; one in front hides.
      if (i > 0) {
        action->trigger();
        QApplication::processEvents();
        QVERIFY(!dock->isHidden());
        QVERIFY(!dock->visibleRegion().isEmpty());
      }
      action->trigger();
      QVERIFY(dock->isHidden());
      QVERIFY(!action->isChecked());
      action->trigger();
      QVERIFY(!dock->isHidden());
      QVERIFY(dock->isVisible());  // brought to the front of its tabs
      QVERIFY(action->isChecked());
      dock->close();  // the title bar's close button unticks the command too
      QVERIFY(!action->isChecked());
      action->trigger();
    }
    QCOMPARE(m_window->Action("view.lights-bar")->text(), QString("&Lights && Material"));
  }

  void effectBarReachesEveryField() {
    AddSelectedRectangle();
    auto* bar = Bar<EffectBar>("effectBar");
    QCOMPARE(Control<QComboBox>(bar, "effectKind")->count(), 21);
    QCOMPARE(Control<QComboBox>(bar, "effectKind")->itemText(7), QString("Inset + Shadow"));
    QCOMPARE(Control<QComboBox>(bar, "effectKind")->itemText(20), QString("Lens Flare"));
    QCOMPARE(Control<QSlider>(bar, "effectSoftness")->value(), 20);  // 2.0 pixels in tenths

    Expect([&] { Choose(Control<QComboBox>(bar, "effectKind"), "Drop Shadow"); });
    QCOMPARE(m_object->m_effect, 1);
    QVERIFY(!m_object->m_shadowBitmap.IsEmpty());
    Expect([&] { Control<QSlider>(bar, "effectDistance")->setValue(12); });
    QCOMPARE(m_object->m_effectParam1, 12);
    Expect([&] { Control<QSlider>(bar, "effectAngle")->setValue(300); });
    QCOMPARE(m_object->m_effectAngle, 300);
    Expect([&] { Control<QSlider>(bar, "effectSoftness")->setValue(37); });
    QCOMPARE(m_object->m_effectDistanceF, 3.7);
    QCOMPARE(m_object->m_effectDistance, 3);  // truncated, not rounded
    Expect([&] { Control<QSlider>(bar, "effectOpacity")->setValue(90); });
    QCOMPARE(m_object->m_effectParam2, 90);
    Expect([&] { Control<QSlider>(bar, "effectMargin")->setValue(25); });
    QCOMPARE(m_object->m_effectSoftness, 25);
    QCOMPARE(m_object->m_shadowBitmap.Width(), m_object->m_width + 50);
    Expect([&] {
      AnswerColourDialog(QColor(10, 20, 30));
      Control<QToolButton>(bar, "effectColor")->click();
    });
    QCOMPARE(m_object->m_effectColor, COLORREF(0x1E140A));
    Expect([&] { Control<QCheckBox>(bar, "lensEnvironment")->click(); });
    QCOMPARE(m_object->m_lensEnvironment, 1);
    Expect([&] { Control<QCheckBox>(bar, "lensDropMask")->click(); });
    QCOMPARE(m_object->m_lensDropMask, 1);
    Shot(bar, "effect-bar");
  }

  void draggingASliderPreviewsAndRecordsOneStepOnRelease() {
    AddSelectedRectangle();
    auto* slider = Control<QSlider>(Bar<EffectBar>("effectBar"), "effectAngle");
    const size_t steps = Doc().m_undoList.size();
    slider->setSliderDown(true);
    for (int angle : {50, 60, 70}) {
      slider->setValue(angle);
      emit slider->sliderMoved(angle);
    }
    QCOMPARE(m_object->m_effectAngle, 70);  // the preview shows it already
    QCOMPARE(Doc().m_undoList.size(), steps);
    slider->setSliderDown(false);
    QCOMPARE(Doc().m_undoList.size(), steps + 1);
    QCOMPARE(m_object->m_effectAngle, 70);
  }

  void outlineBarReachesEveryField() {
    AddSelectedRectangle();
    auto* bar = Bar<OutlineBar>("outlineBar");
    QCOMPARE(Control<QComboBox>(bar, "outlineKind")->count(), 5);
    Expect([&] { Choose(Control<QComboBox>(bar, "outlineKind"), "Thick Outline"); });
    QCOMPARE(m_object->m_outlineType, 2);
    Expect([&] { Choose(Control<QComboBox>(bar, "outlineKind"), "Blured"); });
    QCOMPARE(m_object->m_outlineType, 4);
    Expect([&] { Control<QSlider>(bar, "outlineWidth")->setValue(44); });
    QCOMPARE(m_object->m_outlineWidth, 44);
    const struct {
      const char* name;
      COLORREF CObjectFields::*field;
      QColor colour;
      COLORREF stored;
    } colours[] = {{"outlineFirstColor", &CObjectFields::m_outlineColor2, QColor(255, 0, 0), 0x0000FF},
                   {"outlineMiddleColor", &CObjectFields::m_outlineColor, QColor(0, 255, 0), 0x00FF00},
                   {"outlineLastColor", &CObjectFields::m_outlineColor3, QColor(1, 2, 3), 0x030201}};
    for (const auto& c : colours) {
      Expect([&] {
        AnswerColourDialog(c.colour);
        Control<QToolButton>(bar, c.name)->click();
      });
      QCOMPARE(m_object->*c.field, c.stored);
    }
    Expect([&] { Control<QCheckBox>(bar, "outlineGradient")->click(); });
    QCOMPARE(m_object->m_outlineParam0, 1);
    Expect([&] { Control<QSlider>(bar, "outlineAngle")->setValue(90); });
    QCOMPARE(m_object->m_outlineParam1, 90);
    Expect([&] { Control<QSlider>(bar, "outlineMidpoint")->setValue(30); });
    QCOMPARE(m_object->m_outlineSoftness, 0.3);
    Shot(bar, "outline-bar");
  }

  void lightsBarAddsAndDeletesLightsAndSetsTheMaterial() {
    AddSelectedRectangle();
    auto* bar = Bar<LightsBar>("lightsBar");
    QCOMPARE(Control<QCheckBox>(bar, "lightsOn")->text(), QString("Enable Lights && Material"));
    Expect([&] { Control<QCheckBox>(bar, "lightsOn")->click(); });
    QCOMPARE(m_object->m_lightsOn, 1);
    Expect([&] { Control<QPushButton>(bar, "addAmbient")->click(); });
    Expect([&] { Control<QPushButton>(bar, "addSpot")->click(); });
    Expect([&] { Control<QPushButton>(bar, "addPoint")->click(); });
    QCOMPARE(Types(), (std::vector<int>{CLight::kAmbient, CLight::kSpot, CLight::kPoint}));
    QCOMPARE(bar->LightList()->count(), 3);
    QCOMPARE(bar->LightList()->item(1)->text(), QString("Spot 2"));
    QCOMPARE(bar->LightList()->currentRow(), 2);  // the light just added
    bar->LightList()->setCurrentRow(1);
    Expect([&] { Control<QPushButton>(bar, "deleteLight")->click(); });
    QCOMPARE(Types(), (std::vector<int>{CLight::kAmbient, CLight::kPoint}));
    QCOMPARE(bar->LightList()->item(1)->text(), QString("Point 2"));
    Expect([&] { Control<QPushButton>(bar, "addDistant")->click(); });
    QCOMPARE(Types(), (std::vector<int>{CLight::kAmbient, CLight::kPoint, CLight::kDistant}));
    // The intensity slider follows the light chosen in the list.
    Expect([&] { Control<QSlider>(bar, "lightIntensity")->setValue(40); });
    QCOMPARE(m_object->m_lights.m_lights[2].intensity, 0.4);
    bar->LightList()->setCurrentRow(0);
    QCOMPARE(Control<QSlider>(bar, "lightIntensity")->value(), 100);
    Expect([&] { Control<QSlider>(bar, "lightIntensity")->setValue(150); });
    QCOMPARE(m_object->m_lights.m_lights[0].intensity, 1.5);
    QCOMPARE(m_object->m_lights.m_lights[2].intensity, 0.4);

    Expect([&] { bar->SetBumpMap("Ripples.png"); });
    QCOMPARE(m_object->m_bumpName, std::string("Ripples.png"));
    QCOMPARE(Control<QLabel>(bar, "bumpName")->text(), QString("Ripples.png"));
    Expect([&] { bar->SetBumpMap("None.jpg"); });
    QVERIFY(m_object->m_bumpName.empty());
    Expect([&] { Control<QSlider>(bar, "bumpAmount")->setValue(120); });
    QCOMPARE(m_object->m_bumpAmount, 120);
    Expect([&] { Control<QSlider>(bar, "bumpScale")->setValue(125); });
    QCOMPARE(m_object->m_bumpScale, 1.25);
    Expect([&] { Control<QCheckBox>(bar, "bumpInvert")->click(); });
    QCOMPARE(m_object->m_bumpMode, 1);
    Expect([&] { bar->SetSurfaceSkin("Canvas.png"); });
    QCOMPARE(m_object->m_surfaceName, std::string("Canvas.png"));
    QCOMPARE(Control<QLabel>(bar, "surfaceName")->text(), QString("Canvas.png"));
    Expect([&] { Control<QSlider>(bar, "surfaceAmount")->setValue(90); });
    QCOMPARE(m_object->m_surfaceAmount, 90);
    Expect([&] { Control<QSlider>(bar, "surfaceScale")->setValue(200); });
    QCOMPARE(m_object->m_surfaceScale, 2.0);
    Expect([&] { Choose(Control<QComboBox>(bar, "surfaceMode"), "Multiply"); });
    QCOMPARE(m_object->m_surfaceMode, 1);
    Expect([&] { bar->SetSurfaceSkin("None.jpg"); });
    QVERIFY(m_object->m_surfaceName.empty());
    Expect([&] { Control<QSlider>(bar, "relief")->setValue(25); });
    QCOMPARE(m_object->m_lights.m_relief, 2.5);
    Expect([&] { Control<QSlider>(bar, "specular")->setValue(150); });
    QCOMPARE(m_object->m_lights.m_specular, 1.5);
    Expect([&] { Control<QSlider>(bar, "shininess")->setValue(40); });
    QCOMPARE(m_object->m_lights.m_shininess, 40.0);
    Expect([&] { Control<QSlider>(bar, "ambient")->setValue(45); });
    QCOMPARE(m_object->m_lights.m_ambient, 0.45);
    Expect([&] { Control<QSlider>(bar, "diffuse")->setValue(80); });
    QCOMPARE(m_object->m_lights.m_diffuse, 0.8);
    Expect([&] { Control<QSlider>(bar, "reflection")->setValue(30); });
    QCOMPARE(m_object->m_lights.m_reflection, 0.3);
    Expect([&] {
      AnswerColourDialog(QColor(255, 128, 0));
      Control<QToolButton>(bar, "lightColor")->click();
    });
    QCOMPARE(m_object->m_lights.m_color1, uint32_t(0x0080FF));
    Shot(bar, "lights-bar");

    Control<QPushButton>(bar, "lightsTool")->click();
    QCOMPARE(m_docWindow->View().Tool(), int(kToolLights));
    QVERIFY(m_window->Action("tool.lights")->isChecked());
  }

  void environmentPictureIsLoadedAndRemoved() {
    AddSelectedRectangle();
    auto* bar = Bar<LightsBar>("lightsBar");
    Expect([&] { Control<QCheckBox>(bar, "lightsOn")->click(); });
    QImage picture(16, 8, QImage::Format_RGB32);
    picture.fill(QColor(0, 200, 0));
    const QString path = guitest::ScratchDir() + "/environment.png";
    QVERIFY(picture.save(path));
    // Loading gives the reflection that was 0 a visible strength: one step.
    QCOMPARE(m_object->m_lights.m_reflection, 0.0);
    Expect([&] { QVERIFY(bar->LoadEnvironment(path)); });
    QCOMPARE(m_object->m_lights.m_environment.picture.Width(), 16);
    QCOMPARE(m_object->m_lights.m_reflection, 0.5);
    // The picture is not stored: a change of it alone renders without an undo step.
    Expect([&] { Control<QPushButton>(bar, "removeEnvironment")->click(); }, true, 0);
    QVERIFY(m_object->m_lights.m_environment.picture.IsEmpty());
    Expect([&] { QVERIFY(bar->LoadEnvironment(path)); }, true, 0);
    QVERIFY(!m_object->m_lights.m_environment.picture.IsEmpty());

    guitest::Recorder().Clear();
    Expect([&] { QVERIFY(!bar->LoadEnvironment(path + ".missing")); }, false, 0);
    QCOMPARE(guitest::Recorder().MessageTexts().size(), size_t(1));
    QVERIFY(!m_object->m_lights.m_environment.picture.IsEmpty());
  }

  void bumpMapPickerListsTheBumpMapFolder() {
    const QStringList files = BumpMapDialog::BumpMapFiles();
    QVERIFY(files.contains("Ripples.png"));
    QVERIFY(std::is_sorted(files.begin(), files.end(),
                           [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; }));
    BumpMapDialog dialog(nullptr, "ripples.PNG");
    auto* list = dialog.findChild<QListWidget*>("bumpMaps");
    QCOMPARE(list->count(), files.size() + 1);
    QCOMPARE(list->item(0)->text(), QString("None.jpg"));
    QCOMPARE(dialog.Chosen(), QString("Ripples.png"));
    QVERIFY(!list->currentItem()->icon().isNull());
    dialog.show();
    Shot(&dialog, "bump-map-dialog");
    list->setCurrentRow(0);
    QCOMPARE(dialog.Chosen(), QString("None.jpg"));
  }

  void objectBarReachesEveryField() {
    AddSelectedRectangle();
    auto* bar = Bar<ObjectPropertiesBar>("objectPropertiesBar");
    auto* antiAlias = Control<QComboBox>(bar, "antiAlias");
    QCOMPARE(antiAlias->currentText(), QString("Super Smooth"));
    Expect([&] { Choose(antiAlias, "Hard Edge"); });
    QCOMPARE(m_object->m_antiAlias, 1);
    Expect([&] { Choose(antiAlias, "Extreme"); });
    QCOMPARE(m_object->m_antiAlias, 4);
    auto* blend = Control<QComboBox>(bar, "blendMode");
    QCOMPARE(blend->count(), 14);
    QCOMPARE(blend->itemText(13), QString("Colorize"));
    Expect([&] { Choose(blend, "Overlay"); });
    QCOMPARE(m_object->m_shadowOption, 4);
    Expect([&] { Control<QSlider>(bar, "opacity")->setValue(127); });
    QCOMPARE(m_object->m_opacity, 127);
    Expect([&] { Control<QDoubleSpinBox>(bar, "gainRed")->setValue(2.0); });
    Expect([&] { Control<QDoubleSpinBox>(bar, "gainGreen")->setValue(0.5); });
    Expect([&] { Control<QDoubleSpinBox>(bar, "gainBlue")->setValue(1.25); });
    QCOMPARE(m_object->m_colorGain[0], 2.0);
    QCOMPARE(m_object->m_colorGain[1], 0.5);
    QCOMPARE(m_object->m_colorGain[2], 1.25);
    Expect([&] { Control<QSlider>(bar, "lineWidth")->setValue(9); });
    QCOMPARE(m_object->m_lineWidth, 9);
    Expect([&] { Choose(Control<QComboBox>(bar, "combineMode"), "Union"); });
    QCOMPARE(m_object->m_layerFlag, 1);
    // The name is no part of the picture: a step, but no render.
    Expect(
        [&] {
          Control<QLineEdit>(bar, "objectName")->setText("Logo");
          emit Control<QLineEdit>(bar, "objectName")->editingFinished();
        },
        false);
    QCOMPARE(m_object->m_name, std::string("Logo"));
    Shot(bar, "object-bar");
  }

  void withoutSelectionTheLookOfNewObjectsChanges() {
    AddSelectedRectangle();
    CVellumView& view = m_docWindow->View();
    view.SelectObject(nullptr);
    m_window->NotifyEdited(false);
    const size_t steps = Doc().m_undoList.size();
    Choose(Control<QComboBox>(Bar<EffectBar>("effectBar"), "effectKind"), "Glow");
    Control<QSlider>(Bar<OutlineBar>("outlineBar"), "outlineWidth")->setValue(33);
    Control<QCheckBox>(Bar<LightsBar>("lightsBar"), "lightsOn")->click();
    Control<QPushButton>(Bar<LightsBar>("lightsBar"), "addSpot")->click();
    Choose(Control<QComboBox>(Bar<ObjectPropertiesBar>("objectPropertiesBar"), "antiAlias"), "Anti-Alias");
    const CDrawObject& look = view.DefaultLook();
    QCOMPARE(look.m_effect, 3);
    QCOMPARE(look.m_outlineWidth, 33);
    QCOMPARE(look.m_lightsOn, 1);
    QCOMPARE(look.m_lights.m_lights.size(), size_t(1));
    QCOMPARE(look.m_antiAlias, 2);
    QCOMPARE(Doc().m_undoList.size(), steps);
    QCOMPARE(m_object->m_effect, 0);  // the object that was selected keeps its look
    // Frames, environment pictures, names and combine modes belong to objects only.
    auto* objectBar = Bar<ObjectPropertiesBar>("objectPropertiesBar");
    QVERIFY(!Control<QPushButton>(objectBar, "multimedia")->isEnabled());
    QVERIFY(!Control<QLineEdit>(objectBar, "objectName")->isEnabled());
    QVERIFY(!Control<QComboBox>(objectBar, "combineMode")->isEnabled());
    QVERIFY(!Control<QPushButton>(Bar<LightsBar>("lightsBar"), "loadEnvironment")->isEnabled());
  }

  void multimediaDialogSetsTheFrames() {
    AddSelectedRectangle();
    auto* bar = Bar<ObjectPropertiesBar>("objectPropertiesBar");
    QVERIFY(Control<QPushButton>(bar, "multimedia")->isEnabled());
    // Highlighted frame on and shown: the normal look is kept aside.
    Expect([&] {
      AnswerMultimedia([](QDialog& d) {
        Field<QCheckBox>(d, "hasHighlighted")->setChecked(true);
        Field<QCheckBox>(d, "glueWithPrevious")->setChecked(true);
        Field<QComboBox>(d, "frameShown")->setCurrentIndex(1);
      });
      Control<QPushButton>(bar, "multimedia")->click();
    });
    QCOMPARE(m_object->m_hasHighlightedFrame, 1);
    QCOMPARE(m_object->m_hasPushedFrame, 0);
    QCOMPARE(m_object->m_glueWithPrevious, 1);
    QCOMPARE(m_object->m_currentFrame, 1);
    QVERIFY(m_object->m_frameNormal);
    // The highlighted frame gets its own colour; showing the normal frame brings back
    // the first one.
    Expect([&] { Choose(Control<QComboBox>(bar, "blendMode"), "Screen"); });
    Expect([&] {
      AnswerMultimedia([](QDialog& d) { Field<QComboBox>(d, "frameShown")->setCurrentIndex(0); });
      Control<QPushButton>(bar, "multimedia")->click();
    });
    QCOMPARE(m_object->m_currentFrame, 0);
    QCOMPARE(m_object->m_shadowOption, 0);
    QCOMPARE(m_object->m_hasHighlightedFrame, 1);
    // A frame the object lacks is not shown; Cancel changes nothing.
    Expect([&] {
      AnswerMultimedia([](QDialog& d) {
        Field<QCheckBox>(d, "hasPushed")->setChecked(true);
        Field<QComboBox>(d, "frameShown")->setCurrentIndex(2);
      });
      Control<QPushButton>(bar, "multimedia")->click();
    });
    QCOMPARE(m_object->m_hasPushedFrame, 1);
    QCOMPARE(m_object->m_currentFrame, 2);
    Expect(
        [&] {
          AnswerMultimedia([](QDialog& d) { Field<QCheckBox>(d, "nonInteractive")->setChecked(true); }, false);
          Control<QPushButton>(bar, "multimedia")->click();
        },
        false, 0);
    QCOMPARE(m_object->m_nonInteractive, 0);
  }

  void plainBitmapGoesBackToTheNormalFrame() {
    AddSelectedRectangle();
    auto* bar = Bar<ObjectPropertiesBar>("objectPropertiesBar");
    MultimediaFrames frames;
    frames.hasHighlighted = 1;
    frames.frame = 1;
    bar->ApplyMultimedia(frames);
    Expect([&] { Choose(Control<QComboBox>(bar, "blendMode"), "Darken"); });
    QCOMPARE(m_object->m_currentFrame, 1);
    // Switching the frames off must not leave the object in its highlighted look.
    frames.nonInteractive = 1;
    Expect([&] { bar->ApplyMultimedia(frames); });
    QCOMPARE(m_object->m_nonInteractive, 1);
    QCOMPARE(m_object->m_currentFrame, 0);
    QCOMPARE(m_object->m_shadowOption, 0);
  }

 private:
  CVellumDoc& Doc() { return m_docWindow->Document(); }

  void AddSelectedRectangle() {
    auto object = std::make_unique<CDrawObject>();
    object->CreateRectangle(40, 40, 160, 120);
    m_object = Doc().AddObject(std::move(object));
    m_docWindow->View().SelectObject(m_object);
    Doc().ResetUndo();
    m_window->NotifyEdited(true);
  }

  template <class T>
  T* Bar(const char* name) {
    T* bar = m_window->findChild<T*>(name);
    if (!bar) qFatal("no bar named %s", name);
    return bar;
  }
  template <class T>
  static T* Control(QWidget* bar, const char* name) {
    T* w = bar->findChild<T*>(name);
    if (!w) qFatal("no control named %s", name);
    return w;
  }
  template <class T>
  static T* Field(QDialog& dialog, const char* name) {
    return Control<T>(&dialog, name);
  }

  // Runs change on the selected object and checks that it was rendered again (or
  // not) and that the undo list grew by steps; a failure names the caller's line.
  void Expect(const std::function<void()>& change, bool renders = true, size_t steps = 1,
              int line = __builtin_LINE()) {
    const QByteArray where = "edit at line " + QByteArray::number(line);
    std::fill(m_object->m_bitmap.Bits(), m_object->m_bitmap.Bits() + m_object->m_bitmap.SizeBytes(), kPoison);
    const size_t before = Doc().m_undoList.size();
    change();
    const uint8_t* bits = m_object->m_bitmap.Bits();
    const bool rendered =
        std::any_of(bits, bits + m_object->m_bitmap.SizeBytes(), [](uint8_t b) { return b != kPoison; });
    QVERIFY2(rendered == renders, where + (renders ? ": not rendered" : ": rendered"));
    QVERIFY2(Doc().m_undoList.size() == before + steps,
             where + ": " + QByteArray::number(qulonglong(Doc().m_undoList.size() - before)) + " undo steps");
  }

  // Sets the multimedia dialog that the next modal step opens by fill, then presses OK
  // (or Cancel).
  void AnswerMultimedia(std::function<void(QDialog&)> fill, bool ok = true) {
    QTimer::singleShot(0, [fill, ok] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog || dialog->objectName() != "multimediaDialog") return;
      fill(*dialog);
      Shot(dialog, "multimedia-dialog");
      auto* buttons = dialog->findChild<QDialogButtonBox*>();
      buttons->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
  }

  std::vector<int> Types() const {
    std::vector<int> types;
    for (const CLight& light : m_object->m_lights.m_lights) types.push_back(light.type);
    return types;
  }

  std::unique_ptr<MainWindow> m_window;
  QPointer<DocumentWindow> m_docWindow;
  CDrawObject* m_object = nullptr;
};

int RunEffectBarsTests(int argc, char** argv) {
  EffectBarsTest tests;
  return QTest::qExec(&tests, argc, argv);
}

}  // namespace tessel

#include "effect_bars_test.moc"
