#pragma once
// How two benchmarks of the pool compare. Each program runs its pair of benchmarks in turns, 7
// repetitions unless told otherwise, so that the load of a shared machine falls on both alike,
// and compares the fastest repetition of each: other load only ever adds time.

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace brackwell::bench {

// One side of the comparison: the benchmark function's name and what the report calls it.
struct Compared {
    std::string benchmark;
    std::string label;
};

// The console report, followed by the files per second of both benchmarks, the ratio of the
// measured one's times to the base's, and the measured one's target line. The times are those
// of the fastest repetition, or of the only run when there are no repetitions.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    // Prints the target line, given the measured / base ratio of CPU times.
    using TargetLine = std::function<void(double cpuRatio)>;

    RatioReporter(Compared base, Compared measured, TargetLine target);
    // For a base that runs in another process, whose CPU time this one does not see: the files
    // per second and the ratio handed to the target line are by wall time.
    RatioReporter(Compared base, Compared measured, TargetLine target, int fileCount, bool byWallTime);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Times {
        double cpu = 0, real = 0;  // seconds per iteration
        bool fastest = false;
    };

    Compared base_;
    Compared measured_;
    TargetLine target_;
    std::map<std::string, Times> times_;
    int fileCount_;
    bool byWallTime_ = false;
};

// For BENCHMARK(...)->Apply: milliseconds, and the fastest repetition as a statistic.
void ComparedByFastest(benchmark::internal::Benchmark* family);

// Builds the pool, then runs the benchmarks the command line selects into the reporter.
int RunOnPool(int argc, char** argv, RatioReporter& reporter);

}  // namespace brackwell::bench
