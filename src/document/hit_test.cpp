// Picking objects and groups at a document point.
//
// The pixel test reads the object's coverage mask, rebuilt from its outline on demand
// by the same rasteriser the render uses. The rendered bitmap's alpha is not a sound
// substitute: transparency maps, painted transparency and opacity can clear pixels the
// outline covers, and the mask exists only while a render runs. The mask is built only
// for objects whose selection rectangle holds the point, once per press, so a press
// costs at most one rasterisation per object under the pointer. Bitmap objects and
// objects without an outline cover their whole box, as in the render.
#include <algorithm>

#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "render/coverage_mask.h"

namespace tessel {

namespace {

// The samples: the point itself, a ring at 2 pixels, the diagonals at 3 and a ring at 5.
struct Offset {
  int dx, dy;
};
constexpr Offset kSamples[13] = {{0, 0},  {2, 0},  {-2, 0}, {0, 2},  {0, -2}, {3, 3}, {-3, 3},
                                 {3, -3}, {-3, -3}, {5, 0},  {-5, 0}, {0, 5},  {0, -5}};

// True when the object's outline covers a sample near document point (x, y). Samples
// are clamped to the object's box.
bool CoversNear(CDrawObject& o, int x, int y) {
  if (o.m_width < 1 || o.m_height < 1) return false;
  if (o.IsBitmap()) return true;  // a bitmap object's mask is its whole box
  CCoverageMask mask;
  PrepareCoverageMask(o, mask);
  if (mask.width != o.m_width || mask.height != o.m_height) return false;
  for (const Offset& s : kSamples) {
    const int mx = std::clamp(x + s.dx - o.m_left, 0, mask.width - 1);
    const int my = std::clamp(y + s.dy - o.m_top, 0, mask.height - 1);
    if (mask.At(mx, my) != 0) return true;
  }
  return false;
}

}  // namespace

CDrawObject* CVellumDoc::ObjectAt(int x, int y, bool byRect, std::string* hint) const {
  CDrawObject* candidate = nullptr;
  for (const auto& owned : m_objects) {
    CDrawObject& o = *owned;
    if (o.m_hidden || !o.GetSelectionRect().Contains(x, y)) continue;
    if (byRect) {
      candidate = &o;
    } else if (!o.m_inGroup && CoversNear(o, x, y)) {
      candidate = &o;
    } else if (hint) {
      *hint = kPickByRectangleHint;
    }
  }
  if (candidate && candidate->m_inGroup) return nullptr;
  return candidate;
}

const CGroup* CVellumDoc::GroupAt(int x, int y) const {
  const auto last = std::find_if(m_groups.rbegin(), m_groups.rend(),
                                 [&](const CGroup& g) { return g.rect.Contains(x, y); });
  return last == m_groups.rend() ? nullptr : &*last;
}

void CVellumDoc::RecomputeGroupRects() {
  for (CGroup& g : m_groups) {
    CRect united;
    for (const std::string& uid : g.uids)
      if (const CDrawObject* o = FindByUid(uid)) united = united.Union(o->GetSelectionRect());
    g.rect = united;
  }
}

}  // namespace tessel
