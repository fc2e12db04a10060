#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/text/leading_number.h"
#include "host/text/number_conversion.h"
#include "host/text/number_format.h"

namespace altostrat {
namespace {

TEST(LeadingNumber, ReadsAsFarAsTheNumberGoesIgnoringBlanksTabsAndLineFeeds) {
    EXPECT_EQ(LeadingNumber("1234"), 1234);
    EXPECT_EQ(LeadingNumber(" 1234"), 1234);
    EXPECT_EQ(LeadingNumber("12 34"), 1234);
    EXPECT_EQ(LeadingNumber("\t1\n2 3\t4 "), 1234);
    EXPECT_EQ(LeadingNumber("1234abc"), 1234);
    EXPECT_EQ(LeadingNumber("12,34"), 12);
    EXPECT_EQ(LeadingNumber("1234\r5"), 1234);  // a carriage return is not ignored
    EXPECT_EQ(LeadingNumber("-12"), -12);
    EXPECT_EQ(LeadingNumber("- 12"), -12);
    EXPECT_EQ(LeadingNumber("+7"), 7);
    EXPECT_EQ(LeadingNumber("1.5"), 1.5);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("5."), 5);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("1e3"), 1000);
    EXPECT_EQ(LeadingNumber("1 E - 3"), 0.001);
    EXPECT_EQ(LeadingNumber("2D2"), 200);
    EXPECT_EQ(LeadingNumber("1e"), 1);  // an exponent letter without digits ends the number
    EXPECT_EQ(LeadingNumber("1e+x"), 1);
}

TEST(LeadingNumber, NoNumberGivesZero) {
    for (const char* text : {"", " ", "abc", "-", "+", ".", "-.", "&", "&X12", "e5", "--5"}) {
        EXPECT_EQ(LeadingNumber(text), 0) << text;
    }
}

TEST(LeadingNumber, HexadecimalAndOctalPrefixes) {
    EXPECT_EQ(LeadingNumber("&H1F"), 31);
    EXPECT_EQ(LeadingNumber("&hff"), 255);
    EXPECT_EQ(LeadingNumber("& H 1 0"), 16);
    EXPECT_EQ(LeadingNumber("&H1G2"), 1);
    EXPECT_EQ(LeadingNumber("&H"), 0);
    EXPECT_EQ(LeadingNumber("&O17"), 15);
    EXPECT_EQ(LeadingNumber("&o178"), 15);
    EXPECT_EQ(LeadingNumber("&HFFFFFFFF"), 4294967295.0);
}

TEST(LeadingNumber, NumbersBeyondADoubleBecomeInfiniteOrZeroWithoutFault) {
    EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
    EXPECT_LT(LeadingNumber("-1e999"), 0);
    EXPECT_EQ(LeadingNumber("1e-999"), 0);
    EXPECT_TRUE(std::isinf(LeadingNumber(std::string(400, '9'))));
    EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0);
    EXPECT_TRUE(std::isinf(LeadingNumber("&H" + std::string(300, 'F'))));
    EXPECT_TRUE(std::isinf(LeadingNumber("1e99999999999999999999999")));
}

TEST(LeadingNumber, As32BitsRoundsHalvesToEvenAndAcceptsUnsignedHandles) {
    EXPECT_EQ(LeadingNumberAsInt32("1234"), 1234);
    EXPECT_EQ(LeadingNumberAsInt32("2.5"), 2);
    EXPECT_EQ(LeadingNumberAsInt32("3.5"), 4);
    EXPECT_EQ(LeadingNumberAsInt32("-2.5"), -2);
    EXPECT_EQ(LeadingNumberAsInt32("2.5000001"), 3);
    EXPECT_EQ(LeadingNumberAsInt32("-2147483648"), INT32_MIN);
    EXPECT_EQ(LeadingNumberAsInt32("2147483647"), INT32_MAX);
    EXPECT_EQ(LeadingNumberAsInt32("2147483648"), INT32_MIN);  // unsigned form of a handle
    EXPECT_EQ(LeadingNumberAsInt32("4294967295"), -1);
    EXPECT_EQ(LeadingNumberAsInt32("&HFFFFFFFF"), -1);
    EXPECT_EQ(LeadingNumberAsInt32("4294967295.5"), std::nullopt);  // rounds to 2^32
    EXPECT_EQ(LeadingNumberAsInt32("4294967296"), std::nullopt);
    EXPECT_EQ(LeadingNumberAsInt32("-2147483649"), std::nullopt);
    EXPECT_EQ(LeadingNumberAsInt32("1e999"), std::nullopt);
}

