// CPaintingState: what the application keeps for painting, shared by the painting
// editor and its tool panel: the tool, the current brush, opacity, blend mode, the two
// ink colours, the clone source switch and the pen-pressure source.
#pragma once

#include <cstdint>
#include <memory>

#include "paint/brush.h"
#include "paint/paint_blend.h"
#include "paint/pressure_source.h"

namespace tessel {

// Tool codes of the painting panel.
enum PaintTool : int {
  kToolBrush = 1,
  kToolRubberStamp = 4,
  kToolColorPick = 6,
  kToolMakeOpaque = 20,
  kToolEraseTransparent = 21,
  kToolCloneBottom = 55,
};

// Tooltip of a panel tool, or nullptr for a code the panel does not show.
const char* PaintToolTooltip(int tool);

enum class CloneSource { kLayersBelow, kBlueprint };
constexpr const char* kCloneSwitchTooltip = "Clone Switch: Layers/Blueprint";

struct CPaintingState {
  int m_tool = kToolBrush;
  CBrush m_brush;                 // copy of the brush chosen in the library
  int m_opacity = 255;            // panel slider 0..255
  int m_blendMode = kPaintNormal; // panel combo 0..10
  uint32_t m_paintColour = 0;     // COLORREF
  uint32_t m_secondColour = 0xFFFFFF;
  CloneSource m_cloneSource = CloneSource::kLayersBelow;
  std::unique_ptr<IPressureSource> m_pressure = std::make_unique<CConstantPressure>();

  // The panel's clone switch: toggles the clone source and selects the clone tool.
  void ToggleCloneSource() {
    m_cloneSource = m_cloneSource == CloneSource::kLayersBelow ? CloneSource::kBlueprint : CloneSource::kLayersBelow;
    m_tool = kToolCloneBottom;
  }
  // Copies a library brush into the current one, with the paint colour applied.
  void ChooseBrush(const CBrush& brush) {
    m_brush = brush;
    m_brush.SetColour(m_paintColour);
  }
};

}  // namespace tessel
