#pragma once
// The starting field as the setup window's boxes hold it, and the start lines saved from it.

#include <array>
#include <string>

#include "core/Model.h"

namespace brackwell {

inline constexpr int kTeamBoxCount = 64;
inline constexpr int kInfoBoxCount = 5;     // title, then the four region names
inline constexpr int kPointsBoxCount = 6;   // rounds 1..6
inline constexpr int kSeedCount = 16;       // one set of seeds serves all four regions

struct SetupField {
    std::array<std::string, kTeamBoxCount> teams;
    std::array<std::string, kInfoBoxCount> info;
    std::array<std::string, kPointsBoxCount> points;
    std::array<std::string, kSeedCount> seeds;
    std::string comment1;  // line breaks as CR LF
    std::string comment2;
    // The finalize request held by the "Finalize Setup" button: "1" requested, "0" not.
    std::string finalizeTag = "0";

    bool FinalizeRequested() const { return finalizeTag == "1"; }
};

// The field of loaded start lines; each "|" of a comment becomes a line break.
SetupField SetupFieldFromStartLines(const StartLinesArray& lines);

// StartLines 0..94 as the save writes them: the boxes, the comments with their line breaks as
// "|", the finalize tag and the end marker. Entries 95..100 stay empty.
StartLinesArray StartLinesFromSetupField(const SetupField& field);

}  // namespace brackwell
