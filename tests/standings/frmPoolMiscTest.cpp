#include "standings/frmPoolMisc.h"

#include <QApplication>
#include <QDate>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <ostream>
#include <string>
#include <vector>

#include "desktop/AnsiQt.h"
#include "desktop/PrinterSession.h"
#include "desktop/QtPrintDevice.h"
#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "standings/rules/PointSummary.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/PlatformDoubles.h"
#include "tests/support/SampleBrackets.h"
#include "tests/support/TempFolder.h"
#include "tests/support/qt/Poppler.h"

namespace brackwell {
namespace {

using testing::FieldOnly;
using testing::Poppler;
using testing::LowerTeamsWin;
using testing::SelectionFileBytes;
using testing::TempFolder;
using testing::TestPlatform;
using testing::UpperTeamsWin;
using testing::WithPlayer;

// A pool whose first round went to the upper team of every game (32 points so far):
//   Baker picked every upper team: 32, at most 168;
//   clark (a lower-case name) left the champion empty: 32, at most 152;
//   Davis left the second finalist empty: 32, at most 156;
//   Evans missed game 0: 31;  Young picked every lower team: 0.
void WritePool(const TempFolder& folder, bool withEmptySelection = false) {
    folder.Write(kStartFileName, StartFileContents(DefaultStartLines()));
    SelLinesArray results = WithPlayer(FieldOnly(), "FinalResults", "A", "");
    const SelLinesArray upper = UpperTeamsWin();
    for (int p = 1; p <= kPositionCount; ++p)
        if (RoundOfPosition(p) == 1) results[p] = upper[p];
    folder.Write(kResultsFileName, SelectionFileBytes(results));

    SelLinesArray noChampion = upper, noFinalist = upper, missed = upper;
    noChampion[127].clear();
    noFinalist[126].clear();
    missed[17] = missed[2];
    folder.Write("Baker_BB.BKS", SelectionFileBytes(WithPlayer(upper, "Baker", "BB", "140")));
    folder.Write("clark_CC.bks", SelectionFileBytes(WithPlayer(noChampion, "clark", "CC", "150")));
    folder.Write("Davis_DD.BKS", SelectionFileBytes(WithPlayer(noFinalist, "Davis", "DD", "")));
    folder.Write("Evans_EE.BKS", SelectionFileBytes(WithPlayer(missed, "Evans", "EE", "")));
    folder.Write("Young_YY.BKS", SelectionFileBytes(WithPlayer(LowerTeamsWin(), "Young", "YY", "")));
    if (withEmptySelection) folder.Write("Aaron_ZZ.BKS", SelectionFileBytes(WithPlayer(FieldOnly(), "Aaron", "ZZ", "")));
    folder.Write("notes.txt", "not a selection\r\n");
}

// The standings window over a results bracket, as the bracket window opens it in results mode.
struct Standings {
    explicit Standings(bool withEmptySelection = false) : model(folder.path()) {
        WritePool(folder, withEmptySelection);
        ReadStartFile(model, test.dialogs);
        ReadSelections(model, test.dialogs, model.AppFilePath(kResultsFileName));
        ShowStartingField(model, results);
        SelectionToWindow(model, results);
        window = new frmPoolMisc(model, test.platform, results,
                                 {[this](bool locked) { locks.push_back(locked); }, [this] { ++closedCalls; }});
        window->show();
        grid = window->findChild<QTableWidget*>("msgScoreDisplay");
    }
    ~Standings() { delete window.data(); }

    std::vector<std::string> Column(int column) const {
        std::vector<std::string> cells;
        for (const ScoreRow& row : window->GridRows(false)) cells.push_back(row[column]);
        return cells;
    }
    // The pointer shape while the button is down.
    Qt::CursorShape DragHeader(int from, int to) {
        QHeaderView* header = grid->horizontalHeader();
        const auto centre = [header](int c) {
            return QPoint(header->sectionViewportPosition(c) + header->sectionSize(c) / 2, header->height() / 2);
        };
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, centre(from));
        const Qt::CursorShape dragging = header->viewport()->cursor().shape();
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, centre(to));
        return dragging;
    }
    void ClickCell(int row, int column) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(row, column)).center());
    }
    void Click(const char* button) { QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton); }

    TempFolder folder;
    modBrackwell model;
    TestPlatform test;
    PlainBracketView results;
    QPointer<frmPoolMisc> window;
    QTableWidget* grid = nullptr;
    std::vector<bool> locks;
    int closedCalls = 0;
};

