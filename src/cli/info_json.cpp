#include "cli/info_json.h"

#include <zlib.h>

#include "document/doc_field_list.h"
#include "document/object_field_list.h"
#include "render/texture_bank.h"

namespace tessel::cli {

using json = nlohmann::ordered_json;

namespace {
bool IsValidUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || i + size_t(extra) >= s.size()) return false;
    for (int k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + size_t(k)]) >> 6) != 0x2) return false;
    i += size_t(extra) + 1;
  }
  return true;
}

json BitmapJson(const CDIBSection& b) {
  if (b.IsEmpty()) return {{"empty", true}};
  const uLong crc = crc32(crc32(0L, Z_NULL, 0), b.Bits(), uInt(b.SizeBytes()));
  return {{"width", b.Width()}, {"height", b.Height()}, {"bitsPerPixel", b.BitsPerPixel()}, {"crc32", crc}};
}

json PathJson(const CBezier& p) {
  json points = json::array();
  for (const auto& pt : p.m_points) points.push_back({{"x", pt.x}, {"y", pt.y}, {"type", pt.type}});
  return {{"m_closed", p.m_closed}, {"m_width", p.m_width}, {"m_points", points}};
}

json PolynomeJson(const CPolynome& p) {
  json points = json::array();
  for (const auto& pt : p.m_points) points.push_back({{"x", pt.x}, {"y", pt.y}, {"flag", pt.flag}});
  return {{"m_points", points},   {"m_open", p.m_open}, {"m_polyMode", p.m_polyMode},
          {"m_envelope", p.m_envelope}, {"m_bitmapEnvelope", p.m_bitmapEnvelope}};
}

json LightsJson(const CLightSet& l) {
  json lights = json::array();
  for (const CLight& x : l.m_lights)
    lights.push_back({{"type", x.type},         {"flags", x.flags},   {"azimuth", x.azimuth},
                      {"elevation", x.elevation}, {"focus", x.focus},   {"cone", x.cone},
                      {"distance", x.distance},   {"x", x.x},           {"y", x.y},
                      {"intensity", x.intensity}, {"reserved", x.reserved}});
  return {{"m_relief", l.m_relief},         {"m_shininess", l.m_shininess}, {"m_ambient", l.m_ambient},
          {"m_diffuse", l.m_diffuse},       {"m_specular", l.m_specular},   {"m_reflection", l.m_reflection},
          {"m_color1", l.m_color1},         {"m_color2", l.m_color2},       {"m_flags", l.m_flags},
          {"m_lights", lights}};
}

json FontJson(const CLogFont& f) {
  return {{"height", f.height},         {"width", f.width},
          {"escapement", f.escapement}, {"orientation", f.orientation},
          {"weight", f.weight},         {"italic", f.italic},
          {"underline", f.underline},   {"strikeOut", f.strikeOut},
          {"charSet", f.charSet},       {"outPrecision", f.outPrecision},
          {"clipPrecision", f.clipPrecision}, {"quality", f.quality},
          {"pitchAndFamily", f.pitchAndFamily}, {"faceName", ToUtf8(f.faceName)}};
}

// Turns one stored field into JSON by its type.
struct FieldToJson {
  json& out;
  template <class T>
  void operator()(const char* name, const T& v) { out[name] = Convert(v); }

  static json Convert(const std::string& s) { return ToUtf8(s); }
  static json Convert(const CDIBSection& b) { return BitmapJson(b); }
  static json Convert(const CBezier& p) { return PathJson(p); }
  static json Convert(const CPolynome& p) { return PolynomeJson(p); }
  static json Convert(const CLightSet& l) { return LightsJson(l); }
  static json Convert(const CLogFont& f) { return FontJson(f); }
  static json Convert(const CRect& r) { return {r.left, r.top, r.right, r.bottom}; }
  static json Convert(const std::vector<uint8_t>& bytes) {
    return {{"size", bytes.size()}, {"crc32", crc32(crc32(0L, Z_NULL, 0), bytes.data(), uInt(bytes.size()))}};
  }
  static json Convert(const std::vector<std::string>& v) {
    json a = json::array();
    for (const auto& s : v) a.push_back(ToUtf8(s));
    return a;
  }
  template <class T>
  static json Convert(const T& v) { return v; }
};
}  // namespace

std::string ToUtf8(const std::string& bytes) {
  if (IsValidUtf8(bytes)) return bytes;
  std::string out;
  for (const char ch : bytes) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += char(0xC0 | (c >> 6));
      out += char(0x80 | (c & 0x3F));
    }
  }
  return out;
}

json ObjectJson(const CDrawObject& object) {
  json o;
  o["m_uid"] = ToUtf8(object.m_uid);
  ForEachStoredField(object, FieldToJson{o});
  json frames = json::object();
  if (object.m_frameHighlighted) frames["highlighted"] = ObjectJson(*object.m_frameHighlighted);
  if (object.m_framePushed) frames["pushed"] = ObjectJson(*object.m_framePushed);
  if (object.m_frameNormal) frames["normal"] = ObjectJson(*object.m_frameNormal);
  if (!frames.empty()) o["frames"] = frames;
  return o;
}

json ProjectInfoJson(const CVellumDoc& doc, const std::string& magic, int version, const CTextureBank& bank,
                     const std::vector<std::string>& messages) {
  json j;
  j["magic"] = ToUtf8(magic);
  j["version"] = version;
  ForEachStoredDocField(doc, FieldToJson{j});
  json textures = json::array();
  for (const auto& e : bank.Entries())
    textures.push_back({{"name", ToUtf8(e.name)},
                        {"category", e.category},
                        {"width", e.picture.Width()},
                        {"height", e.picture.Height()}});
  j["textures"] = textures;
  json groups = json::array();
  for (const CGroup& g : doc.m_groups) {
    json uids = json::array();
    for (const auto& u : g.uids) uids.push_back(ToUtf8(u));
    groups.push_back({{"rect", FieldToJson::Convert(g.rect)}, {"uids", uids}});
  }
  j["groups"] = groups;
  json objects = json::array();
  for (const auto& o : doc.m_objects) objects.push_back(ObjectJson(*o));
  j["objects"] = objects;
  json msgs = json::array();
  for (const auto& m : messages) msgs.push_back(ToUtf8(m));
  j["messages"] = msgs;
  return j;
}

}  // namespace tessel::cli
