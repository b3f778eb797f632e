#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "reports/rules/ReportOutput.h"
#include "tests/support/PlatformDoubles.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::CrLf;
using testing::DialogKind;
using testing::TempFolder;
using testing::TestPlatform;

struct OutputFixture : ::testing::Test {
    TempFolder folder;
    modBrackwell model{folder.path()};
    TestPlatform test;

    bool Print(const std::string& key, bool useDefaultPrinter = true) {
        return WriteOutputRoutine(model, test.printer, test.dialogs, key, {OutputTarget::Printer, useDefaultPrinter});
    }
};

TEST_F(OutputFixture, CentresTheLongestLineWhenThePageHasRoomAndOtherwiseKeepsTheOrigin) {
    struct Case {
        std::string key;
        int longestLine;  // characters before trailing blanks
        int pageWidth;
        int expectedShift;
    };
    const std::vector<Case> cases{
        // Portrait 12240: (12240 - 720 - 80 * 120) / 2 = 960.
        {"ResultsByPlayer", 80, 12240, 960},
        // Halves go to the even neighbour: (12241 - 720 - 9600) / 2 = 960.5.
        {"ResultsByPlayer", 80, 12241, 960},
        {"ResultsByPlayer", 80, 12243, 962},
        // Landscape reports measure the long side.
        {"TournamentStandings", 100, 15840, 1560},
        // Exactly full, and wider than the page: no margin.
        {"ResultsByPlayer", 96, 12240, 0},
        {"ResultsByPlayer", 120, 12240, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key + " " + std::to_string(c.longestLine) + " " + std::to_string(c.pageWidth));
        test.printer.pageWidthTwips = c.pageWidth;
        test.printer.pageHeightTwips = c.pageWidth;
        test.printer.originXTwips = 500;  // left over from an earlier printout
        folder.Write("TEMPPRT.TXT", CrLf({"short", std::string(c.longestLine, 'x') + "      ", "end"}));
        ASSERT_TRUE(Print(c.key));
        ASSERT_FALSE(test.printer.documents.empty());
        EXPECT_EQ(test.printer.documents.back().originXTwips, c.expectedShift);
        EXPECT_EQ(test.printer.documents.back().originYTwips, 0);
    }
}

TEST_F(OutputFixture, OnlyAFormFeedAloneStartsANewPageAndControlBytesPrintAsBlanks) {
    folder.Write("TEMPPRT.TXT", CrLf({" ", "  Title  ", "\f", "page two", "\fkept text\x1b", "\f", "page three  "}));
    ASSERT_TRUE(Print("PlayerListing"));
    ASSERT_EQ(test.printer.documents.size(), 1u);
    const auto& pages = test.printer.documents[0].pages;
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], (std::vector<std::string>{" ", "  Title  "}));
    EXPECT_EQ(pages[1], (std::vector<std::string>{"page two", " kept text "}));
    EXPECT_EQ(pages[2], (std::vector<std::string>{"page three  "}));
    EXPECT_EQ(test.printer.documents[0].font.name, "Courier New");
}

TEST_F(OutputFixture, EachReportPrintsInItsOwnOrientation) {
    folder.Write("TEMPPRT.TXT", CrLf({"line"}));
    const std::vector<std::pair<std::string, Orientation>> expected{
        {"TournamentStandings", Orientation::Landscape}, {"PlayerListing", Orientation::Landscape},
        {"TeamSelectionSummary", Orientation::Portrait}, {"TeamSelectionDetail", Orientation::Portrait},
        {"PlayerSelectionDetail", Orientation::Landscape}, {"ResultsByPlayer", Orientation::Portrait},
        {"ResultsByTeam", Orientation::Portrait}};
    for (const auto& [key, orientation] : expected) {
        ASSERT_TRUE(Print(key));
        EXPECT_EQ(test.printer.documents.back().orientation, orientation) << key;
    }
    EXPECT_EQ(test.printer.documents.size(), expected.size());
}

TEST_F(OutputFixture, WithoutTheDefaultPrinterThePrintDialogComesFirstAndCancelSkipsQuietly) {
    folder.Write("TEMPPRT.TXT", CrLf({"line"}));
    test.dialogs.ConfirmPrint(true).ConfirmPrint(false);
    EXPECT_TRUE(Print("TournamentStandings", false));
    EXPECT_TRUE(Print("PlayerListing", false));
    EXPECT_EQ(test.printer.documents.size(), 1u);
    ASSERT_EQ(test.dialogs.calls().size(), 2u);
    EXPECT_EQ(test.dialogs.calls()[0].kind, DialogKind::Print);
    EXPECT_EQ(test.dialogs.calls()[1].kind, DialogKind::Print);
}

