#include "render/image_warp.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/dib_section.h"

namespace tessel {

namespace {
constexpr int kChannels = 4;
constexpr int kAlpha = 3;

// One bilinear sample of src at (fx, fy) in pixel-centre coordinates.
void Sample(const CDIBSection& src, double fx, double fy, uint8_t* out) {
  const double x0 = std::floor(fx), y0 = std::floor(fy);
  const double wx = fx - x0, wy = fy - y0;
  double sum[kChannels] = {0, 0, 0, 0};
  const double weights[2][2] = {{(1 - wx) * (1 - wy), wx * (1 - wy)}, {(1 - wx) * wy, wx * wy}};
  for (int j = 0; j < 2; ++j) {
    for (int i = 0; i < 2; ++i) {
      const double w = weights[j][i];
      const double px = x0 + i, py = y0 + j;
      if (w == 0 || px < 0 || py < 0 || px >= src.Width() || py >= src.Height()) continue;
      const uint8_t* s = src.RowFromTop(int(py)) + kChannels * int(px);
      const double wa = w * s[kAlpha];
      for (int c = 0; c < kAlpha; ++c) sum[c] += wa * s[c];
      sum[kAlpha] += wa;
    }
  }
  const double alpha = sum[kAlpha];
  for (int c = 0; c < kAlpha; ++c) out[c] = alpha > 0 ? uint8_t(std::min(255.0, sum[c] / alpha + 0.5)) : 0;
  out[kAlpha] = uint8_t(std::min(255.0, alpha + 0.5));
}

// |cos| and |sin| of the turn, exact for quarter turns.
std::pair<double, double> AbsCosSin(int degrees) {
  const CAffine r = CAffine::Rotation(degrees, {0, 0});
  return {std::fabs(r.a), std::fabs(r.b)};
}
}  // namespace

void WarpBilinear32(const CDIBSection& src, CDIBSection& dest, const CAffine& m) {
  if (src.IsEmpty() || dest.IsEmpty() || src.BitsPerPixel() != 32 || dest.BitsPerPixel() != 32) return;
  for (int y = 0; y < dest.Height(); ++y) {
    uint8_t* d = dest.RowFromTop(y);
    for (int x = 0; x < dest.Width(); ++x, d += kChannels) {
      const CPointD s = m.Apply({x + 0.5, y + 0.5});
      Sample(src, s.x - 0.5, s.y - 0.5, d);
    }
  }
}

void FlipImage(CDIBSection& image, bool horizontal) {
  if (image.IsEmpty()) return;
  const int bpp = image.BytesPerPixel(), w = image.Width(), h = image.Height();
  if (!horizontal) {
    for (int y = 0; y < h / 2; ++y)
      std::swap_ranges(image.RowFromTop(y), image.RowFromTop(y) + size_t(w) * bpp, image.RowFromTop(h - 1 - y));
    return;
  }
  for (int y = 0; y < h; ++y) {
    uint8_t* row = image.RowFromTop(y);
    for (int x = 0; x < w / 2; ++x) std::swap_ranges(row + x * bpp, row + (x + 1) * bpp, row + (w - 1 - x) * bpp);
  }
}

CPointD TurnedPictureSize(int layerW, int layerH, int boxW, int boxH, int degrees) {
  const auto [c, s] = AbsCosSin(degrees);
  const double lw = std::max(layerW, 1), lh = std::max(layerH, 1);
  const double k = std::min(std::max(boxW, 1) / (lw * c + lh * s), std::max(boxH, 1) / (lw * s + lh * c));
  return {k * lw, k * lh};
}

CAffine TurnedPictureMap(int layerW, int layerH, int boxW, int boxH, int degrees) {
  const CPointD picture = TurnedPictureSize(layerW, layerH, boxW, boxH, degrees);
  // Box centre to origin, turn back, then picture to layer pixels.
  return CAffine::Translation(-boxW / 2.0, -boxH / 2.0)
      .Then(CAffine::Rotation(-degrees, {0, 0}))
      .Then(CAffine::Translation(picture.x / 2, picture.y / 2))
      .Then(CAffine::Scaling(std::max(layerW, 1) / picture.x, std::max(layerH, 1) / picture.y));
}

}  // namespace tessel
