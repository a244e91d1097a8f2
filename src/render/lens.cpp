// The lens dispatcher: grabs what lies below the lens, hands a copy to the lens family
// of the object's effect kind and finishes the result.
#include "render/lens.h"

#include <algorithm>
#include <cstring>

#include "base/dib_section.h"
#include "document/draw_object.h"
#include "render/lens_kernels.h"

namespace tessel {

namespace {

// The canvas rectangle (left, top, w, h) into a new bottom-up picture; pixels beyond the
// canvas bitmap become the background colour, opaque.
CDIBSection Grab(const CDIBSection& canvas, int left, int top, int w, int h, uint32_t background) {
  CDIBSection out;
  if (!out.Create(w, h, 32)) return out;
  const uint8_t fill[4] = {uint8_t(background >> 16), uint8_t(background >> 8), uint8_t(background), 255};
  const int64_t cw = canvas.Width();
  const int x0 = int(std::clamp<int64_t>(left, 0, cw)), x1 = int(std::clamp<int64_t>(int64_t(left) + w, 0, cw));
  for (int y = 0; y < h; ++y) {
    uint8_t* dst = out.RowFromTop(y);
    const int64_t cy = int64_t(top) + y;
    const bool inside = cy >= 0 && cy < canvas.Height() && x0 < x1;
    for (int x = 0; x < w; ++x) std::memcpy(dst + 4 * x, fill, 4);
    if (inside) std::memcpy(dst + 4 * (int64_t(x0) - left), canvas.RowFromTop(int(cy)) + 4 * x0, size_t(x1 - x0) * 4);
  }
  return out;
}

// The object's alpha, top row first: the map of the finishing passes.
std::vector<uint8_t> AlphaMap(const CDIBSection& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  std::vector<uint8_t> map(size_t(w) * size_t(h));
  for (int y = 0; y < h; ++y) {
    const uint8_t* p = bitmap.RowFromTop(y) + 3;
    uint8_t* m = map.data() + size_t(y) * size_t(w);
    for (int x = 0; x < w; ++x, p += 4) m[x] = *p;
  }
  return map;
}

}  // namespace

bool IsCanvasLens(int effect) { return effect >= kLensMagnify && effect <= kLensDefocus; }

bool RenderLensImage(CDrawObject& o, const CLensInput& in, CDIBSection& work) {
  const CDIBSection& bitmap = o.m_bitmap;
  if (!IsCanvasLens(o.m_effect) || bitmap.IsEmpty() || bitmap.BitsPerPixel() != 32 || !in.source ||
      in.source->IsEmpty() || in.source->BitsPerPixel() != 32)
    return false;
  lens::CLensJob job;
  job.kind = o.m_effect;
  job.w = bitmap.Width(), job.h = bitmap.Height();
  job.object = &bitmap;
  job.source = in.source;
  job.srcW = in.source->Width(), job.srcH = in.source->Height();
  job.ox = in.ox, job.oy = in.oy;
  job.left = in.left, job.top = in.top;
  job.canvasW = in.canvasWidth, job.canvasH = in.canvasHeight;
  job.visibleTest = !in.anyPosition;
  job.background[0] = uint8_t(in.background >> 16);
  job.background[1] = uint8_t(in.background >> 8);
  job.background[2] = uint8_t(in.background);
  job.p = std::clamp(o.m_effectParam2, 0, 255);
  job.d = o.m_effectParam1;
  job.s = o.m_effectDistanceF == o.m_effectDistanceF ? o.m_effectDistanceF : 0.0;  // NaN counts as 0
  job.angle = o.m_effectAngle;
  job.renderScale = std::max(o.m_renderScale, 1);
  if (!work.Create(job.w, job.h, 32)) return false;
  switch (job.kind) {
    case kLensRipple: lens::RippleLens(job, work); break;
    case kLensDefocus:
      o.m_lensEnvironment = 0;
      lens::DefocusLens(job, work);
      break;
    default: lens::ScaleMapLens(job, work); break;
  }
  return true;
}

bool DrawLens(const CDIBSection& canvas, CDrawObject& o, int canvasWidth, int canvasHeight, uint32_t background,
              CDIBSection& work) {
  const int w = o.m_bitmap.Width(), h = o.m_bitmap.Height();
  if (!IsCanvasLens(o.m_effect) || o.m_bitmap.IsEmpty()) return false;
  CLensInput in;
  in.left = o.m_left, in.top = o.m_top;
  in.canvasWidth = canvasWidth, in.canvasHeight = canvasHeight;
  in.background = background;
  // Only the fish-eye looks beyond its box: it reads the whole visible canvas.
  CDIBSection source = o.m_effect == kLensFishEye ? Grab(canvas, 0, 0, canvasWidth, canvasHeight, background)
                                                  : Grab(canvas, o.m_left, o.m_top, w, h, background);
  if (o.m_effect == kLensFishEye) in.ox = o.m_left, in.oy = canvasHeight - h - o.m_top;
  in.source = &source;
  if (!RenderLensImage(o, in, work)) return false;
  FinishLensImage(o, AlphaMap(o.m_bitmap), work);
  return true;
}

}  // namespace tessel
