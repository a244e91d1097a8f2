// The toolbar pictures of the actions, drawn with QPainter (no image files needed).
#pragma once

#include <QIcon>
#include <functional>
#include <string>

class QPainter;

namespace tessel {

// The icon of an action id ("file.open", "tool.zoom"); a null icon when it has none.
QIcon ActionIcon(const std::string& id);

// A drawing on a 24 by 24 picture, with the ink pen set and antialiasing on.
using IconDrawer = std::function<void(QPainter&)>;
// The icon of what draw paints.
QIcon PaintedIcon(const IconDrawer& draw);
// The icon of a creation or editing tool ("tool.star"); tools without a picture of
// their own get their first letter on a tile; a null icon for other ids
// (tool_icons.cpp).
QIcon ToolIcon(const std::string& id);

}  // namespace tessel
