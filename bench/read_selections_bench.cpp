// Reading a season's selection files: ReadSelections against the bare system calls that read
// the same bytes. The standings read every selection file each time they are opened, so the
// reader should cost at most twice what the file system itself does.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/LineFile.h"
#include "core/SelectionFile.h"

namespace {

using namespace brackwell;

constexpr int kFileCount = 10000;

const char* const kTeams[] = {
    "Michigan State", "Valparaiso",     "Utah",           "St. Louis",      "Syracuse",       "Samford",
    "Kentucky",       "St. Bonaventure", "UCLA",          "Ball State",     "Maryland",       "Iowa",
    "Auburn",         "Creighton",      "Iowa State",     "Central Connecticut State", "Duke", "Lamar",
    "Kansas",         "DePaul",         "Florida",        "Butler",         "Illinois",       "Penn",
    "Oregon",         "Seton Hall",     "Temple",         "Lafayette",      "Oklahoma State", "Hofstra",
    "Cincinnati",     "UNC Wilmington", "Stanford",       "South Carolina State", "North Carolina", "Missouri",
    "Connecticut",    "Utah State",     "Tennessee",      "Louisiana-Lafayette", "Miami",      "Southern Miss",
    "Ohio State",     "Appalachian State", "Texas",       "Indiana State",  "Arizona",        "Jackson State",
    "LSU",            "Southeast Missouri State", "Wisconsin", "Fresno State", "Purdue",    "Dayton",
    "Gonzaga",        "Louisville",     "St. John's",     "Northern Arizona", "Oklahoma",    "Winthrop",
    "Texas Tech",     "Pepperdine",     "Indiana",        "Wake Forest"};

// A filled-in bracket: the field, a winner for every game, initials, name and total.
std::string SelectionBytes(int player) {
    SelLinesArray lines{};
    int next = 0;
    for (int p = 1; p <= kPositionCount; ++p) {
        if (IsStartingSlot(p)) {
            lines[p] = kTeams[next++];
        } else {
            const auto [a, b] = FeedingPositions(p);
            lines[p] = (player >> (p % 13)) & 1 ? lines[a] : lines[b];
        }
    }
    lines[kInitialsLine] = "P" + std::to_string(player % 26);
    lines[kPlayerNameLine] = "Player" + std::to_string(player);
    lines[kFinalPointsLine] = std::to_string(100 + player % 120);
    lines[kSelectionEndLine] = kEndMarker;
    return JoinLines(std::vector<std::string>(lines.begin() + 1, lines.end()));
}

class SelectionFolder {
public:
    static const SelectionFolder& Get() {
        static SelectionFolder folder;
        return folder;
    }
    ~SelectionFolder() { std::filesystem::remove_all(path_); }
    const std::vector<std::string>& files() const { return files_; }

private:
    SelectionFolder() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/brackwell-bench-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        path_ = pattern;
        for (int player = 0; player < kFileCount; ++player) {
            files_.push_back(path_ + "/Player" + std::to_string(player) + "_P" + std::to_string(player % 26) + ".BKS");
            const std::string bytes = SelectionBytes(player);
            std::FILE* out = std::fopen(files_.back().c_str(), "wb");
            if (out == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) std::abort();
            std::fclose(out);
        }
    }

    std::string path_;
    std::vector<std::string> files_;
};

class SilentDialogs final : public Dialogs {
public:
    int messages = 0;
    MsgAnswer MessageBox(const std::string&, MsgButtons, MsgIcon, const std::string&) override {
        ++messages;
        return MsgAnswer::OK;
    }
    std::string InputBox(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> OpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
    bool PrintDialog(PrintRequest&) override { return false; }
    std::optional<FontChoice> FontDialog(const FontChoice&) override { return std::nullopt; }
};

void ReportFiles(benchmark::State& state) {
    state.counters["files_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kFileCount, benchmark::Counter::kIsRate);
}

void BM_ReadSelections(benchmark::State& state) {
    const auto& files = SelectionFolder::Get().files();
    modBrackwell model;
    SilentDialogs dialogs;
    for (auto _ : state) {
        for (const std::string& path : files) {
            ReadSelections(model, dialogs, path);
            benchmark::DoNotOptimize(model.SelLines[kSelectionEndLine].data());
        }
    }
    if (dialogs.messages != 0) state.SkipWithError("a selection file did not read cleanly");
    ReportFiles(state);
}

void BM_PlainRead(benchmark::State& state) {
    const auto& files = SelectionFolder::Get().files();
    char buffer[16 * 1024];
    for (auto _ : state) {
        for (const std::string& path : files) {
            const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
            while (read(fd, buffer, sizeof buffer) > 0) benchmark::DoNotOptimize(buffer);
            close(fd);
        }
    }
    ReportFiles(state);
}

BENCHMARK(BM_ReadSelections)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

// Prints how many times the plain read ReadSelections takes, beside the usual table: by CPU
// time (what the reader costs, whatever else the machine runs) and by wall-clock time. With
// repetitions the medians are compared.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            Times& times = times_[run.run_name.function_name];
            if (median || (run.run_type == Run::RT_Iteration && !times.median)) {
                times = {run.GetAdjustedCPUTime(), run.GetAdjustedRealTime(), median};
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto reader = times_.find("BM_ReadSelections");
        const auto plain = times_.find("BM_PlainRead");
        if (reader == times_.end() || plain == times_.end() || plain->second.cpu <= 0 || plain->second.real <= 0)
            return;
        const double cpu = reader->second.cpu / plain->second.cpu;
        const double real = reader->second.real / plain->second.real;
        std::printf("ReadSelections / plain read: %.2fx CPU time, %.2fx wall-clock time (target at most 2x: %s)\n",
                    cpu, real, cpu <= 2.0 ? "met" : "MISSED");
    }

private:
    struct Times {
        double cpu = 0, real = 0;
        bool median = false;
    };
    std::map<std::string, Times> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    SelectionFolder::Get();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
