// The bump map picker.
#include "app/bump_map_dialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>

#include "app/map_picker.h"
#include "app/qt_image.h"
#include "base/app_context.h"
#include "base/dib_section.h"
#include "codecs/image_reader.h"
#include "render/texture_bank.h"

namespace tessel {

namespace {
constexpr char kNone[] = "None.jpg";
constexpr int kThumbSide = 64;
constexpr int kGridRoom = 36;  // room for the name below and beside a thumbnail
constexpr int kDialogWidth = 420;
constexpr int kDialogHeight = 360;

QIcon Thumbnail(const QString& path) {
  CDIBSection picture;
  if (!ReadImageFile(path.toStdString(), picture, nullptr)) return {};
  const QImage image = ImageFromDib(picture);
  return QIcon(QPixmap::fromImage(image.scaled(kThumbSide, kThumbSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

// The picture of "no bump map": a flat white tile.
QIcon FlatTile() {
  QPixmap tile(kThumbSide, kThumbSide);
  tile.fill(Qt::white);
  QPainter(&tile).drawRect(0, 0, kThumbSide - 1, kThumbSide - 1);
  return QIcon(tile);
}
}  // namespace

QStringList BumpMapDialog::BumpMapFiles(const char* category) {
  QStringList names = MapPicker::FolderFiles(CTextureBank::FolderFor(category));
  names.removeIf([](const QString& name) { return name.compare(kNone, Qt::CaseInsensitive) == 0; });
  return names;
}

BumpMapDialog::BumpMapDialog(QWidget* parent, const QString& current, const char* category, const QString& title)
    : QDialog(parent) {
  setWindowTitle(title);
  resize(kDialogWidth, kDialogHeight);
  m_list = new QListWidget;
  m_list->setObjectName("bumpMaps");
  m_list->setViewMode(QListView::IconMode);
  m_list->setIconSize(QSize(kThumbSide, kThumbSide));
  m_list->setResizeMode(QListView::Adjust);
  m_list->setMovement(QListView::Static);
  m_list->setGridSize(QSize(kThumbSide + kGridRoom, kThumbSide + kGridRoom));
  m_list->addItem(new QListWidgetItem(FlatTile(), kNone));
  for (const QString& name : BumpMapFiles(category)) {
    const std::string path = App().Paths().Find(CTextureBank::FolderFor(category), name.toStdString());
    m_list->addItem(new QListWidgetItem(Thumbnail(QString::fromStdString(path)), name));
  }
  m_list->setCurrentRow(0);
  for (int i = 0; i < m_list->count(); ++i)
    if (m_list->item(i)->text().compare(current, Qt::CaseInsensitive) == 0) m_list->setCurrentRow(i);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_list);
  layout->addWidget(buttons);
}

QString BumpMapDialog::Chosen() const {
  const QListWidgetItem* item = m_list->currentItem();
  return item ? item->text() : QString(kNone);
}

}  // namespace tessel
