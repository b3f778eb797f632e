// Unpacking an archive of many one-byte members into an empty folder. The folder is listed
// once per unpacking and synced once, so the time grows with the member count, not with its
// square: 10,000 members take about a third of a second on a RAM-backed folder
// (TMPDIR=/dev/shm). On a disk the file system's own cost of making files comes on top.

#include <benchmark/benchmark.h>
#include <zip.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/support/SilentDialogs.h"
#include "core/ZipExtractor.h"

namespace {

using namespace brackwell;
using namespace brackwell::bench;
namespace fs = std::filesystem;

std::string MakeFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/brackwell-bench-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern;
}

std::string MakeArchive(const std::string& folder, int members) {
    const std::string path = folder + "/many.zip";
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    for (int i = 0; i < members; ++i) {
        zip_source_t* source = zip_source_buffer(archive, "x", 1, 0);
        zip_file_add(archive, ("Member_" + std::to_string(i) + ".BKS").c_str(), source, ZIP_FL_ENC_RAW);
    }
    if (zip_close(archive) != 0) std::abort();
    return path;
}

void BM_UnpackOneByteMembers(benchmark::State& state) {
    const std::string folder = MakeFolder();
    const std::string archive = MakeArchive(folder, static_cast<int>(state.range(0)));
    const std::string target = folder + "/app";
    SilentDialogs dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(target);
        fs::create_directory(target);
        state.ResumeTiming();
        ZipExtractor extractor(dialogs);
        if (extractor.Extract(archive, target) != UnzipResult::kOk) state.SkipWithError("the unpacking failed");
    }
    dialogs.FailOnMessages(state);
    fs::remove_all(folder);
}

BENCHMARK(BM_UnpackOneByteMembers)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
