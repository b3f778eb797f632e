// Every reader of the application folder against the inputs a damaged or hostile folder can
// hold, and every writer against a folder it cannot write. Each gets its own message or
// default; none crashes or holds more memory than its bounds allow.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "core/HelpViewer.h"
#include "core/LineFile.h"
#include "core/SelectionFile.h"
#include "core/Settings.h"
#include "core/StartFile.h"
#include "core/TeamNames.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::ReadBytes;
using testing::RunWithoutFileOverride;
using testing::ScriptedDialogs;
using testing::TempFolder;

enum class BadInput {
    Missing, Folder, NamedPipe, Unreadable, Empty, NoLineEnds, CrOnly, NulBytes, HugeLine, MillionLines
};

const BadInput kAllBadInputs[] = {BadInput::Missing,    BadInput::Folder, BadInput::NamedPipe, BadInput::Unreadable,
                                  BadInput::Empty,      BadInput::NoLineEnds, BadInput::CrOnly,
                                  BadInput::NulBytes,   BadInput::HugeLine, BadInput::MillionLines};

std::string InputName(const ::testing::TestParamInfo<BadInput>& info) {
    switch (info.param) {
        case BadInput::Missing: return "Missing";
        case BadInput::Folder: return "Folder";
        case BadInput::NamedPipe: return "NamedPipe";
        case BadInput::Unreadable: return "Unreadable";
        case BadInput::Empty: return "Empty";
        case BadInput::NoLineEnds: return "NoLineEnds";
        case BadInput::CrOnly: return "CrOnly";
        case BadInput::NulBytes: return "NulBytes";
        case BadInput::HugeLine: return "HugeLine";
        case BadInput::MillionLines: return "MillionLines";
    }
    return "Unknown";
}

// The big inputs are written once per test program, in chunks, so that building them never
// raises the peak memory the tests measure; each test hard-links them into its own folder.
class BigInputs {
public:
    static BigInputs& Get() {
        static BigInputs inputs;
        return inputs;
    }

    // 100 MB on one line, no line end; it starts like a framed file.
    const std::string& HugeLine() {
        if (huge_.empty()) {
            huge_ = folder_.File("huge");
            std::FILE* out = std::fopen(huge_.c_str(), "wb");
            std::fputs(kStartMarker, out);
            const std::string chunk(1 << 20, 'A');
            for (int i = 0; i < 100; ++i) std::fwrite(chunk.data(), 1, chunk.size(), out);
            std::fclose(out);
        }
        return huge_;
    }

    // first, a million copies of line, last; each followed by CR LF.
    const std::string& MillionLines(const std::string& first, const std::string& line, const std::string& last) {
        std::string& path = million_[first + '\n' + line + '\n' + last];
        if (path.empty()) {
            path = folder_.File("million" + std::to_string(million_.size()));
            std::FILE* out = std::fopen(path.c_str(), "wb");
            std::fprintf(out, "%s\r\n", first.c_str());
            std::string chunk;
            for (int i = 0; i < 1000; ++i) chunk += line + "\r\n";
            for (int i = 0; i < 1000; ++i) std::fwrite(chunk.data(), 1, chunk.size(), out);
            std::fprintf(out, "%s\r\n", last.c_str());
            std::fclose(out);
        }
        return path;
    }

private:
    TempFolder folder_;
    std::string huge_;
    std::map<std::string, std::string> million_;
};

