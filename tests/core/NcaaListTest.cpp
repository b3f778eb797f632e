// The team-name list we ship: what the setup window offers on a fresh install.
#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "core/TextHelpers.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

// The 64 teams of the 2000 field, spelled as the demo data spells them.
const char* const k2000Field[] = {
    "Duke", "Lamar", "Kansas", "DePaul", "Florida", "Butler", "Illinois", "Penn",
    "Indiana", "Pepperdine", "Oklahoma State", "Hofstra", "Oregon", "Seton Hall", "Temple", "Lafayette",
    "Michigan State", "Valparaiso", "Utah", "Saint Louis", "Kentucky", "St. Bonaventure", "Syracuse", "Samford",
    "UCLA", "Ball State", "Maryland", "Iona", "Auburn", "Creighton", "Iowa State", "Central Connecticut",
    "Stanford", "South Carolina State", "North Carolina", "Missouri", "Connecticut", "Utah State", "Tennessee",
    "Louisiana-Lafayette", "Miami (FL)", "Arkansas", "Ohio State", "Appalachian State", "Tulsa", "UNLV",
    "Cincinnati", "UNC Wilmington",
    "Arizona", "Jackson State", "Wisconsin", "Fresno State", "Texas", "Indiana State", "LSU", "SE Missouri State",
    "Purdue", "Dayton", "Oklahoma", "Winthrop", "Louisville", "Gonzaga", "St. John's", "Northern Arizona",
};

static_assert(std::size(k2000Field) == 64);

// The lines of the shipped file; every line must end in CR LF.
std::vector<std::string> ShippedLines() {
    const std::string bytes = testing::ReadBytes(BRACKWELL_SOURCE_DIR "/data/NCAALIST.BKT");
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "last line has no CR LF: " << bytes.substr(start);
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(ShippedTeamList, IsFramedWithOneShortAsciiNamePerCrLfLine) {
    const std::vector<std::string> lines = ShippedLines();
    ASSERT_GE(lines.size(), 300u);
    EXPECT_EQ(lines.front(), "*START*");
    EXPECT_EQ(lines.back(), "*END*");
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        const std::string& name = lines[i];
        EXPECT_FALSE(name.empty()) << "line " << i + 1;
        EXPECT_LE(name.size(), 20u) << name;
        EXPECT_EQ(name, TrimTrailingSpaces(name)) << name;
        EXPECT_FALSE(IsBlankField(name)) << name;
        for (char c : name) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << name;
    }
}

TEST(ShippedTeamList, IsInListOrderWithoutDuplicates) {
    const std::vector<std::string> lines = ShippedLines();
    ASSERT_GE(lines.size(), 3u);
    for (std::size_t i = 2; i + 1 < lines.size(); ++i) {
        EXPECT_LT(CompareListOrder(lines[i - 1], lines[i]), 0) << lines[i - 1] << " / " << lines[i];
        EXPECT_FALSE(EqualsIgnoreCase(lines[i - 1], lines[i])) << lines[i];
    }
}

TEST(ShippedTeamList, HoldsEveryTeamOfThe2000FieldAsSpelledThere) {
    const std::vector<std::string> lines = ShippedLines();
    const std::set<std::string> names(lines.begin(), lines.end());
    for (const char* team : k2000Field) EXPECT_TRUE(names.count(team)) << team;
}

}  // namespace
}  // namespace brackwell
