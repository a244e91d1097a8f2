#include "library/library_window_settings.h"

#include "base/app_context.h"
#include "base/profile.h"

namespace tessel {

namespace {
constexpr char kStyle[] = "Style";
constexpr char kObLib[] = "ObLib";
constexpr int kStylesTopFromBottom = 230;
constexpr int kFirstIgnoredLeft = 4001;
constexpr int kLibraryLeftFromRight = 150;
}  // namespace

CStylesWindowSettings CStylesWindowSettings::Load(int screenHeight) {
  const CProfile& p = App().Profile();
  CStylesWindowSettings s;
  s.tab = p.GetInt(kStyle, "Tabsel", s.tab);
  s.shown = p.GetInt(kStyle, "Status", s.shown);
  const int left = p.GetInt(kStyle, "Left", s.left);
  if (left < kFirstIgnoredLeft) s.left = left;
  s.width = p.GetInt(kStyle, "Width", s.width);
  s.height = p.GetInt(kStyle, "Height", s.height);
  s.top = p.GetInt(kStyle, "Top", screenHeight - kStylesTopFromBottom);
  return s;
}

void CStylesWindowSettings::Save() const {
  CProfile& p = App().Profile();
  p.WriteInt(kStyle, "Tabsel", tab);
  p.WriteInt(kStyle, "Status", shown);
  p.WriteInt(kStyle, "Left", left);
  p.WriteInt(kStyle, "Width", width);
  p.WriteInt(kStyle, "Height", height);
  p.WriteInt(kStyle, "Top", top);
}

CObjectLibraryWindowSettings CObjectLibraryWindowSettings::Load(int screenWidth) {
  const CProfile& p = App().Profile();
  CObjectLibraryWindowSettings s;
  const int defaultLeft = screenWidth - kLibraryLeftFromRight;
  s.shown = p.GetInt(kObLib, "Status", s.shown);
  s.top = p.GetInt(kObLib, "Top", s.top);
  s.left = p.GetInt(kObLib, "Left", defaultLeft);
  if (s.top < 0) s.top = CObjectLibraryWindowSettings().top;
  if (s.left < 0) s.left = defaultLeft;
  return s;
}

void CObjectLibraryWindowSettings::Save() const {
  CProfile& p = App().Profile();
  p.WriteInt(kObLib, "Status", shown);
  p.WriteInt(kObLib, "Top", top);
  p.WriteInt(kObLib, "Left", left);
}

}  // namespace tessel
