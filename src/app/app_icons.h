// The toolbar pictures of the actions, drawn with QPainter (no image files needed).
#pragma once

#include <QIcon>
#include <string>

namespace tessel {

// The icon of an action id ("file.open", "tool.zoom"); a null icon when it has none.
QIcon ActionIcon(const std::string& id);

}  // namespace tessel
