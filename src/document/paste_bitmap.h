// "Paste as Bitmap" and "Paste Inside": clipboard contents turned into pictures.
#pragma once

#include <vector>

namespace tessel {

class CDIBSection;
class CDrawObject;
class CVellumDoc;

// "Paste as Bitmap": the objects read from the clipboard (not in the document) rendered
// with no margin into a new bitmap object named "Bitmap" on top of the document, placed
// where they were; when it would start beyond the canvas (left at or past the canvas
// width, or top at or past its height) it goes to (0, 0). Returns it, or null
// (document unchanged) when nothing is visible. The caller records the undo step.
CDrawObject* PasteAsBitmap(CVellumDoc& doc, const std::vector<CDrawObject*>& pasted);

// "Paste Inside" of a clipboard picture: it becomes the target's bitmap layer at its own
// size (32 bits per pixel), m_imageWidth and m_imageHeight take that size and the target
// is rendered. Returns false, target unchanged, for an empty picture.
bool PasteImageInside(CDrawObject& target, const CDIBSection& image);

// "Paste Inside" of objects read from the clipboard: a single bitmap object gives its
// own image (at its full resolution, without its effects); other contents are
// composited (no margin) into one picture. The picture then goes in as
// PasteImageInside does. Returns false, target unchanged, when nothing is visible.
bool PasteObjectsInside(CDrawObject& target, const std::vector<CDrawObject*>& pasted, const CVellumDoc& doc);

}  // namespace tessel
