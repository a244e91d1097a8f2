// The Bitmap menu in the desktop program: which objects enable it, the direct commands
// with one undo step each, the previewing dialogs (a slider changes the picture, Cancel
// puts back every byte, OK keeps it with one step) and the colour tweak dialog.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/bitmap_dialogs.h"
#include "app/document_window.h"
#include "app/main_window.h"
#include "base/app_context.h"
#include "base/dib_section.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "document/bitmap_object.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "filters/filter_session.h"
#include "filters/tweak_effects.h"
#include "gui_test_support.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
// Larger than the tweak preview, which shows it reduced.
constexpr int kPictureWidth = 320;
constexpr int kPictureHeight = 200;
constexpr int kUndoLevels = 30;
constexpr int kModalPollMs = 20;
constexpr int kModalPolls = 250;  // five seconds for a dialog to open

const char* const kDirectCommands[] = {"bitmap.simple-sharpen", "bitmap.sharpen-more", "bitmap.soft-blur",
                                       "bitmap.oil-painting",   "bitmap.pop-art",      "bitmap.auto-level",
                                       "bitmap.enhance-photo",  "bitmap.invert-alpha"};

// Colour ramps with a checker of dark and light squares and a band of half alpha: every
// filter has edges, a narrow range and translucent pixels to work on.
CDIBSection TestPicture() {
  CDIBSection picture;
  picture.Create(kPictureWidth, kPictureHeight, 32);
  for (int y = 0; y < kPictureHeight; ++y) {
    uint8_t* p = picture.RowFromTop(y);
    for (int x = 0; x < kPictureWidth; ++x, p += 4) {
      const int checker = ((x / 40 + y / 40) % 2) * 60;
      p[0] = uint8_t(40 + x * 150 / kPictureWidth + checker);
      p[1] = uint8_t(60 + y * 120 / kPictureHeight);
      p[2] = uint8_t(60 + (x + y) * 160 / (kPictureWidth + kPictureHeight) + checker / 2);
      p[3] = uint8_t(y < 4 ? 128 : 255);
    }
  }
  return picture;
}

// With TESSEL_GUI_SHOTS naming a folder, the widget goes there as name.png.
void Shot(QWidget& widget, const char* name) {
  const QString dir = qEnvironmentVariable("TESSEL_GUI_SHOTS");
  if (!dir.isEmpty()) widget.grab().save(dir + "/" + name + ".png");
}

// Runs act on the modal dialog as soon as it is open; the dialog is rejected afterwards
// unless act closed it, so a failed check cannot leave the test waiting. When no dialog
// opens, act never runs and the test's own checks fail.
void WhenModal(std::function<void(QDialog&)> act, int polls = kModalPolls) {
  QTimer::singleShot(kModalPollMs, [act, polls] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) {
      if (polls > 1) WhenModal(act, polls - 1);
      return;
    }
    act(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
}

template <typename T>
T* Named(QWidget& parent, const char* name) {
  return parent.findChild<T*>(QString::fromLatin1(name));
}
}  // namespace

class BitmapMenuTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> m_window;
  DocumentWindow* m_doc = nullptr;

  CVellumDoc& Doc() { return m_doc->Document(); }
  CVellumView& View() { return m_doc->View(); }
  // The bitmap object (the first object; undo replaces the object itself).
  CDrawObject& Object() { return *Doc().ObjectAt(0); }
  const CDIBSection& Picture() { return Object().m_layer; }
  size_t Steps() { return Doc().m_undoList.size() - 1; }
  // Undo and redo as the Edit menu gives them: the view forgets the objects undo
  // replaces.
  void UndoStep(bool redo = false) {
    QVERIFY(redo ? Doc().CanRedo() : Doc().CanUndo());
    m_window->Action(redo ? "edit.redo" : "edit.undo")->trigger();
  }
  void SelectBitmap() {
    View().SelectObject(&Object());
    m_window->UpdateActions();
  }
  void Trigger(const char* id) {
    QAction* action = m_window->Action(id);
    QVERIFY2(action && action->isEnabled(), id);
    action->trigger();
  }

 private slots:
  void init() {
    App().Profile().WriteInt("Settings", "Undo", kUndoLevels);
    m_window = guitest::OpenWindowWithNewDocument();
    m_doc = m_window->ActiveWindow();
    QVERIFY(m_doc);
    CDrawObject* object = Doc().AddObject(MakeBitmapObject(TestPicture()));
    QVERIFY(object);
    object->SetPosition(20, 20);
    Doc().m_undoLevels = kUndoLevels;
    Doc().ResetUndo();
    SelectBitmap();
  }
  void cleanup() {
    guitest::CloseWithoutQuestions(m_window);
  }

  void menuHoldsEveryCommandEnabledOnlyForAPicture() {
    QMenu* menu = nullptr;
    for (QMenu* m : m_window->menuBar()->findChildren<QMenu*>())
      if (m->title() == "&Bitmap") menu = m;
    QVERIFY(menu);
    QStringList shown;
    for (QAction* a : menu->actions())
      if (!a->isSeparator()) shown << a->text();
    const QStringList expected{"Simple Sharpen", "Sharpen More", "Soft Blur", "Gaussian Blur", "Gaussian Sharpen",
                               "Oil Painting", "Pop Art", "Auto Level", "Enhance Digital Photo", "Invert Alpha",
                               "Brightness and Contrast", "Hue && Saturation", "Tweak..."};
    QCOMPARE(shown, expected);
    for (QAction* a : menu->actions()) QVERIFY2(a->isSeparator() || a->isEnabled(), qPrintable(a->text()));
    if (!qEnvironmentVariableIsEmpty("TESSEL_GUI_SHOTS")) {
      menu->popup(m_window->mapToGlobal(QPoint(160, 30)));
      QTest::qWait(100);
      Shot(*menu, "bitmap-menu");
      menu->hide();
    }

    auto enabledCount = [&] {
      m_window->UpdateActions();
      int n = 0;
      for (QAction* a : menu->actions()) n += !a->isSeparator() && a->isEnabled();
      return n;
    };
    View().SelectObject(nullptr);
    QCOMPARE(enabledCount(), 0);
    // A shape is no bitmap object, and a bitmap object without a picture has nothing
    // to filter.
    CDrawObject* shape = Doc().AddObject(MakeBitmapObject(TestPicture()));
    shape->m_type = kTypePath;
    View().SelectObject(shape);
    QCOMPARE(enabledCount(), 0);
    CDrawObject* empty = Doc().AddObject(MakeBitmapObject(TestPicture()));
    empty->m_layer.Release();
    View().SelectObject(empty);
    QCOMPARE(enabledCount(), 0);
    View().SelectObject(&Object());
    QCOMPARE(enabledCount(), int(expected.size()));
  }

  void directCommandsChangeThePictureInOneUndoStepEach() {
    for (const char* id : kDirectCommands) {
      const CDIBSection before = Picture().Clone();
      const size_t steps = Steps();
      const int progressCalls = guitest::Recorder().ProgressCalls();
      Trigger(id);
      QVERIFY2(!(Picture() == before), id);
      QCOMPARE(Steps(), steps + 1);
      // Only "Pop Art" reports progress: one call as it starts, one as it ends.
      const int expectedCalls = std::string(id) == "bitmap.pop-art" ? 2 : 0;
      QCOMPARE(guitest::Recorder().ProgressCalls() - progressCalls, expectedCalls);
      const CDIBSection after = Picture().Clone();
      UndoStep();
      QVERIFY2(Picture() == before, id);
      UndoStep(true);
      QVERIFY2(Picture() == after, id);
      SelectBitmap();
    }
    // Invert Alpha turns every alpha byte over: the half-alpha band becomes 127.
    QCOMPARE(int(Picture().RowFromTop(0)[3]), 127);
  }

  void undoingTheNextEditKeepsTheFilter() {
    Trigger("bitmap.invert-alpha");
    const CDIBSection inverted = Picture().Clone();
    SelectBitmap();
    Trigger("bitmap.soft-blur");
    UndoStep();
    QVERIFY(Picture() == inverted);
  }

  void gaussianDialogsPreviewCancelAndStoreTheirSettings() {
    for (const bool sharpen : {false, true}) {
      // The sliders start from the stored settings: radius · 10, amount · 255 or · 128.
      StoreGaussianSettings(sharpen, {1.5, 0.5, 10});
      const CDIBSection before = Picture().Clone();
      const size_t steps = Steps();
      QString title;
      int threshold = -1, amount = -1, radius = -1;
      bool previewed = false;
      WhenModal([&](QDialog& dialog) {
        title = dialog.windowTitle();
        threshold = Named<QSlider>(dialog, "threshold")->value();
        amount = Named<QSlider>(dialog, "amount")->value();
        radius = Named<QSlider>(dialog, "radius")->value();
        Named<QSlider>(dialog, "threshold")->setValue(0);
        Named<QSlider>(dialog, "radius")->setValue(30);
        previewed = !(Picture() == before);
        Shot(dialog, sharpen ? "bitmap-gaussian-sharpen" : "bitmap-gaussian-blur");
        QTest::qWait(50);  // the canvas shows the preview
        Shot(*m_window, sharpen ? "bitmap-sharpen-canvas" : "bitmap-blur-canvas");
        dialog.reject();
      });
      Trigger(sharpen ? "bitmap.gaussian-sharpen" : "bitmap.gaussian-blur");
      QCOMPARE(title, QString(sharpen ? "Gaussian Sharpen (Unsharp Mask)" : "Gaussian Blur"));
      QCOMPARE(threshold, 10);
      QCOMPARE(amount, sharpen ? 64 : 128);
      QCOMPARE(radius, 15);
      QVERIFY(previewed);
      QVERIFY(Picture() == before);
      QCOMPARE(Steps(), steps);
      QCOMPARE(LoadGaussianSettings(sharpen).radius, 1.5);  // Cancel stores nothing

      WhenModal([&](QDialog& dialog) {
        Named<QSlider>(dialog, "radius")->setValue(25);
        Named<QSlider>(dialog, "amount")->setValue(sharpen ? 128 : 255);
        dialog.accept();
      });
      SelectBitmap();
      Trigger(sharpen ? "bitmap.gaussian-sharpen" : "bitmap.gaussian-blur");
      QVERIFY(!(Picture() == before));
      QCOMPARE(Steps(), steps + 1);
      QCOMPARE(App().Profile().GetInt(sharpen ? "GausSh" : "GausBl", "Radius", 0), 250);
      QCOMPARE(App().Profile().GetInt(sharpen ? "GausSh" : "GausBl", "Amount", 0), 100);
      QCOMPARE(App().Profile().GetInt(sharpen ? "GausSh" : "GausBl", "Tresh", -1), 10);
      UndoStep();
      QVERIFY(Picture() == before);
      SelectBitmap();
    }
  }

  void adjustDialogsPreviewAndCancelByteForByte() {
    const struct {
      const char* id;
      const char* title;
      const char* slider;
      int value;
      const char* shot;
    } cases[] = {{"bitmap.brightness-contrast", "Brightness and Contrast", "contrast", 40, "bitmap-brightness"},
                 {"bitmap.hue-saturation", "Hue/Saturation", "hue", 90, "bitmap-hue"}};
    for (const auto& c : cases) {
      const CDIBSection before = Picture().Clone();
      const size_t steps = Steps();
      QString title;
      bool unchangedAtZero = false, previewed = false;
      WhenModal([&](QDialog& dialog) {
        title = dialog.windowTitle();
        unchangedAtZero = Picture() == before;  // every slider starts at 0
        Named<QSlider>(dialog, c.slider)->setValue(c.value);
        previewed = !(Picture() == before);
        Shot(dialog, c.shot);
        dialog.reject();
      });
      Trigger(c.id);
      QCOMPARE(title, QString(c.title));
      QVERIFY(unchangedAtZero);
      QVERIFY(previewed);
      QVERIFY(Picture() == before);
      QCOMPARE(Steps(), steps);

      // OK without a change records nothing; OK after a change one step.
      WhenModal([](QDialog& dialog) { dialog.accept(); });
      SelectBitmap();
      Trigger(c.id);
      QCOMPARE(Steps(), steps);
      WhenModal([&](QDialog& dialog) {
        Named<QSlider>(dialog, c.slider)->setValue(c.value);
        dialog.accept();
      });
      SelectBitmap();
      Trigger(c.id);
      QVERIFY(!(Picture() == before));
      QCOMPARE(Steps(), steps + 1);
      SelectBitmap();
    }
  }

  void previewDialogDestroyedUnansweredRestoresThePicture() {
    const CDIBSection before = Picture().Clone();
    {
      GaussianDialog dialog(m_window.get(), Object(), false, {});
      Named<QSlider>(dialog, "radius")->setValue(40);
      QVERIFY(!(Picture() == before));
    }
    QVERIFY(Picture() == before);
  }

  void enlargedObjectIsFittedByAChangeAndUntouchedByCancel() {
    const CDIBSection before = Picture().Clone();
    Object().m_width = kPictureWidth + 40;
    Object().m_height = kPictureHeight + 20;
    Object().RenderObject(false, nullptr);
    Doc().ResetUndo();
    for (const char* id : {"bitmap.gaussian-blur", "bitmap.tweak"}) {
      WhenModal([](QDialog& dialog) { dialog.reject(); });
      Trigger(id);
      QVERIFY2(Picture() == before, id);
      QCOMPARE(Steps(), size_t(0));
    }
    Trigger("bitmap.invert-alpha");
    QCOMPARE(Picture().Width(), kPictureWidth + 40);
    QCOMPARE(Picture().Height(), kPictureHeight + 20);
    QCOMPARE(Steps(), size_t(1));
  }

  void tweakDialogListsEffectsRandomizesAndApplies() {
    const CDIBSection before = Picture().Clone();
    const size_t steps = Steps();
    QStringList names;
    QString title, label0, label6;
    bool sixEnabled = true, randomChanged = false, previewChanged = false, defaultsLoaded = false;
    WhenModal([&](QDialog& dialog) {
      title = dialog.windowTitle();
      auto* effects = Named<QComboBox>(dialog, "effect");
      for (int i = 0; i < effects->count(); ++i) names << effects->itemText(i);
      effects->setCurrentIndex(7);  // "Color - Shift": six parameters
      label0 = Named<QLabel>(dialog, "label0")->text();
      label6 = Named<QLabel>(dialog, "label6")->text();
      sixEnabled = Named<QSlider>(dialog, "param6")->isEnabled();
      defaultsLoaded = Named<QSlider>(dialog, "param1")->value() == 60;
      auto& tweak = static_cast<TweakDialog&>(dialog);
      const CDIBSection shown = tweak.PreviewPicture().Clone();
      tweak.SeedRandom(7);
      int values[6];
      for (int i = 0; i < 6; ++i) values[i] = Named<QSlider>(dialog, qPrintable(QString("param%1").arg(i)))->value();
      Named<QPushButton>(dialog, "random")->click();
      for (int i = 0; i < 6; ++i)
        randomChanged |= values[i] != Named<QSlider>(dialog, qPrintable(QString("param%1").arg(i)))->value();
      previewChanged = !(tweak.PreviewPicture() == shown);
      Shot(dialog, "bitmap-tweak");
      Named<QPushButton>(dialog, "cancel")->click();
    });
    Trigger("bitmap.tweak");
    QCOMPARE(title, QString("Bitmap Color Tweak"));
    QCOMPARE(names.size(), kTweakEffectCount);
    for (int slot = 0; slot < kTweakEffectCount; ++slot) QCOMPARE(names[slot], QString(TweakEffect(slot)->name));
    QCOMPARE(label0, QString("Red Amount"));
    QCOMPARE(label6, QString());
    QVERIFY(!sixEnabled);
    QVERIFY(defaultsLoaded);
    QVERIFY(randomChanged);
    QVERIFY(previewChanged);
    QVERIFY(Picture() == before);
    QCOMPARE(Steps(), steps);

    // "Apply" runs the chosen effect on the whole picture: "Color - Balance" with red
    // at 0 leaves no red at all.
    WhenModal([](QDialog& dialog) {
      Named<QComboBox>(dialog, "effect")->setCurrentIndex(2);
      Named<QSlider>(dialog, "param0")->setValue(0);
      Named<QPushButton>(dialog, "apply")->click();
    });
    SelectBitmap();
    Trigger("bitmap.tweak");
    QCOMPARE(Steps(), steps + 1);
    CTweakEngine expected;
    expected.Select(2);
    expected.SetParam(0, 0);
    CDIBSection source = before.Clone(), result = before.Clone();
    QVERIFY(expected.Run(source.View(), result.View()));
    QVERIFY(Picture() == result);
    QCOMPARE(int(Picture().RowFromTop(10)[2]), 0);
  }
};

int RunBitmapMenuTests(int argc, char** argv) {
  BitmapMenuTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace tessel

#include "bitmap_menu_test.moc"
