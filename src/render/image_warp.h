// Resampling a 32-bit picture through an affine map, and mirroring pictures: the
// turned, skewed and flipped pictures of bitmap objects.
#pragma once

#include "geometry/affine.h"

namespace tessel {

class CDIBSection;

// Fills dest (32-bit) from src (32-bit): the centre of dest pixel (x, y), the point
// (x + 0.5, y + 0.5), is mapped through destToSrc into src, where pixel (i, j) covers
// [i, i + 1) x [j, j + 1), and sampled bilinearly. Outside src everything is
// transparent; colours are weighted by their alpha so no dark fringe creeps in. A point
// that lands exactly on a source pixel centre gets that pixel unchanged. Nothing
// happens when either picture is empty or not 32-bit.
void WarpBilinear32(const CDIBSection& src, CDIBSection& dest, const CAffine& destToSrc);

// Mirrors the picture in place: columns swap left and right (horizontal) or rows top
// and bottom. Any pixel depth.
void FlipImage(CDIBSection& image, bool horizontal);

// A picture of layer size (layerW x layerH) turned by degrees (counter-clockwise on the
// screen) and scaled to the largest size whose turned bounds fit the box (boxW x boxH),
// keeping the layer's proportions. Returns the picture size before turning.
CPointD TurnedPictureSize(int layerW, int layerH, int boxW, int boxH, int degrees);

// The map from the box's pixels to the layer's pixels that draws that turned picture
// centred in the box.
CAffine TurnedPictureMap(int layerW, int layerH, int boxW, int boxH, int degrees);

}  // namespace tessel
