// Placeholders for dialogs that are being built; each is removed when its dialog lands.
#include <QMessageBox>


namespace tessel {

}  // namespace tessel