TEST(frmPoolMisc, OpensLockedOverTheBracketWithTheGridOfTheFormatString) {
    Standings s;
    EXPECT_EQ(s.window->windowTitle(), "Display Scores (Total, Possible)");
    EXPECT_TRUE(s.model.StandingsOpen);
    EXPECT_EQ(s.locks, std::vector<bool>{true});
    EXPECT_TRUE(s.window->RowsFilled());
    ASSERT_NE(s.grid, nullptr);
    const std::vector<QString> headers{"File Name", "Player Name", "Score", "-MAX-", "Winning Pick"};
    for (int c = 0; c < 5; ++c) EXPECT_EQ(s.grid->horizontalHeaderItem(c)->text(), headers[c]);
    // Wider columns in the format string are wider on screen; numbers sit to the right.
    EXPECT_GT(s.grid->columnWidth(0), s.grid->columnWidth(4));
    EXPECT_GT(s.grid->columnWidth(4), s.grid->columnWidth(1));
    EXPECT_GT(s.grid->columnWidth(1), s.grid->columnWidth(2));
    EXPECT_TRUE(s.grid->item(0, 2)->textAlignment() & Qt::AlignRight);
    EXPECT_TRUE(s.grid->item(0, 0)->textAlignment() & Qt::AlignLeft);
    for (const char* button : {"cmdCalculate", "cmdPrint", "cmdExit"})
        EXPECT_NE(s.window->findChild<QPushButton*>(button), nullptr) << button;
    EXPECT_EQ(s.window->findChild<QPushButton*>("cmdCalculate")->text(), "Calculate Totals Based on Results Displayed");
}

TEST(frmPoolMisc, FillHasTheRowsTheCommandLinePrintsForTheFolder) {
    Standings s;
    const testing::CliRun run = testing::RunCli({"score", "--folder", s.folder.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<ScoreRow> expected;
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);  // the header
    while (std::getline(lines, line)) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) fields.push_back(cell);
        fields.resize(9);
        expected.push_back({fields[0], fields[1], fields[2], fields[3], fields[6]});
    }
    ASSERT_EQ(expected.size(), 5u);
    EXPECT_EQ(s.window->GridRows(false), expected);
    EXPECT_EQ(s.Column(2), (std::vector<std::string>{"32", "32", "32", "31", "0"}));
    EXPECT_EQ(s.Column(3), (std::vector<std::string>{"168", "152", "156", "167", "0"}));
}

TEST(frmPoolMisc, RefillStartsFromTheFormatAgainAndDropsRowsOfFilesGone) {
    Standings s;
    s.DragHeader(2, 0);
    std::filesystem::remove(s.folder.File("Evans_EE.BKS"));
    s.Click("cmdCalculate");
    EXPECT_EQ(s.grid->horizontalHeaderItem(0)->text(), "File Name");
    EXPECT_EQ(s.Column(0),
              (std::vector<std::string>{"Baker_BB.BKS", "clark_CC.bks", "Davis_DD.BKS", "Young_YY.BKS"}));
}

struct DragCase {
    const char* name;
    bool withEmptySelection;
    std::vector<std::pair<int, int>> drags;
    std::vector<std::string> headers;
    std::vector<std::string> files;
};

// Named by their case in test listings.
void PrintTo(const DragCase& c, std::ostream* out) { *out << c.name; }

class DragTest : public ::testing::TestWithParam<DragCase> {};

