// The marquee (code 16): a rubber band from the press; on release the objects and
// groups inside it become the selection.
#include <string>

#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_host.h"
#include "view/view_selection_geometry.h"

namespace tessel {

namespace {
constexpr int kMinMarquee = 3;   // a smaller marquee only clears the current object
constexpr int kMarqueeSlack = 3; // what lies up to 3 pixels over the marquee's edge still counts

// r lies strictly inside the marquee grown by the slack.
bool InsideMarquee(const CRect& r, const CRect& m) {
  return r.left > m.left - kMarqueeSlack && r.top > m.top - kMarqueeSlack && r.right < m.right + kMarqueeSlack &&
         r.bottom < m.bottom + kMarqueeSlack;
}
}  // namespace

void CVellumView::MarqueeMove(CPoint doc) {
  const CRect before = m_gestureRect.Normalized();
  m_gestureRect.right = doc.x;
  m_gestureRect.bottom = doc.y;
  InvalidateWithHandles(before.Union(m_gestureRect.Normalized()));
}

void CVellumView::MarqueeUp(CPoint doc) {
  m_tool = kToolSelect;
  m_gestureRect.right = doc.x;
  m_gestureRect.bottom = doc.y;
  const CRect marquee = m_gestureRect.Normalized();
  InvalidateWithHandles(marquee);
  SelectObject(nullptr);
  if (marquee.Width() < kMinMarquee || marquee.Height() < kMinMarquee) {
    UpdateStatusForCurrent();
    return;
  }
  for (const auto& owned : m_doc.m_objects) {
    CDrawObject* o = owned.get();
    if (!o->m_hidden && !o->m_inGroup && InsideMarquee(o->GetBoxRect(), marquee)) m_multi.push_back(o);
  }
  for (const CGroup& group : m_doc.m_groups)
    if (InsideMarquee(group.rect, marquee)) SelectGroup(group);
  if (m_multi.empty()) return;
  if (m_multi.size() == 1) {
    CDrawObject* only = m_multi.front();
    m_multi.clear();
    SelectObject(only);
    UpdateStatusForCurrent();
    return;
  }
  m_current = nullptr;
  m_host.SelectionChanged();
  InvalidateWithHandles(SelectionFrame());
  m_host.Status(" " + std::to_string(m_multi.size()) + " objects selected");
}

}  // namespace tessel
