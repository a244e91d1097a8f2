#include "app/tablet_status.h"

#include <QInputDevice>

#include "paint/pressure_source.h"

namespace tessel {

std::string TabletStatusText(const QList<const QInputDevice*>& devices) {
  using T = QInputDevice::DeviceType;
  for (const QInputDevice* device : devices) {
    const T type = device->type();
    if (type != T::Stylus && type != T::Airbrush && type != T::Puck) continue;
    return device->name().isEmpty() ? kTabletUnknownText : device->name().toStdString();
  }
  return kTabletNotInstalledText;
}

std::string TabletStatusText() { return TabletStatusText(QInputDevice::devices()); }

}  // namespace tessel
