// The export dialog on the Welcome sample: every built-in type written through the save
// hook and read back, the preview and its size label, the 800 ms rebuild timer, the
// coupled size fields, module entries, the settings carried back to the document, and
// the script generator.
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>
#include <cstdio>
#include <memory>

#include "app/document_window.h"
#include "app/export_commands.h"
#include "app/export_dialog.h"
#include "app/export_dialog_values.h"
#include "app/export_save_request.h"
#include "app/main_window.h"
#include "app/script_generator_dialog.h"
#include "base/app_context.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "export/open_document.h"
#include "gui_test_support.h"

namespace tessel {

namespace {
const QString kSample = QStringLiteral(TESSEL_SAMPLES_DIR "/Welcome.tsl");

template <typename T>
T* Field(QWidget& dialog, const char* name) {
  T* w = dialog.findChild<T*>(QString::fromLatin1(name));
  if (!w) qFatal("no widget named %s", name);
  return w;
}

void ChooseType(ExportDialog& dialog, int index) {
  QComboBox* format = Field<QComboBox>(dialog, "format");
  format->setCurrentIndex(index);
  emit format->activated(index);
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

uint32_t BigEndian32(const QByteArray& b, int at) {
  return uint32_t(uint8_t(b[at])) << 24 | uint32_t(uint8_t(b[at + 1])) << 16 | uint32_t(uint8_t(b[at + 2])) << 8 |
         uint8_t(b[at + 3]);
}
int Byte(const QByteArray& b, int at) { return uint8_t(b[at]); }
int LittleEndian16(const QByteArray& b, int at) { return Byte(b, at) | Byte(b, at + 1) << 8; }

QString SizeText(const char* format, const QString& path, int quality = -1) {
  char text[96];
  const double kb = double(QFileInfo(path).size()) / 1024.0;
  if (quality >= 0) std::snprintf(text, sizeof text, format, kb, quality);
  else std::snprintf(text, sizeof text, format, kb);
  return QString::fromLatin1(text);
}
}  // namespace

class ExportDialogTest : public QObject {
  Q_OBJECT

 private:
  CVellumDoc m_doc;
  QString m_dir;
  QStringList m_titles;  // the save dialogs asked for

  static CRecordingMessages& Recorder() { return guitest::Recorder(); }

  std::unique_ptr<ExportDialog> Dialog(CExportSettings s = CExportSettings()) {
    s.background = 0xFFFFFF;
    return std::make_unique<ExportDialog>(nullptr, m_doc, s, true);
  }

  // Writes the dialog's current type to name in the scratch folder; the file's bytes.
  QByteArray Write(ExportDialog& dialog, const QString& name) {
    const QString path = m_dir + "/" + name;
    SetExportFileNameHook([this, path](const CExportSaveRequest& r) {
      m_titles << QString::fromStdString(r.title);
      return path;
    });
    if (!dialog.DoExport(true)) return QByteArray();
    return ReadAll(path);
  }

 private slots:
  void initTestCase() {
    QVERIFY(OpenDocumentFile(m_doc, kSample.toStdString()) == LoadResult::kLoaded);
    QVERIFY(m_doc.ObjectCount() > 0);
    m_dir = guitest::ScratchDir() + "/export";
    QVERIFY(QDir().mkpath(m_dir));
  }
  void cleanupTestCase() { SetExportFileNameHook(nullptr); }

