#pragma once
// The two areas through which the organiser's program hands the field to the pick program.
// Each is marker + filler + NUL in the pick program's data; the builder writes the field over
// the filler: every item followed by the separator, then a NUL. Shared by both programs.
//
// The markers are consteval so that no program holds them as data: the pick program must carry
// each marker exactly once, at its area, or the builder would write into the wrong bytes.

#include <cstddef>
#include <string_view>

namespace brackwell::fieldblock {

inline constexpr std::size_t kTeamsAreaSize = 1080;
inline constexpr std::size_t kOthersAreaSize = 400;
inline constexpr std::size_t kTeamCount = 64;
inline constexpr std::size_t kOthersCount = 13;
inline constexpr char kSeparator = '^';
inline constexpr char kFiller = '.';

// Others fields.
inline constexpr std::size_t kTitleField = 0;
inline constexpr std::size_t kFirstRegionField = 1;
inline constexpr std::size_t kFirstPointsField = 5;
inline constexpr std::size_t kComment1Field = 11;
inline constexpr std::size_t kComment2Field = 12;

consteval std::string_view TeamsMarker() { return "@@TEAMS@@"; }
consteval std::string_view OthersMarker() { return "@@OTHERS@@"; }
inline constexpr std::size_t kTeamsMarkerLength = TeamsMarker().size();
inline constexpr std::size_t kOthersMarkerLength = OthersMarker().size();

// Filler bytes after the marker (the area's last byte is its NUL).
inline constexpr std::size_t kTeamsFillerSize = kTeamsAreaSize - kTeamsMarkerLength - 1;
inline constexpr std::size_t kOthersFillerSize = kOthersAreaSize - kOthersMarkerLength - 1;
// What the items may hold together: each is followed by a separator, and a NUL ends them.
inline constexpr std::size_t kTeamsCapacity = kTeamsFillerSize - kTeamCount - 1;
inline constexpr std::size_t kOthersCapacity = kOthersFillerSize - kOthersCount - 1;
static_assert(kTeamsCapacity == 1005 && kOthersCapacity == 375);

// An unfilled area: the marker, filler up to the last byte, NUL.
template <std::size_t Size>
consteval void FillTemplateArea(char (&area)[Size], std::string_view marker) {
    for (std::size_t i = 0; i < Size - 1; ++i) area[i] = i < marker.size() ? marker[i] : kFiller;
    area[Size - 1] = '\0';
}

}  // namespace brackwell::fieldblock
