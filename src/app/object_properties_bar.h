// The "Object" properties bar: the edge quality, blend mode, opacity, colour correction,
// line width, combine mode and name of the selection (or of new objects), and the
// "Multimedia Extension" dialog of the selected objects.
#pragma once

#include <QStringList>

#include "app/document_window.h"  // PropertyBar::Window() converts a QPointer of it
#include "app/property_bar.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tessel {

struct MultimediaFrames;

// The edge qualities in list order; entry i is m_antiAlias i + 1.
const QStringList& AntiAliasNames();

class ObjectPropertiesBar : public PropertyBar {
  Q_OBJECT
 public:
  explicit ObjectPropertiesBar(MainWindow& main);
  void Refresh() override;

  // Opens the "Multimedia Extension" dialog for the shown object; OK gives every
  // selected object the settings in one undo step. Nothing without a selection.
  void EditMultimedia();
  // What OK of that dialog does.
  void ApplyMultimedia(const MultimediaFrames& frames);

 private:
  QComboBox* m_combineMode = nullptr;
  QLineEdit* m_name = nullptr;
  QPushButton* m_multimedia = nullptr;
};

}  // namespace tessel
