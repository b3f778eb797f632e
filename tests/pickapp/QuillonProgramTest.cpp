// The built pick program: its template carries each marker once, at its area, and a program
// built from it prints the field it was given.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/Model.h"
#include "fieldblock/PickProgramBuilder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

const std::string kTemplatePath = std::string(BRACKWELL_APP_DIR) + "/QUILLON.OBJ";

struct ProgramRun {
    int status = -1;
    std::string out;
};

// Runs a program with one argument; standard error is dropped.
ProgramRun RunProgram(const std::string& program, const std::string& argument) {
    ProgramRun run;
    std::FILE* pipe = popen(("'" + program + "' " + argument + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class QuillonProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kTemplatePath)) GTEST_SKIP() << "this build has no pick program";
    }
};

TEST_F(QuillonProgramTest, EachMarkerOccursOnceAtItsUnfilledArea) {
    const std::string image = testing::ReadBytes(kTemplatePath);
    const std::size_t teams = image.find("@@TEAMS@@");
    const std::size_t others = image.find("@@OTHERS@@");
    ASSERT_NE(teams, std::string::npos);
    EXPECT_EQ(image.find("@@TEAMS@@", teams + 1), std::string::npos);
    EXPECT_EQ(image.find("@@OTHERS@@", others + 1), std::string::npos);
    EXPECT_EQ(others, teams + 1080) << "the others area follows the teams area";
    EXPECT_EQ(image.substr(teams + 9, 1071), std::string(1070, '.') + std::string(1, '\0'));
    EXPECT_EQ(image.substr(others + 10, 390), std::string(389, '.') + std::string(1, '\0'));
}

TEST_F(QuillonProgramTest, BuiltProgramPrintsItsFieldAndTheTemplateHasNone) {
    testing::TempFolder folder;
    std::filesystem::copy_file(kTemplatePath, folder.File("QUILLON.OBJ"));
    PickField field = PickFieldFromStartLines(DefaultStartLines());
    field.teams[0] = "Texas A&M";
    field.teams[1] = "";  // an empty name keeps the names after it in their places
    field.teams[2] = "A name well over twenty characters";
    field.teams[63] = "Universit\xe9";
    field.others[11] = "first\r\nsecond";
    field.others[12] = "a|b";
    modBrackwell model(folder.path());
    testing::ScriptedDialogs dialogs;
    ASSERT_TRUE(BuildPickProgram(model, field, dialogs));

    std::string expected = "Texas A&M\n\nA name well over twenty characters\n";
    for (int i = 4; i <= 63; ++i) expected += "TEAM" + std::to_string(i) + "\n";
    expected += "Universit\xe9\n2002 NCAA Tournament\nMidwest Region\nSouth Region\nEast Region\nWest Region\n"
                "1\n2\n4\n8\n12\n16\nfirst|second\na|b\n";
    const ProgramRun built = RunProgram(folder.File("QUILLON.EXE"), "--print-field");
    EXPECT_EQ(built.status, 0);
    EXPECT_EQ(built.out, expected);

    const ProgramRun unfilled = RunProgram(kTemplatePath, "--print-field");
    EXPECT_EQ(unfilled.status, 1);
    EXPECT_EQ(unfilled.out, "");
}

}  // namespace
}  // namespace brackwell
