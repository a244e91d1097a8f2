// The work alpha of the shadow bitmap and the shapes given to it before the blur. The
// work alpha is a top-down byte plane (a CCoverageMask) of the shadow bitmap's size;
// the box lies in it at (margin, margin).
#pragma once

#include <cstdint>

namespace tessel {

class CDIBSection;
struct CCoverageMask;

// Every pixel of the box takes (object alpha · opacity) >> 8; the rest stays as it was.
void CopyScaledAlpha(const CDIBSection& object, int margin, int opacity, CCoverageMask& work);

// The sun shadow: the object's alpha, rows squeezed four to one towards the bottom of
// the box (each row the mean of the four it stands for) and lowered by `lower` pixels,
// times the opacity as above. Rows that fall outside the work alpha are dropped.
void CopySunShadowAlpha(const CDIBSection& object, int margin, int opacity, int lower, CCoverageMask& work);

// The drop gradient: every value is multiplied by min(1, 2 · (1 − p)), p the position
// 0..1 across the box along the angle (degrees, y downwards), so the shadow fades away
// in the direction it falls over the front half of the box.
void FadeAlongAngle(CCoverageMask& work, int margin, int boxWidth, int boxHeight, int angle);

// Cuts the shadow away under the object placed at (left, top) of the work alpha: every
// work value under a mask value m > 0 becomes ((255 − m) · value) >> 8.
void RemoveUnderObject(CCoverageMask& work, const CCoverageMask& mask, int left, int top);

// The work alpha becomes the alpha of the shadow bitmap (same size, bottom-up).
void WorkToAlpha(const CCoverageMask& work, CDIBSection& shadow);

}  // namespace tessel