std::string Replace(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// What a reader's folder holds for each case, made from the reader's valid file.
struct ReaderFiles {
    std::string valid;          // a good file, the source of the no-line-end and CR-only cases
    std::string withNul;        // a good file with NUL bytes inside its text
    std::string millionFirst;   // the million-line file: this line, a million of millionLine,
    std::string millionLine;    // then millionLast
    std::string millionLast;
};

void Place(BadInput input, const std::string& path, const ReaderFiles& files) {
    switch (input) {
        case BadInput::Missing: return;
        case BadInput::Folder: std::filesystem::create_directory(path); return;
        // Nobody ever writes into it: a reader that waited for a writer would never return.
        case BadInput::NamedPipe: ASSERT_EQ(mkfifo(path.c_str(), 0644), 0); return;
        case BadInput::Unreadable:
            // The folder stays open to everyone, so that only the file's own mode refuses it.
            testing::MakeWritable(std::filesystem::path(path).parent_path());
            testing::WriteBytes(path, files.valid);
            chmod(path.c_str(), 0);
            return;
        case BadInput::Empty: testing::WriteBytes(path, ""); return;
        case BadInput::NoLineEnds: testing::WriteBytes(path, Replace(files.valid, "\r\n", "")); return;
        case BadInput::CrOnly: testing::WriteBytes(path, Replace(files.valid, "\r\n", "\r")); return;
        case BadInput::NulBytes: testing::WriteBytes(path, files.withNul); return;
        case BadInput::HugeLine: std::filesystem::create_hard_link(BigInputs::Get().HugeLine(), path); return;
        case BadInput::MillionLines:
            std::filesystem::create_hard_link(
                BigInputs::Get().MillionLines(files.millionFirst, files.millionLine, files.millionLast), path);
            return;
    }
}

long PeakMemoryKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs the reader and its checks; for an unreadable file in a child that cannot override file
// permissions, so the case holds when the tests run as root. Big inputs must not raise the
// peak memory by more than a few megabytes.
void RunReader(BadInput input, const std::function<void()>& readAndCheck) {
    if (input == BadInput::Unreadable) {
        EXPECT_TRUE(RunWithoutFileOverride([&] {
            readAndCheck();
            return !::testing::Test::HasFailure();
        }));
        return;
    }
    const long before = PeakMemoryKb();
    readAndCheck();
    EXPECT_LT(PeakMemoryKb() - before, 16 * 1024) << "kilobytes of peak memory taken by one read";
}

const std::string kNulName("Du\0ke", 5);

// --- ReadStartFile ---

ReaderFiles StartFiles() {
    StartLinesArray lines = DefaultStartLines();
    lines[0] = "Duke";
    const std::string valid = StartFileContents(lines);
    lines[0] = kNulName;
    lines[kTitleLine] = std::string("Title\0\0", 7);
    return {valid, StartFileContents(lines), kStartMarker, "TEAM", kEndMarker};
}

class StartFileBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(StartFileBadInput, GivesDefaultsOrLoadsAndNeverMore) {
    const BadInput input = GetParam();
    TempFolder folder;
    Place(input, folder.File(kStartFileName), StartFiles());
    RunReader(input, [&] {
        modBrackwell model(folder.path());
        model.StartLines.fill("old");
        ScriptedDialogs dialogs;
        dialogs.AllowMessages();
        ReadStartFile(model, dialogs);
        if (input == BadInput::NulBytes) {
            EXPECT_TRUE(dialogs.messages().empty());
            EXPECT_EQ(model.StartLines[0], kNulName);
            EXPECT_EQ(model.TournamentTitle, std::string("Title\0\0", 7));
            return;
        }
        const bool malformed =
            input == BadInput::NoLineEnds || input == BadInput::CrOnly || input == BadInput::HugeLine;
        ASSERT_EQ(dialogs.messages().size(), malformed ? 1u : 0u);
        if (malformed) {
            EXPECT_EQ(dialogs.messages()[0].text, "Problem with file, will use default values");
        }
        const StartLinesArray defaults = DefaultStartLines();
        for (int i = 0; i <= kStartEndLine; ++i) EXPECT_EQ(model.StartLines[i], defaults[i]) << i;
        EXPECT_EQ(model.TournamentTitle, "2002 NCAA Tournament");
    });
}

INSTANTIATE_TEST_SUITE_P(EveryInput, StartFileBadInput, ::testing::ValuesIn(kAllBadInputs), InputName);

// --- ReadTeamNames ---

ReaderFiles TeamListFiles() {
    return {testing::CrLf({kStartMarker, "Duke", "Kansas", kEndMarker}),
            testing::CrLf({kStartMarker, kNulName, "Kansas", kEndMarker}), kStartMarker, "Kansas", kEndMarker};
}

class TeamNamesBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(TeamNamesBadInput, ReportsTheListAsDamagedUnlessItHoldsOnlyOddBytes) {
    const BadInput input = GetParam();
    TempFolder folder;
    Place(input, folder.File(kTeamListFileName), TeamListFiles());
    RunReader(input, [&] {
        modBrackwell model(folder.path());
        model.TeamNameList = {"", "old"};
        ScriptedDialogs dialogs;
        dialogs.AllowMessages();
        const bool read = ReadTeamNames(model, dialogs);
        if (input == BadInput::NulBytes) {
            EXPECT_TRUE(read);
            EXPECT_TRUE(dialogs.messages().empty());
            ASSERT_EQ(model.TeamNameList.size(), 4u + kSpareTeamNameEntries);
            EXPECT_EQ(model.TeamNameList[1], kNulName);
            return;
        }
        EXPECT_FALSE(read);
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].text,
                  "Problem locating or Reading NCAALIST.BKT file\r\n\r\nMODULE: modBrackwell - ReadTeamNames");
        EXPECT_EQ(dialogs.messages()[0].title, kAppTitle);
        for (const std::string& name : model.TeamNameList) EXPECT_EQ(name, "");
    });
}

