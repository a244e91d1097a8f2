// The tablet line of "General Settings": which pen tablet the window system reports.
#pragma once

#include <QList>
#include <string>

class QInputDevice;

namespace tessel {

// The name of the first pen device (stylus, airbrush or puck) among devices, "Unknown
// Tablet found" when that name is empty, or "Tablet is not installed." when there is
// none.
std::string TabletStatusText(const QList<const QInputDevice*>& devices);
// The same for the devices the window system reports now.
std::string TabletStatusText();

}  // namespace tessel
