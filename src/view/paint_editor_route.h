// IPaintEditorRoute: how the view reaches the painting editor, which lives with the
// window. The view hands it "Bitmap Brush Edit on Object" and "Paint on Edge", and while
// the editor runs every command first (undo, redo and Esc become the editor's).
#pragma once

#include "view/view_commands.h"

namespace tessel {

class CDrawObject;

class IPaintEditorRoute {
 public:
  virtual ~IPaintEditorRoute() = default;
  // Performs command for the editor; true when it was used (the view then does
  // nothing more with it).
  virtual bool RouteCommand(ViewCommand command) = 0;
  // Adjusts what the command's menu item shows (state holds the view's own answer).
  virtual void RouteState(ViewCommand command, CommandState& state) const = 0;
  // Opens the editor on object with the painting tool paintTool selected (0 keeps the
  // current painting tool). True when the editor runs afterwards.
  virtual bool OpenEditor(CDrawObject& object, int paintTool) = 0;
};

}  // namespace tessel
