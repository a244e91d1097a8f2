// The rotate, skew and mirror operations on bitmap objects (m_type 3), whose outline
// is their picture: the image in m_layer drawn into the box.
#pragma once

namespace tessel {

class CDrawObject;

// Adds degrees to m_bitmapAngle (kept in 0..359, counter-clockwise on the screen) and
// resizes the box about its centre to the bounds of the turned picture. A picture
// stretched out of its image's proportions is first resampled to the proportions it
// shows, as a turned picture keeps the proportions of its image. With intoPixels the
// turn goes into the image itself: m_layer is replaced by the turned picture (at its
// own resolution, transparent around it) and m_bitmapAngle becomes 0. The painted
// transparency turns with the picture. Renders.
void RotateBitmapObject(CDrawObject& o, int degrees, bool intoPixels);

// Skews the picture like the outline of other objects: a turned picture first has its
// turn put into its pixels, then m_layer is resampled skewed (at the image's
// resolution, transparent around it), the painted transparency with it, and the box
// becomes the skewed box's bounds.
// Returns false, changing nothing, without an image, when the skew squashes the
// picture flat or when the new image or box would be too large.
bool SkewBitmapObject(CDrawObject& o, int top, int right, int bottom, int left);

// Mirrors the image and the painted transparency; a turned picture gets the opposite
// angle, so the picture shown is mirrored about the box centre. Renders.
void MirrorBitmapObject(CDrawObject& o, bool horizontal);

}  // namespace tessel