  void everyBuiltInTypeIsWrittenAndReadsBack() {
    auto dialog = Dialog();
    const int w = m_doc.m_width, h = m_doc.m_height;
    m_titles.clear();
    QByteArray jpeg = Write(*dialog, "a.jpg");
    QVERIFY(jpeg.startsWith("\xFF\xD8\xFF"));
    QCOMPARE(QImage::fromData(jpeg).size(), QSize(w, h));
    QCOMPARE(m_doc.m_exportPath, (m_dir + "/a.jpg").toStdString());
    QCOMPARE(QString::fromStdString(App().Profile().GetString("Export", "Path", "")), m_dir + "/a.jpg");

    ChooseType(*dialog, int(ExportType::kBmp));
    QCOMPARE(Byte(Write(*dialog, "b24.bmp"), 28), 24);
    Field<QRadioButton>(*dialog, "colors256")->setChecked(true);
    const QByteArray bmp8 = Write(*dialog, "b8.bmp");
    QVERIFY(bmp8.startsWith("BM"));
    QCOMPARE(Byte(bmp8, 28), 8);
    Field<QRadioButton>(*dialog, "colorsCustom")->setChecked(true);
    Field<QSpinBox>(*dialog, "customColors")->setValue(16);
    const QByteArray bmp4 = Write(*dialog, "b4.bmp");
    QCOMPARE(Byte(bmp4, 28), 4);
    QCOMPARE(LittleEndian16(bmp4, 18), w);

    ChooseType(*dialog, int(ExportType::kPng));
    Field<QRadioButton>(*dialog, "colors24")->setChecked(true);
    const QByteArray png = Write(*dialog, "rgb.png");
    QVERIFY(png.startsWith("\x89PNG"));
    QCOMPARE(Byte(png, 25), 2);  // colour type RGB
    Field<QRadioButton>(*dialog, "colors256")->setChecked(true);
    QCOMPARE(Byte(Write(*dialog, "pal.png"), 25), 3);  // palette
    ChooseType(*dialog, int(ExportType::kPngTransparent));
    const QByteArray rgba = Write(*dialog, "alpha.png");
    QCOMPARE(Byte(rgba, 25), 6);
    QCOMPARE(BigEndian32(rgba, 16), uint32_t(w));
    QCOMPARE(BigEndian32(rgba, 20), uint32_t(h));

    ChooseType(*dialog, int(ExportType::kPsd));
    const QByteArray psd = Write(*dialog, "layers.psd");
    QVERIFY(psd.startsWith("8BPS"));
    QCOMPARE(BigEndian32(psd, 14), uint32_t(h));
    QCOMPARE(BigEndian32(psd, 18), uint32_t(w));

    ChooseType(*dialog, int(ExportType::kRichJpeg));
    const QByteArray rich = Write(*dialog, "rich.jpg");
    QVERIFY(rich.startsWith("\xFF\xD8\xFF"));
    QCOMPARE(rich.mid(rich.size() - 14, 10), QByteArray("STANDALONE"));
    CVellumDoc reopened;
    QVERIFY(OpenDocumentFile(reopened, (m_dir + "/rich.jpg").toStdString()) == LoadResult::kLoaded);
    QCOMPARE(reopened.ObjectCount(), m_doc.ObjectCount());

    ChooseType(*dialog, int(ExportType::kSvg));
    QVERIFY(Write(*dialog, "vector.svg").contains("<svg"));

    ChooseType(*dialog, int(ExportType::kTga));
    Field<QSpinBox>(*dialog, "outWidth")->setValue(w / 2);  // the height follows
    const QByteArray tga = Write(*dialog, "small.tga");
    QCOMPARE(Byte(tga, 2), 2);    // uncompressed true colour
    QCOMPARE(Byte(tga, 16), 24);  // bits a pixel
    QCOMPARE(LittleEndian16(tga, 12), w / 2);
    QCOMPARE(LittleEndian16(tga, 14), int(double(h) / w * (w / 2)));

    const QStringList titles{"Export",           "Export True Color BMP", "Export 8bit BMP",
                             "Export 4-bit BMP", "Export True Color PNG", "Export 8-bit PNG",
                             "Export True Color PNG", "Export", "Export", "Export", "Export True Color TGA"};
    QCOMPARE(m_titles, titles);
  }

  void enlargedRenderWritesTheScaledCanvas() {
    auto dialog = Dialog();
    ChooseType(*dialog, int(ExportType::kHighResolution));
    QVERIFY(Field<QWidget>(*dialog, "highResOptions")->isVisibleTo(dialog.get()));
    Field<QSpinBox>(*dialog, "renderScale")->setValue(2);
    const QByteArray png = Write(*dialog, "large.png");
    QVERIFY(png.startsWith("\x89PNG"));
    QCOMPARE(BigEndian32(png, 16), uint32_t(m_doc.m_width * 2));
    QCOMPARE(BigEndian32(png, 20), uint32_t(m_doc.m_height * 2));
    QCOMPARE(dialog->Settings().renderScale, 2);
  }

