#include <gtest/gtest.h>

#include <sys/stat.h>

#include "outlook/rules/PrizeFile.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::TempFolder;

TEST(PrizeFile, AmountsAreDigitsWithOnePointAndNothingElse) {
    const struct {
        const char* text;
        std::optional<double> amount;
    } cases[] = {
        {"100", 100.0},  {" 12.50 ", 12.5}, {"0", 0.0},          {".5", 0.5},     {"7.", 7.0},
        {"", {}},        {".", {}},         {"-5", {}},          {"+5", {}},      {"1e3", {}},
        {"1,5", {}},     {"1.2.3", {}},     {"nan", {}},         {"$100", {}},    {"1000000000001", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(PrizeAmount(c.text), c.amount) << c.text;
}

TEST(PrizeFile, WrittenPrizesReadBackTheSameAndTheFileIsOneShortLineEach) {
    const TempFolder folder;
    const std::vector<double> prizes{100, 50.5, 1.0 / 3, 0};
    ASSERT_TRUE(WritePrizeFile(folder.path(), prizes));
    EXPECT_EQ(folder.Read(kPrizeFileName), "100\r\n50.5\r\n0.3333333333333333\r\n0\r\n");
    const PrizeFileContents read = ReadPrizeFile(folder.path());
    EXPECT_TRUE(read.present);
    EXPECT_EQ(read.problem, "");
    EXPECT_EQ(read.prizes, prizes);

    // No prizes at all is a file of its own, not a missing one.
    ASSERT_TRUE(WritePrizeFile(folder.path(), {}));
    EXPECT_EQ(folder.Read(kPrizeFileName), "");
}

// Missing is no prize list and no fault; otherwise the prizes up to the first fault, which is
// named, and the file stays as it is.
TEST(PrizeFile, AFileIsReadUpToItsFirstFaultWhichIsNamedAndTheFileStays) {
    const std::string notAPrize =
        "\" is not a prize. Each line holds the prize of one place, place 1 first, as a number such as 100 or 12.50.";
    std::string many;
    for (std::size_t i = 0; i <= kMostPaidPlaces; ++i) many += "1\r\n";
    const struct {
        std::optional<std::string> bytes;
        std::vector<double> prizes;
        std::string problem;
    } cases[] = {
        {std::nullopt, {}, ""},
        {"", {}, ""},
        {"60\n30\n10\n\n\n", {60, 30, 10}, ""},
        {"60\r\n\r\n10\r\n", {60}, "PRIZES.TXT, line 2: \"" + notAPrize},
        {"60\r\n$30\r\n10\r\n", {60}, "PRIZES.TXT, line 2: \"$30" + notAPrize},
        {many, std::vector<double>(kMostPaidPlaces, 1), "PRIZES.TXT holds more than 1000 lines, more paid places than a pool has."},
        {"5\r\n" + std::string(100000, '1') + "\r\n", {5}, "PRIZES.TXT, line 2: the line is too long to be a prize."},
    };
    for (const auto& c : cases) {
        const TempFolder folder;
        if (c.bytes) folder.Write(kPrizeFileName, *c.bytes);
        const PrizeFileContents read = ReadPrizeFile(folder.path());
        EXPECT_EQ(read.present, c.bytes.has_value()) << c.problem;
        EXPECT_EQ(read.prizes, c.prizes) << c.problem;
        EXPECT_EQ(read.problem, c.problem);
        if (c.bytes) { EXPECT_EQ(folder.Read(kPrizeFileName), *c.bytes); }
    }

    const TempFolder other;
    ASSERT_EQ(mkdir(other.File(kPrizeFileName).c_str(), 0755), 0);
    EXPECT_EQ(ReadPrizeFile(other.path()).problem,
              "PRIZES.TXT could not be read (it is not a file this program may read).");
    EXPECT_FALSE(WritePrizeFile(other.path(), {1}));
}

}  // namespace
}  // namespace brackwell
