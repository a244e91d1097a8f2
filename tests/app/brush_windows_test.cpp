// The "Brush Properties" dialog, the brush library window and the additions to
// "General Settings" (tablet line, light and dark style), driven through their widgets.
#include <QCheckBox>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QInputDevice>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QTest>

#include "app/app_painting_state.h"
#include "app/app_style.h"
#include "app/brush_library_panel.h"
#include "app/brush_properties_dialog.h"
#include "app/document_dialogs.h"
#include "app/main_window.h"
#include "app/tablet_status.h"
#include "mutaflux_test_support.h"
#include "paint/painting_state.h"

namespace tessel {

namespace {
template <typename T>
T* Field(QWidget& parent, const char* name) {
  T* w = parent.findChild<T*>(QString::fromLatin1(name));
  if (!w) qFatal("no widget named %s", name);
  return w;
}

void Press(QDialog& dialog, QDialogButtonBox::StandardButton which) {
  dialog.findChild<QDialogButtonBox*>()->button(which)->click();
}

// The settings a brush file keeps, for comparing brushes.
std::string Describe(const CBrush& b) {
  return b.m_name + "/" + std::to_string(b.m_tipKind) + "/" + std::to_string(b.m_size) + "/" +
         std::to_string(b.m_spacing) + "/" + std::to_string(b.m_spacingCopy) + "/" + std::to_string(b.m_blur) + "/" +
         std::to_string(b.m_pressureMode) + "/" + std::to_string(b.m_spacingEnabled) + "/" +
         std::to_string(b.m_colourOverlay) + "/" + std::to_string(b.m_dab.Width()) + "x" +
         std::to_string(b.m_dab.Height());
}

int Lightness(QPalette::ColorRole role) { return QApplication::palette().color(role).lightness(); }
}  // namespace

class BrushWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void brushPropertiesOkWritesEveryField() {
    guitest::ScratchContext scratch;
    CBrush brush;
    brush.Build(kLibraryPreviewSide);
    guitest::WhenModal<BrushPropertiesDialog>([](BrushPropertiesDialog& d) {
      Field<QLineEdit>(d, "name")->setText(QStringLiteral("Square"));
      Field<QRadioButton>(d, "tipRectangular")->click();
      Field<QSpinBox>(d, "size")->setValue(20);
      Field<QSlider>(d, "blurSlider")->setValue(0);
      Field<QSlider>(d, "spacingSlider")->setValue(50);
      Field<QComboBox>(d, "pressure")->setCurrentIndex(kPressureSpeed);
      Field<QPushButton>(d, "apply")->click();
      // A 20-pixel square without blur: 21 covered pixels a side and one spare each way.
      QCOMPARE(Field<QLabel>(d, "dabSize")->text(), QStringLiteral("(23,23)"));
      guitest::SaveShot(d, "brush-properties-rectangular");
      Press(d, QDialogButtonBox::Ok);
    });
    QVERIFY(RunBrushPropertiesDialog(nullptr, brush));
    QCOMPARE(brush.m_name, std::string("Square"));
    QCOMPARE(brush.m_tipKind, int(kTipRectangular));
    QCOMPARE(brush.m_size, 20);
    QCOMPARE(brush.m_blur, 0.0);
    QCOMPARE(brush.m_spacing, 0.5);
    QCOMPARE(brush.m_spacingCopy, 0.5);
    QCOMPARE(brush.m_pressureMode, int(kPressureSpeed));
    QCOMPARE(brush.m_dab.Width(), 23);
    QCOMPARE(brush.DabStep(), 11);  // trunc(23 × 0.5)
    QCOMPARE(brush.m_preview.Width(), kDialogPreviewSide);
  }

  void brushPropertiesCancelLeavesTheBrush() {
    guitest::ScratchContext scratch;
    CBrush brush;
    brush.Build(kLibraryPreviewSide);
    const std::string before = Describe(brush);
    guitest::WhenModal<BrushPropertiesDialog>([](BrushPropertiesDialog& d) {
      Field<QRadioButton>(d, "tipImageBrush")->click();
      Field<QSpinBox>(d, "size")->setValue(3);
      Field<QCheckBox>(d, "spacingEnabled")->setChecked(false);
      Field<QPushButton>(d, "apply")->click();
      Press(d, QDialogButtonBox::Cancel);
    });
    QVERIFY(!RunBrushPropertiesDialog(nullptr, brush));
    QCOMPARE(Describe(brush), before);
  }

