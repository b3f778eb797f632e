#include "setup/rules/SetupField.h"

#include "core/TextHelpers.h"

namespace brackwell {

SetupField SetupFieldFromStartLines(const StartLinesArray& lines) {
    SetupField field;
    for (int i = 0; i < kTeamBoxCount; ++i) field.teams[i] = lines[i];
    for (int i = 0; i < kInfoBoxCount; ++i) field.info[i] = lines[kTitleLine + i];
    for (int i = 0; i < kPointsBoxCount; ++i) field.points[i] = lines[kFirstPointsLine + i];
    for (int i = 0; i < kSeedCount; ++i) field.seeds[i] = lines[kFirstSeedLine + i];
    field.comment1 = BarsToLineBreaks(lines[kComment1Line]);
    field.comment2 = BarsToLineBreaks(lines[kComment2Line]);
    return field;
}

StartLinesArray StartLinesFromSetupField(const SetupField& field) {
    StartLinesArray lines{};
    for (int i = 0; i < kTeamBoxCount; ++i) lines[i] = field.teams[i];
    for (int i = 0; i < kInfoBoxCount; ++i) lines[kTitleLine + i] = field.info[i];
    for (int i = 0; i < kPointsBoxCount; ++i) lines[kFirstPointsLine + i] = field.points[i];
    for (int i = 0; i < kSeedCount; ++i) lines[kFirstSeedLine + i] = field.seeds[i];
    lines[kComment1Line] = LineBreaksToBars(field.comment1);
    lines[kComment2Line] = LineBreaksToBars(field.comment2);
    lines[kFinalizedLine] = field.finalizeTag;
    lines[kStartEndLine] = kEndMarker;
    return lines;
}

}  // namespace brackwell
