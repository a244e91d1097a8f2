// ThumbnailList: the grid of 50 x 50 library thumbnails that the "Quick Styles" tabs and
// the object library show. Each entry remembers its number in the folder and the path
// of its object or style file; a drag of an entry carries that file's URL, so that a
// document window imports it where it is dropped.
#pragma once

#include <QListWidget>
#include <string>

namespace tessel {

class ThumbnailList : public QListWidget {
  Q_OBJECT
 public:
  // draggable: entries can be dragged out as file URLs.
  ThumbnailList(bool draggable, QWidget* parent = nullptr);

  // Adds entry n with the picture of thumbnailFile; when that cannot be read the
  // object of objectFile is rendered instead (a grey square when neither works).
  // name is the entry's tool tip.
  void AddEntry(int n, const std::string& thumbnailFile, const std::string& objectFile, const QString& name);
  // The number of the selected entry, 0 when none is selected.
  int SelectedNumber() const;
  // Selects entry n (none when absent).
  void SelectNumber(int n);
  // The item of entry n, or null.
  QListWidgetItem* ItemOf(int n) const;
  // The number and file of an item.
  static int NumberOf(const QListWidgetItem* item);
  static QString FileOf(const QListWidgetItem* item);

 protected:
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
};

// The 50 x 50 picture of a library entry: the thumbnail file read as a BMP, else the
// object file's object rendered and scaled; a null pixmap when neither can be read.
QPixmap LibraryThumbnail(const std::string& thumbnailFile, const std::string& objectFile);

}  // namespace tessel
