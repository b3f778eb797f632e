// The build of QUILLON.EXE: the template's bytes with the field written over the filler of its
// two areas, and the refusals that leave no program behind.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/Model.h"
#include "fieldblock/PickProgramBuilder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::ReadBytes;
using testing::ScriptedDialogs;
using testing::TempFolder;

const std::string kTeamsArea = "@@TEAMS@@" + std::string(1070, '.') + std::string(1, '\0');
const std::string kOthersArea = "@@OTHERS@@" + std::string(389, '.') + std::string(1, '\0');

// A template: bytes before, the two areas back to back, bytes after.
std::string Template(const std::string& before, const std::string& after = std::string("\x7f" "ELF tail\0\1", 11)) {
    return before + kTeamsArea + kOthersArea + after;
}

// What the builder must make of a template: the area texts written right after each marker.
std::string Filled(std::string image, std::size_t teamsAt, const std::string& teamsText, std::size_t othersAt,
                   const std::string& othersText) {
    image.replace(teamsAt + 9, teamsText.size(), teamsText);
    image.replace(othersAt + 10, othersText.size(), othersText);
    return image;
}

std::string Joined(const auto& items) {
    std::string text;
    for (const std::string& item : items) text += item + "^";
    return text + std::string(1, '\0');
}

PickField DefaultField() { return PickFieldFromStartLines(DefaultStartLines()); }

class PickProgramBuilderTest : public ::testing::Test {
protected:
    bool Build(const PickField& field, const BuildProgress& progress = {}) {
        return BuildPickProgram(model_, field, dialogs_, progress);
    }
    std::string Program() const { return folder_.Read("QUILLON.EXE"); }
    // The one message shown, which must be the builder's own.
    std::string OnlyMessage() const {
        const auto messages = dialogs_.messages();
        EXPECT_EQ(messages.size(), 1u);
        if (messages.empty()) return {};
        EXPECT_EQ(messages[0].title, "QUILLON Routine");
        EXPECT_EQ(messages[0].icon, MsgIcon::Critical);
        return messages[0].text;
    }

    TempFolder folder_;
    modBrackwell model_{folder_.path()};
    ScriptedDialogs dialogs_;
};

TEST_F(PickProgramBuilderTest, DefaultFieldIsWrittenOverTheFillerAndNothingElse) {
    const std::string before = "binary\0head@@TEAM" + std::string(5000, 'x');
    const std::string image = Template(before);
    folder_.Write("QUILLON.OBJ", image);
    folder_.Write("QUILLON.EXE", "an old build");

    ASSERT_TRUE(Build(DefaultField()));

    std::vector<std::string> teams;
    for (int i = 1; i <= 64; ++i) teams.push_back("TEAM" + std::to_string(i));
    const std::string othersText = "2002 NCAA Tournament^Midwest Region^South Region^East Region^West Region^"
                                   "1^2^4^8^12^16^^^" + std::string(1, '\0');
    const std::string expected =
        Filled(image, before.size(), Joined(teams), before.size() + kTeamsArea.size(), othersText);
    EXPECT_EQ(Program().size(), image.size());
    EXPECT_EQ(Program(), expected);
    struct stat info{};
    ASSERT_EQ(stat(folder_.File("QUILLON.EXE").c_str(), &info), 0);
    EXPECT_NE(info.st_mode & S_IXUSR, 0u) << "the program can be run";

    ASSERT_TRUE(Build(DefaultField()));
    EXPECT_EQ(Program(), expected) << "a second build gives the same bytes";
    EXPECT_TRUE(dialogs_.calls().empty());
}

