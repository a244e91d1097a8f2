// The colour tweak engine of the "Bitmap Color Tweak" dialog: a table of 32 effect
// slots (27 registered), each a per-pixel formula of the source picture, the pixel's
// position and up to eight parameters P0..P7 (0..255).
//
// Positions are those of the picture's memory rows: y = 0 is the first row of the
// buffer (the bottom row of a bottom-up object bitmap), x = 0 the first column.
#pragma once

#include <cstdint>
#include <random>

#include "base/dib_section.h"

namespace tessel {

constexpr int kTweakSlots = 32;
constexpr int kTweakEffectCount = 27;
constexpr int kTweakParams = 8;

// One registered slot: its name, parameter count, labels (empty beyond the count) and
// default values.
struct CTweakEffectInfo {
  const char* name = nullptr;
  int paramCount = 0;
  const char* labels[kTweakParams] = {"", "", "", "", "", "", "", ""};
  uint8_t defaults[kTweakParams] = {};
};

// The effect of a slot, or nullptr for an unregistered or out-of-range slot.
const CTweakEffectInfo* TweakEffect(int slot);

class CTweakEngine {
 public:
  // The seed of the effects that draw random marks ("Effect -Aged Photo").
  static constexpr uint32_t kDefaultSeed = 0x7E55E1u;

  // Selects slot 0 with its defaults.
  CTweakEngine() { Select(0); }

  // Selects a registered slot and loads its default parameters; false (nothing
  // changes) for another slot.
  bool Select(int slot);
  int Slot() const { return m_slot; }

  // Sets parameter i (clamped to 0..255); ignored for i outside 0..7.
  void SetParam(int i, int value);
  int Param(int i) const { return i >= 0 && i < kTweakParams ? m_params[i] : 0; }

  // "Random": every used parameter of the effect gets a value 0..255 drawn from rng.
  void Randomize(std::mt19937& rng);

  // Runs the selected effect: dst becomes a copy of src, then its blue, green and red
  // bytes the effect's values (each clamped to 0..255); alpha stays src's. src and dst
  // are separate 32-bit pictures of the same size; false otherwise.
  bool Run(const CBitmapView& src, const CBitmapView& dst) const;

  // The seed of the random marks; the same seed gives the same picture.
  uint32_t m_seed = kDefaultSeed;

 private:
  int m_slot = 0;
  int m_params[kTweakParams] = {};
};

}  // namespace tessel