  void defineSetsTheCorrectionFactors() {
    auto dialog = Dialog();
    Field<QCheckBox>(*dialog, "colorCorrection")->setChecked(true);
    QTimer::singleShot(0, [] {
      QWidget* box = QApplication::activeModalWidget();
      QVERIFY(box);
      Field<QDoubleSpinBox>(*box, "red")->setValue(0.5);
      Field<QDoubleSpinBox>(*box, "blue")->setValue(1.25);
      box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    const int before = dialog->PreviewCount();
    Field<QPushButton>(*dialog, "defineCorrection")->click();
    QCOMPARE(dialog->Settings().gain, (std::array<double, 3>{0.5, 1.0, 1.25}));
    QCOMPARE(App().Profile().GetInt("Color", "Red", -1), 500);
    QCOMPARE(App().Profile().GetInt("Color", "Blue", -1), 1250);
    QCOMPARE(dialog->PreviewCount(), before + 1);  // the corrected source is shown at once
  }

  void cancelledSaveWritesNothing() {
    auto dialog = Dialog();
    m_doc.m_exportPath = "/nowhere/kept.jpg";
    SetExportFileNameHook([](const CExportSaveRequest&) { return QString(); });
    QVERIFY(!dialog->DoExport(true));
    QCOMPARE(m_doc.m_exportPath, std::string("/nowhere/kept.jpg"));
  }

  void saveRequestsNameTitleFilterAndFolder() {
    CExportSettings s;
    s.type = ExportType::kBmp;
    s.colourMode = ColourMode::kCustom;
    s.customColours = 17;
    QCOMPARE(ExportSaveRequestFor(s, "").title, std::string("Export 8-bit BMP"));
    s.customColours = 16;
    QCOMPARE(ExportSaveRequestFor(s, "").title, std::string("Export 4-bit BMP"));
    s.type = ExportType(int(ExportType::kFirstModule) + 1);
    const CExportSaveRequest module = ExportSaveRequestFor(s, "gif");
    QCOMPARE(module.filter, std::string("Export File (*.gif)|*.gif||"));
    QCOMPARE(QtFilterFromEntries(module.filter), QString("Export File (*.gif)"));
    s.type = ExportType::kHighResolution;
    QCOMPARE(QtFilterFromEntries(ExportSaveRequestFor(s, "").filter),
             QString("JPG File (*.jpg);;PNG File (*.png);;Adobe Photoshop PSD(*.psd)"));

    // The last export's title in its folder; a vanished folder falls back on the profile.
    CVellumDoc doc;
    doc.m_exportPath = (m_dir + "/holiday.jpg").toStdString();
    QCOMPARE(SuggestedExportPath(doc, "png"), m_dir + "/holiday.png");
    doc.m_exportPath = "/vanished/folder/holiday.jpg";
    App().Profile().WriteString("Export", "Path", (m_dir + "/other.bmp").toStdString());
    QCOMPARE(SuggestedExportPath(doc, "tga"), m_dir + "/holiday.tga");
  }

  void previewShowsTheEncodingReadBackAndItsSize() {
    auto dialog = Dialog();
    Field<QSlider>(*dialog, "quality")->setValue(80);
    QVERIFY(dialog->DoExport(false));
    const QString temp = QString::fromStdString(CExportEngine::PreviewPath());
    QVERIFY(temp.startsWith(guitest::ScratchDir() + "/user/"));  // the user folder, never the program's
    QVERIFY(ReadAll(temp).startsWith("\xFF\xD8\xFF"));
    QLabel* size = Field<QLabel>(*dialog, "sizeLabel");
    QCOMPARE(size->text(), SizeText("Size: %.4G kB,   Quality: %d", temp, 80));
    QCOMPARE(dialog->PreviewImage().size(), QSize(m_doc.m_width, m_doc.m_height));
    QVERIFY(!Field<QLabel>(*dialog, "preview")->pixmap().isNull());
    QCOMPARE(App().Profile().GetInt("Export", "Qlt", -1), 80);

    // Grayscale encoding shows in the read-back picture.
    Field<QCheckBox>(*dialog, "grayscale")->setChecked(true);
    QVERIFY(dialog->DoExport(false));
    const QImage grey = dialog->PreviewImage();
    const QRgb px = grey.pixel(grey.width() / 2, grey.height() / 2);
    QCOMPARE(qRed(px), qGreen(px));
    QCOMPARE(qGreen(px), qBlue(px));

    ChooseType(*dialog, int(ExportType::kPng));
    Field<QSlider>(*dialog, "sharpen")->setValue(30);
    QVERIFY(dialog->DoExport(false));
    QCOMPARE(size->text(), SizeText("Size: %.4G kB", temp) + " (Sharpened)");

    // Layers and vectors have no preview of their own; the PSD note shows instead.
    ChooseType(*dialog, int(ExportType::kPsd));
    QCOMPARE(size->text(), QString());
    QVERIFY(Field<QLabel>(*dialog, "infoText")->text().startsWith("This will create Adobe Photoshop PSD file"));
  }

  void alphaMaskAndNegativeRenderTheSourceAgain() {
    auto dialog = Dialog();
    ChooseType(*dialog, int(ExportType::kPng));  // lossless: the preview is the source
    const QImage colour = dialog->PreviewImage();
    QCheckBox* mask = Field<QCheckBox>(*dialog, "alphaMask");
    mask->setChecked(true);
    QVERIFY(dialog->DoExport(false));
    const QImage grey = dialog->PreviewImage();
    Field<QCheckBox>(*dialog, "negative")->setChecked(true);
    QVERIFY(dialog->DoExport(false));
    const QImage negative = dialog->PreviewImage();
    bool colourful = false, opaqueSeen = false;
    for (int y = 0; y < grey.height(); y += 7) {
      for (int x = 0; x < grey.width(); x += 7) {
        const QRgb c = colour.pixel(x, y), g = grey.pixel(x, y), n = negative.pixel(x, y);
        colourful |= qRed(c) != qGreen(c);
        opaqueSeen |= qRed(g) == 255;
        QCOMPARE(qRed(g), qGreen(g));
        QCOMPARE(qGreen(g), qBlue(g));
        QCOMPARE(qRed(n), 255 - qRed(g));
      }
    }
    QVERIFY(colourful);
    QVERIFY(opaqueSeen);
  }

  void rebuildTimerCoalescesChanges() {
    auto dialog = Dialog();
    QTimer& timer = dialog->RebuildTimer();
    QVERIFY(timer.isSingleShot());
    QCOMPARE(timer.interval(), 800);
    const int before = dialog->PreviewCount();
    Field<QSlider>(*dialog, "sharpen")->setValue(10);
    Field<QSlider>(*dialog, "quality")->setValue(70);
    Field<QSpinBox>(*dialog, "outWidth")->setValue(100);
    Field<QCheckBox>(*dialog, "progressive")->setChecked(true);
    QVERIFY(timer.isActive());
    QCOMPARE(dialog->PreviewCount(), before);
    QTRY_COMPARE_WITH_TIMEOUT(dialog->PreviewCount(), before + 1, 3000);
    QTest::qWait(1000);
    QCOMPARE(dialog->PreviewCount(), before + 1);  // four changes, one preview
    QCOMPARE(dialog->PreviewImage().width(), 100);

    // The preset combo rebuilds at once.
    QComboBox* preset = Field<QComboBox>(*dialog, "preset");
    preset->setCurrentIndex(2);
    emit preset->activated(2);
    QCOMPARE(dialog->PreviewCount(), before + 2);
    QVERIFY(!timer.isActive());
    QCOMPARE(dialog->PreviewImage().size(), QSize(m_doc.m_width / 2, m_doc.m_height / 2));
  }

  void sizeFieldsFollowEachOther() {
    auto dialog = Dialog();
    const int w = m_doc.m_width, h = m_doc.m_height;
    QSpinBox* width = Field<QSpinBox>(*dialog, "outWidth");
    QSpinBox* height = Field<QSpinBox>(*dialog, "outHeight");
    QDoubleSpinBox* widthPercent = Field<QDoubleSpinBox>(*dialog, "widthPercent");
    QDoubleSpinBox* heightPercent = Field<QDoubleSpinBox>(*dialog, "heightPercent");
    QVERIFY(!heightPercent->isEnabled());  // the aspect is kept
    width->setValue(w * 3);                  // limited to 1.5 x
    QCOMPARE(width->value(), w * 3 / 2);
    QCOMPARE(height->value(), int(double(h) / w * (w * 3 / 2)));
    QCOMPARE(widthPercent->value(), 150.0);
    widthPercent->setValue(40);
    QCOMPARE(width->value(), int(w * 40 * 0.01));
    QCOMPARE(heightPercent->value(), 40.0);
    QLabel* label = Field<QLabel>(*dialog, "widthPercentLabel");
    QCOMPARE(label->palette().color(QPalette::Window), QColor(0xD0, 0xC0, 0xC0));
    width->setValue(0);  // resets to the canvas
    QCOMPARE(width->value(), w);
    QCOMPARE(height->value(), h);
    QCOMPARE(label->palette().color(QPalette::Window), QColor(0xD0, 0xD0, 0xC0));
    Field<QCheckBox>(*dialog, "aspect")->setChecked(false);
    QVERIFY(heightPercent->isEnabled());
    height->setValue(10);
    QCOMPARE(width->value(), w);
    // The spin buttons step between 10 and 100 only.
    widthPercent->setValue(100);
    widthPercent->stepUp();
    QCOMPARE(widthPercent->value(), 100.0);
  }

  void typesShowTheirControlsAndTransparencyForcesBlack() {
    auto dialog = Dialog();
    QWidget* jpeg = Field<QWidget>(*dialog, "jpegOptions");
    QGroupBox* colours = Field<QGroupBox>(*dialog, "colorsGroup");
    QLineEdit* background = Field<QLineEdit>(*dialog, "background");
    QVERIFY(jpeg->isVisibleTo(dialog.get()));
    QVERIFY(!colours->isVisibleTo(dialog.get()));
    QVERIFY(!Field<QPushButton>(*dialog, "pluginProperties")->isEnabled());
    ChooseType(*dialog, int(ExportType::kBmp));
    QVERIFY(!jpeg->isVisibleTo(dialog.get()));
    QVERIFY(colours->isVisibleTo(dialog.get()));
    QVERIFY(Field<QGroupBox>(*dialog, "ditherGroup")->isVisibleTo(dialog.get()));

    background->clear();
    QTest::keyClicks(background, "3366");  // not applied before the sixth digit
    QCOMPARE(dialog->Settings().background, COLORREF(0xFFFFFF));
    QTest::keyClicks(background, "zz99");  // letters are dropped; the sixth digit applies
    QCOMPARE(background->text(), QString("336699"));
    QCOMPARE(dialog->Settings().background, COLORREF(0x996633));
    ChooseType(*dialog, int(ExportType::kPngTransparent));
    QCOMPARE(background->text(), QString("000000"));
    QCOMPARE(dialog->Settings().background, COLORREF(0));
    QCOMPARE(dialog->ChosenBackground(), COLORREF(0x996633));
    ChooseType(*dialog, int(ExportType::kJpeg));
    QCOMPARE(background->text(), QString("336699"));
    QCOMPARE(dialog->Settings().background, COLORREF(0x996633));

    QCOMPARE(CleanBackgroundText("a1-b2:c3d4"), QString("A1B2C3"));
    COLORREF c = 0;
    QVERIFY(ParseBackgroundText("FF", &c));
    QCOMPARE(c, COLORREF(0xFF0000));
    QVERIFY(!ParseBackgroundText("xyz", &c));
  }

  void formatListHasModulesAndPluginsInforms() {
    auto dialog = Dialog();
    QComboBox* format = Field<QComboBox>(*dialog, "format");
    QCOMPARE(format->itemText(0), QString("JPEG fomat"));
    QCOMPARE(format->itemText(8), QString("TGA format"));
    QCOMPARE(format->itemText(format->count() - 1), QString("Plugins..."));
    Recorder().Clear();
    ChooseType(*dialog, format->count() - 1);
    QCOMPARE(Recorder().MessageTexts(), std::vector<std::string>{kPluginsInfoText});
    QCOMPARE(format->currentIndex(), 0);
    QCOMPARE(int(dialog->Settings().type), 0);

    const int gif = format->findText("GIF");
    if (gif < 0) QSKIP("the shipped modules are not built");
    ChooseType(*dialog, gif);
    QVERIFY(Field<QPushButton>(*dialog, "pluginProperties")->isEnabled());
    QVERIFY(Field<QGroupBox>(*dialog, "colorsGroup")->isVisibleTo(dialog.get()));  // GIF saves palette pictures
    QVERIFY(Field<QLabel>(*dialog, "sizeLabel")->text().startsWith("File Size: "));
    QCOMPARE(dialog->PreviewImage().size(), QSize(m_doc.m_width, m_doc.m_height));
    const QByteArray written = Write(*dialog, "module.gif");
    QVERIFY(written.startsWith("GIF8"));
    QCOMPARE(LittleEndian16(written, 6), m_doc.m_width);
  }

  void settingsGoBackToTheDocument() {
    CVellumDoc doc;
    doc.OnNewDocument();
    doc.m_exportType = int(ExportType::kRichJpeg);
    CExportDialogMemory memory;
    {
      ExportDialog dialog(nullptr, doc, ExportDialogStart(doc, memory), memory.keepAspect);
      QCOMPARE(Field<QComboBox>(dialog, "format")->currentIndex(), 0);  // a stored Rich JPG starts at JPEG
      ChooseType(dialog, int(ExportType::kTga));
      Field<QCheckBox>(dialog, "aspect")->setChecked(false);
      Field<QSpinBox>(dialog, "outWidth")->setValue(120);
      Field<QSlider>(dialog, "quality")->setValue(55);
      ExportDialogFinish(dialog, doc, memory);
    }
    QCOMPARE(doc.m_exportType, int(ExportType::kTga));
    QCOMPARE(doc.m_exportQuality, 55);
    QCOMPARE(doc.m_exportValue1, 120);
    QCOMPARE(doc.m_exportValue2, doc.m_height);
    QVERIFY(!memory.keepAspect);
    {
      ExportDialog dialog(nullptr, doc, ExportDialogStart(doc, memory), memory.keepAspect);
      QCOMPARE(Field<QComboBox>(dialog, "format")->currentIndex(), int(ExportType::kTga));
      QCOMPARE(Field<QSpinBox>(dialog, "outWidth")->value(), 120);
      QVERIFY(!Field<QCheckBox>(dialog, "aspect")->isChecked());
      Field<QSpinBox>(dialog, "outWidth")->setValue(0);  // back to the canvas size
      ExportDialogFinish(dialog, doc, memory);
    }
    QCOMPARE(doc.m_exportValue1, 0);
    QCOMPARE(doc.m_exportValue2, 0);
    QVERIFY(memory.keepAspect);
  }

  void fileMenuRunsBothDialogsOnTheActiveDocument() {
    MainWindow window;
    window.show();
    QVERIFY(window.OpenFile(kSample));
    DocumentWindow* active = window.ActiveWindow();
    QVERIFY(active);
    const QString path = m_dir + "/menu.png";
    SetExportFileNameHook([path](const CExportSaveRequest&) { return path; });
    // The modal dialogs are answered once they show.
    QString seen;
    auto answer = [&seen](const char* dialogName, const char* buttonName) {
      QTimer::singleShot(0, [&seen, dialogName, buttonName] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != dialogName) return;
        seen = modal->windowTitle();
        if (auto* format = modal->findChild<QComboBox*>("format")) {
          format->setCurrentIndex(int(ExportType::kPng));
          emit format->activated(int(ExportType::kPng));
        }
        Field<QPushButton>(*modal, buttonName)->click();
      });
    };
    answer("exportDialog", "exportButton");
    window.Action("file.export")->trigger();
    QCOMPARE(seen, QString("Export"));
    QVERIFY(ReadAll(path).startsWith("\x89PNG"));
    QCOMPARE(active->Document().m_exportPath, path.toStdString());
    QCOMPARE(active->Document().m_exportType, int(ExportType::kPng));

    answer("scriptGenerator", "justClose");
    window.Action("file.script-generator")->trigger();
    QCOMPARE(seen, QString("Web/Multimedia Script Generator"));
    active->Document().m_modified = false;
  }

