#include <gtest/gtest.h>

#include <unistd.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/PrintTarget.h"
#include "tests/support/PlatformDoubles.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::DialogKind;
using testing::ScriptedDialogs;
using testing::TempFolder;

TEST(UnusedPdfPath, KeepsEveryFileThatIsThereAndNumbersTheNextPrintout) {
    struct Case {
        std::string path;
        std::set<std::string> taken;
        std::string expected;
    };
    const std::vector<Case> cases{
        {"/pool/out.pdf", {}, "/pool/out.pdf"},
        {"/pool/out.pdf", {"/pool/out.pdf"}, "/pool/out-2.pdf"},
        {"/pool/out.pdf", {"/pool/out.pdf", "/pool/out-2.pdf"}, "/pool/out-3.pdf"},
        // A gap is filled; the extension keeps its case; a name without one gets it.
        {"/pool/out.pdf", {"/pool/out.pdf", "/pool/out-3.pdf"}, "/pool/out-2.pdf"},
        {"/pool/OUT.PDF", {"/pool/OUT.PDF"}, "/pool/OUT-2.PDF"},
        {"/pool/out", {"/pool/out"}, "/pool/out-2.pdf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path + " with " + std::to_string(c.taken.size()) + " taken");
        EXPECT_EQ(UnusedPdfPath(c.path, [&c](const std::string& path) { return c.taken.count(path) > 0; }),
                  c.expected);
    }
}

TEST(PathTaken, AnythingInThePlaceTakesTheNameADanglingLinkToo) {
    TempFolder folder;
    folder.Write("file.pdf", "x");
    ASSERT_EQ(symlink("nowhere", folder.File("link.pdf").c_str()), 0);
    EXPECT_TRUE(PathTaken(folder.File("file.pdf")));
    EXPECT_TRUE(PathTaken(folder.File("link.pdf")));
    EXPECT_FALSE(PathTaken(folder.File("free.pdf")));
}

TEST(AskPdfFile, ProposesTheNameInTheFolderAndLetsTheDialogAskBeforeReplacing) {
    ScriptedDialogs dialogs;
    dialogs.ChooseFile("/pool/Standings").ChooseFile("/pool/mine.PDF").ChooseFile(std::nullopt);
    for (const char* chosen : {"/pool/Standings.pdf", "/pool/mine.PDF"})
        EXPECT_EQ(AskPdfFile(dialogs, "/pool", "TournamentStandings"), chosen);
    EXPECT_EQ(AskPdfFile(dialogs, "/pool", "TournamentStandings"), std::nullopt);
    ASSERT_EQ(dialogs.calls().size(), 3u);
    const auto& call = dialogs.calls()[0];
    EXPECT_EQ(call.kind, DialogKind::SaveFile);
    EXPECT_EQ(call.title, "Print to PDF file");
    EXPECT_EQ(call.file.initialPath, "/pool/TournamentStandings.pdf");
    EXPECT_EQ(call.file.filter, "PDF files (*.pdf) | *.pdf");
    EXPECT_EQ(call.file.defaultExtension, "pdf");
    EXPECT_TRUE(call.file.promptOverwrite);
}

TEST(PrintFailure, NamesWhatFailedAndWhy) {
    TempFolder folder;
    folder.Write("plain", "a file, not a folder");
    struct Case {
        std::string description;
        std::string expected;
    };
    const std::vector<Case> cases{
        // A missing folder is the print device's test.
        {PdfFileFailure(folder.File("plain/r.pdf")),
         "The PDF file " + folder.File("plain/r.pdf") + " could not be written: Not a directory."},
        {PdfFileFailure(folder.path()), "The PDF file " + folder.path() + " could not be written: Is a directory."},
        // Nothing on disk says why: the name alone.
        {PdfFileFailure(folder.File("r.pdf")), "The PDF file " + folder.File("r.pdf") + " could not be written."},
        {PrinterFailure("Office", PrinterStep::Start), "The printer Office could not be started."},
        {PrinterFailure("", PrinterStep::Print), "The default printer did not take the printout."},
        {kNoPrinterMessage,
         "No printer is installed on this computer. To print to a PDF file instead, choose \"PDF file\"."},
    };
    for (const Case& c : cases) EXPECT_EQ(c.description, c.expected);
}

}  // namespace
}  // namespace brackwell