TEST_F(PickProgramBuilderTest, MarkerMatchingFollowsTheCounterRule) {
    struct Case {
        const char* name;
        std::string before;  // bytes ahead of the real areas
    };
    const std::vector<Case> cases = {
        // The third "@" breaks the match and is not taken as a new first "@".
        {"three at signs", "@@@TEAMS@@" + std::string(1080, '.')},
        {"others marker ahead of the teams marker", "@@OTHERS@@" + std::string(400, '.')},
        // The markers straddle the 64 KiB chunks the template passes through in.
        {"teams marker across a chunk boundary", std::string(64 * 1024 - 4, 'z')},
        {"others marker across a chunk boundary", std::string(64 * 1024 - 1080 - 5, 'z')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string image = Template(c.before);
        folder_.Write("QUILLON.OBJ", image);
        ASSERT_TRUE(Build(DefaultField()));
        PickField field = DefaultField();
        const std::string expected = Filled(image, c.before.size(), Joined(field.teams),
                                            c.before.size() + kTeamsArea.size(), Joined(field.others));
        EXPECT_EQ(Program(), expected);
    }
}

TEST_F(PickProgramBuilderTest, TemplateWithoutBothAreasIsCopiedAsFarAsItHasThem) {
    const std::string plain = std::string("no markers here @@TEAMS@ @@@OTHERS@@\0", 37);
    folder_.Write("QUILLON.OBJ", plain);
    ASSERT_TRUE(Build(DefaultField()));
    EXPECT_EQ(Program(), plain);

    const std::string teamsOnly = "head" + kTeamsArea + "tail";
    folder_.Write("QUILLON.OBJ", teamsOnly);
    ASSERT_TRUE(Build(DefaultField()));
    std::string expected = teamsOnly;
    const std::string teamsText = Joined(DefaultField().teams);
    expected.replace(4 + 9, teamsText.size(), teamsText);
    EXPECT_EQ(Program(), expected);
}

TEST_F(PickProgramBuilderTest, ItemsAreWrittenAsTheirBytes) {
    PickField field = DefaultField();
    field.teams[0] = "Texas A&M";
    field.teams[1] = "St. John's | NY";
    field.teams[63] = "Universit\xe9 \x80";
    field.teams[5] = "";
    field.others[11] = "Line one\r\nLine two|three";
    const std::string image = Template("x");
    folder_.Write("QUILLON.OBJ", image);
    ASSERT_TRUE(Build(field));
    EXPECT_EQ(Program(), Filled(image, 1, Joined(field.teams), 1 + kTeamsArea.size(), Joined(field.others)));
}

TEST_F(PickProgramBuilderTest, FieldThatCannotBeCarriedIsRefusedAndNothingWritten) {
    struct Case {
        const char* name;
        void (*change)(PickField&);
        std::string message;
    };
    const std::string correct = "\r\nCorrect it before you finalize the setup.";
    const std::vector<Case> cases = {
        {"separator in a name", [](PickField& f) { f.teams[3] = "Duke^2"; },
         "** Error - The team name \"Duke^2\" holds a character that QUILLON.EXE cannot carry: \"^\"." + correct},
        {"line break in a name", [](PickField& f) { f.teams[0] = "Du\r\nke"; },
         "** Error - The team name \"Du\r\nke\" holds a character that QUILLON.EXE cannot carry: a line break." +
             correct},
        {"NUL in the title", [](PickField& f) { f.others[0] = std::string("Pool\0", 5); },
         "** Error - The title \"" + std::string("Pool\0", 5) +
             "\" holds a character that QUILLON.EXE cannot carry: a NUL byte." + correct},
        {"line break in a points field", [](PickField& f) { f.others[7] = "4\n"; },
         "** Error - The points for round 3 holds a character that QUILLON.EXE cannot carry: a line break." +
             correct},
        {"separator in a comment", [](PickField& f) { f.others[12] = "a^b"; },
         "** Error - Comment 2 holds a character that QUILLON.EXE cannot carry: \"^\"." + correct},
        {"lone line feed in a comment", [](PickField& f) { f.others[11] = "a\r\nb\nc"; },
         "** Error - Comment 1 holds a character that QUILLON.EXE cannot carry: a line feed (LF) without a "
         "carriage return before it." + correct},
        {"lone carriage return in a comment", [](PickField& f) { f.others[12] = "a\rb"; },
         "** Error - Comment 2 holds a character that QUILLON.EXE cannot carry: a carriage return (CR) without a "
         "line feed after it." + correct},
        {"carriage return ending a comment", [](PickField& f) { f.others[11] = "a\r"; },
         "** Error - Comment 1 holds a character that QUILLON.EXE cannot carry: a carriage return (CR) without a "
         "line feed after it." + correct},
        {"names one character too long",
         [](PickField& f) {
             for (auto& name : f.teams) name = std::string(15, 'n');
             f.teams[0] += std::string(46, 'n');
         },
         "** Error - The team names are too long for QUILLON.EXE.\r\nTogether they may hold 1005 characters; now "
         "they hold 1006.\r\n\r\nShorten some of them before you finalize the setup."},
        {"others one character too long",
         [](PickField& f) {
             for (auto& item : f.others) item.clear();
             f.others[11] = std::string(376, 'c');
         },
         "** Error - The title, region names, points and comments are too long for QUILLON.EXE.\r\nTogether they "
         "may hold 375 characters; now they hold 376.\r\n\r\nShorten some of them before you finalize the setup."},
    };
    folder_.Write("QUILLON.OBJ", Template("x"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        folder_.Write("QUILLON.EXE", "old build");
        dialogs_.ClearCalls();
        dialogs_.Answer(MsgAnswer::OK);
        PickField field = DefaultField();
        c.change(field);
        EXPECT_FALSE(Build(field));
        EXPECT_EQ(OnlyMessage(), c.message);
        EXPECT_FALSE(folder_.Exists("QUILLON.EXE"));
    }
}

TEST_F(PickProgramBuilderTest, FieldFillingItsAreasExactlyIsBuilt) {
    PickField field = DefaultField();
    for (auto& name : field.teams) name = std::string(15, 'n');
    field.teams[0] += std::string(45, 'n');  // 1005 characters together
    for (auto& item : field.others) item.clear();
    field.others[12] = std::string(375, 'c');
    const std::string image = Template("");
    folder_.Write("QUILLON.OBJ", image);
    ASSERT_TRUE(Build(field));
    EXPECT_EQ(Program(), Filled(image, 0, Joined(field.teams), kTeamsArea.size(), Joined(field.others)));
    EXPECT_EQ(Program().substr(kTeamsArea.size() - 1, 1), std::string(1, '\0')) << "the area's own NUL";
}

// The names in the folder other than the template.
std::vector<std::string> EntriesBesideTheTemplate(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename() != "QUILLON.OBJ") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(PickProgramBuilderTest, AKilledBuildLeavesTheOldProgramAndTheNextRemovesItsTemporary) {
    const std::string image = Template(std::string(300 * 1024, 'b'));
    folder_.Write("QUILLON.OBJ", image);
    folder_.Write("QUILLON.EXE", "an old build");
    // The build is killed halfway through the template.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Build(DefaultField(), [](std::size_t done, std::size_t) {
            if (done > 0) _exit(0);
        });
        _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "killed while writing";
    EXPECT_EQ(Program(), "an old build") << "the old program stays until the new one replaces it";
    std::vector<std::string> left = EntriesBesideTheTemplate(folder_.path());
    ASSERT_EQ(left.size(), 2u);
    EXPECT_TRUE(IsTemporaryOf(left[0], "QUILLON.EXE")) << left[0];

    // Temporaries of builds of an earlier version carried no process id; a file that only
    // looks like one stays, and so does the temporary of a build still running.
    for (const char* stale : {".QUILLON.EXE.Ab3xY9", ".QUILLON.HTM.q1w2e3"}) folder_.Write(stale, "stale");
    const std::string running = ".QUILLON.EXE." + std::to_string(getppid()) + ".Zz9Zz9";
    for (const std::string& kept : {std::string(".QUILLON.EXE.notes.txt"), running}) folder_.Write(kept, "kept");
    ASSERT_TRUE(Build(DefaultField(), [&](std::size_t, std::size_t) {
        EXPECT_TRUE(folder_.Exists("QUILLON.EXE")) << "never without a program";
    }));
    folder_.Write("QUILLON-TEMPLATE.HTM", Template("<html>"));
    ASSERT_TRUE(BuildPickForm(model_, DefaultField(), dialogs_));
    EXPECT_EQ(Program(), Filled(image, 300 * 1024, Joined(DefaultField().teams), 300 * 1024 + kTeamsArea.size(),
                                Joined(DefaultField().others)));
    EXPECT_EQ(EntriesBesideTheTemplate(folder_.path()),
              (std::vector<std::string>{running, ".QUILLON.EXE.notes.txt", "QUILLON-TEMPLATE.HTM", "QUILLON.EXE",
                                        "QUILLON.HTM"}));
}

