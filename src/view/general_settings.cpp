#include "view/general_settings.h"

#include <algorithm>

#include "base/profile.h"

namespace tessel {

namespace {
constexpr char kSettings[] = "Settings";
constexpr char kGlobal[] = "GSettings";
// The largest canvas the "Size and Color" dialog accepts.
constexpr int kMaxCanvasWidth = 1800;
constexpr int kMaxCanvasHeight = 1500;
}  // namespace

void GeneralSettings::Clamp() {
  padding = std::max(padding, 0);
  defWidth = std::clamp(defWidth, 1, kMaxCanvasWidth);
  defHeight = std::clamp(defHeight, 1, kMaxCanvasHeight);
  backupMinutes = std::max(backupMinutes, 0);
  undoLevels = std::clamp(undoLevels, 0, kMaxUndoLevels);
}

GeneralSettings LoadGeneralSettings(const CProfile& profile) {
  GeneralSettings s;
  s.padding = profile.GetInt(kSettings, "Padding", s.padding);
  s.embedTextures = profile.GetInt(kSettings, "STexture", 0) != 0;
  s.defWidth = profile.GetInt(kSettings, "DefWidth", s.defWidth);
  s.defHeight = profile.GetInt(kSettings, "DefHeight", s.defHeight);
  s.backupMinutes = profile.GetInt(kSettings, "Backup", s.backupMinutes);
  s.undoLevels = profile.GetInt(kSettings, "Undo", s.undoLevels);
  s.skin = profile.GetString(kGlobal, "Skin", s.skin);
  s.tablet = profile.GetInt(kGlobal, "Tablet", 0) != 0;
  s.Clamp();
  return s;
}

bool SaveGeneralSettings(CProfile& profile, GeneralSettings s) {
  s.Clamp();
  bool ok = profile.WriteInt(kSettings, "Padding", s.padding);
  ok &= profile.WriteInt(kSettings, "STexture", s.embedTextures ? 1 : 0);
  ok &= profile.WriteInt(kSettings, "DefWidth", s.defWidth);
  ok &= profile.WriteInt(kSettings, "DefHeight", s.defHeight);
  ok &= profile.WriteInt(kSettings, "Backup", s.backupMinutes);
  ok &= profile.WriteInt(kSettings, "Undo", s.undoLevels);
  ok &= profile.WriteString(kGlobal, "Skin", s.skin);
  ok &= profile.WriteInt(kGlobal, "Tablet", s.tablet ? 1 : 0);
  return ok;
}

}  // namespace tessel
