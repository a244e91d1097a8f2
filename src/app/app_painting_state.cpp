#include "app/app_painting_state.h"

#include "base/app_context.h"
#include "paint/painting_state.h"
#include "view/general_settings.h"

namespace tessel {

namespace {
void SetPressureSource(CPaintingState& state, bool tablet) {
  const bool isTablet = dynamic_cast<CEventPressure*>(state.m_pressure.get()) != nullptr;
  if (tablet == isTablet) return;
  if (tablet)
    state.m_pressure = std::make_unique<CEventPressure>();
  else
    state.m_pressure = std::make_unique<CConstantPressure>();
}
}  // namespace

CPaintingState& AppPaintingState() {
  static CPaintingState& state = [] () -> CPaintingState& {
    static CPaintingState made;
    SetPressureSource(made, LoadGeneralSettings(App().Profile()).tablet);
    return made;
  }();
  return state;
}

void ApplyTabletSetting(bool on) { SetPressureSource(AppPaintingState(), on); }

}  // namespace tessel
