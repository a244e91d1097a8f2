#include "app/color_texture_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

#include "app/built_in_maps.h"
#include "app/colour_swatches.h"
#include "app/map_picker.h"
#include "app/mutaflux_dialog.h"
#include "document/draw_object.h"
#include "render/map_names.h"

namespace tessel {

namespace {
constexpr int kMaxAmount = 255;
constexpr int kFullTurn = 360;
constexpr int kMax3DDepth = 200;
constexpr int kResetColumns = 2;

// The texture modes in the order of their numbers (m_textureParam1).
const QStringList kTextureModes = {"Normal",  "Multiply",   "Difference", "Screen",    "Overlay",
                                   "Darken",  "Lighten",    "Hard Light", "Soft Light", "If Lighter",
                                   "If Darker", "Negative", "Tint",       "Colorize"};

// "No Texture.bmp" and the empty name both mean no texture; the picker shows one entry.
std::string ShownTextureName(const CDrawObject& o) {
  return o.m_textureName == kNoTextureName ? std::string() : o.m_textureName;
}

bool IsImageTexture(const std::string& name) { return !name.empty() && !IsReservedMapName(name); }
}  // namespace

ColorTextureBar::ColorTextureBar(MainWindow& main) : PropertyBar("Color && Texture", "colorTextureBar", main) {
  AddColours();
  AddTexture();
  AddPlacementResets();
  AddMutaflux();
  Refresh();
}

void ColorTextureBar::AddColours() {
  AddColor("Color", [](const CDrawObject& o) { return o.m_color; }, [](CDrawObject& o, COLORREF c) { o.m_color = c; })
      ->setObjectName("fillColor");
  AddColor("Second Color", [](const CDrawObject& o) { return o.m_color2; },
           [](CDrawObject& o, COLORREF c) { o.m_color2 = c; })
      ->setObjectName("secondColor");
  auto* swatches = new SwatchRow;
  swatches->setObjectName("colorSwatches");
  connect(swatches, &SwatchRow::picked, this, [this](COLORREF colour, bool second) {
    Edit([&](CDrawObject& o) { (second ? o.m_color2 : o.m_color) = colour; });
  });
  AddRow(QString(), swatches);
}

void ColorTextureBar::AddTexture() {
  m_picker = new MapPicker(BuiltInTextures(), "Textures", "TXT");
  m_picker->setObjectName("texturePicker");
  connect(m_picker, &MapPicker::picked, this, [this](const QString& name) {
    Edit([&](CDrawObject& o) { o.m_textureName = name.toStdString(); });
  });
  AddRow(QString(), m_picker, [this](const CDrawObject& o) { m_picker->ShowName(ShownTextureName(o)); });

  QComboBox* mode = AddCombo("Mode", kTextureModes, [](const CDrawObject& o) { return o.m_textureParam1; },
                             [](CDrawObject& o, int v) { o.m_textureParam1 = v; });
  mode->setObjectName("textureMode");
  QCheckBox* transparent = AddCheck("Transparent", [](const CDrawObject& o) { return o.m_textureMode; },
                                    [](CDrawObject& o, int v) { o.m_textureMode = v; });
  transparent->setObjectName("textureTransparent");
  AddSlider("Amount", 0, kMaxAmount, [](const CDrawObject& o) { return o.m_textureAmount; },
            [](CDrawObject& o, int v) { o.m_textureAmount = v; })
      ->setObjectName("textureAmount");
  QSlider* angle = AddSlider("Gradient Angle", 0, kFullTurn, [](const CDrawObject& o) { return o.m_gradientParam; },
                             [](CDrawObject& o, int v) { o.m_gradientParam = v; });
  angle->setObjectName("gradientAngle");
  QCheckBox* relief = AddCheck("3D Texture", [](const CDrawObject& o) { return o.m_texture3D; },
                               [](CDrawObject& o, int v) { o.m_texture3D = v; });
  relief->setObjectName("texture3D");
  QSlider* depth = AddSlider("3D Depth", 0, kMax3DDepth, [](const CDrawObject& o) { return o.m_texture3DDepth; },
                             [](CDrawObject& o, int v) { o.m_texture3DDepth = v; });
  depth->setObjectName("texture3DDepth");

  // The mode, the transparent option and the relief act on image textures only, the
  // angle on the linear gradient only.
  AddRefresher([=](const CDrawObject& o) {
    const bool image = IsImageTexture(o.m_textureName);
    mode->setEnabled(image);
    transparent->setEnabled(image);
    relief->setEnabled(image);
    depth->setEnabled(image && o.m_texture3D);
    angle->setEnabled(o.m_textureName == kLinearGradientName);
  });
}

void ColorTextureBar::AddPlacementResets() {
  struct Reset {
    const char* text;
    const char* name;
    void (*reset)(CDrawObject&);
  };
  const Reset resets[] = {
      {"Reset Offset", "resetOffset", [](CDrawObject& o) { o.m_texOffsetX = o.m_texOffsetY = 0; }},
      {"Reset Size", "resetSize", [](CDrawObject& o) { o.m_texScaleX = o.m_texScaleY = 1.0; }},
      {"Reset Angle", "resetAngle", [](CDrawObject& o) { o.m_texAngle = o.m_texAngle2 = 0.0; }},
      {"Reset Perspective", "resetPerspective",
       [](CDrawObject& o) {
         o.m_texPerspAmount = 1.0;
         o.m_texPerspAngle = 0.0;
       }},
  };
  auto* grid = new QWidget;
  auto* layout = new QGridLayout(grid);
  layout->setContentsMargins(0, 0, 0, 0);
  int index = 0;
  for (const Reset& r : resets) {
    auto* button = new QPushButton(r.text);
    button->setObjectName(r.name);
    connect(button, &QPushButton::clicked, this, [this, reset = r.reset] { Edit(reset); });
    layout->addWidget(button, index / kResetColumns, index % kResetColumns);
    ++index;
  }
  AddRow(QString(), grid);
}

void ColorTextureBar::AddMutaflux() {
  QPushButton* button = AddButton("Mutaflux Color", [this] { EditMutaflux(); });
  button->setObjectName("mutafluxButton");
  button->setCheckable(true);
  button->setToolTip("A generated colour pattern in place of the fill colour");
  AddRefresher([button](const CDrawObject& o) { button->setChecked(o.m_mutafluxIndex > 0); });
}

void ColorTextureBar::EditMutaflux() {
  const CDrawObject* shown = Shown();
  if (!shown) return;
  CObjectFields fields = *shown;
  if (RunMutafluxDialog(this, fields)) {
    Edit([&](CDrawObject& o) {
      o.m_mutafluxIndex = fields.m_mutafluxIndex;
      o.m_mutafluxParam = fields.m_mutafluxParam;
    });
  }
  Refresh();  // the button's check mark follows the object, not the click
}

}  // namespace tessel
