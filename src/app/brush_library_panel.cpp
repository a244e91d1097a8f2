#include "app/brush_library_panel.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_painting_state.h"
#include "app/brush_properties_dialog.h"
#include "base/app_context.h"
#include "base/user_messages.h"
#include "paint/brush_file.h"
#include "paint/painting_state.h"

namespace tessel {

namespace {
constexpr int kListMinWidth = 180;
constexpr int kListMinHeight = 220;
// Room around each preview for its name, wrapped onto two lines.
constexpr int kCellWidthPadding = 44;
constexpr int kCellHeightPadding = 36;

// "Brushes (*.brs)|*.brs||" in Qt's filter form, "Brushes (*.brs)".
QString QtFilter(const char* filter) {
  const QString f = QString::fromLatin1(filter);
  return f.left(f.indexOf('|'));
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

void Tell(const std::string& text) { App().Messages().Message(text, MsgButtons::kOk); }
}  // namespace

BrushLibraryPanel::BrushLibraryPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("brushLibraryPanel"));
  auto* layout = new QVBoxLayout(this);
  m_libraries = new QComboBox(this);
  m_libraries->setObjectName(QStringLiteral("brushLibraries"));
  layout->addWidget(m_libraries);
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("brushList"));
  m_list->setViewMode(QListView::IconMode);
  m_list->setIconSize(QSize(kLibraryPreviewSide, kLibraryPreviewSide));
  m_list->setGridSize(QSize(kLibraryPreviewSide + kCellWidthPadding, kLibraryPreviewSide + kCellHeightPadding));
  m_list->setWordWrap(true);
  m_list->setResizeMode(QListView::Adjust);
  m_list->setMovement(QListView::Static);
  m_list->setMinimumSize(kListMinWidth, kListMinHeight);
  layout->addWidget(m_list, 1);

  auto* buttons = new QGridLayout;
  const struct {
    const char* name;
    const char* text;
    void (BrushLibraryPanel::*slot)();
  } kButtons[] = {
      {"newBrush", "New...", &BrushLibraryPanel::NewBrush},
      {"editBrush", "Edit...", &BrushLibraryPanel::EditBrush},
      {"deleteBrush", "Delete", &BrushLibraryPanel::DeleteBrush},
      {"sortBrushes", "Sort", nullptr},
      {"loadBrush", "Load brush", &BrushLibraryPanel::LoadBrush},
      {"saveBrush", "Save Current Brush", &BrushLibraryPanel::SaveBrush},
      {"loadLibrary", "Load brushes", &BrushLibraryPanel::LoadLibrary},
      {"saveLibrary", "Save Brushes", &BrushLibraryPanel::SaveLibrary},
  };
  int i = 0;
  for (const auto& b : kButtons) {
    QPushButton* button = MakeButton(this, b.name, QString::fromLatin1(b.text));
    buttons->addWidget(button, i / 2, i % 2);
    ++i;
    if (b.slot) {
      connect(button, &QPushButton::clicked, this, b.slot);
    } else {
      connect(button, &QPushButton::clicked, this, [this] {
        m_library.Sort();
        Reload();
      });
    }
  }
  layout->addLayout(buttons);

  connect(m_list, &QListWidget::currentRowChanged, this, &BrushLibraryPanel::ChooseBrush);
  connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { ChooseBrush(m_list->row(item)); });
  connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { EditBrush(); });
  connect(m_libraries, &QComboBox::activated, this, [this](int index) { OpenLibrary(m_libraries->itemText(index)); });

  FillLibraries();
  if (OpenStartBrushLibrary(App().Paths(), m_library)) {
    const std::vector<std::string> names = ListBrushLibraries(App().Paths());
    if (!names.empty()) m_libraries->setCurrentText(QString::fromStdString(names.front()));
  }
  Reload();
}

void BrushLibraryPanel::FillLibraries() {
  m_libraries->clear();
  for (const std::string& name : ListBrushLibraries(App().Paths())) m_libraries->addItem(QString::fromStdString(name));
}

