// Pen pressure for the painting tools. The window layer feeds tablet events into a
// CEventPressure; without a tablet the constant source reports full pressure (255).
#pragma once

#include <string>

namespace tessel {

// Full pressure: what painting uses when no tablet speaks.
constexpr int kFullPressure = 255;

class IPressureSource {
 public:
  virtual ~IPressureSource() = default;
  // The pen pressure 0..255 of the latest report.
  virtual int GetPressure() const = 0;
  // True when the pen's other end (a cursor index above 1) is on the tablet.
  virtual bool IsEraser() const = 0;
  // Forgets the latest report: no cursor, full pressure.
  virtual void Reset() = 0;
};

// Always 255, never an eraser.
class CConstantPressure : public IPressureSource {
 public:
  int GetPressure() const override { return kFullPressure; }
  bool IsEraser() const override { return false; }
  void Reset() override {}
};

// Pressure reported by tablet events. Each event gives the cursor index (0 none, 1 pen
// tip, 2 and above the eraser end) and the normal pressure in the device's units; the
// scale maps the device's maximum to 255.
class CEventPressure : public IPressureSource {
 public:
  // A device whose pressure runs from 0 to maxPressure (at least 1).
  explicit CEventPressure(int maxPressure = kFullPressure) { SetPressureRange(maxPressure); }

  void SetPressureRange(int maxPressure);
  // Turns the source on or off; while off it reports 255.
  void Enable(bool on) { m_enabled = on; }
  bool IsEnabled() const { return m_enabled; }
  // One tablet report.
  void Packet(int cursorIndex, int normalPressure);
  // A report with pressure as a fraction 0..1 (as window toolkits give it).
  void PacketFraction(int cursorIndex, double pressure);

  // 255 when disabled or no cursor is reported; else pressure × scale held to 0..255.
  int GetPressure() const override;
  bool IsEraser() const override { return m_cursor > 1; }
  void Reset() override;

  int CursorIndex() const { return m_cursor; }

 private:
  bool m_enabled = true;
  int m_cursor = 0;
  int m_pressure = kFullPressure;
  int m_maxPressure = kFullPressure;
  double m_scale = 1.0;
};

// Texts of the tablet settings.
constexpr const char* kTabletNotAvailableText = "WinTab Services Not Available.";
constexpr const char* kTabletUnknownText = "Unknown Tablet found";
constexpr const char* kTabletNotInstalledText = "Tablet is not installed.";
constexpr const char* kTabletEnableLabel = "Enable Pressure Sensitive Brushes";

// The settings dialog's tablet line: kTabletNotAvailableText when no tablet device is
// seen, else the device name, or kTabletUnknownText when the name is empty.
std::string TabletInfoText(bool deviceSeen, const std::string& deviceName);
// Whether "Enable Pressure Sensitive Brushes" may be ticked for that info text.
bool TabletCheckboxEnabled(const std::string& infoText);

}  // namespace tessel
