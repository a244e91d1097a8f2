// The blueprint: a tracing image the document shows with the drawing, at an offset on
// the canvas, under the objects ("Show on Back") or over them (the view's onion skin).
#pragma once

#include <string>

namespace tessel {

class CVellumDoc;

// "Load from File...": reads an image file into the blueprint and centres it on the
// canvas. Returns "" or the reason the file could not be read (the old blueprint then
// stays).
std::string LoadBlueprint(CVellumDoc& doc, const std::string& path);

// "Remove": drops the blueprint; its offset returns to (0, 0).
void RemoveBlueprint(CVellumDoc& doc);

// "Center": offset ((canvas width - blueprint width) / 2, (canvas height - blueprint
// height) / 2), truncated toward zero. Nothing happens without a blueprint.
void CenterBlueprint(CVellumDoc& doc);

// "Resize Canvas": the canvas takes the blueprint's size and the blueprint moves to
// (0, 0); the objects stay where they are. Returns "" or the refusal of the canvas
// size check ("" and nothing changed without a blueprint).
std::string FitCanvasToBlueprint(CVellumDoc& doc);

}  // namespace tessel
