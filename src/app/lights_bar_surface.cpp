// The Lights & Material bar's relief and skin rows: how the bump map is scaled and
// whether it is inverted, and the surface skin laid over the object with its amount,
// scale and blend mode.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "app/bump_map_dialog.h"
#include "app/lights_bar.h"
#include "app/slider_steps.h"
#include "document/draw_object.h"

namespace tessel {

namespace {
constexpr char kNoSkin[] = "None.jpg";
constexpr char kSkinCategory[] = "SKN";
constexpr int kScaleSteps = 100;     // hundredths
constexpr int kMinScaleSteps = 5;    // 0.05: a smaller tile is only noise
constexpr int kMaxScaleSteps = 400;  // 4.0
constexpr int kMaxSkinAmount = 255;

// The skin modes: plain skin, then the texture blend modes of the same numbers.
const QStringList kSkinModes = {"Skin",      "Multiply",   "Difference", "Screen", "Overlay",
                                "Darken",    "Lighten",    "Hard Light", "Soft Light", "If Lighter",
                                "If Darker", "Negative",   "Tint",       "Colorize"};

double FromSteps(int steps) { return double(steps) / kScaleSteps; }
}  // namespace

void LightsBar::AddBumpShapeControls() {
  AddSlider("Bump Scale", kMinScaleSteps, kMaxScaleSteps,
            [](const CDrawObject& o) { return SliderSteps(o.m_bumpScale, kScaleSteps, kMaxScaleSteps); },
            [](CDrawObject& o, int v) { o.m_bumpScale = FromSteps(v); })
      ->setObjectName("bumpScale");
  AddCheck("Invert Bump", [](const CDrawObject& o) { return o.m_bumpMode != 0 ? 1 : 0; },
           [](CDrawObject& o, int v) { o.m_bumpMode = v; })
      ->setObjectName("bumpInvert");
}

void LightsBar::SetSurfaceSkin(const QString& name) {
  const std::string stored = name.compare(kNoSkin, Qt::CaseInsensitive) == 0 ? std::string() : name.toStdString();
  Edit([&stored](CDrawObject& o) { o.m_surfaceName = stored; });
}

void LightsBar::AddSurfaceControls() {
  auto* skin = new QPushButton("Skin");
  skin->setObjectName("surfaceSkin");
  m_surfaceName = new QLabel;
  m_surfaceName->setObjectName("surfaceName");
  connect(skin, &QPushButton::clicked, this, [this] {
    const CDrawObject* shown = Shown();
    if (!shown) return;
    BumpMapDialog dialog(this, QString::fromStdString(shown->m_surfaceName), kSkinCategory, "Surface Skin");
    if (dialog.exec() == QDialog::Accepted) SetSurfaceSkin(dialog.Chosen());
  });
  AddRow(QString(), Row({skin, m_surfaceName}), [this](const CDrawObject& o) {
    m_surfaceName->setText(o.m_surfaceName.empty() ? QString(kNoSkin) : QString::fromStdString(o.m_surfaceName));
  });
  AddSlider("Skin Amount", 0, kMaxSkinAmount, [](const CDrawObject& o) { return o.m_surfaceAmount; },
            [](CDrawObject& o, int v) { o.m_surfaceAmount = v; })
      ->setObjectName("surfaceAmount");
  AddSlider("Skin Scale", kMinScaleSteps, kMaxScaleSteps,
            [](const CDrawObject& o) { return SliderSteps(o.m_surfaceScale, kScaleSteps, kMaxScaleSteps); },
            [](CDrawObject& o, int v) { o.m_surfaceScale = FromSteps(v); })
      ->setObjectName("surfaceScale");
  AddCombo("Skin Mode", kSkinModes,
           [](const CDrawObject& o) { return o.m_surfaceMode >= 0 && o.m_surfaceMode < kSkinModes.size() ? o.m_surfaceMode : 0; },
           [](CDrawObject& o, int v) { o.m_surfaceMode = v; })
      ->setObjectName("surfaceMode");
}

}  // namespace tessel