TEST_P(DragTest, HeaderDragMovesTheColumnAndSorts) {
    const DragCase& c = GetParam();
    Standings s(c.withEmptySelection);
    for (const auto& [from, to] : c.drags) EXPECT_EQ(s.DragHeader(from, to), Qt::SplitHCursor);
    std::vector<std::string> headers;
    for (int i = 0; i < 5; ++i) headers.push_back(QStringToAnsi(s.grid->horizontalHeaderItem(i)->text()));
    EXPECT_EQ(headers, c.headers);
    const int fileColumn = static_cast<int>(std::find(headers.begin(), headers.end(), "File Name") - headers.begin());
    EXPECT_EQ(s.Column(fileColumn), c.files);
    EXPECT_EQ(s.grid->horizontalHeader()->viewport()->cursor().shape(), Qt::ArrowCursor);
}

INSTANTIATE_TEST_SUITE_P(
    frmPoolMisc, DragTest,
    ::testing::Values(
        // Highest score first; the three 32s by -MAX- (the text columns between count as 0).
        DragCase{"ScoreToTheLeftRanksByScore", false, {{2, 0}},
                 {"Score", "File Name", "Player Name", "-MAX-", "Winning Pick"},
                 {"Baker_BB.BKS", "Davis_DD.BKS", "clark_CC.bks", "Evans_EE.BKS", "Young_YY.BKS"}},
        DragCase{"PlayerNameToTheLeftSortsAlphabetically", false, {{2, 0}, {2, 0}},
                 {"Player Name", "Score", "File Name", "-MAX-", "Winning Pick"},
                 {"Baker_BB.BKS", "Davis_DD.BKS", "Evans_EE.BKS", "Young_YY.BKS", "clark_CC.bks"}},
        // The first row scores 0, so the scores are sorted as text: "0" < "31" < "32".
        DragCase{"ScoreOfZeroInTheFirstRowSortsAsText", true, {{2, 0}},
                 {"Score", "File Name", "Player Name", "-MAX-", "Winning Pick"},
                 {"Aaron_ZZ.BKS", "Young_YY.BKS", "Evans_EE.BKS", "Baker_BB.BKS", "Davis_DD.BKS", "clark_CC.bks"}},
        DragCase{"DragToTheRight", false, {{0, 4}},
                 {"Player Name", "Score", "-MAX-", "Winning Pick", "File Name"},
                 {"Baker_BB.BKS", "Davis_DD.BKS", "Evans_EE.BKS", "Young_YY.BKS", "clark_CC.bks"}}),
    [](const ::testing::TestParamInfo<DragCase>& info) { return std::string(info.param.name); });

TEST(frmPoolMisc, AFileNameClickPaintsThatParticipantsMarksAndOtherCellsDoNot) {
    Standings s;
    s.ClickCell(3, 0);  // Evans: game 0 wrong, the rest of the first round right
    EXPECT_TRUE(s.model.MarksShown);
    EXPECT_EQ(s.results.marks[0], "X");
    EXPECT_EQ(s.results.colors[16], kWrongRed);
    EXPECT_EQ(s.results.marks[1], "=");
    EXPECT_EQ(s.results.marks[8], "");

    const auto marks = s.results.marks;
    s.ClickCell(4, 2);  // Young's score
    s.ClickCell(4, 1);  // and name
    EXPECT_EQ(s.results.marks, marks);

    s.ClickCell(1, 0);  // clark_CC.bks, named in lower case: the champion pick is empty
    EXPECT_EQ(s.results.marks[0], "=");
    EXPECT_EQ(s.results.marks[62], "X");
    EXPECT_TRUE(s.test.dialogs.calls().empty());
}

