// CBrush: one painting brush — its tip kind and settings, the dab it stamps, its
// library preview and, for an Image Hose, its frames. The application keeps one current
// brush (a copy) and each library keeps its own.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "base/archive.h"
#include "base/dib_section.h"

namespace tessel {

enum BrushTip : int32_t {
  kTipCircular = 0,
  kTipRectangular = 1,
  kTipBitmap = 2,
  kTipImageBrush = 3,
  kTipImageHose = 4,
};

enum HoseMode : int32_t { kHoseSequential = 0, kHoseRandom = 1, kHoseDirectional = 2 };

// Pressure modes: index into the "Presure Sensitivity" combo.
enum PressureMode : int32_t {
  kPressureNone = 0,
  kPressurePressure = 1,
  kPressureOpacity = 2,
  kPressurePressOpacity = 3,
  kPressureSpeed = 4,
  kPressureSpeedPress = 5,
  kPressureSpeedOpacity = 6,
  kPressureAll = 7,
};
constexpr int kPressureModeCount = 8;
// The combo's texts, in index order.
extern const char* const kPressureModeNames[kPressureModeCount];

// Limits of the generated tips and of what a brush file may hold.
constexpr int kBrushMinSize = 1;
constexpr int kBrushMaxSize = 60;
constexpr double kBrushMaxBlur = 30.0;  // the dialog's slider reaches 60 half pixels
// Preview sides: the library list and the properties dialog.
constexpr int kLibraryPreviewSide = 40;
constexpr int kDialogPreviewSide = 100;
// Largest preview Build makes.
constexpr int kMaxBrushPreviewSide = 400;

class CBrush {
 public:
  CBrush() = default;
  CBrush(const CBrush& o) { *this = o; }
  CBrush& operator=(const CBrush& o);
  CBrush(CBrush&&) noexcept = default;
  CBrush& operator=(CBrush&&) noexcept = default;

  // Stored settings (the order of the brush record).
  std::string m_name = "Brush";
  int32_t m_tipKind = kTipCircular;
  int32_t m_size = 10;            // tip diameter of generated tips, 1..60
  double m_spacing = 0.15;        // dab step as a fraction of the dab width
  double m_spacingCopy = 0.15;    // kept equal to m_spacing
  int32_t m_opacity = 255;
  double m_blur = 10.0;           // softness radius of generated tips, pixels
  int32_t m_colourOverlay = 0;    // Image Brush/Hose: ink is the paint colour
  int32_t m_autoPreview = 1;      // the preview is rebuilt from the dab
  CDIBSection m_dab;              // 32-bit BGRA, bottom-up; alpha is the coverage
  CDIBSection m_preview;          // 32-bit BGRA library image
  int32_t m_hoseMode = kHoseSequential;
  std::vector<CDIBSection> m_hoseFrames;
  int32_t m_pressureMode = kPressureOpacity;
  int32_t m_spacingEnabled = 1;   // off: one dab per pointer event

  // Run-time state, not stored.
  uint32_t m_paintColour = 0;     // COLORREF 0x00BBGGRR
  int32_t m_hoseIndex = 0;        // last hose frame used

  // Sets spacing and its stored copy together.
  void SetSpacing(double spacing) { m_spacing = m_spacingCopy = spacing; }

  // Remembers the paint colour; Circular, Rectangular and Bitmap tips also take it into
  // every dab pixel's blue, green and red (alpha unchanged).
  void SetColour(uint32_t colorref);

  // Regenerates the dab of Circular and Rectangular tips (size, blur), trims image
  // tips, and with auto preview on rebuilds the preview at previewSide² pixels.
  void Build(int previewSide);

  // The distance between dabs in pixels: 1 for size 1, else max(1, trunc(width · spacing)).
  int DabStep() const;

  // The bitmap to stamp next. Image Hose brushes choose a frame by their hose mode
  // (angleDegrees is the stroke direction, 0..359, used by the directional mode);
  // every other brush, and a hose without frames, returns the dab.
  const CDIBSection& NextDab(int angleDegrees);

  // Seeds the random hose choice (tests and replays).
  void SeedRandom(uint32_t seed) { m_random.seed(seed); }

  // The brush record (fields 1..17 of a brush file), written to a storing archive.
  void Store(CArchive& ar) const;
  // Reads a brush record. Older records that end after the hose frames or after the
  // pressure mode keep the defaults of the missing fields. Throws CBrushDataError
  // ("Corupted Data!", "Bitmap:: Data Read Error!") or CArchiveException on a damaged or
  // short record, leaving the brush unchanged.
  void Load(CArchive& ar);
  // Store or Load by the archive's direction.
  void Serialize(CArchive& ar) { ar.IsStoring() ? Store(ar) : Load(ar); }

 private:
  std::mt19937 m_random{0x5eed};
};

}  // namespace tessel