  void brushPropertiesEnableTheFieldsOfEachTip() {
    guitest::ScratchContext scratch;
    CBrush brush;
    brush.m_blur = 3.5;
    brush.Build(kDialogPreviewSide);
    BrushPropertiesDialog d(nullptr, brush);
    QCOMPARE(Field<QSlider>(d, "blurSlider")->value(), 7);  // the slider counts half pixels
    QVERIFY(Field<QSpinBox>(d, "size")->isEnabled());
    QVERIFY(!Field<QPushButton>(d, "load")->isEnabled());
    QVERIFY(!Field<QPushButton>(d, "previewLoad")->isEnabled());  // while "Auto Generate" is on
    guitest::SaveShot(d, "brush-properties-circular");

    Field<QCheckBox>(d, "colorOverlay")->setChecked(true);
    Field<QRadioButton>(d, "tipBitmap")->click();
    QVERIFY(!Field<QSpinBox>(d, "size")->isEnabled());
    QVERIFY(!Field<QSlider>(d, "blurSlider")->isEnabled());
    QVERIFY(!Field<QCheckBox>(d, "colorOverlay")->isEnabled());
    QVERIFY(!Field<QCheckBox>(d, "colorOverlay")->isChecked());  // forced off for Bitmap
    QVERIFY(Field<QPushButton>(d, "loadMask")->isEnabled());
    QVERIFY(!Field<QPushButton>(d, "load")->isEnabled());

    Field<QRadioButton>(d, "tipImageHose")->click();
    QCOMPARE(Field<QPushButton>(d, "load")->text(), QStringLiteral("Settings"));
    QVERIFY(Field<QPushButton>(d, "load")->isEnabled());
    QVERIFY(Field<QCheckBox>(d, "colorOverlay")->isEnabled());
    QVERIFY(!Field<QPushButton>(d, "loadMask")->isEnabled());

    Field<QRadioButton>(d, "tipImageBrush")->click();
    QCOMPARE(Field<QPushButton>(d, "load")->text(), QStringLiteral("Load..."));
    QVERIFY(Field<QCheckBox>(d, "loadNegative")->isEnabled());
    Field<QCheckBox>(d, "spacingEnabled")->setChecked(false);
    QVERIFY(!Field<QSpinBox>(d, "spacing")->isEnabled());
    QCOMPARE(d.Brush().m_spacingEnabled, 0);
    Field<QCheckBox>(d, "autoGenerate")->setChecked(false);
    QVERIFY(Field<QPushButton>(d, "previewLoad")->isEnabled());
  }

