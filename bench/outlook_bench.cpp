// The pool outlook on the demo field, over the shapes a pool takes: the open games from the round
// of 32 on (31), two whole regions and the Final Four, one region whole and the others from the
// Sweet Sixteen, and past 31 open games with the first round's last games still to play; each
// with participants who mostly pick the better seed, or whose picks are coin tosses. Counted
// exactly, or estimated from 1,000,000 simulated tournaments.
//
//   outlook_bench [CASE...] [open=N] [table=DIR]
//
// Runs the cases named (a name, or a prefix of names, such as "exact-" or "sim-"), all of them
// when none is; "list" lists them. open=N clears only the last N results of the round-by-round
// cases instead, for a quicker measure. table=DIR writes each case's table to DIR/CASE.txt, to
// compare two builds byte for byte. Each line gives the wall time, the processor time of all
// threads and the machine's load average before the case, since other work shares the cores.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "bench/support/LoadAverage.h"
#include "bench/support/SilentDialogs.h"
#include "core/StartFile.h"
#include "outlook/rules/Outlook.h"
#include "outlook/rules/OutlookKernel.h"
#include "outlook/rules/OutlookTable.h"
#include "tests/outlook/rules/OutlookPools.h"

namespace {

using namespace brackwell;

enum class Shape { RoundByRound, TwoRegions, RegionAndSweetSixteens };

struct BenchCase {
    const char* name;
    Shape shape;
    int open;  // round by round: the games open, the latest first
    bool coinPicks;
    int participants;
    OutlookOptions options;
    double targetSeconds;  // 0: none set
};

constexpr OutlookOptions kExact{};
constexpr OutlookOptions kAllExact{.ExactLimit = 63};
constexpr OutlookOptions kSimulated{.ExactLimit = 0};

const std::vector<BenchCase>& Cases() {
    static const std::vector<BenchCase> cases{
        {"exact-seeds-100", Shape::RoundByRound, 31, false, 100, kExact, 60},
        {"exact-coins-100", Shape::RoundByRound, 31, true, 100, kExact, 30},
        {"exact-tworegions-seeds-100", Shape::TwoRegions, 31, false, 100, kExact, 60},
        {"exact-tworegions-coins-100", Shape::TwoRegions, 31, true, 100, kExact, 60},
        {"exact-oneregion-seeds-100", Shape::RegionAndSweetSixteens, 31, false, 100, kExact, 60},
        {"exact-oneregion-coins-100", Shape::RegionAndSweetSixteens, 31, true, 100, kExact, 60},
        {"exact-seeds-1000", Shape::RoundByRound, 31, false, 1000, kExact, 0},
        {"exact-coins-1000", Shape::RoundByRound, 31, true, 1000, kExact, 300},
        {"exact33-seeds-100", Shape::RoundByRound, 33, false, 100, kAllExact, 150},
        {"exact33-coins-100", Shape::RoundByRound, 33, true, 100, kAllExact, 150},
        {"exact36-coins-100", Shape::RoundByRound, 36, true, 100, kAllExact, 0},
        {"sim-seeds-100", Shape::RoundByRound, 63, false, 100, kSimulated, 5},
        {"sim-seeds-5000", Shape::RoundByRound, 63, false, 5000, kSimulated, 60},
    };
    return cases;
}

// The positions of a region's games from the round given on (1: its first round), and of the
// Final Four.
void AddRegion(std::vector<int>& cleared, int region, int fromRound) {
    for (int p = 1; p <= 124; ++p)
        if (RegionOfPosition(p) == region && RoundOfPosition(p) >= fromRound) cleared.push_back(p);
}

std::vector<int> Cleared(Shape shape) {
    std::vector<int> cleared{125, 126, 127};
    if (shape == Shape::TwoRegions) {
        // Regions 0 and 1 whole but for two first-round games of region 1: 3 + 15 + 13.
        AddRegion(cleared, 0, 1);
        AddRegion(cleared, 1, 1);
        std::erase_if(cleared, [](int p) { return p == 31 + 17 || p == 31 + 18; });
    } else if (shape == Shape::RegionAndSweetSixteens) {
        // Region 0 whole, region 1 from the round of 32, regions 2 and 3 from the Sweet
        // Sixteen: 3 + 15 + 7 + 3 + 3.
        AddRegion(cleared, 0, 1);
        AddRegion(cleared, 1, 2);
        AddRegion(cleared, 2, 3);
        AddRegion(cleared, 3, 3);
    }
    return cleared;
}

int gOpen = 0;

OutlookPool DemoPool(const BenchCase& bench) {
    modBrackwell model(std::string(BRACKWELL_SOURCE_DIR) + "/data/demo");
    bench::SilentDialogs dialogs;
    ReadStartFile(model, dialogs);
    testing::PoolRecipe recipe{.seed = 2026,
                               .undecided = gOpen > 0 ? gOpen : bench.open,
                               .participants = bench.participants,
                               .roundPoints = {1, 2, 4, 8, 12, 16},
                               .copies = false,
                               .start = model.StartLines,
                               .coinPicks = bench.coinPicks};
    if (bench.shape != Shape::RoundByRound) recipe.cleared = Cleared(bench.shape);
    return testing::MakePool(recipe);
}

void Run(const BenchCase& bench, const char* tableFolder) {
    const OutlookPool pool = DemoPool(bench);
    const double load = bench::LoadAverage();
    const std::clock_t cpuStart = std::clock();
    const auto start = std::chrono::steady_clock::now();
    const std::optional<OutlookResult> outlook = ComputeOutlook(pool, bench.options);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    double leader = 0;
    for (const OutlookRow& row : outlook->Rows) leader = std::max(leader, row.ChanceSeeded);
    std::printf("%-27s %5d participants, %2d open, %-8s %11llu outcomes: %7.2f s (cpu %7.2f s, load %.2f) target %s; "
                "best seeded %.2f%%\n",
                bench.name, bench.participants, outlook->UndecidedGames, outlook->Exact ? "exact" : "estimate",
                static_cast<unsigned long long>(outlook->Outcomes), seconds.count(), cpu, load,
                bench.targetSeconds > 0 ? (std::to_string(static_cast<int>(bench.targetSeconds)) + " s").c_str() : "none",
                leader);
    std::fflush(stdout);
    if (tableFolder != nullptr) std::ofstream(std::string(tableFolder) + "/" + bench.name + ".txt") << OutlookTableText(*outlook);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<const char*> wanted;
    const char* tableFolder = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "open=", 5) == 0) gOpen = std::atoi(argv[i] + 5);
        else if (std::strncmp(argv[i], "table=", 6) == 0) tableFolder = argv[i] + 6;
        else wanted.push_back(argv[i]);
    }
    if (wanted.size() == 1 && std::strcmp(wanted[0], "list") == 0) {
        for (const BenchCase& bench : Cases()) std::printf("%s\n", bench.name);
        return 0;
    }
    std::printf("kernel: %s\n", FastestKernel().Name);
    // A whole name runs that case alone ("exact-coins-100" is also the start of another's name).
    const auto named = [](const char* name) {
        return std::any_of(Cases().begin(), Cases().end(), [&](const BenchCase& c) { return std::strcmp(c.name, name) == 0; });
    };
    for (const BenchCase& bench : Cases()) {
        bool run = wanted.empty();
        for (const char* name : wanted)
            run |= named(name) ? std::strcmp(bench.name, name) == 0 : std::strncmp(bench.name, name, std::strlen(name)) == 0;
        if (run) Run(bench, tableFolder);
    }
    return 0;
}
