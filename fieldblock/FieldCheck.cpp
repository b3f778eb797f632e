#include "fieldblock/FieldCheck.h"

#include "fieldblock/FieldLayout.h"

namespace brackwell::fieldblock {

namespace {
constexpr const char* kCorrectBeforeFinalize = "Correct it before you finalize the setup.";

// What in text the areas cannot carry: the separator, a NUL, or a line break other than the
// CR LF pairs that the comments may hold; empty when nothing.
std::string BadByteFound(const std::string& text, bool lineBreaksAllowed) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == kSeparator) return "\"^\"";
        if (c == '\0') return "a NUL byte";
        if (c != '\r' && c != '\n') continue;
        if (!lineBreaksAllowed) return "a line break";
        if (c == '\n') return "a line feed (LF) without a carriage return before it";
        if (i + 1 == text.size() || text[i + 1] != '\n') return "a carriage return (CR) without a line feed after it";
        ++i;
    }
    return {};
}

std::string OthersItemName(std::size_t field, const std::string& text) {
    if (field == kTitleField) return "The title \"" + text + "\"";
    if (field < kFirstPointsField) return "The region name \"" + text + "\"";
    if (field < kComment1Field) return "The points for round " + std::to_string(field - kFirstPointsField + 1);
    return field == kComment1Field ? "Comment 1" : "Comment 2";
}

std::string BadByteMessage(const std::string& item, const std::string& found) {
    return "** Error - " + item + " holds a character that QUILLON.EXE cannot carry: " + found + ".\r\n" +
           kCorrectBeforeFinalize;
}

std::string TooLongMessage(const char* what, std::size_t capacity, std::size_t length) {
    return std::string("** Error - ") + what + " are too long for QUILLON.EXE." + "\r\n" +
           "Together they may hold " + std::to_string(capacity) + " characters; now they hold " +
           std::to_string(length) + ".\r\n\r\nShorten some of them before you finalize the setup.";
}
}  // namespace

std::optional<std::string> FieldRefusal(const PickField& field) {
    std::size_t teamsLength = 0;
    for (const std::string& name : field.teams) {
        if (const std::string found = BadByteFound(name, false); !found.empty())
            return BadByteMessage("The team name \"" + name + "\"", found);
        teamsLength += name.size();
    }
    std::size_t othersLength = 0;
    for (std::size_t i = 0; i < field.others.size(); ++i) {
        if (const std::string found = BadByteFound(field.others[i], i >= kComment1Field); !found.empty())
            return BadByteMessage(OthersItemName(i, field.others[i]), found);
        othersLength += field.others[i].size();
    }
    if (teamsLength > kTeamsCapacity) return TooLongMessage("The team names", kTeamsCapacity, teamsLength);
    if (othersLength > kOthersCapacity)
        return TooLongMessage("The title, region names, points and comments", kOthersCapacity, othersLength);
    return std::nullopt;
}

}  // namespace brackwell::fieldblock
