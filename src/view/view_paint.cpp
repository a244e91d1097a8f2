// Painting the editing view: the canvas is composed in document pixels into a paint
// buffer, reusing a cache of everything below the current object.
//
// At scale 1 and above the buffer covers only the clip box. The cache then covers the
// whole visible area (not just one clip box), so that while the current object moves a
// paint of any part of the window copies the canvas below it from the cache and
// composes only the current object and those above. Below scale 1 (and whenever a lens
// must read the canvas under it) buffer and cache cover the whole canvas at the
// document's origin and the window scales the buffer down.
#include <algorithm>

#include "base/dib_section.h"
#include "document/draw_object.h"
#include "document/object_fields.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"
#include "render/wireframe.h"
#include "view/vellum_view.h"
#include "view/view_host.h"
#include "view/view_pixels.h"

namespace tessel {

namespace {
constexpr int kWaitCursorObjects = 11;
constexpr int kOnionSkinMix = 128;  // the blueprint over the objects lets them show through
constexpr float kScalingMargin = 2.0f;  // window pixels smooth scaling reads around a pixel
constexpr int kFishEyeLens = 15;        // the lens that reads the whole canvas
}  // namespace

CRect CVellumView::VisibleDocument() const {
  const CSize client = ClientSize();
  return WindowToDocument(CRect{0, 0, client.cx, client.cy}).Normalized().Inflated(1);
}

bool CVellumView::LensesActive() const {
  if (m_lensesOff || m_wireframe) return false;
  for (const auto& o : m_doc.m_objects)
    if (!o->m_hidden && o->m_effect >= kFirstLensEffect) return true;
  return false;
}

int CVellumView::ComposeObjects(CDIBSection& buffer, const CRect& documentRect, const CDrawObject* from,
                                const CDrawObject* to, const CRect& area) {
  CompositeOptions options;
  if (!area.IsEmpty()) options.clip = area.Offset(-documentRect.left, -documentRect.top);
  options.lensesOff = m_lensesOff;
  options.originX = documentRect.left;
  options.originY = documentRect.top;
  options.background = m_doc.m_background;
  options.canvasWidth = m_doc.m_width;
  options.canvasHeight = m_doc.m_height;
  int count = 0;
  bool on = from == nullptr;
  for (auto& o : m_doc.m_objects) {
    if (o.get() == to) break;
    if (o.get() == from) on = true;
    if (!on) continue;
    if (m_wireframe)
      DrawWireframe(buffer, *o, documentRect.left, documentRect.top);
    else
      DrawObject(buffer, *o, options);
    ++count;
  }
  return count;
}

const ViewPaint& CVellumView::Paint(const CRect& clipWindow) {
  m_paint = ViewPaint();
  if (m_paintEditorRunning) {
    m_paint.blank = true;
    return m_paint;
  }
  // Only the client area is ever shown.
  const CSize client = ClientSize();
  CRect clip = clipWindow.Normalized();
  if (client.cx > 0 && client.cy > 0) clip = Intersect(clip, {0, 0, client.cx, client.cy});
  const CRect clipDoc = WindowToDocument(clip).Normalized().Inflated(1);
  const bool wholeCanvas = Scale() < 1.0f || LensesActive();
  const CRect canvasRect = {0, 0, m_doc.m_width + 1, m_doc.m_height + 1};
  const CRect bufferRect = wholeCanvas ? canvasRect : clipDoc;
  const CRect cacheRect = wholeCanvas ? canvasRect : VisibleDocument().Union(clipDoc);
  m_paint.halftone = Scale() < 1.0f;

  // The cache serves only a current object; it must cover this buffer.
  const bool useCache = m_current != nullptr && !m_wireframe;
  const bool cacheFits =
      !m_belowCache.IsEmpty() && m_cacheWholeCanvas == wholeCanvas && Covers(m_cacheRect, bufferRect);
  const uint64_t belowStamp = useCache ? BelowCurrentStamp() : 0;
  const bool redrawAll = m_current != m_lastPaintedCurrent || m_current == nullptr || !cacheFits || m_fullRedraw ||
                         belowStamp != m_cacheBelowStamp;
  m_fullRedraw = false;
  m_lastPaintedCurrent = m_current;
  m_paint.waitCursor = redrawAll && m_doc.ObjectCount() >= kWaitCursorObjects;

  const CSize size = {bufferRect.Width(), bufferRect.Height()};
  if (size != m_paintSize || m_paintBuffer.IsEmpty()) {
    if (!m_paintBuffer.Create(size.cx, size.cy, 32)) {
      m_paintSize = {};
      return m_paint;
    }
    m_paintSize = size;
  }

  bool cached = useCache;
  if (cached && redrawAll) {
    // The canvas below the current object, over the whole visible area.
    const bool sized = m_belowCache.Width() == cacheRect.Width() && m_belowCache.Height() == cacheRect.Height();
    if (sized || m_belowCache.Create(cacheRect.Width(), cacheRect.Height(), 32)) {
      m_cacheRect = cacheRect;
      m_cacheWholeCanvas = wholeCanvas;
      m_cacheBelowStamp = belowStamp;
      PaintBase(m_belowCache, cacheRect, wholeCanvas);
      m_paint.composed = ComposeObjects(m_belowCache, cacheRect, nullptr, m_current);
    } else {
      DiscardCache();  // too large: compose everything into the buffer
      cached = false;
    }
  }
  if (cached) {
    // A whole-canvas buffer still holds the last paint: only the clip (and what the
    // lenses over it read) is composed again. The margin covers smooth scaling.
    CRect area;
    if (wholeCanvas && !redrawAll) {
      const int margin = 1 + int(kScalingMargin / std::max(Scale(), 0.01f));
      area = LensReach(Intersect(clipDoc.Inflated(margin), canvasRect));
    }
    CopyDocumentPixels(m_paintBuffer, bufferRect, m_belowCache, m_cacheRect, area);
    m_paint.composed += ComposeObjects(m_paintBuffer, bufferRect, m_current, nullptr, area);
  } else {
    PaintBase(m_paintBuffer, bufferRect, wholeCanvas);
    m_paint.composed = ComposeObjects(m_paintBuffer, bufferRect, nullptr, nullptr);
  }
  if (Scale() >= 1.0f && m_onionSkinOnTop)
    DrawPicture(m_paintBuffer, bufferRect, m_doc.m_blueprint, m_doc.m_blueprintX, m_doc.m_blueprintY,
                {0, 0, m_doc.m_width, m_doc.m_height}, kOnionSkinMix);

  m_paint.buffer = &m_paintBuffer;
  m_paint.bufferRect = bufferRect;
  AddSelectionOverlays(m_paint.overlays);
  AddCreationOverlays(m_paint.overlays);
  AddZoomBandOverlay(m_paint.overlays);
  AddCanvasOverlays(m_paint.overlays, VisibleDocument());
  return m_paint;
}

CRect CVellumView::LensReach(CRect area) const {
  const CRect canvas = {0, 0, m_doc.m_width + 1, m_doc.m_height + 1};
  for (bool grown = true; grown;) {
    grown = false;
    bool above = false;
    for (const auto& o : m_doc.m_objects) {
      above = above || o.get() == m_current;
      if (!above || o->m_hidden || o->m_effect < kFirstLensEffect || o->m_effect == kEffectLensFlare) continue;
      const CRect box = o->GetBoxRect();
      if (Intersect(box, area).IsEmpty()) continue;
      if (o->m_effect == kFishEyeLens) return canvas;
      if (Covers(area, box)) continue;
      area = area.Union(box);
      grown = true;
    }
  }
  return area;
}

uint64_t CVellumView::BelowCurrentStamp() const {
  // FNV-1a over the fields that decide what the cache shows.
  constexpr uint64_t kPrime = 1099511628211ull;
  uint64_t h = 14695981039346656037ull;
  const auto mix = [&h](uint64_t v) { h = (h ^ v) * kPrime; };
  for (const auto& o : m_doc.m_objects) {
    if (o.get() == m_current) break;
    mix(reinterpret_cast<uintptr_t>(o.get()));
    mix(uint64_t(uint32_t(o->m_left)) << 32 | uint32_t(o->m_top));
    mix(uint64_t(uint32_t(o->m_width)) << 32 | uint32_t(o->m_height));
    mix(uint64_t(o->m_hidden));
    mix(reinterpret_cast<uintptr_t>(o->m_bitmap.Bits()));
  }
  return h;
}

void CVellumView::RequestFullRedraw() {
  m_fullRedraw = true;
  m_host.InvalidateAll();
}

void CVellumView::DiscardCache() {
  m_belowCache.Release();
  m_cacheRect = {};
}

void CVellumView::InvalidateDocument(const CRect& documentRect) {
  CRect r = DocumentToWindow(documentRect.Normalized());
  // A document pixel covers a fraction of a window pixel at odd scales: round outward.
  if (Scale() != float(int(Scale()))) r = r.Inflated(1);
  m_host.Invalidate(r);
}

void CVellumView::OnLayoutChanged() {
  m_host.ScrollBarsChanged();
  RequestFullRedraw();
}

}  // namespace tessel
