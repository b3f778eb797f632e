// Building QUILLON.EXE from the real template: BuildPickProgram against a plain copy of the same
// file. Finalizing the setup waits on the build, which should cost at most three times the copy.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "bench/support/RatioReporter.h"
#include "bench/support/SilentDialogs.h"
#include "core/Model.h"
#include "core/StartFile.h"
#include "fieldblock/PickProgramBuilder.h"

namespace {

using namespace brackwell;
using namespace brackwell::bench;

const std::string kTemplate = std::string(BRACKWELL_APP_DIR) + "/QUILLON.OBJ";

// A folder of its own holding the template, removed at the end.
struct BuildFolder {
    std::string path;
    BuildFolder() {
        char name[] = "/tmp/brackwell-build-bench-XXXXXX";
        path = mkdtemp(name);
        Copy(kTemplate, path + "/QUILLON.OBJ");
    }
    ~BuildFolder() {
        for (const char* file : {"/QUILLON.OBJ", "/QUILLON.EXE", "/copy"}) unlink((path + file).c_str());
        rmdir(path.c_str());
    }
    static bool Copy(const std::string& from, const std::string& to) {
        const int in = open(from.c_str(), O_RDONLY | O_CLOEXEC);
        const int out = open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0755);
        char buffer[64 * 1024];
        bool ok = in >= 0 && out >= 0;
        ssize_t n = 0;
        while (ok && (n = read(in, buffer, sizeof buffer)) > 0) ok = write(out, buffer, static_cast<std::size_t>(n)) == n;
        if (in >= 0) close(in);
        if (out >= 0) close(out);
        return ok && n == 0;
    }
};

void BM_BuildPickProgram(benchmark::State& state) {
    BuildFolder folder;
    modBrackwell model(folder.path);
    const PickField field = PickFieldFromStartLines(DefaultStartLines());
    SilentDialogs dialogs;
    for (auto _ : state)
        if (!BuildPickProgram(model, field, dialogs)) state.SkipWithError("the build failed");
    dialogs.FailOnMessages(state);
}

void BM_CopyTemplate(benchmark::State& state) {
    BuildFolder folder;
    for (auto _ : state)
        if (!BuildFolder::Copy(folder.path + "/QUILLON.OBJ", folder.path + "/copy")) state.SkipWithError("no copy");
}

BENCHMARK(BM_BuildPickProgram)->Apply(ComparedByFastest);
BENCHMARK(BM_CopyTemplate)->Apply(ComparedByFastest);

}  // namespace

int main(int argc, char** argv) {
    RatioReporter reporter({"BM_CopyTemplate", "plain copy"}, {"BM_BuildPickProgram", "BuildPickProgram"},
                           [](double cpuRatio) {
                               std::printf("target: at most 3x the plain copy's CPU time: %s\n",
                                           cpuRatio <= 3.0 ? "met" : "MISSED");
                           });
    return RunOnPool(argc, argv, reporter);
}
