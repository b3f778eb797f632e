// Reading a season's selection files: ReadSelections against the bare system calls that read
// the same bytes. The standings read every selection file each time they are opened, so the
// reader should cost at most twice what the file system itself does.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "bench/support/BenchPool.h"
#include "bench/support/RatioReporter.h"
#include "bench/support/SilentDialogs.h"
#include "core/SelectionFile.h"

namespace {

using namespace brackwell;
using namespace brackwell::bench;

void BM_ReadSelections(benchmark::State& state) {
    const auto& files = BenchPool::Get().paths();
    modBrackwell model;
    SilentDialogs dialogs;
    for (auto _ : state) {
        for (const std::string& path : files) {
            ReadSelections(model, dialogs, path);
            benchmark::DoNotOptimize(model.SelLines[kSelectionEndLine].data());
        }
    }
    dialogs.FailOnMessages(state);
}

void BM_PlainRead(benchmark::State& state) {
    const auto& files = BenchPool::Get().paths();
    char buffer[16 * 1024];
    for (auto _ : state) {
        for (const std::string& path : files) {
            const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
            while (read(fd, buffer, sizeof buffer) > 0) benchmark::DoNotOptimize(buffer);
            close(fd);
        }
    }
}

BENCHMARK(BM_ReadSelections)->Apply(ComparedByFastest);
BENCHMARK(BM_PlainRead)->Apply(ComparedByFastest);

}  // namespace

int main(int argc, char** argv) {
    RatioReporter reporter({"BM_PlainRead", "plain read"}, {"BM_ReadSelections", "ReadSelections"},
                           [](double cpuRatio) {
                               std::printf("target: at most 2x the plain read's CPU time: %s\n",
                                           cpuRatio <= 2.0 ? "met" : "MISSED");
                           });
    return RunOnPool(argc, argv, reporter);
}
