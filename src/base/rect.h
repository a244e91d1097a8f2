// Integer rectangle (left, top, right, bottom) in canvas or object pixels.
#pragma once

#include <algorithm>

namespace tessel {

struct CRect {
  int left = 0, top = 0, right = 0, bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  // The same rectangle with left <= right and top <= bottom.
  CRect Normalized() const {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
  }
  CRect Inflated(int d) const { return {left - d, top - d, right + d, bottom + d}; }
  CRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  // Smallest rectangle holding both; an empty operand does not count.
  CRect Union(const CRect& o) const {
    if (IsEmpty()) return o;
    if (o.IsEmpty()) return *this;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
  }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool operator==(const CRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const CRect& o) const { return !(*this == o); }
};

struct CPointD {
  double x = 0, y = 0;
};

// Integer point in canvas or window pixels.
struct CPoint {
  int x = 0, y = 0;
  bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
  bool operator!=(const CPoint& o) const { return !(*this == o); }
};

// Integer size (width, height).
struct CSize {
  int cx = 0, cy = 0;
  bool operator==(const CSize& o) const { return cx == o.cx && cy == o.cy; }
  bool operator!=(const CSize& o) const { return !(*this == o); }
};

}  // namespace tessel
