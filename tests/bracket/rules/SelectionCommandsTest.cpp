#include "bracket/rules/SelectionCommands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/SelectionFile.h"
#include "core/Settings.h"
#include "tests/support/SampleBrackets.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::ScriptedDialogs;
using testing::TempFolder;

constexpr const char* kRequired = "Required fields are BLANK or invalid";
constexpr const char* kTotalRefused =
    "Final Game - you must enter a valid prediction (between 50 & 250) for the total score of this game";

TEST(SaveChecks, RefuseInTheirOrderWithTheirMessages) {
    struct Row {
        const char* finalized;
        const char* initials;
        const char* name;
        const char* total;
        bool results;
        const char* title;  // nullptr: accepted
        const char* text;
    };
    const Row rows[] = {
        {"0", "", "", "", false, "INVALID REQUEST TO SAVE FILE",
         "The SETUP OPTION must be completed and FINALIZED before a Pool Selection can be saved!"},
        {"1", "", "", "", false, kRequired, "Player Initails field is BLANK, this MUST be corrected!"},
        {"1", " TM", "Smith", "145", false, kRequired, "Player Initails field is BLANK, this MUST be corrected!"},
        {"1", "TM", " Smith", "145", false, kRequired, "Player Name field is BLANK, this MUST be corrected!"},
        {"1", "TM", "Smith", "49", false, kRequired, kTotalRefused},
        {"1", "TM", "Smith", "", false, kRequired, kTotalRefused},
        {"1", "TM", "Smith", "abc", false, kRequired, kTotalRefused},
        {"1", "TM", "Smith", "251", false, kRequired, kTotalRefused},
        {"1", "A", "FinalResults", "251", true, kRequired, kTotalRefused},
        {"1", "TM", "Smith", "50", false, nullptr, nullptr},
        {"1", "TM", "Smith", "250", false, nullptr, nullptr},
        {"1", "TM", "Smith", "145 pts", false, nullptr, nullptr},
        {"1", "A", "FinalResults", "49", true, nullptr, nullptr},
        {"1", "A", "FinalResults", "", true, nullptr, nullptr},
    };
    for (const Row& row : rows) {
        const auto refusal = CheckSaveRequest(row.finalized, row.initials, row.name, row.total, row.results);
        SCOPED_TRACE(::testing::Message() << row.initials << "/" << row.name << "/" << row.total);
        if (row.title == nullptr) {
            EXPECT_FALSE(refusal.has_value());
            continue;
        }
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->title, row.title);
        EXPECT_EQ(refusal->text, row.text);
    }
}

TEST(SaveBranches, FollowTheFileLastUsedTheNameChosenAndDemoMode) {
    EXPECT_EQ(ChooseSaveBranch("/f/A.BKS", "/f/A.BKS", false, true), SaveBranch::SameFile);
    EXPECT_EQ(ChooseSaveBranch("/f/A.BKS", "/f/A.BKS", true, true), SaveBranch::SameFile);
    EXPECT_EQ(ChooseSaveBranch("/f/A.BKS", "/f/a.bks", false, true), SaveBranch::OtherNameConfirm);
    EXPECT_EQ(ChooseSaveBranch("/f/A.BKS", "/f/B.BKS", true, false), SaveBranch::OtherNameRefused);
    EXPECT_EQ(ChooseSaveBranch("", "/f/B.BKS", false, false), SaveBranch::NewFile);
    EXPECT_EQ(ChooseSaveBranch("", "/f/B.BKS", false, true), SaveBranch::ReplaceConfirm);
    EXPECT_EQ(ChooseSaveBranch("", "/f/B.BKS", true, false), SaveBranch::NewFileRefused);
}

// A finalized pool in a fresh folder, with a filled-in bracket on a plain view.
struct Pool {
    TempFolder folder;
    modBrackwell model{folder.path()};
    PlainBracketView view;
    ScriptedDialogs dialogs;
    std::vector<modBrackwell::RosterHandOverValues> handedOver;
    Pool() {
        LoadDefaultStartLines(model.StartLines);
        model.SetupFinalized = "1";
        ShowStartingField(model, view);
        const SelLinesArray picks = testing::UpperTeamsWin();
        for (int p = 1; p <= kPositionCount; ++p) view.captions[p - 1] = picks[p];
        view.initials = "tm";
        view.name = "Smith";
        view.finalPoints = "145";
    }
    bool Save() {
        return SaveSelection(model, view, dialogs, [this] { handedOver.push_back(model.RosterHandOver); });
    }
    std::string Expected() const {
        return testing::SelectionFileBytes(testing::WithPlayer(testing::UpperTeamsWin(), "Smith", "TM", "145"));
    }
};

