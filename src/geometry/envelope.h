// The envelope of a contour set: sixteen values, the offsets (dx, dy) in thousandths
// of the box of eight handles: the corners top-left, top-right, bottom-right,
// bottom-left, then the edge midpoints top, right, bottom, left. Each edge becomes the
// quadratic curve through its two corners and its midpoint, and the inside follows a
// Coons patch between the four edges. All zero is the identity: every point stays.
#pragma once

#include <array>

#include "base/rect.h"

namespace tessel {

using EnvelopeValues = std::array<double, 16>;

constexpr int kEnvelopeHandles = 8;

// True when every value is 0: the envelope changes nothing.
bool IsIdentityEnvelope(const EnvelopeValues& env);

// Maps a point in thousandths of the box (0..1000; points outside extrapolate) through
// the envelope; returns the point in thousandths.
CPointD ApplyEnvelope(const EnvelopeValues& env, CPointD p);

// Where handle i (0..7) stands now, in thousandths of the box.
CPointD EnvelopeHandle(const EnvelopeValues& env, int i);
// Moves handle i (0..7) to the given position in thousandths of the box.
void SetEnvelopeHandle(EnvelopeValues& env, int i, CPointD position);

}  // namespace tessel
