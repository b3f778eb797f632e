#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <random>

#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/SampleBrackets.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::BuiltCliPath;
using testing::CliInvocation;
using testing::CliRun;
using testing::FieldOnly;
using testing::RunCli;
using testing::SelectionFileBytes;
using testing::TempFolder;
using testing::UpperTeamsWin;
using testing::WithPlayer;

// The upper team won every game but the last `open` by position; participants pick at random.
void WritePool(const TempFolder& folder, int open, int participants) {
    folder.Write(kStartFileName, StartFileContents(DefaultStartLines()));
    SelLinesArray results = WithPlayer(open >= 63 ? FieldOnly() : UpperTeamsWin(), "Results", "A", "");
    for (int p = kPositionCount; p > kPositionCount - open; --p) results[p].clear();
    folder.Write(kResultsFileName, SelectionFileBytes(results));
    std::mt19937 random(2026);
    for (int i = 0; i < participants; ++i) {
        SelLinesArray picks = FieldOnly();
        for (int p = 1; p <= kPositionCount; ++p) {
            if (IsStartingSlot(p)) continue;
            const auto [upper, lower] = FeedingPositions(p);
            picks[p] = picks[random() % 3 != 0 ? upper : lower];
        }
        const std::string name = "Player" + std::to_string(i);
        folder.Write(name + "_PP.BKS", SelectionFileBytes(WithPlayer(picks, name, "PP", "")));
    }
}

// Slices run as processes of their own, each writing its file; then merged.
CliRun MergedSlices(const TempFolder& pool, const TempFolder& parts, const std::vector<std::string>& options,
                    int slices) {
    std::vector<std::string> merge{"outlook", "--folder", pool.path(), "--merge"};
    for (int k = 1; k <= slices; ++k) {
        std::vector<std::string> args{"outlook", "--folder", pool.path(), "--part",
                                      std::to_string(k) + "/" + std::to_string(slices)};
        args.insert(args.end(), options.begin(), options.end());
        const std::string file = parts.File("part" + std::to_string(k));
        const CliRun run = RunCli(CliInvocation{args, {}, {}, file});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        merge.push_back(file);
    }
    return RunCli(merge);
}

TEST(OutlookSlices, FourSlicesMergedPrintTheTableOfTheWholeRun) {
    const TempFolder pool, parts;
    WritePool(pool, 20, 12);
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{}, std::vector<std::string>{"--root", "Player3_PP.BKS"},
          std::vector<std::string>{"--sims", "40000", "--seed", "3"}}) {
        if (options.size() == 4) WritePool(pool, 63, 12);
        std::vector<std::string> args{"outlook", "--folder", pool.path()};
        args.insert(args.end(), options.begin(), options.end());
        const CliRun whole = RunCli(args);
        ASSERT_EQ(whole.exitCode, 0) << whole.err;
        const CliRun merged = MergedSlices(pool, parts, options, 4);
        EXPECT_EQ(merged.exitCode, 0) << merged.err;
        EXPECT_EQ(merged.err, "");
        EXPECT_EQ(merged.out, whole.out);
    }
}

