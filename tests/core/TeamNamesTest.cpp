#include <gtest/gtest.h>

#include "core/TeamNames.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::CrLf;
using testing::ScriptedDialogs;
using testing::TempFolder;

const char* const kReadError = "Problem locating or Reading NCAALIST.BKT file\r\n\r\nMODULE: modBrackwell - ReadTeamNames";
const char* const kQuestion =
    "You have added or changed the Team Names ...\r\nDo you want to save these changes made to\r\nthe list of "
    "team names?";

class TeamListRead : public ::testing::Test {
protected:
    TeamListRead() : model(folder.path()) {}

    TempFolder folder;
    modBrackwell model;
    ScriptedDialogs dialogs;
};

TEST_F(TeamListRead, NamesGoTo1ToNThenTheMarkerAndSpareEntriesAreEmpty) {
    folder.Write(kTeamListFileName, CrLf({kStartMarker, "Duke", "Duke", "Kansas", kEndMarker}));
    EXPECT_TRUE(ReadTeamNames(model, dialogs));
    EXPECT_TRUE(dialogs.calls().empty());
    // Five lines: indices 0..23.
    ASSERT_EQ(model.TeamNameList.size(), 5u + kSpareTeamNameEntries);
    EXPECT_EQ(model.TeamNameList[0], "");
    EXPECT_EQ(model.TeamNameList[1], "Duke");
    EXPECT_EQ(model.TeamNameList[2], "Duke");
    EXPECT_EQ(model.TeamNameList[3], "Kansas");
    for (std::size_t i = 4; i < model.TeamNameList.size(); ++i) EXPECT_EQ(model.TeamNameList[i], "") << i;
}

TEST_F(TeamListRead, OnlyTheMarkersIsAnEmptyList) {
    folder.Write(kTeamListFileName, CrLf({kStartMarker, kEndMarker}));
    EXPECT_TRUE(ReadTeamNames(model, dialogs));
    EXPECT_EQ(model.TeamNameList.size(), 2u + kSpareTeamNameEntries);
    for (const std::string& name : model.TeamNameList) EXPECT_EQ(name, "");
}

TEST_F(TeamListRead, TheFirstSevenCharactersMakeTheStartAndNamesAreKeptAsTheyAre) {
    folder.Write("ncaalist.bkt", "*START* of my list\n  Duke  \n\nKansas\r\n*END*");
    EXPECT_TRUE(ReadTeamNames(model, dialogs));
    EXPECT_EQ(model.TeamNameList[1], "  Duke  ");
    EXPECT_EQ(model.TeamNameList[2], "");
    EXPECT_EQ(model.TeamNameList[3], "Kansas");
}

TEST_F(TeamListRead, ADamagedListShowsTheMessageAndReadsAsEmpty) {
    const std::string cases[] = {
        CrLf({"*START", "Duke", kEndMarker}),
        CrLf({" *START*", "Duke", kEndMarker}),
        CrLf({kStartMarker, "Duke"}),
        CrLf({kStartMarker, "Duke", "*END* "}),
        CrLf({kStartMarker}),
        CrLf({kStartMarker, std::string(kMaxTeamNameLength + 1, 'x'), kEndMarker}),
    };
    for (const std::string& bytes : cases) {
        folder.Write(kTeamListFileName, bytes);
        model.TeamNameList = {"", "old"};
        ScriptedDialogs messages;
        messages.AllowMessages();
        EXPECT_FALSE(ReadTeamNames(model, messages)) << bytes.substr(0, 30);
        ASSERT_EQ(messages.messages().size(), 1u);
        EXPECT_EQ(messages.messages()[0].text, kReadError);
        EXPECT_EQ(messages.messages()[0].title, kAppTitle);
        for (const std::string& name : model.TeamNameList) EXPECT_EQ(name, "");
    }
}

TEST_F(TeamListRead, TheLongestListAndNameTheBoundsAllowAreRead) {
    std::string bytes = CrLf({kStartMarker, std::string(kMaxTeamNameLength, 'x')});
    for (std::size_t i = 1; i < kMaxTeamNames; ++i) bytes += "Team\r\n";
    folder.Write(kTeamListFileName, bytes + CrLf({kEndMarker}));
    EXPECT_TRUE(ReadTeamNames(model, dialogs));
    EXPECT_EQ(model.TeamNameList.size(), kMaxTeamNames + 2 + kSpareTeamNameEntries);

    folder.Write(kTeamListFileName, bytes + CrLf({"Team", kEndMarker}));
    dialogs.AllowMessages();
    EXPECT_FALSE(ReadTeamNames(model, dialogs));
}

