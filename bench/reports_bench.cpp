// All seven reports of a pool of 1,000 participants written to their files, against scoring the
// same pool once as brackwell-cli score does. Each report is at most a few passes of scoring;
// the target: under 10 times the scoring.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/support/BenchPool.h"
#include "bench/support/RatioReporter.h"
#include "bench/support/SilentDialogs.h"
#include "core/BracketView.h"
#include "core/FileSystem.h"
#include "core/RosterFile.h"
#include "core/Scoring.h"
#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "reports/rules/ReportGenerators.h"
#include "reports/rules/RunPool.h"
#include "tests/support/SampleBrackets.h"

namespace {

using namespace brackwell;
using namespace brackwell::bench;

constexpr std::size_t kParticipants = 1000;

// The first 1,000 files of the bench pool with a roster, and results up to the Final Four, so
// that the projections run too.
class ReportPoolFolder {
public:
    static const ReportPoolFolder& Get() {
        static const ReportPoolFolder folder;
        return folder;
    }
    ~ReportPoolFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    const std::string& path() const { return path_; }

private:
    ReportPoolFolder() : path_(BenchPool::Get().folder() + "-reports") {
        const BenchPool& pool = BenchPool::Get();
        std::filesystem::create_directory(path_);
        std::filesystem::copy_file(pool.folder() + "/" + kStartFileName, path_ + "/" + kStartFileName);
        std::string roster = RosterHeaderLine() + "\r\n";
        for (std::size_t i = 0; i < kParticipants; ++i) {
            std::filesystem::copy_file(pool.paths()[i], path_ + "/" + pool.names()[i]);
            roster += RosterRecordLine({"Player " + std::to_string(i), pool.names()[i], "p@example.com", ""}) + "\r\n";
        }
        ReplaceFile(path_ + "/" + kRosterFileName, roster);
        SilentDialogs dialogs;
        SelLinesArray results{};
        ReadSelectionsInto(results, dialogs, pool.paths()[0]);
        for (const int position : {125, 126, 127}) results[static_cast<std::size_t>(position)].clear();
        ReplaceFile(path_ + "/" + kResultsFileName, testing::SelectionFileBytes(results));
    }
    std::string path_;
};

void BM_ScorePool(benchmark::State& state) {
    SilentDialogs dialogs;
    modBrackwell model(ReportPoolFolder::Get().path());
    const std::vector<std::string> names = ListFilesWithExtension(model.AppFolder, ".BKS");
    for (auto _ : state) {
        ReadStartFile(model, dialogs);
        ReadSelections(model, dialogs, model.AppFilePath(kResultsFileName));
        PlainBracketView results;
        ShowStartingField(model, results);
        SelectionToWindow(model, results);
        for (const std::string& name : names) {
            ScoreRecord record = ScoreSelection(model, results, dialogs, name, ScoringContext::Standings);
            benchmark::DoNotOptimize(record);
        }
    }
    dialogs.FailOnMessages(state);
}

void BM_AllReports(benchmark::State& state) {
    SilentDialogs dialogs;
    modBrackwell model(ReportPoolFolder::Get().path());
    for (auto _ : state) {
        ReadStartFile(model, dialogs);
        const ReportRequest request{model.TournamentTitle, ListFilesWithExtension(model.AppFolder, ".BKS")};
        reports::RunPool pool;
        for (int index = 0; index < kReportCount; ++index) {
            if (RunReportGenerator(index, model, dialogs, request, pool) != ReportOutcome::Written ||
                !CopyWorkFileToReport(model, dialogs, ReportAt(index).key))
                state.SkipWithError(ReportAt(index).key);
        }
    }
    dialogs.FailOnMessages(state);
}

BENCHMARK(BM_ScorePool)->Apply(ComparedByFastest);
BENCHMARK(BM_AllReports)->Apply(ComparedByFastest);

}  // namespace

int main(int argc, char** argv) {
    RatioReporter reporter({"BM_ScorePool", "score once"}, {"BM_AllReports", "all seven reports"},
                           [](double cpuRatio) {
                               std::printf("the seven reports take %.1f times one scoring (target: under 10)\n",
                                           cpuRatio);
                           });
    return RunOnPool(argc, argv, reporter);
}
