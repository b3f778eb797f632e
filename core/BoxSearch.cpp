#include "core/BoxSearch.h"

#include <algorithm>

#include "core/TextHelpers.h"

namespace brackwell {

namespace {
bool IsPrintableKey(int key) { return key >= 32 && key <= 127; }

// The first entry that begins with prefix, without regard to case, as a list box finds it.
std::optional<int> FindPrefix(std::span<const std::string> entries, std::string_view prefix) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (StartsWithIgnoreCase(entries[i], prefix)) return static_cast<int>(i);
    return std::nullopt;
}
}  // namespace

BoxSearchResult clsBoxSearch::FindIndexStr(const BoxSearchRequest& request) {
    BoxSearchResult result;
    result.text = request.text;
    result.selStart = request.selStart;
    result.selLength = request.selLength;
    result.keyCode = request.keyCode;

    const int key = request.keyCode;
    if (key != kKeyEnter && key != kKeyBackspace && !IsPrintableKey(key)) return result;

    const bool searchesItself = request.source == BoxKind::ComboBox && request.target == BoxKind::None;
    const BoxKind target = searchesItself ? BoxKind::ComboBox : request.target;
    if (key == kKeyEnter) {
        result.openDropDown = target == BoxKind::ComboBox;
        return result;
    }

    const int caret = std::clamp(request.selStart, 0, static_cast<int>(request.text.size()));
    std::string search;
    if (key == kKeyBackspace) {
        if (request.text.empty()) return result;
        if (caret - 1 < 1) {
            result.sourceChanged = true;
            result.text.clear();
            result.selStart = 0;
            result.selLength = 0;
            return result;
        }
        search = request.text.substr(0, static_cast<std::size_t>(caret - 1));
    } else {
        search = request.text.empty() ? request.givenText : request.text.substr(0, static_cast<std::size_t>(caret));
        search += static_cast<char>(key);
    }
    if (target == BoxKind::None) return result;

    const std::optional<int> found = FindPrefix(request.entries, search);
    if (!found) return result;
    const std::string& entry = request.entries[static_cast<std::size_t>(*found)];
    result.index = found;
    // A combo box that is its own list shows the entry it selects; a text box is given it.
    if (request.source == BoxKind::TextBox || searchesItself) result.text = entry;
    const int length = static_cast<int>(result.text.size());
    result.selStart = std::min(static_cast<int>(search.size()), length);
    result.selLength = length - result.selStart;
    result.sourceChanged = result.text != request.text || result.selStart != request.selStart ||
                           result.selLength != request.selLength;
    result.keyCode = 0;
    return result;
}

}  // namespace brackwell
