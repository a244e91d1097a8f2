#include "app/app_painting_state.h"

#include <memory>

#include "base/app_context.h"
#include "paint/painting_state.h"
#include "paint/pressure_source.h"
#include "view/general_settings.h"

namespace tessel {

CPaintingState& AppPaintingState() {
  // Lives as long as the program: editors and panels of any window share it.
  static CPaintingState state = [] {
    CPaintingState s;
    s.m_brush.Build(kLibraryPreviewSide);
    s.m_brush.SetColour(s.m_paintColour);
    UseTabletPressure(s, LoadGeneralSettings(App().Profile()).tablet);
    return s;
  }();
  return state;
}

CEventPressure* UseTabletPressure(CPaintingState& state, bool tabletOn) {
  auto* tablet = dynamic_cast<CEventPressure*>(state.m_pressure.get());
  if (!tabletOn) {
    if (tablet) state.m_pressure = std::make_unique<CConstantPressure>();
    return nullptr;
  }
  if (!tablet) {
    auto source = std::make_unique<CEventPressure>();
    tablet = source.get();
    state.m_pressure = std::move(source);
  }
  return tablet;
}

void ApplyTabletSetting(bool on) { UseTabletPressure(AppPaintingState(), on); }

}  // namespace tessel
