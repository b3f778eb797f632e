#include "bench/support/RatioReporter.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "bench/support/BenchPool.h"

namespace brackwell::bench {

namespace {
constexpr const char* kFastest = "min";

double Fastest(const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); }
}  // namespace

RatioReporter::RatioReporter(Compared base, Compared measured, TargetLine target)
    : RatioReporter(std::move(base), std::move(measured), std::move(target), kPoolFileCount, false) {}

RatioReporter::RatioReporter(Compared base, Compared measured, TargetLine target, int fileCount, bool byWallTime)
    : base_(std::move(base)),
      measured_(std::move(measured)),
      target_(std::move(target)),
      fileCount_(fileCount),
      byWallTime_(byWallTime) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred || run.iterations == 0) continue;
        const bool fastest = run.run_type == Run::RT_Aggregate && run.aggregate_name == kFastest;
        if (run.run_type == Run::RT_Aggregate && !fastest) continue;
        Times& times = times_[run.run_name.function_name];
        if (times.fastest && !fastest) continue;
        const double iterations = static_cast<double>(run.iterations);
        times = {run.cpu_accumulated_time / iterations, run.real_accumulated_time / iterations, fastest};
    }
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    const auto base = times_.find(base_.benchmark);
    const auto measured = times_.find(measured_.benchmark);
    if (base == times_.end() || measured == times_.end()) return;
    const Times& b = base->second;
    const Times& m = measured->second;
    const double baseTime = byWallTime_ ? b.real : b.cpu;
    const double measuredTime = byWallTime_ ? m.real : m.cpu;
    if (baseTime <= 0 || measuredTime <= 0 || b.real <= 0) return;
    std::printf("\nfiles per second (%s): %s %.0f, %s %.0f\n", byWallTime_ ? "wall" : "CPU", base_.label.c_str(),
                fileCount_ / baseTime, measured_.label.c_str(), fileCount_ / measuredTime);
    if (byWallTime_)
        std::printf("%s / %s: %.3f by wall time\n", measured_.label.c_str(), base_.label.c_str(), m.real / b.real);
    else
        std::printf("%s / %s: %.3f by CPU time, %.3f by wall time\n", measured_.label.c_str(), base_.label.c_str(),
                    m.cpu / b.cpu, m.real / b.real);
    target_(measuredTime / baseTime);
}

void ComparedByFastest(benchmark::internal::Benchmark* family) {
    family->Unit(benchmark::kMillisecond)->ComputeStatistics(kFastest, Fastest);
}

int RunOnPool(int argc, char** argv, RatioReporter& reporter) {
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=7";
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    if (argc == 1) args.insert(args.end(), {repetitions.data(), interleave.data(), aggregates.data()});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    BenchPool::Get();
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace brackwell::bench
