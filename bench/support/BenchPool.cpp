#include "bench/support/BenchPool.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <system_error>

#include "core/Model.h"
#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "tests/support/SampleBrackets.h"

namespace brackwell::bench {

namespace {

// Team names of the lengths a real field has, so that the files are as long as a season's.
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

StartLinesArray Field() {
    StartLinesArray lines = DefaultStartLines();
    for (int i = 0; i < 64; ++i) lines[i] = kTeams[i];
    return lines;
}

constexpr int kChampionshipRound = 6;

// The field played out by chance through lastPlayedRound; the later games are left empty.
SelLinesArray RandomBracket(const StartLinesArray& field, std::mt19937& random, int lastPlayedRound) {
    SelLinesArray lines = testing::FieldOnly(field);
    for (int p = 1; p <= kPositionCount; ++p) {
        if (IsStartingSlot(p) || RoundOfPosition(p) > lastPlayedRound) continue;
        const auto [upper, lower] = FeedingPositions(p);
        lines[p] = lines[random() % 2 == 0 ? upper : lower];
    }
    return lines;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    const bool written = file != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file == nullptr || std::fclose(file) != 0 || !written) throw std::runtime_error("cannot write " + path);
}

}  // namespace

const BenchPool& BenchPool::Get() {
    static const BenchPool pool;
    return pool;
}

BenchPool::BenchPool() {
    std::string pattern = (std::filesystem::temp_directory_path() / "brackwell-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
    folder_ = pattern;
    const StartLinesArray field = Field();
    std::mt19937 random(2000);
    WriteFile(folder_ + "/" + kStartFileName, StartFileContents(field));
    WriteFile(folder_ + "/" + kResultsFileName, testing::SelectionFileBytes(RandomBracket(field, random, 2)));
    for (int i = 0; i < kPoolFileCount; ++i) {
        const std::string name = "Player" + std::to_string(i);
        const std::string initials = "P" + std::to_string(i % 26);
        const SelLinesArray picks = testing::WithPlayer(RandomBracket(field, random, kChampionshipRound), name,
                                                        initials, std::to_string(100 + i % 120));
        names_.push_back(SelectionFileName(name, initials));
        paths_.push_back(folder_ + "/" + names_.back());
        WriteFile(paths_.back(), testing::SelectionFileBytes(picks));
    }
}

BenchPool::~BenchPool() {
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
}

void ShowResults(modBrackwell& model, Dialogs& dialogs, PlainBracketView& results) {
    ReadStartFile(model, dialogs);
    ReadSelections(model, dialogs, model.AppFilePath(kResultsFileName));
    ShowStartingField(model, results);
    SelectionToWindow(model, results);
}

}  // namespace brackwell::bench
