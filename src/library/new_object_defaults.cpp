#include "library/new_object_defaults.h"

namespace tessel {

namespace {
template <class From, class To>
void CopyDefaultValues(const From& f, To& t) {
  t.m_color = f.m_color;
  t.m_color2 = f.m_color2;
  t.m_textureName = f.m_textureName;
  t.m_textureAmount = f.m_textureAmount;
  t.m_textureParam1 = f.m_textureParam1;
  t.m_textureParam2 = f.m_textureParam2;
  t.m_bevelType = f.m_bevelType;
  t.m_bevelWidth = f.m_bevelWidth;
  t.m_bevelParam1 = f.m_bevelParam1;
  t.m_bevelParam2 = f.m_bevelParam2;
}
}  // namespace

void CObjectDefaults::TakeFrom(const CObjectFields& style) { CopyDefaultValues(style, *this); }

void CObjectDefaults::ApplyTo(CObjectFields& object) const { CopyDefaultValues(*this, object); }

}  // namespace tessel
