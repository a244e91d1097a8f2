#include "app/transparency_bar.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSlider>
#include <cmath>

#include "app/built_in_maps.h"
#include "app/document_window.h"
#include "app/main_window.h"
#include "app/map_picker.h"
#include "document/draw_object.h"
#include "render/map_names.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
constexpr int kMaxAmount = 255;
constexpr int kBiasSteps = 100;  // the bias slider's range for map bias 0..1
constexpr size_t kBiasIndex = 2;  // m_transpGeom element of the map bias

// "Flat.tmb" and the empty name both mean no map; the picker shows one entry.
std::string ShownMapName(const CDrawObject& o) { return o.m_transpName == kFlatMapName ? std::string() : o.m_transpName; }
}  // namespace

TransparencyBar::TransparencyBar(MainWindow& main) : PropertyBar("Transparency", "transparencyBar", main) {
  AddMap();
  AddPlacementTool();
  Refresh();
}

void TransparencyBar::AddMap() {
  m_picker = new MapPicker(BuiltInTransparencyMaps(), "Transp", "TR");
  m_picker->setObjectName("transpPicker");
  connect(m_picker, &MapPicker::picked, this, [this](const QString& name) {
    Edit([&](CDrawObject& o) {
      o.m_transpName = name.toStdString();
      // A map with amount 0 does nothing: choosing one shows it at full strength.
      if (!o.m_transpName.empty() && o.m_transpAmount <= 0) o.m_transpAmount = kMaxAmount;
    });
  });
  AddRow(QString(), m_picker, [this](const CDrawObject& o) { m_picker->ShowName(ShownMapName(o)); });

  AddSlider("Amount", 0, kMaxAmount, [](const CDrawObject& o) { return o.m_transpAmount; },
            [](CDrawObject& o, int v) { o.m_transpAmount = v; })
      ->setObjectName("transpAmount");
  QCheckBox* mode = AddCheck("Transparent", [](const CDrawObject& o) { return o.m_transpMode; },
                             [](CDrawObject& o, int v) { o.m_transpMode = v; });
  mode->setObjectName("transpMode");
  mode->setToolTip("Checked: the map makes the object transparent; clear: it washes the color towards white");
  AddCheck("Invert", [](const CDrawObject& o) { return o.m_layerTranspMode; },
           [](CDrawObject& o, int v) { o.m_layerTranspMode = v; })
      ->setObjectName("transpInvert");
  QSlider* bias = AddSlider(
      "Bias", 0, kBiasSteps,
      [](const CDrawObject& o) { return int(std::lround(o.m_transpGeom[kBiasIndex] * kBiasSteps)); },
      [](CDrawObject& o, int v) { o.m_transpGeom[kBiasIndex] = double(v) / kBiasSteps; });
  bias->setObjectName("transpBias");
  // The bias bends the built-in gradient maps only.
  AddRefresher([bias](const CDrawObject& o) {
    bias->setEnabled(o.m_transpName == kLinearMapName || o.m_transpName == kRadialMapName ||
                     o.m_transpName == kBilinearMapName);
  });
}

void TransparencyBar::AddPlacementTool() {
  const QString label = ViewCommandInfo(ViewCommand::kToolTranspMap).label;
  QPushButton* button = AddButton(label, [this] {
    CVellumView* view = View();
    if (!view) return;
    view->Execute(ViewCommand::kToolTranspMap);
    Main().NotifyEdited(false);
  });
  button->setObjectName("transpPlacement");
  button->setToolTip("Drag on the object to set where the gradient map starts and ends");
  AddRefresher([this, button](const CDrawObject&) {
    CVellumView* view = View();
    button->setEnabled(view && view->State(ViewCommand::kToolTranspMap).enabled);
  });
}

}  // namespace tessel
