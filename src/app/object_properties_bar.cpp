// The "Object" properties bar's controls.
#include "app/object_properties_bar.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <algorithm>

#include "app/multimedia_dialog.h"
#include "document/draw_object.h"
#include "render/blend_modes.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
constexpr int kMaxOpacity = 255;
constexpr int kMaxLineWidth = 100;
constexpr double kMinGain = 0.1;
constexpr double kMaxGain = 10.0;  // a larger gain is not kept by the project files
constexpr double kGainStep = 0.05;
constexpr int kGainDecimals = 2;

QStringList BlendModeNames() {
  QStringList names;
  for (int mode = 0; mode < kBlendModeCount; ++mode) names << BlendModeName(mode);
  return names;
}
}  // namespace

const QStringList& AntiAliasNames() {
  static const QStringList names = {"Hard Edge", "Anti-Alias", "Super Smooth", "Extreme"};
  return names;
}

ObjectPropertiesBar::ObjectPropertiesBar(MainWindow& main) : PropertyBar("Object", "objectPropertiesBar", main) {
  AddCombo("Anti-Alias", AntiAliasNames(),
           [](const CDrawObject& o) { return std::clamp(o.m_antiAlias, 1, int(AntiAliasNames().size())) - 1; },
           [](CDrawObject& o, int v) { o.m_antiAlias = v + 1; })
      ->setObjectName("antiAlias");
  AddCombo("Blend Mode", BlendModeNames(), [](const CDrawObject& o) { return o.m_shadowOption; },
           [](CDrawObject& o, int v) { o.m_shadowOption = v; })
      ->setObjectName("blendMode");
  AddSlider("Opacity", 0, kMaxOpacity, [](const CDrawObject& o) { return o.m_opacity; },
            [](CDrawObject& o, int v) { o.m_opacity = v; })
      ->setObjectName("opacity");

  // Colour correction: red, green and blue gains side by side.
  auto* gains = new QWidget;
  auto* gainLayout = new QHBoxLayout(gains);
  gainLayout->setContentsMargins(0, 0, 0, 0);
  std::vector<QDoubleSpinBox*> boxes;
  const char* const names[3] = {"gainRed", "gainGreen", "gainBlue"};
  const char* const tips[3] = {"Red", "Green", "Blue"};
  for (int channel = 0; channel < 3; ++channel) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(names[channel]);
    box->setToolTip(tips[channel]);
    box->setRange(kMinGain, kMaxGain);
    box->setSingleStep(kGainStep);
    box->setDecimals(kGainDecimals);
    box->setKeyboardTracking(false);  // a typed number applies when it is complete
    connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            [this, channel](double v) { Edit([&](CDrawObject& o) { o.m_colorGain[size_t(channel)] = v; }); });
    gainLayout->addWidget(box);
    boxes.push_back(box);
  }
  AddRow("Color Correction", gains, [boxes](const CDrawObject& o) {
    for (size_t channel = 0; channel < boxes.size(); ++channel) boxes[channel]->setValue(o.m_colorGain[channel]);
  });

  AddSlider("Line Width", 1, kMaxLineWidth, [](const CDrawObject& o) { return o.m_lineWidth; },
            [](CDrawObject& o, int v) { o.m_lineWidth = v; })
      ->setObjectName("lineWidth");
  m_combineMode = AddCombo("Combine Mode", {"XOR", "Union"},
                           [](const CDrawObject& o) { return o.m_layerFlag != 0 ? 1 : 0; },
                           [](CDrawObject& o, int v) { o.m_layerFlag = v; });
  m_combineMode->setObjectName("combineMode");
  m_name = AddText("Name", [](const CDrawObject& o) { return o.m_name; },
                   [](CDrawObject& o, const std::string& name) { o.m_name = name; });
  m_name->setObjectName("objectName");
  m_multimedia = AddButton("Multimedia Extension", [this] { EditMultimedia(); });
  m_multimedia->setObjectName("multimedia");
}

void ObjectPropertiesBar::Refresh() {
  PropertyBar::Refresh();
  // New objects take neither a combine mode nor a name from the bars (each creator
  // names its object) nor frames: these belong to selected objects only.
  const bool selection = View() && View()->LookTarget();
  for (QWidget* w : {static_cast<QWidget*>(m_combineMode), static_cast<QWidget*>(m_name),
                     static_cast<QWidget*>(m_multimedia)})
    w->setEnabled(selection);
}

void ObjectPropertiesBar::EditMultimedia() {
  const CDrawObject* target = View() ? View()->LookTarget() : nullptr;
  if (!target) return;
  MultimediaDialog dialog(this, *target);
  if (dialog.exec() == QDialog::Accepted) ApplyMultimedia(dialog.Result());
}

void ObjectPropertiesBar::ApplyMultimedia(const MultimediaFrames& frames) {
  if (!View() || !View()->LookTarget()) return;
  Edit([&frames](CDrawObject& o) { ApplyMultimediaFrames(o, frames); });
}

}  // namespace tessel
