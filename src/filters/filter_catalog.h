// Every bitmap filter and tweak effect by name, with its parameters, ranges and
// defaults: what the dialogs show and what tessel-cli runs.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/dib_section.h"

namespace tessel {

struct CFilterParam {
  std::string key;    // lower-case letters and digits of the label
  std::string label;  // as the dialog shows it
  double lo = 0.0;
  double hi = 0.0;
  double def = 0.0;
  bool integer = true;  // values are truncated to integers
};

struct CFilterEntry {
  std::string name;  // the menu command or tweak effect name
  std::string key;   // lower-case letters and digits of the name
  std::vector<CFilterParam> params;
  int tweakSlot = -1;              // the tweak effect's slot, or −1 for a menu filter
  bool checkpointAfter = false;    // the command takes an undo checkpoint after the change
  // Runs on a 32-bit picture; values holds one value per parameter, in range.
  std::function<bool(CDIBSection& picture, const std::vector<double>& values, uint32_t seed)> run;
};

// The menu filters in menu order, then the 27 tweak effects in slot order.
const std::vector<CFilterEntry>& FilterCatalog();

// Lower-case letters and digits of a name: "Hue && Saturation" -> "huesaturation".
std::string FilterKey(const std::string& name);

// The entry whose name or key matches (compared by FilterKey), or nullptr.
const CFilterEntry* FindFilter(const std::string& name);

// The default values of an entry's parameters.
std::vector<double> DefaultValues(const CFilterEntry& entry);

// Index of the parameter whose key matches (compared by FilterKey; "p0".."p7" name the
// parameters by position too), or −1.
int FindParam(const CFilterEntry& entry, const std::string& key);

// value clamped to the parameter's range (and truncated for an integer parameter);
// NaN becomes the default.
double ClampParam(const CFilterParam& param, double value);

}  // namespace tessel
