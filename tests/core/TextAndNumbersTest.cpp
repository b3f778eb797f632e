#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/AnsiText.h"
#include "core/Numeric.h"
#include "core/TextHelpers.h"
#include "tests/support/DecimalCommaLocale.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

TEST(TextHelpers, TrimAndBlankFields) {
    EXPECT_EQ(TrimTrailingSpaces("Duke   "), "Duke");
    EXPECT_EQ(TrimTrailingSpaces("  Duke \t"), "  Duke \t");
    EXPECT_EQ(TrimTrailingSpaces("   "), "");
    EXPECT_EQ(TrimTrailingSpaces(""), "");
    EXPECT_TRUE(IsBlankField(""));
    EXPECT_TRUE(IsBlankField(" Duke"));
    EXPECT_FALSE(IsBlankField("Duke "));
    EXPECT_FALSE(IsBlankField("\tDuke"));
}

TEST(TextHelpers, CommentsAreStoredOnOneLineWithBars) {
    EXPECT_EQ(LineBreaksToBars("first\r\nsecond\r\n"), "first|second|");
    EXPECT_EQ(LineBreaksToBars("a\rb\nc\n\r"), "a\rb\nc\n\r");
    EXPECT_EQ(BarsToLineBreaks("first|second"), "first\r\nsecond");
    EXPECT_EQ(BarsToLineBreaks(LineBreaksToBars("one\r\ntwo\r\n\r\nthree")), "one\r\ntwo\r\n\r\nthree");
    // At most 999 bars become line breaks; the rest stay.
    const std::string converted = BarsToLineBreaks(std::string(1001, '|'));
    EXPECT_EQ(converted, [] {
        std::string expected;
        for (int i = 0; i < 999; ++i) expected += "\r\n";
        return expected + "||";
    }());
}

TEST(TextHelpers, CaseFoldingCoversTheAccentedLettersOfTheCodePage) {
    EXPECT_EQ(UpperCase("tm"), "TM");
    EXPECT_EQ(UpperCase("\xE9t\xE9 \xFF\x9A\x9C\x9E \xF7\xDF\xB5"), "\xC9T\xC9 \x9F\x8A\x8C\x8E \xF7\xDF\xB5");
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        EXPECT_EQ(LowerAnsi(UpperAnsi(LowerAnsi(c))), LowerAnsi(c)) << byte;
    }
    EXPECT_TRUE(EqualsIgnoreCase("SMITH_TM.BKS", "Smith_tm.bks"));
    EXPECT_TRUE(EqualsIgnoreCase("\xC9T\xC9", "\xE9t\xE9"));
    EXPECT_FALSE(EqualsIgnoreCase("Smith", "Smith "));
    EXPECT_TRUE(StartsWithIgnoreCase("Duke", "du"));
    EXPECT_FALSE(StartsWithIgnoreCase("Du", "duke"));
}

TEST(TextHelpers, ListOrderIgnoresCaseFirstThenTakesTheBytes) {
    EXPECT_LT(CompareListOrder("arizona", "Duke"), 0);
    EXPECT_GT(CompareListOrder("Duke", "arizona"), 0);
    EXPECT_LT(CompareListOrder("Duke", "Duke State"), 0);
    EXPECT_LT(CompareListOrder("Kansas", "kansas"), 0);
    EXPECT_GT(CompareListOrder("kansas", "Kansas"), 0);
    EXPECT_EQ(CompareListOrder("Kansas", "Kansas"), 0);
    EXPECT_LT(CompareListOrder("", "a"), 0);
    EXPECT_LT(CompareListOrder("Z", "\xE9"), 0);
    EXPECT_EQ(PadRight("ab", 4), "ab  ");
    EXPECT_EQ(PadRight("abcde", 4), "abcde");
}

