#include "core/Model.h"

namespace brackwell {

int GameNumber(int position) {
    if (position >= 125 && position <= 127) return 60 + (position - 125);
    const int region = RegionOfPosition(position);
    if (region < 0 || IsStartingSlot(position)) return -1;
    return 15 * region + (position - 31 * region - 17);
}

int GamePosition(int game) {
    if (game < 0 || game >= kGameCount) return 0;
    if (game >= 60) return 125 + (game - 60);
    const int region = game / 15;
    return 31 * region + 17 + game % 15;
}

std::pair<int, int> FeedingPositions(int position) {
    if (position == 125) return {31, 62};
    if (position == 126) return {93, 124};
    if (position == 127) return {125, 126};
    const int region = RegionOfPosition(position);
    if (region < 0 || IsStartingSlot(position)) return {0, 0};
    const int m = position - 31 * region - 17;
    return {31 * region + 2 * m + 1, 31 * region + 2 * m + 2};
}

int NextPosition(int position) {
    if (position == 31 || position == 62) return 125;
    if (position == 93 || position == 124) return 126;
    if (position == 125 || position == 126) return 127;
    const int region = RegionOfPosition(position);
    if (region < 0) return 0;
    const int offset = position - 31 * region - 1;  // 0..29
    return 31 * region + 17 + offset / 2;
}

bool IsLive(int state) { return state == kPickCorrect || state == kPickReachable; }

int StartTeamLine(int position) {
    const int region = RegionOfPosition(position);
    return 16 * region + (position - 31 * region - 1);
}

int SeedLine(int position) { return kFirstSeedLine + (position - 31 * RegionOfPosition(position) - 1); }

void LoadDefaultStartLines(StartLinesArray& lines) {
    for (int i = 0; i < 64; ++i) {
        lines[i] = "TEAM";
        lines[i] += std::to_string(i + 1);
    }
    lines[kTitleLine] = "2002 NCAA Tournament";
    const char* regions[] = {"Midwest Region", "South Region", "East Region", "West Region"};
    for (int r = 0; r < 4; ++r) lines[kFirstRegionNameLine + r] = regions[r];
    const char* points[] = {"1", "2", "4", "8", "12", "16"};
    for (int k = 0; k < 6; ++k) lines[kFirstPointsLine + k] = points[k];
    const char* seeds[] = {" 1", "16", " 8", " 9", " 5", "12", " 4", "13",
                           " 6", "11", " 3", "14", " 7", "10", " 2", "15"};
    for (int k = 0; k < 16; ++k) lines[kFirstSeedLine + k] = seeds[k];
    lines[kComment1Line].clear();
    lines[kComment2Line].clear();
    lines[kFinalizedLine] = "0";
    lines[kStartEndLine] = kEndMarker;
}

StartLinesArray DefaultStartLines() {
    StartLinesArray lines{};
    LoadDefaultStartLines(lines);
    return lines;
}

const std::array<int, kGameCount>& PickLabels() {
    static const std::array<int, kGameCount> labels = [] {
        std::array<int, kGameCount> result{};
        for (int game = 0; game < kGameCount; ++game) result[game] = GamePosition(game) - 1;
        return result;
    }();
    return labels;
}

modBrackwell::modBrackwell() { BuildAdvanceTable(); }

modBrackwell::modBrackwell(std::string appFolder) : AppFolder(std::move(appFolder)) { BuildAdvanceTable(); }

std::string modBrackwell::AppFilePath(const std::string& name) const {
    if (AppFolder.empty() || AppFolder.back() == '/') return AppFolder + name;
    return AppFolder + "/" + name;
}

void modBrackwell::BuildAdvanceTable() {
    for (int m = 0; m <= 14; ++m) {
        AdvanceTable[2 * m] = 16 + m;
        AdvanceTable[2 * m + 1] = 16 + m;
    }
    AdvanceTable[30] = 124;
    AdvanceTable[61] = 124;
    AdvanceTable[92] = 125;
    AdvanceTable[123] = 125;
    AdvanceTable[124] = 126;
    AdvanceTable[125] = 126;
    AdvanceTable[126] = kNoAdvance;
    for (int i = 0; i <= 29; ++i) {
        AdvanceTable[i + 31] = AdvanceTable[i] + 31;
        AdvanceTable[i + 62] = AdvanceTable[i] + 62;
        AdvanceTable[i + 93] = AdvanceTable[i] + 93;
    }
}

}  // namespace brackwell
