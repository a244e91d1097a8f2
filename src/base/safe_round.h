// Float-to-integer conversions for coordinates that may come from a damaged file:
// NaN becomes 0 and anything beyond the limit is held at it, where a plain cast would
// be undefined.
#pragma once

namespace tessel {

// Truncates v toward zero after clamping it to [-limit, limit]; NaN gives 0.
inline int ClampedTrunc(double v, double limit) {
  if (!(v == v)) return 0;
  if (v > limit) return int(limit);
  if (v < -limit) return int(-limit);
  return int(v);
}

// The range drawing code accepts: far beyond any bitmap, well inside what the
// rasteriser's fixed-point coordinates hold.
constexpr double kCoordinateLimit = double(1 << 22);

inline int CoordTrunc(double v) { return ClampedTrunc(v, kCoordinateLimit); }

}  // namespace tessel
