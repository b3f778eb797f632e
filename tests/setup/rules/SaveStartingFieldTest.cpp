#include "setup/rules/SaveStartingField.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/StartFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::DialogCall;
using testing::ScriptedDialogs;
using testing::TempFolder;
using Box = SetupFocus::Box;

const std::string kBlankText = "You have selected FINALIZE and there are blank fields , this MUST be corrected!";
const std::string kFinalizeQuestion =
    "ARE YOU FINISHED WITH ALL SETUP OPTIONS??\r\n"
    "You selected the \"Finalize Tournament\" option and then selected to save this SETUP File.\r\n\r\n"
    "If you complete this option, you will not be able to make any addtional Setup changes.\r\n"
    "THE SETUP FUNCTION FOR THE TOURNAMENT WILL BE CONSIDERED FINAL!\r\n\r\n"
    "If you ARE FINISHED with your setup, then this is fine.  Select OK and the file will be saved.\r\n\r\n"
    "Otherwise, select CANCEL and the \"Finalize Tournament\" option will be reset.";
const std::string kBuildFailureQuestion =
    "There was a problem in creating the QUILLON program,\r\ndo you want to continue?\r\n\r\n"
    "OK - Continue without this capability.  YOU WILL NOT BE\r\nABLE TO CREATE THIS FILE IN THE FUTURE IF YOU\r\n"
    "CONTINUE WITH THIS OPTION.\r\n\r\nCANCEL - Fix this problem before continuing.";

SetupField DefaultField(bool finalize) {
    SetupField field = SetupFieldFromStartLines(DefaultStartLines());
    if (finalize) field.finalizeTag = "1";
    return field;
}

struct CheckCase {
    const char* what;
    bool finalize;
    std::function<void(SetupField&)> edit;
    const char* title;  // nullptr: the boxes pass
    SetupFocus focus;
};

class SetupBoxChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(SetupBoxChecks, StopAtTheFirstFailingBoxInTheirOrder) {
    const CheckCase& c = GetParam();
    SetupField field = DefaultField(c.finalize);
    c.edit(field);
    const std::optional<SetupCheckFailure> failure = CheckSetupBoxes(field);
    if (c.title == nullptr) {
        EXPECT_FALSE(failure) << failure->title;
        return;
    }
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->title, c.title);
    EXPECT_EQ(failure->focus, c.focus);
    if (failure->title != "PAYOFF POINTS / ROUND are INVALID") EXPECT_EQ(failure->text, kBlankText);
    else EXPECT_EQ(failure->text, "You have selected FINALIZE and the PAYOFF POINTS / ROUND fields must be between 1 & 99!");
}

const char* const kTeamsBlank = "Initial TEAM FIELD NAMES are BLANK";
const char* const kInfoBlank = "TITLE or REGION TITLES are BLANK";
const char* const kPointsBad = "PAYOFF POINTS / ROUND are INVALID";

