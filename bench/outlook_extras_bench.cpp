// What prizes, statuses, the rooting guide and the winning scenario cost beside the plain exact
// count, on the demo field with 100 participants who mostly pick the better seed.
//
//   outlook_extras_bench [open=N] [only=counts|plain|prizes|favourite|middle] [dump=FILE]
//
// With the round of 32 on open (31 games, or N): the plain count, the count with a payout of
// three places, and the rooting guide of the favourite and of a participant in the middle, each
// as a ratio to the plain count. With every game open (63): the estimate with its proven
// statuses, and the winning scenario of every participant (the slowest and the median). Each
// line gives the wall time, the cpu time of all threads and the load average before it, since
// other work shares the cores.

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <tuple>
#include <vector>

#include "bench/support/LoadAverage.h"
#include "bench/support/SilentDialogs.h"
#include "core/StartFile.h"
#include "outlook/rules/Outlook.h"
#include "outlook/rules/OutlookRooting.h"
#include "outlook/rules/OutlookScenario.h"
#include "outlook/rules/OutlookTable.h"
#include "tests/outlook/rules/OutlookPools.h"

namespace {

using namespace brackwell;

OutlookPool DemoPool(int open) {
    modBrackwell model(std::string(BRACKWELL_SOURCE_DIR) + "/data/demo");
    bench::SilentDialogs dialogs;
    ReadStartFile(model, dialogs);
    return testing::MakePool({.seed = 2026,
                              .undecided = open,
                              .participants = 100,
                              .roundPoints = {1, 2, 4, 8, 12, 16},
                              .copies = false,
                              .start = model.StartLines});
}

template <typename Work>
double Timed(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Where each case's table and rooting guide go, to compare two builds' results byte for byte.
std::FILE* gDump = nullptr;
double gPlainCpu = 0;  // of the plain count, for the cpu ratios

double Count(const char* name, const OutlookPool& pool, const OutlookOptions& options, double plain) {
    const double load = bench::LoadAverage();
    std::optional<OutlookResult> result;
    const std::clock_t cpuStart = std::clock();
    const double seconds = Timed([&] { result = ComputeOutlook(pool, options); });
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    if (gDump != nullptr && result)
        std::fprintf(gDump, "%s\n%s%s", name, OutlookTableText(*result).c_str(), OutlookRootingText(result->Rooting).c_str());
    std::printf("%-28s %7.2f s, cpu %7.2f s (load %.2f)", name, seconds, cpu, load);
    if (plain > 0) std::printf("  %.2fx the plain count, cpu %.2fx", seconds / plain, cpu / gPlainCpu);
    else gPlainCpu = cpu;
    std::printf("\n");
    std::fflush(stdout);
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    int open = 31;
    const char* only = nullptr;  // one case alone (after the plain count, the ratio's base)
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "open=", 5) == 0) open = std::atoi(argv[i] + 5);
        if (std::strncmp(argv[i], "only=", 5) == 0) only = argv[i] + 5;
        if (std::strncmp(argv[i], "dump=", 5) == 0) gDump = std::fopen(argv[i] + 5, "w");
    }
    const auto runs = [&](const char* name) { return only == nullptr || std::strcmp(only, "counts") == 0 || std::strcmp(only, name) == 0; };
    const OutlookPool pool = DemoPool(open);
    std::printf("100 participants, %d games open\n", open);
    const std::optional<OutlookResult> plainResult = ComputeOutlook(pool, OutlookOptions{});
    std::vector<int> byChance(pool.Entrants.size());
    std::iota(byChance.begin(), byChance.end(), 0);
    std::sort(byChance.begin(), byChance.end(),
              [&](int a, int b) { return plainResult->Rows[a].ChanceSeeded > plainResult->Rows[b].ChanceSeeded; });
    const double plain = Count("plain count", pool, OutlookOptions{}, 0);
    if (runs("prizes")) {
        OutlookOptions prizes;
        prizes.Payout = {50, 30, 20};
        Count("prizes and statuses", pool, prizes, plain);
    }
    for (const auto& [name, key, entrant] : {std::tuple{"rooting guide, favourite", "favourite", byChance.front()},
                                             std::tuple{"rooting guide, middle", "middle", byChance[byChance.size() / 2]}}) {
        if (!runs(key)) continue;
        OutlookOptions rooted;
        rooted.Rooted = entrant;
        Count(name, pool, rooted, plain);
    }
    if (gDump != nullptr) std::fclose(gDump);
    if (only != nullptr) return 0;

    const OutlookPool all = DemoPool(63);
    std::printf("100 participants, 63 games open\n");
    Count("estimate and statuses", all, OutlookOptions{}, 0);
    std::vector<double> times;
    int found = 0;
    for (std::size_t i = 0; i < all.Entrants.size(); ++i)
        times.push_back(Timed([&] { found += FindScenario(all, static_cast<int>(i)).Found; }));
    std::sort(times.begin(), times.end());
    std::printf("scenario of each participant: slowest %.3f s, median %.3f s, %d of %zu found\n", times.back(),
                times[times.size() / 2], found, times.size());
    return 0;
}
