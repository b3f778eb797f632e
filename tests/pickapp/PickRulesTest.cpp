// The pick program's rules: the click rule, the checks of Save As and the selection file it
// writes, and what --print-field prints.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "pickapp/rules/PickBracket.h"
#include "pickapp/rules/PrintedField.h"
#include "pickapp/rules/SaveRules.h"
#include "tests/support/TempFolder.h"

namespace brackwell::pick {
namespace {

using brackwell::testing::TempFolder;

PickField NumberedField() {
    PickField field;
    for (std::size_t i = 0; i < 64; ++i) field.teams[i] = "T" + std::to_string(i + 1);
    field.others = {"Title", "R0", "R1", "R2", "R3", "1", "2", "4", "8", "12", "16", "one\r\ntwo", ""};
    return field;
}

TEST(PickGeometry, PositionsFeedAsTheBracketIsDrawn) {
    const std::vector<std::pair<int, int>> feeds = {
        {1, 17}, {2, 17}, {16, 24}, {17, 25}, {24, 28}, {29, 31}, {30, 31}, {31, 125}, {62, 125},
        {63, 79}, {93, 126}, {124, 126}, {125, 127}, {126, 127}, {127, 0}};
    for (const auto& [from, to] : feeds) EXPECT_EQ(FedPosition(from), to) << from;
    const std::vector<std::pair<int, int>> opponents = {
        {1, 2}, {2, 1}, {17, 18}, {30, 29}, {31, 62}, {93, 124}, {125, 126}, {110, 111}};
    for (const auto& [a, b] : opponents) EXPECT_EQ(OpponentPosition(a), b) << a;
    EXPECT_EQ(StartingPosition(0), 1);
    EXPECT_EQ(StartingPosition(16), 32);
    EXPECT_EQ(StartingPosition(63), 109);
}

TEST(PickBracketTest, ClickRule) {
    struct Case {
        const char* name;
        std::vector<int> clicks;
        std::map<int, std::string> expected;  // position -> caption ("" = empty)
    };
    // T1 carried from slot 1 to the title: 1, 17, 25, 29, 31, 125, 127.
    const std::vector<int> carryT1 = {1, 17, 25, 29, 31, 125};
    auto then = [&](std::vector<int> more) {
        std::vector<int> clicks = carryT1;
        clicks.insert(clicks.end(), more.begin(), more.end());
        return clicks;
    };
    const std::vector<Case> cases = {
        {"a first-round click moves the team on", {1}, {{17, "T1"}, {1, "T1"}, {25, ""}}},
        {"a team carried to the title", carryT1, {{17, "T1"}, {25, "T1"}, {29, "T1"}, {31, "T1"}, {125, "T1"}, {127, "T1"}}},
        {"re-picking a first-round game removes the old winner from every later round", then({2}),
         {{17, "T2"}, {25, ""}, {29, ""}, {31, ""}, {125, ""}, {127, ""}}},
        {"the loser goes, the winner's own later places stay", then({1}),
         {{17, "T1"}, {25, "T1"}, {31, "T1"}, {127, "T1"}}},
        {"re-picking in round two keeps the first-round pick", then({3, 18}),
         {{17, "T1"}, {18, "T3"}, {25, "T3"}, {29, ""}, {127, ""}}},
        {"an empty label empties what it feeds and removes its opponent", then({26}),
         {{25, "T1"}, {29, ""}, {31, ""}, {127, ""}, {17, "T1"}}},
        {"a semifinal winner goes to the champion alone", {32, 48, 56, 60, 62, 126},
         {{126, ""}, {125, "T17"}, {127, ""}}},
        {"a semifinal pick only fills the champion", then({63, 79, 87, 91, 93, 126, 125}),
         {{127, "T1"}, {126, "T33"}, {125, "T1"}}},
        {"the champion's label does nothing", then({127}), {{127, "T1"}, {125, "T1"}}},
        {"a right-half region feeds its own columns", {64, 79}, {{79, "T34"}, {87, "T34"}}},
        {"a regional champion's opponent leaves the final", then({32, 48, 56, 60, 62}),
         {{125, "T17"}, {127, ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PickBracket bracket(NumberedField());
        for (int position : c.clicks) bracket.Click(position);
        for (const auto& [position, caption] : c.expected) EXPECT_EQ(bracket.Caption(position), caption) << position;
    }
}

TEST(PickBracketTest, RemovalComparesNamesExactly) {
    PickField field = NumberedField();
    field.teams[0] = "Duke";
    field.teams[2] = "duke";
    PickBracket bracket(field);
    for (int p : {3, 18, 2}) bracket.Click(p);  // "duke" carried to 25, then "Duke" loses in round one
    EXPECT_EQ(bracket.Caption(17), "T2");
    EXPECT_EQ(bracket.Caption(25), "duke");
}

TEST(SaveRulesTest, RefusalsInTheirOrder) {
    const std::string missing =
        "Required fields are missing.  You must fill in the fields\nfor *Initials*, *Name*, and *Total Points "
        "Prediction*.";
    const std::string range =
        "Final Game - you must enter a valid prediction\n(between 50 & 250) for the total score of this game.";
    struct Case {
        bool demo;
        const char *initials, *name, *total;
        std::string message;  // "" = may be saved
    };
    const std::vector<Case> cases = {
        {true, "", "", "", "DEMO Mode active, you cannot save the file."},
        {false, "", "Smith", "120", missing},
        {false, "TS", "", "120", missing},
        {false, "TS", "Smith", "", missing},
        {false, "TS", "Smith", "49", range},
        {false, "TS", "Smith", "251", range},
        {false, "TS", "Smith", "abc", range},
        {false, "TS", "Smith", "50", ""},
        {false, "TS", "Smith", "250", ""},
        {false, "ab", "Smith", "120abc", ""},
        {false, "TS", "Smith", "99999999999", range},
    };
    for (const Case& c : cases) {
        const auto refusal = SaveRefusal(c.demo, c.initials, c.name, c.total);
        EXPECT_EQ(refusal.value_or(""), c.message) << c.initials << "/" << c.name << "/" << c.total;
    }
}

TEST(SaveRulesTest, DemoFlagIsTheSettingsFilesFirstCharacter) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"1", true}, {"1 \r\n", true}, {"10", true}, {"0\r\n", false}, {" 1", false}, {"", false}};
    for (const auto& [contents, demo] : cases) {
        TempFolder folder;
        folder.Write("BRACKWELL.INI", contents);
        EXPECT_EQ(DemoFlagSet(folder.path()), demo) << contents;
    }
    TempFolder folder;
    EXPECT_FALSE(DemoFlagSet(folder.path())) << "no settings file";
    folder.Write("brackwell.ini", "1");
    EXPECT_TRUE(DemoFlagSet(folder.path())) << "any case of the name";

    // Nothing but a regular file is read, and a pipe without a writer does not hold the save up.
    TempFolder odd;
    ASSERT_EQ(mkfifo(odd.File("BRACKWELL.INI").c_str(), 0600), 0);
    EXPECT_FALSE(DemoFlagSet(odd.path())) << "a pipe";
    std::filesystem::remove(odd.File("BRACKWELL.INI"));
    std::filesystem::create_directory(odd.File("BRACKWELL.INI"));
    EXPECT_FALSE(DemoFlagSet(odd.path())) << "a folder";
}

TEST(SaveRulesTest, SelectionFileIsWrittenLineForLine) {
    PickBracket bracket(NumberedField());
    for (int p : {1, 17, 4}) bracket.Click(p);
    TempFolder folder;
    folder.Write("Smith_ab.bks", "an older selection");
    ASSERT_TRUE(WritePickSelection(folder.File("Smith_ab.bks"), bracket, "ab", "Smith", "120"));
    std::string expected;
    for (int p = 1; p <= 127; ++p) expected += bracket.Caption(p) + "\r\n";
    expected += "ab\r\nSmith\r\n120\r\n*END*\r\n";
    EXPECT_EQ(folder.Read("Smith_ab.bks"), expected);
    EXPECT_EQ(std::count(expected.begin(), expected.end(), '\n'), 131);
    EXPECT_EQ(expected.substr(0, 8), "T1\r\nT2\r\n");
    EXPECT_EQ(SuggestedFileName("Smith", "ab"), "Smith_ab");

    EXPECT_FALSE(WritePickSelection(folder.path() + "/missing/x.bks", bracket, "ab", "Smith", "120"));
    testing::MakeReadOnly(folder.path());
    EXPECT_TRUE(testing::RunWithoutFileOverride([&] {
        return !WritePickSelection(folder.File("New_ab.bks"), bracket, "ab", "New", "120");
    }));
    testing::MakeWritable(folder.path());
    EXPECT_FALSE(folder.Exists("New_ab.bks"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "no temporary left";
}

TEST(SaveRulesTest, SaveNeverWritesThroughAPlantedLink) {
    PickBracket bracket(NumberedField());
    TempFolder folder, elsewhere;
    elsewhere.Write("victim", "precious");
    elsewhere.Write("other", "kept");
    // A link under the name a temporary might have, and the selection's own name as a link.
    std::filesystem::create_symlink(elsewhere.File("victim"), folder.File("Smith_ab.bks.~tmp"));
    std::filesystem::create_symlink(elsewhere.File("other"), folder.File("Smith_ab.bks"));
    ASSERT_TRUE(WritePickSelection(folder.File("Smith_ab.bks"), bracket, "ab", "Smith", "120"));
    EXPECT_EQ(elsewhere.Read("victim"), "precious");
    EXPECT_EQ(elsewhere.Read("other"), "kept");
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(folder.File("Smith_ab.bks"))));
    EXPECT_EQ(folder.Read("Smith_ab.bks").substr(0, 4), "T1\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2) << "no temporary left";
}

TEST(PrintedFieldTest, OneItemALineWithCommentBreaksAsBars) {
    PickField field = NumberedField();
    field.others[12] = "a|b\r\nc";
    const std::string text = PrintedField(field);
    EXPECT_EQ(text.substr(0, 7), "T1\nT2\nT");
    EXPECT_TRUE(text.ends_with("\nT64\nTitle\nR0\nR1\nR2\nR3\n1\n2\n4\n8\n12\n16\none|two\na|b|c\n")) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 77);
}

}  // namespace
}  // namespace brackwell::pick
