#include "tests/support/SampleBrackets.h"

#include "core/LineFile.h"

namespace brackwell::testing {

namespace {
SelLinesArray PlayOut(const StartLinesArray& start, bool upperWins) {
    SelLinesArray lines = FieldOnly(start);
    for (int p = 1; p <= kPositionCount; ++p) {
        if (IsStartingSlot(p)) continue;
        const auto [upper, lower] = FeedingPositions(p);
        lines[p] = lines[upperWins ? upper : lower];
    }
    return lines;
}
}  // namespace

SelLinesArray FieldOnly(const StartLinesArray& start) {
    SelLinesArray lines{};
    for (int p = 1; p <= kPositionCount; ++p)
        if (IsStartingSlot(p)) lines[p] = start[StartTeamLine(p)];
    lines[kSelectionEndLine] = kEndMarker;
    return lines;
}

SelLinesArray UpperTeamsWin(const StartLinesArray& start) { return PlayOut(start, true); }
SelLinesArray LowerTeamsWin(const StartLinesArray& start) { return PlayOut(start, false); }

SelLinesArray WithPlayer(SelLinesArray lines, const std::string& name, const std::string& initials,
                         const std::string& total) {
    lines[kPlayerNameLine] = name;
    lines[kInitialsLine] = initials;
    lines[kFinalPointsLine] = total;
    return lines;
}

std::string SelectionFileBytes(const SelLinesArray& lines) {
    std::string bytes;
    for (int i = 1; i <= kSelectionEndLine; ++i) AppendLine(bytes, lines[i]);
    return bytes;
}

}  // namespace brackwell::testing
