#include <gtest/gtest.h>

#include <clocale>
#include <limits>

#include "outlook/rules/OutlookTable.h"
#include "tests/support/DecimalCommaLocale.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

OutlookResult TwoRows(bool exact) {
    OutlookResult result;
    result.Exact = exact;
    result.MarginPercent = exact ? 0 : 0.0912;
    OutlookRow first{"Adams_BB.BKS", "Adams, BB", 12, 140, 1, 3, 40, 41.5, 63.84615, 70.126, 50.0,
                     OutlookStatus::Alive, 12.345, 0.125, OutlookStatus::Clinched};
    OutlookRow second{"Tab\tName.BKS", "Line\r\nBreak, X", 9, 90, 2, 3, 0, 1.0 / 3, 0.005, 0, 1e-9,
                      OutlookStatus::Out, 0, 0, OutlookStatus::Out};
    result.Rows = {first, second};
    return result;
}

constexpr const char* kHeader =
    "FileName\tPlayerName\tScore\tMaxScore\tBestPlace\tWorstPlace\tFirstOutright\tFirstShared\tFirstShare\t"
    "ChanceSeeded\tChanceEven\tMethod\tFirstStatus";

TEST(OutlookTable, HeaderThenOneTabSeparatedRowPerParticipant) {
    EXPECT_EQ(OutlookTableText(TwoRows(true)),
              std::string(kHeader) + "\n" +
                  "Adams_BB.BKS\tAdams, BB\t12\t140\t1\t3\t40\t41.500000\t63.85\t70.13\t50.00\texact\talive\n"
                  "Tab Name.BKS\tLine Break, X\t9\t90\t2\t3\t0\t0.333333\t0.01\t0.00\t0.00\texact\teliminated\n");
}

TEST(OutlookTable, APayoutAddsThePrizeColumnsLast) {
    OutlookResult result = TwoRows(true);
    result.Prizes = true;
    EXPECT_EQ(OutlookTableText(result),
              std::string(kHeader) + "\tPrizeEven\tPrizeSeeded\tPrizeStatus\n" +
                  "Adams_BB.BKS\tAdams, BB\t12\t140\t1\t3\t40\t41.500000\t63.85\t70.13\t50.00\texact\talive\t12.35"
                  "\t0.12\tclinched\n"
                  "Tab Name.BKS\tLine Break, X\t9\t90\t2\t3\t0\t0.333333\t0.01\t0.00\t0.00\texact\teliminated\t0.00"
                  "\t0.00\tout\n");
}

TEST(OutlookTable, AnEstimateNamesItsMargin) {
    const OutlookResult result = TwoRows(false);
    EXPECT_EQ(OutlookMethod(result), "estimate +-0.09%");
    EXPECT_EQ(OutlookRowFields(result.Rows[0], result)[11], "estimate +-0.09%");
}

TEST(OutlookTable, NumbersKeepThePointUnderALocaleWithADecimalComma) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    const testing::TempFolder folder;
    const bool switched = testing::SwitchToDecimalCommaLocale(folder);
    const std::string underLocale = OutlookTableText(TwoRows(false));
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!switched) GTEST_SKIP() << "no locale with a decimal comma could be installed or compiled";
    EXPECT_NE(underLocale.find("\t63.85\t70.13\t50.00\testimate +-0.09%\talive\n"), std::string::npos) << underLocale;
}

TEST(OutlookTable, FixedDecimalsRounds) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    for (const Case& c : {Case{0.125, 2, "0.12"}, Case{2.675, 2, "2.67"}, Case{99.995, 2, "100.00"},
                          Case{-0.001, 2, "0.00"}, Case{7, 6, "7.000000"}, Case{std::numeric_limits<double>::infinity(), 2, "0.00"}})
        EXPECT_EQ(FixedDecimals(c.value, c.decimals), c.text) << c.value;
}

}  // namespace
}  // namespace brackwell
