#include "app/map_picker.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QSet>
#include <QSignalBlocker>

#include "app/qt_image.h"
#include "base/app_context.h"
#include "base/dib_section.h"
#include "codecs/image_reader.h"
#include "render/map_names.h"
#include "render/texture_bank.h"

namespace tessel {

namespace {
constexpr int kCellWidth = 62;
constexpr int kCellHeight = 62;
constexpr int kVisibleRows = 2;
constexpr int kFrameRoom = 8;  // frame and scroll bar room beyond the cells

bool IsImageFileName(const QString& name) {
  static const QSet<QString> kinds = {"bmp", "jpg", "jpeg", "png", "tif", "tiff", "gif", "tga", "pcx", "psd"};
  return kinds.contains(QFileInfo(name).suffix().toLower());
}

// A picture cut to a centred square and scaled to the thumbnail size.
QPixmap SquareThumbnail(const QImage& image) {
  if (image.isNull()) return {};
  const int side = std::min(image.width(), image.height());
  const QImage square = image.copy((image.width() - side) / 2, (image.height() - side) / 2, side, side);
  return QPixmap::fromImage(
      square.scaled(kMapThumbnailSize, kMapThumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

// A 24-bit picture of the texture store (bottom-up, blue-green-red) as a Qt image.
QImage ImageFrom24(const CDIBSection& picture) {
  if (picture.IsEmpty() || picture.BitsPerPixel() != 24) return {};
  QImage image(picture.Width(), picture.Height(), QImage::Format_RGB32);
  for (int y = 0; y < picture.Height(); ++y) {
    const uint8_t* in = picture.RowFromTop(y);
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.Width(); ++x, in += 3) out[x] = qRgb(in[2], in[1], in[0]);
  }
  return image;
}

// The thumbnail of a file that cannot be shown: a grey square with a question mark.
QPixmap MissingThumbnail() {
  QPixmap pixmap(kMapThumbnailSize, kMapThumbnailSize);
  pixmap.fill(Qt::lightGray);
  QPainter painter(&pixmap);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, "?");
  return pixmap;
}
}  // namespace

MapPicker::MapPicker(std::vector<BuiltIn> builtIns, std::string folder, std::string category, QWidget* parent)
    : QListWidget(parent), m_builtIns(std::move(builtIns)), m_folder(std::move(folder)), m_category(std::move(category)) {
  setViewMode(QListView::IconMode);
  setIconSize(QSize(kMapThumbnailSize, kMapThumbnailSize));
  setGridSize(QSize(kCellWidth, kCellHeight));
  setResizeMode(QListView::Adjust);
  setMovement(QListView::Static);
  setWrapping(true);
  setUniformItemSizes(true);
  setWordWrap(false);
  setTextElideMode(Qt::ElideRight);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setFixedHeight(kCellHeight * kVisibleRows + kFrameRoom);
  // Clicks and Enter choose; the marking that ShowName sets emits nothing.
  auto choose = [this](QListWidgetItem* item) { emit picked(QString::fromStdString(StoredName(item))); };
  connect(this, &QListWidget::itemClicked, this, choose);
  connect(this, &QListWidget::itemActivated, this, choose);
  Rescan();
}

std::string MapPicker::StoredName(const QListWidgetItem* item) {
  return item ? item->data(Qt::UserRole).toString().toStdString() : std::string();
}

QListWidgetItem* MapPicker::AddEntry(const QString& label, const std::string& stored, const QPixmap& thumbnail) {
  auto* item = new QListWidgetItem(QIcon(thumbnail), label, this);
  item->setData(Qt::UserRole, QString::fromStdString(stored));
  item->setToolTip(stored.empty() ? label : QString::fromStdString(stored));
  return item;
}

void MapPicker::Rescan() {
  const std::string shown = StoredName(currentItem());
  clear();
  for (const BuiltIn& b : m_builtIns) AddEntry(b.label, b.stored, b.thumbnail);
  for (const QString& name : FolderFiles(m_folder))
    AddEntry(QFileInfo(name).completeBaseName(), name.toStdString(), FileThumbnail(name.toStdString()));
  ShowName(shown);
}

QStringList MapPicker::FolderFiles(const std::string& folder) {
  // The user's copy of a file hides the program's (the texture store reads it first).
  QSet<QString> seen;
  QStringList names;
  for (const std::string& base : {App().Paths().UserFolder(), App().Paths().ProgramFolder()}) {
    if (base.empty()) continue;
    const QDir dir(QString::fromStdString(base + "/" + folder));
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
      if (!IsImageFileName(name) || IsReservedMapName(name.toStdString()) || seen.contains(name.toLower())) continue;
      seen.insert(name.toLower());
      names << name;
    }
  }
  names.sort(Qt::CaseInsensitive);
  return names;
}

void MapPicker::showEvent(QShowEvent* event) {
  Rescan();
  QListWidget::showEvent(event);
}

QPixmap MapPicker::FileThumbnail(const std::string& name) const {
  // Thumbnails are read once per file and change date; every bar shares them.
  static QHash<QString, QImage> cache;
  const QFileInfo file(QString::fromStdString(App().Paths().Find(m_folder, name)));
  if (file.exists()) {
    const QString key = file.absoluteFilePath() + '|' + QString::number(file.lastModified().toMSecsSinceEpoch());
    const auto it = cache.constFind(key);
    if (it != cache.constEnd()) return QPixmap::fromImage(*it);
    CDIBSection picture;
    const QPixmap thumbnail = ReadImageFile(file.absoluteFilePath().toStdString(), picture, nullptr)
                                  ? SquareThumbnail(ImageFromDib(picture))
                                  : MissingThumbnail();
    cache.insert(key, thumbnail.toImage());
    return thumbnail;
  }
  // A texture that only the project file carries lives in the texture store.
  if (const CTextureEntry* entry = App().TextureBank().Find(FileNamePart(name), m_category)) {
    const QPixmap thumbnail = SquareThumbnail(ImageFrom24(entry->picture));
    if (!thumbnail.isNull()) return thumbnail;
  }
  return MissingThumbnail();
}

QListWidgetItem* MapPicker::ItemFor(const std::string& stored) const {
  const QString wanted = QString::fromStdString(stored);
  const bool reserved = stored.empty() || IsReservedMapName(stored);
  for (int i = 0; i < count(); ++i) {
    QListWidgetItem* candidate = item(i);
    const QString name = candidate->data(Qt::UserRole).toString();
    if (name == wanted) return candidate;
    if (!reserved && !IsReservedMapName(name.toStdString()) && !name.isEmpty() &&
        name.compare(wanted, Qt::CaseInsensitive) == 0)
      return candidate;
  }
  return nullptr;
}

void MapPicker::ShowName(const std::string& stored) {
  QListWidgetItem* entry = ItemFor(stored);
  if (!entry && !stored.empty())
    entry = AddEntry(QString::fromStdString(FileNamePart(stored)), stored, FileThumbnail(stored));
  const QSignalBlocker quiet(this);
  setCurrentItem(entry);
  if (entry) scrollToItem(entry);
}

}  // namespace tessel
