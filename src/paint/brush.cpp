#include "paint/brush.h"

#include <algorithm>
#include <cmath>

#include "base/archive.h"
#include "base/program_constants.h"
#include "paint/brush_record.h"

namespace tessel {

const char* const kPressureModeNames[kPressureModeCount] = {
    "None", "Pressure", "Opacity", "Press. & Opacity", "Speed", "Speed & Press.", "Speed & Opacity", "All Together"};

namespace {
// The random hose draws r in 0..32767, as the classic C rand() does.
constexpr int kRandMax = 32767;
// Redraws allowed while the random hose keeps hitting the last frame; a bound so that
// an unlucky generator can never hang a stroke.
constexpr int kMaxRedraws = 64;
}  // namespace

CBrush& CBrush::operator=(const CBrush& o) {
  if (this == &o) return *this;
  m_name = o.m_name;
  m_tipKind = o.m_tipKind;
  m_size = o.m_size;
  m_spacing = o.m_spacing;
  m_spacingCopy = o.m_spacingCopy;
  m_opacity = o.m_opacity;
  m_blur = o.m_blur;
  m_colourOverlay = o.m_colourOverlay;
  m_autoPreview = o.m_autoPreview;
  m_dab = o.m_dab.Clone();
  m_preview = o.m_preview.Clone();
  m_hoseMode = o.m_hoseMode;
  m_hoseFrames.clear();
  for (const CDIBSection& f : o.m_hoseFrames) m_hoseFrames.push_back(f.Clone());
  m_pressureMode = o.m_pressureMode;
  m_spacingEnabled = o.m_spacingEnabled;
  m_paintColour = o.m_paintColour;
  m_hoseIndex = o.m_hoseIndex;
  m_random = o.m_random;
  return *this;
}

void CBrush::SetColour(uint32_t colorref) {
  m_paintColour = colorref;
  if (m_tipKind > kTipBitmap || m_dab.IsEmpty() || m_dab.BitsPerPixel() != 32) return;
  const uint8_t r = uint8_t(colorref), g = uint8_t(colorref >> 8), b = uint8_t(colorref >> 16);
  for (int y = 0; y < m_dab.Height(); ++y) {
    uint8_t* p = m_dab.RowFromBottom(y);
    for (int x = 0; x < m_dab.Width(); ++x, p += 4) {
      p[kBlue] = b;
      p[kGreen] = g;
      p[kRed] = r;
    }
  }
}

int CBrush::DabStep() const {
  if (m_size == 1) return 1;
  const double step = m_dab.Width() * m_spacing;
  // A damaged spacing (NaN, huge) must not become undefined behaviour.
  if (!(step >= 1.0)) return 1;
  return step >= double(1 << 20) ? 1 << 20 : int(step);
}

const CDIBSection& CBrush::NextDab(int angleDegrees) {
  const int n = int(m_hoseFrames.size());
  if (m_tipKind != kTipImageHose || n == 0) return m_dab;
  int index = 0;
  switch (m_hoseMode) {
    case kHoseRandom: {
      if (n == 1) break;
      std::uniform_int_distribution<int> draw(0, kRandMax);
      // The wrap of n to 0 comes before the comparison, so that frame 0 is not
      // stamped twice in a row either.
      for (int tries = 0; tries < kMaxRedraws; ++tries) {
        index = int(double(draw(m_random)) / kRandMax * n + 0.5);
        if (index >= n) index = 0;
        if (index != m_hoseIndex) break;
      }
      m_hoseIndex = index;
      break;
    }
    case kHoseDirectional: {
      // More frames than degrees would make the sector width 0.
      const int w = std::max(1, 360 / n);
      index = (angleDegrees + w / 2) / w;
      if (index >= n || index < 0) index = 0;
      break;
    }
    default:
      index = m_hoseIndex + 1;
      if (index >= n || index < 0) index = 0;
      m_hoseIndex = index;
      break;
  }
  return m_hoseFrames[size_t(std::min(index, n - 1))];
}

namespace {

// Throws "Corupted Data!" unless lo <= v <= hi.
void CheckRange(double v, double lo, double hi) {
  if (!(v >= lo && v <= hi)) throw CBrushDataError(kCorruptedDataMsg);
}

void StoreRecord(CArchive& ar, const CBrush& b) {
  ar.WriteString(b.m_name);
  ar.WriteI32(b.m_tipKind);
  ar.WriteI32(b.m_size);
  ar.WriteF64(b.m_spacing);
  ar.WriteF64(b.m_spacingCopy);
  ar.WriteI32(b.m_opacity);
  ar.WriteF64(b.m_blur);
  ar.WriteI32(b.m_colourOverlay);
  ar.WriteI32(b.m_autoPreview);
  WriteBitmapRecord(ar, b.m_dab);
  WriteBitmapRecord(ar, b.m_preview);
  ar.WriteI32(b.m_hoseMode);
  ar.WriteI32(int32_t(b.m_hoseFrames.size()));
  for (const CDIBSection& f : b.m_hoseFrames) WriteBitmapRecord(ar, f);
  ar.WriteI32(b.m_pressureMode);
  ar.WriteI32(b.m_spacingEnabled);
  ar.WriteEndMarker();
}

// Reads a record into a fresh brush, checking every value before it is used.
void LoadRecord(CArchive& ar, CBrush& b) {
  b.m_name = ar.ReadString();
  b.m_tipKind = ar.ReadI32();
  CheckRange(b.m_tipKind, kTipCircular, kTipImageHose);
  b.m_size = ar.ReadI32();
  CheckRange(b.m_size, kBrushMinSize, kBrushMaxSize);
  b.m_spacing = ar.ReadF64();
  b.m_spacingCopy = ar.ReadF64();
  CheckRange(b.m_spacing, 0.0, 100.0);
  CheckRange(b.m_spacingCopy, 0.0, 100.0);
  b.m_opacity = ar.ReadI32();
  CheckRange(b.m_opacity, 0, 255);
  b.m_blur = ar.ReadF64();
  CheckRange(b.m_blur, 0.0, kBrushMaxBlur);
  b.m_colourOverlay = ar.ReadI32();
  b.m_autoPreview = ar.ReadI32();
  ReadBitmapRecord(ar, b.m_dab);
  ReadBitmapRecord(ar, b.m_preview);
  b.m_hoseMode = ar.ReadI32();
  CheckRange(b.m_hoseMode, kHoseSequential, kHoseDirectional);
  const int32_t n = ar.ReadI32();
  CheckRange(n, 0, kMaxHoseFrames);
  ar.CheckCount(uint64_t(n), 4);
  b.m_hoseFrames.resize(size_t(n));
  for (CDIBSection& f : b.m_hoseFrames) ReadBitmapRecord(ar, f);
  // Older brushes end here, or after the pressure mode.
  const int32_t pressure = ar.ReadI32();
  if (uint32_t(pressure) == CArchive::kEndMarker) return;
  CheckRange(pressure, 0, kPressureModeCount - 1);
  b.m_pressureMode = pressure;
  const int32_t spacingOn = ar.ReadI32();
  if (uint32_t(spacingOn) == CArchive::kEndMarker) return;
  b.m_spacingEnabled = spacingOn;
  if (ar.ReadU32() != CArchive::kEndMarker) throw CBrushDataError(kCorruptedDataMsg);
}

}  // namespace

void CBrush::Store(CArchive& ar) const { StoreRecord(ar, *this); }

void CBrush::Load(CArchive& ar) {
  CBrush loaded;
  LoadRecord(ar, loaded);
  loaded.m_random = m_random;
  *this = std::move(loaded);
}

}  // namespace tessel
