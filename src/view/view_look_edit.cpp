// The property bars' way into the document: edits of the selected objects' look, each
// one undo step, and the look of new objects while nothing is selected.
#include "document/draw_object.h"
#include "document/object_attributes.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

namespace {
std::unique_ptr<CDrawObject> CopyOf(const CDrawObject& object) {
  auto copy = std::make_unique<CDrawObject>();
  *copy = object;
  return copy;
}
}  // namespace

CDrawObject* CVellumView::LookTarget() const {
  if (m_current) return m_current;
  return m_multi.empty() ? nullptr : m_multi.front();
}

const CDrawObject& CVellumView::DefaultLook() {
  if (!m_defaultLook) m_defaultLook = std::make_unique<CDrawObject>();
  // The creation defaults hold the colours, texture, bevel, outline and line width,
  // which styles change as well: the look takes them afresh each time.
  m_newDefaults.ApplyTo(*m_defaultLook, false);
  return *m_defaultLook;
}

namespace {
// The outline fields the creation defaults carry, taken from the edited default look.
void TakeOutline(COutlineDefaults& outline, const CObjectFields& look) {
  outline.m_outlineParam0 = look.m_outlineParam0;
  outline.m_outlineSoftness = look.m_outlineSoftness;
  outline.m_outlineColor2 = look.m_outlineColor2;
  outline.m_outlineColor = look.m_outlineColor;
  outline.m_outlineColor3 = look.m_outlineColor3;
  outline.m_outlineType = look.m_outlineType;
  outline.m_outlineWidth = look.m_outlineWidth;
  outline.m_outlineParam1 = look.m_outlineParam1;
}
}  // namespace

int CVellumView::EditLook(const std::function<void(CDrawObject&)>& edit) {
  const std::vector<CDrawObject*> targets = SelectedObjects();
  if (targets.empty()) {
    DefaultLook();
    edit(*m_defaultLook);
    // The creation defaults keep the fields that styles set too; both stay in step.
    m_newDefaults.looks.object.TakeFrom(*m_defaultLook);
    TakeOutline(m_newDefaults.outline, *m_defaultLook);
    m_newDefaults.m_objectLineWidth = m_defaultLook->m_lineWidth;
    m_defaultLookEdited = true;
    return 0;
  }
  int changed = 0;
  for (CDrawObject* object : targets) {
    std::unique_ptr<CDrawObject> base;
    for (auto& [previewed, saved] : m_lookPreviewBase)
      if (previewed == object) base = std::move(saved);
    if (!base) base = CopyOf(*object);
    edit(*object);
    if (!object->RendersLike(*base) || !object->m_rendered) object->RenderObject(false, nullptr);
    if (!object->StoresLike(*base)) ++changed;
  }
  m_lookPreviewBase.clear();
  if (changed) {
    m_doc.m_modified = true;
    SaveUndo();
  }
  RequestFullRedraw();
  m_host.SelectionChanged();
  return changed;
}

void CVellumView::PreviewLook(const std::function<void(CDrawObject&)>& edit) {
  for (CDrawObject* object : SelectedObjects()) {
    bool saved = false;
    for (const auto& entry : m_lookPreviewBase) saved = saved || entry.first == object;
    if (!saved) m_lookPreviewBase.emplace_back(object, CopyOf(*object));
    const CRect before = EffectRect(*object);
    edit(*object);
    object->RenderObject(false, nullptr);
    InvalidateObjectChange(before, *object);
  }
}

}  // namespace tessel
