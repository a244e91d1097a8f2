// The catalogue of filters: each menu command and tweak effect bound to its routine.
#include "filters/filter_catalog.h"

#include <cctype>
#include <cmath>

#include "filters/bitmap_filters.h"
#include "filters/gaussian_blur.h"
#include "filters/tweak_effects.h"

namespace tessel {

namespace {

using Values = std::vector<double>;

CFilterParam Param(const std::string& label, double lo, double hi, double def, bool integer = true) {
  return {FilterKey(label), label, lo, hi, def, integer};
}

// A filter that reads an unchanged copy of the picture and writes the picture.
template <class F>
bool FromCopy(CDIBSection& picture, const F& filter) {
  CDIBSection source = picture.Clone();
  return filter(source.View(), picture.View());
}

std::vector<CFilterEntry> BuildCatalog() {
  std::vector<CFilterEntry> list;
  auto add = [&list](const std::string& name, std::vector<CFilterParam> params, bool checkpoint,
                     std::function<bool(CDIBSection&, const Values&, uint32_t)> run) {
    CFilterEntry e;
    e.name = name;
    e.key = FilterKey(name);
    e.params = std::move(params);
    e.checkpointAfter = checkpoint;
    e.run = std::move(run);
    list.push_back(std::move(e));
  };
  auto sharpen = [](CDIBSection& p, const Values& v, uint32_t) {
    return FromCopy(p, [&](const CBitmapView& s, const CBitmapView& d) { return Sharpen3x3(s, d, int(v[0])); });
  };
  add("Simple Sharpen", {Param("Amount", 0, 100, 10)}, false, sharpen);
  add("Sharpen More", {Param("Amount", 0, 100, 20)}, false, sharpen);
  add("Soft Blur", {Param("Amount", 0, 100, 10)}, false, [](CDIBSection& p, const Values& v, uint32_t) {
    return FromCopy(p, [&](const CBitmapView& s, const CBitmapView& d) { return Blur3x3(s, d, int(v[0])); });
  });
  auto gaussian = [](GaussianMode mode) {
    return [mode](CDIBSection& p, const Values& v, uint32_t) {
      return FromCopy(p, [&](const CBitmapView& s, const CBitmapView& d) {
        return GaussianFilter(mode, s, d, v[0], v[1], int(v[2]));
      });
    };
  };
  add("Gaussian Blur",
      {Param("Radius", 0, 100, 1.0, false), Param("Amount", 0, 1, 1.0, false), Param("Threshold", 0, 255, 0)}, false,
      gaussian(GaussianMode::kBlur));
  add("Gaussian Sharpen",
      {Param("Radius", 0, 100, 1.0, false), Param("Amount", 0, 2, 1.0, false), Param("Threshold", 0, 255, 0)}, false,
      gaussian(GaussianMode::kSharpen));
  add("Oil Painting", {}, true, [](CDIBSection& p, const Values&, uint32_t) {
    return FromCopy(p, [](const CBitmapView& s, const CBitmapView& d) { return OilPaint(s, d); });
  });
  add("Pop Art",
      {Param("Levels", 2, 8, 3), Param("Smoothing", 0, 10, 3), Param("Saturation", 0, 100, 80),
       Param("Outline", 0, 255, 160)},
      true, [](CDIBSection& p, const Values& v, uint32_t) {
        PopArt(p.View(), int(v[0]), int(v[1]), int(v[2]), int(v[3]));
        return true;
      });
  add("Auto Level", {}, true, [](CDIBSection& p, const Values&, uint32_t) {
    AutoLevel(p.View(), 0.0);
    return true;
  });
  add("Enhance Digital Photo", {}, true, [](CDIBSection& p, const Values&, uint32_t) {
    EnhanceDigitalPhoto(p.View());
    return true;
  });
  add("Invert Alpha", {}, false, [](CDIBSection& p, const Values&, uint32_t) {
    InvertAlpha(p.View());
    return true;
  });
  add("Brightness and Contrast", {Param("Brightness", -100, 100, 0), Param("Contrast", -100, 100, 0)}, false,
      [](CDIBSection& p, const Values& v, uint32_t) {
        BrightnessContrast(p.View(), int(v[0]), int(v[1]));
        return true;
      });
  add("Hue && Saturation",
      {Param("Hue", -180, 180, 0), Param("Saturation", -100, 100, 0), Param("Lightness", -100, 100, 0)}, false,
      [](CDIBSection& p, const Values& v, uint32_t) {
        HueSaturation(p.View(), int(v[0]), int(v[1]), int(v[2]));
        return true;
      });
  for (int slot = 0; slot < kTweakEffectCount; ++slot) {
    const CTweakEffectInfo* info = TweakEffect(slot);
    std::vector<CFilterParam> params;
    for (int i = 0; i < info->paramCount; ++i) params.push_back(Param(info->labels[i], 0, 255, info->defaults[i]));
    add(info->name, std::move(params), false, [slot](CDIBSection& p, const Values& v, uint32_t seed) {
      CTweakEngine engine;
      engine.Select(slot);
      for (size_t i = 0; i < v.size(); ++i) engine.SetParam(int(i), int(v[i]));
      engine.m_seed = seed;
      return FromCopy(p, [&](const CBitmapView& s, const CBitmapView& d) { return engine.Run(s, d); });
    });
    list.back().tweakSlot = slot;
  }
  return list;
}

}  // namespace

std::string FilterKey(const std::string& name) {
  std::string key;
  for (unsigned char ch : name)
    if (std::isalnum(ch)) key += char(std::tolower(ch));
  return key;
}

const std::vector<CFilterEntry>& FilterCatalog() {
  static const std::vector<CFilterEntry> catalog = BuildCatalog();
  return catalog;
}

const CFilterEntry* FindFilter(const std::string& name) {
  const std::string key = FilterKey(name);
  if (key.empty()) return nullptr;
  for (const CFilterEntry& e : FilterCatalog())
    if (e.key == key) return &e;
  return nullptr;
}

std::vector<double> DefaultValues(const CFilterEntry& entry) {
  std::vector<double> values;
  for (const CFilterParam& p : entry.params) values.push_back(p.def);
  return values;
}

int FindParam(const CFilterEntry& entry, const std::string& key) {
  const std::string k = FilterKey(key);
  for (size_t i = 0; i < entry.params.size(); ++i)
    if (entry.params[i].key == k) return int(i);
  if (k.size() == 2 && k[0] == 'p' && k[1] >= '0' && k[1] <= '7' && size_t(k[1] - '0') < entry.params.size())
    return k[1] - '0';
  return -1;
}

double ClampParam(const CFilterParam& param, double value) {
  if (std::isnan(value)) return param.def;
  value = value < param.lo ? param.lo : value > param.hi ? param.hi : value;
  return param.integer ? std::trunc(value) : value;
}

}  // namespace tessel
