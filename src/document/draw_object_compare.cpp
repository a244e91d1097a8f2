// The render comparison behind undo: which stored fields change an object's own
// rendered bitmap.
#include <cstring>
#include <string_view>

#include "document/draw_object.h"
#include "document/object_field_list.h"

namespace tessel {

namespace {
// Fields that only place, name or bookkeep the object: moving an object does not render
// it again, and neither does renaming, hiding, grouping or editing multimedia settings.
// Frame copies are compared through the fields they show. The package bytes are the
// source of the package's picture, which the layer already holds.
constexpr std::string_view kNotRendered[] = {
    "m_name",          "m_left",      "m_top",         "m_hidden",       "m_inGroup",
    "m_pendingRect",   "m_mmParam1",  "m_mmParam2",    "m_mmParam3",     "m_glueWithPrevious",
    "m_packageId",     "m_cloneOf",   "m_currentFrame", "m_hasHighlightedFrame", "m_hasPushedFrame",
    "m_nonInteractive", "m_packageData", "m_packageSize", "m_packageInfo", "m_transpAngle",
};

bool Rendered(const char* name) {
  for (std::string_view n : kNotRendered)
    if (n == name) return false;
  return true;
}

// Walks the fields of a and finds the same member of b at the same offset: both are
// CDrawObject, so every member sits at the same place in each.
struct FieldsEqual {
  const CDrawObject& a;
  const CDrawObject& b;
  bool renderedOnly;
  bool equal = true;

  template <class T>
  void operator()(const char* name, const T& field) {
    if (!equal || (renderedOnly && !Rendered(name))) return;
    const std::ptrdiff_t offset = reinterpret_cast<const char*>(&field) - reinterpret_cast<const char*>(&a);
    const T& other = *reinterpret_cast<const T*>(reinterpret_cast<const char*>(&b) + offset);
    if (!(field == other)) equal = false;
  }
};
}  // namespace

bool CDrawObject::RendersLike(const CDrawObject& other) const {
  FieldsEqual compare{*this, other, true};
  ForEachStoredField(*this, compare);
  return compare.equal && m_renderScale == other.m_renderScale;
}

bool CDrawObject::StoresLike(const CDrawObject& other) const {
  FieldsEqual compare{*this, other, false};
  ForEachStoredField(*this, compare);
  return compare.equal;
}

}  // namespace tessel