TEST(NumericText, WholeTextMustBeOneNumberWithBlanksAroundIt) {
    EXPECT_EQ(ParseNumericText("5"), 5);
    EXPECT_EQ(ParseNumericText(" 2 "), 2);
    EXPECT_EQ(ParseNumericText("\t-0.5\t"), -0.5);
    EXPECT_EQ(ParseNumericText("+3."), 3);
    EXPECT_EQ(ParseNumericText(".25"), 0.25);
    EXPECT_EQ(ParseNumericText("1E2"), 100);
    EXPECT_EQ(ParseNumericText("1e-2"), 0.01);
    for (const char* text : {"", " ", "abc", "1 2", "1,5", "5x", "x5", "-", ".", "1e", "1e+",
                             "&H10", "--1", "1..2", "0x10", "1d2"}) {
        EXPECT_EQ(ParseNumericText(text), std::nullopt) << text;
    }
}

TEST(NumericText, RoundsDownIntoSixteenBitsOrGivesNothing) {
    EXPECT_EQ(TextFloorToInt16("2.9"), 2);
    EXPECT_EQ(TextFloorToInt16("-0.5"), -1);
    EXPECT_EQ(TextFloorToInt16("-1"), -1);
    EXPECT_EQ(TextFloorToInt16("32767.9"), 32767);
    EXPECT_EQ(TextFloorToInt16("-32768"), -32768);
    EXPECT_EQ(TextFloorToInt16("-32767.5"), -32768);
    EXPECT_EQ(TextFloorToInt16("32768"), std::nullopt);
    EXPECT_EQ(TextFloorToInt16("-32768.5"), std::nullopt);
    EXPECT_EQ(TextFloorToInt16("40000"), std::nullopt);
    EXPECT_EQ(TextFloorToInt16("1e999"), std::nullopt);
    EXPECT_EQ(TextFloorToInt16("abc"), std::nullopt);
}

TEST(NumericText, RoundsHalvesToEvenIntoSixteenBitsOrGivesNothing) {
    EXPECT_EQ(TextRoundToInt16("5"), 5);
    EXPECT_EQ(TextRoundToInt16("2.5"), 2);
    EXPECT_EQ(TextRoundToInt16("3.5"), 4);
    EXPECT_EQ(TextRoundToInt16("-2.5"), -2);
    EXPECT_EQ(TextRoundToInt16("-2"), -2);
    EXPECT_EQ(TextRoundToInt16("0.49999999999999994"), 0);
    EXPECT_EQ(TextRoundToInt16("32767.5"), std::nullopt);  // 32768
    EXPECT_EQ(TextRoundToInt16("-32768.5"), -32768);       // the even neighbour fits
    EXPECT_EQ(TextRoundToInt16("-32769"), std::nullopt);
    EXPECT_EQ(TextRoundToInt16("abc"), std::nullopt);
    EXPECT_EQ(RoundToInt16(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(FloorToInt16(-std::numeric_limits<double>::infinity()), std::nullopt);
}

TEST(NumberFormat, WrittenNumbersAndTheBlankZeroPattern) {
    EXPECT_EQ(NumberWithSignSpace(2), " 2");
    EXPECT_EQ(NumberWithSignSpace(0), " 0");
    EXPECT_EQ(NumberWithSignSpace(-5), "-5");
    EXPECT_EQ(NumberWithSignSpace(-32768), "-32768");
    EXPECT_EQ(NumberOrEmpty(0), "");
    EXPECT_EQ(NumberOrEmpty(30), "30");
    EXPECT_EQ(NumberOrEmpty(-2), "-2");
}

}  // namespace
}  // namespace altostrat
