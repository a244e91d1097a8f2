// The bump map and surface skin pickers of the Lights & Material bar ("BUMP", "Skin"):
// the pictures of the Bumpmap (or Surface) folders as thumbnails, with "None.jpg" first
// for none.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace tessel {

class BumpMapDialog : public QDialog {
  Q_OBJECT
 public:
  // Lists the pictures of the texture bank category ("BUM" bump maps, "SKN" skins) under
  // title; the entry named current (any letter case) starts selected.
  BumpMapDialog(QWidget* parent, const QString& current, const char* category = "BUM",
                const QString& title = "Bump Map");
  // The chosen file name, "None.jpg" for none.
  QString Chosen() const;

  // The picture files of the user's and the program's folders of category, by name
  // (a name in both counts once), sorted without regard to letter case.
  static QStringList BumpMapFiles(const char* category = "BUM");

 private:
  QListWidget* m_list = nullptr;
};

}  // namespace tessel
