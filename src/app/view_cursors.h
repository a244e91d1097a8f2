// The mouse cursors of the editing view: Qt's shapes where one fits, small drawn
// pictures for the zoom and rotate tools.
#pragma once

#include <QCursor>

#include "view/view_tool.h"

namespace tessel {

// The cursor for a shape the view asks for.
QCursor CursorFor(ViewCursor cursor);

}  // namespace tessel
