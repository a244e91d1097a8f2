// The "Lights & Material" bar's controls.
#include "app/lights_bar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

#include "app/bump_map_dialog.h"
#include "app/main_window.h"
#include "app/slider_steps.h"
#include "app/tool_dialogs.h"
#include "base/app_context.h"
#include "base/user_messages.h"
#include "codecs/image_reader.h"
#include "document/draw_object.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
constexpr char kNoBump[] = "None.jpg";
constexpr int kHundredths = 100;
constexpr int kTenths = 10;
constexpr int kMaxFactorSteps = 200;      // ambient, diffuse, specular: 0 .. 2.0
constexpr int kMaxShininess = 200;
constexpr int kMaxIntensitySteps = 200;   // a light's intensity: 0 .. 2.0
constexpr int kMaxReflectionSteps = 100;  // 0 .. 1.0
constexpr int kMinReliefTenths = 10;      // the relief is used at 1.0 or more
constexpr int kMaxReliefTenths = 200;
constexpr int kMaxBumpAmount = 255;
constexpr double kLoadedReflection = 0.5;  // a freshly loaded picture shows at half strength
constexpr int kLightListRows = 5;

QPushButton* Button(const QString& text, const char* name) {
  auto* button = new QPushButton(text);
  button->setObjectName(name);
  return button;
}

// A material value (a double of the light set) on a slider of stepsPerUnit steps.
struct Material {
  const char* label;
  const char* name;
  double CLightSet::*field;
  int stepsPerUnit;
  int min;
  int max;
};
}  // namespace

// The title is also the text of the bar's tab, where an ampersand would mark a
// mnemonic while the title bar shows it as it is: "and" reads the same in both.
LightsBar::LightsBar(MainWindow& main) : PropertyBar("Lights and Material", "lightsBar", main), m_main(main) {
  AddCheck("Enable Lights && Material", [](const CDrawObject& o) { return o.m_lightsOn != 0 ? 1 : 0; },
           [](CDrawObject& o, int v) { o.m_lightsOn = v; })
      ->setObjectName("lightsOn");
  AddLightControls();
  AddBumpControls();
  AddBumpShapeControls();
  AddSurfaceControls();
  AddMaterialControls();
}

void LightsBar::AddLightControls() {
  QPushButton* kinds[4];
  const char* kindNames[4] = {"addAmbient", "addDistant", "addPoint", "addSpot"};
  for (int type = CLight::kAmbient; type <= CLight::kSpot; ++type) {
    kinds[type] = Button(CLightSet::TypeName(type), kindNames[type]);
    connect(kinds[type], &QPushButton::clicked, this, [this, type] { AddLight(type); });
  }
  // Two rows of two keep the bar narrow.
  AddRow(QString(), Row({kinds[0], kinds[1]}));
  AddRow(QString(), Row({kinds[2], kinds[3]}));

  m_lights = new QListWidget;
  m_lights->setObjectName("lightList");
  m_lights->setMaximumHeight(fontMetrics().height() * (kLightListRows + 1));
  AddRow(QString(), m_lights, [this](const CDrawObject& o) {
    const QSignalBlocker quiet(m_lights);  // rebuilding is no choice of the user
    const int keep = m_lights->currentRow();
    m_lights->clear();
    int number = 0;
    for (const CLight& light : o.m_lights.m_lights)
      m_lights->addItem(QString("%1 %2").arg(CLightSet::TypeName(light.type)).arg(++number));
    const int fallback = View() ? View()->CurrentLight() : 0;
    const int row = keep >= 0 && keep < m_lights->count() ? keep : fallback;
    if (row < m_lights->count()) m_lights->setCurrentRow(row);
  });

  // The light chosen in the list shows its intensity below.
  connect(m_lights, &QListWidget::currentRowChanged, this, [this] { Refresh(); });
  AddSlider("Intensity", 0, kMaxIntensitySteps,
            [this](const CDrawObject& o) {
              const int row = m_lights->currentRow();
              const auto& lights = o.m_lights.m_lights;
              return row >= 0 && row < int(lights.size())
                         ? SliderSteps(lights[size_t(row)].intensity, kHundredths, kMaxIntensitySteps)
                         : 0;
            },
            [this](CDrawObject& o, int v) {
              const int row = m_lights->currentRow();
              auto& lights = o.m_lights.m_lights;
              if (row >= 0 && row < int(lights.size())) lights[size_t(row)].intensity = double(v) / kHundredths;
            })
      ->setObjectName("lightIntensity");

  auto* remove = Button("Delete", "deleteLight");
  connect(remove, &QPushButton::clicked, this, [this] { DeleteSelectedLight(); });
  auto* aim = Button("Edit Lights", "lightsTool");
  aim->setToolTip("Aim and place the lights on the canvas");
  connect(aim, &QPushButton::clicked, this, [this] {
    if (!View()) return;
    View()->Execute(ViewCommand::kToolLights);
    m_main.NotifyEdited(false);
  });
  AddRow(QString(), Row({remove, aim}));
}

