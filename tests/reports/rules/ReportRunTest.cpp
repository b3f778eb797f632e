#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "reports/rules/ReportRun.h"
#include "reports/rules/ReportWorkLock.h"
#include "tests/support/PlatformDoubles.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::TempFolder;
using testing::TestPlatform;

// Generators that write one recognisable line per report, or end as scripted for an index.
struct ScriptedGenerators {
    TempFolder& folder;
    std::map<int, ReportOutcome> outcomes;  // Written for the indices not given
    std::vector<int> ran;
    ReportRequest seen;

    ReportGenerator Generator() {
        return [this](int index, modBrackwell&, Dialogs&, const ReportRequest& request, reports::RunPool&) {
            ran.push_back(index);
            seen = request;
            if (outcomes.count(index) != 0) return outcomes.at(index);
            folder.Write("TEMPPRT.TXT", "report " + std::to_string(index) + "\r\n");
            return ReportOutcome::Written;
        };
    }
};

struct RunFixture : ::testing::Test {
    TempFolder folder;
    modBrackwell model{folder.path()};
    TestPlatform test;
    ScriptedGenerators generators{folder, {}, {}, {}};
    int mailWindowShown = 0;
    std::vector<std::pair<int, int>> progress;

    ReportRunOutcome Run(TickedReports& ticked, ReportDestination destination, bool useDefaultPrinter = true) {
        ReportRunSteps steps;
        steps.generate = generators.Generator();
        steps.progress = [this](int done, int total) { progress.emplace_back(done, total); };
        steps.showMailWindow = [this] { ++mailWindowShown; };
        return CreateSelectedReports(model, test.platform, ticked, destination, useDefaultPrinter,
                                     {"Pool Title", {"A_AA.BKS", "B_BB.BKS"}}, steps);
    }
};

TEST_F(RunFixture, NothingTickedOnlyShowsItsMessage) {
    TickedReports ticked{};
    test.dialogs.AllowMessages();
    EXPECT_EQ(Run(ticked, ReportDestination::Email), ReportRunOutcome::NothingTicked);
    ASSERT_EQ(test.dialogs.messages().size(), 1u);
    EXPECT_EQ(test.dialogs.messages()[0].text,
              "You will need to select one of the Report Selections before\r\nchoosing the \"Create Selected "
              "Reports\" Command Button");
    EXPECT_EQ(test.dialogs.messages()[0].title, "Brackwell - frmPoolReports, PrintSelections_Click ");
    EXPECT_EQ(test.dialogs.messages()[0].icon, MsgIcon::None);
    EXPECT_TRUE(generators.ran.empty());
    EXPECT_EQ(mailWindowShown, 0);
}

TEST_F(RunFixture, TickedReportsRunInTableOrderToTheirFiles) {
    TickedReports ticked{false, true, false, false, true, false, true};
    EXPECT_EQ(Run(ticked, ReportDestination::File), ReportRunOutcome::Done);
    EXPECT_EQ(generators.ran, (std::vector<int>{1, 4, 6}));
    EXPECT_EQ(generators.seen.reportTitle, "Pool Title");
    EXPECT_EQ(generators.seen.selectionFiles, (std::vector<std::string>{"A_AA.BKS", "B_BB.BKS"}));
    EXPECT_EQ(folder.Read("RPTOPT2.TXT"), "report 1\r\n");
    EXPECT_EQ(folder.Read("RPTOPT5.TXT"), "report 4\r\n");
    EXPECT_EQ(folder.Read("RPTOPT7.TXT"), "report 6\r\n");
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}, {3, 3}}));
    EXPECT_EQ(mailWindowShown, 0);
}

