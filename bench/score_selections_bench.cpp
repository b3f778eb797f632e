// Scoring a pool of 10,000 selection files against one results file, end to end (each file
// read and scored as the standings window does), against only reading the same files.
// The target: scoring adds under 50% to the read time.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench/support/BenchPool.h"
#include "bench/support/RatioReporter.h"
#include "bench/support/SilentDialogs.h"
#include "core/BracketView.h"
#include "core/Scoring.h"
#include "core/SelectionFile.h"

namespace {

using namespace brackwell;
using namespace brackwell::bench;

void BM_ReadSelections(benchmark::State& state) {
    const BenchPool& pool = BenchPool::Get();
    SilentDialogs dialogs;
    modBrackwell model(pool.folder());
    for (auto _ : state) {
        for (const std::string& name : pool.names()) ReadSelections(model, dialogs, model.AppFilePath(name));
        benchmark::DoNotOptimize(model.SelLines);
    }
    dialogs.FailOnMessages(state);
}

void BM_ScoreSelections(benchmark::State& state) {
    const BenchPool& pool = BenchPool::Get();
    SilentDialogs dialogs;
    modBrackwell model(pool.folder());
    PlainBracketView results;
    ShowResults(model, dialogs, results);
    for (auto _ : state) {
        for (const std::string& name : pool.names()) {
            ScoreRecord record = ScoreSelection(model, results, dialogs, name, ScoringContext::Standings);
            benchmark::DoNotOptimize(record);
        }
    }
    dialogs.FailOnMessages(state);
}

BENCHMARK(BM_ReadSelections)->Apply(ComparedByFastest);
BENCHMARK(BM_ScoreSelections)->Apply(ComparedByFastest);

}  // namespace

int main(int argc, char** argv) {
    RatioReporter reporter({"BM_ReadSelections", "read"}, {"BM_ScoreSelections", "read and score"},
                           [](double cpuRatio) {
                               std::printf("scoring adds %.1f%% to the read time (target: under 50%%)\n",
                                           (cpuRatio - 1.0) * 100.0);
                           });
    return RunOnPool(argc, argv, reporter);
}