TEST(Numbers, TheLongestNumberAtTheStartOrZero) {
    struct Case {
        const char* text;
        double value;
    };
    for (const Case& c : {Case{"145", 145}, Case{" 7", 7}, Case{"\t 12abc", 12}, Case{"x", 0}, Case{"", 0},
                          Case{"-3", -3}, Case{"+4", 4}, Case{"2.5", 2.5}, Case{".5", 0.5}, Case{"1.", 1},
                          Case{"1e3", 1000}, Case{"1E-1x", 0.1}, Case{"1e", 1}, Case{"1e+", 1}, Case{"-", 0},
                          Case{"+.", 0}, Case{"1 2", 1}, Case{"1,5", 1}, Case{"1e400", 0}, Case{"- 1", 0}})
        EXPECT_DOUBLE_EQ(NumericValue(c.text), c.value) << c.text;
    EXPECT_DOUBLE_EQ(NumericValue(std::string(5000, '9').substr(0, 20)), 99999999999999999999.0);
}

TEST(Numbers, TheDecimalPointIsAPointWhateverTheLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    const testing::TempFolder folder;
    const bool switched = testing::SwitchToDecimalCommaLocale(folder);
    const double value = NumericValue("1.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!switched) GTEST_SKIP() << "no locale with a decimal comma could be installed or compiled";
    EXPECT_DOUBLE_EQ(value, 1.5);
}

TEST(Numbers, RoundingTakesHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(-0.6), -1);
    EXPECT_EQ(RoundHalfEven(1e300), 1e300);
    EXPECT_EQ(RoundHalfEven(NAN), 0);
}

TEST(Numbers, SixteenBitCountersRoundAndStopAtTheirEnds) {
    EXPECT_EQ(ClampToInt16(12), 12);
    EXPECT_EQ(ClampToInt16(12.5), 12);
    EXPECT_EQ(ClampToInt16(13.5), 14);
    EXPECT_EQ(ClampToInt16(12.7), 13);
    EXPECT_EQ(ClampToInt16(-12.7), -13);
    EXPECT_EQ(ClampToInt16(32767.4), 32767);
    EXPECT_EQ(ClampToInt16(40000), 32767);
    EXPECT_EQ(ClampToInt16(-40000), -32768);
    EXPECT_EQ(ClampToInt16(INFINITY), 0);
    EXPECT_EQ(ClampToInt16(NAN), 0);
    EXPECT_EQ(AddInt16(32000, 1000), 32767);
    EXPECT_EQ(AddInt16(-32000, -1000), -32768);
    EXPECT_EQ(AddInt16(-5, 3), -2);
}

TEST(AnsiText, EveryByteSurvivesTheTripThroughUtf8) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
    EXPECT_EQ(AnsiToUtf8("\x80\xE9\x9F"), "\xE2\x82\xAC\xC3\xA9\xC5\xB8");
    EXPECT_EQ(AnsiToUnicode(0x81), 0x81u);
    EXPECT_EQ(UnicodeToAnsi(0x2019), 0x92);
}

TEST(AnsiText, WhatTheCodePageCannotHoldOrMalformedUtf8BecomesAQuestionMark) {
    EXPECT_EQ(Utf8ToAnsi("\xE2\x82\xAC"), "\x80");
    EXPECT_EQ(Utf8ToAnsi("\xE4\xB8\xAD"), "?");          // a character outside the code page
    EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80x"), "?x");     // outside the basic plane
    EXPECT_EQ(Utf8ToAnsi("a\xC3"), "a?");                 // cut short
    EXPECT_EQ(Utf8ToAnsi("\xC3(x"), "?(x");               // no continuation byte
    EXPECT_EQ(Utf8ToAnsi("\xC1\x81"), "?");               // an overlong "A"
    EXPECT_EQ(Utf8ToAnsi("\xE0\x80\xAF"), "?");           // an overlong "/"
    EXPECT_EQ(Utf8ToAnsi("\xF0\x80\x81\x81"), "?");
    EXPECT_EQ(Utf8ToAnsi("\xFF\xBF"), "??");
    EXPECT_EQ(UnicodeToAnsi(0x80), '?');
}

}  // namespace
}  // namespace brackwell
