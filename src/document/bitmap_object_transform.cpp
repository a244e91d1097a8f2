#include "document/bitmap_object_transform.h"

#include <algorithm>
#include <cmath>

#include "document/draw_object.h"
#include "geometry/affine.h"
#include "render/bilinear_resize.h"
#include "render/image_warp.h"

namespace tessel {

namespace {
constexpr int kFullTurn = 360;

int NormalAngle(int degrees) { return ((degrees % kFullTurn) + kFullTurn) % kFullTurn; }
int RoundToInt(double v) { return int(std::floor(v + 0.5)); }
int RoundSize(double v) { return std::max(1, RoundToInt(v)); }

// Size of a w x h rectangle turned by degrees, rounded to whole pixels.
CSize TurnedBounds(double w, double h, int degrees) {
  const CBoundsD b = MapRectBounds(CAffine::Rotation(degrees, {0, 0}), 0, 0, w, h);
  return {RoundSize(b.right - b.left), RoundSize(b.bottom - b.top)};
}

// An unturned picture fills the box whatever the image's proportions; a turned one
// keeps them. Resamples the image to the box's proportions (keeping its resolution)
// when they differ by a pixel or more.
void MatchImageToBox(CDrawObject& o) {
  const int lw = o.m_layer.Width(), lh = o.m_layer.Height();
  const CPointD kept = TurnedPictureSize(lw, lh, o.m_width, o.m_height, 0);
  if (std::fabs(kept.x - o.m_width) < 1 && std::fabs(kept.y - o.m_height) < 1) return;
  const double scale = std::max(double(lw) / o.m_width, double(lh) / o.m_height);
  CDIBSection matched;
  if (!matched.Create(RoundSize(o.m_width * scale), RoundSize(o.m_height * scale), 32)) return;
  ResizeBilinear32(o.m_layer, matched);
  o.m_layer = std::move(matched);
}

// Replaces the image by itself turned by degrees, at its own resolution.
bool TurnImage(CDrawObject& o, int degrees) {
  const int lw = o.m_layer.Width(), lh = o.m_layer.Height();
  const CSize size = TurnedBounds(lw, lh, degrees);
  CDIBSection turned;
  if (!turned.Create(size.cx, size.cy, 32)) return false;
  WarpBilinear32(o.m_layer, turned, TurnedPictureMap(lw, lh, size.cx, size.cy, degrees));
  o.m_layer = std::move(turned);
  return true;
}

// The painted transparency follows the box: resamples it to the new box (w x h), whose
// pixels newToOld maps into the old box. Outside the old box it becomes transparent,
// which is where the moved picture is transparent too.
void MovePaintedTransparency(CDrawObject& o, const CAffine& newToOld, int w, int h) {
  CDIBSection& transp = o.m_paintTransp;
  if (transp.IsEmpty() || transp.BitsPerPixel() != 32 || o.m_width < 1 || o.m_height < 1) return;
  CDIBSection moved;
  if (!moved.Create(w, h, 32)) return;
  const CAffine toTransp = CAffine::Scaling(double(transp.Width()) / o.m_width, double(transp.Height()) / o.m_height);
  WarpBilinear32(transp, moved, newToOld.Then(toTransp));
  transp = std::move(moved);
}

bool HasImage(const CDrawObject& o) { return !o.m_layer.IsEmpty() && o.m_layer.BitsPerPixel() == 32; }
}  // namespace

void RotateBitmapObject(CDrawObject& o, int degrees, bool intoPixels) {
  const int angle = NormalAngle(o.m_bitmapAngle + degrees);
  if (!HasImage(o)) {
    o.m_bitmapAngle = angle;
    o.RenderObject(false, nullptr);
    return;
  }
  if (NormalAngle(o.m_bitmapAngle) == 0) MatchImageToBox(o);
  const CPointD picture = TurnedPictureSize(o.m_layer.Width(), o.m_layer.Height(), o.m_width, o.m_height,
                                            o.m_bitmapAngle);
  const CSize box = TurnedBounds(picture.x, picture.y, angle);
  if (!CDIBSection::SizeAllowed(box.cx, box.cy, 32)) return;
  if (intoPixels && !TurnImage(o, angle)) return;
  MovePaintedTransparency(o,
                          CAffine::Translation(-box.cx / 2.0, -box.cy / 2.0)
                              .Then(CAffine::Rotation(-degrees, {0, 0}))
                              .Then(CAffine::Translation(o.m_width / 2.0, o.m_height / 2.0)),
                          box.cx, box.cy);
  o.m_bitmapAngle = intoPixels ? 0 : angle;
  o.m_left = RoundToInt(o.m_left + (o.m_width - box.cx) / 2.0);
  o.m_top = RoundToInt(o.m_top + (o.m_height - box.cy) / 2.0);
  o.AllocateBitmaps(box.cx, box.cy);
}

bool SkewBitmapObject(CDrawObject& o, int top, int right, int bottom, int left) {
  if (!HasImage(o) || o.m_width < 1 || o.m_height < 1) return false;
  const CAffine skew = CAffine::Skew({0, 0, o.m_width, o.m_height}, top, right, bottom, left);
  CAffine unskew;
  if (!skew.Inverse(&unskew)) return false;
  const CBoundsD b = MapRectBounds(skew, 0, 0, o.m_width, o.m_height);
  const CRect box{RoundToInt(b.left), RoundToInt(b.top), RoundToInt(b.right), RoundToInt(b.bottom)};
  const int boxW = std::max(box.Width(), 1), boxH = std::max(box.Height(), 1);
  if (!CDIBSection::SizeAllowed(boxW, boxH, 32)) return false;
  if (NormalAngle(o.m_bitmapAngle) != 0) {
    if (!TurnImage(o, o.m_bitmapAngle)) return false;
    o.m_bitmapAngle = 0;
  }
  // Image pixels per box pixel, kept for the skewed image.
  const double sx = double(o.m_layer.Width()) / o.m_width, sy = double(o.m_layer.Height()) / o.m_height;
  CDIBSection skewed;
  if (!skewed.Create(RoundSize(boxW * sx), RoundSize(boxH * sy), 32)) return false;
  const CAffine toSource = CAffine::Scaling(double(boxW) / skewed.Width(), double(boxH) / skewed.Height())
                               .Then(CAffine::Translation(box.left, box.top))
                               .Then(unskew)
                               .Then(CAffine::Scaling(sx, sy));
  WarpBilinear32(o.m_layer, skewed, toSource);
  o.m_layer = std::move(skewed);
  MovePaintedTransparency(o, CAffine::Translation(box.left, box.top).Then(unskew), boxW, boxH);
  o.m_left += box.left;
  o.m_top += box.top;
  o.AllocateBitmaps(boxW, boxH);
  return true;
}

void MirrorBitmapObject(CDrawObject& o, bool horizontal) {
  FlipImage(o.m_layer, horizontal);
  FlipImage(o.m_paintTransp, horizontal);
  o.m_bitmapAngle = NormalAngle(-o.m_bitmapAngle);
  o.RenderObject(false, nullptr);
}

}  // namespace tessel
