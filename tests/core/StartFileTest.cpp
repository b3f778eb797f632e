#include <gtest/gtest.h>

#include <array>

#include "core/StartFile.h"
#include "core/TextHelpers.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::CrLf;
using testing::ScriptedDialogs;
using testing::TempFolder;

// "*START*", then count lines "L0", "L1", ..., then last (when not empty).
std::string NumberedStartFile(int count, std::string_view last = kEndMarker) {
    std::string bytes = CrLf({kStartMarker});
    for (int i = 0; i < count; ++i) bytes += "L" + std::to_string(i) + "\r\n";
    if (!last.empty()) bytes += std::string(last) + "\r\n";
    return bytes;
}

class StartFileRead : public ::testing::Test {
protected:
    StartFileRead() : model(folder.path()) { model.StartLines.fill("old"); }

    void ExpectDefaults() const {
        const StartLinesArray defaults = DefaultStartLines();
        for (int i = 0; i <= kStartEndLine; ++i) EXPECT_EQ(model.StartLines[i], defaults[i]) << i;
        EXPECT_EQ(model.TournamentTitle, "2002 NCAA Tournament");
    }

    TempFolder folder;
    modBrackwell model;
    ScriptedDialogs dialogs;
};

TEST_F(StartFileRead, AMissingFileGivesTheDefaultsSilently) {
    ReadStartFile(model, dialogs);
    EXPECT_TRUE(dialogs.calls().empty());
    ExpectDefaults();
}

TEST_F(StartFileRead, AFramedFileLoadsAndSetsTheTitle) {
    StartLinesArray lines = DefaultStartLines();
    lines[0] = "Duke";
    lines[kTitleLine] = "2000 NCAA Tournament";
    lines[kComment1Line] = "first|second";
    lines[kFinalizedLine] = "1";
    folder.Write(kStartFileName, StartFileContents(lines));
    ReadStartFile(model, dialogs);
    EXPECT_TRUE(dialogs.calls().empty());
    for (int i = 0; i <= kStartEndLine; ++i) EXPECT_EQ(model.StartLines[i], lines[i]) << i;
    EXPECT_EQ(model.TournamentTitle, "2000 NCAA Tournament");
    EXPECT_EQ(BarsToLineBreaks(model.StartLines[kComment1Line]), "first\r\nsecond");
    EXPECT_EQ(model.StartLines[95], "old");
}

TEST_F(StartFileRead, AFinalizedFieldsPointsOutOfRangeGiveTheMessageAndTheirDefaults) {
    StartLinesArray lines = DefaultStartLines();
    lines[0] = "Duke";
    const std::array<const char*, 6> typed{"-4", "0", "1.5", "99", "100", "32767"};
    for (int round = 0; round < 6; ++round) lines[kFirstPointsLine + round] = typed[round];
    for (const bool finalized : {true, false}) {
        SCOPED_TRACE(finalized ? "finalized" : "being set up");
        lines[kFinalizedLine] = finalized ? "1" : "0";
        folder.Write(kStartFileName, StartFileContents(lines));
        dialogs.ClearCalls();
        if (finalized) dialogs.Answer(MsgAnswer::OK);
        std::string replaced;
        EXPECT_EQ(ReadStartFileOutcome(model, dialogs, &replaced),
                  finalized ? brackwell::StartFileRead::BadPoints : brackwell::StartFileRead::Loaded);
        EXPECT_EQ(dialogs.messages().size(), finalized ? 1u : 0u);
        if (finalized) {
            EXPECT_EQ(dialogs.messages()[0].text, "Problem with file, will use default values");
        }
        EXPECT_EQ(replaced, finalized ? "round 1 \"-4\", round 2 \"0\", round 5 \"100\", round 6 \"32767\"" : "");
        const std::array<const char*, 6> kept{"1", "2", "1.5", "99", "12", "16"};
        for (int round = 0; round < 6; ++round)
            EXPECT_EQ(model.StartLines[kFirstPointsLine + round], finalized ? kept[round] : typed[round]) << round;
        EXPECT_EQ(model.StartLines[0], "Duke") << "the rest of the field stays";
    }
}

