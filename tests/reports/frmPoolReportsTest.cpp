#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/RosterFile.h"
#include "core/SelectionFile.h"
#include "reports/frmPoolReports.h"
#include "tests/participants/RosterText.h"
#include "tests/support/PlatformDoubles.h"
#include "tests/support/TempFolder.h"
#include "tests/support/qt/ModalDialog.h"

namespace brackwell {
namespace {

using testing::TempFolder;
using testing::TestPlatform;

struct ReportsWindow {
    TempFolder folder;
    modBrackwell model{folder.path()};
    TestPlatform test;
    std::vector<int> generated;
    std::vector<int> failing;
    std::vector<std::string> scoredPrints;
    int resultsPrints = 0;
    int customReporting = 0;
    int closed = 0;
    QPointer<frmPoolReports> window;
    ReportsWindowHooks hooks;

    void Open() {
        hooks.printScoredSelection = [this](const std::string& file) { scoredPrints.push_back(file); };
        hooks.printResultsSheet = [this] { ++resultsPrints; };
        hooks.gotoCustomReporting = [this] { ++customReporting; };
        hooks.closed = [this] { ++closed; };
        auto generate = [this](int index, modBrackwell&, Dialogs&, const ReportRequest& request, reports::RunPool&) {
            generated.push_back(index);
            for (int f : failing)
                if (f == index) return ReportOutcome::Failed;
            folder.Write("TEMPPRT.TXT", request.reportTitle + " " + std::to_string(index) + "\r\n");
            return ReportOutcome::Written;
        };
        window = new frmPoolReports(model, test.platform, hooks, generate);
        window->show();
    }
    ~ReportsWindow() { delete window.data(); }

