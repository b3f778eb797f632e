#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/RosterFile.h"
#include "participants/rules/MailSelections.h"
#include "tests/participants/RosterText.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::kJones;
using testing::kLee;
using testing::kSmith;
using testing::Roster;
using testing::ScriptedDialogs;
using testing::TempFolder;

struct MailRules : ::testing::Test, testing::RosterFolder {};

TEST_F(MailRules, EntriesPadEveryNameToTheLongestAndShowTheAddress) {
    const RosterRecord longName{"Abercrombie-Smythe, J", "Abercrombie_J.BKS", "js@example.com", ""};
    folder.Write(kRosterFileName, Roster({kSmith, longName, kLee}));
    model.MailHandOver.Subject = "old";
    model.MailHandOver.Message = "old";
    const MailRoster roster = OpenMailRoster(model, dialogs, false);
    EXPECT_EQ(roster.entries, (std::vector<std::string>{"Smith, TM              (tsmith@example.com)",
                                                         "Abercrombie-Smythe, J  (js@example.com)",
                                                         "Lee, K                 ()"}));
    EXPECT_EQ(roster.addresses, (std::vector<std::string>{"tsmith@example.com", "js@example.com", ""}));
    EXPECT_TRUE(roster.sendTo.empty());
    EXPECT_EQ(model.MailHandOver.Subject, "");
    EXPECT_EQ(model.MailHandOver.Message, "");
}

TEST_F(MailRules, EmailAllPreselectsEveryAddressAndTellsOnceOfTheMissingOnes) {
    const RosterRecord noMail{"Ng, P", "Ng_P.BKS", "", ""};
    folder.Write(kRosterFileName, Roster({kSmith, kLee, kJones, noMail}));
    dialogs.Answer(MsgAnswer::OK);
    const MailRoster roster = OpenMailRoster(model, dialogs, true);
    EXPECT_EQ(roster.sendTo, (std::vector<std::string>{"tsmith@example.com", "ab@example.com"}));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text,
              "You have selected the \"EMail All\" option and there\r\nis at least one player name without an EMail "
              "address.\r\n\r\nPrint a Player Listing to locate the missing EMail address.");
    EXPECT_EQ(dialogs.messages()[0].title, "Brackwell - frmPoolEmail, Form_Load");
}

TEST_F(MailRules, AFaultyRosterLeavesTheListsEmptyAfterItsMessage) {
    folder.Write(kRosterFileName, Roster({kSmith}) + "not a record\r\n");
    dialogs.AllowMessages();
    const MailRoster roster = OpenMailRoster(model, dialogs, true);
    EXPECT_TRUE(roster.entries.empty());
    EXPECT_TRUE(roster.sendTo.empty());
    const auto messages = dialogs.messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().text, "Problems found with PLAYERNAMES.CSV file\r\nThis condition must be corrected, See Help content");
    EXPECT_EQ(messages.back().title, "Brackwell - frmPoolEmail, Form_Load");
}

TEST_F(MailRules, TheChosenEntrysAddressOrTheMessageThatItHasNone) {
    MailRoster roster;
    roster.addresses = {"a@example.com", ""};
    EXPECT_EQ(ChosenRosterAddress(roster, 0, dialogs), std::optional<std::string>("a@example.com"));
    EXPECT_EQ(ChosenRosterAddress(roster, -1, dialogs), std::nullopt);
    dialogs.Answer(MsgAnswer::OK);
    EXPECT_EQ(ChosenRosterAddress(roster, 1, dialogs), std::nullopt);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, kMailNoAddressMessage);
    EXPECT_EQ(dialogs.messages()[0].title, "Brackwell - frmPoolEMail, Form_KeyPress");
}

TEST_F(MailRules, SendFillsTheHandOverOrAsksWhenNobodyIsAddressed) {
    EXPECT_TRUE(SendMailSelections(model, dialogs, {"a@example.com", "b@example.com"}, "Subject", "Body"));
    EXPECT_EQ(model.MailHandOver.Recipients, (std::vector<std::string>{"a@example.com", "b@example.com"}));
    EXPECT_EQ(model.MailHandOver.RecipientUpperBound, 1);
    EXPECT_EQ(model.MailHandOver.Subject, "Subject");
    EXPECT_EQ(model.MailHandOver.Message, "Body");

    dialogs.Answer(MsgAnswer::Cancel).Answer(MsgAnswer::OK);
    EXPECT_FALSE(SendMailSelections(model, dialogs, {}, "Second", "Try"));
    EXPECT_EQ(model.MailHandOver.Subject, "Subject");
    EXPECT_TRUE(SendMailSelections(model, dialogs, {}, "Second", "Try"));
    EXPECT_EQ(model.MailHandOver.RecipientUpperBound, -1);
    EXPECT_EQ(model.MailHandOver.Subject, "Second");
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[0].buttons, MsgButtons::OKCancel);
    EXPECT_EQ(dialogs.messages()[0].title, "Brackwell - PoolEMail, cmdSend_Click");
    EXPECT_EQ(dialogs.messages()[0].text,
              "No \"SendTo\" names were defined, You can cancel\r\nand complete these entries or if you continue, "
              "your\r\nmail system will prompt you with another opportunity to complete these.");
}

}  // namespace
}  // namespace brackwell