TEST_F(PickProgramBuilderTest, MissingTemplateIsReportedAfterTheOldProgramIsDeleted) {
    folder_.Write("quillon.exe", "old build");
    dialogs_.Answer(MsgAnswer::OK);
    EXPECT_FALSE(Build(DefaultField()));
    EXPECT_EQ(OnlyMessage(),
              "** Error - Couldn't locate the file QUILLON.OBJ\r\nThis will need to be corrected before you can "
              "finalize the setup.\r\n\r\nThis file is installed as part of the installation process.");
    EXPECT_FALSE(folder_.Exists("quillon.exe"));
}

TEST_F(PickProgramBuilderTest, TemplateEndingInsideAnAreaIsRefused) {
    folder_.Write("QUILLON.OBJ", "head@@TEAMS@@" + std::string(200, '.'));
    dialogs_.Answer(MsgAnswer::OK);
    EXPECT_FALSE(Build(DefaultField()));
    EXPECT_EQ(OnlyMessage(),
              "** Error - The file QUILLON.OBJ is damaged: it ends inside its field area.\r\nThis will need to be "
              "corrected before you can finalize the setup.\r\n\r\nThis file is installed as part of the "
              "installation process.");
    EXPECT_EQ(ListFilesWithExtension(folder_.path(), "").size(), 1u) << "only the template is left";
}

