// Helpers for tests of drawing objects and documents: filling every stored field with
// a value different from its default, and comparing whole records field by field.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "document/doc_field_list.h"
#include "document/object_field_list.h"

namespace tessel::testing {

// Gives every stored field a value unlike its default, varied by seed. Fields whose
// value changes how the record is laid out (frames, package size) are left alone.
struct Perturb {
  int seed;
  int n = 0;
  int Next() { return seed * 37 + (++n) * 11; }

  void operator()(const char* name, int32_t& v) {
    const std::string f = name;
    if (f == "m_hasHighlightedFrame" || f == "m_hasPushedFrame" || f == "m_nonInteractive" ||
        f == "m_packageSize" || f == "m_cloneOf" || f == "m_currentFrame" || f == "m_glueWithPrevious" ||
        f == "m_type" || f == "m_effect" || f == "m_width" || f == "m_height" || f == "m_flipV" || f == "m_flipH")
      return;
    v = Next();
  }
  void operator()(const char*, uint32_t& v) { v = uint32_t(Next()) & 0xFFFFFF; }
  void operator()(const char*, uint8_t& v) { v = uint8_t(Next() | 1); }
  void operator()(const char* name, double& v) {
    // Gains above 10 are replaced on loading; keep them plausible.
    v = std::string(name) == "m_colorGain" ? 1.5 : Next() / 7.0;
  }
  void operator()(const char*, std::string& v) { v = "s" + std::to_string(Next()); }
  template <class T, size_t N>
  void operator()(const char* name, std::array<T, N>& a) {
    for (T& x : a) (*this)(name, x);
  }
  void operator()(const char* name, float& v) { v = float(Next()) / 8.0f; (void)name; }
  void operator()(const char*, CBezier& p) {
    p.MakeStar(5, 2.0);
    p.m_width = Next();
  }
  void operator()(const char*, CPolynome& p) {
    p.m_points = {{1.5, 2.5, 0}, {999.0, 3.0, 1}, {500.25, 700.0, 0}};
    p.m_open = 1;
    p.m_polyMode = Next();
    for (double& e : p.m_envelope) e = Next() / 3.0;
    p.m_bitmapEnvelope = 1;
  }
  void operator()(const char*, CLightSet& l) {
    l.m_relief = 2.5;
    l.m_color1 = 0x123456;
    CLight a;
    a.type = CLight::kSpot;
    a.azimuth = Next();
    a.cone = 0.25;
    l.m_lights = {a, CLight()};
  }
  void operator()(const char*, CLogFont& f) {
    f.height = Next();
    f.weight = 700;
    f.italic = 1;
    f.charSet = 2;
    f.faceName = "Liberation Serif";
  }
  void operator()(const char*, std::vector<uint8_t>&) {}
  void operator()(const char*, CDIBSection& b) {
    b.Create(3 + seed % 5, 2, 32);
    for (size_t i = 0; i < b.SizeBytes(); ++i) b.Bits()[i] = uint8_t(i * 7 + seed);
  }
};

// Collects a readable line per field, so a mismatch names the field.
struct Describe {
  std::string out;
  template <class T>
  void operator()(const char* name, const T& v) { out += std::string(name) + "=" + Text(v) + "\n"; }
  template <class T>
  static std::string Text(const T& v) { return std::to_string(v); }
  static std::string Text(const std::string& s) { return "'" + s + "'"; }
  static std::string Text(const uint8_t& v) { return std::to_string(int(v)); }
  template <class T, size_t N>
  static std::string Text(const std::array<T, N>& a) {
    std::string s;
    for (const T& x : a) s += Text(x) + ",";
    return s;
  }
  static std::string Text(const CBezier& p) {
    std::string s = std::to_string(p.m_closed) + "/" + std::to_string(p.m_width) + ":";
    for (const auto& q : p.m_points) s += Text(q.x) + " " + Text(q.y) + " " + Text(q.type) + ";";
    return s;
  }
  static std::string Text(const CPolynome& p) { return p == CPolynome() ? "default" : (p.m_points.empty() ? "e" : "poly" + std::to_string(p.m_points.size()) + "/" + std::to_string(p.m_polyMode) + "/" + Text(p.m_envelope)); }
  static std::string Text(const CLightSet& l) {
    return Text(l.m_relief) + "/" + std::to_string(l.m_lights.size()) + "/" + std::to_string(l.m_color1);
  }
  static std::string Text(const CLogFont& f) { return std::to_string(f.height) + f.faceName; }
  static std::string Text(const std::vector<uint8_t>& v) { return std::to_string(v.size()) + " bytes"; }
  static std::string Text(const std::vector<int32_t>& v) {
    std::string s;
    for (int32_t x : v) s += std::to_string(x) + ",";
    return s;
  }
  static std::string Text(const std::vector<std::string>& v) {
    std::string s;
    for (const auto& x : v) s += x + ",";
    return s;
  }
  static std::string Text(const CRect& r) { return Text(std::array<int, 4>{r.left, r.top, r.right, r.bottom}); }
  static std::string Text(const CDIBSection& b) {
    if (b.IsEmpty()) return "empty";
    uint32_t h = 0;
    for (size_t i = 0; i < b.SizeBytes(); ++i) h = h * 31 + b.Bits()[i];
    return std::to_string(b.Width()) + "x" + std::to_string(b.Height()) + "#" + std::to_string(h);
  }
};

inline std::string DescribeObject(const CDrawObject& o) {
  Describe d;
  ForEachStoredField(o, d);
  return d.out;
}

inline std::string DescribeDoc(const CVellumDoc& doc) {
  Describe d;
  ForEachStoredDocField(doc, d);
  return d.out;
}

}  // namespace tessel::testing
