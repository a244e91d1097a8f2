// The colour correction step of a render ("Applying Color Correction"): one curve per
// channel bends red, green and blue of the finished colour.
#pragma once

#include <array>
#include <cstdint>

namespace tessel {

class CDIBSection;
class CDrawObject;

using CCorrectionTable = std::array<uint8_t, 256>;

// The curve of gain g as a table: with c = i · (1/255), c' = 1 − (1 − c)^g for g > 1 and
// c^(1/g) otherwise; entry = trunc(c' · 255 + 0.5) held to 0..255. A gain that is not a
// number gives the identity.
CCorrectionTable MakeCorrectionTable(double gain);

// Replaces red, green and blue of every pixel of the 32-bit bitmap through the curves of
// the gains (red, green, blue); alpha is kept. Does nothing when all three are 1.0 or the
// bitmap is not 32 bits. Returns true when the pixels were passed through the curves.
bool CorrectColours(CDIBSection& bitmap, const std::array<double, 3>& gains);

// The step: the object's m_colorGain applied to its bitmap.
bool ApplyColorCorrection(CDrawObject& object);

}  // namespace tessel
