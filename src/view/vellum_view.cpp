// CVellumView life cycle and the helpers every tool shares.
#include "view/vellum_view.h"

#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"
#include "view/view_host.h"

namespace tessel {

namespace {
constexpr float kMinZoom = 0.02f;
constexpr float kMaxZoom = 22.0f;
constexpr int kHintKeepSelection = 10;
constexpr int kHintCanvasSize = 100;
constexpr int kComboActualSize = 4;  // "100%"
}  // namespace

CVellumView::CVellumView(CVellumDoc& doc, IViewHost& host) : m_doc(doc), m_host(host) {
  SetZoomMode(kModeNormal);
}

CVellumView::~CVellumView() = default;

void CVellumView::OnInitialUpdate() {
  SetScaleLimits(kMinZoom, kMaxZoom);
  SetLogicalSize({m_doc.m_width, m_doc.m_height});
  m_host.SetZoomCombo(kComboActualSize);
  m_host.SelectionChanged();
  m_host.ScrollBarsChanged();
}

void CVellumView::OnUpdate(int hint) {
  if (hint != kHintKeepSelection) {
    m_current = nullptr;
    m_multi.clear();
    m_currentGroup = nullptr;
    m_host.SelectionChanged();
  }
  if (hint == kHintCanvasSize) {
    SetLogicalSize({m_doc.m_width, m_doc.m_height});
    m_host.ScrollBarsChanged();
  }
  RequestFullRedraw();
}

void CVellumView::OnSize(CSize client) {
  m_client = client;
  ScrollTo(ScrollPosition());  // re-clamp to the new range
  m_host.ScrollBarsChanged();
}

CSize CVellumView::ClientSize() const { return m_client; }

void CVellumView::SetTool(int tool) {
  m_tool = tool;
  m_host.SetCursor(CursorAt(m_lastWindow, {}));
}

void CVellumView::SaveUndo() { m_doc.SaveUndo(); }

void CVellumView::InvalidateObjectChange(const CRect& before, const CDrawObject& object) {
  InvalidateDocument(before.Union(EffectRect(object)));
}

}  // namespace tessel