INSTANTIATE_TEST_SUITE_P(
    Save, SetupBoxChecks,
    ::testing::Values(
        CheckCase{"default field finalizes", true, [](SetupField&) {}, nullptr, {}},
        CheckCase{"blank teams and bad points pass without finalize", false,
                  [](SetupField& f) { f.teams[0] = ""; f.points[2] = "0"; }, nullptr, {}},
        CheckCase{"first blank team box", true, [](SetupField& f) { f.teams[0] = ""; f.teams[9] = ""; }, kTeamsBlank,
                  {Box::Team, 0}},
        CheckCase{"a leading blank is blank", true, [](SetupField& f) { f.teams[63] = " Duke"; }, kTeamsBlank,
                  {Box::Team, 63}},
        CheckCase{"teams before titles", true, [](SetupField& f) { f.teams[5] = ""; f.info[0] = ""; }, kTeamsBlank,
                  {Box::Team, 5}},
        CheckCase{"blank title without finalize", false, [](SetupField& f) { f.info[0] = ""; }, kInfoBlank,
                  {Box::Info, 0}},
        CheckCase{"blank region name", true, [](SetupField& f) { f.info[3] = " West"; }, kInfoBlank, {Box::Info, 3}},
        CheckCase{"titles before points", true, [](SetupField& f) { f.info[4] = ""; f.points[0] = "0"; }, kInfoBlank,
                  {Box::Info, 4}},
        CheckCase{"points 0", true, [](SetupField& f) { f.points[0] = "0"; }, kPointsBad, {Box::Points, 0}},
        CheckCase{"points 100", true, [](SetupField& f) { f.points[5] = "100"; }, kPointsBad, {Box::Points, 5}},
        CheckCase{"points not a number", true, [](SetupField& f) { f.points[3] = "x"; }, kPointsBad,
                  {Box::Points, 3}},
        CheckCase{"points 1 and 99 and a leading number pass", true,
                  [](SetupField& f) { f.points[0] = "1"; f.points[1] = "99"; f.points[2] = " 5pts"; }, nullptr, {}}),
    [](const ::testing::TestParamInfo<CheckCase>& info) {
        std::string name;
        for (const char* p = info.param.what; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

struct SaveFixture : ::testing::Test {
    TempFolder folder;
    modBrackwell model{folder.path()};
    ScriptedDialogs dialogs;
    int builds = 0;
    bool buildSucceeds = true;
    StartLinesArray built{};

    SaveOutcome Save(SetupField& field) {
        return SaveStartingField(model, dialogs, field, [this](const StartLinesArray& lines) {
            ++builds;
            built = lines;
            return buildSucceeds;
        });
    }
};

TEST_F(SaveFixture, APlainSaveWritesTheBoxesWithoutBuildingOrAsking) {
    SetupField field = DefaultField(false);
    field.teams[0] = "Texas A&M";
    field.comment1 = "Pay by\r\nFriday";
    EXPECT_EQ(Save(field).result, SaveResult::Saved);
    EXPECT_EQ(builds, 0);
    EXPECT_TRUE(dialogs.calls().empty());
    StartLinesArray expected = DefaultStartLines();
    expected[0] = "Texas A&M";
    expected[kComment1Line] = "Pay by|Friday";
    expected[kFinalizedLine] = "0";
    EXPECT_EQ(folder.Read(kStartFileName), StartFileContents(expected));
    EXPECT_EQ(model.StartLines[kComment1Line], "Pay by|Friday");
}

TEST_F(SaveFixture, AFailedCheckWritesNothingAndNamesTheBox) {
    SetupField field = DefaultField(true);
    field.points[1] = "100";
    dialogs.AllowMessages();
    const SaveOutcome outcome = Save(field);
    EXPECT_EQ(outcome.result, SaveResult::Stopped);
    EXPECT_EQ(outcome.focus, (SetupFocus{Box::Points, 1}));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "PAYOFF POINTS / ROUND are INVALID");
    EXPECT_EQ(dialogs.messages()[0].buttons, MsgButtons::OK);
    EXPECT_FALSE(folder.Exists(kStartFileName));
    EXPECT_EQ(field.finalizeTag, "1");
}

TEST_F(SaveFixture, FinalizingAsksThenBuildsFromTheLinesItWrites) {
    SetupField field = DefaultField(true);
    field.comment2 = "a\r\nb";
    dialogs.Answer(MsgAnswer::OK);
    EXPECT_EQ(Save(field).result, SaveResult::Finalized);
    ASSERT_EQ(dialogs.calls().size(), 1u);
    const DialogCall& ask = dialogs.calls()[0];
    EXPECT_EQ(ask.text, kFinalizeQuestion);
    EXPECT_EQ(ask.title, "Brackwell");
    EXPECT_EQ(ask.buttons, MsgButtons::OKCancel);
    EXPECT_EQ(builds, 1);
    EXPECT_EQ(built[kFinalizedLine], "1");
    EXPECT_EQ(folder.Read(kStartFileName), StartFileContents(built));
    EXPECT_EQ(built[kComment2Line], "a|b");
}

TEST_F(SaveFixture, CancellingTheConfirmationResetsTheRequest) {
    SetupField field = DefaultField(true);
    dialogs.Answer(MsgAnswer::Cancel);
    EXPECT_EQ(Save(field).result, SaveResult::Stopped);
    EXPECT_EQ(field.finalizeTag, "0");
    EXPECT_EQ(builds, 0);
    EXPECT_FALSE(folder.Exists(kStartFileName));
}

TEST_F(SaveFixture, DemoModeRefusesEverySaveAfterTheConfirmation) {
    folder.Write("BRACKWELL.INI", "1\r\n");
    for (bool finalize : {false, true}) {
        SetupField field = DefaultField(finalize);
        if (finalize) dialogs.Answer(MsgAnswer::OK);
        dialogs.AllowMessages();
        EXPECT_EQ(Save(field).result, SaveResult::Stopped);
        const DialogCall refusal = dialogs.calls().back();
        EXPECT_EQ(refusal.title, "DEMO MODE SAVE ATTEMPT");
        EXPECT_EQ(refusal.icon, MsgIcon::Exclamation);
        EXPECT_EQ(refusal.text,
                  "You are attempting to save the Setup information while\r\nyou are in DEMO Mode.  This is not "
                  "allowed!\r\n \r\nSee Help for information on DEMO MODE or select\r\nMenu: MENU Mode / DEMO-Reset "
                  "to exit DEMO MODE.");
        EXPECT_EQ(dialogs.calls().size(), finalize ? 2u : 1u);
        dialogs.ClearCalls();
    }
    EXPECT_EQ(builds, 0);
    EXPECT_FALSE(folder.Exists(kStartFileName));
}

TEST_F(SaveFixture, AFailedBuildAsksWhetherToGoOn) {
    buildSucceeds = false;
    for (MsgAnswer answer : {MsgAnswer::Cancel, MsgAnswer::OK}) {
        SetupField field = DefaultField(true);
        dialogs.Answer(MsgAnswer::OK).Answer(answer);
        const SaveResult result = Save(field).result;
        const DialogCall question = dialogs.calls().back();
        EXPECT_EQ(question.title, "FAILURE WITH QUILLON creation");
        EXPECT_EQ(question.text, kBuildFailureQuestion);
        EXPECT_EQ(question.buttons, MsgButtons::OKCancel);
        EXPECT_EQ(result, answer == MsgAnswer::OK ? SaveResult::Finalized : SaveResult::Stopped);
        EXPECT_EQ(folder.Exists(kStartFileName), answer == MsgAnswer::OK);
        dialogs.ClearCalls();
    }
}

TEST_F(SaveFixture, AStartFileThatCannotBeWrittenKeepsTheWindowOpen) {
    const bool stayed = testing::RunWithoutFileOverride([this] {
        testing::MakeReadOnly(folder.path());
        SetupField field = DefaultField(true);
        dialogs.Answer(MsgAnswer::OK).AllowMessages();
        const SaveResult result = Save(field).result;
        testing::MakeWritable(folder.path());
        return result == SaveResult::Stopped && dialogs.messages().back().title == "** ERROR IN WRITING FILE **";
    });
    EXPECT_TRUE(stayed);
}

TEST(SetupFieldLines, LoadedCommentsShowTheirLineBreaks) {
    StartLinesArray lines = DefaultStartLines();
    lines[kComment1Line] = "one|two";
    lines[kFinalizedLine] = "1";
    const SetupField field = SetupFieldFromStartLines(lines);
    EXPECT_EQ(field.comment1, "one\r\ntwo");
    EXPECT_EQ(field.seeds[0], " 1");
    EXPECT_EQ(field.finalizeTag, "0");  // a request is made afresh in every session
    EXPECT_EQ(StartLinesFromSetupField(field)[kComment1Line], "one|two");
}

}  // namespace
}  // namespace brackwell