bool BrushLibraryPanel::OpenLibrary(const QString& name) {
  CBrushLibrary library;
  if (!OpenBrushLibrary(App().Paths(), name.toStdString(), library)) return false;
  m_library = std::move(library);
  m_libraries->setCurrentText(name);
  Reload();
  return true;
}

void BrushLibraryPanel::Reload() {
  const int row = m_list->currentRow();
  const QSignalBlocker quiet(m_list);
  m_list->clear();
  for (int i = 0; i < m_library.Count(); ++i) {
    const CBrush& brush = *m_library.Get(i);
    auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(BrushPreviewImage(brush, kLibraryPreviewSide))),
                                     QString::fromStdString(brush.m_name), m_list);
    item->setToolTip(QString::fromStdString(brush.m_name));
  }
  if (row >= 0 && row < m_list->count()) m_list->setCurrentRow(row);
}

bool BrushLibraryPanel::ChooseBrush(int index) {
  const CBrush* brush = m_library.Get(index);
  if (!brush) return false;
  AppPaintingState().ChooseBrush(*brush);
  emit brushChosen();
  return true;
}

void BrushLibraryPanel::AddAfterDialog(CBrush brush) {
  if (!RunBrushPropertiesDialog(this, brush)) return;  // Cancel discards the new brush
  m_library.Add(std::move(brush));
  Reload();
  m_list->setCurrentRow(m_library.Count() - 1);
}

void BrushLibraryPanel::NewBrush() {
  CBrush brush;
  brush.Build(kDialogPreviewSide);
  AddAfterDialog(std::move(brush));
}

void BrushLibraryPanel::EditBrush() {
  const int index = m_list->currentRow();
  const CBrush* stored = m_library.Get(index);
  if (!stored) return;
  CBrush brush = *stored;
  if (!RunBrushPropertiesDialog(this, brush)) return;  // the library keeps its brush
  m_library.Replace(index, std::move(brush));
  Reload();
  ChooseBrush(index);
}

void BrushLibraryPanel::DeleteBrush() {
  if (!m_library.AskAndDelete(m_list->currentRow())) return;
  Reload();
}

void BrushLibraryPanel::LoadBrush() {
  const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Load brush"), QString(),
                                                    QtFilter(kBrushFileLoadFilter));
  if (path.isEmpty()) return;
  CBrush brush;
  if (!CBrushLibrary::LoadBrushForAdding(path.toStdString(), brush)) return;
  AddAfterDialog(std::move(brush));
}

void BrushLibraryPanel::SaveBrush() {
  const CBrush* brush = m_library.Get(m_list->currentRow());
  if (!brush) return;
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Current Brush"),
                                                    QString::fromStdString(brush->m_name) + ".br1",
                                                    QtFilter(kBrushFileSaveFilter));
  if (path.isEmpty()) return;
  std::string error;
  if (!StoreBrushFile(path.toStdString(), *brush, &error)) Tell(error);
}

void BrushLibraryPanel::LoadLibrary() {
  const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Load brushes"), QString(),
                                                    QtFilter(kBrushLibraryFilter));
  if (path.isEmpty() || !m_library.Load(path.toStdString())) return;
  Reload();
}

void BrushLibraryPanel::SaveLibrary() {
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Brushes"), QString(),
                                                    QtFilter(kBrushLibraryFilter));
  if (path.isEmpty()) return;
  std::string error;
  if (!m_library.Store(path.toStdString(), &error)) Tell(error);
}

BrushLibraryDock::BrushLibraryDock(QWidget* parent)
    : QDockWidget(QStringLiteral("Brushes"), parent), m_panel(new BrushLibraryPanel(this)) {
  setObjectName(QStringLiteral("brushLibraryDock"));
  setWidget(m_panel);
}

BrushLibraryDock* InstallBrushLibrary(QMainWindow& window) {
  auto* dock = new BrushLibraryDock(&window);
  window.addDockWidget(Qt::RightDockWidgetArea, dock);
  dock->hide();
  return dock;
}

void ShowBrushLibrary(BrushLibraryDock& dock) {
  dock.show();
  dock.raise();
}

}  // namespace tessel
