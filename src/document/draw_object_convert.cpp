// "Convert To" Polynome and Envelope: a path object becomes a contour set with the
// same outline, curves kept as cubic segments; a bitmap becomes a bitmap envelope.
#include "document/draw_object.h"

namespace tessel {

namespace {
constexpr double kThousand = 1000.0;

CPolyPoint ToPoly(const CBezierPoint& p, uint8_t flag) { return {p.x * kThousand, p.y * kThousand, flag}; }
}  // namespace

bool CDrawObject::ConvertToPolynome(bool asEnvelope) {
  if (IsBitmap() && asEnvelope) {
    // A bitmap keeps its kind; its picture is warped by the polynome's envelope.
    m_polynome.m_bitmapEnvelope = 1;
    AllocateBitmaps(m_width, m_height);
    return true;
  }
  if (!IsPath() || m_path.m_points.empty()) return false;
  const int used = m_path.UsedPointCount();
  CPolynome poly;
  poly.m_points.push_back(ToPoly(m_path.m_points[0], kPolyIsland));
  for (int k = 0; k < m_path.SegmentCount(); ++k) {
    const int i = 3 * k;
    poly.m_points.push_back(ToPoly(m_path.m_points[size_t(i + 1)], kPolyCurve));
    poly.m_points.push_back(ToPoly(m_path.m_points[size_t(i + 2)], 0));
    poly.m_points.push_back(ToPoly(m_path.m_points[size_t(i + 3 < used ? i + 3 : 0)], 0));
  }
  poly.m_open = m_path.m_closed ? 0 : 1;
  m_polynome = std::move(poly);
  m_type = kTypePolynome;
  m_envelope = asEnvelope ? 1 : 0;
  m_text.clear();
  AllocateBitmaps(m_width, m_height);
  return true;
}

}  // namespace tessel
