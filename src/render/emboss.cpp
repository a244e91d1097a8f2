#include "render/emboss.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/dib_section.h"
#include "document/draw_object.h"
#include "render/coverage_mask.h"
#include "render/height_field.h"
#include "render/pixel_math.h"
#include "filters/parallel_rows.h"

namespace tessel {

namespace {

constexpr double kEmbossElevation = 30.0;
constexpr int kEmbossIntensity = 255;
constexpr int kFlatLift = 120;  // the z of a slope's normal; 14400 = 120²

// Bevel kinds of the emboss routine.
constexpr int kFirstProfiledKind = 1;  // "Smooth Bevel"; kinds 1..7 use profile kind − 1
constexpr int kLastProfiledKind = 7;   // "Outline"
constexpr int kSmoothHiLite = 11;
constexpr int kHorizontal = 21;
constexpr int kVertical = 22;

}  // namespace

CEmbossLight MakeEmbossLight(double azimuth, double elevation, int intensity) {
  const double a = azimuth * px::kDegToRad;
  const double e = elevation * px::kDegToRad;
  return {std::cos(a) * intensity * std::cos(e), std::sin(a) * intensity * std::cos(e),
          std::sin(e) * intensity * kFlatLift};
}

int EmbossShading(int gx, int gy, const CEmbossLight& light, bool squared) {
  const int d = px::Trunc(gy * light.y + gx * light.x + light.z);
  int s = 0;
  if (d >= 0) s = px::Trunc(2.0 * d / std::sqrt(double(gx * gx + gy * gy + kFlatLift * kFlatLift)));
  if (squared) s = int(int64_t(s) * s / 255);
  return s;
}

namespace {

// Shades rows rowBegin..rowEnd − 1 and copies their outermost columns.
void ShadeRows(CDIBSection& pixels, const uint8_t* height, int width, int h, const CEmbossLight& light, int depth,
               bool squared, int rowBegin, int rowEnd) {
  for (int y = rowBegin; y < rowEnd; ++y) {
    const uint8_t* up = height + size_t((y + h - 1) % h) * width;
    const uint8_t* mid = height + size_t(y) * width;
    const uint8_t* down = height + size_t((y + 1) % h) * width;
    uint8_t* p = pixels.RowFromTop(y);
    for (int x = 0; x < width; ++x, p += 4) {
      const int l = x == 0 ? width - 1 : x - 1;
      const int r = x == width - 1 ? 0 : x + 1;
      const int gx = up[l] + mid[l] + down[l] - up[r] - mid[r] - down[r];
      const int gy = down[l] + down[x] + down[r] - up[l] - up[x] - up[r];
      if (gx == 0 && gy == 0) continue;
      const int s = EmbossShading(gx, gy, light, squared);
      const int k = int(int64_t(s - 255) * depth / 100);
      p[px::kBlue] = uint8_t(px::Clamp255(p[px::kBlue] + k));
      p[px::kGreen] = uint8_t(px::Clamp255(p[px::kGreen] + k));
      p[px::kRed] = uint8_t(px::Clamp255(p[px::kRed] + k));
    }
    // The outermost columns copy their inner neighbours, hiding the wrap-around.
    if (width >= 2) {
      uint8_t* row = pixels.RowFromTop(y);
      std::memcpy(row, row + 4, 4);
      std::memcpy(row + 4 * (width - 1), row + 4 * (width - 2), 4);
    }
  }
}

}  // namespace

bool EmbossShade(CDIBSection& pixels, const uint8_t* height, int width, int h, double azimuth, double elevation,
                 int intensity, int depth, bool squared) {
  if (!height || pixels.IsEmpty() || pixels.BitsPerPixel() != 32 || pixels.Width() != width ||
      pixels.Height() != h)
    return false;
  const CEmbossLight light = MakeEmbossLight(azimuth, elevation, intensity);
  // Every row writes only its own pixels, so bands of rows run on both cores.
  filters::ForEachBand(h, filters::BandCount(width, h), [&](int rowBegin, int rowEnd) {
    ShadeRows(pixels, height, width, h, light, depth, squared, rowBegin, rowEnd);
  });
  if (h >= 2) {
    const size_t bytes = size_t(width) * 4;
    std::memcpy(pixels.RowFromTop(0), pixels.RowFromTop(1), bytes);
    std::memcpy(pixels.RowFromTop(h - 1), pixels.RowFromTop(h - 2), bytes);
  }
  return true;
}

bool IsEmbossBevel(int kind) {
  return (kind >= kFirstProfiledKind && kind <= kLastProfiledKind) || kind == kSmoothHiLite ||
         kind == kHorizontal || kind == kVertical;
}

int BevelRadius(const CDrawObject& o) {
  constexpr int64_t kMaxRadius = 1 << 16;  // a damaged record may hold anything
  return int(std::clamp<int64_t>(int64_t(o.m_bevelWidth / 3) * o.m_renderScale, 0, kMaxRadius));
}

namespace {
// Builds the height field in height (w × h, top-down) and shades pixels by it.
bool ShadeWithProfile(const CDrawObject& o, CDIBSection& pixels, uint8_t* height, int w, int h, int profile,
                      int direction, bool squared) {
  if (!height || pixels.IsEmpty() || pixels.Width() != w || pixels.Height() != h) return false;
  CHeightFieldBuilder builder;
  builder.m_profile = profile;
  builder.BuildHeightField(height, w, h, BevelRadius(o), direction);
  return EmbossShade(pixels, height, w, h, o.m_bevelParam2, kEmbossElevation, kEmbossIntensity, o.m_bevelParam1,
                     squared);
}

bool MaskFitsBox(const CDrawObject& o, const CCoverageMask& mask) {
  const int w = o.m_width, h = o.m_height;
  return mask.width == w && mask.height == h && mask.bytes.size() == size_t(w) * size_t(h);
}
}  // namespace

bool ShadeEmbossBevel(const CDrawObject& o, int kind, CDIBSection& pixels, uint8_t* height, int w, int h) {
  if (!IsEmbossBevel(kind)) return false;
  int profile = CHeightFieldBuilder::kProfileSmooth;
  int direction = kHeightBoth;
  bool squared = false;
  if (kind >= kFirstProfiledKind && kind <= kLastProfiledKind)
    profile = kind - 1;
  else if (kind == kSmoothHiLite)
    squared = true;
  else if (kind == kHorizontal)
    direction = kHeightX;
  else
    direction = kHeightY;
  return ShadeWithProfile(o, pixels, height, w, h, profile, direction, squared);
}

bool ApplyEmbossBevel(CDrawObject& o, CCoverageMask& mask) {
  if (!MaskFitsBox(o, mask)) return false;
  return ShadeEmbossBevel(o, o.m_bevelType, o.m_bitmap, mask.bytes.data(), o.m_width, o.m_height);
}

bool EmbossBevel(CDrawObject& o, CCoverageMask& mask, int profile, int direction, bool squared) {
  if (!MaskFitsBox(o, mask)) return false;
  return ShadeWithProfile(o, o.m_bitmap, mask.bytes.data(), o.m_width, o.m_height, profile, direction, squared);
}

}  // namespace tessel
