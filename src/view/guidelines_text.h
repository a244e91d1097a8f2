// The text of the "Guidelines & Grid" dialog: guideline positions one per line, and the
// check of its grid distance.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessel {

constexpr int kMinGridDistance = 5;
constexpr char kMinGridMessage[] =
    "Minimal Grid settings is 5 pixels.\nTo switch Grid On/Off use menu Edit - Snap to Grid";

// Each position as a decimal number followed by "\r\n" ("" for none).
std::string FormatGuidelineText(const std::vector<int32_t>& positions);

// The positions of an edited text: the text is cut at each line end ("\r\n", or "\n"
// as text editors hand it back); every non-empty line gives the number its leading
// digits spell (blanks and one sign allowed before them; 0 when there are no digits;
// clamped to the int32 range), in text order.
std::vector<int32_t> ParseGuidelineText(const std::string& text);

// "" when the grid distance is acceptable, else the refusal message.
std::string CheckGridDistance(int distance);

}  // namespace tessel
