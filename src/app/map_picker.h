// MapPicker: a grid of thumbnails for choosing the image file (or built-in map) that an
// object names in its texture or transparency-map field. It lists the built-in entries
// first, then the image files of one data folder (the user's copy and the program's,
// each name once) and, while an object names a file found in neither, that name too.
#pragma once

#include <QListWidget>
#include <string>
#include <vector>

namespace tessel {

class MapPicker : public QListWidget {
  Q_OBJECT
 public:
  // One built-in entry: the label under its thumbnail and the name stored for it.
  struct BuiltIn {
    QString label;
    std::string stored;
    QPixmap thumbnail;
  };

  // folder: the data folder below the program and user folders ("Textures", "Transp");
  // category: the texture store's category of its files ("TXT", "TR").
  MapPicker(std::vector<BuiltIn> builtIns, std::string folder, std::string category, QWidget* parent = nullptr);

  // Marks the entry of stored (file names match in any letter case, built-in names
  // exactly); an unknown non-empty name gets an entry of its own. Emits nothing.
  void ShowName(const std::string& stored);
  // The stored name of an entry (Qt::UserRole).
  static std::string StoredName(const QListWidgetItem* item);
  // The entry that stores name, or null.
  QListWidgetItem* ItemFor(const std::string& stored) const;
  // Reads the folders again (files added or removed since).
  void Rescan();
  // The picture files of folder below the user's and the program's folders, each name
  // once (the user's copy hides the program's), without the built-in map names, sorted
  // without regard to letter case.
  static QStringList FolderFiles(const std::string& folder);

 signals:
  // The user chose the entry storing name.
  void picked(const QString& name);

 protected:
  // Files added to the folders since show up whenever the picker is shown again.
  void showEvent(QShowEvent* event) override;

 private:
  QListWidgetItem* AddEntry(const QString& label, const std::string& stored, const QPixmap& thumbnail);
  QPixmap FileThumbnail(const std::string& name) const;

  std::vector<BuiltIn> m_builtIns;
  std::string m_folder;
  std::string m_category;
};

// The size of the thumbnails in pixels (square).
constexpr int kMapThumbnailSize = 40;

}  // namespace tessel