TEST(frmPoolMisc, ExitGivesTheBracketBack) {
    Standings s;
    s.ClickCell(0, 0);
    ASSERT_TRUE(s.model.MarksShown);
    s.Click("cmdExit");
    EXPECT_FALSE(s.model.StandingsOpen);
    EXPECT_FALSE(s.model.MarksShown);
    EXPECT_EQ(s.results.marks[0], "");
    EXPECT_EQ(s.results.colors[16], kPickBlue);
    EXPECT_EQ(s.locks, (std::vector<bool>{true, false}));
    EXPECT_EQ(s.closedCalls, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(s.window.isNull());
}

TEST(frmPoolMisc, PrintSendsThePointSummaryInTenPointCourierNewPortrait) {
    Standings s;
    s.test.printer.orientation = Orientation::Landscape;
    s.DragHeader(2, 0);
    s.Click("cmdPrint");
    ASSERT_EQ(s.test.printer.documents.size(), 1u);
    const testing::PrintedDocument& printed = s.test.printer.documents[0];
    EXPECT_EQ(printed.orientation, Orientation::Portrait);
    EXPECT_EQ(printed.font.name, "Courier New");
    EXPECT_EQ(printed.font.size, 10);
    ASSERT_EQ(printed.pages.size(), 1u);
    const QDate today = QDate::currentDate();
    const std::vector<std::string> head(printed.pages[0].begin(), printed.pages[0].begin() + 5);
    EXPECT_EQ(head, (std::vector<std::string>{
                        "                BRACKWELL POINT SUMMARY: " + SummaryDate(today.year(), today.month(), today.day()),
                        "", "",
                        "     Score  File Name     Player Name  -MAX-  Winning Pick",
                        "     32     Baker_BB.BKS  Baker, BB    168    TEAM1       "}));
    EXPECT_EQ(printed.pages[0].size(), 3u + 6u);
    EXPECT_TRUE(s.test.dialogs.calls().empty());
}

TEST(frmPoolMisc, PdfFilePrintsTheSummaryToTheFileChosenAndNothingWhenCancelled) {
    Standings s;
    EXPECT_EQ(s.window->findChild<QPushButton*>("cmdPdfFile")->text(), "PDF file...");
    s.test.dialogs.ChooseFile(s.folder.File("summary.pdf")).ChooseFile(std::nullopt);
    s.Click("cmdPdfFile");
    s.Click("cmdPdfFile");
    ASSERT_EQ(s.test.dialogs.calls().size(), 2u);
    EXPECT_EQ(s.test.dialogs.calls()[0].defaultText, s.folder.File("PointSummary.pdf"));
    ASSERT_EQ(s.test.printer.documents.size(), 1u);
    EXPECT_EQ(s.test.printer.documents[0].pdfFile, s.folder.File("summary.pdf"));
}

TEST(frmPoolMisc, PrintWithoutCourierNewAsksForAFontAndStopsWhenCancelled) {
    Standings s;
    s.test.printer.fontNames = {"Arial"};
    s.test.dialogs.Answer(MsgAnswer::OK).ChooseFont(std::nullopt);
    s.Click("cmdPrint");
    EXPECT_TRUE(s.test.printer.documents.empty());
    EXPECT_TRUE(s.test.printer.pagesInProgress.empty());
    EXPECT_EQ(s.test.dialogs.calls().size(), 2u);
}

TEST(frmPoolMisc, PrintsAReadableFixedPitchSummaryToPdf) {
    Standings s;
    PrinterSession printers;
    const std::string pdf = s.folder.File("summary.pdf");
    printers.PrintToPdf(PathToQString(pdf));
    QtPrintDevice device(printers);
    Platform platform{s.test.dialogs, s.test.mail, device, s.test.help, s.test.launcher};
    auto* window = new frmPoolMisc(s.model, platform, s.results, {});
    window->show();
    QTest::mouseClick(window->findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
    EXPECT_TRUE(s.test.dialogs.calls().empty());  // "Courier New" is offered, so no font dialog
    delete window;

    const std::string text = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-fixed"), QStringLiteral("6"), PathToQString(pdf), "-"});
    EXPECT_NE(text.find("BRACKWELL POINT SUMMARY:"), std::string::npos) << text;
    // Blank-padded columns line up only in a fixed-pitch face.
    EXPECT_NE(text.find("File Name     Player Name  Score  -MAX-  Winning Pick"), std::string::npos) << text;
    EXPECT_NE(text.find("Evans_EE.BKS  Evans, EE    31     167    TEAM1"), std::string::npos) << text;
    const std::string fonts = Poppler(QStringLiteral("pdffonts"), {PathToQString(pdf)});
    EXPECT_NE(fonts.find("LiberationMono"), std::string::npos) << fonts;
    EXPECT_EQ(fonts.find("Sans"), std::string::npos) << fonts;
}

}  // namespace
}  // namespace brackwell
