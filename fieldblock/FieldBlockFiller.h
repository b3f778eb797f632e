#pragma once
// The byte rule of the build: the template streams through unchanged except for the filler
// after each marker, where the field's text is written in place. The file keeps its length.

#include <cstddef>
#include <string>
#include <string_view>

#include "fieldblock/PickField.h"

namespace brackwell::fieldblock {

// The text written after a marker: every item followed by the separator, then a NUL.
std::string AreaText(const std::string* items, std::size_t count);

class FieldBlockFiller {
public:
    enum class Outcome {
        Filled,        // both areas written
        NoTeamsArea,   // the template has no teams marker: a plain copy
        NoOthersArea,  // the teams area was written, no others marker followed
        CutShort,      // the template ends inside an area's text
    };

    // The field must fit its areas (see FieldRefusal).
    explicit FieldBlockFiller(const PickField& field);

    // Rewrites the next chunk of the template in place.
    void Process(char* bytes, std::size_t count);
    // What the template held, once every chunk has passed.
    Outcome Finish() const;

private:
    enum class Phase { FindTeams, WriteTeams, FindOthers, WriteOthers, CopyRest };

    // Advances the marker match over bytes and sets used to how many were looked at (all of
    // them unless the marker completed); true when it did.
    bool Match(const char* bytes, std::size_t count, std::string_view marker, std::size_t& used);
    std::size_t Write(char* bytes, std::size_t count, const std::string& text);

    std::string teamsText_;
    std::string othersText_;
    Phase phase_ = Phase::FindTeams;
    std::size_t matched_ = 0;  // marker characters matched so far
    std::size_t written_ = 0;  // bytes of the current area's text written so far
};

}  // namespace brackwell::fieldblock
