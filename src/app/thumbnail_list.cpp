#include "app/thumbnail_list.h"

#include <QMimeData>
#include <QPixmap>
#include <QUrl>

#include "app/qt_image.h"
#include "codecs/thumbnail.h"
#include "document/draw_object.h"
#include "library/library_files.h"

namespace tessel {

namespace {
constexpr int kNumberRole = Qt::UserRole;
constexpr int kFileRole = Qt::UserRole + 1;
constexpr int kCellPadding = 8;  // room around each thumbnail for the selection frame
const QColor kMissingPicture(0xC0, 0xC0, 0xC0);
}  // namespace

QPixmap LibraryThumbnail(const std::string& thumbnailFile, const std::string& objectFile) {
  // Thumbnails are BMP files whatever their extension says.
  QImage image(QString::fromStdString(thumbnailFile), "BMP");
  if (image.isNull()) {
    const std::unique_ptr<CDrawObject> object = ReadObjectFile(objectFile, nullptr);
    if (object) image = ImageFromDib(RenderLibraryPicture(*object, false));
  }
  if (image.isNull()) return {};
  if (image.width() != kThumbnailSize || image.height() != kThumbnailSize)
    image = image.scaled(kThumbnailSize, kThumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return QPixmap::fromImage(image);
}

ThumbnailList::ThumbnailList(bool draggable, QWidget* parent) : QListWidget(parent) {
  setViewMode(QListView::IconMode);
  setIconSize({kThumbnailSize, kThumbnailSize});
  setGridSize({kThumbnailSize + kCellPadding, kThumbnailSize + kCellPadding});
  setFlow(QListView::LeftToRight);
  setWrapping(true);
  setResizeMode(QListView::Adjust);
  setMovement(QListView::Static);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragEnabled(draggable);
  setDragDropMode(draggable ? QAbstractItemView::DragOnly : QAbstractItemView::NoDragDrop);
  setDefaultDropAction(Qt::CopyAction);
}

void ThumbnailList::AddEntry(int n, const std::string& thumbnailFile, const std::string& objectFile,
                             const QString& name) {
  QPixmap picture = LibraryThumbnail(thumbnailFile, objectFile);
  if (picture.isNull()) {
    picture = QPixmap(kThumbnailSize, kThumbnailSize);
    picture.fill(kMissingPicture);
  }
  auto* item = new QListWidgetItem(QIcon(picture), QString(), this);
  item->setToolTip(name);
  item->setData(kNumberRole, n);
  item->setData(kFileRole, QString::fromStdString(objectFile));
}

int ThumbnailList::NumberOf(const QListWidgetItem* item) { return item ? item->data(kNumberRole).toInt() : 0; }
QString ThumbnailList::FileOf(const QListWidgetItem* item) { return item ? item->data(kFileRole).toString() : QString(); }

int ThumbnailList::SelectedNumber() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? 0 : NumberOf(selected.front());
}

QListWidgetItem* ThumbnailList::ItemOf(int n) const {
  for (int row = 0; row < count(); ++row)
    if (NumberOf(item(row)) == n) return item(row);
  return nullptr;
}

void ThumbnailList::SelectNumber(int n) {
  QListWidgetItem* found = ItemOf(n);
  if (found) {
    setCurrentItem(found);
    scrollToItem(found);
  } else {
    clearSelection();
  }
}

QStringList ThumbnailList::mimeTypes() const { return {"text/uri-list"}; }

QMimeData* ThumbnailList::mimeData(const QList<QListWidgetItem*>& items) const {
  auto* data = new QMimeData;
  QList<QUrl> urls;
  for (const QListWidgetItem* item : items) urls.push_back(QUrl::fromLocalFile(FileOf(item)));
  data->setUrls(urls);
  return data;
}

}  // namespace tessel
