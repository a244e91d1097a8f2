// The arrow line creator.
#include "document/draw_object.h"
#include "geometry/arrow_outline.h"

namespace tessel {

bool CDrawObject::CreateArrow(CPointD p0, CPointD p1, CPointD p2) {
  const std::vector<CPointD> outline = ArrowOutline(p0, p1, p2);
  if (outline.empty() || !CreatePath(outline, true)) return false;
  m_name = "Arrow";
  return true;
}

}  // namespace tessel
