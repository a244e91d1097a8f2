#include "app/bevel_bar.h"

#include <QComboBox>
#include <QSlider>
#include <QSpinBox>

#include "document/draw_object.h"

namespace tessel {

namespace {
constexpr int kMaxWidth = 100;
constexpr int kMaxDepth = 200;  // per cent; 100 is full shading
constexpr int kFullTurn = 360;
}  // namespace

const QStringList& BevelKindNames() {
  // "Frame " keeps its trailing blank: it is the kind's name as stored in lists.
  static const QStringList names = {"No Bevel",      "Smooth Bevel",  "Flat Bevel",     "Framed Bevel",
                                    "Random Noise",  "Saucer",        "Frame ",         "Outline",
                                    "Bump Out",      "Feather",       "Smooth+Warp",    "Smooth Hi-Lite",
                                    "3D Ball",       "3D Extrude",    "3D Barel",       "3D Transp",
                                    "Motion Linear", "Motion Zoom",   "Backlight",      "Blurrrr!",
                                    "Linear Wash",   "Horizontal",    "Vertical"};
  return names;
}

BevelBar::BevelBar(MainWindow& main) : PropertyBar("Bevel", "bevelBar", main) {
  AddCombo("Bevel", BevelKindNames(), [](const CDrawObject& o) { return o.m_bevelType; },
           [](CDrawObject& o, int v) { o.m_bevelType = v; })
      ->setObjectName("bevelType");
  QSlider* sliders[] = {
      AddSlider("Width", 0, kMaxWidth, [](const CDrawObject& o) { return o.m_bevelWidth; },
                [](CDrawObject& o, int v) { o.m_bevelWidth = v; }),
      AddSlider("Depth", 0, kMaxDepth, [](const CDrawObject& o) { return o.m_bevelParam1; },
                [](CDrawObject& o, int v) { o.m_bevelParam1 = v; }),
      AddSlider("Light Angle", 0, kFullTurn, [](const CDrawObject& o) { return o.m_bevelParam2; },
                [](CDrawObject& o, int v) { o.m_bevelParam2 = v; }),
  };
  sliders[0]->setObjectName("bevelWidth");
  sliders[1]->setObjectName("bevelDepth");
  sliders[2]->setObjectName("bevelAngle");
  // "No Bevel" has nothing to set.
  AddRefresher([sliders](const CDrawObject& o) {
    for (QSlider* slider : sliders) {
      slider->setEnabled(o.m_bevelType != 0);
      ValueFieldOf(slider)->setEnabled(o.m_bevelType != 0);
    }
  });
  Refresh();
}

}  // namespace tessel
