// Scoring a pool of 10,000 selection files against one results file, end to end (each file
// read and scored as the standings window does), against only reading the same files.
// The target: scoring adds under 50% to the read time.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <stdexcept>

#include "core/BracketView.h"
#include "core/LineFile.h"
#include "core/Scoring.h"
#include "core/SelectionFile.h"
#include "core/StartFile.h"

namespace {

using namespace brackwell;

constexpr int kFileCount = 10000;

// No message is expected; one means the pool was not laid out as planned.
class SilentDialogs final : public Dialogs {
public:
    MsgAnswer MessageBox(const std::string& text, MsgButtons, MsgIcon, const std::string& title) override {
        throw std::runtime_error(title + ": " + text);
    }
    std::string InputBox(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> OpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
    bool PrintDialog(PrintRequest&) override { return false; }
    std::optional<FontChoice> FontDialog(const FontChoice&) override { return std::nullopt; }
};

void WriteFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fclose(file) != 0)
        throw std::runtime_error("cannot write " + path);
}

// The default field played out by chance; games from firstUnplayed on are left empty.
SelLinesArray RandomBracket(std::mt19937& random, int firstUnplayedRound) {
    const StartLinesArray field = DefaultStartLines();
    SelLinesArray lines{};
    for (int p = 1; p <= kPositionCount; ++p) {
        if (IsStartingSlot(p)) {
            lines[p] = field[StartTeamLine(p)];
        } else if (RoundOfPosition(p) < firstUnplayedRound) {
            const auto [upper, lower] = FeedingPositions(p);
            lines[p] = lines[random() % 2 == 0 ? upper : lower];
        }
    }
    lines[kSelectionEndLine] = kEndMarker;
    return lines;
}

std::string FileBytes(const SelLinesArray& lines) {
    std::string bytes;
    for (int i = 1; i <= kSelectionEndLine; ++i) AppendLine(bytes, lines[i]);
    return bytes;
}

// A pool folder: the default field, results through the second round, 10,000 full selections.
struct Pool {
    std::string folder;
    std::vector<std::string> names;

    Pool() {
        std::string pattern = (std::filesystem::temp_directory_path() / "brackwell-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
        folder = pattern;
        std::mt19937 random(2000);
        WriteFile(folder + "/" + kStartFileName, StartFileContents(DefaultStartLines()));
        WriteFile(folder + "/" + kResultsFileName, FileBytes(RandomBracket(random, 3)));
        for (int i = 0; i < kFileCount; ++i) {
            SelLinesArray picks = RandomBracket(random, 7);
            picks[kInitialsLine] = "AB";
            picks[kPlayerNameLine] = "Player" + std::to_string(i);
            picks[kFinalPointsLine] = std::to_string(100 + i % 100);
            names.push_back(SelectionFileName(picks[kPlayerNameLine], picks[kInitialsLine]));
            WriteFile(folder + "/" + names.back(), FileBytes(picks));
        }
    }
    ~Pool() {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }
};

Pool* pool = nullptr;

void BM_ReadSelections(benchmark::State& state) {
    SilentDialogs dialogs;
    modBrackwell model(pool->folder);
    for (auto _ : state) {
        for (const std::string& name : pool->names) ReadSelections(model, dialogs, model.AppFilePath(name));
        benchmark::DoNotOptimize(model.SelLines);
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}

void BM_ScoreSelections(benchmark::State& state) {
    SilentDialogs dialogs;
    modBrackwell model(pool->folder);
    ReadStartFile(model, dialogs);
    ReadSelections(model, dialogs, model.AppFilePath(kResultsFileName));
    PlainBracketView results;
    ShowStartingField(model, results);
    SelectionToWindow(model, results);
    for (auto _ : state) {
        for (const std::string& name : pool->names) {
            ScoreRecord record = ScoreSelection(model, results, dialogs, name, ScoringContext::Standings);
            benchmark::DoNotOptimize(record);
        }
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}

double Fastest(const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); }

BENCHMARK(BM_ReadSelections)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Fastest);
BENCHMARK(BM_ScoreSelections)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Fastest);

// The console report, followed by what scoring adds to reading. The times compared are CPU
// times, the fastest repetition's when there are repetitions: on a shared machine the other
// load only ever adds time.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool fastest = run.run_type == Run::RT_Aggregate && run.aggregate_name == "min";
            if (run.run_type == Run::RT_Aggregate && !fastest) continue;
            Times& times = times_[run.run_name.function_name];
            if (times.fastest && !fastest) continue;
            const double iterations = static_cast<double>(run.iterations);
            times = {run.cpu_accumulated_time / iterations, run.real_accumulated_time / iterations, fastest};
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto read = times_.find("BM_ReadSelections");
        const auto score = times_.find("BM_ScoreSelections");
        if (read == times_.end() || score == times_.end()) return;
        const Times& r = read->second;
        const Times& s = score->second;
        std::printf("\nfiles per second (CPU): read %.0f, read and score %.0f\n", kFileCount / r.cpu,
                    kFileCount / s.cpu);
        std::printf("read and score / read: %.3f by CPU time, %.3f by wall time\n", s.cpu / r.cpu, s.real / r.real);
        std::printf("scoring adds %.1f%% to the read time (target: under 50%%)\n", (s.cpu / r.cpu - 1.0) * 100.0);
    }

private:
    struct Times {
        double cpu = 0, real = 0;
        bool fastest = false;
    };
    std::map<std::string, Times> times_;
};

}  // namespace

int main(int argc, char** argv) {
    // Unless told otherwise: repetitions of the two taken in turns, so that the load of a shared
    // machine falls on both alike, and the fastest of each compared.
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=7";
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    if (argc == 1) args.insert(args.end(), {repetitions.data(), interleave.data(), aggregates.data()});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    Pool files;
    pool = &files;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
