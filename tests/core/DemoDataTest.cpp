// The shipped demo files hold their exact layouts and one consistent pool: every sample
// bracket is complete and follows the 2000 field, and the roster names the sample files.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/DemoSet.h"
#include "core/Model.h"
#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "core/TextHelpers.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

const std::string kDemoFolder = std::string(BRACKWELL_SOURCE_DIR) + "/data/demo";

// The file's lines; every line must end in CR LF and hold printable ASCII only.
std::vector<std::string> DemoLines(const std::string& name) {
    const std::string bytes = testing::ReadBytes(kDemoFolder + "/" + name);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << name << ": the last line does not end in CR LF";
            break;
        }
        const std::string line = bytes.substr(start, end - start);
        EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char c) { return c >= 0x20 && c <= 0x7E; }))
            << name << " line " << lines.size() + 1 << ": " << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

const std::vector<std::string> kBrackets = {kResultsFileName, kDemoSelectionFiles[0], kDemoSelectionFiles[1],
                                            kDemoSelectionFiles[2], kDemoSelectionFiles[3]};

TEST(DemoData, StartFieldIsTheFinalizedFieldOfTheYear) {
    const std::vector<std::string> lines = DemoLines(kStartFileName);
    ASSERT_EQ(lines.size(), 96u);
    EXPECT_EQ(lines[0], "*START*");
    EXPECT_EQ(lines[95], "*END*");
    const std::set<std::string> teams(lines.begin() + 1, lines.begin() + 65);
    EXPECT_EQ(teams.size(), 64u) << "every team once";
    for (const std::string& team : teams) EXPECT_TRUE(!team.empty() && team.size() <= 20) << team;
    EXPECT_EQ(lines[kTitleLine + 1], "2000 NCAA Tournament");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 66, lines.begin() + 70),
              (std::vector<std::string>{"Midwest Region", "West Region", "East Region", "South Region"}));
    const StartLinesArray defaults = DefaultStartLines();
    for (int line = kFirstPointsLine; line < kComment1Line; ++line)
        EXPECT_EQ(lines[line + 1], defaults[line]) << "points and seeds as the default field stores them";
    EXPECT_FALSE(lines[kComment1Line + 1].empty());
    EXPECT_FALSE(lines[kComment2Line + 1].empty());
    EXPECT_EQ(lines[kFinalizedLine + 1], "1");
}

TEST(DemoData, EveryBracketIsCompleteAndPlayedFromTheField) {
    const std::vector<std::string> start = DemoLines(kStartFileName);
    for (const std::string& name : kBrackets) {
        SCOPED_TRACE(name);
        const std::vector<std::string> lines = DemoLines(name);
        ASSERT_EQ(lines.size(), 131u);
        auto at = [&](int position) { return lines[static_cast<std::size_t>(position - 1)]; };
        for (int p = 1; p <= kPositionCount; ++p) {
            if (IsStartingSlot(p)) {
                EXPECT_EQ(at(p), start[static_cast<std::size_t>(StartTeamLine(p) + 1)]) << p;
            } else {
                const auto [a, b] = FeedingPositions(p);
                EXPECT_TRUE(!at(p).empty() && (at(p) == at(a) || at(p) == at(b))) << "position " << p << ": " << at(p);
            }
        }
        EXPECT_EQ(at(kSelectionEndLine), "*END*");
    }
}

TEST(DemoData, ResultsAndSampleEntriesCarryTheirOwners) {
    const std::vector<std::string> results = DemoLines(kResultsFileName);
    ASSERT_EQ(results.size(), 131u);
    EXPECT_EQ(results[126], "Michigan State");
    EXPECT_EQ(results[kInitialsLine - 1], "A");
    EXPECT_EQ(results[kPlayerNameLine - 1], "FinalResults");
    EXPECT_EQ(results[kFinalPointsLine - 1], "165");

    std::set<std::string> champions;
    for (const char* name : kDemoSelectionFiles) {
        const std::vector<std::string> lines = DemoLines(name);
        ASSERT_EQ(lines.size(), 131u) << name;
        const std::string& initials = lines[kInitialsLine - 1];
        EXPECT_EQ(SelectionFileName(lines[kPlayerNameLine - 1], initials), name);
        const auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
        EXPECT_TRUE(initials.size() == 2 && std::all_of(initials.begin(), initials.end(), upper)) << name;
        const int total = std::stoi(lines[kFinalPointsLine - 1]);
        EXPECT_TRUE(total >= 50 && total <= 250) << name;
        champions.insert(lines[126]);
    }
    EXPECT_TRUE(champions.count("Michigan State")) << "one sample picks the real champion";
}

TEST(DemoData, RosterRecordsNameTheSampleFiles) {
    const std::vector<std::string> lines = DemoLines("PLAYERNAMES.CSV");
    ASSERT_EQ(lines.size(), 1 + kDemoSelectionFiles.size());
    EXPECT_EQ(lines[0], "\"Name                     \",\"FileName                         \","
                        "\"Email                                      \",\"Phone         \"");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& record = lines[i];
        ASSERT_EQ(record.size(), 126u) << record;
        for (const int column : {1, 27, 29, 63, 65, 109, 111, 126}) EXPECT_EQ(record[column - 1], '"') << record;
        for (const int column : {28, 64, 110}) EXPECT_EQ(record[column - 1], ',') << record;
        if (i == 0) continue;
        EXPECT_EQ(TrimTrailingSpaces(record.substr(29, 33)), kDemoSelectionFiles[i - 1]);
        EXPECT_NE(record.substr(65, 43).find("@example.com "), std::string::npos) << record;
    }
}

TEST(DemoData, FilesLoadThroughTheProgramsOwnReaders) {
    modBrackwell model(kDemoFolder);
    testing::ScriptedDialogs dialogs;  // any message fails the test
    ReadStartFile(model, dialogs);
    EXPECT_EQ(model.TournamentTitle, "2000 NCAA Tournament");
    for (const std::string& name : kBrackets) EXPECT_TRUE(ReadSelections(model, dialogs, model.AppFilePath(name)));
    EXPECT_EQ(DemoLines("BRACKWELL.INI"), std::vector<std::string>{"1"});
}

}  // namespace
}  // namespace brackwell
