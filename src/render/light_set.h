// CLightSet: the lights and material of one object. Each light is ambient, distant,
// point or spot, aimed by azimuth and elevation, with a reference point in fractions
// of the box (y counted from the bottom). Parameters are exchanged by name for the
// Lights & Material bar.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/dib_section.h"

namespace tessel {

class CArchive;

struct CLight {
  enum Type : int32_t { kAmbient = 0, kDistant = 1, kPoint = 2, kSpot = 3 };
  int32_t type = kDistant;
  int32_t flags = 0;         // carried and stored
  // Radians, counted from +x towards +y with y pointing down the box: 0 lights from the
  // right, pi from the left. The lights tool writes 2 pi − atan2(...).
  double azimuth = 2.356194490192345;  // 135 degrees: from the lower left
  double elevation = 1.0;    // run over rise: the light's direction is (cos, sin, 1 / elevation)
  double focus = 1.0;        // spot hot spot as a share of the cone (0 soft, 1 and more hard-edged)
  double cone = 0.5;         // spot cone half-angle in radians
  double distance = 1.0;     // fraction of the box width
  double x = 0.5, y = 0.5;   // reference point, fractions of the box, y from the bottom
  double intensity = 1.0;    // brightness; the light colour is the set's m_color1
  double reserved = 0.0;     // carried and stored
  bool operator==(const CLight& o) const;
};

// The environment picture that shiny surfaces reflect ("Loa&d" on the Lights & Material
// bar, removed by "Delenv"). It lives as long as the object and is not stored in files:
// the light-set block has no room for it. Copies copy the pixels.
struct CLightEnvironment {
  CDIBSection picture;  // 24 or 32 bits per pixel; empty when none is loaded

  CLightEnvironment() = default;
  CLightEnvironment(const CLightEnvironment& o) : picture(o.picture.Clone()) {}
  CLightEnvironment& operator=(const CLightEnvironment& o) {
    if (this != &o) picture = o.picture.Clone();
    return *this;
  }
  CLightEnvironment(CLightEnvironment&&) = default;
  CLightEnvironment& operator=(CLightEnvironment&&) = default;
};

class CLightSet {
 public:
  // Material. m_relief is the relief strength s (raised to 1.0 when loaded and before
  // use); heights of the bump map reach |trunc(6 s)| pixels.
  double m_relief = 1.0;
  double m_shininess = 10.0;
  double m_ambient = 0.3;
  double m_diffuse = 1.0;
  double m_specular = 0.5;
  double m_reflection = 0.0;     // share of the environment picture in a pixel, 0..1
  uint32_t m_color1 = 0xFFFFFF;  // light colour, 0x00BBGGRR
  uint32_t m_color2 = 0xFFFFFF;  // highlight colour, 0x00BBGGRR
  uint32_t m_flags = 0;
  std::vector<CLight> m_lights;
  CLightEnvironment m_environment;  // not stored, not compared

  // The type name shown in the light list: "Ambient", "Distant", "Point", "Spot".
  static const char* TypeName(int type);
  // "TYPE", "AZIM", "ELEV", "FOCUS", "CONE", "DIST" of light index; "DIST" is given as
  // distance * boxWidth. Unknown names and indexes read 0.0.
  double GetLightParam(int index, const std::string& name, int boxWidth) const;
  // Sets a parameter by name; "DIST" is taken as pixels and stored divided by boxWidth;
  // "TYPE" takes only 0..3 (truncated). An index without a light writes nothing.
  void SetLightParam(int index, const std::string& name, double value, int boxWidth);

  // f64 relief, f64 shininess; four f64 material values; three u32; u32 count; each
  // light u32 type, u32 flags and nine f64; end marker.
  void Serialize(CArchive& ar);
  bool operator==(const CLightSet& o) const;
};

}  // namespace tessel
