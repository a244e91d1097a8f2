// Dragging guidelines with the select tool (codes 25 and 26). A guideline dropped
// outside the window is removed.
#include <algorithm>
#include <cstdlib>

#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

namespace {
constexpr int kGuideHit = 3;          // strictly closer than this in document pixels
constexpr int kRemovedGuide = -5000;  // where a dropped-outside guideline goes
constexpr int kRemoveAtOrBelow = -2000;

int FindGuide(const std::vector<int32_t>& guides, int position) {
  for (size_t i = 0; i < guides.size(); ++i)
    if (std::abs(position - guides[i]) < kGuideHit) return int(i);
  return -1;
}
}  // namespace

bool CVellumView::StartGuideDrag(CPoint doc) {
  int tool = kToolGuideV;
  int index = FindGuide(m_doc.m_guidesV, doc.x);
  if (index < 0) {
    tool = kToolGuideH;
    index = FindGuide(m_doc.m_guidesH, doc.y);
  }
  if (index < 0) return false;
  m_tool = tool;
  m_guideIndex = index;
  m_dragging = true;
  m_host.SetCapture(true);
  m_host.SetCursor(ViewCursor::kConstrainedMove);
  return true;
}

void CVellumView::InvalidateGuideline(bool vertical, int position) {
  const CRect visible = VisibleDocument();
  InvalidateDocument(vertical ? CRect{position - 1, visible.top, position + 2, visible.bottom}
                              : CRect{visible.left, position - 1, visible.right, position + 2});
}

void CVellumView::GuideDragMove(CPoint doc) {
  const bool vertical = m_tool == kToolGuideV;
  auto& guides = vertical ? m_doc.m_guidesV : m_doc.m_guidesH;
  if (m_guideIndex < 0 || m_guideIndex >= int(guides.size())) return;
  InvalidateGuideline(vertical, guides[m_guideIndex]);
  guides[m_guideIndex] = vertical ? doc.x : doc.y;
  InvalidateGuideline(vertical, guides[m_guideIndex]);
}

void CVellumView::GuideDragUp(CPoint window, CPoint doc) {
  const bool vertical = m_tool == kToolGuideV;
  auto& guides = vertical ? m_doc.m_guidesV : m_doc.m_guidesH;
  if (m_guideIndex >= 0 && m_guideIndex < int(guides.size())) {
    const CSize client = ClientSize();
    const bool outside = window.x < 0 || window.y < 0 || window.x >= client.cx || window.y >= client.cy;
    guides[m_guideIndex] = outside ? kRemovedGuide : (vertical ? doc.x : doc.y);
    guides.erase(std::remove_if(guides.begin(), guides.end(), [](int g) { return g <= kRemoveAtOrBelow; }),
                 guides.end());
  }
  m_guideIndex = -1;
  m_tool = kToolSelect;
  m_dragging = false;
  m_host.InvalidateAll();
}

}  // namespace tessel
