#include "setup/rules/TeamNameEdits.h"

#include <gtest/gtest.h>

#include "tests/support/ScriptedDialogs.h"

namespace brackwell {
namespace {

using testing::ScriptedDialogs;
using Names = std::vector<std::string>;

struct TeamNameEditsTest : ::testing::Test {
    modBrackwell model{"/nowhere"};
    ScriptedDialogs dialogs;
    Names entries{"Arizona", "Duke", "Kansas"};
};

TEST_F(TeamNameEditsTest, AddPutsTheNameInListOrder) {
    dialogs.Type("connecticut").Type("");
    EXPECT_EQ(AddTeamName(entries, model, dialogs), 1);
    EXPECT_EQ(entries, (Names{"Arizona", "connecticut", "Duke", "Kansas"}));
    EXPECT_TRUE(model.TeamNamesChanged);
    model.TeamNamesChanged = false;
    EXPECT_EQ(AddTeamName(entries, model, dialogs), std::nullopt);  // an empty answer adds nothing
    EXPECT_FALSE(model.TeamNamesChanged);
    EXPECT_EQ(dialogs.calls()[0].title, "Name Addition");
    EXPECT_EQ(dialogs.calls()[0].text,
              "You have chosen to add a name to the \r\nlist of NCAA teams.  Enter the new name \r\nand press enter.");
    EXPECT_EQ(dialogs.calls()[0].defaultText, "");
}

TEST_F(TeamNameEditsTest, ChangeOffersTheSelectedNameAndResorts) {
    dialogs.Type("Wake Forest");
    EXPECT_EQ(ChangeTeamName(entries, 0, model, dialogs), 2);
    EXPECT_EQ(entries, (Names{"Duke", "Kansas", "Wake Forest"}));
    EXPECT_TRUE(model.TeamNamesChanged);
    EXPECT_EQ(dialogs.calls()[0].title, "Team Name Changes");
    EXPECT_EQ(dialogs.calls()[0].defaultText, "Arizona");
    EXPECT_EQ(dialogs.calls()[0].text,
              "You have chosen to change a name in the \r\nlist of NCAA teams.  Enter your changes \r\nand press enter.");
}

TEST_F(TeamNameEditsTest, DeleteConfirmsWithTheName) {
    dialogs.Answer(MsgAnswer::Cancel).Answer(MsgAnswer::OK);
    EXPECT_FALSE(DeleteTeamName(entries, 1, model, dialogs));
    EXPECT_FALSE(model.TeamNamesChanged);
    EXPECT_TRUE(DeleteTeamName(entries, 1, model, dialogs));
    EXPECT_EQ(entries, (Names{"Arizona", "Kansas"}));
    EXPECT_TRUE(model.TeamNamesChanged);
    EXPECT_EQ(dialogs.calls()[0].title, "Team Name Delete");
    EXPECT_EQ(dialogs.calls()[0].buttons, MsgButtons::OKCancel);
    EXPECT_EQ(dialogs.calls()[0].text,
              "You have chosen to delete a name in the \r\nlist of NCAA teams.  Confirm that you want to \r\n"
              "delete the team: Duke");
}

TEST_F(TeamNameEditsTest, ChangeAndDeleteNeedASelectedName) {
    dialogs.AllowMessages();
    EXPECT_EQ(ChangeTeamName(entries, std::nullopt, model, dialogs), std::nullopt);
    EXPECT_FALSE(DeleteTeamName(entries, 3, model, dialogs));
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[0].text, "** You need to select one team to CHANGE **");
    EXPECT_EQ(dialogs.messages()[1].text, "** You need to select one team to DELETE **");
    EXPECT_EQ(entries.size(), 3u);
    EXPECT_FALSE(model.TeamNamesChanged);
}

TEST_F(TeamNameEditsTest, TypedNamesTheListLacksAreKeptOnePerBox) {
    std::vector<TypedTeamName> table;
    NoteTypedTeamName(table, 4, "Gonzaga", entries);
    NoteTypedTeamName(table, 9, "duke", entries);  // known, whatever the case
    NoteTypedTeamName(table, 4, "Gonzaga U", entries);
    NoteTypedTeamName(table, 7, "Xavier", entries);
    NoteTypedTeamName(table, 7, "", entries);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].slot, 4);
    EXPECT_EQ(table[0].name, "Gonzaga U");
}

}  // namespace
}  // namespace brackwell
