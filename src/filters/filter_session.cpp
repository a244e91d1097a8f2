// Dialog support of the filters: preview sessions, Gaussian settings, tweak preview.
#include "filters/filter_session.h"

#include <algorithm>
#include <cmath>

#include "base/app_context.h"
#include "base/profile.h"
#include "document/draw_object.h"
#include "filters/bitmap_object_filter.h"
#include "filters/filter_catalog.h"

namespace tessel {

bool CFilterSession::Begin(CDrawObject& object) {
  m_object = nullptr;
  if (!CanFilterObject(object) || object.m_layer.BitsPerPixel() != 32) return false;
  FitPictureToObject(object);
  m_saved = object.m_layer.Clone();
  m_object = &object;
  return true;
}

bool CFilterSession::Preview(const CFilterEntry& filter, std::vector<double> values, uint32_t seed) {
  if (!m_object) return false;
  CDIBSection picture = m_saved.Clone();
  values.resize(filter.params.size());
  for (size_t i = 0; i < values.size(); ++i) values[i] = ClampParam(filter.params[i], values[i]);
  if (!filter.run(picture, values, seed)) return false;
  m_object->m_layer = std::move(picture);
  m_object->RenderObject(false, nullptr);
  return true;
}

void CFilterSession::Cancel() {
  if (!m_object) return;
  m_object->m_layer = m_saved.Clone();
  m_object->RenderObject(false, nullptr);
  End();
}

void CFilterSession::End() {
  m_object = nullptr;
  m_saved.Release();
}

namespace {
const char* GaussianSection(bool sharpen) { return sharpen ? "GausSh" : "GausBl"; }
}  // namespace

CGaussianSettings LoadGaussianSettings(bool sharpen) {
  const CProfile& profile = App().Profile();
  CGaussianSettings s;
  s.radius = profile.GetInt(GaussianSection(sharpen), "Radius", 100) / 100.0;
  s.amount = profile.GetInt(GaussianSection(sharpen), "Amount", 100) / 100.0;
  s.threshold = profile.GetInt(GaussianSection(sharpen), "Tresh", 0);
  return s;
}

void StoreGaussianSettings(bool sharpen, const CGaussianSettings& settings) {
  CProfile& profile = App().Profile();
  profile.WriteInt(GaussianSection(sharpen), "Radius", int(std::lround(settings.radius * 100.0)));
  profile.WriteInt(GaussianSection(sharpen), "Amount", int(std::lround(settings.amount * 100.0)));
  profile.WriteInt(GaussianSection(sharpen), "Tresh", settings.threshold);
}

CDIBSection MakeTweakPreview(const CDIBSection& picture, int maxWidth, int maxHeight) {
  if (picture.IsEmpty() || maxWidth < 1 || maxHeight < 1) return {};
  const int w = picture.Width(), h = picture.Height();
  if (w <= maxWidth && h <= maxHeight) return picture.Clone();
  const double scale = std::min(double(maxWidth) / w, double(maxHeight) / h);
  return ResamplePicture(picture, std::max(1, int(w * scale)), std::max(1, int(h * scale)));
}

}  // namespace tessel
