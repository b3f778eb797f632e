#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "desktop/AnsiQt.h"
#include "desktop/PrinterSession.h"
#include "desktop/QtPrintDevice.h"
#include "reports/rules/ReportOutput.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"
#include "tests/support/qt/Poppler.h"

namespace brackwell {
namespace {

using testing::CrLf;
using testing::Poppler;

TEST(ReportPrinting, AWorkFileWithAFormFeedPrintsTwoLandscapePagesOfFixedPitchText) {
    testing::TempFolder folder;
    modBrackwell model(folder.path());
    testing::ScriptedDialogs dialogs;
    PrinterSession printers;
    const std::string pdf = folder.File("report.pdf");
    printers.PrintToPdf(PathToQString(pdf));
    QtPrintDevice device(printers);
    folder.Write("TEMPPRT.TXT", CrLf({" ", "     Office Pool", " ", "Name       Points", "Adams, AA  031", "\f",
                                      " ", "     Office Pool", " ", "Baker, BB  007"}));

    ASSERT_TRUE(WriteOutputRoutine(model, device, dialogs, "TournamentStandings", {OutputTarget::Printer, true}));

    const std::string info = Poppler(QStringLiteral("pdfinfo"), {PathToQString(pdf)});
    int pages = 0;
    const auto pagesAt = info.find("Pages:");
    ASSERT_NE(pagesAt, std::string::npos) << info;
    ASSERT_EQ(std::sscanf(info.c_str() + pagesAt, "Pages: %d", &pages), 1);
    EXPECT_EQ(pages, 2);
    const std::string first = Poppler(QStringLiteral("pdftotext"),
                                      {"-fixed", "6", "-f", "1", "-l", "1", PathToQString(pdf), "-"});
    EXPECT_NE(first.find("Name       Points"), std::string::npos) << first;
    EXPECT_NE(first.find("Adams, AA  031"), std::string::npos) << first;
    EXPECT_EQ(first.find("Baker"), std::string::npos) << first;
    const std::string second = Poppler(QStringLiteral("pdftotext"),
                                       {"-fixed", "6", "-f", "2", "-l", "2", PathToQString(pdf), "-"});
    EXPECT_NE(second.find("Baker, BB  007"), std::string::npos) << second;
    // Landscape: the page is wider than it is high.
    const auto size = info.find("Page size:");
    ASSERT_NE(size, std::string::npos);
    double width = 0, height = 0;
    ASSERT_EQ(std::sscanf(info.c_str() + size, "Page size: %lf x %lf", &width, &height), 2);
    EXPECT_GT(width, height);
}

}  // namespace
}  // namespace brackwell
