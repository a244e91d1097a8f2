// The view's object commands: align, centre on the canvas, flip, stacking order,
// next and previous object, hiding and showing, grouping.
#include <algorithm>

#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

namespace {
bool IsMember(const std::vector<CDrawObject*>& members, const CDrawObject* o) {
  return std::find(members.begin(), members.end(), o) != members.end();
}

// True when the members (in document order) already are the topmost objects (atTop)
// or the bottommost ones, in that order: moving them there would change nothing.
bool AlreadyAtEnd(const CVellumDoc& doc, const std::vector<CDrawObject*>& members, bool atTop) {
  const int n = doc.ObjectCount(), k = int(members.size());
  for (int i = 0; i < k; ++i)
    if (doc.ObjectAt(atTop ? n - k + i : i) != members[size_t(i)]) return false;
  return true;
}
}  // namespace

void CVellumView::Align(ViewCommand command) {
  if (m_multi.empty()) return;
  CRect u;
  for (const CDrawObject* o : m_multi) u = u.Union(o->GetBoxRect());
  const CRect oldFrame = SelectionFrame();
  using C = ViewCommand;
  for (CDrawObject* o : m_multi) {
    int x = o->m_left, y = o->m_top;
    switch (command) {
      case C::kAlignLeft: x = u.left; break;
      case C::kAlignRight: x = u.right - o->m_width; break;
      case C::kAlignTop: y = u.top; break;
      case C::kAlignBottom: y = u.bottom - o->m_height; break;
      case C::kAlignCenter:
        x = u.left + u.Width() / 2 - o->m_width / 2;
        y = u.top + u.Height() / 2 - o->m_height / 2;
        break;
      default: return;
    }
    o->SetPosition(x, y);
  }
  m_doc.m_modified = true;
  InvalidateDocument(oldFrame.Union(SelectionFrame()));
  SaveUndo();
}

void CVellumView::CenterOnPage() {
  const std::vector<CDrawObject*> members = SelectedObjects();
  if (members.empty()) return;
  // Each member is centred on its own, so all of them share the canvas centre.
  for (CDrawObject* o : members) o->SetPosition(m_doc.m_width / 2 - o->m_width / 2, m_doc.m_height / 2 - o->m_height / 2);
  m_doc.m_modified = true;
  DiscardCache();
  RequestFullRedraw();
  SaveUndo();
}

void CVellumView::Flip(bool horizontal) {
  if (!m_current) return;
  CDrawObject& o = *m_current;
  // A package or clone shows a stored picture: the flag tells its renders to mirror it.
  if (o.IsPackage() || o.IsClone()) {
    int32_t& flag = horizontal ? o.m_flipH : o.m_flipV;
    flag = flag ? 0 : 1;
  }
  o.Mirror(horizontal);
  m_doc.m_modified = true;
  SaveUndo();
  RequestFullRedraw();
}

void CVellumView::StackingOrder(ViewCommand command) {
  const std::vector<CDrawObject*> members = SelectedObjects();  // document order
  if (members.empty()) return;
  // Each single move is its own undo step.
  int moves = 0;
  auto moved = [&] {
    SaveUndo();
    ++moves;
  };
  using C = ViewCommand;
  switch (command) {
    case C::kBringToFront:
      if (AlreadyAtEnd(m_doc, members, true)) break;
      for (CDrawObject* o : members)
        if (m_doc.BringToFront({o})) moved();
      break;
    case C::kSendToBack:
      if (AlreadyAtEnd(m_doc, members, false)) break;
      // From the top member down, so that the members keep their order at the bottom.
      for (auto it = members.rbegin(); it != members.rend(); ++it)
        if (m_doc.SendToBack({*it})) moved();
      break;
    case C::kBringForward:
      // From the top member down, each trades places with the object above it unless
      // that is a member too: a run of members moves up together and keeps its order.
      for (auto it = members.rbegin(); it != members.rend(); ++it) {
        CDrawObject* above = m_doc.NextObject(*it);
        if (above != *it && !IsMember(members, above) && m_doc.SendBackward(above)) moved();
      }
      break;
    case C::kSendBackward:
      if (m_current && m_doc.SendBackward(m_current)) moved();
      break;
    default: break;
  }
  if (moves == 0) return;
  DiscardCache();
  RequestFullRedraw();
  m_host.LayersChanged();
  m_host.SelectionChanged();
}

void CVellumView::SelectNeighbour(bool next) {
  if (!m_current) return;
  CDrawObject* neighbour = next ? m_doc.NextObject(m_current) : m_doc.PreviousObject(m_current);
  if (neighbour && neighbour != m_current) SelectObject(neighbour);
}

void CVellumView::HideAbove() {
  if (!m_current) return;
  bool above = false;
  for (const auto& o : m_doc.m_objects) {
    o->m_hidden = above ? 1 : 0;
    if (o.get() == m_current) above = true;
  }
  m_doc.m_modified = true;
  m_host.LayersChanged();
  DiscardCache();
  RequestFullRedraw();
  SaveUndo();
}

void CVellumView::ShowAll() {
  for (const auto& o : m_doc.m_objects) o->m_hidden = 0;
  m_doc.m_modified = true;
  m_host.LayersChanged();
  DiscardCache();
  RequestFullRedraw();
}

void CVellumView::Group() {
  const std::string status = m_doc.CreateGroup(m_multi);
  if (status.empty()) return;
  m_currentGroup = &m_doc.m_groups.back();
  m_host.Status(status);
}

void CVellumView::Ungroup() {
  if (!m_currentGroup) return;
  std::vector<CDrawObject*> members;
  for (const std::string& uid : m_currentGroup->uids)
    if (CDrawObject* o = m_doc.FindByUid(uid)) members.push_back(o);
  if (members.empty()) {
    // None of its members exists any more: the record just goes.
    m_doc.m_groups.remove_if([&](const CGroup& g) { return &g == m_currentGroup; });
    m_currentGroup = nullptr;
    return;
  }
  m_host.Status(m_doc.Ungroup(members));
  m_currentGroup = nullptr;
  m_host.LayersChanged();
}

}  // namespace tessel