    template <typename T>
    T* Find(const QString& name) const {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    void Click(const char* button) const { QTest::mouseClick(Find<QPushButton>(QLatin1String(button)), Qt::LeftButton); }
    void Tick(const QString& name) const { Find<QAbstractButton>(name)->setChecked(true); }
    bool Ticked(int index) const { return Find<QCheckBox>(QStringLiteral("chkOptions_%1").arg(index))->isChecked(); }
    // Lets a close posted by the window take effect.
    void Settle() const { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST(frmPoolReports, ShowsEveryControlWithItsCaption) {
    ReportsWindow w;
    w.model.TournamentTitle = "Office Pool A&M";
    w.folder.Write("b_BB.BKS", "");
    w.folder.Write("A_AA.BKS", "");
    w.folder.Write("NOTES.TXT", "");
    w.Open();
    EXPECT_EQ(w.window->windowTitle(), "Brackwell Reports");
    for (int index = 0; index < kReportCount; ++index) {
        auto* box = w.Find<QCheckBox>(QStringLiteral("chkOptions_%1").arg(index));
        EXPECT_EQ(box->text().toStdString(), ReportAt(index).caption);
        EXPECT_FALSE(box->isChecked());
    }
    const std::vector<std::string> destinations{"Printer", "File", "Email", "Email All Participants", "PDF file"};
    for (int index = 0; index < 5; ++index) {
        auto* option = w.Find<QRadioButton>(QStringLiteral("optDestination_%1").arg(index));
        EXPECT_EQ(option->text().toStdString(), destinations[static_cast<std::size_t>(index)]);
        EXPECT_EQ(option->isChecked(), index == 0);
    }
    EXPECT_EQ(w.Find<QRadioButton>("optSelected_0")->text(), "Scored Player Selections (Select File at right --->)");
    EXPECT_EQ(w.Find<QRadioButton>("optSelected_1")->text(), "Tournament Results Sheet");
    const std::vector<std::pair<const char*, const char*>> labels{
        {"lblReportSelect", "Report Selections"}, {"lblDestination", "Destination"}, {"Label2", "Report Titles:"}};
    for (const auto& [name, caption] : labels) EXPECT_EQ(w.Find<QLabel>(name)->text(), caption);
    const std::vector<std::pair<const char*, const char*>> buttons{
        {"cmdPrintSelections", "Create Selected Reports"}, {"cmdDefaultPrinter", "Use default printer"},
        {"cmdSelectedPrintouts", "Create Selected Printout"}, {"cmdCustomReport", "Goto Custom Reporting"},
        {"cmdExit", "Exit Reports"}};
    for (const auto& [name, caption] : buttons) EXPECT_EQ(w.Find<QPushButton>(name)->text(), caption);
    const std::vector<std::pair<const char*, const char*>> frames{{"frmOutputSelections", "Multiple Output Options"},
                                                                   {"frmPrintSelections", "Printer Only Options"},
                                                                   {"frmCustomSelection", "Custom Reports Option"}};
    for (const auto& [name, caption] : frames) EXPECT_EQ(w.Find<QGroupBox>(name)->title(), caption);
    EXPECT_EQ(w.Find<QLineEdit>("txtReportTitle")->text(), "Office Pool A&M");
    auto* files = w.Find<QListWidget>("filList");
    ASSERT_EQ(files->count(), 2);
    EXPECT_EQ(files->item(0)->text(), "A_AA.BKS");
    EXPECT_EQ(files->item(1)->text(), "b_BB.BKS");
}

TEST(frmPoolReports, TheDefaultPrinterButtonTogglesItsCaptionAndThePrintDialog) {
    ReportsWindow w;
    w.Open();
    auto* button = w.Find<QPushButton>("cmdDefaultPrinter");
    const std::vector<std::string> captions{"Select non default printer", "Use default printer", "Select non default printer"};
    for (const std::string& caption : captions) {
        w.Click("cmdDefaultPrinter");
        EXPECT_EQ(button->text().toStdString(), caption);
        EXPECT_FALSE(button->font().bold());
    }
    EXPECT_FALSE(w.window->UsesDefaultPrinter());
    w.Tick("chkOptions_0");
    w.test.dialogs.ConfirmPrint(true);
    w.Click("cmdPrintSelections");
    ASSERT_EQ(w.test.printer.documents.size(), 1u);
    EXPECT_EQ(w.test.dialogs.calls().size(), 1u);
}

TEST(frmPoolReports, CreateSelectedReportsRunsTheTickedReportsAndUnticksAFailure) {
    ReportsWindow w;
    w.failing = {3};
    w.Open();
    w.Find<QLineEdit>("txtReportTitle")->setText("My Pool");
    w.Tick("optDestination_1");
    w.Tick("chkOptions_1");
    w.Tick("chkOptions_3");
    w.Click("cmdPrintSelections");
    EXPECT_EQ(w.generated, (std::vector<int>{1, 3}));
    EXPECT_EQ(w.folder.Read("RPTOPT2.TXT"), "My Pool 1\r\n");
    EXPECT_TRUE(w.Ticked(1));
    EXPECT_FALSE(w.Ticked(3));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    w.test.dialogs.AllowMessages();
    w.Find<QCheckBox>("chkOptions_1")->setChecked(false);
    w.Click("cmdPrintSelections");
    ASSERT_EQ(w.test.dialogs.messages().size(), 1u);
    EXPECT_EQ(w.test.dialogs.messages()[0].title, "Brackwell - frmPoolReports, PrintSelections_Click ");
}

// Which file each report gets is the output routine's; the window only has to choose PDF file.
TEST(frmPoolReports, PdfFileSendsTheReportToAFileWithoutThePrintDialog) {
    ReportsWindow w;
    w.Open();
    w.Tick("optDestination_4");
    w.Tick("chkOptions_0");
    w.test.dialogs.ChooseFile(w.folder.File("standings.pdf"));
    w.Click("cmdPrintSelections");
    ASSERT_EQ(w.test.printer.documents.size(), 1u);
    EXPECT_EQ(w.test.printer.documents[0].pdfFile, w.folder.File("standings.pdf"));
}

TEST(frmPoolReports, EmailAllHandsTheWrittenReportsToTheMailWindowWithEveryParticipant) {
    ReportsWindow w;
    w.folder.Write(kRosterFileName, testing::Roster({testing::kSmith, testing::kJones}));
    std::vector<bool> mailWindows;
    bool reportWrittenFirst = false;
    w.hooks.showMailWindow = [&](bool emailAll) {
        mailWindows.push_back(emailAll);
        reportWrittenFirst = FileExists(w.folder.File("RPTOPT1.TXT"));
    };
    w.Open();
    w.Tick("optDestination_3");
    w.Tick("chkOptions_0");
    w.Click("cmdPrintSelections");
    EXPECT_EQ(mailWindows, std::vector<bool>{true});
    EXPECT_TRUE(reportWrittenFirst);
}

TEST(frmPoolReports, SelectedPrintoutsCheckTheirChoiceThenCloseAndHandOverToTheBracketWindow) {
    ReportsWindow w;
    w.folder.Write("A_AA.BKS", "");
    w.Open();
    w.test.dialogs.AllowMessages();
    w.Click("cmdSelectedPrintouts");
    w.Tick("optSelected_0");
    w.Click("cmdSelectedPrintouts");
    w.folder.Write(kResultsFileName, "");
    w.Click("cmdSelectedPrintouts");
    const auto messages = w.test.dialogs.messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].text, "You need to make a selection from one of the two options\r\nfor selected printouts.  Please try again.");
    EXPECT_EQ(messages[1].text, "Game Results have not been entered, this option\r\nis NOT valid until this activity has been completed");
    EXPECT_EQ(messages[2].text, "You must select one of the entries from the list \r\nof File Names for display.\r\n\r\nMake a selection and then retry.");
    for (const auto& message : messages) EXPECT_EQ(message.title, "Brackwell - frmPoolReports, cmdSelectedPrintouts");
    EXPECT_TRUE(w.scoredPrints.empty());

    w.Find<QListWidget>("filList")->setCurrentRow(0);
    w.Click("cmdSelectedPrintouts");
    w.Settle();
    EXPECT_EQ(w.scoredPrints, std::vector<std::string>{"A_AA.BKS"});
    EXPECT_EQ(w.closed, 1);
    EXPECT_TRUE(w.window.isNull());
}

TEST(frmPoolReports, ResultsSheetCustomReportingAndExitEachCloseTheWindowFirst) {
    struct Case {
        const char* button;
        const char* option;
        int ReportsWindow::*counter;
    };
    const std::vector<Case> cases{{"cmdSelectedPrintouts", "optSelected_1", &ReportsWindow::resultsPrints},
                                  {"cmdCustomReport", nullptr, &ReportsWindow::customReporting},
                                  {"cmdExit", nullptr, &ReportsWindow::closed}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        ReportsWindow w;
        w.folder.Write(kResultsFileName, "");
        w.test.mail.SignOn();
        w.Open();
        if (c.option != nullptr) w.Tick(QLatin1String(c.option));
        w.Click(c.button);
        w.Settle();
        EXPECT_EQ(w.*c.counter, 1);
        EXPECT_EQ(w.closed, 1);
        EXPECT_TRUE(w.window.isNull());
        // Only Exit signs off a mail session left open.
        EXPECT_EQ(w.test.mail.signOffs, std::string(c.button) == "cmdExit" ? 1 : 0);
    }
}

}  // namespace
}  // namespace brackwell
