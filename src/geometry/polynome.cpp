#include "geometry/polynome.h"

#include <algorithm>
#include <climits>

#include "base/archive.h"
#include "base/safe_round.h"

namespace tessel {

namespace {
constexpr uint64_t kStoredPointBytes = 17;  // two doubles and a flag byte
}

int CPolynome::MapToPixel(double p, int size, int offset) {
  return CoordTrunc(offset + std::max(size, 1) * p * 0.001);
}

CRect CPolynome::GetBounds(int left, int top, int width, int height) const {
  if (m_points.empty()) return {left, top, left, top};
  CRect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (const auto& p : m_points) {
    const int x = MapToPixel(p.x, width, left), y = MapToPixel(p.y, height, top);
    r.left = std::min(r.left, x);
    r.right = std::max(r.right, x);
    r.top = std::min(r.top, y);
    r.bottom = std::max(r.bottom, y);
  }
  return r;
}

void CPolynome::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteU32(uint32_t(m_points.size()));
    for (const auto& p : m_points) {
      ar.WriteF64(p.x);
      ar.WriteF64(p.y);
      ar.WriteU8(p.flag);
    }
    for (double v : m_envelope) ar.WriteF64(v);
    ar.WriteI32(m_bitmapEnvelope);
    ar.WriteI32(m_open);
    ar.WriteI32(m_polyMode);
    ar.WriteEndMarker();
    return;
  }
  m_points.clear();
  const uint32_t count = ar.ReadU32();
  ar.CheckCount(count, kStoredPointBytes);
  m_points.resize(count);
  for (auto& p : m_points) {
    p.x = ar.ReadF64();
    p.y = ar.ReadF64();
    p.flag = ar.ReadU8();
  }
  for (double& v : m_envelope) v = ar.ReadF64();
  m_bitmapEnvelope = ar.ReadI32();
  m_open = ar.ReadI32();
  m_polyMode = ar.ReadI32();
  ar.ReadU32();  // end marker, not checked
}

}  // namespace tessel
