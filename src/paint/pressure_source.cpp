#include "paint/pressure_source.h"

#include <algorithm>
#include <cmath>

namespace tessel {

void CEventPressure::SetPressureRange(int maxPressure) {
  m_maxPressure = std::max(1, maxPressure);
  m_scale = double(kFullPressure) / m_maxPressure;
}

void CEventPressure::Packet(int cursorIndex, int normalPressure) {
  m_cursor = cursorIndex;
  m_pressure = normalPressure;
}

void CEventPressure::PacketFraction(int cursorIndex, double pressure) {
  if (!(pressure >= 0.0)) pressure = 0.0;  // NaN too
  Packet(cursorIndex, int(std::lround(std::min(pressure, 1.0) * m_maxPressure)));
}

int CEventPressure::GetPressure() const {
  if (!m_enabled || m_cursor == 0) return kFullPressure;
  return std::clamp(int(m_pressure * m_scale), 0, kFullPressure);
}

void CEventPressure::Reset() {
  m_cursor = 0;
  m_pressure = kFullPressure;
}

std::string TabletInfoText(bool deviceSeen, const std::string& deviceName) {
  if (!deviceSeen) return kTabletNotAvailableText;
  return deviceName.empty() ? kTabletUnknownText : deviceName;
}

bool TabletCheckboxEnabled(const std::string& infoText) {
  // Without a tablet the setting could only be ticked in vain.
  return infoText != kTabletNotInstalledText && infoText != kTabletNotAvailableText;
}

}  // namespace tessel
