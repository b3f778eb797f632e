// A writer killed at any moment of replacing a file leaves either the whole old file or the
// whole new one, and the next write of that file leaves no temporary behind.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <set>
#include <string>

#include "core/RosterFile.h"
#include "core/StartFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::ScriptedDialogs;
using testing::TempFolder;

struct Contents {
    StartLinesArray start = DefaultStartLines();
    std::vector<std::string> roster;
};

Contents Version(const std::string& tag) {
    Contents c;
    c.start[kTitleLine] = tag + " title";
    for (int i = 0; i < 64; ++i) c.start[i] = tag + " team " + std::to_string(i);
    for (int i = 0; i < 200; ++i)
        c.roster.push_back(DisplayLineOf({tag + " player " + std::to_string(i), tag + ".BKS", "", ""}));
    return c;
}

void WriteBoth(const modBrackwell& model, Dialogs& dialogs, const Contents& c) {
    WriteStartFile(model, dialogs, c.start);
    WriteRoster(model, dialogs, c.roster);
}

std::set<std::string> Entries(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

TEST(CrashDuringReplace, EveryKillLeavesOldOrNewBytesAndNoTemporaryAfterTheNextWrite) {
    TempFolder folder;
    const modBrackwell model(folder.path());
    ScriptedDialogs dialogs;
    const Contents old = Version("old");
    const Contents fresh = Version("new");
    WriteBoth(model, dialogs, fresh);
    const std::string freshStart = folder.Read(kStartFileName);
    const std::string freshRoster = folder.Read(kRosterFileName);
    WriteBoth(model, dialogs, old);
    const std::string oldStart = folder.Read(kStartFileName);
    const std::string oldRoster = folder.Read(kRosterFileName);

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delay(0, 3000);  // microseconds into the writing loop
    for (int kill = 0; kill < 200; ++kill) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ready[0]);
            ScriptedDialogs quiet;
            quiet.AllowMessages();
            const char go = 'g';
            if (write(ready[1], &go, 1) != 1) _exit(1);
            for (bool toNew = true;; toNew = !toNew) WriteBoth(model, quiet, toNew ? fresh : old);
        }
        close(ready[1]);
        char go = 0;
        ASSERT_EQ(read(ready[0], &go, 1), 1);
        close(ready[0]);
        usleep(static_cast<useconds_t>(delay(random)));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);

        const std::string start = folder.Read(kStartFileName);
        const std::string roster = folder.Read(kRosterFileName);
        ASSERT_TRUE(start == oldStart || start == freshStart) << "kill " << kill << ": a torn start file";
        ASSERT_TRUE(roster == oldRoster || roster == freshRoster) << "kill " << kill << ": a torn roster";
        WriteBoth(model, dialogs, old);
        ASSERT_EQ(Entries(folder.path()), (std::set<std::string>{kStartFileName, kRosterFileName}))
            << "kill " << kill << ": a temporary file was left";
    }
    EXPECT_TRUE(dialogs.messages().empty());
}

}  // namespace
}  // namespace brackwell