INSTANTIATE_TEST_SUITE_P(EveryInput, TeamNamesBadInput, ::testing::ValuesIn(kAllBadInputs), InputName);

// --- ReadSelections ---

SelLinesArray SampleSelection() {
    SelLinesArray lines{};
    for (int p = 1; p <= kPositionCount; ++p) lines[p] = "Team " + std::to_string(p);
    lines[kInitialsLine] = "TM";
    lines[kPlayerNameLine] = "Smith";
    lines[kFinalPointsLine] = "145";
    lines[kSelectionEndLine] = kEndMarker;
    return lines;
}

std::string SelectionBytes(const SelLinesArray& lines) {
    return JoinLines(std::vector<std::string>(lines.begin() + 1, lines.end()));
}

ReaderFiles SelectionFiles() {
    SelLinesArray lines = SampleSelection();
    const std::string valid = SelectionBytes(lines);
    lines[1] = kNulName;
    lines[kPlayerNameLine] = std::string("\0", 1);
    return {valid, SelectionBytes(lines), "Team 1", "Team", kEndMarker};
}

class SelectionsBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(SelectionsBadInput, ReportsTheFileAndKeepsWhatWasRead) {
    const BadInput input = GetParam();
    TempFolder folder;
    const std::string path = folder.File("Smith_TM.BKS");
    Place(input, path, SelectionFiles());
    RunReader(input, [&] {
        modBrackwell model(folder.path());
        model.SelLines.fill("old");
        ScriptedDialogs dialogs;
        dialogs.AllowMessages();
        const bool read = ReadSelections(model, dialogs, path);
        EXPECT_EQ(model.SelLines[0], "");
        if (input == BadInput::NulBytes) {
            EXPECT_TRUE(read);
            EXPECT_TRUE(dialogs.messages().empty());
            EXPECT_EQ(model.SelLines[1], kNulName);
            EXPECT_EQ(model.SelLines[kPlayerNameLine], std::string("\0", 1));
            return;
        }
        EXPECT_FALSE(read);
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].title, "** ERROR IN OPENING FILE - ReadSelections Routine **");
        EXPECT_EQ(dialogs.messages()[0].text,
                  "There is a problem opening: " + path + "\r\n\r\n The program will attempt to continue ......");
        if (input == BadInput::MillionLines) {
            EXPECT_EQ(model.SelLines[1], "Team 1");
            EXPECT_EQ(model.SelLines[kSelectionEndLine], "Team");
        } else if (input == BadInput::NoLineEnds || input == BadInput::CrOnly) {
            EXPECT_EQ(model.SelLines[1].substr(0, 6), "Team 1");
            EXPECT_EQ(model.SelLines[2], "");
        } else {
            for (int i = 1; i <= kSelectionEndLine; ++i) EXPECT_EQ(model.SelLines[i], "") << i;
        }
    });
}

INSTANTIATE_TEST_SUITE_P(EveryInput, SelectionsBadInput, ::testing::ValuesIn(kAllBadInputs), InputName);

// --- DemoModeActive ---

