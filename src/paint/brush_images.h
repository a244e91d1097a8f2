// Loading pictures into a brush: the Image Brush's "Load...", "Load Mask..." with
// "Load Negative", the preview's "Load" and paste, and the Image Hose frames.
#pragma once

#include <string>

namespace tessel {

class CBrush;
class CDIBSection;

// A pasted picture must be smaller than this on both sides to become a preview.
constexpr int kMaxPastedPreviewSide = 200;

// "Load...": the picture becomes the dab. A picture with transparency keeps its alpha;
// an opaque one of the dab's size keeps the dab's alpha (only the colours change); any
// other opaque one is fully opaque. The brush is unchanged on failure.
bool LoadBrushImage(CBrush& brush, const CDIBSection& picture);
// The same from a file; false with the reader's reason in *error.
bool LoadBrushImageFile(CBrush& brush, const std::string& path, std::string* error);

// "Load Mask...": the picture's grey level (inverted with negative) becomes the dab's
// alpha. An empty dab becomes a black dab of the picture's size; otherwise the picture
// is scaled to the dab first. False (brush unchanged) for an empty picture.
bool LoadBrushMask(CBrush& brush, const CDIBSection& picture, bool negative);
bool LoadBrushMaskFile(CBrush& brush, const std::string& path, bool negative, std::string* error);

// The preview's "Load": the picture scaled to 40 × 40 becomes the preview.
bool LoadBrushPreview(CBrush& brush, const CDIBSection& picture);
// "&P": the same for a pasted picture, refused (false) unless smaller than 200 × 200.
bool PasteBrushPreview(CBrush& brush, const CDIBSection& picture);

// The Image Hose settings' OK: the dab becomes the first frame centred on a transparent
// bitmap of the largest frame width and height (an empty 40 × 40 one without frames).
void ApplyHoseFrames(CBrush& brush);

}  // namespace tessel
