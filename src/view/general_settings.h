// The values of the "General Settings" dialog: the profile section "Settings" and the
// global switches of "GSettings".
#pragma once

#include <string>

namespace tessel {

class CProfile;

struct GeneralSettings {
  static constexpr int kMaxUndoLevels = 30;

  int padding = 15;       // "Settings"/"Padding": margin of "Trim Canvas+Padding"
  bool embedTextures = false;  // "Settings"/"STexture": textures stored in the project
  int defWidth = 400;     // "Settings"/"DefWidth": canvas of a new document
  int defHeight = 300;    // "Settings"/"DefHeight"
  int backupMinutes = 5;  // "Settings"/"Backup": below 1 switches the backup off
  int undoLevels = 4;     // "Settings"/"Undo": 0 to 30
  std::string skin;       // "GSettings"/"Skin"
  bool tablet = false;    // "GSettings"/"Tablet": pressure-sensitive brushes

  // Brings every value into its range: undo levels 0 to 30, the default canvas within
  // the sizes a canvas may have (1 to 1800 by 1 to 1500), padding and backup not
  // negative.
  void Clamp();
};

// The settings stored in profile (defaults for absent keys), clamped.
GeneralSettings LoadGeneralSettings(const CProfile& profile);
// Writes the settings, clamped, to profile. False when the profile file could not be
// written.
bool SaveGeneralSettings(CProfile& profile, GeneralSettings settings);

}  // namespace tessel