ReaderFiles SettingsFiles() {
    return {testing::CrLf({"1", "demo"}), testing::CrLf({std::string("1\0", 2)}), "1", "0", "0"};
}

class SettingsBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(SettingsBadInput, DemoModeIsOnOnlyForAFirstLineOfOne) {
    const BadInput input = GetParam();
    TempFolder folder;
    Place(input, folder.File(kSettingsFileName), SettingsFiles());
    RunReader(input, [&] {
        // Only the first line counts, so a million lines after a "1" still mean demo mode.
        EXPECT_EQ(DemoModeActive(modBrackwell(folder.path())), input == BadInput::MillionLines);
    });
}

INSTANTIATE_TEST_SUITE_P(EveryInput, SettingsBadInput, ::testing::ValuesIn(kAllBadInputs), InputName);

// --- ReadHelpFile ---

class HelpFileBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(HelpFileBadInput, GivesTheBytesOfASmallRegularFileAndNothingElse) {
    const BadInput input = GetParam();
    TempFolder folder;
    const std::string path = folder.File(kHelpFileName);
    const ReaderFiles files{"<html>\r\n<p>Help</p>\r\n", std::string("<p>\0</p>", 8), "<p>", "<br>", "</p>"};
    Place(input, path, files);
    RunReader(input, [&] {
        const std::optional<std::string> bytes = ReadHelpFile(path);
        // The huge line and the million lines are larger than any help file.
        const bool taken = input == BadInput::Empty || input == BadInput::NoLineEnds || input == BadInput::CrOnly ||
                           input == BadInput::NulBytes;
        ASSERT_EQ(bytes.has_value(), taken);
        EXPECT_EQ(bytes.value_or(""), taken ? testing::ReadBytes(path) : "");
    });
}

INSTANTIATE_TEST_SUITE_P(EveryInput, HelpFileBadInput, ::testing::ValuesIn(kAllBadInputs), InputName);

TEST(HelpFileBadInput, ALinkIsFollowedToAFileOnlyAndTheSizeLimitHolds) {
    TempFolder folder;
    folder.Write("real.hlp", "<p>linked</p>");
    std::filesystem::create_symlink(folder.File("real.hlp"), folder.File("linked.hlp"));
    EXPECT_EQ(ReadHelpFile(folder.File("linked.hlp")), "<p>linked</p>");
    std::filesystem::create_symlink("/dev/zero", folder.File(kHelpFileName));
    EXPECT_EQ(ReadHelpFile(folder.File("brackwell.hlp")), std::nullopt) << "a device, found in any case of the name";
    folder.Write("limit.hlp", std::string(kMaxHelpFileSize, 'x'));
    EXPECT_TRUE(ReadHelpFile(folder.File("limit.hlp")));
    folder.Write("over.hlp", std::string(kMaxHelpFileSize + 1, 'x'));
    EXPECT_EQ(ReadHelpFile(folder.File("over.hlp")), std::nullopt);
}

// --- Writers on a folder they cannot write ---

struct WriterCase {
    const char* name;
    std::string fileName;
    std::function<void(modBrackwell&, ScriptedDialogs&)> write;
    std::string advice;  // the last line of the message
};

class WriterOnReadOnlyFolder : public ::testing::TestWithParam<WriterCase> {};

TEST_P(WriterOnReadOnlyFolder, ShowsItsMessageAndKeepsTheOldFile) {
    const WriterCase& writer = GetParam();
    TempFolder folder;
    const std::string oldBytes = testing::CrLf({kStartMarker, "the old file", kEndMarker});
    folder.Write(writer.fileName, oldBytes);
    testing::MakeReadOnly(folder.path());
    EXPECT_TRUE(RunWithoutFileOverride([&] {
        modBrackwell model(folder.path());
        model.TeamNamesChanged = true;
        ScriptedDialogs dialogs;
        dialogs.AllowMessages();
        writer.write(model, dialogs);
        const auto messages = dialogs.messages();
        EXPECT_FALSE(messages.empty());
        if (!messages.empty()) {
            EXPECT_EQ(messages.back().title, "** ERROR IN WRITING FILE **");
            EXPECT_EQ(messages.back().text,
                      "There is a problem writing file: " + folder.File(writer.fileName) + "\r\n" + writer.advice);
        }
        return !::testing::Test::HasFailure();
    }));
    testing::MakeWritable(folder.path());
    EXPECT_EQ(folder.Read(writer.fileName), oldBytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()), 1) << "a temporary file was left";
}

