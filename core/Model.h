#pragma once
// The in-memory pool: one start field, one bracket of picks or results, and the flags the
// windows share. The application creates one modBrackwell and hands it to every window.

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace brackwell {

inline constexpr int kPositionCount = 127;   // BracketPosition 1..127
inline constexpr int kGameCount = 63;        // GameNumber 0..62
inline constexpr int kChampionLabel = 126;   // label index of position 127
inline constexpr int kNoAdvance = 999;       // AdvanceTable entry of the champion's label

// StartLines indices.
inline constexpr int kTitleLine = 64;
inline constexpr int kFirstRegionNameLine = 65;
inline constexpr int kFirstPointsLine = 69;
inline constexpr int kFirstSeedLine = 75;
inline constexpr int kComment1Line = 91;
inline constexpr int kComment2Line = 92;
inline constexpr int kFinalizedLine = 93;
inline constexpr int kStartEndLine = 94;

// SelLines indices.
inline constexpr int kInitialsLine = 128;
inline constexpr int kPlayerNameLine = 129;
inline constexpr int kFinalPointsLine = 130;
inline constexpr int kSelectionEndLine = 131;

inline constexpr const char* kStartMarker = "*START*";
inline constexpr const char* kEndMarker = "*END*";

using StartLinesArray = std::array<std::string, 101>;
using SelLinesArray = std::array<std::string, 132>;
using PickStateArray = std::array<int, 131>;     // indices 1..130, only 1..127 used
using AdvanceTableArray = std::array<int, kPositionCount>;

enum PickStateValue { kPickCorrect = 1, kPickWrong = 2, kPickOpen = 3, kPickReachable = 4 };

// --- Bracket geometry (positions 1..127, label index = position - 1) ---

// 0..3 for the regional positions, -1 for 125..127. (Inline: scoring asks for every position.)
constexpr int RegionOfPosition(int position) { return position < 1 || position > 124 ? -1 : (position - 1) / 31; }
constexpr bool IsStartingSlot(int position) {
    const int region = RegionOfPosition(position);
    return region >= 0 && position - 31 * region <= 16;
}
constexpr bool IsStartingLabel(int label) { return IsStartingSlot(label + 1); }
// The game decided at a position, or -1 for a starting slot.
int GameNumber(int position);
// The position at which a game (0..62) is decided.
int GamePosition(int game);
// 0 for starting slots; 1..6 for first-round winners .. champion.
constexpr int RoundOfPosition(int position) {
    if (position == 127) return 6;
    if (position == 125 || position == 126) return 5;
    const int region = RegionOfPosition(position);
    if (region < 0) return 0;
    const int offset = position - 31 * region;  // 1..31
    return offset <= 16 ? 0 : offset <= 24 ? 1 : offset <= 28 ? 2 : offset <= 30 ? 3 : 4;
}
// The two positions that feed a game position (both 0 for a starting slot).
std::pair<int, int> FeedingPositions(int position);
// The position a position's winner advances to (0 for 127).
int NextPosition(int position);
bool IsLive(int state);

// StartLines index of the team at a starting slot position, and the seed line of that slot.
int StartTeamLine(int position);
int SeedLine(int position);

// The field used when no start file can be read: TEAM1..TEAM64, default title, regions,
// points, seeds, empty comments, not finalized. Entries 95..100 are left empty.
StartLinesArray DefaultStartLines();
void LoadDefaultStartLines(StartLinesArray& lines);

// The pick-label indices (the 63 non-starting labels) in ascending order.
const std::array<int, kGameCount>& PickLabels();

struct modBrackwell {
    // The application folder: every data file is addressed through AppFilePath.
    std::string AppFolder;

    StartLinesArray StartLines{};
    std::string TournamentTitle;
    std::string SetupFinalized;

    SelLinesArray SelLines{};
    // The side of a scoring that is read from a file. SelLines keeps the side shown, which is
    // what it holds again after every scoring; this buffer is kept so that scoring hundreds of
    // files reuses its storage.
    SelLinesArray ScoredFileLines{};
    PickStateArray PickState{};
    AdvanceTableArray AdvanceTable{};
    std::vector<std::string> EliminatedTeams;

    bool ResultsMode = false;
    std::string CurrentSelectionFile;
    bool StandingsOpen = false;
    bool TeamNamesChanged = false;
    bool MarksShown = false;

    // Handed from the selection save to the roster editor, emptied when the editor closes.
    struct RosterHandOverValues {
        std::string Action;         // "A" add, "C" change, "O" overwrite; empty from the menu
        std::string Key;            // name + "," + initials
        std::string SelectionPath;  // full path of the saved selection file
        bool AddOnly = false;       // the editor's change and delete controls start disabled
    } RosterHandOver;

    // Handed from the mail window to the report window's mail step.
    struct MailHandOverValues {
        std::vector<std::string> Recipients;  // addresses, 0..RecipientUpperBound
        int RecipientUpperBound = -1;         // -1 when there are none
        std::string Subject;
        std::string Message;
        bool Cancelled = false;               // the window was left with "Exit/Cancel"
    } MailHandOver;

    // Names read from the team list (index 1..n, spare empty entries above them).
    std::vector<std::string> TeamNameList;

    modBrackwell();
    explicit modBrackwell(std::string appFolder);

    std::string AppFilePath(const std::string& name) const;
    void BuildAdvanceTable();
};

}  // namespace brackwell
