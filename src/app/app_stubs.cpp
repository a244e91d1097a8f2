// Placeholders for dialogs that are being built; each is removed when its dialog lands.
#include <QMessageBox>

#include "app/brush_properties_dialog.h"
#include "app/mutaflux_dialog.h"

namespace tessel {

bool RunMutafluxDialog(QWidget* parent, CObjectFields&) {
  QMessageBox::information(parent, "Mutaflux Colors", "Not available yet.");
  return false;
}

bool RunBrushPropertiesDialog(QWidget* parent, CBrush&) {
  QMessageBox::information(parent, "Brush Properties", "Not available yet.");
  return false;
}

}  // namespace tessel
