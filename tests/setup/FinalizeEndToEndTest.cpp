// A season end to end: the field typed and finalized in the setup window, the built pick
// program asked for the field it carries, a bracket picked and saved in the pick window, and
// that selection scored by the command line.

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>

#include <filesystem>
#include <optional>

#include "desktop/AnsiQt.h"
#include "fieldblock/FieldAreaReader.h"
#include "fieldblock/PickProgramBuilder.h"
#include "pickapp/QuillonDialog.h"
#include "tests/setup/SetupWindowFixture.h"
#include "tests/support/SampleBrackets.h"

namespace brackwell::testing {
namespace {

struct ProcessRun {
    int exitCode = -1;
    std::string out;
};

ProcessRun RunProgram(const std::string& program, const QStringList& args) {
    QProcess process;
    process.start(PathToQString(program), args);
    if (!process.waitForFinished(30000)) return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString()};
}

// The pick window's file dialog answers with one path; its warnings are recorded.
class OnePathPickDialogs final : public pick::PickDialogs {
public:
    explicit OnePathPickDialogs(std::string path) : path_(std::move(path)) {}
    void Warn(const std::string& title, const std::string& text) override { warnings.push_back(title + ": " + text); }
    std::optional<std::string> SaveFileName(const pick::SaveFileRequest& request) override {
        suggested = request.suggestedName;
        return path_;
    }
    void About() override {}
    std::vector<std::string> warnings;
    std::string suggested;

private:
    std::string path_;
};

// The field the built program's areas carry, found by their markers.
std::optional<PickField> FieldOfProgram(const std::string& program) {
    const std::size_t teams = program.find("@@TEAMS@@");
    const std::size_t others = program.find("@@OTHERS@@", teams);
    if (teams == std::string::npos || others == std::string::npos) return std::nullopt;
    return fieldblock::ReadFieldAreas(program.data() + teams, others - teams, program.data() + others,
                                      program.size() - others);
}

TEST_F(SetupWindowTest, AFinalizedFieldReachesThePickProgramAndItsSelectionScores) {
    const std::string templatePath = std::string(BRACKWELL_APP_DIR) + "/QUILLON.OBJ";
    ASSERT_TRUE(std::filesystem::exists(templatePath)) << templatePath;
    std::filesystem::copy_file(templatePath, folder.File("QUILLON.OBJ"));
    std::filesystem::copy_file(std::string(BRACKWELL_APP_DIR) + "/QUILLON-TEMPLATE.HTM",
                               folder.File("QUILLON-TEMPLATE.HTM"));
    Open();
    Find<QLineEdit>("txtRegion", 0).setText(QStringLiteral("Texas A&M"));
    Find<QLineEdit>("txtRegion", 32).setText(QString::fromUtf8("Universit\u00e9 Laval"));
    Find<QLineEdit>("TxtInfo", 0).setText(QStringLiteral("Office Pool 2027"));
    Find<QLineEdit>("txtInfo6", 5).setText(QStringLiteral("20"));
    Find<QPlainTextEdit>(QStringLiteral("txtComment1")).setPlainText(QStringLiteral("Entries due\nFriday noon"));
    Find<QPushButton>(QStringLiteral("cmdFinalize")).click();
    test.dialogs.Answer(MsgAnswer::OK);
    window->mnuSaveStartingField->trigger();
    ASSERT_EQ(returned, 1);

    StartLinesArray expected = DefaultStartLines();
    expected[0] = "Texas A&M";
    expected[32] = "Universit\xE9 Laval";
    expected[kTitleLine] = "Office Pool 2027";
    expected[kFirstPointsLine + 5] = "20";
    std::string printed;
    for (int i = 0; i < 75; ++i) printed += expected[i] + "\n";
    printed += "Entries due|Friday noon\n\n";
    const ProcessRun field = RunProgram(folder.File("QUILLON.EXE"), {QStringLiteral("--print-field")});
    EXPECT_EQ(field.exitCode, 0);
    EXPECT_EQ(field.out, printed);

    const std::optional<PickField> carried = FieldOfProgram(folder.Read("QUILLON.EXE"));
    ASSERT_TRUE(carried);
    EXPECT_EQ(FieldOfProgram(folder.Read("QUILLON.HTM")), carried) << "the form carries the same field";
    OnePathPickDialogs pickDialogs(folder.File("Smith_TM.BKS"));
    pick::QuillonDialog picks(*carried, pickDialogs);
    picks.show();
    // Every game won by the upper team, round by round.
    for (int position = 1; position <= kPositionCount; ++position) {
        if (IsStartingSlot(position)) continue;
        const int upper = FeedingPositions(position).first;
        auto* label = picks.findChild<QWidget*>(QStringLiteral("lblRegion_%1").arg(upper - 1));
        ASSERT_NE(label, nullptr);
        QTest::mouseClick(label, Qt::LeftButton);
    }
    picks.findChild<QLineEdit*>(QStringLiteral("txtPlayerInitials"))->setText(QStringLiteral("TM"));
    picks.findChild<QLineEdit*>(QStringLiteral("txtPlayerName"))->setText(QStringLiteral("Smith"));
    picks.findChild<QLineEdit*>(QStringLiteral("txtFinalPoints"))->setText(QStringLiteral("145"));
    picks.mnuFileSaveAs->trigger();
    EXPECT_TRUE(pickDialogs.warnings.empty()) << pickDialogs.warnings.front();
    ASSERT_TRUE(folder.Exists("Smith_TM.BKS"));

    folder.Write("BRACKWELL.BKT", SelectionFileBytes(WithPlayer(UpperTeamsWin(expected), "FinalResults", "A", "150")));
    const ProcessRun score = RunProgram(std::string(BRACKWELL_APP_DIR) + "/brackwell-cli",
                                 {QStringLiteral("score"), QStringLiteral("--folder"), PathToQString(folder.path()),
                                  QStringLiteral("Smith_TM.BKS")});
    EXPECT_EQ(score.exitCode, 0);
    // All 63 games right at 1, 2, 4, 8, 12 and 20 points a round.
    EXPECT_NE(score.out.find("Smith_TM.BKS\tSmith, TM\t172\t172\t63\t0\tTexas A&M\tUniversit\xE9 Laval\t145"),
              std::string::npos)
        << score.out;
}

}  // namespace
}  // namespace brackwell::testing