TEST(SaveSelection, ANewFileIsWrittenAndHandedToTheRosterToAdd) {
    Pool pool;
    pool.dialogs.ChooseFile(pool.folder.File("Smith_tm.BKS"));
    EXPECT_TRUE(pool.Save());
    ASSERT_EQ(pool.dialogs.calls().size(), 1u);
    EXPECT_EQ(pool.dialogs.calls()[0].kind, testing::DialogKind::SaveFile);
    EXPECT_EQ(pool.dialogs.calls()[0].text, "PoolSelections (*.BKS) | *.BKS");
    EXPECT_EQ(pool.dialogs.calls()[0].defaultText, pool.folder.File("Smith_tm"));
    EXPECT_EQ(pool.folder.Read("Smith_tm.BKS"), pool.Expected());  // initials stored upper-cased
    EXPECT_EQ(pool.model.CurrentSelectionFile, pool.folder.File("Smith_tm.BKS"));
    ASSERT_EQ(pool.handedOver.size(), 1u);
    EXPECT_EQ(pool.handedOver[0].Action, "A");
    EXPECT_EQ(pool.handedOver[0].Key, "Smith,TM");
    EXPECT_EQ(pool.handedOver[0].SelectionPath, pool.folder.File("Smith_tm.BKS"));
    EXPECT_TRUE(pool.handedOver[0].AddOnly);
    EXPECT_EQ(pool.model.RosterHandOver.Action, "");  // emptied once the editor is done
}

TEST(SaveSelection, TheSameFileAgainGoesStraightThroughAsAChange) {
    Pool pool;
    pool.model.CurrentSelectionFile = pool.folder.File("Smith_TM.BKS");
    pool.folder.Write("Smith_TM.BKS", "old");
    pool.dialogs.ChooseFile(pool.folder.File("Smith_TM.BKS"));
    EXPECT_TRUE(pool.Save());
    EXPECT_EQ(pool.folder.Read("Smith_TM.BKS"), pool.Expected());
    ASSERT_EQ(pool.handedOver.size(), 1u);
    EXPECT_EQ(pool.handedOver[0].Action, "C");
    EXPECT_FALSE(pool.handedOver[0].AddOnly);
}

// A name chosen without ".BKS" would never be scored, and re-saving an opened file under the
// proposed name would ask about a second file.
TEST(SaveSelection, ANameWithoutTheExtensionGetsIt) {
    for (const char* chosen : {"Smith_TM", "Smith_TM.BKS"}) {
        Pool pool;
        pool.model.CurrentSelectionFile = pool.folder.File("Smith_TM.BKS");
        pool.folder.Write("Smith_TM.BKS", "old");
        pool.dialogs.ChooseFile(pool.folder.File(chosen));
        EXPECT_TRUE(pool.Save()) << chosen;
        EXPECT_EQ(pool.dialogs.calls().size(), 1u) << chosen;  // no "IS THIS CORRECT?"
        EXPECT_EQ(pool.folder.Read("Smith_TM.BKS"), pool.Expected()) << chosen;
        EXPECT_FALSE(std::filesystem::exists(pool.folder.File("Smith_TM"))) << chosen;
        ASSERT_EQ(pool.handedOver.size(), 1u);
        EXPECT_EQ(pool.handedOver[0].Action, "C") << chosen;
    }
    EXPECT_EQ(WithSelectionExtension("/a.b/Smith"), "/a.b/Smith.BKS");
    EXPECT_EQ(WithSelectionExtension("/a/.BKS"), "/a/.BKS.BKS");
}

