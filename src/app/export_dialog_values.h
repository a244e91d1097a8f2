// Small value editors of the export dialog: the six-digit background text and the
// colour-correction factors.
#pragma once

#include <QString>
#include <array>

#include "document/object_fields.h"

class QWidget;

namespace tessel {

// A colour (0x00BBGGRR) as six upper-case hexadecimal digits in the order red, green,
// blue: 0x00336699 gives "996633".
QString BackgroundText(COLORREF colour);
// What typing leaves in the background edit: upper case, hexadecimal digits only, at
// most six of them.
QString CleanBackgroundText(const QString& typed);
// The colour of a background text; a shorter text counts as having leading zeros ("FF"
// reads as "0000FF", blue). False when the text has no digit.
bool ParseBackgroundText(const QString& text, COLORREF* colour);

// The "Define" box of "Use Color Correction": the red, green and blue factors. True
// when the user pressed OK; the factors are then also stored in the profile section
// "Color" as thousandths.
bool AskColourGains(QWidget* parent, std::array<double, 3>* gain);

}  // namespace tessel
