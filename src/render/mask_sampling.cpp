// How finely an object's outline is sampled: the factor rules per object class and
// anti-alias mode, lowered for large boxes so the work raster stays small.
#include <algorithm>

#include "document/draw_object.h"
#include "render/coverage_mask.h"

namespace tessel {

namespace {
constexpr int kBevel3DBall = 12;

int ClampedMode(const CDrawObject& o) { return std::clamp(o.m_antiAlias, 1, 4); }

int ShapeFactor(int w, int h, int a, int largeEither, int largeBoth) {
  int s = a;
  if (w < 10 && h < 10) s = a + 1;
  if (w > 1200 || h > 1200) s = 2;
  if (w > largeEither || h > largeEither) s = 1;
  if (w > largeBoth && h > largeBoth) s = 1;
  if (a == 1) s = 1;
  return s;
}

int LineCount(const std::string& text) { return 1 + int(std::count(text.begin(), text.end(), '\n')); }

MaskSampling ContourSampling(const CDrawObject& o, int w, int h, int a) {
  int s = a + 7;
  if (h > 200 || w > 200) s = a + 5;
  if (h > 300 || w > 300) s = a + 2;
  if (w > 1200 || h > 1200) s = 2;
  if (w > 1500 || h > 1500) s = 1;
  if (w > 1200 && h > 1200) s = 1;
  if (a == 1) s = 1;
  MaskSampling result{s, o.MaskMargin() * s};
  if (o.m_envelope == 1) {
    // Live text: large lines need no fine sampling.
    const int lineHeight = h / LineCount(o.m_text);
    if (lineHeight > 300 && s > 3) s = 3;
    if (lineHeight > 500 && s > 2) s = 2;
    if (lineHeight > 1500 && s > 1) s = 1;
    if ((h > 1200 || w > 2200) && s > 2) s = 2;
    if (h > 2500 || w > 3500) s = 1;
  }
  result.factor = s;
  return result;
}
}  // namespace

MaskSampling ChooseMaskSampling(const CDrawObject& o) {
  const int w = o.m_width, h = o.m_height, a = ClampedMode(o);
  int s;
  if (o.m_bevelType == kBevel3DBall) s = ShapeFactor(w, h, a, 1500, 1200);
  else if (o.m_type == kTypePolynome) return ContourSampling(o, w, h, a);
  else s = ShapeFactor(w, h, a, 2000, 1400);
  return {s, o.MaskMargin() * s};
}

}  // namespace tessel