TEST(SaveSelection, AnotherNameIsAskedForAndNoWritesNothing) {
    for (MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        Pool pool;
        const std::string old = pool.folder.File("Smith_TM.BKS");
        const std::string other = pool.folder.File("Jones_TM.BKS");
        pool.model.CurrentSelectionFile = old;
        pool.dialogs.ChooseFile(other).Answer(answer);
        EXPECT_EQ(pool.Save(), answer == MsgAnswer::Yes);
        ASSERT_EQ(pool.dialogs.messages().size(), 1u);
        EXPECT_EQ(pool.dialogs.messages()[0].text, "You opened the file:    " + old +
                                                       "\r\nNow you are attempting to save this \r\n  file under the "
                                                       "name:    " +
                                                       other + "\r\n\r\nIS THIS CORRECT?");
        EXPECT_EQ(pool.dialogs.messages()[0].buttons, MsgButtons::YesNo);
        EXPECT_EQ(pool.folder.Exists("Jones_TM.BKS"), answer == MsgAnswer::Yes);
        EXPECT_EQ(pool.model.CurrentSelectionFile, answer == MsgAnswer::Yes ? other : old);
        EXPECT_EQ(pool.handedOver.size(), answer == MsgAnswer::Yes ? 1u : 0u);
        if (!pool.handedOver.empty()) {
            EXPECT_EQ(pool.handedOver[0].Action, "A");
        }
    }
}

TEST(SaveSelection, AnExistingFileIsReplacedOnlyWhenConfirmed) {
    for (MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        Pool pool;
        pool.folder.Write("Smith_TM.BKS", "theirs");
        pool.dialogs.ChooseFile(pool.folder.File("Smith_TM.BKS")).Answer(answer);
        EXPECT_EQ(pool.Save(), answer == MsgAnswer::Yes);
        ASSERT_EQ(pool.dialogs.messages().size(), 1u);
        EXPECT_EQ(pool.dialogs.messages()[0].text,
                  "Do you want to replace the existing file ?\r\n" + pool.folder.File("Smith_TM.BKS"));
        EXPECT_EQ(pool.folder.Read("Smith_TM.BKS"), answer == MsgAnswer::Yes ? pool.Expected() : "theirs");
        if (answer == MsgAnswer::Yes) {
            ASSERT_EQ(pool.handedOver.size(), 1u);
            EXPECT_EQ(pool.handedOver[0].Action, "O");
            EXPECT_TRUE(pool.handedOver[0].AddOnly);
        }
    }
}

TEST(SaveSelection, DemoModeRefusesNewNamesButNotTheSameFile) {
    struct Row {
        const char* current;
        const char* text;
    };
    const Row rows[] = {
        {"", "You are not allowed to save a New File \r\nwhen executing under DEMO Mode"},
        {"Hollis_RT.BKS", "You are not allowed to save a New File \r\nName when executing under DEMO Mode"},
    };
    for (const Row& row : rows) {
        Pool pool;
        pool.folder.Write(kSettingsFileName, "1\r\n");
        if (*row.current != '\0') pool.model.CurrentSelectionFile = pool.folder.File(row.current);
        pool.dialogs.ChooseFile(pool.folder.File("Smith_TM.BKS")).AllowMessages();
        EXPECT_FALSE(pool.Save());
        ASSERT_EQ(pool.dialogs.messages().size(), 1u);
        EXPECT_EQ(pool.dialogs.messages()[0].text, row.text);
        EXPECT_FALSE(pool.folder.Exists("Smith_TM.BKS"));
        EXPECT_TRUE(pool.handedOver.empty());
    }
    Pool same;
    same.folder.Write(kSettingsFileName, "1\r\n");
    same.model.CurrentSelectionFile = same.folder.File("Hollis_RT.BKS");
    same.dialogs.ChooseFile(same.folder.File("Hollis_RT.BKS"));
    EXPECT_TRUE(same.Save());
}

TEST(SaveSelection, ResultsGoToTheResultsFileWithoutADialog) {
    Pool pool;
    pool.model.ResultsMode = true;
    pool.view.initials = "A";
    pool.view.name = "FinalResults";
    pool.view.finalPoints = "";
    EXPECT_TRUE(pool.Save());
    EXPECT_TRUE(pool.dialogs.calls().empty());
    EXPECT_EQ(pool.folder.Read(kResultsFileName),
              testing::SelectionFileBytes(testing::WithPlayer(testing::UpperTeamsWin(), "FinalResults", "A", "")));
    EXPECT_TRUE(pool.handedOver.empty());
}

