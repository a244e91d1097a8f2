#include "app/paint_tool_panel.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/app_icons.h"
#include "app/app_painting_state.h"
#include "app/brush_library_panel.h"
#include "app/brush_properties_dialog.h"
#include "app/document_window.h"
#include "app/main_window.h"
#include "app/paint_editor_host.h"
#include "app/qt_colour.h"
#include "app/qt_image.h"
#include "base/app_context.h"
#include "paint/brush_library.h"
#include "paint/painting_state.h"

namespace tessel {

namespace {
constexpr int kToolColumns = 3;
constexpr int kSwatchSide = 24;
const QColor kMetal(150, 150, 160);
const QColor kInkFill(70, 110, 200);

// The panel's tools in button order.
constexpr int kPanelTools[] = {kToolBrush, kToolRubberStamp, kToolEraseTransparent,
                               kToolMakeOpaque, kToolCloneBottom, kToolColorPick};

void DrawToolPicture(QPainter& p, int tool) {
  switch (tool) {
    case kToolBrush:
      p.setBrush(QColor(200, 150, 90));
      p.drawPolygon(QPolygonF({{18, 3}, {21, 6}, {11, 15}, {9, 13}}));
      p.setBrush(kInkFill);
      p.drawEllipse(QRectF(3, 14, 8, 7));
      break;
    case kToolRubberStamp:
      p.setBrush(QColor(160, 90, 60));
      p.drawRoundedRect(QRectF(9, 3, 6, 10), 2, 2);
      p.setBrush(kMetal);
      p.drawRect(QRectF(4, 13, 16, 4));
      p.setBrush(kInkFill);
      p.drawRect(QRectF(4, 18, 16, 2));
      break;
    case kToolEraseTransparent:
      p.setBrush(QColor(240, 150, 170));
      p.drawPolygon(QPolygonF({{4, 15}, {13, 6}, {20, 13}, {11, 21}}));
      p.drawLine(QPointF(8, 11), QPointF(15, 18));
      break;
    case kToolMakeOpaque:
      p.setBrush(Qt::Dense5Pattern);
      p.drawRect(QRectF(3, 3, 10, 10));
      p.setBrush(kInkFill);
      p.drawRect(QRectF(10, 10, 11, 11));
      break;
    case kToolCloneBottom:
      p.setBrush(QColor(190, 220, 190));
      p.drawRect(QRectF(3, 3, 12, 12));
      p.setBrush(kInkFill);
      p.drawRect(QRectF(9, 9, 12, 12));
      break;
    case kToolColorPick:
      p.setBrush(kMetal);
      p.drawPolygon(QPolygonF({{4, 20}, {4, 17}, {14, 7}, {17, 10}, {7, 20}}));
      p.setBrush(QColor(60, 60, 60));
      p.drawEllipse(QRectF(14, 3, 7, 7));
      break;
    default: break;
  }
}

QIcon SwatchIcon(uint32_t colorref) {
  return PaintedIcon([colorref](QPainter& p) {
    p.setBrush(ToQColor(colorref));
    p.drawRect(QRectF(3, 3, 18, 18));
  });
}

}  // namespace

PaintToolPanel::PaintToolPanel(MainWindow& main)
    : QDockWidget("Painting", &main), m_main(main), m_state(AppPaintingState()) {
  setObjectName("paintToolPanel");
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->addWidget(BuildTools());
  layout->addWidget(BuildInk());
  layout->addWidget(BuildBrushes(), 1);
  auto* end = new QPushButton("End editing", body);
  end->setObjectName("endEditing");
  end->setToolTip("Press Esc");
  connect(end, &QPushButton::clicked, this, [this] { EndEditing(); });
  layout->addWidget(end);
  setWidget(body);
  hide();
}

PaintToolPanel::~PaintToolPanel() = default;

QWidget* PaintToolPanel::BuildTools() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  m_tools = new QButtonGroup(this);
  int index = 0;
  for (int tool : kPanelTools) {
    auto* button = new QToolButton(box);
    button->setCheckable(true);
    button->setToolTip(PaintToolTooltip(tool));
    button->setIcon(PaintedIcon([tool](QPainter& p) { DrawToolPicture(p, tool); }));
    button->setObjectName(QString("paintTool%1").arg(tool));
    m_tools->addButton(button, tool);
    grid->addWidget(button, index / kToolColumns, index % kToolColumns);
    ++index;
  }
  connect(m_tools, &QButtonGroup::idClicked, this, [this](int tool) { m_state.m_tool = tool; });
  m_cloneSwitch = new QToolButton(box);
  m_cloneSwitch->setObjectName("cloneSwitch");
  m_cloneSwitch->setToolTip(kCloneSwitchTooltip);
  connect(m_cloneSwitch, &QToolButton::clicked, this, [this] {
    m_state.ToggleCloneSource();
    Refresh();
  });
  grid->addWidget(m_cloneSwitch, index / kToolColumns + 1, 0, 1, kToolColumns);
  return box;
}