  void screenshots() {
    // Pictures for looking at the layout, taken after the layout has settled.
    const QString shots = qEnvironmentVariable("TESSEL_SHOT_DIR");
    auto shoot = [&shots](QWidget& w, const char* name) {
      QTest::qWait(50);
      if (!shots.isEmpty()) w.grab().save(shots + "/" + name);
    };
    auto dialog = Dialog();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QCOMPARE(dialog->PreviewCount(), 1);  // showing builds the first preview
    shoot(*dialog, "export-dialog-jpeg.png");
    ChooseType(*dialog, int(ExportType::kBmp));
    shoot(*dialog, "export-dialog-bmp.png");
    ChooseType(*dialog, int(ExportType::kPsd));
    QVERIFY(!Field<QWidget>(*dialog, "resizeGroup")->isEnabled());  // layers keep the canvas size
    shoot(*dialog, "export-dialog-psd.png");
    ScriptGeneratorDialog script(nullptr, &m_doc);
    script.show();
    QVERIFY(QTest::qWaitForWindowExposed(&script));
    shoot(script, "export-script-generator.png");
  }
};

class ScriptGeneratorTest : public QObject {
  Q_OBJECT

 private:
  static CRecordingMessages& Recorder() { return guitest::Recorder(); }
  static QString UserScripts() { return guitest::ScratchDir() + "/user/Script"; }