TEST_F(PickProgramBuilderTest, UnreadableTemplateOrUnwritableFolderLeavesNoProgram) {
    folder_.Write("QUILLON.OBJ", Template("x"));
    chmod(folder_.File("QUILLON.OBJ").c_str(), 0);
    EXPECT_TRUE(testing::RunWithoutFileOverride([&] {
        dialogs_.Answer(MsgAnswer::OK);
        return !Build(DefaultField()) &&
               OnlyMessage() == "** Error - Couldn't read the file QUILLON.OBJ\r\nThis will need to be corrected "
                                "before you can finalize the setup." &&
               !folder_.Exists("QUILLON.EXE") && !::testing::Test::HasFailure();
    }));
    chmod(folder_.File("QUILLON.OBJ").c_str(), 0644);

    testing::MakeReadOnly(folder_.path());
    EXPECT_TRUE(testing::RunWithoutFileOverride([&] {
        dialogs_.Answer(MsgAnswer::OK);
        return !Build(DefaultField()) &&
               OnlyMessage() == "** Error - Couldn't write the file " + folder_.File("QUILLON.EXE") +
                                    "\r\nCheck that the folder can be written to and has room, then finalize "
                                    "the setup again." &&
               !::testing::Test::HasFailure();
    }));
    testing::MakeWritable(folder_.path());
    EXPECT_EQ(ListFilesWithExtension(folder_.path(), "").size(), 1u) << "no program and no temporary file";
}

TEST_F(PickProgramBuilderTest, ProgressRisesInChunksToTheTotal) {
    const std::string image = Template(std::string(300 * 1024, 'b'));
    folder_.Write("QUILLON.OBJ", image);
    std::vector<std::size_t> done;
    ASSERT_TRUE(Build(DefaultField(), [&](std::size_t d, std::size_t total) {
        EXPECT_EQ(total, image.size());
        done.push_back(d);
    }));
    ASSERT_FALSE(done.empty());
    EXPECT_EQ(done.front(), 0u);
    EXPECT_EQ(done.back(), image.size());
    EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));
    EXPECT_LE(done.size(), image.size() / (64 * 1024) + 2) << "not once per byte";
}

TEST(PickFieldFromStartLinesTest, TakesTeamsOthersAndCommentsWithLineBreaks) {
    StartLinesArray lines = DefaultStartLines();
    lines[5] = "Kansas";
    lines[kComment1Line] = "one|two";
    lines[kComment2Line] = "three";
    const PickField field = PickFieldFromStartLines(lines);
    EXPECT_EQ(field.teams[5], "Kansas");
    EXPECT_EQ(field.teams[63], "TEAM64");
    EXPECT_EQ(field.others[0], "2002 NCAA Tournament");
    EXPECT_EQ(field.others[4], "West Region");
    EXPECT_EQ(field.others[10], "16");
    EXPECT_EQ(field.others[11], "one\r\ntwo");
    EXPECT_EQ(field.others[12], "three");
}

