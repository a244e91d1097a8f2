// The bump map picker of the Lights & Material bar ("BUMP"): the pictures of the
// Bumpmap folders as thumbnails, with "None.jpg" first for no bump map.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace tessel {

class BumpMapDialog : public QDialog {
  Q_OBJECT
 public:
  // Lists the bump maps; the entry named current (any letter case) starts selected.
  BumpMapDialog(QWidget* parent, const QString& current);
  // The chosen file name, "None.jpg" for none.
  QString Chosen() const;

  // The picture files of the user's and the program's Bumpmap folders, by name
  // (a name in both counts once), sorted without regard to letter case.
  static QStringList BumpMapFiles();

 private:
  QListWidget* m_list = nullptr;
};

}  // namespace tessel