 private slots:
  void initTestCase() {
    QVERIFY(QDir().mkpath(UserScripts()));
    QFile file(UserScripts() + "/Buttons.mms");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Lists the buttons\n<#EXTENSION>gif\n<#SCRIPTSTART>\n<#BGFILE> <#BGWIDTH>x<#BGHEIGHT>\n"
               "<#LOOP>\n<#OBJECTNUM> <#LABEL> <#FILE1> <#LEFT>,<#TOP>,<#RIGHT>,<#BOTTOM>\n<#END>end\n");
  }
  void cleanup() { ScriptGeneratorDialog::SetOpenHook(nullptr); }

  void generatesTheOutputFileFromTheTemplate() {
    CVellumDoc doc;
    doc.OnNewDocument();
    auto button = std::make_unique<CDrawObject>();
    button->m_name = "Go";
    button->m_hasHighlightedFrame = 1;
    button->m_left = 10, button->m_top = 280, button->m_width = 50, button->m_height = 40;
    doc.AddObject(std::move(button));
    App().Profile().WriteString("Script", "Sel", "Buttons");
    ScriptGeneratorDialog dialog(nullptr, &doc);
    QListWidget* list = Field<QListWidget>(dialog, "scriptList");
    QVERIFY(ScriptGeneratorDialog::ScriptNames().contains("Rollover Image Map"));
    QCOMPARE(list->currentItem()->text(), QString("Buttons"));
    QVERIFY(Field<QPlainTextEdit>(dialog, "scriptText")->toPlainText().startsWith("Lists the buttons"));
    const QString out = guitest::ScratchDir() + "/page.txt";
    Field<QLineEdit>(dialog, "outputFile")->setText(out);
    Field<QPushButton>(dialog, "generateClose")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QString expected = QString("page.gif %1x%2\n1 Go page0b.gif 10,280,60,%2\nend\n")
                                 .arg(doc.m_width)
                                 .arg(doc.m_height);
    QCOMPARE(QString::fromUtf8(ReadAll(out)), expected);
    QCOMPARE(Field<QPlainTextEdit>(dialog, "outputText")->toPlainText(), expected);
    QCOMPARE(Field<QTabWidget>(dialog, "tabs")->currentIndex(), 1);
  }

