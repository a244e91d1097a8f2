// The "Outline" bar: the coloured band along the inside of the selection's edge (or of
// new objects): its kind and width, its three colours and the gradient across them.
#pragma once

#include <QStringList>

#include "app/document_window.h"  // PropertyBar::Window() converts a QPointer of it
#include "app/property_bar.h"

namespace tessel {

// The outline kinds in list order; the index is the stored kind.
const QStringList& OutlineKindNames();

class OutlineBar : public PropertyBar {
  Q_OBJECT
 public:
  explicit OutlineBar(MainWindow& main);
};

}  // namespace tessel
