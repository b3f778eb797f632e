// The standings window's fill of 1,000 selection files, the window and its grid included,
// against the command line's standings of the same folder (a process of its own, so both are
// compared by wall time). The target: the fill under 1 second.

#include <QApplication>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "desktop/QtPlatform.h"
#include "bench/support/BenchPool.h"
#include "bench/support/RatioReporter.h"
#include "bench/support/SilentDialogs.h"
#include "core/BracketView.h"
#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "standings/frmPoolMisc.h"

extern char** environ;

namespace {

using namespace brackwell;
using namespace brackwell::bench;

constexpr int kFillFileCount = 1000;

// The first 1,000 files of the shared pool with its start and results files, in a folder of
// their own, removed at exit.
class FillFolder {
public:
    static const FillFolder& Get() {
        static const FillFolder folder;
        return folder;
    }
    ~FillFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;

private:
    FillFolder() {
        const BenchPool& pool = BenchPool::Get();
        path = pool.folder() + "-fill";
        std::filesystem::create_directory(path);
        const auto copy = [&](const std::string& name) {
            std::filesystem::copy_file(pool.folder() + "/" + name, path + "/" + name);
        };
        copy(kStartFileName);
        copy(kResultsFileName);
        for (int i = 0; i < kFillFileCount; ++i) copy(pool.names()[i]);
    }
};

void BM_CommandLineScore(benchmark::State& state) {
    const std::string folder = FillFolder::Get().path;
    std::string program = BRACKWELL_CLI;
    std::string score = "score", option = "--folder", path = folder;
    char* argv[] = {program.data(), score.data(), option.data(), path.data(), nullptr};
    for (auto _ : state) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", 01 /* O_WRONLY */, 0);
        pid_t child = 0;
        int status = -1;
        const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("brackwell-cli score failed");
            break;
        }
    }
}

void BM_StandingsFill(benchmark::State& state) {
    const std::string folder = FillFolder::Get().path;
    QtPlatform qt;
    SilentDialogs dialogs;
    const Platform& seams = qt.platform();
    Platform platform{dialogs, seams.mail, seams.printer, seams.help, seams.launcher};
    modBrackwell model(folder);
    PlainBracketView results;
    ShowResults(model, dialogs, results);
    for (auto _ : state) {
        auto* window = new frmPoolMisc(model, platform, results, {});
        window->show();  // the fill runs as the window is first shown
        if (window->GridRows(false).size() != kFillFileCount) state.SkipWithError("the grid is not filled");
        delete window;
    }
    dialogs.FailOnMessages(state);
}

BENCHMARK(BM_CommandLineScore)->Apply(ComparedByFastest)->UseRealTime();
BENCHMARK(BM_StandingsFill)->Apply(ComparedByFastest)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    RatioReporter reporter({"BM_CommandLineScore", "brackwell-cli score"}, {"BM_StandingsFill", "standings fill"},
                           [](double wallRatio) {
                               std::printf("the fill of %d files takes %.2f times the command line's standings "
                                           "(target: the fill under 1 second)\n",
                                           kFillFileCount, wallRatio);
                           },
                           kFillFileCount, true);
    return RunOnPool(argc, argv, reporter);
}