TEST(SaveSelection, RefusalsAndCancelLeaveEverythingAsItWas) {
    Pool refused;
    refused.view.finalPoints = "300";
    refused.dialogs.AllowMessages();
    EXPECT_FALSE(refused.Save());
    EXPECT_EQ(refused.dialogs.messages().size(), 1u);
    EXPECT_EQ(refused.dialogs.calls().size(), 1u);  // no save dialog after a refusal

    Pool cancelled;
    cancelled.dialogs.ChooseFile(std::nullopt);
    EXPECT_FALSE(cancelled.Save());
    EXPECT_TRUE(cancelled.dialogs.messages().empty());
    EXPECT_TRUE(cancelled.model.CurrentSelectionFile.empty());
}

TEST(SaveSelection, AFolderThatCannotBeWrittenIsReportedAndNothingHandedOn) {
    Pool pool;
    testing::MakeReadOnly(pool.folder.path());
    // The save runs in a child process; its dialogs and hand-overs are checked there.
    const bool refused = testing::RunWithoutFileOverride([&pool] {
        pool.dialogs.ChooseFile(pool.folder.File("Smith_TM.BKS")).AllowMessages();
        return !pool.Save() && pool.handedOver.empty() && pool.model.CurrentSelectionFile.empty() &&
               pool.dialogs.messages().size() == 1 &&
               pool.dialogs.messages()[0].title == "** ERROR IN WRITING FILE **";
    });
    testing::MakeWritable(pool.folder.path());
    EXPECT_TRUE(refused);
    EXPECT_FALSE(pool.folder.Exists("Smith_TM.BKS"));
}

TEST(OpenSelection, ASelectionFileIsShownAndBecomesTheFileLastUsed) {
    Pool pool;
    const SelLinesArray lines = testing::WithPlayer(testing::LowerTeamsWin(), "Jones", "KLM", "160");
    pool.folder.Write("Jones_KL.BKS", testing::SelectionFileBytes(lines));
    pool.model.ResultsMode = true;
    pool.model.MarksShown = true;
    pool.view.pointScore = "Points: 3 / 4";
    pool.view.fieldsLocked = true;
    pool.dialogs.ChooseFile(pool.folder.File("Jones_KL.BKS"));
    EXPECT_TRUE(OpenSelection(pool.model, pool.view, pool.dialogs));
    EXPECT_EQ(pool.dialogs.calls()[0].defaultText, pool.folder.File("Selections"));
    for (int p = 1; p <= kPositionCount; ++p) EXPECT_EQ(pool.view.captions[p - 1], lines[p]) << p;
    EXPECT_EQ(pool.view.initials, "KL");
    EXPECT_EQ(pool.view.name, "Jones");
    EXPECT_EQ(pool.view.finalPoints, "160");
    EXPECT_EQ(pool.model.CurrentSelectionFile, pool.folder.File("Jones_KL.BKS"));
    EXPECT_FALSE(pool.model.ResultsMode);
    EXPECT_FALSE(pool.model.MarksShown);
    EXPECT_EQ(pool.view.pointScore, "");
    EXPECT_FALSE(pool.view.fieldsLocked);
}

TEST(OpenSelection, AFileThatIsNotASelectionIsReportedAndTheBracketKept) {
    for (const std::string& bytes : {std::string("Name,FileName\r\n"), std::string("\0\1\2binary", 9),
                                    testing::SelectionFileBytes(testing::UpperTeamsWin()).substr(0, 500)}) {
        Pool pool;
        pool.folder.Write("PLAYERNAMES.CSV", bytes);
        const PlainBracketView before = pool.view;
        pool.dialogs.ChooseFile(pool.folder.File("PLAYERNAMES.CSV")).AllowMessages();
        EXPECT_FALSE(OpenSelection(pool.model, pool.view, pool.dialogs));
        ASSERT_EQ(pool.dialogs.messages().size(), 1u);
        EXPECT_EQ(pool.dialogs.messages()[0].title, "** ERROR IN OPENING FILE - ReadSelections Routine **");
        EXPECT_EQ(pool.view.captions, before.captions);
        EXPECT_EQ(pool.model.SelLines[1], before.captions[0]);
        EXPECT_TRUE(pool.model.CurrentSelectionFile.empty());
        EXPECT_EQ(pool.folder.Read("PLAYERNAMES.CSV"), bytes);
    }
}

}  // namespace
}  // namespace brackwell
