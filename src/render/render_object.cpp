#include "document/draw_object.h"
#include "render/render_progress.h"

namespace tessel {

// The render engine grows step by step. For now the render does its first step: the
// object bitmap is sized to the box (recreated at 32 bits when its size differs). The
// coverage mask, fills, effects and compositing steps replace this as they arrive.
void CDrawObject::RenderObject(bool maskOnly, RenderProgress* progress) {
  (void)progress;
  if (m_width < 1 || m_height < 1) return;
  if (m_bitmap.Width() != m_width || m_bitmap.Height() != m_height || m_bitmap.BitsPerPixel() != 32)
    m_bitmap.Create(m_width, m_height, 32);
  if (!maskOnly) m_rendered = 1;
}

}  // namespace tessel