TEST_F(StartFileRead, AShortFramedFileKeepsTheEntriesPastItsEnd) {
    folder.Write(kStartFileName, CrLf({kStartMarker, "Duke", "Kansas", kEndMarker}));
    ReadStartFile(model, dialogs);
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(model.StartLines[0], "Duke");
    EXPECT_EQ(model.StartLines[1], "Kansas");
    EXPECT_EQ(model.StartLines[2], kEndMarker);
    EXPECT_EQ(model.StartLines[3], "old");
    EXPECT_EQ(model.StartLines[kTitleLine], "old");
    EXPECT_EQ(model.TournamentTitle, "old");
}

TEST_F(StartFileRead, LineEndsMayBeLfAloneAndTheNameAnyCase) {
    folder.Write("poolstart.bkt", "*START*\nDuke\n*END*");
    ReadStartFile(model, dialogs);
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(model.StartLines[0], "Duke");
    EXPECT_EQ(model.StartLines[1], kEndMarker);
}

TEST_F(StartFileRead, AnUnframedFileGivesTheMessageAndTheDefaults) {
    const StartLinesArray valid = DefaultStartLines();
    const std::string good = StartFileContents(valid);
    const std::string cases[] = {
        good.substr(good.find("\r\n") + 2),                 // no start line, the rest valid
        good.substr(0, good.size() - 7),                    // no end line
        "*start*\r\n" + good.substr(good.find("\r\n") + 2),  // the marker is exact
        NumberedStartFile(94, "*END* "),
        NumberedStartFile(0, ""),                           // only "*START*"
        CrLf({""}),
        "TEAM1\r\n" + NumberedStartFile(200),              // too long, but unframed first
    };
    for (const std::string& bytes : cases) {
        folder.Write(kStartFileName, bytes);
        model.StartLines.fill("old");
        ScriptedDialogs messages;
        messages.AllowMessages();
        ReadStartFile(model, messages);
        ASSERT_EQ(messages.messages().size(), 1u) << bytes.substr(0, 40);
        EXPECT_EQ(messages.messages()[0].text, "Problem with file, will use default values");
        EXPECT_EQ(messages.messages()[0].title, kAppTitle);
        EXPECT_EQ(messages.messages()[0].buttons, MsgButtons::OK);
        ExpectDefaults();
    }
}

TEST_F(StartFileRead, UpTo101LinesAfterTheStartLoadAndOneMoreGivesTheDefaultsSilently) {
    folder.Write(kStartFileName, NumberedStartFile(100));
    ReadStartFile(model, dialogs);
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(model.StartLines[99], "L99");
    EXPECT_EQ(model.StartLines[100], kEndMarker);

    folder.Write(kStartFileName, NumberedStartFile(101));
    ReadStartFile(model, dialogs);
    EXPECT_TRUE(dialogs.calls().empty());
    ExpectDefaults();
}

TEST(StartFileWrite, TheDefaultFieldIsTheGoldenFile) {
    const std::string golden = testing::ReadBytes(BRACKWELL_TEST_DATA "/default_start_file/POOLSTART.BKT");
    std::size_t lineEnds = 0;
    for (std::size_t at = golden.find("\r\n"); at != std::string::npos; at = golden.find("\r\n", at + 2)) ++lineEnds;
    ASSERT_EQ(lineEnds, 96u);
    EXPECT_EQ(StartFileContents(DefaultStartLines()), golden);

    TempFolder folder;
    modBrackwell model(folder.path());
    ScriptedDialogs dialogs;
    ASSERT_TRUE(WriteStartFile(model, dialogs, DefaultStartLines()));
    EXPECT_EQ(folder.Read(kStartFileName), golden);
}

TEST(StartFileWrite, WritesEntries0To93FramedAndReplacesTheExistingName) {
    TempFolder folder;
    folder.Write("PoolStart.bkt", "old");
    modBrackwell model(folder.path());
    ScriptedDialogs dialogs;
    StartLinesArray lines = DefaultStartLines();
    lines[kStartEndLine] = "not written";
    lines[95] = "not written either";
    ASSERT_TRUE(WriteStartFile(model, dialogs, lines));
    EXPECT_FALSE(folder.Exists(kStartFileName));
    const std::string written = folder.Read("PoolStart.bkt");
    EXPECT_EQ(written, StartFileContents(DefaultStartLines()));
    EXPECT_EQ(written.find("not written"), std::string::npos);
}

}  // namespace
}  // namespace brackwell
