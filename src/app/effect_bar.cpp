// The "Effect" bar's controls.
#include "app/effect_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSlider>
#include <QToolButton>

#include "app/slider_steps.h"
#include "document/draw_object.h"

namespace tessel {

namespace {
constexpr int kTenths = 10;
constexpr int kMaxDistance = 100;      // pixels; lenses take it as their strength
constexpr int kMaxAngle = 360;
constexpr int kMaxSoftnessTenths = 500;  // 50 pixels of blur
constexpr int kMaxOpacity = 255;
constexpr int kMaxMargin = 100;          // pixels around the box
}  // namespace

const QStringList& EffectKindNames() {
  static const QStringList names = {
      "No Effect",      "Drop Shadow",       "Sun Shadow",        "Glow",
      "Halo",           "Inset",             "Cutout",            "Inset + Shadow",
      "Knock-Out",      "Drop Gradient",     "Sparkle",           "Magnifying Lens",
      "Concave Glass",  "Upside Down",       "Ripple Lens",       "Fish-Eye Lens",
      "Crazy Sphere",   "Thick Border Lens", "Thick Center Lens", "Defocus Filter Lens",
      "Lens Flare"};
  return names;
}

void SetShadowSoftnessTenths(CObjectFields& look, int tenths) {
  look.m_effectDistanceF = double(tenths) / kTenths;
  // Truncation towards zero, as the float setter stores it.
  look.m_effectDistance = tenths / kTenths;
}

EffectBar::EffectBar(MainWindow& main) : PropertyBar("Effect", "effectBar", main) {
  AddCombo("Effect", EffectKindNames(), [](const CDrawObject& o) { return o.m_effect; },
           [](CDrawObject& o, int v) { o.m_effect = v; })
      ->setObjectName("effectKind");
  AddSlider("Distance", 0, kMaxDistance, [](const CDrawObject& o) { return o.m_effectParam1; },
            [](CDrawObject& o, int v) { o.m_effectParam1 = v; })
      ->setObjectName("effectDistance");
  AddSlider("Angle", 0, kMaxAngle, [](const CDrawObject& o) { return o.m_effectAngle; },
            [](CDrawObject& o, int v) { o.m_effectAngle = v; })
      ->setObjectName("effectAngle");
  AddSlider("Softness", 0, kMaxSoftnessTenths,
            [](const CDrawObject& o) { return SliderSteps(o.m_effectDistanceF, kTenths, kMaxSoftnessTenths); },
            [](CDrawObject& o, int v) { SetShadowSoftnessTenths(o, v); })
      ->setObjectName("effectSoftness");
  AddSlider("Opacity", 0, kMaxOpacity, [](const CDrawObject& o) { return o.m_effectParam2; },
            [](CDrawObject& o, int v) { o.m_effectParam2 = v; })
      ->setObjectName("effectOpacity");
  AddColor("Color", [](const CDrawObject& o) { return o.m_effectColor; },
           [](CDrawObject& o, COLORREF c) { o.m_effectColor = c; })
      ->setObjectName("effectColor");
  AddSlider("Margin", 0, kMaxMargin, [](const CDrawObject& o) { return o.m_effectSoftness; },
            [](CDrawObject& o, int v) { o.m_effectSoftness = v; })
      ->setObjectName("effectMargin");
  // The thickness lenses ("Thick Border Lens", "Thick Center Lens") only.
  AddCheck("Lens Environment", [](const CDrawObject& o) { return o.m_lensEnvironment; },
           [](CDrawObject& o, int v) { o.m_lensEnvironment = v; })
      ->setObjectName("lensEnvironment");
  AddCheck("Lens Shadow", [](const CDrawObject& o) { return o.m_lensDropMask > 0 ? 1 : 0; },
           [](CDrawObject& o, int v) { o.m_lensDropMask = v; })
      ->setObjectName("lensDropMask");
}

}  // namespace tessel
