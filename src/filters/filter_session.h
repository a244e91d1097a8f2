// What the filter dialogs need from the core: a session that keeps the object's
// picture as it was when the dialog opened, re-runs a filter from that copy on every
// slider release (the live preview), and on Cancel puts the copy back; the Gaussian
// dialogs' settings in the profile; and the reduced picture of the tweak dialog's
// preview.
#pragma once

#include <cstdint>
#include <vector>

#include "base/dib_section.h"

namespace tessel {

class CDrawObject;
struct CFilterEntry;

class CFilterSession {
 public:
  // Fits the object's picture to the object and keeps a copy of it. false (and no
  // session) when the object cannot be filtered.
  bool Begin(CDrawObject& object);
  bool Active() const { return m_object != nullptr; }
  // Runs the filter with the values (clamped) from the kept copy into the picture and
  // renders the object again; false when no session is active or the filter fails.
  bool Preview(const CFilterEntry& filter, std::vector<double> values, uint32_t seed = 0x7E55E1u);
  // Cancel: the kept copy goes back into the picture and the object is rendered again.
  void Cancel();
  // OK or Apply: the picture stays as the last preview left it; the session ends.
  void End();

 private:
  CDrawObject* m_object = nullptr;  // the object being filtered, not owned
  CDIBSection m_saved;              // the picture when the dialog opened
};

// The "Gaussian Blur" (sharpen false, section "GausBl") or "Gaussian Sharpen" (section
// "GausSh") dialog settings: "Radius" and "Amount" are stored times 100, "Tresh" as is.
struct CGaussianSettings {
  double radius = 1.0;
  double amount = 1.0;
  int threshold = 0;
};
CGaussianSettings LoadGaussianSettings(bool sharpen);
void StoreGaussianSettings(bool sharpen, const CGaussianSettings& settings);

// The tweak dialog's preview area, and the picture scaled down (never up) to fit it
// with its proportions kept (at least 1 × 1).
constexpr int kTweakPreviewWidth = 240;
constexpr int kTweakPreviewHeight = 180;
CDIBSection MakeTweakPreview(const CDIBSection& picture, int maxWidth = kTweakPreviewWidth,
                             int maxHeight = kTweakPreviewHeight);

}  // namespace tessel
