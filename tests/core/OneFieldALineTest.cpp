// Every writer keeps one field a line, whatever line breaks a text box handed it: a file must
// never gain lines (and so shift or lose the fields after the break).

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/LineFile.h"
#include "core/RosterFile.h"
#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "core/TeamNames.h"
#include "core/TextHelpers.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::ScriptedDialogs;
using testing::TempFolder;

struct Broken {
    const char* name;
    std::string text;
    std::string asComment;  // what a comment stores
    std::string asField;    // what any other field stores
};

const Broken kBreaks[] = {
    {"CrLf", "one\r\ntwo", "one|two", "one  two"},
    {"BareLf", "one\ntwo\n", "one|two|", "one two "},
    {"LoneCr", "one\rtwo", "one|two", "one two"},
    {"Mixed", "a\r\n\nb\r", "a||b|", "a   b "},
};

class OneFieldALine : public ::testing::TestWithParam<Broken> {
protected:
    TempFolder folder;
    modBrackwell model{folder.path()};
    ScriptedDialogs dialogs;
};

TEST_P(OneFieldALine, StartFileStoresCommentBreaksAsBarsAndOthersAsBlanks) {
    StartLinesArray lines = DefaultStartLines();
    lines[0] = GetParam().text;
    lines[kTitleLine] = GetParam().text;
    lines[kComment1Line] = GetParam().text;
    lines[kComment2Line] = GetParam().text;
    lines[kFinalizedLine] = "1";
    ASSERT_TRUE(WriteStartFile(model, dialogs, lines));
    EXPECT_EQ(ReadLineFile(folder.File(kStartFileName), 200).lines.size(), 96u);
    ReadStartFile(model, dialogs);
    EXPECT_EQ(model.StartLines[0], GetParam().asField);
    EXPECT_EQ(model.StartLines[kTitleLine], GetParam().asField);
    EXPECT_EQ(model.StartLines[kComment1Line], GetParam().asComment);
    EXPECT_EQ(model.StartLines[kComment2Line], GetParam().asComment);
    EXPECT_EQ(model.StartLines[kFinalizedLine], "1") << "the file still reads as finalized";
}

TEST_P(OneFieldALine, SelectionFileStoresBreaksAsBlanks) {
    for (int line : {1, 64, kInitialsLine, kPlayerNameLine, kFinalPointsLine}) model.SelLines[line] = GetParam().text;
    const std::string path = folder.File("Smith_TM.BKS");
    ASSERT_TRUE(WriteSelections(model, dialogs, path));
    ASSERT_TRUE(ReadSelections(model, dialogs, path)) << "still 131 lines ending in the marker";
    for (int line : {1, 64, kInitialsLine, kPlayerNameLine, kFinalPointsLine})
        EXPECT_EQ(model.SelLines[line], GetParam().asField) << line;
}

TEST_P(OneFieldALine, TeamListStoresBreaksAsBlanks) {
    model.TeamNamesChanged = true;
    dialogs.Answer(MsgAnswer::Yes);
    WriteTeamNames(model, dialogs, {"Duke", GetParam().text, "Kansas"}, {});
    ASSERT_TRUE(ReadTeamNames(model, dialogs));
    EXPECT_EQ(model.TeamNameList[1], "Duke");
    EXPECT_EQ(model.TeamNameList[2], GetParam().asField);
    EXPECT_EQ(model.TeamNameList[3], "Kansas");
    EXPECT_EQ(model.TeamNameList[4], "");
}

TEST_P(OneFieldALine, RosterStoresBreaksAsBlanks) {
    const std::string text = GetParam().text;
    ASSERT_TRUE(WriteRoster(model, dialogs, {DisplayLineOf({text, text, text, text})}));
    EXPECT_TRUE(ValidateRosterFile(model, dialogs));
    const RosterReadResult read = ReadRosterRecords(model);
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_EQ(read.records[0].email, PadRight(GetParam().asField, kRosterEmailWidth));
}

INSTANTIATE_TEST_SUITE_P(EveryBreak, OneFieldALine, ::testing::ValuesIn(kBreaks),
                         [](const ::testing::TestParamInfo<Broken>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brackwell