QWidget* PaintToolPanel::BuildInk() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  m_blend = new QComboBox(box);
  m_blend->setObjectName("paintBlendMode");
  for (const char* name : kPaintBlendNames) m_blend->addItem(name);
  connect(m_blend, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int i) {
    if (i >= 0) m_state.m_blendMode = i;
  });
  grid->addWidget(m_blend, 0, 0, 1, 3);
  m_opacity = new QSlider(Qt::Horizontal, box);
  m_opacity->setObjectName("paintOpacity");
  m_opacity->setRange(0, 255);
  m_opacity->setToolTip("Opacity");
  m_opacityValue = new QLabel(box);
  m_opacityValue->setMinimumWidth(QFontMetrics(m_opacityValue->font()).horizontalAdvance("255 "));
  connect(m_opacity, &QSlider::valueChanged, this, [this](int v) {
    m_state.m_opacity = v;
    m_opacityValue->setNum(v);
  });
  grid->addWidget(new QLabel("Opacity", box), 1, 0);
  grid->addWidget(m_opacity, 1, 1);
  grid->addWidget(m_opacityValue, 1, 2);
  m_paintColour = new QToolButton(box);
  m_paintColour->setObjectName("paintColour");
  m_paintColour->setToolTip("Paint Color");
  m_secondColour = new QToolButton(box);
  m_secondColour->setObjectName("secondColour");
  m_secondColour->setToolTip("Second Color");
  for (QToolButton* b : {m_paintColour, m_secondColour}) b->setIconSize(QSize(kSwatchSide, kSwatchSide));
  connect(m_paintColour, &QToolButton::clicked, this, [this] { ChooseColour(false); });
  connect(m_secondColour, &QToolButton::clicked, this, [this] { ChooseColour(true); });
  auto* colours = new QHBoxLayout;
  colours->addWidget(m_paintColour);
  colours->addWidget(m_secondColour);
  colours->addStretch(1);
  grid->addLayout(colours, 2, 0, 1, 3);
  return box;
}

QWidget* PaintToolPanel::BuildBrushes() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  // The same library list as the brush library window: choosing a brush makes it the
  // application's current brush.
  m_brushes = new BrushLibraryPanel(box);
  auto* properties = new QPushButton("Brush Properties", box);
  properties->setObjectName("brushProperties");
  connect(properties, &QPushButton::clicked, this, [this] { EditBrush(); });
  layout->addWidget(m_brushes, 1);
  layout->addWidget(properties);
  return box;
}

void PaintToolPanel::EditBrush() {
  if (!RunBrushPropertiesDialog(this, m_state.m_brush)) return;
  m_state.m_brush.SetColour(m_state.m_paintColour);
}

void PaintToolPanel::ChooseColour(bool second) {
  uint32_t& colour = second ? m_state.m_secondColour : m_state.m_paintColour;
  const QColor chosen = QColorDialog::getColor(ToQColor(colour), this, second ? "Second Color" : "Paint Color");
  if (!chosen.isValid()) return;
  colour = FromQColor(chosen);
  if (!second) m_state.m_brush.SetColour(colour);
  Refresh();
}

bool PaintToolPanel::EditorRunning() const { return m_window && m_window->Painting().Running(); }

void PaintToolPanel::EndEditing() {
  if (!EditorRunning()) return;
  m_window->Painting().EndEditing();
  m_main.NotifyEdited(true);
}

void PaintToolPanel::SetWindow(DocumentWindow* window) {
  m_window = window;
  Refresh();
}

void PaintToolPanel::Refresh() {
  setVisible(EditorRunning());
  if (QAbstractButton* button = m_tools->button(m_state.m_tool)) {
    button->setChecked(true);
  } else if (QAbstractButton* checked = m_tools->checkedButton()) {
    m_tools->setExclusive(false);  // a tool the panel does not show: no button pressed
    checked->setChecked(false);
    m_tools->setExclusive(true);
  }
  m_cloneSwitch->setText(m_state.m_cloneSource == CloneSource::kBlueprint ? "Clone: Blueprint" : "Clone: Layers");
  const QSignalBlocker quietBlend(m_blend), quietOpacity(m_opacity);
  m_blend->setCurrentIndex(m_state.m_blendMode);
  m_opacity->setValue(m_state.m_opacity);
  m_opacityValue->setNum(m_state.m_opacity);
  m_paintColour->setIcon(SwatchIcon(m_state.m_paintColour));
  m_secondColour->setIcon(SwatchIcon(m_state.m_secondColour));
}

}  // namespace tessel