TEST_F(RunFixture, AFailureUnticksItsReportKeepsTheOthersAndSendsNoMail) {
    generators.outcomes = {{2, ReportOutcome::Failed}};
    TickedReports ticked{true, false, true, false, false, true, false};
    EXPECT_EQ(Run(ticked, ReportDestination::Email), ReportRunOutcome::Failed);
    EXPECT_EQ(generators.ran, (std::vector<int>{0, 2, 5}));
    EXPECT_EQ(ticked, (TickedReports{true, false, false, false, false, true, false}));
    EXPECT_EQ(folder.Read("RPTOPT1.TXT"), "report 0\r\n");
    EXPECT_EQ(folder.Read("RPTOPT6.TXT"), "report 5\r\n");
    EXPECT_EQ(mailWindowShown, 0);
    EXPECT_TRUE(test.mail.sent.empty());
}

TEST_F(RunFixture, WhileAnotherRunWritesTheFolderNothingRunsAndTheLockIsFreeForTheMailWindow) {
    TickedReports ticked{true, false, false, false, false, false, false};
    std::optional<ReportWorkLock> other(std::in_place, folder.path());
    test.dialogs.AllowMessages();
    EXPECT_EQ(Run(ticked, ReportDestination::Email), ReportRunOutcome::Busy);
    EXPECT_EQ(test.dialogs.messages().at(0).text, kReportsBusyMessage);
    EXPECT_TRUE(generators.ran.empty());
    other.reset();
    bool freeWhileMailing = false;
    ReportRunSteps steps;
    steps.generate = generators.Generator();
    steps.showMailWindow = [&] { freeWhileMailing = !ReportWorkLock(folder.path()).Busy(); };
    EXPECT_EQ(CreateSelectedReports(model, test.platform, ticked, ReportDestination::Email, true, {}, steps),
              ReportRunOutcome::Done);
    EXPECT_TRUE(freeWhileMailing);
}

TEST_F(RunFixture, TwoPrintedReportsAreTwoDocumentsEachWithItsDialogWhenNotOnTheDefaultPrinter) {
    TickedReports ticked{true, false, true, false, false, false, false};
    test.dialogs.ConfirmPrint(true).ConfirmPrint(true);
    EXPECT_EQ(Run(ticked, ReportDestination::Printer, false), ReportRunOutcome::Done);
    ASSERT_EQ(test.printer.documents.size(), 2u);
    EXPECT_EQ(test.printer.documents[0].pages[0], std::vector<std::string>{"report 0"});
    EXPECT_EQ(test.printer.documents[0].orientation, Orientation::Landscape);
    EXPECT_EQ(test.printer.documents[1].pages[0], std::vector<std::string>{"report 2"});
    EXPECT_EQ(test.printer.documents[1].orientation, Orientation::Portrait);
    EXPECT_EQ(test.dialogs.calls().size(), 2u);
    EXPECT_FALSE(folder.Exists("RPTOPT1.TXT"));
}

TEST_F(RunFixture, SkippedReportsStillLetTheMailGoButAreNotAttached) {
    generators.outcomes = {{1, ReportOutcome::Skipped}, {5, ReportOutcome::SkippedStillTicked}};
    TickedReports ticked{true, true, false, false, false, true, false};
    Run(ticked, ReportDestination::Email);
    EXPECT_EQ(ticked, (TickedReports{true, false, false, false, false, true, false}));
    EXPECT_EQ(mailWindowShown, 1);
    ASSERT_EQ(test.mail.sent.size(), 1u);
    ASSERT_EQ(test.mail.sent[0].attachments.size(), 1u);
    EXPECT_EQ(test.mail.sent[0].attachments[0].path, folder.File("RPTOPT1.TXT"));
}

TEST_F(RunFixture, AReportThatCannotBeWrittenStopsTheMail) {
    // The generator claims success but leaves no work file.
    TickedReports ticked{false, true, false, false, false, false, false};
    ReportRunSteps steps;
    steps.generate = [](int, modBrackwell&, Dialogs&, const ReportRequest&, reports::RunPool&) { return ReportOutcome::Written; };
    steps.showMailWindow = [this] { ++mailWindowShown; };
    test.dialogs.AllowMessages();
    EXPECT_EQ(CreateSelectedReports(model, test.platform, ticked, ReportDestination::EmailAll, true, {}, steps),
              ReportRunOutcome::Failed);
    EXPECT_EQ(mailWindowShown, 0);
    EXPECT_TRUE(ticked[1]);
}

