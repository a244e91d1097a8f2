#include "view/guidelines_text.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(ViewGuidelinesText, FormatsEachPositionWithCrLf) {
  EXPECT_EQ(FormatGuidelineText({}), "");
  EXPECT_EQ(FormatGuidelineText({10, -3, 0}), "10\r\n-3\r\n0\r\n");
}

TEST(ViewGuidelinesText, EmptyLinesAreSkippedAndTextWithoutDigitsGivesZero) {
  EXPECT_EQ(ParseGuidelineText("10\r\n\r\nabc\r\n30"), (std::vector<int32_t>{10, 0, 30}));
  EXPECT_EQ(ParseGuidelineText("10\n\nabc\n30\n"), (std::vector<int32_t>{10, 0, 30}));
  EXPECT_TRUE(ParseGuidelineText("").empty());
  EXPECT_TRUE(ParseGuidelineText("\r\n\n").empty());
}

TEST(ViewGuidelinesText, ReadsLeadingDigitsWithSign) {
  EXPECT_EQ(ParseGuidelineText("-25\r\n+7\r\n12px\r\n  40\r\n3 4\r\n-\r\n"),
            (std::vector<int32_t>{-25, 7, 12, 40, 3, 0}));
}

TEST(ViewGuidelinesText, HugeNumbersSaturate) {
  EXPECT_EQ(ParseGuidelineText("99999999999\n-99999999999\n2147483647\n-2147483648"),
            (std::vector<int32_t>{2147483647, -2147483647 - 1, 2147483647, -2147483647 - 1}));
}

TEST(ViewGuidelinesText, FormattedTextReadsBack) {
  const std::vector<int32_t> positions{0, 15, -2, 1799};
  EXPECT_EQ(ParseGuidelineText(FormatGuidelineText(positions)), positions);
}

TEST(ViewGuidelinesText, GridBelowFivePixelsIsRefused) {
  EXPECT_EQ(CheckGridDistance(4),
            "Minimal Grid settings is 5 pixels.\nTo switch Grid On/Off use menu Edit - Snap to Grid");
  EXPECT_EQ(CheckGridDistance(-10), kMinGridMessage);
  EXPECT_EQ(CheckGridDistance(5), "");
  EXPECT_EQ(CheckGridDistance(200), "");
}

}  // namespace
}  // namespace tessel
