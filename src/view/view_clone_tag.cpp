// The clone tag (handle 11 of a clone or a clone source): a press asks for the package
// number. A clone then mirrors the package with that number; a source takes the new
// number and its clones follow it.
#include <string>

#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_host.h"
#include "view/view_selection_geometry.h"

namespace tessel {

namespace {
constexpr char kPackageNumberTitle[] = "Package Number";

CDrawObject* FindPackageNumbered(CVellumDoc& doc, int id) {
  for (const auto& o : doc.m_objects)
    if (o->IsPackage() && o->m_packageId == id) return o.get();
  return nullptr;
}
}  // namespace

void CVellumView::EditCloneTag() {
  if (!m_current) return;
  CDrawObject& o = *m_current;
  const bool clone = o.IsClone();
  int value = clone ? o.m_cloneOf : o.m_packageId;
  if (!m_host.AskNumber(kPackageNumberTitle, &value) || value == (clone ? o.m_cloneOf : o.m_packageId)) return;
  CDrawObject* package = FindPackageNumbered(m_doc, value);
  if (clone) {
    // A clone can only mirror a package this document holds.
    if (value <= 0 || !package) {
      m_host.Status("There is no package number " + std::to_string(value) + ".");
      return;
    }
    o.m_cloneOf = value;
    o.m_layer = package->m_layer.Clone();
    o.m_imageFlag = package->m_imageFlag;
    o.m_imageWidth = package->m_imageWidth;
    o.m_imageHeight = package->m_imageHeight;
  } else {
    // Two packages may not share a number; the source's clones follow it.
    if (value <= 0 || package) {
      m_host.Status("The package number " + std::to_string(value) + " is already used.");
      return;
    }
    for (const auto& other : m_doc.m_objects)
      if (other->m_cloneOf == o.m_packageId) other->m_cloneOf = value;
    o.m_packageId = value;
  }
  FinishPlacementEdit(ObjectArea(o));
  UpdateStatusForCurrent();
  m_host.SelectionChanged();
}

}  // namespace tessel
