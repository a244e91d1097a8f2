// The common frame of the Bitmap menu's filters on a document's bitmap object: the
// object's picture (m_layer) is brought to the object's size, the filter changes it, and
// the object is rendered again.
//
// Undo: the caller takes the checkpoint. The functions return true exactly when the
// object was changed, and CFilterEntry::checkpointAfter says which commands record one
// after the change ("Oil Painting", "Pop Art", "Auto Level", "Enhance Digital Photo").
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "base/dib_section.h"

namespace tessel {

class CDrawObject;
struct CFilterEntry;

// True when the object is a bitmap object with a picture (the filters are enabled).
bool CanFilterObject(const CDrawObject& object);

// When the object has been enlarged beyond its picture (its width or height is larger),
// resamples the picture to the object's size; true when it did.
bool FitPictureToObject(CDrawObject& object);

// The frame around any filter: nothing happens (false) for an object that cannot be
// filtered or when filter returns false; otherwise the picture is fitted, filtered and
// the object re-rendered (true).
bool ApplyToBitmapObject(CDrawObject& object, const std::function<bool(CDIBSection& picture)>& filter);

// A catalogue filter with the given values (defaults for missing ones, each clamped).
bool ApplyFilterToObject(CDrawObject& object, const CFilterEntry& filter, std::vector<double> values,
                         uint32_t seed = 0x7E55E1u);

// The picture resampled to width × height by bilinear interpolation between pixel
// centres (edges clamped), all four channels; empty for an empty source or bad size.
CDIBSection ResamplePicture(const CDIBSection& source, int width, int height);

}  // namespace tessel
