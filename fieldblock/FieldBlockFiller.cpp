#include "fieldblock/FieldBlockFiller.h"

#include <algorithm>
#include <cstring>

#include "fieldblock/FieldLayout.h"

namespace brackwell::fieldblock {

std::string AreaText(const std::string* items, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += items[i];
        text += kSeparator;
    }
    text += '\0';
    return text;
}

FieldBlockFiller::FieldBlockFiller(const PickField& field)
    : teamsText_(AreaText(field.teams.data(), field.teams.size())),
      othersText_(AreaText(field.others.data(), field.others.size())) {}

bool FieldBlockFiller::Match(const char* bytes, std::size_t count, std::string_view marker, std::size_t& used) {
    std::size_t i = 0;
    while (i < count) {
        if (matched_ == 0) {
            // Nothing matched yet: only the marker's first character can start a match.
            const void* first = std::memchr(bytes + i, marker[0], count - i);
            if (first == nullptr) break;
            i = static_cast<std::size_t>(static_cast<const char*>(first) - bytes);
        }
        if (bytes[i++] == marker[matched_]) {
            if (++matched_ == marker.size()) {
                matched_ = 0;
                used = i;
                return true;
            }
        } else {
            // A byte that breaks a match is not looked at again as a first character, so
            // "@@@TEAMS@@" holds no marker.
            matched_ = 0;
        }
    }
    used = count;
    return false;
}

std::size_t FieldBlockFiller::Write(char* bytes, std::size_t count, const std::string& text) {
    const std::size_t n = std::min(count, text.size() - written_);
    std::memcpy(bytes, text.data() + written_, n);
    written_ += n;
    return n;
}

void FieldBlockFiller::Process(char* bytes, std::size_t count) {
    std::size_t i = 0;
    while (i < count) {
        std::size_t used = 0;
        switch (phase_) {
        case Phase::FindTeams:
            if (Match(bytes + i, count - i, TeamsMarker(), used)) phase_ = Phase::WriteTeams;
            break;
        case Phase::WriteTeams:
            used = Write(bytes + i, count - i, teamsText_);
            if (written_ == teamsText_.size()) {
                written_ = 0;
                phase_ = Phase::FindOthers;
            }
            break;
        case Phase::FindOthers:
            if (Match(bytes + i, count - i, OthersMarker(), used)) phase_ = Phase::WriteOthers;
            break;
        case Phase::WriteOthers:
            used = Write(bytes + i, count - i, othersText_);
            if (written_ == othersText_.size()) phase_ = Phase::CopyRest;
            break;
        case Phase::CopyRest:
            return;
        }
        i += used;
    }
}

FieldBlockFiller::Outcome FieldBlockFiller::Finish() const {
    switch (phase_) {
    case Phase::FindTeams: return Outcome::NoTeamsArea;
    case Phase::FindOthers: return Outcome::NoOthersArea;
    case Phase::WriteTeams:
    case Phase::WriteOthers: return Outcome::CutShort;
    case Phase::CopyRest: break;
    }
    return Outcome::Filled;
}

}  // namespace brackwell::fieldblock
