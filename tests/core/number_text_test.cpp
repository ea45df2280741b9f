#include "platform/text/number_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/text/cp1252.h"

namespace fortunara {
namespace {

TEST(NumberText, TextFormPlainAndTwoDigits) {
    EXPECT_EQ(TextForm(7), " 7");
    EXPECT_EQ(TextForm(12), " 12");
    EXPECT_EQ(TextForm(0), " 0");
    EXPECT_EQ(TextForm(-3), "-3");
    EXPECT_EQ(Plain(7), "7");
    EXPECT_EQ(Plain(-3), "-3");
    EXPECT_EQ(TwoDigits(5), "05");
    EXPECT_EQ(TwoDigits(0), "00");
    EXPECT_EQ(TwoDigits(90), "90");
    EXPECT_EQ(TwoDigits(123), "123");
    EXPECT_EQ(DigitsOrEmpty(0), "");
    EXPECT_EQ(DigitsOrEmpty(8), "8");
    EXPECT_EQ(PrintedNumber(5), " 5 ");
    EXPECT_EQ(PrintedNumber(-5), "-5 ");
    EXPECT_EQ(SixDigitsPadded(123), "000123    ");
    EXPECT_EQ(SixDigitsPadded(0), "000000    ");
    EXPECT_EQ(ListedNumber(5), "    5");
    EXPECT_EQ(ListedNumber(12), "   12");
}

struct GroupedCase {
    double value;
    const char* text;
};

TEST(NumberText, GroupedUsesFullStopsRoundsHalfAwayAndHidesZero) {
    const GroupedCase cases[] = {{0, ""},
                                 {0.4, ""},
                                 {-0.4, ""},
                                 {1, "1"},
                                 {500.5, "501"},
                                 {3003, "3.003"},
                                 {-500.5, "-501"},
                                 {999, "999"},
                                 {1000, "1.000"},
                                 {622614630, "622.614.630"},
                                 {103769105, "103.769.105"},
                                 {1.5e15, "1.500.000.000.000.000"}};
    for (const GroupedCase& c : cases) EXPECT_EQ(Grouped(c.value), c.text) << "value " << c.value;
}

TEST(NumberText, DecimalAlwaysShowsTheCommaAndTheWholePart) {
    const GroupedCase cases[] = {{100.0 / 3.0, "33,33"}, {50, "50,"},     {0, "0,"},       {0.5, "0,5"},
                                 {0.11, "0,11"},         {2.125, "2,13"}, {12.1, "12,1"},  {1234.5, "1234,5"},
                                 {-0.25, "-0,25"},       {0.004, "0,"},   {99.999, "100,"}};
    for (const GroupedCase& c : cases) EXPECT_EQ(Decimal2(c.value), c.text) << "value " << c.value;
}

TEST(NumberText, PlainDecimal2WritesTheWholePartAndNoBareComma) {
    const GroupedCase cases[] = {{0, "0"},          {20, "20"},       {0.5, "0,5"},
                                 {33.333, "33,33"}, {-0.25, "-0,25"}, {99.999, "100"}};
    for (const GroupedCase& c : cases) EXPECT_EQ(PlainDecimal2(c.value), c.text) << "value " << c.value;
}

TEST(NumberText, ParseItalianNumberReadsGroupedTexts) {
    EXPECT_DOUBLE_EQ(ParseItalianNumber("622.614.630"), 622614630);
    EXPECT_DOUBLE_EQ(ParseItalianNumber("33,5"), 33.5);
    EXPECT_DOUBLE_EQ(ParseItalianNumber(""), 0);
    EXPECT_DOUBLE_EQ(ParseItalianNumber("abc"), 0);
    // tests/data/typed-text-nan-with-a-zero-byte.txt: "nAn", a zero byte and a digit read as NaN.
    for (const std::string& text :
         {std::string("nAn"), std::string("-inf"), std::string("1e999"), std::string("5\0007", 3)}) {
        EXPECT_DOUBLE_EQ(ParseItalianNumber(text), 0) << text;
    }
}

TEST(Cp1252, RoundTripsAccentsAndEuro) {
    const std::string bytes = "perch\xE9 \x80 5";
    EXPECT_EQ(Cp1252ToUtf8(bytes), "perch\xC3\xA9 \xE2\x82\xAC 5");
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(bytes)), bytes);
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");  // not in the code page
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    const std::string text = Cp1252ToUtf8(bytes);
    EXPECT_EQ(Utf8ToCp1252(text), bytes);
    // The bytes the code page leaves undefined read as the control of the same value.
    EXPECT_NE(text.find("\xC2\x81"), std::string::npos);
    EXPECT_EQ(Utf8ToCp1252("\xC2\x9D"), "\x9D");
}

TEST(NumericValue, TypedTextsReadLikeTheWindowsExpect) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"12", 12},    {" 7", 7},
        {"12abc", 12}, {"abc", 0},
        {"", 0},       {"-5", -5},
        {"+3", 3},     {"- 4", -4},
        {"2.5", 2},    {"3.5", 4},
        {"90.4", 90},  {"0", 0},
        {"1e3", 1},    {"99999999999", std::numeric_limits<int>::max()},
        {"10 ", 10},   {"\t42", 42},
        {".6", 1},     {"-99999999999", std::numeric_limits<int>::min()}};
    for (const auto& [text, value] : cases) EXPECT_EQ(NumericValue(text), value) << '"' << text << '"';
}

// tests/data/typed-whole-number-past-the-largest-int.txt: one digit more wrapped the value around.
TEST(WholeNumber, TakesEveryBoundUpToTheLargestInt) {
    constexpr int kLargest = std::numeric_limits<int>::max();
    EXPECT_EQ(WholeNumber(" 2147483647 ", kLargest), kLargest);
    EXPECT_EQ(WholeNumber("2147483648", kLargest), std::nullopt);
    EXPECT_EQ(WholeNumber("999", 999), 999);
    EXPECT_EQ(WholeNumber("1000", 999), std::nullopt);
}

}  // namespace
}  // namespace fortunara
