// "Convert To" Polynome and Envelope: a path object becomes a contour set with the
// same outline, curves kept as cubic segments; a bitmap becomes a bitmap envelope.
#include "document/draw_object.h"
#include "geometry/path_contours.h"

namespace tessel {

bool CDrawObject::ConvertToPolynome(bool asEnvelope) {
  if (IsBitmap() && asEnvelope) {
    // A bitmap keeps its kind; its picture is warped by the polynome's envelope.
    m_polynome.m_bitmapEnvelope = 1;
    AllocateBitmaps(m_width, m_height);
    return true;
  }
  if (!IsPath() || m_path.m_points.empty()) return false;
  m_polynome = PathToContours(m_path);
  m_type = kTypePolynome;
  m_envelope = asEnvelope ? 1 : 0;
  m_text.clear();
  AllocateBitmaps(m_width, m_height);
  return true;
}

}  // namespace tessel
