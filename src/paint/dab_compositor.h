// Compositing one dab into a painted layer. The blend reads the stroke-start copy of
// the layer (the base), so overlapping dabs of one stroke never blend with each other;
// opacity mixes the blend with the base, and the dab's coverage (after pen pressure)
// mixes that into the layer.
#pragma once

#include <cstdint>

#include "base/dib_section.h"
#include "base/rect.h"

namespace tessel {

struct CEdgeMap;

// Where a dab's ink comes from.
enum class InkKind {
  kColour,    // one colour (the paint colour)
  kDabColour, // the dab's own pixels (Image Brush and Image Hose without overlay)
  kPattern,   // a source image at (x + dx, y + dy), wrapped around its size
  kClone,     // a source image at (x + dx, y + dy); outside it the layer is unchanged
};

struct CDabInk {
  InkKind kind = InkKind::kColour;
  uint32_t colour = 0;                  // COLORREF for kColour
  const CDIBSection* source = nullptr;  // 32-bit, for kPattern and kClone
  int dx = 0, dy = 0;                   // layer (memory rows) to source offset
};

struct CDabParams {
  int blendMode = 0;      // PaintBlend
  int opacity = 255;      // 0..255
  int pressure = 255;     // 0..255
  int pressureMode = 0;   // PressureMode
  CDabInk ink;
  const CEdgeMap* edge = nullptr;  // "Paint on Edge" limit; used only at the layer's size
  bool writeBack = false;          // clone ink: the result also goes into the base
};

// Composites dab with its bottom-left pixel at layer column left, memory row bottom.
// layer and base are 32-bit and the same size (otherwise nothing is painted). Returns
// the part of the layer the dab covered (memory rows), empty when it lies wholly outside.
CRect CompositeDab(CDIBSection& layer, CDIBSection& base, const CDIBSection& dab, int left, int bottom,
                   const CDabParams& params);

enum class AlphaTool { kErase, kMakeOpaque };

// The alpha tools: per covered pixel k = coverage × opacity / 255 (opacity limited by
// the edge map); Erase lowers alpha a to trunc(a − a·k/255), Make Opaque raises it to
// min(255, a + k). Colours are untouched. Returns the covered part of the layer.
CRect CompositeAlphaDab(CDIBSection& layer, const CDIBSection& dab, int left, int bottom, AlphaTool tool,
                        int opacity, int pressure, int pressureMode, const CEdgeMap* edge);

}  // namespace tessel
