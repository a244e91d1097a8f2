// CPolynome: the contour set of polynomes, envelopes and artistic text. Points are in
// thousandths of the object's box (0..1000). Each point's flag byte says how it is
// drawn: kPolyIsland starts a new contour (a detached island); kPolyCurve marks the
// first control point of a cubic segment, whose second control and end point are the
// two points that follow; other points are joined by straight lines. Every contour is
// closed when filled. The sixteen envelope values deform the outline (see envelope.h);
// all zero is the identity envelope.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "base/rect.h"

namespace tessel {

class CArchive;

constexpr uint8_t kPolyIsland = 0x01;
constexpr uint8_t kPolyCurve = 0x02;

struct CPolyPoint {
  double x = 0;
  double y = 0;
  uint8_t flag = 0;  // kPolyIsland, kPolyCurve or 0
  bool operator==(const CPolyPoint& o) const { return x == o.x && y == o.y && flag == o.flag; }
};

class CPolynome {
 public:
  static constexpr int kEnvelopeValues = 16;

  std::vector<CPolyPoint> m_points;
  int32_t m_open = 0;      // 0: contours are closed and filled; otherwise stroked
  int32_t m_polyMode = 2;
  std::array<double, kEnvelopeValues> m_envelope{};
  int32_t m_bitmapEnvelope = 0;  // 1: a bitmap object is edited as an envelope
  int32_t m_extra = 0;           // carried in memory, not stored

  void Clear() { m_points.clear(); }
  bool IsEmpty() const { return m_points.empty(); }

  // The pixel rectangle of the points when the 0..1000 square is mapped onto the box
  // (coordinates truncated, without rounding). An empty set gives an empty rectangle
  // at (left, top).
  CRect GetBounds(int left, int top, int width, int height) const;
  // A polynome coordinate p (thousandths) on an axis of pixel size s and offset o.
  static int MapToPixel(double p, int size, int offset);

  // u32 count, count x (f64 x, f64 y, u8 flag), 16 f64 envelope values,
  // u32 bitmap envelope, u32 open, u32 mode, end marker.
  void Serialize(CArchive& ar);

  bool operator==(const CPolynome& o) const {
    return m_points == o.m_points && m_open == o.m_open && m_polyMode == o.m_polyMode &&
           m_envelope == o.m_envelope && m_bitmapEnvelope == o.m_bitmapEnvelope;
  }
};

}  // namespace tessel