  void missingStartTagAndTestWithoutAssociation() {
    ScriptGeneratorDialog dialog(nullptr, nullptr);
    const QString out = guitest::ScratchDir() + "/never.txt";
    Field<QLineEdit>(dialog, "outputFile")->setText(out);
    Field<QPlainTextEdit>(dialog, "scriptText")->setPlainText("no tags here");
    Recorder().Clear();
    Field<QPushButton>(dialog, "generateClose")->click();
    QCOMPARE(Recorder().MessageTexts(), std::vector<std::string>{"Can't find <#SCRIPTSTART>"});
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!QFile::exists(out));

    Field<QPlainTextEdit>(dialog, "scriptText")->setPlainText("<#SCRIPTSTART>\nx<#LOOP>[<#LABEL>]<#END>y");
    QString opened;
    ScriptGeneratorDialog::SetOpenHook([&opened](const QString& path) {
      opened = path;
      return false;
    });
    Recorder().Clear();
    Field<QPushButton>(dialog, "testScript")->click();
    QCOMPARE(opened, out);
    QCOMPARE(QString::fromUtf8(ReadAll(out)), QString("x[<#LABEL>]y"));  // no document: the body once
    QCOMPARE(Recorder().MessageTexts(),
             std::vector<std::string>{"There is no association in windows with this fyle type"});
  }