struct MailFixture : ::testing::Test {
    TempFolder folder;
    modBrackwell model{folder.path()};
    TestPlatform test;

    void Mail(const TickedReports& ticked, std::vector<std::string> to, std::string subject, std::string message) {
        WriteEMail(model, test.mail, test.dialogs, ticked, [&] {
            auto& handOver = model.MailHandOver;
            handOver.RecipientUpperBound = static_cast<int>(to.size()) - 1;
            if (!to.empty()) handOver.Recipients = to;
            handOver.Subject = subject;
            handOver.Message = message;
        });
    }
};

TEST_F(MailFixture, SendsOneMessageWithRecipientsSubjectPaddedBodyAndTheReports) {
    TickedReports ticked{true, false, false, true, false, false, true};
    Mail(ticked, {"ann@example.com", "bob@example.com"}, "Standings", "Hello\r\nall");
    ASSERT_EQ(test.mail.sent.size(), 1u);
    const MailMessage& sent = test.mail.sent[0];
    ASSERT_EQ(sent.recipients.size(), 2u);
    EXPECT_EQ(sent.recipients[0].name, "ann@example.com");
    EXPECT_EQ(sent.recipients[1].name, "bob@example.com");
    EXPECT_EQ(sent.subject, "Standings");
    EXPECT_EQ(sent.noteText, "Hello\r\nall          ");
    const int first = static_cast<int>(sent.noteText.size()) - 8;
    ASSERT_EQ(sent.attachments.size(), 3u);
    EXPECT_EQ(sent.attachments[0].path, folder.File("RPTOPT1.TXT"));
    EXPECT_EQ(sent.attachments[0].position, first);
    EXPECT_EQ(sent.attachments[1].path, folder.File("RPTOPT4.TXT"));
    EXPECT_EQ(sent.attachments[1].position, first + 1);
    EXPECT_EQ(sent.attachments[2].path, folder.File("RPTOPT7.TXT"));
    EXPECT_EQ(sent.attachments[2].position, first + 2);
    EXPECT_EQ(test.mail.signOns, 1);
    EXPECT_EQ(test.mail.signOffs, 1);
    // The recipient list is emptied for the next mail.
    EXPECT_EQ(model.MailHandOver.RecipientUpperBound, 0);
    EXPECT_EQ(model.MailHandOver.Recipients, std::vector<std::string>{""});
}

TEST_F(MailFixture, NoRecipientsLeavesTheAddressingToTheMailClient) {
    Mail(TickedReports{true}, {}, "", "");
    ASSERT_EQ(test.mail.sent.size(), 1u);
    EXPECT_TRUE(test.mail.sent[0].recipients.empty());
    EXPECT_EQ(test.mail.sent[0].noteText, std::string(10, ' '));
    EXPECT_EQ(test.mail.sent[0].attachments[0].position, 2);
}

TEST_F(MailFixture, ACancelledMailWindowClearsItsFlagAndSendsNothing) {
    WriteEMail(model, test.mail, test.dialogs, TickedReports{true}, [this] { model.MailHandOver.Cancelled = true; });
    EXPECT_FALSE(model.MailHandOver.Cancelled);
    EXPECT_TRUE(test.mail.sent.empty());
    EXPECT_EQ(test.mail.signOns, 0);
}

TEST_F(MailFixture, AMailFailureIsShownUnderTheMailStepsTitle) {
    test.mail.FailNext("No mail client is set up");
    test.dialogs.AllowMessages();
    Mail(TickedReports{true}, {"ann@example.com"}, "s", "m");
    ASSERT_EQ(test.dialogs.messages().size(), 1u);
    EXPECT_EQ(test.dialogs.messages()[0].text, "No mail client is set up");
    EXPECT_EQ(test.dialogs.messages()[0].title, "Brackwell - frmPoolReports, WriteEMail");
    EXPECT_EQ(test.dialogs.messages()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(test.mail.sent.empty());
}

}  // namespace
}  // namespace brackwell
