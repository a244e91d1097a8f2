// The placement tools of the editing view: routing of the texture (13), lights (27),
// transparency-map (28) and perspective (29) tools, their commands, menus and resets.
#include <cmath>
#include <string>

#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"
#include "view/view_host.h"
#include "view/view_selection_geometry.h"

namespace tessel {

namespace {
constexpr int kPlacementHandleHalf = 3;  // placement handles are 6 by 6 window pixels
// Objects up to this many box pixels are rendered again at every move of a drag; larger
// ones only on release.
constexpr long kLivePreviewPixels = 300L * 300L;
constexpr char kTextureHint[] = "SHIFT - Angle only, CTRL - Size only, ALT - also Bitmap Layer";
constexpr char kNoLights[] = "This object doesn't have Lights.";
constexpr float kUnitX[4] = {0, 1, 0, 1};  // untransformed corners: TL, TR, BL, BR
constexpr float kUnitY[4] = {0, 0, 1, 1};

bool HasGradientMap(const CDrawObject& o) {
  return o.m_transpName == "Linear.tmb" || o.m_transpName == "Bilinear.tmb" || o.m_transpName == "Radial.tmb";
}

}  // namespace

bool CVellumView::IsPlacementTool(int tool) {
  return tool == kToolTexture || tool == kToolLights || tool == kToolTranspMap || tool == kToolPerspective;
}

std::vector<CPointD> CVellumView::PlacementHandlePoints() const {
  if (!m_current) return {};
  switch (m_tool) {
    case kToolTexture: return TextureHandlePoints();
    case kToolLights: return LightHandlePoints();
    case kToolTranspMap: return TranspMapHandlePoints();
    case kToolPerspective: return PerspectiveHandlePoints();
    default: return {};
  }
}

int CVellumView::PlacementHandleAt(CPoint window) const {
  const std::vector<CPointD> points = PlacementHandlePoints();
  int found = kHandleNone;
  for (int h = 1; h < int(points.size()); ++h) {
    if (std::isnan(points[h].x)) continue;
    const CPoint w = DocumentToWindow(CPoint{int(std::lround(points[h].x)), int(std::lround(points[h].y))});
    const CRect r{w.x - kPlacementHandleHalf, w.y - kPlacementHandleHalf, w.x + kPlacementHandleHalf,
                  w.y + kPlacementHandleHalf};
    if (!r.Contains(window.x, window.y)) continue;
    found = h;
    // The texture tool takes the last handle that contains the point, the others the first.
    if (m_tool != kToolTexture) break;
  }
  return found;
}

void CVellumView::PlacementDown(CPoint doc, CPoint window, ViewKeys /*keys*/) {
  const int handle = m_current ? PlacementHandleAt(window) : kHandleNone;
  if (handle == kHandleNone) {
    // Off the handles (or without a current object) the press picks an object by its box.
    CDrawObject* picked = ObjectAtPoint(doc, true, false);
    if (picked != m_current) {
      SelectObject(picked);
      m_currentLight = 0;
    }
    UpdateStatusForCurrent();
    if (m_tool == kToolLights && m_current && m_current->m_lights.m_lights.empty()) m_host.Status(kNoLights);
    return;
  }
  m_handle = handle;
  m_hover = handle;
  m_placementLast = doc;
  m_placementChanged = false;
  m_placementBefore = ObjectArea(*m_current);
  if (m_tool == kToolPerspective) {
    for (int k = 0; k < 4; ++k) {
      m_perspX[k] = m_current->m_perspX[k];
      m_perspY[k] = m_current->m_perspY[k];
    }
  }
  m_dragging = true;
  m_host.SetCapture(true);
}

void CVellumView::PlacementMove(CPoint doc, ViewKeys keys) {
  if (!m_current || m_handle == kHandleNone) return;
  switch (m_tool) {
    case kToolTexture: TextureMove(doc, keys); break;
    case kToolLights: LightsMove(doc); break;
    case kToolTranspMap: TranspMapMove(doc); break;
    case kToolPerspective: PerspectiveMove(doc); break;
    default: break;
  }
  m_placementLast = doc;
  m_placementChanged = true;
  // The transparency map renders itself at each move.
  if (m_tool != kToolTranspMap && long(m_current->m_width) * m_current->m_height <= kLivePreviewPixels)
    m_current->RenderObject(false, nullptr);
  // Handles may lie anywhere around the object: the whole window shows them again.
  m_host.InvalidateAll();
}

void CVellumView::PlacementUp() {
  const bool changed = m_dragging && m_placementChanged && m_current;
  m_handle = kHandleNone;
  m_hover = kHandleNone;
  if (changed) FinishPlacementEdit(m_placementBefore);
  m_placementChanged = false;
}

void CVellumView::FinishPlacementEdit(const CRect& before) {
  CDrawObject& o = *m_current;
  o.RenderObject(false, nullptr);
  InvalidateObjectChange(before, o);
  m_host.InvalidateAll();
  m_doc.m_modified = true;
  SaveUndo();
}

bool CVellumView::PlacementRightDown() {
  if (m_tool != kToolLights || !m_current) return false;
  const int count = int(m_current->m_lights.m_lights.size());
  if (count == 0) {
    m_host.Status(kNoLights);
    return true;
  }
  m_currentLight = (m_currentLight + 1) % count;
  const CLight& light = m_current->m_lights.m_lights[size_t(m_currentLight)];
  m_host.Status(std::string(CLightSet::TypeName(light.type)) + " " + std::to_string(m_currentLight + 1));
  m_host.InvalidateAll();
  return true;
}

bool CVellumView::PlacementDoubleClick(CPoint doc) {
  if (m_tool != kToolLights) return false;
  CDrawObject* picked = ObjectAtPoint(doc, false, false);
  if (picked != m_current) {
    SelectObject(picked);
    m_currentLight = 0;
  }
  UpdateStatusForCurrent();
  if (m_current && m_current->m_lights.m_lights.empty()) m_host.Status(kNoLights);
  m_host.InvalidateAll();
  return true;
}

std::vector<std::string> CVellumView::PlacementContextMenu() const {
  if (m_tool == kToolTexture)
    return {"Reset All", "Reset Offset", "Reset Size", "Reset Angle", "Reset Perspective", "Reset Bitmap Angle"};
  if (m_tool == kToolPerspective) return {"Reset Persp. transformation"};
  return {};
}

CommandState CVellumView::PlacementCommandState(ViewCommand command) const {
  using C = ViewCommand;
  CommandState s;
  switch (command) {
    case C::kToolTexture: s.checked = m_tool == kToolTexture; break;
    case C::kToolPerspective: s.checked = m_tool == kToolPerspective; break;
    case C::kToolLights: s.checked = m_tool == kToolLights; break;
    case C::kToolTranspMap:
      s.checked = m_tool == kToolTranspMap;
      s.enabled = m_current && HasGradientMap(*m_current);
      break;
    default: s.enabled = m_current != nullptr; break;  // the resets
  }
  return s;
}

bool CVellumView::ExecutePlacementCommand(ViewCommand command) {
  using C = ViewCommand;
  switch (command) {
    case C::kToolTexture:
      SetTool(kToolTexture);
      m_host.Status(kTextureHint);
      return true;
    case C::kToolPerspective: SetTool(kToolPerspective); return true;
    case C::kToolLights:
      SetTool(kToolLights);
      m_currentLight = 0;
      if (m_current && m_current->m_lights.m_lights.empty()) m_host.Status(kNoLights);
      m_host.InvalidateAll();
      return true;
    case C::kToolTranspMap:
      if (!PlacementCommandState(command).enabled) return false;
      SetTool(kToolTranspMap);
      m_host.InvalidateAll();
      return true;
    default:
      if (!m_current) return false;
      ResetPlacement(command);
      return true;
  }
}

void CVellumView::ResetPlacement(ViewCommand command) {
  using C = ViewCommand;
  CDrawObject& o = *m_current;
  const CRect before = ObjectArea(o);
  const bool all = command == C::kResetAll;
  if (all || command == C::kResetOffset) {
    o.m_texOffsetX = o.m_texOffsetY = 0;
    o.m_layerOffsetX = o.m_layerOffsetY = 0.0;
  }
  if (all || command == C::kResetSize) {
    o.m_texScaleX = o.m_texScaleY = 1.0;
    o.m_layerScaleX = o.m_layerScaleY = 1.0;
  }
  if (all || command == C::kResetAngle) {
    o.m_texAngle = o.m_texAngle2 = 0.0;
    o.m_layerAngle = o.m_layerAngle2 = 0;
  }
  if (all || command == C::kResetPerspective) {
    o.m_texPerspAmount = 1.0;
    o.m_texPerspAngle = 0.0;
    o.m_layerPerspMode = 0;
    o.m_layerPerspAmount = 1.0;
  }
  if (all || command == C::kResetBitmapAngle) o.m_bitmapAngle = 0;
  if (command == C::kResetPerspTransformation) {
    for (int k = 0; k < 4; ++k) {
      o.m_perspX[size_t(k)] = kUnitX[k];
      o.m_perspY[size_t(k)] = kUnitY[k];
    }
  }
  FinishPlacementEdit(before);
}

}  // namespace tessel
