#include "fieldblock/FieldCheck.h"

#include "fieldblock/FieldLayout.h"

namespace brackwell::fieldblock {

namespace {
constexpr const char* kCorrectBeforeFinalize = "Correct it before you finalize the setup.";

// True when text holds the separator or a NUL, or a line break other than the CR LF pairs that
// the comments may hold.
bool HoldsBadByte(const std::string& text, bool lineBreaksAllowed) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == kSeparator || c == '\0') return true;
        if (c != '\r' && c != '\n') continue;
        if (!lineBreaksAllowed) return true;
        const bool pairStart = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        if (!pairStart) return true;
        ++i;
    }
    return false;
}

std::string OthersItemName(std::size_t field, const std::string& text) {
    if (field == kTitleField) return "The title \"" + text + "\"";
    if (field < kFirstPointsField) return "The region name \"" + text + "\"";
    if (field < kComment1Field) return "The points for round " + std::to_string(field - kFirstPointsField + 1);
    return field == kComment1Field ? "Comment 1" : "Comment 2";
}

std::string BadByteMessage(const std::string& item, bool comment) {
    return "** Error - " + item + " holds a character that QUILLON.EXE cannot carry: " +
           (comment ? "\"^\" or a NUL byte." : "\"^\", a line break or a NUL byte.") + "\r\n" +
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
        if (HoldsBadByte(name, false)) return BadByteMessage("The team name \"" + name + "\"", false);
        teamsLength += name.size();
    }
    std::size_t othersLength = 0;
    for (std::size_t i = 0; i < field.others.size(); ++i) {
        const bool comment = i >= kComment1Field;
        if (HoldsBadByte(field.others[i], comment)) return BadByteMessage(OthersItemName(i, field.others[i]), comment);
        othersLength += field.others[i].size();
    }
    if (teamsLength > kTeamsCapacity) return TooLongMessage("The team names", kTeamsCapacity, teamsLength);
    if (othersLength > kOthersCapacity)
        return TooLongMessage("The title, region names, points and comments", kOthersCapacity, othersLength);
    return std::nullopt;
}

}  // namespace brackwell::fieldblock
