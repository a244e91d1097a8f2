#include "render/outline.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/dib_section.h"
#include "document/draw_object.h"
#include "render/coverage_mask.h"
#include "render/height_field.h"
#include "render/pixel_math.h"

namespace tessel {

namespace {
constexpr double kSolidFactor = 0.007142857142857143;  // 1 / 140
constexpr double kThickFactor = 0.03333333333333333;   // 1 / 30
constexpr double kSoftFactor = 0.025;
constexpr double kBluredFactor = 0.05;
constexpr double kMaxRadius = 1 << 16;
constexpr int kFaintest = 2;  // weaker outline values are dropped

// A colour 0x00BBGGRR as doubles per channel, indexed like the pixel bytes.
struct CColourD {
  double c[3];
};
CColourD Channels(COLORREF colour) {
  return {{double((colour >> 16) & 0xFF), double((colour >> 8) & 0xFF), double(colour & 0xFF)}};
}

// The outline colour along one picture row: the first colour, or the three-colour
// gradient at 360 − angle. p runs 0..1 across the box along the gradient direction.
class COutlineColour {
 public:
  COutlineColour(const CDrawObject& o, int w, int h)
      : m_first(Channels(o.m_outlineColor2)),
        m_middle(Channels(o.m_outlineColor)),
        m_last(Channels(o.m_outlineColor3)),
        m_gradient(o.m_outlineParam0 != 0),
        m_mid(std::clamp(o.m_outlineSoftness, 0.0, 1.0)) {
    const double a = (360 - double(o.m_outlineParam1)) * kDegToRad;
    m_cos = std::cos(a);
    m_sin = std::sin(a);
    const double span = std::fabs(w * m_cos) + std::fabs(h * m_sin);
    m_inv = span > 0.0 ? 1.0 / span : 0.0;
    m_cx = w * 0.5;
    m_cy = h * 0.5;
  }
  bool Gradient() const { return m_gradient; }

  // The colour at picture pixel (x, y), y counted from the top, as whole channel values.
  void At(int x, int y, int out[3]) const {
    if (!m_gradient) return Whole(m_first, out);
    const double p = std::clamp(((x + 0.5 - m_cx) * m_cos + (y + 0.5 - m_cy) * m_sin) * m_inv + 0.5, 0.0, 1.0);
    if (p < m_mid) return Mix(m_first, m_middle, p / m_mid, out);  // p < M implies M > 0
    Mix(m_middle, m_last, m_mid < 1.0 ? (p - m_mid) / (1.0 - m_mid) : 0.0, out);
  }

 private:
  static void Whole(const CColourD& a, int out[3]) {
    for (int i = 0; i < 3; ++i) out[i] = int(a.c[i]);
  }
  static void Mix(const CColourD& a, const CColourD& b, double t, int out[3]) {
    for (int i = 0; i < 3; ++i) out[i] = int(a.c[i] + (b.c[i] - a.c[i]) * t);
  }

  CColourD m_first, m_middle, m_last;
  bool m_gradient;
  double m_mid;
  double m_cos = 1.0, m_sin = 0.0, m_inv = 0.0, m_cx = 0.0, m_cy = 0.0;
};
}  // namespace

double OutlineRadius(int kind, int width) {
  switch (kind) {
    case kOutlineSolid: return width * kSolidFactor + 0.5;
    case kOutlineThick: return width * kThickFactor + 2.0;
    case kOutlineSoft: return width * kSoftFactor + 0.5;
    case kOutlineBlured: return width * kBluredFactor + 0.5;
    default: return 0.0;
  }
}

int OutlineStrength(int kind, double r, int blurred) {
  int64_t o = 255 - blurred;
  if (o < kFaintest) return 0;
  switch (kind) {
    case kOutlineThick: o = o * o * o; break;
    case kOutlineSoft: o *= 3; break;
    case kOutlineSolid:
      // The wider the blur, the flatter the fall-off inside the edge; a larger
      // multiple keeps the band solid.
      if (r >= 1.2) o *= int64_t(3.0 * std::min(r, kMaxRadius)) + 1;
      else if (r >= 1.0) o *= 3;
      else if (r >= 0.6) o *= 2;
      break;
    default: break;
  }
  return int(std::min<int64_t>(o, 255));
}

bool AddOutline(const CDrawObject& o, const CCoverageMask& mask, CDIBSection& bitmap) {
  const int kind = o.m_outlineType, w = o.m_width, h = o.m_height;
  if (kind < kOutlineSolid || kind > kOutlineBlured) return false;
  if (mask.width != w || mask.height != h || mask.bytes.size() != size_t(w) * size_t(h) || bitmap.IsEmpty() ||
      bitmap.Width() != w || bitmap.Height() != h || bitmap.BitsPerPixel() != 32)
    return false;
  const double r = OutlineRadius(kind, o.m_outlineWidth);
  std::vector<uint8_t> blurred = mask.bytes;
  CHeightFieldBuilder builder;
  builder.BuildHeightField(blurred.data(), w, h, std::clamp(o.m_renderScale * r, 0.0, kMaxRadius), kHeightBoth);
  // Strength to t once for all 256 blurred values.
  double t[256];
  for (int v = 0; v < 256; ++v) t[v] = OutlineStrength(kind, r, v) * kInv255;
  const COutlineColour colour(o, w, h);
  int c[3];
  colour.At(0, 0, c);
  for (int y = 0; y < h; ++y) {
    const uint8_t* b = blurred.data() + size_t(y) * w;
    uint8_t* p = bitmap.RowFromTop(y);
    for (int x = 0; x < w; ++x, p += 4) {
      const double k = t[b[x]];
      if (k == 0.0) continue;
      if (colour.Gradient()) colour.At(x, y, c);
      for (int i = 0; i < 3; ++i) p[i] = uint8_t(int(c[i] * k + p[i] * (1.0 - k)));
    }
  }
  return true;
}

}  // namespace tessel
