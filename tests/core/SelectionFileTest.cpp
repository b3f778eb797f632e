#include <gtest/gtest.h>

#include <filesystem>

#include "core/LineFile.h"
#include "core/SelectionFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::ScriptedDialogs;
using testing::TempFolder;

// count lines "S1", "S2", ..., with the given line in place of line markerAt (when not 0).
std::string NumberedSelection(int count, int markerAt = 0, const std::string& marker = kEndMarker) {
    std::vector<std::string> lines;
    for (int n = 1; n <= count; ++n) lines.push_back(n == markerAt ? marker : "S" + std::to_string(n));
    return JoinLines(lines);
}

class SelectionRead : public ::testing::Test {
protected:
    SelectionRead() : model(folder.path()), path(folder.File("Smith_TM.BKS")) { model.SelLines.fill("old"); }

    // Reads path, expecting the reader's one error message.
    void ReadExpectingTheError() {
        ScriptedDialogs dialogs;
        dialogs.AllowMessages();
        EXPECT_FALSE(ReadSelections(model, dialogs, path));
        ASSERT_EQ(dialogs.messages().size(), 1u);
        const testing::DialogCall message = dialogs.messages()[0];
        EXPECT_EQ(message.title, "** ERROR IN OPENING FILE - ReadSelections Routine **");
        EXPECT_EQ(message.text, "There is a problem opening: " + path +
                                    "\r\n\r\n The program will attempt to continue ......");
        EXPECT_EQ(message.buttons, MsgButtons::OK);
    }

    TempFolder folder;
    modBrackwell model;
    std::string path;
};

TEST_F(SelectionRead, A131LineFileWithItsMarkerLoadsLineNIntoEntryN) {
    folder.Write("Smith_TM.BKS", NumberedSelection(131, 131));
    ScriptedDialogs dialogs;
    EXPECT_TRUE(ReadSelections(model, dialogs, path));
    EXPECT_EQ(model.SelLines[0], "");
    EXPECT_EQ(model.SelLines[1], "S1");
    EXPECT_EQ(model.SelLines[kFinalPointsLine], "S130");
    EXPECT_EQ(model.SelLines[kSelectionEndLine], kEndMarker);
}

TEST_F(SelectionRead, TheMarkerMustBeLine131AndTheLinesReadStayLoaded) {
    folder.Write("Smith_TM.BKS", NumberedSelection(130, 130));
    ReadExpectingTheError();
    EXPECT_EQ(model.SelLines[129], "S129");
    EXPECT_EQ(model.SelLines[130], kEndMarker);
    EXPECT_EQ(model.SelLines[131], "");

    folder.Write("Smith_TM.BKS", NumberedSelection(131, 131, "*END* "));
    ReadExpectingTheError();
    EXPECT_EQ(model.SelLines[131], "*END* ");
}

TEST_F(SelectionRead, A132ndLineIsAnErrorAndLines1To131StayLoaded) {
    for (int count : {132, 500}) {
        folder.Write("Smith_TM.BKS", NumberedSelection(count, 131));
        ReadExpectingTheError();
        EXPECT_EQ(model.SelLines[1], "S1");
        EXPECT_EQ(model.SelLines[131], kEndMarker);
    }
    // An empty 132nd line counts too.
    folder.Write("Smith_TM.BKS", NumberedSelection(131, 131) + "\r\n");
    ReadExpectingTheError();
}

TEST_F(SelectionRead, AMissingFileEmptiesEveryEntry) {
    ReadExpectingTheError();
    for (const std::string& line : model.SelLines) EXPECT_EQ(line, "");
}

TEST_F(SelectionRead, TheNameMatchesInAnyCaseAndLfLineEndsAreTaken) {
    folder.Write("smith_tm.bks", "S1\n" + NumberedSelection(131, 131).substr(4));
    ScriptedDialogs dialogs;
    EXPECT_TRUE(ReadSelections(model, dialogs, folder.File("SMITH_TM.BKS")));
    EXPECT_EQ(model.SelLines[1], "S1");
    EXPECT_EQ(model.SelLines[2], "S2");
}

TEST(SelectionWrite, WritesLines1To130AndTheMarkerWithCrLf) {
    TempFolder folder;
    modBrackwell model(folder.path());
    for (int i = 0; i <= kSelectionEndLine; ++i) model.SelLines[i] = "S" + std::to_string(i);
    model.SelLines[kInitialsLine] = "tm";
    ScriptedDialogs dialogs;
    const std::string path = folder.File(SelectionFileName("Smith", "TM"));
    ASSERT_TRUE(WriteSelections(model, dialogs, path));
    EXPECT_EQ(folder.Read("Smith_TM.BKS"), [] {
        std::vector<std::string> lines;
        for (int n = 1; n <= 130; ++n) lines.push_back(n == 128 ? "tm" : "S" + std::to_string(n));
        lines.push_back(kEndMarker);
        return JoinLines(lines);
    }());
}

TEST(SelectionWrite, ReplacesTheFileUnderItsExistingName) {
    TempFolder folder;
    folder.Write("smith_tm.bks", "old");
    modBrackwell model(folder.path());
    model.SelLines[1] = "Duke";
    ScriptedDialogs dialogs;
    ASSERT_TRUE(WriteSelections(model, dialogs, folder.File("Smith_TM.BKS")));
    EXPECT_FALSE(folder.Exists("Smith_TM.BKS"));
    EXPECT_EQ(folder.Read("smith_tm.bks").substr(0, 6), "Duke\r\n");

    model.SelLines.fill("");
    ASSERT_TRUE(ReadSelections(model, dialogs, folder.File("SMITH_TM.BKS")));
    EXPECT_EQ(model.SelLines[1], "Duke");
}

TEST(SelectionWrite, AFolderInThePlaceOfTheFileIsReportedAndKept) {
    TempFolder folder;
    const std::string path = folder.File("Smith_TM.BKS");
    std::filesystem::create_directory(path);
    modBrackwell model(folder.path());
    ScriptedDialogs dialogs;
    dialogs.AllowMessages();
    EXPECT_FALSE(WriteSelections(model, dialogs, path));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "** ERROR IN WRITING FILE **");
    EXPECT_EQ(dialogs.messages()[0].text,
              "There is a problem writing file: " + path + "\r\n Check your selection and retry.");
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(SelectionFileName, IsNameUnderscoreInitialsBks) {
    EXPECT_EQ(SelectionFileName("Smith", "TM"), "Smith_TM.BKS");
    EXPECT_EQ(kResultsFileName, std::string("BRACKWELL.BKT"));
}

}  // namespace
}  // namespace brackwell
