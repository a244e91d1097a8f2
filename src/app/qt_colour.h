// A document colour (COLORREF, 0x00BBGGRR with red in the low byte) as a Qt colour, and
// back.
#pragma once

#include <QColor>
#include <cstdint>

namespace tessel {

inline QColor ToQColor(uint32_t colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

inline uint32_t FromQColor(const QColor& colour) {
  return uint32_t(colour.red()) | uint32_t(colour.green()) << 8 | uint32_t(colour.blue()) << 16;
}

}  // namespace tessel