TEST(OutlookSlices, SlicesThatCannotBeMergedAndWrongOptionsAreRefused) {
    const TempFolder pool, parts, otherPool;
    WritePool(pool, 12, 5);
    WritePool(otherPool, 12, 6);
    for (int k = 1; k <= 3; ++k)
        RunCli(CliInvocation{{"outlook", "--folder", pool.path(), "--part", std::to_string(k) + "/3"}, {}, {},
                             parts.File("part" + std::to_string(k))});
    RunCli(CliInvocation{{"outlook", "--folder", otherPool.path(), "--part", "3/3"}, {}, {}, parts.File("foreign")});
    std::string damaged = parts.Read("part2");
    damaged[damaged.size() / 2] ^= 1;
    parts.Write("damaged", damaged);
    const std::string p1 = parts.File("part1"), p2 = parts.File("part2"), p3 = parts.File("part3");
    const std::vector<std::string> merge{"outlook", "--folder", pool.path(), "--merge"};
    const auto with = [&](std::vector<std::string> files) {
        std::vector<std::string> args = merge;
        args.insert(args.end(), files.begin(), files.end());
        return args;
    };
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string says;
    } cases[] = {
        {with({p1, p3}), 2, "slice 2/3 is missing"},
        {with({p1, p2, p3, p2}), 2, "slice 2/3 is given twice"},
        {with({p1, p2, parts.File("foreign")}), 2, "counted for another pool"},
        {with({p1, parts.File("damaged"), p3}), 1, "\"" + parts.File("damaged") + "\" is damaged at line"},
        {with({p1, p2, parts.File("none")}), 1, "\"" + parts.File("none") + "\" cannot be read"},
        {with({p1, p2, pool.File(kResultsFileName)}), 1, "is refused: not a partial outlook"},
        {merge, 2, "--merge needs the files of the partial outlooks"},
        {with({p1, "--seed", "4"}), 2, "--merge takes the counting options from the partial outlooks"},
        {with({p1, "--part", "1/3"}), 2, "--merge and --part do not go together"},
        {{"outlook", p1}, 2, "unknown option \"" + p1 + "\""},
        {{"outlook", "--part", "0/4"}, 2, "--part needs K/N, slice K of N slices (1 <= K <= N), not \"0/4\""},
        {{"outlook", "--part", "5/4"}, 2, "not \"5/4\""},
        {{"outlook", "--part=3"}, 2, "not \"3\""},
        {{"outlook", "--time-limit", "0"}, 2, "--time-limit needs a number of seconds, 1 or more, not \"0\""},
        // The batches of a count near 2^64 overflowed: no tournament was played.
        {{"outlook", "--sims", "18446744073709551615"}, 2,
         "--sims needs a number of simulated tournaments, 1 to 9007199254740992, not \"18446744073709551615\""},
        {{"outlook", "--sims", "9007199254740993"}, 2, "not \"9007199254740993\""},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.says;
        EXPECT_EQ(run.out, "") << c.says;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.says << "\n" << run.err;
    }
}

// Standard error on a terminal, standard output to a file: what the terminal showed.
CliRun RunOnTerminal(const std::vector<std::string>& args, const std::string& outPath) {
    int master = -1, terminal = -1;
    if (openpty(&master, &terminal, nullptr, nullptr, nullptr) != 0) return {};
    std::vector<std::string> argv{BuiltCliPath()};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& arg : argv) pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || dup2(out, 1) < 0 || dup2(terminal, 2) < 0) _exit(126);
        close(master);
        execv(pointers[0], pointers.data());
        _exit(127);
    }
    close(terminal);
    CliRun run;
    char buffer[4096];
    // Reading fails once the child has closed its end.
    for (ssize_t n; (n = read(master, buffer, sizeof buffer)) > 0;) run.err.append(buffer, static_cast<std::size_t>(n));
    close(master);
    int status = 0;
    if (waitpid(child, &status, 0) == child && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    run.out = testing::ReadBytes(outPath);
    return run;
}

TEST(OutlookSlices, ALongCountShowsProgressOnATerminalAndStopsAtTheTimeLimit) {
    const TempFolder pool;
    WritePool(pool, 63, 10);
    const std::vector<std::string> args{"outlook", "--folder", pool.path(), "--sims", "1000000000000",
                                        "--time-limit", "3"};
    const CliRun quiet = RunCli(args);
    EXPECT_EQ(quiet.exitCode, 1);
    EXPECT_EQ(quiet.out, "");
    EXPECT_EQ(quiet.err.rfind("brackwell-cli outlook: stopped at the time limit of 3 s with 0% simulated", 0), 0u)
        << quiet.err;
    EXPECT_EQ(quiet.err.find('\r'), std::string::npos) << "no progress off a terminal";

    const CliRun shown = RunOnTerminal(args, pool.File("out"));
    EXPECT_EQ(shown.exitCode, 1);
    EXPECT_EQ(shown.out, "");
    EXPECT_NE(shown.err.find("\rbrackwell-cli outlook: 0% simulated, "), std::string::npos) << shown.err;
    EXPECT_NE(shown.err.find(" s so far, about "), std::string::npos) << shown.err;
    EXPECT_NE(shown.err.find("stopped at the time limit of 3 s"), std::string::npos) << shown.err;
}

}  // namespace
}  // namespace brackwell
