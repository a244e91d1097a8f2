// Adding a new object to the document and completing it after it was built: the steps
// every creation tool shares.
#include "document/draw_object.h"
#include "document/object_attributes.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

CDrawObject* CVellumView::BeginNewObject(bool text) {
  CDrawObject* object = m_doc.NewObject();
  // A look edited in the property bars comes first; the creation defaults, which hold
  // the same values for the fields they carry, then add the rest.
  if (m_defaultLookEdited && !text) CopyAttributes(*object, *m_defaultLook, AttributeGroup::kAll);
  m_newDefaults.ApplyTo(*object, text);
  return object;
}

bool CVellumView::FinishNewObject(CDrawObject* object, bool built) {
  // A box too large for a bitmap leaves the object without one: that is a failure too.
  built = built && !object->m_bitmap.IsEmpty();
  if (!built) {
    m_doc.RemoveObject(object);
    return false;
  }
  SaveUndo();
  SelectObject(object);
  UpdateStatusForCurrent();
  m_host.LayersChanged();
  InvalidateDocument(EffectRect(*object));
  return true;
}

}  // namespace tessel
