#include "fieldblock/FieldAreaReader.h"

#include <array>
#include <string>

namespace brackwell::fieldblock {

namespace {
// The text after the marker up to the area's NUL or end. Volatile reads, one byte at a time:
// what the area holds is only known when the program runs.
std::string AreaText(const volatile char* area, std::size_t size, std::size_t markerLength) {
    std::string text;
    for (std::size_t i = markerLength; i < size; ++i) {
        const char c = area[i];
        if (c == '\0') break;
        text += c;
    }
    return text;
}

// Splits text into count items, each ended by the separator; false when it holds fewer.
template <std::size_t Count>
bool SplitItems(const std::string& text, std::array<std::string, Count>& items) {
    std::size_t start = 0;
    for (std::string& item : items) {
        const std::size_t end = text.find(kSeparator, start);
        if (end == std::string::npos) return false;
        item = text.substr(start, end - start);
        start = end + 1;
    }
    return true;
}

std::string BarsToCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '|') out += "\r\n";
        else out += c;
    }
    return out;
}
}  // namespace

std::optional<PickField> ReadFieldAreas(const volatile char* teams, std::size_t teamsSize,
                                        const volatile char* others, std::size_t othersSize) {
    PickField field;
    if (!SplitItems(AreaText(teams, teamsSize, kTeamsMarkerLength), field.teams)) return std::nullopt;
    if (!SplitItems(AreaText(others, othersSize, kOthersMarkerLength), field.others)) return std::nullopt;
    field.others[kComment1Field] = BarsToCrLf(field.others[kComment1Field]);
    field.others[kComment2Field] = BarsToCrLf(field.others[kComment2Field]);
    return field;
}

std::optional<PickField> ReadOwnField() {
    const volatile FieldAreas& areas = gFieldBlock;
    return ReadFieldAreas(areas.teams, kTeamsAreaSize, areas.others, kOthersAreaSize);
}

}  // namespace brackwell::fieldblock
