#include "paint/painting_state.h"

namespace tessel {

const char* PaintToolTooltip(int tool) {
  switch (tool) {
    case kToolBrush: return "Brush";
    case kToolRubberStamp: return "Rubber Stamp";
    case kToolEraseTransparent: return "Erase/Transparent";
    case kToolMakeOpaque: return "Make Opaque";
    case kToolCloneBottom: return "Clone from bottom layers";
    case kToolColorPick: return "Color Pick";
    default: return nullptr;
  }
}

}  // namespace tessel
