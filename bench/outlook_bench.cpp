// The pool outlook on the demo field with the first round played (31 games open): counted
// exactly for 100 and for 1,000 participants, and estimated from 1,000,000 simulated
// tournaments for 100. The targets: under 60 s exact for 100, under 5 s simulated.
//
//   outlook_bench [exact100] [exact1000] [simulated100] [open=N]   (all three when none is named;
//   open=N clears only the last N results, for a quicker measure)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/support/SilentDialogs.h"
#include "core/StartFile.h"
#include "outlook/rules/Outlook.h"
#include "outlook/rules/OutlookKernel.h"
#include "tests/outlook/rules/OutlookPools.h"

namespace {

using namespace brackwell;

// The demo field; participants mostly pick the better seed, none copying another.
int gOpen = 31;

OutlookPool DemoPool(int participants) {
    modBrackwell model(std::string(BRACKWELL_SOURCE_DIR) + "/data/demo");
    bench::SilentDialogs dialogs;
    ReadStartFile(model, dialogs);
    return testing::MakePool({.seed = 2026,
                              .undecided = gOpen,
                              .participants = participants,
                              .roundPoints = {1, 2, 4, 8, 12, 16},
                              .copies = false,
                              .start = model.StartLines});
}

void Run(const char* name, int participants, const OutlookOptions& options, double targetSeconds) {
    const OutlookPool pool = DemoPool(participants);
    const auto start = std::chrono::steady_clock::now();
    const std::optional<OutlookResult> outlook = ComputeOutlook(pool, options);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    double leader = 0;
    for (const OutlookRow& row : outlook->Rows) leader = std::max(leader, row.ChanceSeeded);
    std::printf("%-13s %5d participants, %2d games open, %s, %llu outcomes: %.2f s (target %s), best seeded chance %.2f%%\n",
                name, participants, outlook->UndecidedGames, outlook->Exact ? "exact" : "estimate",
                static_cast<unsigned long long>(outlook->Outcomes), seconds.count(),
                targetSeconds > 0 ? ("under " + std::to_string(static_cast<int>(targetSeconds)) + " s").c_str() : "none",
                leader);
}

bool Wanted(int argc, char** argv, const char* name) {
    bool named = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "open=", 5) == 0) continue;
        named = true;
        if (std::strcmp(argv[i], name) == 0) return true;
    }
    return !named;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "open=", 5) == 0) gOpen = std::atoi(argv[i] + 5);
    std::printf("kernel: %s\n", FastestKernel().Name);
    if (Wanted(argc, argv, "exact100")) Run("exact100", 100, OutlookOptions{}, 60);
    if (Wanted(argc, argv, "exact1000")) Run("exact1000", 1000, OutlookOptions{}, 0);
    if (Wanted(argc, argv, "simulated100")) Run("simulated100", 100, OutlookOptions{.ExactLimit = 0}, 5);
    return 0;
}