INSTANTIATE_TEST_SUITE_P(
    EveryWriter, WriterOnReadOnlyFolder,
    ::testing::Values(
        WriterCase{"StartFile", kStartFileName,
                   [](modBrackwell& model, ScriptedDialogs& dialogs) {
                       EXPECT_FALSE(WriteStartFile(model, dialogs, DefaultStartLines()));
                   },
                   " Check for adequate space in the Application Directory"},
        WriterCase{"TeamNames", kTeamListFileName,
                   [](modBrackwell& model, ScriptedDialogs& dialogs) {
                       dialogs.Answer(MsgAnswer::Yes);
                       WriteTeamNames(model, dialogs, {"Duke"}, {});
                   },
                   " Check for adequate space in the Application Directory"},
        WriterCase{"Selections", "Smith_TM.BKS",
                   [](modBrackwell& model, ScriptedDialogs& dialogs) {
                       EXPECT_FALSE(WriteSelections(model, dialogs, model.AppFilePath("Smith_TM.BKS")));
                   },
                   " Check your selection and retry."}),
    [](const ::testing::TestParamInfo<WriterCase>& info) { return std::string(info.param.name); });

// --- Every byte a name may hold survives a write and a read ---

std::vector<std::string> NamesOfEveryByte() {
    std::vector<std::string> names;
    for (int byte = 0x20; byte <= 0xFF; ++byte) names.push_back(std::string("N") + static_cast<char>(byte) + " ");
    return names;
}

TEST(EveryByte, SurvivesTheStartFile) {
    TempFolder folder;
    modBrackwell model(folder.path());
    ScriptedDialogs dialogs;
    const auto names = NamesOfEveryByte();
    StartLinesArray lines = DefaultStartLines();
    for (std::size_t i = 0; i < names.size(); i += 64) {
        for (std::size_t k = 0; k < 64 && i + k < names.size(); ++k) lines[k] = names[i + k];
        ASSERT_TRUE(WriteStartFile(model, dialogs, lines));
        ReadStartFile(model, dialogs);
        for (std::size_t k = 0; k < 64 && i + k < names.size(); ++k) EXPECT_EQ(model.StartLines[k], names[i + k]);
    }
}

TEST(EveryByte, SurvivesASelectionFile) {
    TempFolder folder;
    modBrackwell model(folder.path());
    ScriptedDialogs dialogs;
    const auto names = NamesOfEveryByte();
    const std::string path = folder.File("Every_BY.BKS");
    for (std::size_t i = 0; i < names.size(); i += kPositionCount) {
        for (int p = 1; p <= kPositionCount; ++p) model.SelLines[p] = names[(i + p - 1) % names.size()];
        const SelLinesArray written = model.SelLines;
        ASSERT_TRUE(WriteSelections(model, dialogs, path));
        ASSERT_TRUE(ReadSelections(model, dialogs, path));
        for (int p = 1; p <= kPositionCount; ++p) EXPECT_EQ(model.SelLines[p], written[p]);
    }
}

TEST(EveryByte, SurvivesTheTeamList) {
    TempFolder folder;
    modBrackwell model(folder.path());
    model.TeamNamesChanged = true;
    ScriptedDialogs dialogs;
    dialogs.Answer(MsgAnswer::Yes);
    std::vector<TypedTeamName> typed;
    for (const std::string& name : NamesOfEveryByte()) typed.push_back({0, name});
    const std::vector<std::string> list = WriteTeamNames(model, dialogs, {}, typed);
    ASSERT_EQ(list.size(), typed.size());
    ASSERT_TRUE(ReadTeamNames(model, dialogs));
    ASSERT_EQ(model.TeamNameList.size(), list.size() + 2 + kSpareTeamNameEntries);
    for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(model.TeamNameList[i + 1], list[i]);
}

}  // namespace
}  // namespace brackwell