TEST_F(OutputFixture, AMissingWorkFileGivesThePrinterMessage) {
    test.dialogs.AllowMessages();
    EXPECT_FALSE(Print("TournamentStandings"));
    const auto messages = test.dialogs.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "File not found\r\nError in attempting to print to the printer\r\nCheck you printer for proper attachment");
    EXPECT_EQ(messages[0].title, "Brackwell - frmPoolReports, Write Output Routine");
    EXPECT_EQ(messages[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(test.printer.documents.empty());
}

TEST_F(OutputFixture, APdfFilePrintoutGoesToTheFileChosenForItWithoutThePrintDialog) {
    folder.Write("TEMPPRT.TXT", CrLf({"line"}));
    test.dialogs.ChooseFile(folder.File("standings.pdf")).ChooseFile(std::nullopt);
    const OutputSettings toPdf{OutputTarget::PdfFile, false};
    ASSERT_TRUE(WriteOutputRoutine(model, test.printer, test.dialogs, "TournamentStandings", toPdf));
    // Cancelled: skipped quietly, as a cancelled print dialog.
    ASSERT_TRUE(WriteOutputRoutine(model, test.printer, test.dialogs, "PlayerListing", toPdf));
    ASSERT_EQ(test.dialogs.calls().size(), 2u);
    EXPECT_EQ(test.dialogs.calls()[0].defaultText, folder.File("TournamentStandings.pdf"));
    ASSERT_EQ(test.printer.documents.size(), 1u);
    EXPECT_EQ(test.printer.documents[0].pdfFile, folder.File("standings.pdf"));

    // A font dialog cancelled after the file was chosen leaves no file waiting for later.
    test.printer.fontNames = {"Arial"};
    test.dialogs.ChooseFile(folder.File("none.pdf")).Answer(MsgAnswer::OK).ChooseFont(std::nullopt);
    ASSERT_TRUE(WriteOutputRoutine(model, test.printer, test.dialogs, "PlayerListing", toPdf));
    EXPECT_EQ(test.printer.nextPdf, "");
}

// The printer's advice, added to the printer's failures, is no help with a file.
TEST_F(OutputFixture, AFailedPdfFilePrintoutSaysWhatFailedAndNoMore) {
    folder.Write("TEMPPRT.TXT", CrLf({"line"}));
    test.dialogs.AllowMessages().ChooseFile(folder.File("r.pdf"));
    test.printer.failNextDocument = "The PDF file could not be written.";
    EXPECT_FALSE(WriteOutputRoutine(model, test.printer, test.dialogs, "ResultsByPlayer", {OutputTarget::PdfFile, true}));
    ASSERT_EQ(test.dialogs.messages().size(), 1u);
    EXPECT_EQ(test.dialogs.messages()[0].text, "The PDF file could not be written.");
}

TEST_F(OutputFixture, TheFileBranchReplacesTheReportFileWithAByteCopy) {
    const std::string bytes = std::string(" \r\n  Pool \x93Title\x94\r\n\f\r\ntrailing   \r\nno break at end");
    folder.Write("TEMPPRT.TXT", bytes);
    folder.Write("rptopt3.txt", "an older, longer report that must not survive");
    ASSERT_TRUE(WriteOutputRoutine(model, test.printer, test.dialogs, "TeamSelectionSummary", {OutputTarget::ReportFile, true}));
    EXPECT_EQ(folder.Read("RPTOPT3.TXT"), bytes);
    EXPECT_FALSE(folder.Exists("rptopt3.txt"));

    EXPECT_TRUE(WriteOutputRoutine(model, test.printer, test.dialogs, "NoSuchReport", {OutputTarget::ReportFile, true}));
    EXPECT_TRUE(WriteOutputRoutine(model, test.printer, test.dialogs, "ResultsByTeam", {OutputTarget::ReportFile, true}));
    EXPECT_EQ(folder.Read("RPTOPT7.TXT"), bytes);
    EXPECT_TRUE(test.printer.documents.empty());
}

TEST_F(OutputFixture, TheFileBranchReportsAMissingWorkFileAndLeavesNoReportFile) {
    test.dialogs.AllowMessages();
    EXPECT_FALSE(WriteOutputRoutine(model, test.printer, test.dialogs, "PlayerListing", {OutputTarget::ReportFile, true}));
    ASSERT_EQ(test.dialogs.messages().size(), 1u);
    EXPECT_EQ(test.dialogs.messages()[0].text, "The report work file TEMPPRT.TXT could not be read");
    EXPECT_EQ(test.dialogs.messages()[0].title, "Brackwell - frmPoolReports, Write Output Routine");
    EXPECT_FALSE(folder.Exists("RPTOPT2.TXT"));
}

}  // namespace
}  // namespace brackwell