void LightsBar::AddBumpControls() {
  auto* bump = Button("BUMP", "bumpMap");
  m_bumpName = new QLabel;
  m_bumpName->setObjectName("bumpName");
  connect(bump, &QPushButton::clicked, this, [this] {
    const CDrawObject* shown = Shown();
    if (!shown) return;
    BumpMapDialog dialog(this, QString::fromStdString(shown->m_bumpName));
    if (dialog.exec() == QDialog::Accepted) SetBumpMap(dialog.Chosen());
  });
  AddRow(QString(), Row({bump, m_bumpName}), [this](const CDrawObject& o) {
    m_bumpName->setText(o.m_bumpName.empty() ? QString(kNoBump) : QString::fromStdString(o.m_bumpName));
  });
  AddSlider("Bump Amount", 0, kMaxBumpAmount, [](const CDrawObject& o) { return o.m_bumpAmount; },
            [](CDrawObject& o, int v) { o.m_bumpAmount = v; })
      ->setObjectName("bumpAmount");

  auto* load = Button("Loa&d", "loadEnvironment");
  auto* unload = Button("Delenv", "removeEnvironment");
  connect(load, &QPushButton::clicked, this, [this] {
    const QString path = AskPictureFile(this, "Load Environment", false);
    if (!path.isEmpty()) LoadEnvironment(path);
  });
  connect(unload, &QPushButton::clicked, this, [this] { RemoveEnvironment(); });
  m_environmentButtons = Row({load, unload});
  AddRow("Environment", m_environmentButtons);
}

void LightsBar::AddMaterialControls() {
  static const Material kMaterial[] = {
      {"Relief", "relief", &CLightSet::m_relief, kTenths, kMinReliefTenths, kMaxReliefTenths},
      {"Ambient", "ambient", &CLightSet::m_ambient, kHundredths, 0, kMaxFactorSteps},
      {"Diffuse", "diffuse", &CLightSet::m_diffuse, kHundredths, 0, kMaxFactorSteps},
      {"Specular", "specular", &CLightSet::m_specular, kHundredths, 0, kMaxFactorSteps},
      {"Shininess", "shininess", &CLightSet::m_shininess, 1, 1, kMaxShininess},
      {"Reflection", "reflection", &CLightSet::m_reflection, kHundredths, 0, kMaxReflectionSteps},
  };
  for (const Material& m : kMaterial) {
    const auto field = m.field;
    const int steps = m.stepsPerUnit, max = m.max;
    AddSlider(m.label, m.min, m.max, [=](const CDrawObject& o) { return SliderSteps(o.m_lights.*field, steps, max); },
              [=](CDrawObject& o, int v) { o.m_lights.*field = double(v) / steps; })
        ->setObjectName(m.name);
  }
  AddColor("Light Color", [](const CDrawObject& o) { return COLORREF(o.m_lights.m_color1); },
           [](CDrawObject& o, COLORREF c) { o.m_lights.m_color1 = c; })
      ->setObjectName("lightColor");
  AddColor("Highlight Color", [](const CDrawObject& o) { return COLORREF(o.m_lights.m_color2); },
           [](CDrawObject& o, COLORREF c) { o.m_lights.m_color2 = c; })
      ->setObjectName("highlightColor");
}

void LightsBar::Refresh() {
  PropertyBar::Refresh();
  // The environment picture belongs to objects only; new objects do not take it.
  m_environmentButtons->setEnabled(!Selected().empty());
}

void LightsBar::AddLight(int type) {
  const CDrawObject* shown = Shown();
  if (!shown) return;
  const int index = int(shown->m_lights.m_lights.size());
  Edit([type](CDrawObject& o) {
    CLight light;
    light.type = type;
    o.m_lights.m_lights.push_back(light);
  });
  m_lights->setCurrentRow(index < m_lights->count() ? index : m_lights->count() - 1);
}

void LightsBar::DeleteSelectedLight() {
  const int row = m_lights->currentRow();
  if (row < 0) return;
  Edit([row](CDrawObject& o) {
    auto& lights = o.m_lights.m_lights;
    if (row < int(lights.size())) lights.erase(lights.begin() + row);
  });
}

void LightsBar::SetBumpMap(const QString& name) {
  const std::string stored = name.compare(kNoBump, Qt::CaseInsensitive) == 0 ? std::string() : name.toStdString();
  Edit([&stored](CDrawObject& o) { o.m_bumpName = stored; });
}

std::vector<CDrawObject*> LightsBar::Selected() const {
  CVellumView* view = View();
  return view ? view->SelectedObjects() : std::vector<CDrawObject*>{};
}

void LightsBar::ChangeEnvironment(const std::function<void(CDIBSection&)>& change,
                                  const std::function<void(CDrawObject&)>& edit) {
  for (CDrawObject* o : Selected()) {
    change(o->m_lights.m_environment.picture);
    o->m_rendered = 0;  // the edit below renders it once
  }
  Edit(edit);
}

bool LightsBar::LoadEnvironment(const QString& path) {
  if (Selected().empty()) return false;
  CDIBSection picture;
  std::string error;
  if (!ReadImageFile(path.toStdString(), picture, &error)) {
    App().Messages().Message("Cannot load the environment picture " + path.toStdString() + ".\n" + error,
                             MsgButtons::kOk);
    return false;
  }
  ChangeEnvironment([&picture](CDIBSection& environment) { environment = picture.Clone(); },
                    [](CDrawObject& o) {
                      if (!(o.m_lights.m_reflection > 0.0)) o.m_lights.m_reflection = kLoadedReflection;
                    });
  return true;
}

void LightsBar::RemoveEnvironment() {
  ChangeEnvironment([](CDIBSection& environment) { environment.Release(); }, [](CDrawObject&) {});
}

}  // namespace tessel