  void newSaveAndDeleteInTheUserFolder() {
    ScriptGeneratorDialog dialog(nullptr, nullptr);
    QListWidget* list = Field<QListWidget>(dialog, "scriptList");
    QPlainTextEdit* text = Field<QPlainTextEdit>(dialog, "scriptText");
    text->setPlainText("<#SCRIPTSTART>\nmine");
    Recorder().ScriptText(std::string("Mine"));
    Field<QPushButton>(dialog, "newScript")->click();
    QCOMPARE(QString::fromUtf8(ReadAll(UserScripts() + "/Mine.mms")), QString("<#SCRIPTSTART>\nmine"));
    QCOMPARE(list->currentItem()->text(), QString("Mine"));
    QCOMPARE(App().Profile().GetString("Script", "Sel", ""), std::string("Mine"));
    text->setPlainText("<#SCRIPTSTART>\nchanged");
    Field<QPushButton>(dialog, "saveScript")->click();
    QCOMPARE(QString::fromUtf8(ReadAll(UserScripts() + "/Mine.mms")), QString("<#SCRIPTSTART>\nchanged"));

    Recorder().Clear();
    Recorder().ScriptAnswer(MsgAnswer::kNo);
    Field<QPushButton>(dialog, "deleteScript")->click();
    QVERIFY(QFile::exists(UserScripts() + "/Mine.mms"));
    Recorder().ScriptAnswer(MsgAnswer::kYes);
    Field<QPushButton>(dialog, "deleteScript")->click();
    QCOMPARE(Recorder().MessageTexts(), (std::vector<std::string>{"Do you want to delete the Script: Mine",
                                                                  "Do you want to delete the Script: Mine"}));
    QVERIFY(!QFile::exists(UserScripts() + "/Mine.mms"));
    QVERIFY(list->findItems("Mine", Qt::MatchExactly).isEmpty());
  }
};

int RunExportDialogTests(int argc, char** argv) {
  ExportDialogTest exportTests;
  ScriptGeneratorTest scriptTests;
  return QTest::qExec(&exportTests, argc, argv) + QTest::qExec(&scriptTests, argc, argv);
}

}  // namespace tessel

#include "export_dialog_test.moc"
