// Every stored field of a drawing object under its field name, for outside checks
// (tessel-cli info) and for tests that compare whole records. f is called as
// f(name, field) with the field's own type: int32_t, uint32_t (colours), double,
// std::string, std::array of numbers, CBezier, CPolynome, CLightSet, CLogFont,
// std::vector<uint8_t> (package bytes) or CDIBSection (layers).
#pragma once

#include "document/draw_object.h"

namespace tessel {

template <class Obj, class F>
void ForEachStoredField(Obj& o, F&& f) {
  f("m_name", o.m_name);
  f("m_type", o.m_type);
  f("m_left", o.m_left);
  f("m_top", o.m_top);
  f("m_width", o.m_width);
  f("m_height", o.m_height);
  f("m_pendingRect", o.m_pendingRect);
  f("m_texture3D", o.m_texture3D);
  f("m_textureParam1", o.m_textureParam1);
  f("m_textureParam2", o.m_textureParam2);
  f("m_hidden", o.m_hidden);
  f("m_inGroup", o.m_inGroup);
  f("m_textureMode", o.m_textureMode);
  f("m_transpMode", o.m_transpMode);
  f("m_path", o.m_path);
  f("m_polynome", o.m_polynome);
  f("m_layer", o.m_layer);
  f("m_color", o.m_color);
  f("m_color2", o.m_color2);
  f("m_effectColor", o.m_effectColor);
  f("m_text", o.m_text);
  f("m_textureName", o.m_textureName);
  f("m_transpName", o.m_transpName);
  f("m_lightDir", o.m_lightDir);
  f("m_texScaleX", o.m_texScaleX);
  f("m_texScaleY", o.m_texScaleY);
  f("m_texAngle", o.m_texAngle);
  f("m_texAngle2", o.m_texAngle2);
  f("m_imageWidth", o.m_imageWidth);
  f("m_imageHeight", o.m_imageHeight);
  f("m_antiAlias", o.m_antiAlias);
  f("m_bevelType", o.m_bevelType);
  f("m_bevelWidth", o.m_bevelWidth);
  f("m_bevelParam1", o.m_bevelParam1);
  f("m_bevelParam2", o.m_bevelParam2);
  f("m_bitmapAngle", o.m_bitmapAngle);
  f("m_texture3DDepth", o.m_texture3DDepth);
  f("m_mutafluxIndex", o.m_mutafluxIndex);
  f("m_mutafluxParam", o.m_mutafluxParam);
  f("m_effect", o.m_effect);
  f("m_effectAngle", o.m_effectAngle);
  f("m_effectParam1", o.m_effectParam1);
  f("m_effectParam2", o.m_effectParam2);
  f("m_effectSoftness", o.m_effectSoftness);
  f("m_effectDistance", o.m_effectDistance);
  f("m_effectDistanceF", o.m_effectDistanceF);
  f("m_gradientParam", o.m_gradientParam);
  f("m_lineWidth", o.m_lineWidth);
  f("m_texOffsetX", o.m_texOffsetX);
  f("m_texOffsetY", o.m_texOffsetY);
  f("m_textureAmount", o.m_textureAmount);
  f("m_transpAngle", o.m_transpAngle);
  f("m_transpAmount", o.m_transpAmount);
  f("m_envelope", o.m_envelope);
  f("m_font", o.m_font);
  f("m_textBold", o.m_textBold);
  f("m_textItalic", o.m_textItalic);
  f("m_textParam", o.m_textParam);
  f("m_textSize", o.m_textSize);
  f("m_textAlign", o.m_textAlign);
  f("m_hasHighlightedFrame", o.m_hasHighlightedFrame);
  f("m_hasPushedFrame", o.m_hasPushedFrame);
  f("m_nonInteractive", o.m_nonInteractive);
  f("m_glueWithPrevious", o.m_glueWithPrevious);
  f("m_currentFrame", o.m_currentFrame);
  f("m_mmParam1", o.m_mmParam1);
  f("m_mmParam2", o.m_mmParam2);
  f("m_mmParam3", o.m_mmParam3);
  f("m_bitmapParam", o.m_bitmapParam);
  f("m_texParam1", o.m_texParam1);
  f("m_texParam2", o.m_texParam2);
  f("m_texPerspAmount", o.m_texPerspAmount);
  f("m_texPerspAngle", o.m_texPerspAngle);
  f("m_lensDropMask", o.m_lensDropMask);
  f("m_lensEnvironment", o.m_lensEnvironment);
  f("m_packageSize", o.m_packageSize);
  f("m_packageInfo", o.m_packageInfo);
  f("m_packageData", o.m_packageData);
  f("m_flipV", o.m_flipV);
  f("m_flipH", o.m_flipH);
  f("m_outlineColor2", o.m_outlineColor2);
  f("m_outlineColor", o.m_outlineColor);
  f("m_outlineColor3", o.m_outlineColor3);
  f("m_outlineType", o.m_outlineType);
  f("m_outlineWidth", o.m_outlineWidth);
  f("m_outlineParam0", o.m_outlineParam0);
  f("m_outlineSoftness", o.m_outlineSoftness);
  f("m_outlineParam1", o.m_outlineParam1);
  f("m_lightsOn", o.m_lightsOn);
  f("m_lights", o.m_lights);
  f("m_imageFlag", o.m_imageFlag);
  f("m_colorGain", o.m_colorGain);
  f("m_packageId", o.m_packageId);
  f("m_cloneOf", o.m_cloneOf);
  f("m_shadowOption", o.m_shadowOption);
  f("m_layerScaleX", o.m_layerScaleX);
  f("m_layerScaleY", o.m_layerScaleY);
  f("m_layerAngle", o.m_layerAngle);
  f("m_layerAngle2", o.m_layerAngle2);
  f("m_layerPerspMode", o.m_layerPerspMode);
  f("m_layerPerspAmount", o.m_layerPerspAmount);
  f("m_layerOffsetX", o.m_layerOffsetX);
  f("m_layerOffsetY", o.m_layerOffsetY);
  f("m_opacity", o.m_opacity);
  f("m_transpGeom", o.m_transpGeom);
  f("m_layerTranspMode", o.m_layerTranspMode);
  f("m_paintTransp", o.m_paintTransp);
  f("m_surfaceAmount", o.m_surfaceAmount);
  f("m_surfaceScale", o.m_surfaceScale);
  f("m_surfaceMode", o.m_surfaceMode);
  f("m_surfaceName", o.m_surfaceName);
  f("m_layerFlag", o.m_layerFlag);
  f("m_bumpAmount", o.m_bumpAmount);
  f("m_bumpScale", o.m_bumpScale);
  f("m_bumpName", o.m_bumpName);
  f("m_bumpMode", o.m_bumpMode);
  f("m_perspX", o.m_perspX);
  f("m_perspY", o.m_perspY);
}

}  // namespace tessel
