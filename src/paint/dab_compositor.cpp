#include "paint/dab_compositor.h"

#include <algorithm>
#include <vector>

#include "base/program_constants.h"
#include "paint/edge_map.h"
#include "paint/paint_blend.h"

namespace tessel {

namespace {

// The part of the dab inside the layer, in layer coordinates.
CRect ClipDab(const CDIBSection& layer, const CDIBSection& dab, int left, int bottom) {
  const CRect r{std::max(0, left), std::max(0, bottom), std::min(layer.Width(), left + dab.Width()),
                std::min(layer.Height(), bottom + dab.Height())};
  return r.IsEmpty() ? CRect{} : r;
}

// Coverage after pressure for every dab alpha, once per dab.
struct CCoverageTable {
  uint8_t v[256];
  CCoverageTable(int pressure, int mode) {
    for (int c = 0; c < 256; ++c) v[c] = uint8_t(std::min(255, PressuredCoverage(c, pressure, mode)));
  }
};

const CEdgeMap* UsableEdge(const CEdgeMap* edge, const CDIBSection& layer) {
  return edge && !edge->IsEmpty() && edge->width == layer.Width() && edge->height == layer.Height() ? edge : nullptr;
}

// One row of pixels [x0, x1) of the layer. The blend mode is a template argument so
// that the choice is made once per dab, not per pixel.
struct CRowJob {
  uint8_t* dst;         // layer row at x0
  uint8_t* base;        // base row at x0
  const uint8_t* cov;   // dab row at x0 (alpha read at +3)
  const uint8_t* ink;   // ink at x0
  int inkStep;          // 0 for one colour, 4 otherwise
  bool inkAlpha;        // the ink's alpha byte is its own (source images), else 255
  const uint8_t* edge;  // edge map row at x0, or nullptr
  int count;
};

// (a · (255 − w) + b · w) / 255, truncating: the same as px::Mix255 for channel values,
// with the division as a multiply and shift (exact for every numerator up to 65535).
inline uint32_t Mix(uint32_t a, uint32_t b, uint32_t w) { return ((a * (255 - w) + b * w) * 0x8081u) >> 23; }

template <int Mode, bool HasEdge>
void CompositeRow(const CRowJob& j, const CCoverageTable& table, int opacity, bool writeBack) {
  const uint8_t* ink = j.ink;
  const uint32_t inkAlphaMask = j.inkAlpha ? 0u : 255u;  // ink alpha, or 255 for colours
  for (int i = 0; i < j.count; ++i, ink += j.inkStep) {
    const uint32_t c = table.v[j.cov[i * 4 + kAlpha]];
    if (c == 0) continue;
    const uint32_t o = HasEdge ? uint32_t(std::min(opacity, 255 - j.edge[i])) : uint32_t(opacity);
    uint8_t* d = j.dst + i * 4;
    uint8_t* b = j.base + i * 4;
    uint8_t blend[4];
    if constexpr (Mode == kPaintNormal) {
      blend[0] = ink[0], blend[1] = ink[1], blend[2] = ink[2];
    } else {
      PaintBlendPixel(Mode, ink, b, blend);
    }
    blend[3] = uint8_t(ink[3] | inkAlphaMask);
    if (c == 255 && o == 255) {
      std::copy(blend, blend + 4, d);
    } else {
      for (int ch = 0; ch < 4; ++ch) d[ch] = uint8_t(Mix(d[ch], Mix(b[ch], blend[ch], o), c));
    }
    if (writeBack) std::copy(d, d + 4, b);
  }
}

using RowFn = void (*)(const CRowJob&, const CCoverageTable&, int, bool);

template <int... Modes>
constexpr RowFn RowFunction(int mode, bool hasEdge, std::integer_sequence<int, Modes...>) {
  constexpr RowFn plain[] = {&CompositeRow<Modes, false>...};
  constexpr RowFn edged[] = {&CompositeRow<Modes, true>...};
  return hasEdge ? edged[mode] : plain[mode];
}

}  // namespace

CRect CompositeDab(CDIBSection& layer, CDIBSection& base, const CDIBSection& dab, int left, int bottom,
                   const CDabParams& p) {
  if (layer.IsEmpty() || dab.IsEmpty() || layer.BitsPerPixel() != 32 || dab.BitsPerPixel() != 32 ||
      base.Width() != layer.Width() || base.Height() != layer.Height() || base.BitsPerPixel() != 32)
    return {};
  const CDIBSection* src = p.ink.source;
  const bool imageInk = p.ink.kind == InkKind::kPattern || p.ink.kind == InkKind::kClone;
  if (imageInk && (!src || src->IsEmpty() || src->BitsPerPixel() != 32)) return {};
  CRect r = ClipDab(layer, dab, left, bottom);
  if (r.IsEmpty()) return {};
  const int mode = std::clamp(p.blendMode, 0, kPaintBlendCount - 1);
  const CEdgeMap* edge = UsableEdge(p.edge, layer);
  const RowFn row = RowFunction(mode, edge != nullptr, std::make_integer_sequence<int, kPaintBlendCount>());
  const CCoverageTable table(std::clamp(p.pressure, 0, 255), p.pressureMode);
  const int opacity = std::clamp(p.opacity, 0, 255);
  const uint8_t colour[4] = {uint8_t(p.ink.colour >> 16), uint8_t(p.ink.colour >> 8), uint8_t(p.ink.colour), 255};
  const bool writeBack = p.writeBack && p.ink.kind == InkKind::kClone;
  std::vector<uint8_t> wrapped;
  if (p.ink.kind == InkKind::kPattern) wrapped.resize(size_t(r.Width()) * 4);
  for (int y = r.top; y < r.bottom; ++y) {
    CRowJob j{layer.RowFromBottom(y) + r.left * 4, base.RowFromBottom(y) + r.left * 4,
              dab.RowFromBottom(y - bottom) + (r.left - left) * 4, colour, 0, imageInk,
              edge ? edge->RowFromBottom(y) + r.left : nullptr, r.Width()};
    switch (p.ink.kind) {
      case InkKind::kColour: break;
      case InkKind::kDabColour:
        j.ink = j.cov;
        j.inkStep = 4;
        break;
      case InkKind::kPattern: {
        const int sw = src->Width(), sh = src->Height();
        const uint8_t* srow = src->RowFromBottom(((y + p.ink.dy) % sh + sh) % sh);
        for (int i = 0; i < r.Width(); ++i) {
          const int sx = ((r.left + i + p.ink.dx) % sw + sw) % sw;
          std::copy(srow + sx * 4, srow + sx * 4 + 4, &wrapped[size_t(i) * 4]);
        }
        j.ink = wrapped.data();
        j.inkStep = 4;
        break;
      }
      case InkKind::kClone: {
        // Only the columns that the source covers are painted.
        const int sy = y + p.ink.dy;
        if (sy < 0 || sy >= src->Height()) continue;
        const int x0 = std::max(r.left, -p.ink.dx), x1 = std::min(r.right, src->Width() - p.ink.dx);
        if (x1 <= x0) continue;
        const int skip = x0 - r.left;
        j.dst += skip * 4, j.base += skip * 4, j.cov += skip * 4;
        if (j.edge) j.edge += skip;
        j.count = x1 - x0;
        j.ink = src->RowFromBottom(sy) + (x0 + p.ink.dx) * 4;
        j.inkStep = 4;
        break;
      }
    }
    row(j, table, opacity, writeBack);
  }
  return r;
}

CRect CompositeAlphaDab(CDIBSection& layer, const CDIBSection& dab, int left, int bottom, AlphaTool tool,
                        int opacity, int pressure, int pressureMode, const CEdgeMap* edge) {
  if (layer.IsEmpty() || dab.IsEmpty() || layer.BitsPerPixel() != 32 || dab.BitsPerPixel() != 32) return {};
  const CRect r = ClipDab(layer, dab, left, bottom);
  if (r.IsEmpty()) return {};
  const CCoverageTable table(std::clamp(pressure, 0, 255), pressureMode);
  opacity = std::clamp(opacity, 0, 255);
  edge = UsableEdge(edge, layer);
  for (int y = r.top; y < r.bottom; ++y) {
    uint8_t* d = layer.RowFromBottom(y) + r.left * 4;
    const uint8_t* s = dab.RowFromBottom(y - bottom) + (r.left - left) * 4;
    const uint8_t* e = edge ? edge->RowFromBottom(y) + r.left : nullptr;
    for (int i = 0; i < r.Width(); ++i, d += 4, s += 4) {
      const int c = table.v[s[kAlpha]];
      const int o = e ? std::min(opacity, 255 - e[i]) : opacity;
      const int k = o == 0 ? 0 : o == 255 ? c : int(o * kInv255 * c);
      const int a = d[kAlpha];
      d[kAlpha] = uint8_t(tool == AlphaTool::kErase ? a - a * k / 255 : std::min(255, a + k));
    }
  }
  return r;
}

}  // namespace tessel
