// CObjectFields: every plain (copyable) field of a drawing object, with the
// constructor defaults. CDrawObject adds the bitmaps, frame copies and run-time state.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/log_font.h"
#include "geometry/bezier.h"
#include "geometry/polynome.h"
#include "render/light_set.h"

namespace tessel {

using COLORREF = uint32_t;  // 0x00BBGGRR, red in the low byte

enum ObjectType : int32_t { kTypeNone = 0, kTypePath = 1, kTypeBitmap = 3, kTypePolynome = 4 };
constexpr int kEffectLensFlare = 20;
constexpr int kFirstLensEffect = 11;

struct CObjectFields {
  // Perspective corners top-left, top-right, bottom-left, bottom-right in box units.
  std::array<float, 4> m_perspX{0, 1, 0, 1};
  std::array<float, 4> m_perspY{0, 0, 1, 1};

  // Surface skin and bump map.
  int32_t m_surfaceAmount = 200;
  double m_surfaceScale = 0.5;
  int32_t m_surfaceMode = 0;
  std::string m_surfaceName;
  int32_t m_bumpAmount = 200;
  double m_bumpScale = 0.5;
  std::string m_bumpName;
  int32_t m_bumpMode = 0;

  int32_t m_layerTranspMode = 0;  // transparency-map invert flag

  // Bitmap layer placement, packages and clones.
  int32_t m_packageId = 0;
  int32_t m_cloneOf = 0;
  double m_layerScaleX = 1.0, m_layerScaleY = 1.0;
  double m_layerOffsetX = 0.0, m_layerOffsetY = 0.0;
  int32_t m_layerAngle = 0, m_layerAngle2 = 0;
  int32_t m_layerPerspMode = 0;
  double m_layerPerspAmount = 1.0;
  int32_t m_layerFlag = 0;  // combine mode: 0 XOR (even-odd), 1 Union (non-zero)
  std::array<double, 3> m_colorGain{1.0, 1.0, 1.0};
  int32_t m_shadowOption = 0;  // blend mode 0..13
  CLightSet m_lights;
  int32_t m_lightsOn = 0;

  // Outline.
  int32_t m_outlineParam0 = 0;
  double m_outlineSoftness = 0.5;
  COLORREF m_outlineColor2 = 0x000000;
  COLORREF m_outlineColor = 0xFFFFFF;
  COLORREF m_outlineColor3 = 0xFF0000;
  int32_t m_outlineType = 0;
  int32_t m_outlineWidth = 20;
  int32_t m_outlineParam1 = 0;

  // Package, flips and bitmap placement.
  int32_t m_imageFlag = 0;
  int32_t m_flipV = 0, m_flipH = 0;
  std::vector<uint8_t> m_packageData;  // bytes of the packaged document
  int32_t m_packageSize = 0;           // kept equal to m_packageData.size()
  std::array<int32_t, 2> m_packageInfo{0, 0};
  int32_t m_lensEnvironment = 0;
  int32_t m_lensDropMask = 0;
  int32_t m_imageWidth = 0, m_imageHeight = 0;
  int32_t m_bitmapAngle = 0;
  int32_t m_bitmapParam = 0;
  int32_t m_opacity = 255;
  std::array<double, 6> m_transpGeom{0.0, 1.0, 0.5, 0.5, 0.5, 0.0};

  // Geometry.
  CBezier m_path;
  CPolynome m_polynome;
  std::array<int32_t, 4> m_pendingRect{0, 0, 0, 0};  // left, top, width, height

  // Fill, bevel and kind.
  COLORREF m_color = 0x0000FF;
  COLORREF m_color2 = 0xFF0000;
  int32_t m_textureMode = 0;
  int32_t m_antiAlias = 3;
  int32_t m_gradientParam = 0;
  int32_t m_bevelType = 0;
  int32_t m_bevelWidth = 8;
  int32_t m_bevelParam1 = 75;
  int32_t m_bevelParam2 = 135;
  int32_t m_type = kTypeNone;
  int32_t m_envelope = 0;
  std::string m_textureName;
  int32_t m_textureAmount = 255;
  int32_t m_textureParam1 = 0;
  int32_t m_textureParam2 = 0;

  // Transparency map.
  int32_t m_transpAmount = 0;
  std::string m_transpName;
  int32_t m_transpAngle = 0;
  int32_t m_transpMode = 1;

  // Text.
  std::string m_text;
  int32_t m_textBold = 0;
  int32_t m_textItalic = 0;
  int32_t m_textParam = 0;
  double m_textSize = 20.0;
  int32_t m_textAlign = 0;
  CLogFont m_font;

  // Effect.
  int32_t m_effect = 0;
  int32_t m_effectParam1 = 3;
  int32_t m_effectAngle = 45;
  int32_t m_effectDistance = 2;
  double m_effectDistanceF = 2.0;
  int32_t m_effectParam2 = 200;
  COLORREF m_effectColor = 0x000000;

  // Multimedia button frames (the copies themselves live in CDrawObject).
  int32_t m_mmParam1 = 0, m_mmParam2 = 0, m_mmParam3 = 0;
  int32_t m_hasHighlightedFrame = 0;
  int32_t m_hasPushedFrame = 0;
  int32_t m_nonInteractive = 0;
  int32_t m_currentFrame = 0;
  int32_t m_glueWithPrevious = 0;

  // Box and name.
  int32_t m_effectSoftness = 10;  // shadow margin
  int32_t m_left = 0, m_top = 0;
  int32_t m_width = 0, m_height = 0;
  std::string m_name;
  std::array<double, 3> m_lightDir{-0.6476, -0.52906, 0.54827};

  // Generator, 3D texture and texture placement.
  int32_t m_mutafluxIndex = 0;
  std::array<int32_t, 3> m_mutafluxParam{2334, 243, 243};
  int32_t m_texture3D = 0;
  int32_t m_texture3DDepth = 40;
  int32_t m_lineWidth = 6;
  double m_texScaleX = 1.0, m_texScaleY = 1.0;
  double m_texAngle = 0.0, m_texAngle2 = 0.0;
  int32_t m_texOffsetX = 0, m_texOffsetY = 0;
  int32_t m_texParam1 = 0, m_texParam2 = 0;
  double m_texPerspAmount = 1.0;
  double m_texPerspAngle = 0.0;
  int32_t m_hidden = 0;
  int32_t m_inGroup = 0;
};

}  // namespace tessel
