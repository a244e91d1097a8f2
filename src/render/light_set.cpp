#include "render/light_set.h"

#include "base/archive.h"

namespace tessel {

namespace {
constexpr uint64_t kStoredLightBytes = 4 + 4 + 9 * 8;
constexpr double kMinRelief = 1.0;
}  // namespace

bool CLight::operator==(const CLight& o) const {
  return type == o.type && flags == o.flags && azimuth == o.azimuth && elevation == o.elevation &&
         focus == o.focus && cone == o.cone && distance == o.distance && x == o.x && y == o.y &&
         intensity == o.intensity && reserved == o.reserved;
}

bool CLightSet::operator==(const CLightSet& o) const {
  return m_relief == o.m_relief && m_shininess == o.m_shininess && m_ambient == o.m_ambient &&
         m_diffuse == o.m_diffuse && m_specular == o.m_specular && m_reflection == o.m_reflection &&
         m_color1 == o.m_color1 && m_color2 == o.m_color2 && m_flags == o.m_flags && m_lights == o.m_lights;
}

const char* CLightSet::TypeName(int type) {
  static const char* const kNames[] = {"Ambient", "Distant", "Point", "Spot"};
  return (type >= 0 && type < 4) ? kNames[type] : "";
}

double CLightSet::GetLightParam(int index, const std::string& name, int boxWidth) const {
  if (index < 0 || index >= int(m_lights.size())) return 0.0;
  const CLight& l = m_lights[size_t(index)];
  if (name == "TYPE") return l.type;
  if (name == "AZIM") return l.azimuth;
  if (name == "ELEV") return l.elevation;
  if (name == "FOCUS") return l.focus;
  if (name == "CONE") return l.cone;
  if (name == "DIST") return l.distance * boxWidth;
  return 0.0;
}

void CLightSet::SetLightParam(int index, const std::string& name, double value, int boxWidth) {
  if (index < 0 || index >= int(m_lights.size())) return;
  CLight& l = m_lights[size_t(index)];
  if (name == "TYPE") {
    // Only a number of the type range is taken; casting anything else would be undefined.
    if (value >= CLight::kAmbient && value <= CLight::kSpot) l.type = int32_t(value);
  }
  else if (name == "AZIM") l.azimuth = value;
  else if (name == "ELEV") l.elevation = value;
  else if (name == "FOCUS") l.focus = value;
  else if (name == "CONE") l.cone = value;
  else if (name == "DIST") l.distance = boxWidth > 0 ? value / boxWidth : 0.0;
}

void CLightSet::Serialize(CArchive& ar) {
  ar.Xfer(m_relief);
  // Written so that a NaN read from a file is raised as well.
  if (ar.IsLoading() && !(m_relief >= kMinRelief)) m_relief = kMinRelief;
  ar.Xfer(m_shininess);
  ar.Xfer(m_ambient);
  ar.Xfer(m_diffuse);
  ar.Xfer(m_specular);
  ar.Xfer(m_reflection);
  ar.Xfer(m_color1);
  ar.Xfer(m_color2);
  ar.Xfer(m_flags);
  uint32_t count = uint32_t(m_lights.size());
  ar.Xfer(count);
  if (ar.IsLoading()) {
    ar.CheckCount(count, kStoredLightBytes);
    m_lights.assign(count, CLight());
  }
  for (CLight& l : m_lights) {
    ar.Xfer(l.type);
    ar.Xfer(l.flags);
    for (double* v : {&l.azimuth, &l.elevation, &l.focus, &l.cone, &l.distance, &l.x, &l.y, &l.intensity, &l.reserved})
      ar.Xfer(*v);
  }
  if (ar.IsStoring()) ar.WriteEndMarker();
  else ar.ReadU32();
}

}  // namespace tessel
