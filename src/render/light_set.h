// CLightSet: the lights and material of one object. Each light is ambient, distant,
// point or spot, aimed by azimuth and elevation, with a reference point in fractions
// of the box (y counted from the bottom). Parameters are exchanged by name for the
// Lights & Material bar.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessel {

class CArchive;

struct CLight {
  enum Type : int32_t { kAmbient = 0, kDistant = 1, kPoint = 2, kSpot = 3 };
  int32_t type = kDistant;
  int32_t flags = 0;         // carried and stored
  double azimuth = 135.0;    // degrees
  double elevation = 1.0;    // slope of the light over the surface
  double focus = 1.0;        // spot focus exponent
  double cone = 0.5;         // spot cone half-angle in radians
  double distance = 1.0;     // fraction of the box width
  double x = 0.5, y = 0.5;   // reference point, fractions of the box, y from the bottom
  double intensity = 1.0;
  double reserved = 0.0;     // carried and stored
  bool operator==(const CLight& o) const;
};

class CLightSet {
 public:
  // Material. m_relief is the relief strength (raised to 1.0 when loaded).
  double m_relief = 1.0;
  double m_shininess = 10.0;
  double m_ambient = 0.3;
  double m_diffuse = 1.0;
  double m_specular = 0.5;
  double m_reflection = 0.0;
  uint32_t m_color1 = 0xFFFFFF;  // light colour, 0x00BBGGRR
  uint32_t m_color2 = 0xFFFFFF;  // highlight colour, 0x00BBGGRR
  uint32_t m_flags = 0;
  std::vector<CLight> m_lights;

  // The type name shown in the light list: "Ambient", "Distant", "Point", "Spot".
  static const char* TypeName(int type);
  // "TYPE", "AZIM", "ELEV", "FOCUS", "CONE", "DIST" of light index; "DIST" is given as
  // distance * boxWidth. Unknown names and indexes read 0.0.
  double GetLightParam(int index, const std::string& name, int boxWidth) const;
  // Sets a parameter by name; "DIST" is taken as pixels and stored divided by boxWidth.
  // An index without a light writes nothing.
  void SetLightParam(int index, const std::string& name, double value, int boxWidth);

  // f64 relief, f64 shininess; four f64 material values; three u32; u32 count; each
  // light u32 type, u32 flags and nine f64; end marker.
  void Serialize(CArchive& ar);
  bool operator==(const CLightSet& o) const;
};

}  // namespace tessel
