// Moving, turning, skewing and mirroring drawing objects.
//
// Paths and polynomes (text included) are transformed point by point in canvas pixels
// and the box is refitted round the new outline with the border kept. A polynome whose
// envelope is deformed has the envelope put into its points first (the drawn outline
// stays, the handles start again from the new box): the envelope's handles follow the
// box's edges, which a turn or a skew no longer keeps. Mirroring keeps the envelope,
// mirrored with the points. Live text is turned as its outline and stays text; typing
// new text builds it upright again. Bitmap objects act on their picture
// (bitmap_object_transform.h). Painted layers of other objects are not turned: the
// texture size and rotation tool does that.
#include <algorithm>

#include "document/bitmap_object_transform.h"
#include "document/draw_object.h"
#include "geometry/affine.h"
#include "geometry/outline_transform.h"

namespace tessel {

namespace {
constexpr int kFullTurn = 360;

// Maps the outline through m (canvas pixels), refits the box round it with the border
// kept and renders. Changes nothing for an object without outline points, or when the
// new box could not be allocated.
void TransformOutline(CDrawObject& o, const CAffine& m) {
  const CRect inner = o.GetInnerRect();
  CBezier path = o.m_path;
  CPolynome poly = o.m_polynome;
  CRect r;
  if (o.IsPath() && !path.m_points.empty()) {
    r = TransformBezier(path, inner, m);
  } else if (o.IsPolynome() && !poly.IsEmpty()) {
    BakeEnvelope(poly);
    r = TransformPolynome(poly, inner, m);
  } else {
    return;
  }
  const int border = o.MaskMargin();
  const int width = r.Width() + 2 * border, height = r.Height() + 2 * border;
  if (!CDIBSection::SizeAllowed(std::max(width, 1), std::max(height, 1), 32)) return;
  o.m_path = std::move(path);
  o.m_polynome = std::move(poly);
  o.m_left = r.left - border;
  o.m_top = r.top - border;
  o.AllocateBitmaps(width, height);
}
}  // namespace

void CDrawObject::SetPosition(int left, int top) {
  m_left = left;
  m_top = top;
}

void CDrawObject::Rotate(int angle, bool ctrl) {
  if (angle % kFullTurn == 0) return;
  if (IsBitmap()) {
    RotateBitmapObject(*this, angle, ctrl);
    return;
  }
  TransformOutline(*this, CAffine::Rotation(angle, {m_left + m_width / 2.0, m_top + m_height / 2.0}));
}

void CDrawObject::Skew(int top, int right, int bottom, int left) {
  if (top == 0 && right == 0 && bottom == 0 && left == 0) return;
  if (IsBitmap()) {
    SkewBitmapObject(*this, top, right, bottom, left);
    return;
  }
  const CAffine skew = CAffine::Skew(GetBoxRect(), top, right, bottom, left);
  CAffine inverse;
  if (!skew.Inverse(&inverse)) return;  // the outline would collapse onto a line
  TransformOutline(*this, skew);
}

void CDrawObject::Mirror(bool horizontal) {
  if (IsBitmap()) {
    MirrorBitmapObject(*this, horizontal);
    return;
  }
  if (IsPath()) MirrorBezier(m_path, horizontal);
  else if (IsPolynome()) MirrorPolynome(m_polynome, horizontal);
  else return;
  RenderObject(false, nullptr);
}

}  // namespace tessel
