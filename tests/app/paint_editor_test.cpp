// The painting editor in the desktop program: opened on a bitmap object, strokes
// replayed with the mouse and a tablet, its own undo, the commit with one document undo
// step, the tools switched off meanwhile, and the tool panel.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPointingDevice>
#include <QSlider>
#include <QTabletEvent>
#include <QWheelEvent>
#include <QToolButton>
#include <QtTest>

#include "app/app_painting_state.h"
#include "app/document_window.h"
#include "app/main_window.h"
#include "app/paint_editor_host.h"
#include "app/paint_tool_panel.h"
#include "base/app_context.h"
#include "base/program_constants.h"
#include "document/bitmap_object.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "paint/paint_editor.h"
#include "paint/painting_state.h"
#include "view/general_settings.h"
#include "view/vellum_view.h"
#include "gui_test_support.h"

using namespace tessel;

namespace tessel {

namespace {
// The bitmap object: a white picture with a blue square, placed at kLeft, kTop.
constexpr int kLeft = 50, kTop = 40, kWidth = 120, kHeight = 80;
constexpr int kBlueSquare = 10;  // picture columns and rows 0..9 from the top are blue
constexpr uint32_t kRedRef = 0x0000FF;
constexpr uint32_t kBlueRef = 0xFF0000;
constexpr int kTipSize = 5;

struct Pixel {
  int r, g, b, a;
};

Pixel At(const CDIBSection& dib, int x, int yTop) {
  const uint8_t* p = dib.RowFromTop(yTop) + x * 4;
  return {p[kRed], p[kGreen], p[kBlue], p[kAlpha]};
}

CDIBSection Picture() {
  CDIBSection pic;
  pic.Create(kWidth, kHeight, 32);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      uint8_t* p = pic.RowFromTop(y) + x * 4;
      const bool blue = x < kBlueSquare && y < kBlueSquare;
      p[kBlue] = 255, p[kGreen] = blue ? 0 : 255, p[kRed] = blue ? 0 : 255, p[kAlpha] = 255;
    }
  return pic;
}

// A hard round tip in red, with the given pressure mode.
void UseHardBrush(int pressureMode) {
  CPaintingState& s = AppPaintingState();
  CBrush brush;
  brush.m_size = kTipSize;
  brush.m_blur = 0;
  brush.m_pressureMode = pressureMode;
  brush.Build(kLibraryPreviewSide);
  s.m_paintColour = kRedRef;
  s.ChooseBrush(brush);
  s.m_tool = kToolBrush;
  s.m_opacity = 255;
  s.m_blendMode = kPaintNormal;
}

void SetTablet(bool on) {
  GeneralSettings settings = LoadGeneralSettings(App().Profile());
  settings.tablet = on;
  SaveGeneralSettings(App().Profile(), settings);
}
}  // namespace

class PaintEditorTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    UseHardBrush(kPressureNone);
    m_window = guitest::OpenWindowWithNewDocument();
    m_doc = m_window->ActiveWindow();
    QVERIFY(m_doc);
    std::unique_ptr<CDrawObject> object = MakeBitmapObject(Picture());
    QVERIFY(object);
    object->SetPosition(kLeft, kTop);
    m_object = Doc().AddObject(std::move(object));
    Doc().SaveUndo();
    m_doc->View().SelectObject(m_object);
    m_window->NotifyEdited(true);
  }
  void cleanup() {
    SetTablet(false);
    guitest::CloseWithoutQuestions(m_window);
  }

  void commandOpensEditorAndSwitchesToolsOff() {
    QVERIFY(Action("object.paint-edit")->isEnabled());
    Action("object.paint-edit")->trigger();
    QVERIFY(Host().Running());
    QCOMPARE(Host().Object(), m_object);
    QVERIFY(m_doc->View().m_paintEditorRunning);
    QCOMPARE(m_doc->View().Tool(), int(kToolPaintEditor));
    auto* panel = m_window->findChild<PaintToolPanel*>("paintToolPanel");
    QVERIFY(panel && panel->isVisible());
    for (const char* tool : {"tool.select", "tool.rectangle", "tool.paint-opaque", "tool.paint-transparency",
                             "object.paint-edit", "edit.delete"})
      QVERIFY2(!Action(tool)->isEnabled(), tool);
    QVERIFY(!Action("edit.undo")->isEnabled());  // the editor has no stroke yet
    QVERIFY(Action("view.zoom-in")->isEnabled());
    QVERIFY(Action("object.paint-on-edge")->isEnabled());
    // The view paints nothing of its own; the editor shows the canvas.
    QVERIFY(m_doc->View().Paint({0, 0, 100, 100}).blank);
    // "Paint on Edge" stays a toggle of the editor.
    Action("object.paint-on-edge")->trigger();
    QVERIFY(Host().Editor()->PaintOnEdge());
    QVERIFY(Action("object.paint-on-edge")->isChecked());
    QVERIFY(!Host().Editor()->EdgeMap().IsEmpty());
    Action("object.paint-on-edge")->trigger();
    QVERIFY(!Host().Editor()->PaintOnEdge());
    Shot("editor");
    QTest::keyClick(m_doc, Qt::Key_Escape);
    QVERIFY(!Host().Running());
    QCOMPARE(m_doc->View().Tool(), int(kToolSelect));
    QVERIFY(Action("tool.rectangle")->isEnabled());
    QVERIFY(!panel->isVisible());
  }

  void strokeAtZoomPaintsAlongIt() {
    Action("object.paint-edit")->trigger();
    Action("view.zoom-in")->trigger();  // 200%: the editor follows the view's mapping
    QCOMPARE(m_doc->View().Scale(), 2.0f);
    Stroke({kLeft + 20, kTop + 30}, {kLeft + 100, kTop + 30});
    const CDIBSection& layer = Host().Editor()->Layer();
    for (int x : {20, 40, 60, 80, 100}) {
      const Pixel p = At(layer, x, 30);
      QVERIFY2(p.r == 255 && p.g == 0 && p.b == 0, qPrintable(QString("column %1").arg(x)));
    }
    // Off the stroke (beyond the tip's reach) and before its start nothing changed.
    QCOMPARE(At(layer, 60, 30 + kTipSize).g, 255);
    QCOMPARE(At(layer, 20 - kTipSize, 30).g, 255);
    QCOMPARE(At(layer, 60, 50).g, 255);
    Shot("stroke");
    // Ctrl+wheel zooms further while painting; the next stroke still lands right.
    const QPointF centre = m_doc->viewport()->rect().center();
    QWheelEvent wheel(centre, m_doc->viewport()->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_doc->viewport(), &wheel);
    QCOMPARE(m_doc->View().Scale(), 4.0f);
    m_doc->View().CenterOnDocumentPoint({kLeft + 60, kTop + 60});
    Stroke({kLeft + 50, kTop + 60}, {kLeft + 70, kTop + 60});
    QCOMPARE(At(Host().Editor()->Layer(), 60, 60).g, 0);
    QCOMPARE(At(Host().Editor()->Layer(), 60, 60 - kTipSize).g, 255);
  }

  void tabletPressureHalvesCoverageAndEraserPaintsNothing() {
    SetTablet(true);
    UseHardBrush(kPressureOpacity);
    Action("object.paint-edit")->trigger();
    QPointingDevice pen("pen", 1, QInputDevice::DeviceType::Stylus, QPointingDevice::PointerType::Pen,
                        QInputDevice::Capability::Position | QInputDevice::Capability::Pressure, 1, 2);
    QPointingDevice eraser("eraser", 2, QInputDevice::DeviceType::Stylus, QPointingDevice::PointerType::Eraser,
                           QInputDevice::Capability::Position | QInputDevice::Capability::Pressure, 1, 2);
    Tablet(pen, {kLeft + 30, kTop + 30}, 0.5);
    // Pressure 0.5 is 128 of 255: the centre pixel gets 128/255 of the red.
    const Pixel half = At(Host().Editor()->Layer(), 30, 30);
    QCOMPARE(half.r, 255);
    QVERIFY2(half.g >= 125 && half.g <= 129, qPrintable(QString::number(half.g)));
    Tablet(eraser, {kLeft + 60, kTop + 30}, 1.0);
    QCOMPARE(At(Host().Editor()->Layer(), 60, 30).g, 255);
    // The mouse paints at full pressure.
    Stroke({kLeft + 90, kTop + 30}, {kLeft + 90, kTop + 30});
    QCOMPARE(At(Host().Editor()->Layer(), 90, 30).g, 0);
  }

  void undoInEditorThenCommitWithOneDocumentStep() {
    const size_t snapshots = Doc().m_undoList.size();
    Action("object.paint-edit")->trigger();
    Stroke({kLeft + 20, kTop + 60}, {kLeft + 60, kTop + 60});
    QCOMPARE(At(Host().Editor()->Layer(), 40, 60).g, 0);
    QVERIFY(Action("edit.undo")->isEnabled());
    QTest::keyClick(m_doc, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(At(Host().Editor()->Layer(), 40, 60).g, 255);
    QTest::keyClick(m_doc, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(At(Host().Editor()->Layer(), 40, 60).g, 0);
    QCOMPARE(Doc().m_undoList.size(), snapshots);  // the editor's steps are its own
    QTest::keyClick(m_doc, Qt::Key_Escape);
    QVERIFY(!Host().Running());
    QCOMPARE(Doc().m_undoList.size(), snapshots + 1);
    QCOMPARE(At(m_object->m_layer, 40, 60).g, 0);
    QVERIFY(m_doc->Document().m_modified);
    // The rendered object shows the stroke too.
    QCOMPARE(At(m_object->m_bitmap, 40, 60).g, 0);
    Action("edit.undo")->trigger();
    const CDrawObject* restored = Doc().ObjectAt(0);
    QCOMPARE(At(restored->m_layer, 40, 60).g, 255);
  }

  void shapeWithoutLayerGetsOneWhenPainted() {
    CDrawObject* rect = Doc().NewObject();
    rect->CreateRectangle(200, 150, 300, 230);
    rect->AllocateBitmaps(100, 80);
    QVERIFY(rect->m_layer.IsEmpty());
    m_doc->View().SelectObject(rect);
    Action("object.paint-edit")->trigger();
    QCOMPARE(Host().Object(), rect);
    Stroke({230, 190}, {270, 190});
    QTest::keyClick(m_doc, Qt::Key_Escape);
    QCOMPARE(rect->m_layer.Width(), rect->m_width);
    QCOMPARE(rect->m_layer.Height(), rect->m_height);
    const int layerY = 190 - rect->m_top, layerX = 250 - rect->m_left;
    const Pixel painted = At(rect->m_layer, layerX, layerY);
    QVERIFY(painted.r == 255 && painted.g == 0 && painted.a == 255);
    // The render folds the layer into the shape.
    const Pixel shown = At(rect->m_bitmap, layerX, layerY);
    QVERIFY2(shown.r > 200 && shown.g < 60, qPrintable(QString("%1 %2").arg(shown.r).arg(shown.g)));
  }

  void windowGoingWhileEditingDropsTheEditor() {
    Action("object.paint-edit")->trigger();
    Stroke({kLeft + 20, kTop + 20}, {kLeft + 40, kTop + 20});
    m_doc->parentWidget()->deleteLater();  // no close event: the editor is dropped
    QTRY_VERIFY(m_doc.isNull());
    auto* panel = m_window->findChild<PaintToolPanel*>("paintToolPanel");
    m_window->NotifyEdited(true);
    QVERIFY(!panel->isVisible());
  }

  void endingWithoutChangeRecordsNothing() {
    const size_t snapshots = Doc().m_undoList.size();
    Action("object.paint-edit")->trigger();
    Stroke({kLeft + 20, kTop + 60}, {kLeft + 60, kTop + 60});
    QTest::keyClick(m_doc, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!Host().EndEditing());
    QCOMPARE(Doc().m_undoList.size(), snapshots);
  }

  void colorPickTakesPaintColour() {
    Action("object.paint-edit")->trigger();
    auto* pick = m_window->findChild<QToolButton*>(QString("paintTool%1").arg(kToolColorPick));
    QVERIFY(pick);
    QCOMPARE(pick->toolTip(), QString("Color Pick"));
    pick->click();
    QCOMPARE(AppPaintingState().m_tool, int(kToolColorPick));
    Stroke({kLeft + 4, kTop + 4}, {kLeft + 4, kTop + 4});
    QCOMPARE(AppPaintingState().m_paintColour, kBlueRef);
    QCOMPARE(AppPaintingState().m_tool, int(kToolBrush));
    auto* brush = m_window->findChild<QToolButton*>(QString("paintTool%1").arg(kToolBrush));
    QVERIFY(brush->isChecked());
    // The picked colour paints.
    Stroke({kLeft + 50, kTop + 50}, {kLeft + 50, kTop + 50});
    const Pixel p = At(Host().Editor()->Layer(), 50, 50);
    QVERIFY(p.r == 0 && p.g == 0 && p.b == 255);
  }

  void doubleClickAndPaintToolsOpenTheEditor() {
    QTest::mouseDClick(m_doc->viewport(), Qt::LeftButton, {}, Window(kLeft + 30, kTop + 30));
    QVERIFY(Host().Running());
    QVERIFY(Host().EndEditing() == false);
    // "Paint Transparency": a press on the object opens the editor with the eraser.
    Action("tool.paint-transparency")->trigger();
    QCOMPARE(m_doc->View().Tool(), int(kToolPaintTransparency));
    QTest::mousePress(m_doc->viewport(), Qt::LeftButton, {}, Window(kLeft + 30, kTop + 30));
    QTest::mouseRelease(m_doc->viewport(), Qt::LeftButton, {}, Window(kLeft + 30, kTop + 30));
    QVERIFY(Host().Running());
    QCOMPARE(AppPaintingState().m_tool, int(kToolEraseTransparent));
    Stroke({kLeft + 30, kTop + 30}, {kLeft + 30, kTop + 30});
    QCOMPARE(At(Host().Editor()->Layer(), 30, 30).a, 0);
    QTest::keyClick(m_doc, Qt::Key_Escape);
    QCOMPARE(m_doc->View().Tool(), int(kToolPaintTransparency));  // back to the tool chosen
    QCOMPARE(At(m_object->m_layer, 30, 30).a, 0);
  }

  // On a shape "Paint Transparency" paints the shape's painted transparency: the layer
  // stays empty and the render cuts the erased spot out. Opening and leaving without a
  // stroke adds nothing and records no step.
  void paintTransparencyOnAShapeCutsItsRender() {
    auto shape = std::make_unique<CDrawObject>();
    shape->CreateRectangle(220, 60, 300, 120);
    CDrawObject* rect = Doc().AddObject(std::move(shape));
    Doc().SaveUndo();
    const size_t steps = Doc().m_undoList.size();
    const CPoint spot{260, 90};
    const int x = spot.x - rect->m_left, y = spot.y - rect->m_top;
    QCOMPARE(At(rect->m_bitmap, x, y).a, 255);

    Action("tool.paint-transparency")->trigger();
    QTest::mousePress(m_doc->viewport(), Qt::LeftButton, {}, Window(spot.x, spot.y));
    QTest::mouseRelease(m_doc->viewport(), Qt::LeftButton, {}, Window(spot.x, spot.y));
    QVERIFY(Host().Running());
    QVERIFY(Host().Editor()->Target() == PaintTarget::kTransparency);
    QTest::keyClick(m_doc, Qt::Key_Escape);
    QVERIFY(rect->m_paintTransp.IsEmpty());
    QCOMPARE(Doc().m_undoList.size(), steps);

    QTest::mousePress(m_doc->viewport(), Qt::LeftButton, {}, Window(spot.x, spot.y));
    QTest::mouseRelease(m_doc->viewport(), Qt::LeftButton, {}, Window(spot.x, spot.y));
    QVERIFY(Host().Running());
    Stroke(spot, spot);
    QTest::keyClick(m_doc, Qt::Key_Escape);
    QVERIFY(rect->m_layer.IsEmpty());
    QCOMPARE(At(rect->m_paintTransp, x, y).a, 0);
    QCOMPARE(At(rect->m_paintTransp, 2, 2).a, 255);
    QCOMPARE(At(rect->m_bitmap, x, y).a, 0);
    QCOMPARE(Doc().m_undoList.size(), steps + 1);
  }

  void cloneReadsTheBlueprintWhereItLies() {
    // A 24-bit green blueprint whose top-left lies at the object's (20, 10).
    CDIBSection blueprint;
    blueprint.Create(60, 40, 24);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 60; ++x) {
        uint8_t* p = blueprint.RowFromTop(y) + x * 3;
        p[0] = 0, p[1] = 200, p[2] = 0;
      }
    Doc().m_blueprint = std::move(blueprint);
    Doc().m_blueprintX = kLeft + 20, Doc().m_blueprintY = kTop + 10;
    Doc().m_background = 0x404040;
    AppPaintingState().m_cloneSource = CloneSource::kLayersBelow;
    Action("object.paint-edit")->trigger();
    m_window->findChild<QToolButton*>("cloneSwitch")->click();
    QCOMPARE(AppPaintingState().m_cloneSource, CloneSource::kBlueprint);
    Stroke({kLeft + 30, kTop + 20}, {kLeft + 70, kTop + 20});
    const Pixel inside = At(Host().Editor()->Layer(), 50, 20);
    QVERIFY(inside.r == 0 && inside.g == 200 && inside.b == 0);
    // Beyond the blueprint the clone shows what lies below the object: the dark canvas.
    Stroke({kLeft + 10, kTop + 70}, {kLeft + 10, kTop + 70});
    QCOMPARE(At(Host().Editor()->Layer(), 10, 70).g, 0x40);
  }

  void panelSetsBrushBlendOpacityAndCloneSource() {
    Action("object.paint-edit")->trigger();
    CPaintingState& s = AppPaintingState();
    auto* list = m_window->findChild<PaintToolPanel*>()->findChild<QListWidget*>("brushList");
    QVERIFY(list && list->count() > 1);
    list->setCurrentRow(1);
    QCOMPARE(QString::fromStdString(s.m_brush.m_name), list->item(1)->text());
    auto* blend = m_window->findChild<QComboBox*>("paintBlendMode");
    QCOMPARE(blend->count(), int(kPaintBlendCount));
    QCOMPARE(blend->itemText(10), QString("If Darker"));
    blend->setCurrentIndex(kPaintMultiply);
    QCOMPARE(s.m_blendMode, int(kPaintMultiply));
    m_window->findChild<QSlider*>("paintOpacity")->setValue(100);
    QCOMPARE(s.m_opacity, 100);
    const CloneSource before = s.m_cloneSource;
    auto* clone = m_window->findChild<QToolButton*>("cloneSwitch");
    QCOMPARE(clone->toolTip(), QString("Clone Switch: Layers/Blueprint"));
    clone->click();
    QVERIFY(s.m_cloneSource != before);
    QCOMPARE(s.m_tool, int(kToolCloneBottom));
    QVERIFY(m_window->findChild<QToolButton*>(QString("paintTool%1").arg(kToolCloneBottom))->isChecked());
    Shot("panel");
  }

 private:
  CVellumDoc& Doc() { return m_doc->Document(); }
  PaintEditorHost& Host() { return m_doc->Painting(); }
  QAction* Action(const char* id) {
    m_window->UpdateActions();
    QAction* action = m_window->Action(id);
    if (!action) qFatal("no action %s", id);
    return action;
  }
  QPoint Window(int x, int y) {
    const CPoint w = m_doc->View().DocumentToWindow(CPoint{x, y});
    return {w.x, w.y};
  }
  // A mouse stroke from one document point to another in four steps.
  void Stroke(CPoint from, CPoint to) {
    QTest::mousePress(m_doc->viewport(), Qt::LeftButton, {}, Window(from.x, from.y));
    constexpr int kSteps = 4;
    for (int i = 1; i <= kSteps; ++i)
      QTest::mouseMove(m_doc->viewport(), Window(from.x + (to.x - from.x) * i / kSteps,
                                                 from.y + (to.y - from.y) * i / kSteps));
    QTest::mouseRelease(m_doc->viewport(), Qt::LeftButton, {}, Window(to.x, to.y));
  }
  // A tablet touch at a document point: press and release with that pressure.
  void Tablet(const QPointingDevice& device, CPoint at, double pressure) {
    const QPointF p = Window(at.x, at.y);
    const QPointF global = m_doc->viewport()->mapToGlobal(p);
    for (QEvent::Type type : {QEvent::TabletPress, QEvent::TabletRelease}) {
      const Qt::MouseButtons held = type == QEvent::TabletPress ? Qt::LeftButton : Qt::NoButton;
      QTabletEvent event(type, &device, p, global, pressure, 0, 0, 0, 0, 0, {}, Qt::LeftButton, held);
      QApplication::sendEvent(m_doc->viewport(), &event);
      QVERIFY(event.isAccepted());
    }
  }
  // With TESSEL_GUI_SHOTS naming a folder, the main window goes there as paint-name.png.
  void Shot(const char* name) {
    const QString dir = qEnvironmentVariable("TESSEL_GUI_SHOTS");
    if (dir.isEmpty()) return;
    QTest::qWait(50);
    m_window->grab().save(dir + "/paint-" + name + ".png");
  }

  std::unique_ptr<MainWindow> m_window;
  QPointer<DocumentWindow> m_doc;
  CDrawObject* m_object = nullptr;
};

int RunPaintEditorTests(int argc, char** argv) {
  PaintEditorTest tests;
  return QTest::qExec(&tests, argc, argv);
}

}  // namespace tessel

#include "paint_editor_test.moc"
