#include "document/object_attributes.h"

#include "base/archive.h"
#include "document/draw_object.h"

namespace tessel {

namespace {
void CopyColorTexture(CObjectFields& t, const CObjectFields& f) {
  t.m_color = f.m_color;
  t.m_color2 = f.m_color2;
  t.m_textureName = f.m_textureName;
  t.m_textureMode = f.m_textureMode;
  t.m_textureAmount = f.m_textureAmount;
  t.m_textureParam1 = f.m_textureParam1;
  t.m_textureParam2 = f.m_textureParam2;
  t.m_gradientParam = f.m_gradientParam;
  t.m_texture3D = f.m_texture3D;
  t.m_texture3DDepth = f.m_texture3DDepth;
  t.m_mutafluxIndex = f.m_mutafluxIndex;
  t.m_mutafluxParam = f.m_mutafluxParam;
}

void CopyTransparency(CObjectFields& t, const CObjectFields& f) {
  t.m_transpAmount = f.m_transpAmount;
  t.m_transpName = f.m_transpName;
  t.m_transpAngle = f.m_transpAngle;
  t.m_transpMode = f.m_transpMode;
  t.m_transpGeom = f.m_transpGeom;
  t.m_layerTranspMode = f.m_layerTranspMode;
  t.m_shadowOption = f.m_shadowOption;
}

void CopyBevel(CObjectFields& t, const CObjectFields& f) {
  t.m_bevelType = f.m_bevelType;
  t.m_bevelWidth = f.m_bevelWidth;
  t.m_bevelParam1 = f.m_bevelParam1;
  t.m_bevelParam2 = f.m_bevelParam2;
}

// The softness is kept twice (a float and its truncation); both travel together so the
// shadow blur and the inner-shadow radius agree.
void CopyEffect(CObjectFields& t, const CObjectFields& f) {
  t.m_effect = f.m_effect;
  t.m_effectParam1 = f.m_effectParam1;
  t.m_effectAngle = f.m_effectAngle;
  t.m_effectDistance = f.m_effectDistance;
  t.m_effectDistanceF = f.m_effectDistanceF;
  t.m_effectParam2 = f.m_effectParam2;
  t.m_effectColor = f.m_effectColor;
  t.m_effectSoftness = f.m_effectSoftness;
}

void CopyLights(CObjectFields& t, const CObjectFields& f) {
  t.m_lightsOn = f.m_lightsOn;
  t.m_lights = f.m_lights;
}

// The rest of the look: texture placement, outline, bump map and surface skin, colour
// correction, opacity, edge quality, the bevel's light direction and the lens options.
void CopyRestOfLook(CObjectFields& t, const CObjectFields& f) {
  t.m_texScaleX = f.m_texScaleX;
  t.m_texScaleY = f.m_texScaleY;
  t.m_texAngle = f.m_texAngle;
  t.m_texAngle2 = f.m_texAngle2;
  t.m_texOffsetX = f.m_texOffsetX;
  t.m_texOffsetY = f.m_texOffsetY;
  t.m_texParam1 = f.m_texParam1;
  t.m_texParam2 = f.m_texParam2;
  t.m_texPerspAmount = f.m_texPerspAmount;
  t.m_texPerspAngle = f.m_texPerspAngle;
  t.m_outlineParam0 = f.m_outlineParam0;
  t.m_outlineSoftness = f.m_outlineSoftness;
  t.m_outlineColor = f.m_outlineColor;
  t.m_outlineColor2 = f.m_outlineColor2;
  t.m_outlineColor3 = f.m_outlineColor3;
  t.m_outlineType = f.m_outlineType;
  t.m_outlineWidth = f.m_outlineWidth;
  t.m_outlineParam1 = f.m_outlineParam1;
  t.m_surfaceAmount = f.m_surfaceAmount;
  t.m_surfaceScale = f.m_surfaceScale;
  t.m_surfaceMode = f.m_surfaceMode;
  t.m_surfaceName = f.m_surfaceName;
  t.m_bumpAmount = f.m_bumpAmount;
  t.m_bumpScale = f.m_bumpScale;
  t.m_bumpName = f.m_bumpName;
  t.m_bumpMode = f.m_bumpMode;
  t.m_colorGain = f.m_colorGain;
  t.m_opacity = f.m_opacity;
  t.m_antiAlias = f.m_antiAlias;
  t.m_lightDir = f.m_lightDir;
  t.m_lensEnvironment = f.m_lensEnvironment;
  t.m_lensDropMask = f.m_lensDropMask;
}
}  // namespace

void CopyAttributes(CDrawObject& to, const CDrawObject& from, AttributeGroup group) {
  CObjectFields& t = to;
  const CObjectFields& f = from;
  switch (group) {
    case AttributeGroup::kColorTexture: CopyColorTexture(t, f); break;
    case AttributeGroup::kTransparency: CopyTransparency(t, f); break;
    case AttributeGroup::kBevel: CopyBevel(t, f); break;
    case AttributeGroup::kEffect: CopyEffect(t, f); break;
    case AttributeGroup::kLights: CopyLights(t, f); break;
    case AttributeGroup::kAll:
      CopyColorTexture(t, f);
      CopyTransparency(t, f);
      CopyBevel(t, f);
      CopyEffect(t, f);
      CopyLights(t, f);
      CopyRestOfLook(t, f);
      break;
  }
}

bool PasteAttributes(CArchive& clipboard, CDrawObject& target) {
  CDrawObject source;
  try {
    if (clipboard.ReadU32() == 0) return false;
    source.SerializeFields(clipboard, true);
  } catch (const CArchiveException&) {
    return false;
  }
  CopyAttributes(target, source, AttributeGroup::kAll);
  target.RenderObject(false, nullptr);
  return true;
}

}  // namespace tessel