// The browser form: the template the build makes carries the same two areas as QUILLON.OBJ,
// and the same builder fills them.
class PickFormBuilderTest : public PickProgramBuilderTest {
protected:
    void SetUp() override {
        page_ = ReadBytes(std::string(BRACKWELL_APP_DIR) + "/QUILLON-TEMPLATE.HTM");
        ASSERT_FALSE(page_.empty());
        folder_.Write("QUILLON-TEMPLATE.HTM", page_);
    }
    std::string page_;
};

TEST_F(PickFormBuilderTest, TemplateCarriesTheProgramsAreasAtTheFirstMarkers) {
    const std::size_t teamsAt = page_.find("@@TEAMS@@");
    ASSERT_NE(teamsAt, std::string::npos);
    EXPECT_EQ(page_.substr(teamsAt), kTeamsArea + kOthersArea) << "the areas close the page, back to back";
    EXPECT_EQ(page_.find("@@OTHERS@@"), teamsAt + kTeamsArea.size());
    EXPECT_NE(page_.find("<meta charset=\"windows-1252\">"), std::string::npos);
    EXPECT_LT(page_.find("<meta charset"), 1024u) << "where browsers look for the encoding";
}

TEST_F(PickFormBuilderTest, FormIsFilledAsTheProgramIsAndKeepsItsLength) {
    PickField field = DefaultField();
    field.teams[0] = "Texas A&M";
    field.teams[7] = "<b>\"O'Neil\"</b>";
    field.teams[63] = "Universit\xe9 \x80\x81";
    field.others[11] = "Line one\r\nLine two";
    folder_.Write("QUILLON.OBJ", Template("head"));
    folder_.Write("QUILLON.HTM", "last season's form");
    ASSERT_TRUE(BuildPickProgram(model_, field, dialogs_));
    EXPECT_EQ(folder_.Read("QUILLON.HTM"), "last season's form") << "the form's own build replaces it";
    ASSERT_TRUE(BuildPickForm(model_, field, dialogs_));
    const std::size_t teamsAt = page_.find("@@TEAMS@@");
    const std::string form = folder_.Read("QUILLON.HTM");
    EXPECT_EQ(form.size(), page_.size());
    EXPECT_EQ(form, Filled(page_, teamsAt, Joined(field.teams), teamsAt + kTeamsArea.size(), Joined(field.others)));
    EXPECT_EQ(form.substr(teamsAt), Program().substr(4, kTeamsArea.size() + kOthersArea.size()))
        << "the same area bytes as in QUILLON.EXE";
    EXPECT_TRUE(dialogs_.calls().empty());
}

TEST_F(PickFormBuilderTest, MissingOrDamagedTemplateWarnsAndLeavesNoForm) {
    struct Case {
        const char* name;
        std::string templateBytes;  // empty: no template at all
        std::string message;
    };
    const std::string notBuilt =
        "\r\nThe pick form QUILLON.HTM for browsers was not built; QUILLON.EXE was built and can be sent as before.";
    const std::vector<Case> cases = {
        {"missing", "",
         "** The file QUILLON-TEMPLATE.HTM is missing.\r\nThis file is installed as part of the installation "
         "process." + notBuilt},
        {"cut short", "<html>@@TEAMS@@...",
         "** Error - The file QUILLON-TEMPLATE.HTM is damaged: it ends inside its field area.\r\nThis file is "
         "installed as part of the installation process." + notBuilt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::remove(folder_.File("QUILLON-TEMPLATE.HTM").c_str());
        if (!c.templateBytes.empty()) folder_.Write("QUILLON-TEMPLATE.HTM", c.templateBytes);
        folder_.Write("QUILLON.HTM", "old form");
        dialogs_.ClearCalls();
        dialogs_.Answer(MsgAnswer::OK);
        EXPECT_FALSE(BuildPickForm(model_, DefaultField(), dialogs_));
        ASSERT_EQ(dialogs_.messages().size(), 1u);
        EXPECT_EQ(dialogs_.messages()[0].title, "QUILLON Routine");
        EXPECT_EQ(dialogs_.messages()[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(dialogs_.messages()[0].text, c.message);
        EXPECT_FALSE(folder_.Exists("QUILLON.HTM"));
    }
}

}  // namespace
}  // namespace brackwell
