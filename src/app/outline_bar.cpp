// The "Outline" bar's controls.
#include "app/outline_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSlider>
#include <QToolButton>

#include "app/slider_steps.h"
#include "document/draw_object.h"

namespace tessel {

namespace {
constexpr int kMaxWidth = 200;
constexpr int kMaxAngle = 360;
constexpr int kMidpointSteps = 100;  // the midpoint 0..1 in hundredths
}  // namespace

const QStringList& OutlineKindNames() {
  static const QStringList names = {"No Outline", "Solid Outline", "Thick Outline", "Soft Outline", "Blured"};
  return names;
}

OutlineBar::OutlineBar(MainWindow& main) : PropertyBar("Outline", "outlineBar", main) {
  AddCombo("Outline", OutlineKindNames(), [](const CDrawObject& o) { return o.m_outlineType; },
           [](CDrawObject& o, int v) { o.m_outlineType = v; })
      ->setObjectName("outlineKind");
  AddSlider("Width", 0, kMaxWidth, [](const CDrawObject& o) { return o.m_outlineWidth; },
            [](CDrawObject& o, int v) { o.m_outlineWidth = v; })
      ->setObjectName("outlineWidth");
  AddColor("First Color", [](const CDrawObject& o) { return o.m_outlineColor2; },
           [](CDrawObject& o, COLORREF c) { o.m_outlineColor2 = c; })
      ->setObjectName("outlineFirstColor");
  AddColor("Middle Color", [](const CDrawObject& o) { return o.m_outlineColor; },
           [](CDrawObject& o, COLORREF c) { o.m_outlineColor = c; })
      ->setObjectName("outlineMiddleColor");
  AddColor("Last Color", [](const CDrawObject& o) { return o.m_outlineColor3; },
           [](CDrawObject& o, COLORREF c) { o.m_outlineColor3 = c; })
      ->setObjectName("outlineLastColor");
  AddCheck("Gradient", [](const CDrawObject& o) { return o.m_outlineParam0 != 0 ? 1 : 0; },
           [](CDrawObject& o, int v) { o.m_outlineParam0 = v; })
      ->setObjectName("outlineGradient");
  AddSlider("Angle", 0, kMaxAngle, [](const CDrawObject& o) { return o.m_outlineParam1; },
            [](CDrawObject& o, int v) { o.m_outlineParam1 = v; })
      ->setObjectName("outlineAngle");
  AddSlider("Midpoint", 0, kMidpointSteps,
            [](const CDrawObject& o) { return SliderSteps(o.m_outlineSoftness, kMidpointSteps, kMidpointSteps); },
            [](CDrawObject& o, int v) { o.m_outlineSoftness = double(v) / kMidpointSteps; })
      ->setObjectName("outlineMidpoint");
}

}  // namespace tessel
