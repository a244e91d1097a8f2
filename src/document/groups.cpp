// Groups: named sets of objects (by m_uid) that stay in their own places in the list.
#include <algorithm>

#include "document/draw_object.h"
#include "document/vellum_doc.h"

namespace tessel {

std::string CVellumDoc::CreateGroup(const std::vector<CDrawObject*>& selection) {
  if (selection.size() < 2) return "";
  // An object belongs to one group at most: the members leave their old groups first,
  // and a group left without members goes.
  for (auto it = m_groups.begin(); it != m_groups.end();) {
    auto& uids = it->uids;
    uids.erase(std::remove_if(uids.begin(), uids.end(),
                              [&](const std::string& u) {
                                return std::any_of(selection.begin(), selection.end(),
                                                   [&](const CDrawObject* o) { return o->m_uid == u; });
                              }),
               uids.end());
    it = uids.empty() ? m_groups.erase(it) : std::next(it);
  }
  CGroup group;
  for (CDrawObject* o : selection) {
    group.uids.push_back(o->m_uid);
    group.rect = group.rect.Union(o->GetSelectionRect());
    o->m_inGroup = 1;
  }
  m_groups.push_back(std::move(group));
  m_modified = true;
  return "You Created Group of " + std::to_string(selection.size()) + " objects";
}

const CGroup* CVellumDoc::GroupOf(const CDrawObject* object) const {
  for (const CGroup& g : m_groups)
    if (std::find(g.uids.begin(), g.uids.end(), object->m_uid) != g.uids.end()) return &g;
  return nullptr;
}

std::string CVellumDoc::Ungroup(const std::vector<CDrawObject*>& selection) {
  int members = 0;
  for (auto it = m_groups.begin(); it != m_groups.end();) {
    const bool hit = std::any_of(selection.begin(), selection.end(), [&](const CDrawObject* o) {
      return std::find(it->uids.begin(), it->uids.end(), o->m_uid) != it->uids.end();
    });
    if (!hit) {
      ++it;
      continue;
    }
    for (const std::string& uid : it->uids) {
      if (CDrawObject* o = FindByUid(uid)) {
        o->m_inGroup = 0;
        ++members;
      }
    }
    it = m_groups.erase(it);
    m_modified = true;
  }
  return " " + std::to_string(members) + " objects selected";
}

void CVellumDoc::ValidateGroups() {
  for (auto it = m_groups.begin(); it != m_groups.end();) {
    auto& uids = it->uids;
    uids.erase(std::remove_if(uids.begin(), uids.end(), [&](const std::string& u) { return !FindByUid(u); }),
               uids.end());
    it = uids.empty() ? m_groups.erase(it) : std::next(it);
  }
}

}  // namespace tessel