  void imageHoseSettingsSetTheModeAndTheFirstFrame() {
    guitest::ScratchContext scratch;
    CBrush brush;
    brush.m_tipKind = kTipImageHose;
    brush.Build(kDialogPreviewSide);
    BrushPropertiesDialog d(nullptr, brush);
    // The hose settings open over the properties dialog, which is not modal here.
    std::function<void()> answer = [&answer] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || modal->objectName() != QStringLiteral("imageHoseDialog")) {
        QTimer::singleShot(0, answer);
        return;
      }
      QCOMPARE(Field<QLabel>(*modal, "frameCount")->text(), QStringLiteral("0 frames"));
      Field<QComboBox>(*modal, "hoseMode")->setCurrentText(QStringLiteral("Directional"));
      Press(*static_cast<QDialog*>(modal), QDialogButtonBox::Ok);
    };
    QTimer::singleShot(0, answer);
    Field<QPushButton>(d, "load")->click();
    QCOMPARE(d.Brush().m_hoseMode, int(kHoseDirectional));
    // Without frames the dab is an empty 40 x 40 first frame.
    QCOMPARE(d.Brush().m_dab.Width(), 40);
    QCOMPARE(d.Brush().m_dab.Height(), 40);
    QCOMPARE(Field<QLabel>(d, "dabSize")->text(), QStringLiteral("(40,40)"));
  }

  void choosingABrushInTheLibrarySetsTheCurrentBrush() {
    guitest::ScratchContext scratch(QStringLiteral(TESSEL_DATA_DIR));
    BrushLibraryPanel panel;
    auto* libraries = Field<QComboBox>(panel, "brushLibraries");
    auto* list = Field<QListWidget>(panel, "brushList");
    QCOMPARE(libraries->itemText(0), QStringLiteral("default"));
    QVERIFY(panel.Library().Count() >= 2);
    QCOMPARE(list->count(), panel.Library().Count());
    guitest::SaveShot(panel, "brush-library");

    AppPaintingState().m_paintColour = 0x0000FF;  // red ink
    QSignalSpy chosen(&panel, &BrushLibraryPanel::brushChosen);
    list->setCurrentRow(1);
    QCOMPARE(chosen.count(), 1);
    const CBrush& current = AppPaintingState().m_brush;
    QCOMPARE(current.m_name, panel.Library().Get(1)->m_name);
    QCOMPARE(current.m_size, panel.Library().Get(1)->m_size);
    QCOMPARE(current.m_paintColour, 0x0000FFu);

    QVERIFY(panel.OpenLibrary(QStringLiteral("Nature")));
    QCOMPARE(list->count(), panel.Library().Count());
    QCOMPARE(libraries->currentText(), QStringLiteral("Nature"));
    list->setCurrentRow(0);
    QCOMPARE(AppPaintingState().m_brush.m_name, panel.Library().Get(0)->m_name);
    QVERIFY(!panel.OpenLibrary(QStringLiteral("absent")));
    QCOMPARE(libraries->currentText(), QStringLiteral("Nature"));
    AppPaintingState().m_paintColour = 0;
  }

  void brushLibraryCommandShowsTheDockWithoutADocument() {
    MainWindow window;
    auto* dock = window.findChild<BrushLibraryDock*>(QStringLiteral("brushLibraryDock"));
    QVERIFY(dock);
    QVERIFY(dock->isHidden());
    QAction* show = window.Action(QStringLiteral("edit.brush-library"));
    QVERIFY(show && show->isEnabled());
    show->trigger();
    QVERIFY(!dock->isHidden());
  }

  void editingALibraryBrushStoresTheLibraryOnlyOnOk() {
    guitest::ScratchContext scratch(QStringLiteral(TESSEL_DATA_DIR));
    BrushLibraryPanel panel;
    auto* list = Field<QListWidget>(panel, "brushList");
    list->setCurrentRow(0);
    const std::string before = Describe(*panel.Library().Get(0));
    const QString stored = scratch.User() + "/Brushes/default.brs";

    guitest::WhenModal<BrushPropertiesDialog>([](BrushPropertiesDialog& d) {
      Field<QLineEdit>(d, "name")->setText(QStringLiteral("Renamed"));
      Press(d, QDialogButtonBox::Cancel);
    });
    Field<QPushButton>(panel, "editBrush")->click();
    QCOMPARE(Describe(*panel.Library().Get(0)), before);
    QVERIFY(!QFile::exists(stored));

    guitest::WhenModal<BrushPropertiesDialog>([](BrushPropertiesDialog& d) {
      Field<QLineEdit>(d, "name")->setText(QStringLiteral("Renamed"));
      Press(d, QDialogButtonBox::Ok);
    });
    Field<QPushButton>(panel, "editBrush")->click();
    QCOMPARE(panel.Library().Get(0)->m_name, std::string("Renamed"));
    QCOMPARE(panel.Library().Get(0)->m_preview.Width(), kLibraryPreviewSide);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Renamed"));
    QCOMPARE(AppPaintingState().m_brush.m_name, std::string("Renamed"));
    CBrushLibrary reread;
    QVERIFY(reread.Load(stored.toStdString()));
    QCOMPARE(reread.Get(0)->m_name, std::string("Renamed"));
  }

  void tabletLineNamesThePenOrSaysThereIsNone() {
    QInputDevice mouse(QStringLiteral("Core Pointer"), 2, QInputDevice::DeviceType::Mouse);
    QInputDevice pen(QStringLiteral("Wacom Intuos Pen stylus"), 3, QInputDevice::DeviceType::Stylus);
    QInputDevice nameless(QString(), 4, QInputDevice::DeviceType::Airbrush);
    QCOMPARE(TabletStatusText({}), std::string("Tablet is not installed."));
    QCOMPARE(TabletStatusText({&mouse}), std::string("Tablet is not installed."));
    QCOMPARE(TabletStatusText({&mouse, &pen}), std::string("Wacom Intuos Pen stylus"));
    QCOMPARE(TabletStatusText({&nameless, &pen}), std::string("Unknown Tablet found"));
  }

  void settingsShowTheTabletLineAndDisableTheSwitchWithoutATablet() {
    guitest::ScratchContext scratch;
    App().Profile().WriteInt("GSettings", "Tablet", 1);
    GeneralSettingsDialog dialog(nullptr, nullptr);
    // The test display reports no pen.
    QCOMPARE(Field<QLabel>(dialog, "tabletInfo")->text(), QStringLiteral("Tablet is not installed."));
    QVERIFY(!Field<QCheckBox>(dialog, "tablet")->isEnabled());
    QVERIFY(Field<QCheckBox>(dialog, "tablet")->isChecked());  // the stored choice stays
    guitest::SaveShot(dialog, "general-settings-light");
    Press(dialog, QDialogButtonBox::Ok);
    QCOMPARE(App().Profile().GetInt("GSettings", "Tablet", -1), 1);
  }

  void darkStyleIsStoredAndApplied() {
    guitest::ScratchContext scratch;
    {
      GeneralSettingsDialog dialog(nullptr, nullptr);
      QCOMPARE(Field<QComboBox>(dialog, "theme")->currentText(), QStringLiteral("Light"));
      Field<QComboBox>(dialog, "theme")->setCurrentText(QStringLiteral("Dark"));
      Press(dialog, QDialogButtonBox::Ok);
    }
    QCOMPARE(App().Profile().GetString("GSettings", "Theme", ""), std::string("dark"));
    QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
    QVERIFY(Lightness(QPalette::Window) < 100);
    QVERIFY(Lightness(QPalette::WindowText) > 150);
    {
      GeneralSettingsDialog dialog(nullptr, nullptr);
      QCOMPARE(Field<QComboBox>(dialog, "theme")->currentText(), QStringLiteral("Dark"));
      guitest::SaveShot(dialog, "general-settings-dark");
      Field<QComboBox>(dialog, "theme")->setCurrentText(QStringLiteral("Light"));
      Press(dialog, QDialogButtonBox::Ok);
    }
    QCOMPARE(LoadAppTheme(App().Profile()), AppTheme::kLight);
    QVERIFY(Lightness(QPalette::Window) > 150);
  }
};

int RunBrushWindowsTests(int argc, char** argv) {
  BrushWindowsTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace tessel

#include "brush_windows_test.moc"