class TeamListWrite : public ::testing::Test {
protected:
    TeamListWrite() : model(folder.path()) { model.TeamNamesChanged = true; }

    TempFolder folder;
    modBrackwell model;
    ScriptedDialogs dialogs;
};

TEST_F(TeamListWrite, NothingIsAskedOrWrittenUnlessTheNamesChanged) {
    model.TeamNamesChanged = false;
    const auto list = WriteTeamNames(model, dialogs, {"Duke"}, {{3, "Kansas"}});
    EXPECT_EQ(list, std::vector<std::string>{"Duke"});
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_FALSE(folder.Exists(kTeamListFileName));
}

TEST_F(TeamListWrite, NoKeepsTheListAndTheFile) {
    folder.Write(kTeamListFileName, "old");
    dialogs.Answer(MsgAnswer::No);
    const auto list = WriteTeamNames(model, dialogs, {"Duke"}, {{3, "Kansas"}});
    EXPECT_EQ(list, std::vector<std::string>{"Duke"});
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, kQuestion);
    EXPECT_EQ(dialogs.messages()[0].title, "TEAM NAMES Changed / Added");
    EXPECT_EQ(dialogs.messages()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(folder.Read(kTeamListFileName), "old");
}

TEST_F(TeamListWrite, YesAddsTheTypedNamesInListOrderAndWritesNoRepeatedNeighbours) {
    dialogs.Answer(MsgAnswer::Yes);
    const std::vector<TypedTeamName> typed = {
        {0, "kansas"}, {5, "Duke"}, {9, "Arizona"}, {2, ""}, {7, "Not Reached"}};
    const auto list = WriteTeamNames(model, dialogs, {"Cincinnati", "Duke", "Kansas"}, typed);
    EXPECT_EQ(list, (std::vector<std::string>{"Arizona", "Cincinnati", "Duke", "Duke", "Kansas", "kansas"}));
    EXPECT_EQ(folder.Read(kTeamListFileName),
              CrLf({kStartMarker, "Arizona", "Cincinnati", "Duke", "Kansas", "kansas", kEndMarker}));
}

TEST_F(TeamListWrite, ARepeatedListReadsBackAsThreeNamesAndWritesAsTwo) {
    folder.Write(kTeamListFileName, CrLf({kStartMarker, "Duke", "Duke", "Kansas", kEndMarker}));
    ASSERT_TRUE(ReadTeamNames(model, dialogs));
    std::vector<std::string> entries;
    for (std::size_t i = 1; !model.TeamNameList[i].empty(); ++i) entries.push_back(model.TeamNameList[i]);
    ASSERT_EQ(entries.size(), 3u);
    dialogs.Answer(MsgAnswer::Yes);
    WriteTeamNames(model, dialogs, entries, {{0, "Iowa State"}});
    EXPECT_EQ(folder.Read(kTeamListFileName), CrLf({kStartMarker, "Duke", "Iowa State", "Kansas", kEndMarker}));
}

TEST_F(TeamListWrite, LeavesOutWhatTheReaderWouldRefuseSoTheListReadsBack) {
    dialogs.Answer(MsgAnswer::Yes);
    const std::string tooLong(kMaxTeamNameLength + 1, 'x');
    WriteTeamNames(model, dialogs, {"", "Duke", tooLong}, {});
    EXPECT_EQ(folder.Read(kTeamListFileName), CrLf({kStartMarker, "Duke", kEndMarker}));
    EXPECT_TRUE(ReadTeamNames(model, dialogs));
}

TEST_F(TeamListWrite, ReplacesTheListUnderItsExistingName) {
    folder.Write("NcaaList.bkt", "old");
    dialogs.Answer(MsgAnswer::Yes);
    WriteTeamNames(model, dialogs, {"Duke"}, {});
    EXPECT_FALSE(folder.Exists(kTeamListFileName));
    EXPECT_EQ(folder.Read("NcaaList.bkt"), CrLf({kStartMarker, "Duke", kEndMarker}));
}

}  // namespace
}  // namespace brackwell
