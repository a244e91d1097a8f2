// The program's look: Qt's Fusion style with a light or a dark palette, kept in the
// profile as "GSettings"/"Theme" ("light" or "dark").
#pragma once

namespace tessel {

class CProfile;

enum class AppTheme { kLight, kDark };

// The theme stored in profile; light when absent or unknown.
AppTheme LoadAppTheme(const CProfile& profile);
// Stores the theme; false when the profile could not be written.
bool SaveAppTheme(CProfile& profile, AppTheme theme);
// Gives the running application the Fusion style with the theme's palette.
void ApplyAppTheme(AppTheme theme);

}  // namespace tessel
