// brackwell-cli quillon: the pick program built from the folder's field by the same builder as
// the setup window's, and the exit status and message of each way it can fail.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/DemoSet.h"
#include "core/Model.h"
#include "core/StartFile.h"
#include "fieldblock/PickProgramBuilder.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::ReadBytes;
using testing::RunCli;
using testing::TempFolder;

const std::string kTemplate = std::string("\x7f" "ELF", 4) + "@@TEAMS@@" + std::string(1070, '.') + std::string(1, '\0') +
                              "@@OTHERS@@" + std::string(389, '.') + std::string(1, '\0') + "end";
const std::string kBuiltAppDir = BRACKWELL_APP_DIR;

// What the builder itself writes for a start file.
std::string BuiltByTheBuilder(const std::string& templateBytes, const std::string& startFile) {
    TempFolder folder;
    folder.Write("QUILLON.OBJ", templateBytes);
    folder.Write("POOLSTART.BKT", startFile);
    modBrackwell model(folder.path());
    testing::ScriptedDialogs dialogs;
    ReadStartFile(model, dialogs);
    EXPECT_TRUE(BuildPickProgram(model, PickFieldFromStartLines(model.StartLines), dialogs));
    return folder.Read("QUILLON.EXE");
}

std::string StartFileWith(int line, const std::string& text) {
    StartLinesArray lines = DefaultStartLines();
    lines[static_cast<std::size_t>(line)] = text;
    lines[kComment1Line] = "first|second";
    return StartFileContents(lines);
}

TEST(QuillonCommand, BuildsTheSameBytesAsTheBuilderAndTheFormBesideThem) {
    TempFolder folder;
    const std::string start = StartFileWith(0, "Texas A&M");
    folder.Write("QUILLON.OBJ", kTemplate);
    folder.Write("QUILLON-TEMPLATE.HTM", "<html>" + kTemplate);
    folder.Write("POOLSTART.BKT", start);
    const testing::CliRun run = RunCli({"quillon", "--folder", folder.path()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "Built \"" + folder.File("QUILLON.EXE") + "\"\nBuilt \"" + folder.File("QUILLON.HTM") + "\"\n");
    EXPECT_EQ(folder.Read("QUILLON.EXE"), BuiltByTheBuilder(kTemplate, start));
    EXPECT_EQ(folder.Read("QUILLON.HTM"), "<html>" + folder.Read("QUILLON.EXE"));

    // Without the form's template the program is built all the same, with a warning.
    std::remove(folder.File("QUILLON-TEMPLATE.HTM").c_str());
    const testing::CliRun without = RunCli({"quillon", "--folder", folder.path()});
    EXPECT_EQ(without.exitCode, 0);
    EXPECT_EQ(without.out, "Built \"" + folder.File("QUILLON.EXE") + "\"\n");
    EXPECT_EQ(without.err.substr(0, 62), "QUILLON Routine: ** The file QUILLON-TEMPLATE.HTM is missing.\n");
    EXPECT_FALSE(folder.Exists("QUILLON.HTM")) << "the old form is gone";
}

TEST(QuillonCommand, FailuresExitWithTheirMessageAndLeaveNoProgram) {
    struct Case {
        const char* name;
        std::vector<std::string> files;  // name, contents, name, contents ...
        std::vector<std::string> extraArgs;
        int exitCode;
        std::string errStart;
    };
    const std::string tooLong = StartFileWith(0, std::string(1000, 'n'));
    const std::vector<Case> cases = {
        {"missing template", {"POOLSTART.BKT", StartFileWith(0, "Duke")}, {}, 1,
         "QUILLON Routine: ** Error - Couldn't locate the file QUILLON.OBJ\nThis will need to be corrected before "
         "you can finalize the setup.\n\nThis file is installed as part of the installation process.\n"},
        {"field too long", {"POOLSTART.BKT", tooLong, "QUILLON.OBJ", kTemplate}, {}, 1,
         "QUILLON Routine: ** Error - The team names are too long for QUILLON.EXE.\nTogether they may hold 1005 "
         "characters; now they hold 1370.\n\nShorten some of them before you finalize the setup.\n"},
        {"no start file", {"QUILLON.OBJ", kTemplate}, {}, 1,
         "brackwell-cli quillon: there is no field to build from: \"POOLSTART.BKT\" is missing in \""},
        {"damaged start file", {"POOLSTART.BKT", "not a field\r\n", "QUILLON.OBJ", kTemplate}, {}, 1,
         "Brackwell: Problem with file, will use default values\n"},
        {"unknown argument", {"POOLSTART.BKT", StartFileWith(0, "Duke"), "QUILLON.OBJ", kTemplate}, {"--fast"}, 2,
         "brackwell-cli quillon: unexpected \"--fast\"; see brackwell-cli --help\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        for (std::size_t i = 0; i + 1 < c.files.size(); i += 2) folder.Write(c.files[i], c.files[i + 1]);
        std::vector<std::string> args = {"quillon", "--folder", folder.path()};
        args.insert(args.end(), c.extraArgs.begin(), c.extraArgs.end());
        const testing::CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.err.substr(0, c.errStart.size()), c.errStart);
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(folder.Exists("QUILLON.EXE"));
    }
}

TEST(QuillonCommand, DemoSetCarriesThePickProgramBuiltFromTheShippedTemplate) {
    const std::string shippedTemplate = kBuiltAppDir + "/QUILLON.OBJ";
    if (!std::filesystem::exists(shippedTemplate)) GTEST_SKIP() << "this build has no pick program";
    TempFolder unpacked;
    unpacked.Write("DEMOSET.ZIP", ReadBytes(kBuiltAppDir + "/DEMOSET.ZIP"));
    testing::ScriptedDialogs dialogs;
    DemoSet(modBrackwell(unpacked.path()), dialogs);
    EXPECT_EQ(unpacked.Read("QUILLON.EXE"),
              BuiltByTheBuilder(ReadBytes(shippedTemplate), unpacked.Read("POOLSTART.BKT")));
    // The form of the demo set carries the same field bytes after its page.
    const std::string form = unpacked.Read("QUILLON.HTM");
    const std::string page = ReadBytes(kBuiltAppDir + "/QUILLON-TEMPLATE.HTM");
    ASSERT_EQ(form.size(), page.size());
    const std::size_t areas = page.find("@@TEAMS@@");
    const std::string program = unpacked.Read("QUILLON.EXE");
    EXPECT_EQ(form.substr(0, areas), page.substr(0, areas));
    EXPECT_EQ(form.substr(areas), program.substr(program.find("@@TEAMS@@"), form.size() - areas));
}

}  // namespace
}  // namespace brackwell
