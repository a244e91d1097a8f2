// Placeholder transforms of drawing objects while they are being written.
#include "document/draw_object.h"

namespace tessel {

void CDrawObject::SetPosition(int left, int top) {
  m_left = left;
  m_top = top;
}
void CDrawObject::Rotate(int, bool) {}
void CDrawObject::Skew(int, int, int, int) {}
void CDrawObject::Mirror(bool) {}

}  // namespace tessel
