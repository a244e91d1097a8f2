// The Bitmap menu: filters and colour adjustments on the selected bitmap object. The
// direct commands run at once; the others open a dialog that previews on the canvas
// (or, for "Tweak...", on a reduced copy). Every completed change records one undo
// step; a cancelled dialog records none and leaves the picture as it was.
#pragma once

#include "app/app_commands.h"

class QWidget;

namespace tessel {

class CVellumView;
class DocumentWindow;
class MainWindow;

// True for the commands of the Bitmap menu.
bool IsBitmapCommand(AppCommand id);
// True when the Bitmap menu's commands apply to the view: its current object is a
// bitmap object with a picture and no painting editor runs. False for a null view.
bool CanRunBitmapCommand(const CVellumView* view);
// Enables or disables the Bitmap menu's actions for the window's active view.
void UpdateBitmapMenu(MainWindow& window);
// Runs a Bitmap menu command on the current object of the document window; dialogs
// open over parent. Returns true when the picture changed (one undo step recorded),
// false when the command does not apply, was cancelled or changed nothing.
bool RunBitmapCommand(QWidget* parent, DocumentWindow& window, AppCommand id);

}  // namespace tessel
