// "Paste as Bitmap" and "Paste Inside": clipboard contents turned into pictures.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace tessel {

class CDIBSection;
class CDrawObject;
class CVellumDoc;

// Reads clipboard data of the private object format (u32 count, then that many object
// records); every object read is rendered. Returns false, with *objects empty, for
// data that holds no object or is damaged.
bool ReadClipboardObjects(const std::vector<uint8_t>& bytes, std::vector<std::unique_ptr<CDrawObject>>* objects);

// "Paste as Bitmap": the clipboard's objects rendered (no margin) into a new bitmap
// object named "Bitmap" on top of the document, placed where they were; when it would
// start beyond the canvas (left at or past the canvas width, or top at or past its
// height) it goes to (0, 0). Returns it, or null (document unchanged) for unreadable
// data or nothing visible. The caller records the undo step.
CDrawObject* PasteAsBitmap(CVellumDoc& doc, const std::vector<uint8_t>& clipboard);

// "Paste Inside" of a clipboard picture: it becomes the target's bitmap layer at its own
// size (32 bits per pixel), m_imageWidth and m_imageHeight take that size and the target
// is rendered. Returns false, target unchanged, for an empty picture.
bool PasteImageInside(CDrawObject& target, const CDIBSection& image);

// "Paste Inside" of clipboard objects: a single bitmap object gives its own image (at
// its full resolution, without its effects); other contents are composited (no margin)
// into one picture. The picture then goes in as PasteImageInside does. Returns false,
// target unchanged, for unreadable data or nothing visible.
bool PasteObjectsInside(CDrawObject& target, const std::vector<uint8_t>& clipboard, const CVellumDoc& doc);

}  // namespace tessel
