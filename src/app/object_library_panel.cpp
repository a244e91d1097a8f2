#include "app/object_library_panel.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemWatcher>
#include <QBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/document_window.h"
#include "app/main_window.h"
#include "app/thumbnail_list.h"
#include "library/object_library.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
constexpr int kReloadDelayMs = 300;
constexpr char kBrowseTitle[] = "Browse to Object Library";

QString EntryName(int n) { return QString("Object%1").arg(n); }
}  // namespace

ObjectLibraryPanel::ObjectLibraryPanel(MainWindow& main, bool stacked, QWidget* parent)
    : QWidget(parent),
      m_main(main),
      m_libraries(new QComboBox(this)),
      m_browse(new QPushButton("Browse...", this)),
      m_list(new ThumbnailList(true, this)),
      m_watcher(new QFileSystemWatcher(this)),
      m_reloadDelay(new QTimer(this)) {
  m_libraries->setObjectName("objectLibraries");
  m_browse->setObjectName("objectLibraryBrowse");
  m_list->setObjectName("objectLibraryList");
  m_libraries->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  m_libraries->setMinimumContentsLength(6);
  auto* top = new QBoxLayout(stacked ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
  top->addWidget(m_libraries, 1);
  top->addWidget(m_browse, 0, stacked ? Qt::AlignRight : Qt::Alignment());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  layout->addLayout(top);
  layout->addWidget(m_list, 1);

  m_reloadDelay->setSingleShot(true);
  m_reloadDelay->setInterval(kReloadDelayMs);
  connect(m_reloadDelay, &QTimer::timeout, this, [this] { FillEntries(); });
  connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_reloadDelay, qOverload<>(&QTimer::start));
  connect(m_libraries, qOverload<int>(&QComboBox::activated), this,
          [this](int index) { SetFolder(m_libraries->itemData(index).toString().toStdString()); });
  connect(m_browse, &QPushButton::clicked, this, [this] { Browse(); });
  connect(m_list, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { Insert(ThumbnailList::NumberOf(item)); });
  m_list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { ShowMenu(at); });

  m_folder = CurrentObjectLibrary();
  Reload();
}

void ObjectLibraryPanel::SetWindow(DocumentWindow* window) { m_window = window; }

void ObjectLibraryPanel::SetFolder(const std::string& folder) {
  if (folder.empty()) return;
  m_folder = folder;
  SetCurrentObjectLibrary(folder);
  Reload();
}

void ObjectLibraryPanel::Reload() {
  FillLibraries();
  FillEntries();
  if (!m_watcher->directories().isEmpty()) m_watcher->removePaths(m_watcher->directories());
  m_watcher->addPath(QString::fromStdString(m_folder));
}

void ObjectLibraryPanel::FillLibraries() {
  m_libraries->clear();
  const std::string root = ObjectLibraryRoot();
  for (const std::string& name : ListObjectLibraries(root))
    m_libraries->addItem(QString::fromStdString(name), QString::fromStdString(root + "/" + name));
  int shown = m_libraries->findData(QString::fromStdString(m_folder));
  if (shown < 0) {
    // A folder chosen with "Browse...": listed by its path.
    m_libraries->insertItem(0, QString::fromStdString(m_folder), QString::fromStdString(m_folder));
    shown = 0;
  }
  m_libraries->setCurrentIndex(shown);
  m_libraries->setToolTip(QString::fromStdString(m_folder));
}

void ObjectLibraryPanel::FillEntries() {
  const int selected = m_list->SelectedNumber();
  m_list->clear();
  const CObjectLibrary library(m_folder);
  const int count = library.Count();
  for (int n = 1; n <= count; ++n)
    m_list->AddEntry(n, library.ThumbnailFile(n), library.ObjectFile(n), EntryName(n));
  m_list->SelectNumber(selected);
}

void ObjectLibraryPanel::Browse() {
  const QString folder = QFileDialog::getExistingDirectory(this, kBrowseTitle, QString::fromStdString(m_folder));
  if (!folder.isEmpty()) SetFolder(folder.toStdString());
}

void ObjectLibraryPanel::ShowMenu(const QPoint& at) {
  QMenu menu(this);
  const bool hasObject = SelectedObject() != nullptr;
  menu.addAction("Insert", this, [this] { Insert(m_list->SelectedNumber()); })
      ->setEnabled(m_window && m_list->SelectedNumber() > 0);
  menu.addSeparator();
  menu.addAction("Add to Library", this, [this] { AddSelectedObject(); })->setEnabled(hasObject);
  menu.addAction("Replace", this, [this] { ReplaceSelectedEntry(); })->setEnabled(hasObject);
  menu.addAction("Remove from Library", this, [this] { RemoveSelectedEntry(); });
  menu.exec(m_list->viewport()->mapToGlobal(at));
}

CDrawObject* ObjectLibraryPanel::SelectedObject() const { return m_window ? m_window->View().LookTarget() : nullptr; }

bool ObjectLibraryPanel::Insert(int n) {
  if (!m_window || n < 1) return false;
  const int added = m_window->View().ImportFile(CObjectLibrary(m_folder).ObjectFile(n));
  m_main.NotifyEdited(true);
  return added > 0;
}

void ObjectLibraryPanel::AddSelectedObject() {
  CDrawObject* object = SelectedObject();
  if (!object) return;
  const CObjectLibrary library(m_folder);
  if (AddToObjectLibrary(library, *object)) Changed(library.Count());
}

void ObjectLibraryPanel::ReplaceSelectedEntry() {
  CDrawObject* object = SelectedObject();
  if (!object) return;
  const int n = m_list->SelectedNumber();
  if (ReplaceInObjectLibrary(CObjectLibrary(m_folder), n, *object)) Changed(n);
}

void ObjectLibraryPanel::RemoveSelectedEntry() {
  const int n = m_list->SelectedNumber();
  if (RemoveFromObjectLibrary(CObjectLibrary(m_folder), n)) Changed(0);
}

void ObjectLibraryPanel::Changed(int n) {
  FillEntries();
  m_list->SelectNumber(n);
}

}  // namespace tessel
